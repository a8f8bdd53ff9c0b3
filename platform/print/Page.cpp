#include "platform/print/Page.h"

namespace print {

void Page::DrawText(int x, int y, std::string text, const Font& font) {
  Items_.push_back(TextItem{x, y, std::move(text), font});
}

void Page::DrawLine(int x1, int y1, int x2, int y2, int width) {
  Items_.push_back(LineItem{x1, y1, x2, y2, width});
}

void Page::DrawRect(int x1, int y1, int x2, int y2) {
  DrawLine(x1, y1, x1, y2);
  DrawLine(x2, y1, x2, y2);
  DrawLine(x1, y1, x2, y1);
  DrawLine(x1, y2, x2, y2);
}

std::uint32_t FromVbColor(std::uint32_t vbColor) {
  if (vbColor & 0x80000000u) return kWhite;
  std::uint32_t r = vbColor & 0xFF;
  std::uint32_t g = (vbColor >> 8) & 0xFF;
  std::uint32_t b = (vbColor >> 16) & 0xFF;
  return (r << 16) | (g << 8) | b;
}

}  // namespace print
