// A window of the model on screen: its widgets placed from twips, keys that
// pass the model's handlers first, clicks, focus by the model's tab order,
// a modal dialog and the close box.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/forms/Input.h"
#include "platform/text/Error.h"
#include "tests/platform/qt/QtFormsFixture.h"

namespace qtui::test {
namespace {

using Lines = std::vector<std::string>;

TEST_F(QtForms, EachControlIsAWidgetPlacedFromItsTwips) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  QWidget* window = Front.WindowOf(f);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Entrada de datos"));
  EXPECT_EQ(Widget<QLineEdit>(f.txtNombre)->geometry(), QRect(80, 16, 100, 20));  // 15 twips a pixel
  EXPECT_EQ(Widget<QLabel>(f.lblNombre)->text(), QStringLiteral("Nombre:"));    // its access key is drawn, not read
  EXPECT_EQ(Widget<QPushButton>(f.cmdAceptar)->text(), QStringLiteral("&Aceptar"));

  // A change of the model shows at once.
  f.txtCodigo.SetText("0917");
  f.cmdDialogo.SetEnabled(false);
  f.lblNombre.SetVisible(false);
  f.txtCodigo.Move(1200, 1200, 3000, 300);
  EXPECT_EQ(Widget<QLineEdit>(f.txtCodigo)->text(), QStringLiteral("0917"));
  EXPECT_FALSE(Widget(f.cmdDialogo)->isEnabled());
  EXPECT_FALSE(Widget(f.lblNombre)->isVisible());
  EXPECT_EQ(Widget(f.txtCodigo)->geometry(), QRect(80, 80, 200, 20));
}

TEST_F(QtForms, TypedKeysPassTheModelsHandlersFirst) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  auto* edit = Widget<QLineEdit>(f.txtNombre);
  QTest::keyClicks(edit, "ab");
  QTest::keyClick(edit, '#');
  EXPECT_EQ(Log, (Lines{"KeyDown(65)", "KeyPress(97)", "Change(A)", "KeyUp(65)",  // replaced by "A"
                        "KeyDown(66)", "KeyPress(98)", "Change(Ab)", "KeyUp(66)",
                        "KeyDown(51)", "KeyPress(35)", "KeyUp(51)"}));  // discarded: no change
  EXPECT_EQ(f.txtNombre.Text(), "Ab");
  EXPECT_EQ(edit->text(), QStringLiteral("Ab"));
  EXPECT_EQ(edit->cursorPosition(), 2);

  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, 'c');
  EXPECT_EQ(f.txtNombre.Text(), "cA");
  EXPECT_EQ(edit->text(), QStringLiteral("cA"));
  EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(QtForms, KeysGoToTheControlWhoseWidgetGotThem) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  ASSERT_EQ(f.ActiveControl(), &f.txtNombre);
  QTest::keyClicks(Widget(f.txtCodigo), "17");
  EXPECT_EQ(f.ActiveControl(), &f.txtCodigo);
  EXPECT_EQ(f.txtCodigo.Text(), "17");
  EXPECT_EQ(f.txtNombre.Text(), "");
}

TEST_F(QtForms, AClickReachesTheButtonsClick) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  QTest::mouseClick(Widget(f.cmdAceptar), Qt::LeftButton);
  EXPECT_EQ(Log, (Lines{"cmdAceptar.GotFocus", "cmdAceptar.Click"}));
  EXPECT_EQ(f.ActiveControl(), &f.cmdAceptar);
}

TEST_F(QtForms, TabMovesTheFocusInTheModelsTabOrder) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  QWidget* window = Front.WindowOf(f);
  EXPECT_EQ(window->focusWidget(), Widget(f.txtNombre));
  // Creation order would put the accept button next; the tab order says the code box.
  QTest::keyClick(Widget(f.txtNombre), Qt::Key_Tab);
  EXPECT_EQ(f.ActiveControl(), &f.txtCodigo);
  EXPECT_EQ(window->focusWidget(), Widget(f.txtCodigo));
  QTest::keyClick(Widget(f.txtCodigo), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(f.ActiveControl(), &f.txtNombre);
  EXPECT_EQ(window->focusWidget(), Widget(f.txtNombre));
  // A focus move by code shows too.
  f.cmdDialogo.SetFocus();
  EXPECT_EQ(window->focusWidget(), Widget(f.cmdDialogo));
}

