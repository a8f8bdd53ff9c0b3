//===- FrontEndChoice.h - Qt when there is a display, else the console --===//
//
// The one place where a program's main picks its front end:
//
//   int main(int argc, char** argv) {
//     qtui::ChosenFrontEnd front = qtui::ChooseFrontEnd(argc, argv);
//     forms::Application application(front.Front());
//     ...show the first window...
//     front.Run();
//   }
//
// A display is there when DISPLAY names an X server that answers, when
// WAYLAND_DISPLAY is set, or when QT_QPA_PLATFORM names a Qt platform
// ("offscreen" included, for screenshots and tests). A program that runs
// unattended (LUD917, 0917SND) asks for more: a display a person can see.
// On the "offscreen" or "minimal" platform, or with no display, its message
// boxes would wait for a click nobody can give, so it gets the console front
// end, whose boxes answer their default. Qt's application object
// takes the environment's locale for the C library; the numeric part is put
// back to "C" at once, so no number the programs read or write depends on it.
// Qt's own dialogs get Qt's Spanish translations when they are installed.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>

class QApplication;

namespace forms {
class ConsoleFrontEnd;
class FrontEnd;
}  // namespace forms

namespace qtui {

class QtFrontEnd;

/// Whether Qt can show windows here (see above).
bool DisplayAvailable();

/// Whether a person can see Qt's windows here: a display is there and Qt's
/// platform draws on it (not "offscreen" or "minimal").
bool PersonCanSee();

/// Who the windows are for: any display Qt can draw on (KR917, whose
/// screenshots are drawn offscreen), or a person, for a program that must
/// never wait on a box nobody sees.
enum class Audience { AnyDisplay, Person };

/// Makes the program's QApplication, with LC_NUMERIC back to "C" and Qt's
/// Spanish translations loaded (when the system has them).
std::unique_ptr<QApplication> StartQt(int& argc, char** argv);

/// The front end chosen at start, with what it needs alive.
class ChosenFrontEnd {
 public:
  ChosenFrontEnd(ChosenFrontEnd&&) noexcept;
  ChosenFrontEnd& operator=(ChosenFrontEnd&&) noexcept;
  ~ChosenFrontEnd();

  forms::FrontEnd& Front() const;
  /// The Qt front end (to register custom controls' widgets, say), or
  /// nullptr when the console one was chosen.
  QtFrontEnd* Qt() const { return Qt_.get(); }
  /// Runs the user's events until every window is unloaded or End; with
  /// the console front end there are none, and it returns at once.
  void Run();

 private:
  friend ChosenFrontEnd ChooseFrontEnd(int& argc, char** argv, Audience audience);
  ChosenFrontEnd();

  std::unique_ptr<QApplication> App_;  // made here unless the program had one
  std::unique_ptr<QtFrontEnd> Qt_;
  std::unique_ptr<forms::ConsoleFrontEnd> Console_;
};

/// The Qt front end when DisplayAvailable() (PersonCanSee() for a person),
/// else the console one.
ChosenFrontEnd ChooseFrontEnd(int& argc, char** argv, Audience audience = Audience::AnyDisplay);

}  // namespace qtui
