// The views of each control kind: the widget each gets, and what the user
// does with lists, check and option buttons, tabs, scroll bars, masked and
// multi-line boxes, picture boxes; custom kinds and unknown kinds.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Frame.h"
#include "platform/forms/HScrollBar.h"
#include "platform/forms/Image.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/forms/ListBox.h"
#include "platform/forms/MaskEdBox.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/VScrollBar.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/PageWidget.h"
#include "tests/platform/qt/QtFormsFixture.h"

namespace qtui::test {
namespace {

using namespace forms;
using Lines = std::vector<std::string>;

/// One control of each kind, each logging what reaches it.
class frmTodos : public Form {
 public:
  frmTodos() : Form("frmTodos") {
    Move(0, 0, 9000, 7000);
    lstLista.Move(120, 120, 1800, 900);
    for (const char* item : {"Uno", "Dos", "Tres"}) {
      lstLista.AddItem(item);
      cboLista.AddItem(item);
    }
    cboLista.Move(120, 1200, 1800, 315);
    chkMarca.Move(2100, 120, 1800, 255);
    chkMarca.SetCaption("&Marca");
    fraGrupo.Move(2100, 480, 2400, 1200);
    fraGrupo.SetCaption("Grupo");
    optGrupo.Add(0).SetCaption("Sí");
    optGrupo.Add(1).SetCaption("No");
    for (int i : {0, 1}) {
      optGrupo(i).SetContainer(fraGrupo);
      optGrupo(i).Move(120, 240 + 360 * i, 1500, 255);
    }
    tabPaginas.Move(120, 1800, 4500, 1800);
    tabPaginas.SetTabs(2);
    tabPaginas.SetTabCaption(0, "&Primera");
    tabPaginas.SetTabCaption(1, "&Segunda");
    txtPagina0.SetContainer(tabPaginas, 0);
    txtPagina0.Move(240, 600, 1500, 300);
    txtPagina1.SetContainer(tabPaginas, 1);
    txtPagina1.Move(240, 600, 1500, 300);
    hsbValor.Move(120, 3720, 3000, 255);
    hsbValor.SetRange(0, 10);
    vsbValor.Move(8000, 120, 255, 3000);
    vsbValor.SetRange(0, 10);
    mskFecha.Move(4800, 120, 1500, 300);
    mskFecha.SetMask("##/##/####");
    txtNotas.SetMultiLine(true);
    txtNotas.Move(4800, 480, 3000, 900);
    picHoja.Move(4800, 1500, 3000, 1500);
    linRaya.SetPoints(120, 4200, 4000, 4200);
    lblTexto.Move(4800, 3120, 3000, 255);

    lstLista.Click = [this] { Note("lstLista.Click(" + std::to_string(lstLista.ListIndex()) + ")"); };
    lstLista.DblClick = [] { Note("lstLista.DblClick"); };
    cboLista.Click = [this] { Note("cboLista.Click(" + cboLista.Text() + ")"); };
    chkMarca.Click = [this] { Note("chkMarca.Click(" + std::to_string(chkMarca.Value()) + ")"); };
    optGrupo.On(&OptionButton::Click, [](int Index) { Note("optGrupo(" + std::to_string(Index) + ").Click"); });
    tabPaginas.Click = [](int PreviousTab) { Note("tabPaginas.Click(" + std::to_string(PreviousTab) + ")"); };
    hsbValor.Change = [this] { Note("hsbValor.Change(" + std::to_string(hsbValor.Value()) + ")"); };
    vsbValor.Change = [this] { Note("vsbValor.Change(" + std::to_string(vsbValor.Value()) + ")"); };
  }

