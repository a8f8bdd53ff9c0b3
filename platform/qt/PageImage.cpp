#include "platform/qt/PageImage.h"

#include <QPainter>

#include <cmath>

#include "platform/qt/PagePainter.h"

namespace qtui {

QImage PageImage(const print::Page& page, const QPageSize& paper) {
  const QSize twips = PaperTwips(paper, page.Orientation());
  QImage image(int(std::lround(twips.width() / kTwipsPerPixel)),
               int(std::lround(twips.height() / kTwipsPerPixel)), QImage::Format_RGB32);
  const int dotsPerMeter = int(std::lround(1440 / kTwipsPerPixel / 0.0254));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  QPainter painter(&image);
  PaintPage(painter, page, 1 / kTwipsPerPixel, true);
  return image;
}

bool SavePagePng(const print::Page& page, const QString& path, const QPageSize& paper) {
  return PageImage(page, paper).save(path, "PNG");
}

}  // namespace qtui
