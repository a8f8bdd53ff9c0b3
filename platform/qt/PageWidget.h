//===- PageWidget.h - A widget that shows one page ----------------------===//
//
// A preview page or a picture box holding one: the page's items over its
// background colour, at screen resolution (15 twips per pixel).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <QPageSize>
#include <QWidget>

#include "platform/print/Page.h"

namespace qtui {

/// Shows a copy of one page; the whole widget takes the page's background.
class PageWidget : public QWidget {
 public:
  explicit PageWidget(QWidget* parent = nullptr);

  /// The page shown.
  const print::Page& Page() const { return Page_; }
  /// Shows `page` instead; its orientation may change the size hint.
  void SetPage(print::Page page);

  /// The sheet the page is laid on (Letter unless set).
  const QPageSize& Paper() const { return Paper_; }
  void SetPaper(const QPageSize& paper);

  /// The sheet in the page's orientation, in pixels.
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  print::Page Page_;
  QPageSize Paper_{QPageSize::Letter};
};

}  // namespace qtui
