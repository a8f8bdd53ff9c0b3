#include "platform/qt/FrontEndChoice.h"

#include <QApplication>

#include <clocale>
#include <cstdlib>

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

}  // namespace

bool DisplayAvailable() {
  if (Set("QT_QPA_PLATFORM") || Set("WAYLAND_DISPLAY")) return true;
  return Set("DISPLAY") && XServerAnswers();
}

std::unique_ptr<QApplication> StartQt(int& argc, char** argv) {
  auto app = std::make_unique<QApplication>(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
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

ChosenFrontEnd ChooseFrontEnd(int& argc, char** argv) {
  ChosenFrontEnd chosen;
  if (!DisplayAvailable()) {
    chosen.Console_ = std::make_unique<forms::ConsoleFrontEnd>();
    return chosen;
  }
  if (QCoreApplication::instance() == nullptr) chosen.App_ = StartQt(argc, argv);
  chosen.Qt_ = std::make_unique<QtFrontEnd>();
  return chosen;
}

}  // namespace qtui
