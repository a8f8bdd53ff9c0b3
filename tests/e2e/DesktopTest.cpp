// The harness's hands checked on a window of this test's own: what it types
// and clicks arrives in a Qt window as a person's keys and clicks would,
// accents and shifted characters included.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/Road.h"
#include "tests/support/TestSupport.h"
#include "tests/support/WindowManager.h"

namespace kr::e2e {
namespace {

// A QApplication of this process on the private X server.
class QtOnServer {
 public:
  explicit QtOnServer(const std::string& display)
      : Display_("DISPLAY", display.c_str()), Platform_("QT_QPA_PLATFORM", "xcb") {
    App_ = std::make_unique<QApplication>(Argc_, Argv_);
  }

  /// Waits for `condition`, letting this process's windows handle their events meanwhile.
  bool WaitFor(const std::function<bool()>& condition) {
    return WaitUntil([&] {
      QCoreApplication::processEvents();
      return condition();
    });
  }

 private:
  testing::ScopedEnv Display_;
  testing::ScopedEnv Platform_;
  int Argc_ = 1;
  char Name_[16] = "e2e_desktop";
  char* Argv_[2] = {Name_, nullptr};
  std::unique_ptr<QApplication> App_;
};

class DesktopOnScreen : public ::testing::TestWithParam<testing::Manager> {};

TEST_P(DesktopOnScreen, TypesClicksAndPressesAsAKeyboardAndAMouseWould) {
  testing::PrivateScreen server(GetParam());
  if (!server.Ready()) GTEST_SKIP() << server.Why();
  Desktop desktop(server.Display());
  ASSERT_TRUE(desktop.Connected());
  if (!desktop.CanSendInput()) GTEST_SKIP() << "the Xvfb server has no XTEST extension";
  QtOnServer qt(server.Display());

  QWidget window;
  window.setWindowTitle(QStringLiteral("Prueba de teclado"));
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit(&window);
  auto* button = new QPushButton(QStringLiteral("&Probar"), &window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit);
  layout->addWidget(button);
  int pressed = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
  window.resize(300, 80);
  window.show();

  std::optional<ScreenWindow> shown;
  ASSERT_TRUE(qt.WaitFor([&] { return (shown = desktop.Find("Prueba de teclado")).has_value(); }));
  desktop.Click(*shown, {edit->x() + 10, edit->y() + edit->height() / 2});
  ASSERT_TRUE(qt.WaitFor([&] { return desktop.HasFocus(*shown) && edit->hasFocus(); }));

  const QString typed = QStringLiteral("Peña Ñuñoa: ÁÉÍÓÚ áéíóú ü 12,5% (R&D) #1");
  desktop.Type(typed.toStdString());
  EXPECT_TRUE(qt.WaitFor([&] { return edit->text() == typed; })) << edit->text().toStdString();

  desktop.Press("Home");
  desktop.Press("shift+End");
  desktop.Press("BackSpace");
  EXPECT_TRUE(qt.WaitFor([&] { return edit->text().isEmpty(); })) << edit->text().toStdString();

  desktop.Press("alt+p");
  EXPECT_TRUE(qt.WaitFor([&] { return pressed == 1; }));
  desktop.Click(*shown, {button->x() + button->width() / 2, button->y() + button->height() / 2});
  EXPECT_TRUE(qt.WaitFor([&] { return pressed == 2; }));
}

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopOnScreen, testing::kManagers, testing::ManagerName);

}  // namespace
}  // namespace kr::e2e