  ListBox lstLista{this, "lstLista"};
  ComboBox cboLista{this, "cboLista"};
  CheckBox chkMarca{this, "chkMarca"};
  Frame fraGrupo{this, "fraGrupo"};
  ControlArray<OptionButton> optGrupo{this, "optGrupo"};
  TabControl tabPaginas{this, "tabPaginas"};
  TextBox txtPagina0{this, "txtPagina0"};
  TextBox txtPagina1{this, "txtPagina1"};
  HScrollBar hsbValor{this, "hsbValor"};
  VScrollBar vsbValor{this, "vsbValor"};
  MaskEdBox mskFecha{this, "mskFecha"};
  TextBox txtNotas{this, "txtNotas"};
  PictureBox picHoja{this, "picHoja"};
  Image imgLogo{this, "imgLogo"};
  Line linRaya{this, "linRaya"};
  Label lblTexto{this, "lblTexto"};
  Toolbar tlbBotones{this, "tlbBotones"};
  StatusBar sbrEstado{this, "sbrEstado"};
  ImageList imlDibujos{this, "imlDibujos"};
  CommonDialog dlgAyuda{this, "dlgAyuda"};
  DataControl datDatos{this, "datDatos"};
  DataGrid grdDatos{this, "grdDatos"};
};

TEST_F(QtForms, EachKindHasItsWidget) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  struct Case {
    Control* C;
    const char* Widget;  // nullptr: never shown
  };
  const Case cases[] = {
      {&f.lstLista, "QListWidget"}, {&f.cboLista, "QComboBox"},       {&f.chkMarca, "QCheckBox"},
      {&f.fraGrupo, "QGroupBox"},   {&f.optGrupo(0), "QRadioButton"}, {&f.tabPaginas, nullptr},
      {&f.hsbValor, "QScrollBar"},  {&f.mskFecha, "QLineEdit"},       {&f.txtNotas, "QPlainTextEdit"},
      {&f.imgLogo, "QLabel"},       {&f.lblTexto, "QLabel"},          {&f.tlbBotones, "QToolBar"},
      {&f.sbrEstado, "QStatusBar"}, {&f.grdDatos, "QTableView"},      {&f.imlDibujos, nullptr},
      {&f.dlgAyuda, nullptr},
  };
  for (const Case& c : cases) {
    QWidget* w = Front.WidgetOf(*c.C);
    if (c.Widget == nullptr) {
      if (c.C != &f.tabPaginas) {
        EXPECT_EQ(w, nullptr) << c.C->Name();
      }
      continue;
    }
    ASSERT_NE(w, nullptr) << c.C->Name();
    EXPECT_TRUE(w->inherits(c.Widget)) << c.C->Name() << " is a " << w->metaObject()->className();
  }
  // Controls inside a frame sit in the frame's widget.
  EXPECT_EQ(Front.WidgetOf(f.optGrupo(1))->parentWidget(), Front.WidgetOf(f.fraGrupo));
  EXPECT_EQ(Front.WidgetOf(f.optGrupo(1))->geometry(), QRect(8, 40, 100, 17));
}

TEST_F(QtForms, ListChoicesGoToTheModel) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  auto* list = Widget<QListWidget>(f.lstLista);
  QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(f.lstLista.ListIndex(), 1);
  EXPECT_EQ(list->currentRow(), 1);

  auto* combo = Widget<QComboBox>(f.cboLista);
  emit combo->activated(2);  // the user's pick in the drop-down list
  EXPECT_EQ(f.cboLista.ListIndex(), 2);
  f.cboLista.SetListIndex(0);  // and the code's
  EXPECT_EQ(combo->currentText(), QStringLiteral("Uno"));
  EXPECT_EQ(Log, (Lines{"lstLista.Click(1)", "lstLista.DblClick", "cboLista.Click(Tres)", "cboLista.Click(Uno)"}));
}

TEST_F(QtForms, CheckAndOptionButtonsShowTheModelsValue) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  QTest::mouseClick(Widget(f.chkMarca), Qt::LeftButton);
  EXPECT_EQ(f.chkMarca.Value(), vbChecked);
  EXPECT_EQ(Widget<QCheckBox>(f.chkMarca)->checkState(), Qt::Checked);
  f.chkMarca.SetValue(vbGrayed);
  EXPECT_EQ(Widget<QCheckBox>(f.chkMarca)->checkState(), Qt::PartiallyChecked);

  QTest::mouseClick(Widget(f.optGrupo(1)), Qt::LeftButton);
  QTest::mouseClick(Widget(f.optGrupo(0)), Qt::LeftButton);
  EXPECT_TRUE(Widget<QRadioButton>(f.optGrupo(0))->isChecked());
  EXPECT_FALSE(Widget<QRadioButton>(f.optGrupo(1))->isChecked());
  EXPECT_EQ(Log, (Lines{"chkMarca.Click(1)", "chkMarca.Click(2)", "optGrupo(1).Click", "optGrupo(0).Click"}));
}

TEST_F(QtForms, ATabShowsTheControlsOfItsPage) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  EXPECT_TRUE(Widget(f.txtPagina0)->isVisible());
  EXPECT_FALSE(Widget(f.txtPagina1)->isVisible());
  auto* bar = Front.WidgetOf(f.tabPaginas)->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->count(), 2);
  EXPECT_EQ(bar->tabText(1), QStringLiteral("&Segunda"));
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(f.tabPaginas.Tab(), 1);
  EXPECT_FALSE(Widget(f.txtPagina0)->isVisible());
  EXPECT_TRUE(Widget(f.txtPagina1)->isVisible());
  f.tabPaginas.SetTabEnabled(0, false);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());  // a disabled page stays shut
  EXPECT_EQ(f.tabPaginas.Tab(), 1);
  EXPECT_EQ(bar->currentIndex(), 1);
  EXPECT_EQ(Log, (Lines{"tabPaginas.Click(0)"}));
}

