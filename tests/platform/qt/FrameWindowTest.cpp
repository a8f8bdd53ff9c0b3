// The program's MDI frame as a QMainWindow: its menus with access keys, its
// toolbar (texts and pictures by index), its status bar, the title-bar
// boxes it asks for, and its modal windows above it.
#include <QAction>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>

#include "platform/forms/ImageList.h"
#include "platform/forms/MDIForm.h"
#include "platform/forms/Menu.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Toolbar.h"
#include "tests/platform/qt/QtFormsFixture.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WaitLimit.h"

namespace qtui::test {
namespace {

using namespace forms;
using Lines = std::vector<std::string>;

class frmMarco : public MDIForm {
 public:
  frmMarco() : MDIForm("frmMarco") {
    SetCaption("Marco");
    Move(0, 0, 9600, 7200);
    SetMinButton(false);
    SetMaxButton(false);
    mnuArchivo.SetCaption("&Archivo");
    for (Menu* item : {&mnuNuevo, &mnuRaya, &mnuSalir}) item->SetContainer(mnuArchivo);
    mnuNuevo.SetCaption("&Nueva");
    mnuRaya.SetCaption("-");
    mnuSalir.SetCaption("&Salir");
    mnuAyuda.SetCaption("A&yuda");
    mnuNuevo.Click = [] {
      Note("mnuNuevo.Click");
      Default<frmDialogo>().Show(vbModal);
    };
    mnuArchivo.Click = [] { Note("mnuArchivo.Click"); };
    tlbBotones.Move(0, 0, 9600, 630);
    tlbBotones.SetImageList(&imlDibujos);
    tlbBotones.ButtonClick = [](ToolbarButton& Button) { Note("ButtonClick(" + std::to_string(Button.Index()) + ")"); };
    sbrEstado.AddPanel("Listo", 3000);
    sbrEstado.AddPanel("2002", 1500);
    lblDentro.Move(120, 750, 3000, 255);  // just below the toolbar's 630 twips
    lblDentro.SetCaption("Bajo la barra");
  }

  Menu mnuArchivo{this, "mnuArchivo"};
  Menu mnuNuevo{this, "mnuNuevo"};
  Menu mnuRaya{this, "mnuRaya"};
  Menu mnuSalir{this, "mnuSalir"};
  Menu mnuAyuda{this, "mnuAyuda"};
  ImageList imlDibujos{this, "imlDibujos"};
  Toolbar tlbBotones{this, "tlbBotones"};
  StatusBar sbrEstado{this, "sbrEstado"};
  Label lblDentro{this, "lblDentro"};
};

class FrameWindow : public QtForms {
 protected:
  FrameWindow() {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(QString::fromStdString(Folder / "nuevo.png"));
  }
  kr::testing::TempFolder Folder;
};

TEST_F(FrameWindow, IsAMainWindowWithTheModelsMenusToolbarAndStatusBar) {
  frmMarco& f = Default<frmMarco>();
  f.imlDibujos.Add(Folder / "nuevo.png");
  f.tlbBotones.AddButton("Nueva", 1);
  f.tlbBotones.AddButton("", 0, tbrSeparator);
  f.tlbBotones.AddButton("Salir");
  f.Show();
  auto* window = qobject_cast<QMainWindow*>(Front.WindowOf(f));
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);

  QList<QAction*> top = window->menuBar()->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), QStringLiteral("&Archivo"));
  ASSERT_NE(top[0]->menu(), nullptr);
  QList<QAction*> items = top[0]->menu()->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), QStringLiteral("&Nueva"));
  EXPECT_TRUE(items[1]->isSeparator());
  f.mnuSalir.SetEnabled(false);
  EXPECT_FALSE(items[2]->isEnabled());

  auto* toolbar = window->findChild<QToolBar*>();
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(window->toolBarArea(toolbar), Qt::TopToolBarArea);
  QList<QAction*> buttons = toolbar->actions();
  ASSERT_EQ(buttons.size(), 3);
  EXPECT_EQ(buttons[0]->text(), QStringLiteral("Nueva"));
  EXPECT_FALSE(buttons[0]->icon().isNull());
  EXPECT_TRUE(buttons[1]->isSeparator());
  EXPECT_TRUE(buttons[2]->icon().isNull());
  f.tlbBotones.Buttons(3).SetCaption("Terminar");
  EXPECT_EQ(toolbar->actions()[2]->text(), QStringLiteral("Terminar"));

  QStatusBar* status = window->statusBar();
  QList<QLabel*> panels = status->findChildren<QLabel*>();
  ASSERT_EQ(panels.size(), 2);
  EXPECT_EQ(panels[0]->text(), QStringLiteral("Listo"));
  EXPECT_EQ(panels[1]->width(), 100);
  // The controls of the client area count from its top, under the toolbar's rows.
  EXPECT_EQ(Widget(f.lblDentro)->y(), 8);
}

