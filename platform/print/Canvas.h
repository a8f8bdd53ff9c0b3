//===- Canvas.h - A drawing stream of pages: printer, PDF, recorder -----===//
//
// The print interpreter draws a report as a stream: items, page breaks,
// orientation changes. A page break is taken lazily, so a break followed by
// the end of the document adds no blank sheet.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/print/Page.h"

namespace print {

/// A stream of pages. Back ends: Recorder (below) and the Qt printer/PDF.
class Canvas {
 public:
  virtual ~Canvas() = default;

  void DrawText(int x, int y, std::string_view text, const Font& font);
  void DrawLine(int x1, int y1, int x2, int y2, int width = 1);
  /// Four lines joining the corners, whatever their order.
  void DrawRect(int x1, int y1, int x2, int y2);
  /// Ends the current page; the next one starts with the next item drawn.
  void NewPage();
  /// The orientation of the page being drawn and of those after it.
  void SetOrientation(Orientation o);
  /// Ends the document: flushes the last page.
  void EndDocument();

  /// The pages begun so far (1 once anything is drawn).
  int PageCount() const { return PageCount_; }

 protected:
  /// Called when a page starts, before its first item.
  virtual void BeginPage(Orientation o) = 0;
  virtual void Draw(const Item& item) = 0;
  /// Called once at the end; the default does nothing.
  virtual void Finish() {}

 private:
  void EnsurePage();

  bool PageOpen_ = false;
  int PageCount_ = 0;
  Orientation Orientation_ = Orientation::Portrait;
};

/// A canvas that keeps its pages: for tests and for painting afterwards.
class Recorder : public Canvas {
 public:
  const std::vector<Page>& Pages() const { return Pages_; }
  /// Whether the document has been ended (EndDocument).
  bool Ended() const { return Ended_; }

 protected:
  void BeginPage(Orientation o) override;
  void Draw(const Item& item) override;
  void Finish() override { Ended_ = true; }

 private:
  std::vector<Page> Pages_;
  bool Ended_ = false;
};

}  // namespace print
