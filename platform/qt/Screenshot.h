//===- Screenshot.h - What windows show, as PNG files -------------------===//
//
// `make screenshots` asks each program for pictures of its own windows in
// their states; a program lists them as shots and hands them to TakeShots:
//
//   std::vector<qtui::Shot> shots = {{"principal", [&] { return ShowMain(); }}};
//   return qtui::TakeShots(shots, out, [&] { application.Reset(); }) == 0 ? 0 : 1;
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

/// Shows each shot in turn, saves it as `folder`/NAME.png, prints the path
/// (or why it failed on standard error), and runs `after` between shots to
/// put the program back; answers the number of shots not saved.
int TakeShots(const std::vector<Shot>& shots, const QString& folder, const std::function<void()>& after);

/// Keeps the offscreen platform's notes about window features it lacks
/// out of standard error; they say nothing about the pictures.
void QuietOffscreenNotes();

}  // namespace qtui
