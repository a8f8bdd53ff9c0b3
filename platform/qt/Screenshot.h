//===- Screenshot.h - What windows show, as PNG files -------------------===//
//
// `make screenshots` asks each program for pictures of its own windows in
// their states; a program lists them as shots and hands them to VisitShots,
// with the visit that saves them (or, in a test, one that looks at them):
//
//   std::vector<qtui::Shot> shots = {{"principal", [&] { return ShowMain(); }}};
//   return qtui::VisitShots(shots, qtui::SavePngIn(out), [&] { application.Reset(); }) == 0 ? 0 : 1;
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace qtui {

/// Writes what `widget` shows (laid out and painted now, shown or not) to
/// the PNG file `path`, making its folder; false when it could not.
bool SaveWidgetPng(QWidget& widget, const QString& path);

/// One picture: the file's name (without ".png") and how to show the window
/// whose top-level widget is saved; a shot may throw the program's errors.
struct Shot {
  std::string Name;
  std::function<QWidget*()> Show;
};

/// What is done with a shot's window once it is shown, laid out and
/// painted; false when that failed.
using ShotVisitor = std::function<bool(const Shot& shot, QWidget& window)>;

/// Shows each shot in turn and hands its window to `visit`, telling on
/// standard error why a shot could not be shown, and runs `after` between
/// shots to put the program back; answers the number of shots not shown or
/// whose visit failed.
int VisitShots(const std::vector<Shot>& shots, const ShotVisitor& visit, const std::function<void()>& after);

/// The visit that saves a shot's window as `folder`/NAME.png and prints the
/// path (or why it failed on standard error).
ShotVisitor SavePngIn(const QString& folder);

/// Keeps the offscreen platform's notes about window features it lacks
/// out of standard error; they say nothing about the pictures.
void QuietOffscreenNotes();

}  // namespace qtui
