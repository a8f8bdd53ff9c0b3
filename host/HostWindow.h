//===- HostWindow.h - The window titled "Dexlora" that starts the programs ===//
//
// KR917 starts only while a window of this title is on screen. The window
// lists the returns KR917 has saved and starts KR917, LUD917 and 0917SND
// (with the chosen return and an NC number) with WINDIR pointing at the
// installation's Windows folder; it shows how each program ended, and
// prints each line of its status on standard output too. It stands beside
// KR917's main window, which opens at the screen's top left corner, so that
// both stay in view.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

#include "host/Programs.h"
#include "host/SampleInstallation.h"
#include "host/SavedReturns.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProcess;
class QPushButton;

namespace dexlora {

/// The exact title KR917 looks for.
inline constexpr const char* kHostTitle = "Dexlora";

/// KR917's main window, frame and all, in pixels: it opens at the top left
/// corner of the screen's free area.
inline constexpr QSize kKR917Window{648, 488};

/// Where a window whose frame takes `wanted`, and at least `least`, stands on
/// the screen's free area `room` with KR917's main window in view: at its
/// right, else below it, narrowed or shortened to what is left; on a screen
/// too small for both, at the bottom right corner of `room`. The answer is
/// the frame's place and size.
QRect PlaceBesideKR917(const QRect& room, QSize least, QSize wanted);

class HostWindow : public QWidget {
 public:
  HostWindow(SampleLayout layout, Programs programs, QWidget* parent = nullptr);

  /// Reads the saved returns again.
  void Reload();
  /// Stands on the screen's free area `room` where KR917's main window
  /// leaves it in view (PlaceBesideKR917); the window opens so on the
  /// primary screen.
  void PlaceOn(const QRect& room);

  /// The saved returns listed, in the list's order.
  const std::vector<SavedReturn>& Saved() const { return Saved_; }
  /// The return chosen in the list, nullptr for none.
  const SavedReturn* Chosen() const;
  /// The status line: what was started and how it ended.
  QString Status() const;

  // The window's parts, for tests and screenshots.
  QPushButton* StartKR917() const { return KR917_; }
  QPushButton* StartLUD917() const { return LUD917_; }
  QPushButton* StartSummary() const { return Summary_; }
  QListWidget* ReturnList() const { return List_; }
  QLineEdit* NCNumber() const { return NC_; }

 private:
  /// Starts `path` as `name`; the status line follows it to its end.
  void Start(const QString& name, const std::string& path, const QStringList& arguments);
  void StartSummaryOfChosen();
  void SetStatus(const QString& text);

  SampleLayout Layout_;
  Programs Programs_;
  std::vector<SavedReturn> Saved_;
  QPushButton* KR917_;
  QPushButton* LUD917_;
  QPushButton* Summary_;
  QPushButton* Reload_;
  QListWidget* List_;
  QLineEdit* NC_;
  QLabel* Status_;
};

}  // namespace dexlora