TEST_F(FrameWindow, MenusAndToolbarButtonsReachTheModel) {
  frmMarco& f = Default<frmMarco>();
  f.tlbBotones.AddButton("Uno");
  f.tlbBotones.AddButton("Dos");
  f.Show();
  auto* window = qobject_cast<QMainWindow*>(Front.WindowOf(f));
  window->findChild<QToolBar*>()->actions()[1]->trigger();
  f.tlbBotones.Buttons(1).SetEnabled(false);
  window->findChild<QToolBar*>()->actions()[0]->trigger();  // disabled: nothing

  QWindow* frameHandle = window->windowHandle();
  QWindow* dialogParent = nullptr;
  QTimer::singleShot(0, [&] {
    frmDialogo& d = Default<frmDialogo>();
    QWidget* dialog = Front.WindowOf(d);
    dialogParent = dialog->windowHandle()->transientParent();
    Front.WidgetOf(d.cmdCerrar)->setFocus();
    static_cast<QAbstractButton*>(Front.WidgetOf(d.cmdCerrar))->click();
  });
  Front.ActionOf(f.mnuNuevo)->trigger();
  EXPECT_EQ(dialogParent, frameHandle);  // the modal child stands above its frame
  EXPECT_EQ(Log,
            (Lines{"ButtonClick(2)", "mnuNuevo.Click", "frmDialogo.Load", "cmdCerrar.Click", "frmDialogo.Unload"}));
}

/// A program's fixed frame as a classic window places it: its border off the
/// screen's edge, the toolbar on top, a picture filling the client area and,
/// at its foot, a panel of the program's own that shows texts in labels.
class frmFijo : public MDIForm {
 public:
  frmFijo() : MDIForm("frmFijo") {
    SetCaption("Fijo");
    Move(-60, -60, 9720, 7320);
    mnuArchivo.SetCaption("&Archivo");
    mnuSalir.SetCaption("&Salir");
    mnuSalir.SetContainer(mnuArchivo);
    tlbBotones.Move(0, 0, 9600, 630);
    tlbBotones.SetImageList(&imlDibujos);
    picFondo.Move(0, 630, 9600, 5595);
    picPie.Move(0, 6225, 9600, 375);
    for (Label* panel : {&lblRuc, &lblNombre, &lblAnio}) panel->SetContainer(picPie);
    lblRuc.Move(60, 60, 2400, 255);
    lblRuc.SetCaption("RUC: 10401234565");
    lblNombre.Move(2520, 60, 4200, 255);
    lblNombre.SetCaption("PEREZ LOPEZ JUAN");
    lblAnio.Move(7920, 60, 1500, 255);
    lblAnio.SetCaption("Ejercicio 2002");
  }

  Menu mnuArchivo{this, "mnuArchivo"};
  Menu mnuSalir{this, "mnuSalir"};
  ImageList imlDibujos{this, "imlDibujos"};
  Toolbar tlbBotones{this, "tlbBotones"};
  PictureBox picFondo{this, "picFondo"};
  PictureBox picPie{this, "picPie"};
  Label lblRuc{this, "lblRuc"};
  Label lblNombre{this, "lblNombre"};
  Label lblAnio{this, "lblAnio"};
};

// Whether `done` comes true as Qt lays a shown window out (its bars settle
// in a few rounds of events).
bool LaidOut(const std::function<bool()>& done) {
  return QTest::qWaitFor(done, static_cast<int>(std::chrono::milliseconds(kr::testing::kWaitLimit).count()));
}

// Where `widget` lies in `window`'s pixels.
QRect PlaceIn(const QWidget& window, const QWidget& widget) {
  return {widget.mapTo(&window, QPoint(0, 0)), widget.size()};
}

// Qt's menu bar and toolbar are taller than a classic window's: the client
// area still holds every control the model placed in it, down to its foot,
// and the frame starts on the screen although the model puts it a border
// off the edge.
TEST_F(FrameWindow, TheClientAreaHoldsTheModelsControlsDownToItsFoot) {
  frmFijo& f = Default<frmFijo>();
  f.imlDibujos.Add(Folder / "nuevo.png");
  f.tlbBotones.AddButton("Nueva", 1);
  f.Show();
  auto* window = qobject_cast<QMainWindow*>(Front.WindowOf(f));
  ASSERT_NE(window, nullptr);
  const int room = 7320 / 15 - 27 - 19 - 630 / 15;
  EXPECT_TRUE(LaidOut([&] { return window->centralWidget()->height() == room; }))
      << window->centralWidget()->height() << " px, not " << room;
  const QRect client = PlaceIn(*window, *window->centralWidget());
  EXPECT_EQ(client.width(), 640);
  for (const Control* c : std::initializer_list<const Control*>{&f.picFondo, &f.picPie, &f.lblRuc, &f.lblNombre,
                                                                &f.lblAnio}) {
    SCOPED_TRACE(c->Name());
    const QRect place = PlaceIn(*window, *Widget(*c));
    EXPECT_TRUE(client.contains(place)) << "client " << client.height() << " px tall, control at " << place.top()
                                         << " to " << place.bottom();
  }
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_GE(window->frameGeometry().left(), screen.left());
  EXPECT_GE(window->frameGeometry().top(), screen.top());
}

