#include "platform/print/Canvas.h"

namespace print {

void Canvas::EnsurePage() {
  if (PageOpen_) return;
  PageOpen_ = true;
  ++PageCount_;
  BeginPage(Orientation_);
}

void Canvas::DrawText(int x, int y, std::string_view text, const Font& font) {
  EnsurePage();
  Draw(TextItem{x, y, std::string(text), font});
}

void Canvas::DrawLine(int x1, int y1, int x2, int y2, int width) {
  EnsurePage();
  Draw(LineItem{x1, y1, x2, y2, width});
}

void Canvas::DrawRect(int x1, int y1, int x2, int y2) {
  DrawLine(x1, y1, x1, y2);
  DrawLine(x2, y1, x2, y2);
  DrawLine(x1, y1, x2, y1);
  DrawLine(x1, y2, x2, y2);
}

void Canvas::NewPage() { PageOpen_ = false; }

void Canvas::SetOrientation(Orientation o) { Orientation_ = o; }

void Canvas::EndDocument() {
  PageOpen_ = false;
  Finish();
}

void Recorder::BeginPage(Orientation o) {
  Pages_.emplace_back();
  Pages_.back().SetOrientation(o);
}

void Recorder::Draw(const Item& item) {
  Page& page = Pages_.back();
  if (const auto* t = std::get_if<TextItem>(&item)) {
    page.DrawText(t->X, t->Y, t->Text, t->Font);
  } else {
    const auto& l = std::get<LineItem>(item);
    page.DrawLine(l.X1, l.Y1, l.X2, l.Y2, l.Width);
  }
}

}  // namespace print
