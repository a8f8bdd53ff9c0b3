#include "platform/qt/FrontEndChoice.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstdlib>
#include <string_view>

#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/qt/QtFrontEnd.h"

// Last: Xlib defines macros (None, Bool, Status) that other headers trip over.
#include <X11/Xlib.h>

namespace qtui {
namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Qt ends the program when the X server it is told of does not answer, so
// ask first: a stale DISPLAY leaves the program on its console.
bool XServerAnswers() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
}

bool XDisplay() { return Set("DISPLAY") && XServerAnswers(); }

// The programs speak Spanish whatever the user's locale, and so must Qt's
// own dialogs and menus (the print dialog, a file dialog). Without the
// distribution's translations they stay in English.
void SpeakSpanish(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

// The Qt platform asked for: QT_QPA_PLATFORM's first choice, without its options.
std::string_view PlatformAskedFor() {
  const char* value = std::getenv("QT_QPA_PLATFORM");
  std::string_view platform = value == nullptr ? "" : value;
  return platform.substr(0, platform.find_first_of(";:"));
}

}  // namespace

bool DisplayAvailable() {
  if (Set("QT_QPA_PLATFORM") || Set("WAYLAND_DISPLAY")) return true;
  return XDisplay();
}

bool PersonCanSee() {
  const std::string_view platform = PlatformAskedFor();
  if (platform == "offscreen" || platform == "minimal") return false;
  if (platform == "xcb") return XDisplay();
  if (platform.starts_with("wayland")) return Set("WAYLAND_DISPLAY");
  if (platform.empty()) return Set("WAYLAND_DISPLAY") || XDisplay();
  return true;  // a platform of its own (a frame buffer, a remote screen)
}

std::unique_ptr<QApplication> StartQt(int& argc, char** argv) {
  auto app = std::make_unique<QApplication>(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  SpeakSpanish(*app);
  return app;
}

ChosenFrontEnd::ChosenFrontEnd() = default;
ChosenFrontEnd::ChosenFrontEnd(ChosenFrontEnd&&) noexcept = default;
ChosenFrontEnd& ChosenFrontEnd::operator=(ChosenFrontEnd&&) noexcept = default;
ChosenFrontEnd::~ChosenFrontEnd() {
  // The windows go before the application object.
  Qt_.reset();
  App_.reset();
}

forms::FrontEnd& ChosenFrontEnd::Front() const {
  if (Qt_ != nullptr) return *Qt_;
  return *Console_;
}

void ChosenFrontEnd::Run() {
  if (Qt_ != nullptr) Qt_->Run();
}

ChosenFrontEnd ChooseFrontEnd(int& argc, char** argv, Audience audience) {
  ChosenFrontEnd chosen;
  if (audience == Audience::Person ? !PersonCanSee() : !DisplayAvailable()) {
    chosen.Console_ = std::make_unique<forms::ConsoleFrontEnd>();
    return chosen;
  }
  if (QCoreApplication::instance() == nullptr) chosen.App_ = StartQt(argc, argv);
  chosen.Qt_ = std::make_unique<QtFrontEnd>();
  return chosen;
}

}  // namespace qtui