// Alt and a label's letter reach the model, which puts the focus on the box
// the label names; no shortcut of Qt's takes them first.
TEST_F(QtForms, ALabelsAccessKeyFocusesItsBoxThroughTheModel) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  QWidget* window = Front.WindowOf(f);
  QTest::keyClick(Widget(f.txtNombre), Qt::Key_Tab);
  ASSERT_EQ(f.ActiveControl(), &f.txtCodigo);
  QTest::keyClick(Widget(f.txtCodigo), Qt::Key_N, Qt::AltModifier);  // "&Nombre:"
  EXPECT_EQ(f.ActiveControl(), &f.txtNombre);
  EXPECT_EQ(window->focusWidget(), Widget(f.txtNombre));
  QTest::keyClicks(window->focusWidget(), "b");
  EXPECT_EQ(f.txtNombre.Text(), "b");
  EXPECT_EQ(f.txtCodigo.Text(), "");
}

TEST_F(QtForms, AModalDialogRunsUntilItsButtonEndsIt) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  bool modal = false;
  QTimer::singleShot(0, [&] {
    frmDialogo& d = forms::Default<frmDialogo>();
    auto* window = qobject_cast<QDialog*>(Front.WindowOf(d));
    modal = window != nullptr && window->isVisible() && window->windowModality() == Qt::ApplicationModal;
    Note(modal ? "the dialog is modal" : "the dialog is not modal");
    QTest::mouseClick(Front.WidgetOf(d.cmdCerrar), Qt::LeftButton);
  });
  QTest::mouseClick(Widget(f.cmdDialogo), Qt::LeftButton);
  EXPECT_EQ(Log, (Lines{"frmDialogo.Load", "the dialog is modal", "cmdCerrar.Click", "frmDialogo.Unload",
                        "after the dialog"}));
  EXPECT_FALSE(forms::Application::Current().HasInstance<frmDialogo>());
  EXPECT_EQ(forms::Application::Current().ActiveForm(), &f);
}

TEST_F(QtForms, TheCloseBoxAsksTheWindowWhichMayRefuse) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.CancelQueries = 1;
  f.Show();
  QWidget* window = Front.WindowOf(f);
  window->close();
  EXPECT_EQ(Log, (Lines{"QueryUnload(0)"}));  // vbFormControlMenu, cancelled
  EXPECT_TRUE(f.Loaded());
  EXPECT_TRUE(window->isVisible());
  window->close();
  EXPECT_EQ(Log, (Lines{"QueryUnload(0)", "QueryUnload(0)", "frmEntrada.Unload"}));
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Front.WindowOf(f), nullptr);
}

TEST_F(QtForms, WindowsGoWithTheirForms) {
  QPointer<QWidget> dropped, destroyed;
  {
    frmDialogo local;  // a window object that dies while shown
    local.Show();
    destroyed = Front.WindowOf(local);
    forms::Default<frmEntrada>().Show();
    dropped = Front.WindowOf(forms::Default<frmEntrada>());
    ASSERT_TRUE(destroyed && dropped);
  }
  EXPECT_FALSE(destroyed->isVisible());
  App.Reset();  // drops every window without events
  EXPECT_FALSE(dropped->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(destroyed.isNull());
  EXPECT_TRUE(dropped.isNull());
}

TEST_F(QtForms, ARunTimeErrorNoHandlerCatchesIsShownAndEndsTheProgram) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.cmdAceptar.Click = [] { vb::Raise(13); };
  App.App().SetTitle("KR917");
  f.Show();
  QString text, title;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    title = box->windowTitle();
    box->buttons().front()->click();
  });
  QTest::mouseClick(Widget(f.cmdAceptar), Qt::LeftButton);
  EXPECT_TRUE(text.startsWith(QStringLiteral("Error '13' en tiempo de ejecución:"))) << text.toStdString();
  EXPECT_EQ(title, QStringLiteral("KR917"));
  EXPECT_TRUE(App.Ended());
  EXPECT_EQ(Front.WindowOf(f), nullptr);
}

}  // namespace
}  // namespace qtui::test