TEST_F(QtForms, ATabsAccessKeyChoosesThroughTheModel) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  QWidget* window = Front.WindowOf(f);
  window->activateWindow();
  QApplication::processEvents();
  auto* bar = Front.WidgetOf(f.tabPaginas)->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);    // "&Segunda"
  if (bar->currentIndex() != 1) bar->setCurrentIndex(1);  // as the shortcut does, where the platform sends none
  EXPECT_EQ(f.tabPaginas.Tab(), 1);
  EXPECT_FALSE(Widget(f.txtPagina0)->isVisible());
  EXPECT_TRUE(Widget(f.txtPagina1)->isVisible());
  EXPECT_EQ(Log, (Lines{"tabPaginas.Click(0)"}));
}

// A label draws its caption as a plain label of Qt draws the caption's
// text, with the access letter underlined: the pixels that differ lie under
// that letter, below the text's baseline, and nowhere else.
TEST_F(QtForms, ALabelUnderlinesItsAccessLetter) {
  struct Case {
    const char* Caption;
    const char* Shown;
    const char* Before;  // what stands before the underlined letter; nullptr: nothing is underlined
    const char* Letter;
  };
  const Case cases[] = {
      {"&Desde :", "Desde :", "", "D"},
      {"Fec&ha de envío", "Fecha de envío", "Fec", "h"},
      {"Ruc && &Nombre", "Ruc & Nombre", "Ruc & ", "N"},
      {"Ruc && Nombre", "Ruc & Nombre", nullptr, ""},
      {"Nombre", "Nombre", nullptr, ""},
  };
  frmTodos& f = Default<frmTodos>();
  f.Show();
  auto* label = Widget<QLabel>(f.lblTexto);
  ASSERT_NE(label, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Caption);
    f.lblTexto.SetCaption(c.Caption);
    EXPECT_EQ(label->text(), QString::fromUtf8(c.Shown));
    QLabel plain(QString::fromUtf8(c.Shown));
    plain.setFont(label->font());
    plain.setPalette(label->palette());
    plain.setWordWrap(label->wordWrap());
    plain.setAlignment(label->alignment());
    plain.resize(label->size());
    const QImage drawn = label->grab().toImage();
    const QImage expected = plain.grab().toImage();
    ASSERT_EQ(drawn.size(), expected.size());
    const QFontMetrics metrics(label->font());
    const int from = metrics.horizontalAdvance(QString::fromUtf8(c.Before != nullptr ? c.Before : ""));
    const int to = from + metrics.horizontalAdvance(QString::fromUtf8(c.Letter));
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        if (drawn.pixel(x, y) == expected.pixel(x, y)) continue;
        ++differing;
        EXPECT_TRUE(c.Before != nullptr && x >= from - 1 && x <= to + 1 && y >= metrics.ascent())
            << "a pixel differs at " << x << "," << y;
      }
    }
    EXPECT_EQ(differing > 0, c.Before != nullptr) << differing << " pixels differ";
  }
}

TEST_F(QtForms, ABoxShowsTheStylesColourOfItsSystemColourOrItsOwnColour) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  const QPalette estilo = QApplication::palette();
  auto fondo = [&] { return Widget(f.txtPagina0)->palette().color(QPalette::Base); };
  EXPECT_EQ(fondo(), estilo.color(QPalette::Base));
  f.txtPagina0.SetBackColor(vbButtonFace);
  EXPECT_EQ(fondo(), estilo.color(QPalette::Button));
  f.txtPagina0.SetBackColor(0x00C0C0C0L);
  EXPECT_EQ(fondo(), QColor(0xC0, 0xC0, 0xC0));
  f.txtPagina0.SetBackColor(0x00FFFF00L);  // blue and green: cyan
  EXPECT_EQ(fondo(), QColor(0x00, 0xFF, 0xFF));
  f.txtPagina0.SetBackColor(vbWindowBackground);
  EXPECT_EQ(fondo(), estilo.color(QPalette::Base));
  f.txtPagina0.SetBackColor(0x80000001L);  // a system colour without a role of its own
  EXPECT_EQ(fondo(), estilo.color(QPalette::Base));
  EXPECT_EQ(SystemRole(vbButtonText), QPalette::ButtonText);
  EXPECT_EQ(SystemRole(vbWindowText), QPalette::Text);
  EXPECT_FALSE(SystemRole(vbWhite).has_value());
}

