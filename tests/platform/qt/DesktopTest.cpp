// What the front end shares with the desktop: the mouse pointer, the
// clipboard both ways, the stock font's measure, help topics, screenshots.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "platform/forms/CommonDialog.h"
#include "platform/forms/Constants.h"
#include "platform/qt/Screenshot.h"
#include "tests/platform/qt/QtFormsFixture.h"
#include "tests/support/TestSupport.h"

namespace qtui::test {
namespace {

using namespace forms;

TEST_F(QtForms, TheHourglassIsTheDesktopsPointer) {
  Screen().SetMousePointer(vbHourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen().SetMousePointer(vbArrow);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
  Screen().SetMousePointer(vbDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(QtForms, TheClipboardIsTheDesktopsBothWays) {
  Clipboard().SetText("10076543211");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("10076543211"));
  QGuiApplication::clipboard()->setText(QStringLiteral("copiado en otro programa"));
  EXPECT_EQ(Clipboard().GetText(), "copiado en otro programa");

  // A paste takes it, and a program that empties the clipboard empties the desktop's.
  frmEntrada& f = Default<frmEntrada>();
  f.Show();
  QTest::keyClick(Widget(f.txtCodigo), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f.txtCodigo.Text(), "copiado en otro programa");
  Clipboard().Clear();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(QtForms, ABoxThatRefusesPastingTakesNothingFromTheKeysOrItsMenu) {
  frmEntrada& f = Default<frmEntrada>();
  f.txtCodigo.SetRefusesPaste(true);
  f.Show();
  QGuiApplication::clipboard()->setText(QStringLiteral("999"));
  auto* edit = Widget<QLineEdit>(f.txtCodigo);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(f.txtCodigo.Text(), "");
  EXPECT_TRUE(edit->text().isEmpty());

  // The context menu offers Paste only where the box takes it; chosen, it pastes.
  struct Case {
    forms::TextBox* Box;
    bool Offered;
    const char* Result;
  };
  for (const Case& c : {Case{&f.txtCodigo, false, ""}, Case{&f.txtNombre, true, "999"}}) {
    SCOPED_TRACE(c.Box->Name());
    bool shown = false, offered = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr || menu->actions().isEmpty()) return;
      shown = true;
      QAction* paste = menu->actions().front();
      offered = paste->isEnabled();
      if (offered) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
      } else {
        menu->close();
      }
    });
    QTest::mousePress(Widget(*c.Box), Qt::RightButton);
    EXPECT_TRUE(shown);
    EXPECT_EQ(offered, c.Offered);
    EXPECT_EQ(c.Box->Text(), c.Result);
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("999"));
}

TEST_F(QtForms, TheMiddleButtonLeavesAnEditorAsTheModelHasIt) {
  // On X11 a middle click pastes the selection into an editor behind the
  // model's back; the editor must not see it. Where there is no selection,
  // the caret it would move shows whether it did.
  frmEntrada& f = Default<frmEntrada>();
  f.Show();
  f.txtCodigo.SetText("12345");
  auto* edit = Widget<QLineEdit>(f.txtCodigo);
  ASSERT_EQ(edit->cursorPosition(), 0);
  QTest::mouseClick(edit, Qt::MiddleButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
  EXPECT_EQ(edit->cursorPosition(), 0);
  EXPECT_EQ(f.txtCodigo.SelStart(), 0);
  EXPECT_EQ(edit->text(), QStringLiteral("12345"));
}

TEST_F(QtForms, TheStockFontIsMeasuredAsDrawn) {
  // A proportional font: the fixed metric without a display would make these equal.
  EXPECT_GT(StockFontTextWidth("WWWW"), StockFontTextWidth("iiii"));
  EXPECT_EQ(StockFontTextWidth(""), 0);
}

class frmAyuda : public Form {
 public:
  frmAyuda() : Form("frmAyuda") { SetCaption("Ayuda"); }
  CommonDialog dlgAyuda{this, "dlgAyuda"};
};

TEST_F(QtForms, HelpShowsTheTopicOrWhyThereIsNone) {
  kr::testing::TempFolder folder;
  folder.Write("KR917.hlp", "[257] Contenido\nLas declaraciones.\n[1041] Ventana principal\nElija en los menús.\n");
  frmAyuda& f = Default<frmAyuda>();
  f.Show();
  f.dlgAyuda.SetHelpFile(folder / "KR917.hlp");
  f.dlgAyuda.SetHelpCommand(cdlHelpContext);
  f.dlgAyuda.SetHelpContext(1041);
  f.dlgAyuda.ShowHelp();
  ASSERT_NE(Front.Help(), nullptr);
  EXPECT_TRUE(Front.Help()->isVisible());
  EXPECT_EQ(Front.Help()->windowTitle(), QStringLiteral("Ventana principal"));
  EXPECT_EQ(Front.Help()->Text(), QStringLiteral("Elija en los menús."));
  f.dlgAyuda.SetHelpCommand(cdlHelpContents);
  f.dlgAyuda.ShowHelp();
  EXPECT_EQ(Front.Help()->Text(), QStringLiteral("Las declaraciones."));
  f.dlgAyuda.SetHelpFile(folder / "no-existe.hlp");
  f.dlgAyuda.ShowHelp();
  EXPECT_TRUE(Front.Help()->Text().startsWith(QStringLiteral("No se encuentra el archivo de ayuda")));
}

// Counts the presses of the mouse that reach a window's widgets.
class PressesOf : public QObject {
 public:
  explicit PressesOf(QWidget* window) : Window_(window) { qApp->installEventFilter(this); }
  ~PressesOf() override { qApp->removeEventFilter(this); }
  int Count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseButtonPress && widget != nullptr && widget->window() == Window_) ++Count;
    return false;
  }

 private:
  QWidget* Window_;
};

TEST_F(QtForms, HelpAskedForInAModalWindowCanBeUsedBesideIt) {
  kr::testing::TempFolder folder;
  folder.Write("KR917.hlp", "[257] Contenido\nLas declaraciones.\n");
  frmEntrada& f = Default<frmEntrada>();
  f.Show();
  int presses = -1;
  QTimer::singleShot(0, [&] {
    frmDialogo& d = Default<frmDialogo>();
    Front.ShowHelp(HelpRequest{folder / "KR917.hlp", cdlHelpContents, "", 0});
    HelpWindow* help = Front.Help();
    if (help != nullptr) {
      PressesOf reached(help);
      QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, QPoint(60, 40));
      presses = reached.Count;
    }
    QTest::mouseClick(Front.WidgetOf(d.cmdCerrar), Qt::LeftButton);
  });
  QTest::mouseClick(Widget(f.cmdDialogo), Qt::LeftButton);
  EXPECT_GT(presses, 0) << "the dialog's modality kept the click from the help window";
  ASSERT_NE(Front.Help(), nullptr);
  EXPECT_TRUE(Front.Help()->isVisible());
}

TEST_F(QtForms, AWindowIsSavedAsAPng) {
  kr::testing::TempFolder folder;
  frmEntrada& f = Default<frmEntrada>();
  f.Show();
  f.txtNombre.SetText("Juan");
  QString path = QString::fromStdString(folder / "ventanas/frmEntrada.png");
  ASSERT_TRUE(SaveWidgetPng(*Front.WindowOf(f), path));
  QImage shot(path);
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.size(), Front.WindowOf(f)->size());
  EXPECT_EQ(shot.size(), QSize(392, 213));  // 6000 x 3600 twips less the classic frame
}

}  // namespace
}  // namespace qtui::test
