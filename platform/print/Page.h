//===- Page.h - A page of drawn items in twips --------------------------===//
//
// A page records what the report interpreter draws on it: texts placed by
// their top-left corner and lines, in twips from the page's top-left corner.
// Front ends paint a page on screen, on a printer or into a PDF.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace print {

enum class Orientation { Portrait, Landscape };

/// A font as the system names it ("Courier New", 8 points, not bold).
struct Font {
  std::string Name = "Courier New";
  double Size = 8;
  bool Bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

/// A text whose top-left corner lies at (X, Y).
struct TextItem {
  int X = 0;
  int Y = 0;
  std::string Text;
  print::Font Font;
  friend bool operator==(const TextItem&, const TextItem&) = default;
};

/// A straight line of the given width (in pixels of the device, 1 = hairline).
struct LineItem {
  int X1 = 0;
  int Y1 = 0;
  int X2 = 0;
  int Y2 = 0;
  int Width = 1;
  friend bool operator==(const LineItem&, const LineItem&) = default;
};

using Item = std::variant<TextItem, LineItem>;

/// White, as 0xRRGGBB.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

/// One page: its items in drawing order, its orientation and, for the
/// screen only, its background colour.
class Page {
 public:
  void DrawText(int x, int y, std::string text, const Font& font);
  void DrawLine(int x1, int y1, int x2, int y2, int width = 1);
  /// Four lines joining the corners, whatever their order.
  void DrawRect(int x1, int y1, int x2, int y2);

  const std::vector<Item>& Items() const { return Items_; }
  bool Empty() const { return Items_.empty(); }

  print::Orientation Orientation() const { return Orientation_; }
  void SetOrientation(print::Orientation o) { Orientation_ = o; }
  std::uint32_t BackColor() const { return BackColor_; }
  void SetBackColor(std::uint32_t rgb) { BackColor_ = rgb; }

 private:
  std::vector<Item> Items_;
  print::Orientation Orientation_ = print::Orientation::Portrait;
  std::uint32_t BackColor_ = kWhite;
};

/// Converts a VB colour number (0x00BBGGRR, as "&H00FFFFC0&" is written) to
/// 0xRRGGBB. System colours (0x80000000 and above) give the window
/// background, white.
std::uint32_t FromVbColor(std::uint32_t vbColor);

}  // namespace print