TEST_F(QtForms, ScrollBarMaskedAndMultiLineBoxesFollowTheModel) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  Widget<QScrollBar>(f.hsbValor)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(f.hsbValor.Value(), 1);
  EXPECT_EQ(Log, (Lines{"hsbValor.Change(1)"}));
  auto* upright = Widget<QScrollBar>(f.vsbValor);
  EXPECT_EQ(upright->orientation(), Qt::Vertical);
  EXPECT_EQ(Widget<QScrollBar>(f.hsbValor)->orientation(), Qt::Horizontal);
  upright->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(f.vsbValor.Value(), 1);
  f.vsbValor.SetValue(7);  // the model leads, the bar follows
  EXPECT_EQ(upright->value(), 7);
  EXPECT_EQ(Log, (Lines{"hsbValor.Change(1)", "vsbValor.Change(1)", "vsbValor.Change(7)"}));

  auto* mask = Widget<QLineEdit>(f.mskFecha);
  EXPECT_EQ(mask->text(), QStringLiteral("__/__/____"));
  QTest::keyClicks(mask, "3x1");  // the mask refuses the letter
  EXPECT_EQ(f.mskFecha.Text(), "31/__/____");
  EXPECT_EQ(mask->text(), QStringLiteral("31/__/____"));

  auto* notes = Widget<QPlainTextEdit>(f.txtNotas);
  QTest::keyClicks(notes, "uno");
  QTest::keyClick(notes, Qt::Key_Return);
  QTest::keyClicks(notes, "dos");
  EXPECT_EQ(f.txtNotas.Text(), "uno\r\ndos");
  EXPECT_EQ(notes->toPlainText(), QStringLiteral("uno\ndos"));
  EXPECT_EQ(notes->textCursor().position(), 7);
}

TEST_F(QtForms, APictureBoxPaintsItsDrawing) {
  frmTodos& f = Default<frmTodos>();
  f.Show();
  // PageWidget has no meta-object of its own: find it by name.
  auto* page = dynamic_cast<PageWidget*>(Widget(f.picHoja)->findChild<QWidget*>(QStringLiteral("drawing")));
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(page->isVisible());
  print::Page drawing;
  drawing.DrawText(150, 150, "Página 1", print::Font{});
  drawing.DrawLine(150, 600, 2500, 600);
  f.picHoja.SetDrawing(drawing);
  EXPECT_TRUE(page->isVisible());
  EXPECT_EQ(page->Page().Items().size(), 2u);
  f.picHoja.Cls();
  EXPECT_FALSE(page->isVisible());
}

/// A control kind of a program's own.
class Semaforo : public Control {
 public:
  using Control::Control;
  std::string_view Kind() const override { return "Semaforo"; }
  const std::string& Color() const { return Color_; }
  void SetColor(std::string color) {
    Color_ = std::move(color);
    Changed(Property::Custom);
  }

 private:
  std::string Color_ = "verde";
};

class SemaforoView : public ControlView {
 public:
  SemaforoView(Semaforo& s, ViewHost& host, QWidget* parent) : ControlView(s, host, new QLabel(parent)), S_(s) {}
  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what == Property::All || what == Property::Custom) static_cast<QLabel*>(Widget())->setText(ToQt(S_.Color()));
  }

 private:
  Semaforo& S_;
};

class frmPropios : public Form {
 public:
  frmPropios() : Form("frmPropios") {
    semLuz.Move(120, 120, 1200, 300);
    otro.Move(120, 600, 1200, 600);
    vacio.Move(120, 1320, 1200, 600);
    lblDentro.SetContainer(otro);
  }
  /// A kind nobody registered.
  class Desconocido : public Control {
   public:
    using Control::Control;
    std::string_view Kind() const override { return "Desconocido"; }
  };
  Semaforo semLuz{this, "semLuz"};
  Desconocido otro{this, "otro"};
  Desconocido vacio{this, "vacio"};
  Label lblDentro{this, "lblDentro"};
};

TEST_F(QtForms, CustomKindsUseTheirRegisteredViewAndUnknownOnesAPanel) {
  Front.Views().Register("Semaforo", [](Control& c, ViewHost& h, QWidget* p) -> std::unique_ptr<ControlView> {
    return std::make_unique<SemaforoView>(static_cast<Semaforo&>(c), h, p);
  });
  frmPropios& f = Default<frmPropios>();
  f.Show();
  auto* luz = Widget<QLabel>(f.semLuz);
  EXPECT_EQ(luz->text(), QStringLiteral("verde"));
  f.semLuz.SetColor("rojo");
  EXPECT_EQ(luz->text(), QStringLiteral("rojo"));

  // An unknown kind holds what is placed in it; its name shows only while it holds nothing.
  QWidget* holding = Front.WidgetOf(f.otro);
  QWidget* empty = Front.WidgetOf(f.vacio);
  ASSERT_NE(holding, nullptr);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(Front.WidgetOf(f.lblDentro)->parentWidget(), holding);
  auto nameOf = [](QWidget* panel) { return panel->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly); };
  EXPECT_FALSE(nameOf(holding)->isVisible());
  EXPECT_TRUE(nameOf(empty)->isVisible());
  EXPECT_EQ(nameOf(empty)->text(), QStringLiteral("vacio"));
}

}  // namespace
}  // namespace qtui::test
