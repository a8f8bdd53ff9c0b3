// Every window KR917 shows, in the states its pictures show it: no label's
// caption and no grid header's caption is cut off by its box, and no
// control of the window is cut off by the window's edge.
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include "kr917/Capturas.h"
#include "tests/support/BaseInstalada.h"
#include "tests/support/CaptionFit.h"
#include "tests/support/SampleFixture.h"
#include "tests/support/TestSupport.h"

namespace kr917 {
namespace {

// Shows each window in each state its pictures show, over a copy of the
// installed sample, to `mira`; every window must show.
void RecorreMuestra(const std::function<void(const qtui::Shot&, QWidget&)>& mira) {
  ASSERT_FALSE(kr::testing::BaseInstalada().empty()) << "LUD917 did not install the form's tables";
  kr::testing::SampleInstallation instalacion;
  kr::testing::CopiaBaseInstalada(instalacion.Layout().Database);
  kr::testing::TempFolder bloqueo;
  int vistas = 0;
  const int fallidas = RecorreVentanas(bloqueo.Path(), [&](const qtui::Shot& captura, QWidget& ventana) {
    ++vistas;
    mira(captura, ventana);
    return true;
  });
  EXPECT_EQ(fallidas, 0) << "windows not shown";
  EXPECT_GT(vistas, 0);
}

TEST(KR917Windows, EveryCaptionFitsItsBox) {
  RecorreMuestra([](const qtui::Shot& captura, QWidget& ventana) {
    for (const kr::testing::CutCaption& cortada : kr::testing::CutCaptions(ventana)) {
      ADD_FAILURE() << captura.Name << " (" << ventana.windowTitle().toStdString()
                    << "): " << kr::testing::Describe(cortada);
    }
  });
}

// The window's own controls (not those inside a frame or a tab, which their
// container clips as it means to) lie whole inside its client area.
TEST(KR917Windows, EveryControlLiesInsideItsWindow) {
  RecorreMuestra([](const qtui::Shot& captura, QWidget& ventana) {
    const QWidget* cliente = ventana.findChild<QWidget*>(QStringLiteral("content"));
    if (cliente == nullptr) {
      ADD_FAILURE() << captura.Name << ": no client area";
      return;
    }
    for (const QObject* hijo : cliente->children()) {
      const auto* control = qobject_cast<const QWidget*>(hijo);
      if (control == nullptr || control->isWindow() || !control->isVisible()) continue;
      if (!cliente->rect().contains(control->geometry())) {
        const QRect g = control->geometry();
        ADD_FAILURE() << captura.Name << " (" << ventana.windowTitle().toStdString()
                      << "): " << control->objectName().toStdString() << " at " << g.x() << "," << g.y() << " "
                      << g.width() << "x" << g.height() << " in a client area of " << cliente->width() << "x"
                      << cliente->height();
      }
    }
  });
}

}  // namespace
}  // namespace kr917
