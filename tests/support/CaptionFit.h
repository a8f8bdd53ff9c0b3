//===- CaptionFit.h - Captions measured against the boxes that show them -===//
//
// A window of the Qt front end as a user sees it: each visible label's
// caption measured with its font's metrics, wrapped at the label's width as
// the label wraps it, each grid header's captions wrapped in their
// sections, and each tab's caption in its tab (a tab out of the bar's view
// has no room), against the room the widget leaves for the text; and each
// word of a box of several lines against the controls standing on the box.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QSize>

#include <string>
#include <vector>

class QWidget;

namespace kr::testing {

/// A caption that does not fit: the control that shows it (for a header,
/// the grid and the column), the caption, the size its text needs and the
/// room for it, in pixels. A word of a box of several lines that another
/// control covers names that control, with the part of the word left shown.
struct CutCaption {
  std::string Control;
  std::string Caption;
  QSize Needed;
  QSize Room;
  std::string CoveredBy = {};
};

/// The visible labels, grid header sections and tabs inside `window` whose
/// caption is wider or taller than its room.
std::vector<CutCaption> CutCaptions(const QWidget& window);

/// One line telling `cut`: control, caption, needed and given sizes.
std::string Describe(const CutCaption& cut);

}  // namespace kr::testing
