#include "platform/qt/PageWidget.h"

#include <QPainter>

#include <cmath>

#include "platform/qt/PagePainter.h"

namespace qtui {

PageWidget::PageWidget(QWidget* parent) : QWidget(parent) {
  // The page paints every pixel itself.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageWidget::SetPage(print::Page page) {
  Page_ = std::move(page);
  updateGeometry();
  update();
}

void PageWidget::SetPaper(const QPageSize& paper) {
  Paper_ = paper;
  updateGeometry();
  update();
}

QSize PageWidget::sizeHint() const {
  const QSize twips = PaperTwips(Paper_, Page_.Orientation());
  return QSize(int(std::lround(twips.width() / kTwipsPerPixel)),
               int(std::lround(twips.height() / kTwipsPerPixel)));
}

void PageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPage(painter, Page_, 1 / kTwipsPerPixel, true);
}

}  // namespace qtui