TEST_F(FrameWindow, TheDockedStatusBarsPanelsLieInsideTheWindow) {
  frmMarco& f = Default<frmMarco>();
  f.imlDibujos.Add(Folder / "nuevo.png");
  f.tlbBotones.AddButton("Nueva", 1);
  f.sbrEstado.Move(0, 6135, 9600, 375);  // at the foot of the client area
  f.Show();
  QWidget* window = Front.WindowOf(f);
  const QWidget* client = qobject_cast<QMainWindow*>(window)->centralWidget();
  // The controls between the bars keep the model's room: its client area
  // (the window less border, caption and menu bar) less the bars' twips.
  const int room = (7200 - 630 - 375) / 15 - 27 - 19;
  EXPECT_TRUE(LaidOut([&] { return client->height() == room; })) << client->height() << " px, not " << room;
  for (const QLabel* panel : qobject_cast<QMainWindow*>(window)->statusBar()->findChildren<QLabel*>()) {
    SCOPED_TRACE(panel->text().toStdString());
    EXPECT_TRUE(window->rect().contains(PlaceIn(*window, *panel)));
  }
}

class frmAncho : public Form {
 public:
  frmAncho() : Form("frmAncho") { Move(0, 0, 12000, 3000); }  // wider than the frame
};

TEST_F(FrameWindow, AWindowWiderThanTheFrameBeginsOnTheScreen) {
  frmMarco& f = Default<frmMarco>();
  f.Show();
  QWidget* frame = Front.WindowOf(f);
  frame->move(0, 0);
  frmAncho& ancho = Default<frmAncho>();
  ancho.Show();
  QWidget* window = Front.WindowOf(ancho);
  EXPECT_GT(window->width(), frame->width());
  EXPECT_GE(window->x(), frame->screen()->availableGeometry().left());
}

/// A window of the frame whose load does what a case asks.
class frmColocado : public Form {
 public:
  frmColocado() : Form("frmColocado") { Move(0, 0, 3600, 1800); }  // its design: only a size
  std::function<void(Form&)> AlCargar;

 protected:
  void Form_Load() override {
    if (AlCargar) AlCargar(*this);
  }
};

// A window stands where its program places it, the screen's corner
// included; one the program does not place is centred on the frame.
TEST_F(FrameWindow, AWindowStandsWhereItsLoadPlacesItAndIsCentredOtherwise) {
  frmMarco& f = Default<frmMarco>();
  f.Show();
  QWidget* frame = Front.WindowOf(f);
  frame->move(200, 100);
  ASSERT_TRUE(LaidOut([&] { return frame->frameGeometry().topLeft() == QPoint(200, 100); }));
  struct Case {
    const char* What;
    std::function<void(Form&)> AlCargar;
    std::optional<QPoint> At;  // none: centred on the frame
  };
  constexpr std::nullopt_t centred = std::nullopt;
  const Case cases[] = {
      {"its design's size only", nullptr, centred},
      {"resized by its load", [](Form& w) { w.SetWidth(3600); }, centred},
      {"at the screen's corner", [](Form& w) { w.Move(0, 0, 3600, 1800); }, QPoint(0, 0)},
      {"at the corner, one side at a time",
       [](Form& w) {
         w.SetLeft(0);
         w.SetTop(0);
       },
       QPoint(0, 0)},
      {"elsewhere", [](Form& w) { w.Move(1500, 900, 3600, 1800); }, QPoint(100, 60)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    frmColocado& w = Default<frmColocado>();
    w.AlCargar = c.AlCargar;
    w.Show();
    QWidget* window = Front.WindowOf(w);
    ASSERT_NE(window, nullptr);
    // Centred, the two centres meet but for the pixel an odd size leaves over.
    auto stands = [&] {
      const QRect place = window->frameGeometry();
      const QPoint off = place.center() - frame->frameGeometry().center();
      return c.At ? place.topLeft() == *c.At : std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
    };
    EXPECT_TRUE(LaidOut(stands)) << "at " << window->frameGeometry().x() << "," << window->frameGeometry().y();
    Unload(w);
    App.Release<frmColocado>();
  }
}

}  // namespace
}  // namespace qtui::test
