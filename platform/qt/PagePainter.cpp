#include "platform/qt/PagePainter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "platform/qt/Fonts.h"

namespace qtui {
namespace {

QColor FromRgb(std::uint32_t rgb) { return QColor::fromRgb(QRgb(0xFF000000u | rgb)); }

// Texts are laid out in twips, not in device pixels: a device rounds a
// font's pixel size (8 points are 11 pixels on screen, not 10.67), which
// would stretch a long line of fixed-pitch text past the columns laid out
// for it. So a text is drawn in a frame of twips, at its size in twips.
void PaintText(QPainter& painter, const print::TextItem& t, double scale) {
  QFont font = PageFont(t.Font);
  font.setPixelSize(std::max(1, int(std::lround(t.Font.Size * 20))));
  painter.save();
  painter.scale(scale, scale);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(painter.font());
  painter.drawText(QPointF(t.X, t.Y + metrics.ascent()),
                   QString::fromUtf8(t.Text.data(), qsizetype(t.Text.size())));
  painter.restore();
}

void PaintLine(QPainter& painter, const print::LineItem& l, double scale) {
  QPen pen(Qt::black);
  pen.setCosmetic(true);
  pen.setWidth(l.Width <= 1 ? 0 : l.Width);
  painter.setPen(pen);
  painter.drawLine(QPointF(l.X1 * scale, l.Y1 * scale), QPointF(l.X2 * scale, l.Y2 * scale));
}

}  // namespace

QSize PaperTwips(const QPageSize& paper, print::Orientation o) {
  // From the size as the paper is defined (A4 in millimetres, Letter in
  // inches): other units are rounded by Qt.
  QSizeF size = paper.size(QPageSize::Point);
  double perUnit = 20;
  if (paper.definitionUnits() == QPageSize::Millimeter) {
    size = paper.definitionSize();
    perUnit = 1440 / 25.4;
  } else if (paper.definitionUnits() == QPageSize::Inch) {
    size = paper.definitionSize();
    perUnit = 1440;
  }
  QSize twips(int(std::lround(size.width() * perUnit)), int(std::lround(size.height() * perUnit)));
  if (o == print::Orientation::Landscape) twips.transpose();
  return twips;
}

void PaintItem(QPainter& painter, const print::Item& item, double scale) {
  if (const auto* t = std::get_if<print::TextItem>(&item)) {
    PaintText(painter, *t, scale);
  } else {
    PaintLine(painter, std::get<print::LineItem>(item), scale);
  }
}

void PaintPage(QPainter& painter, const print::Page& page, double scale, bool fillBackground) {
  painter.save();
  if (fillBackground) painter.fillRect(painter.window(), FromRgb(page.BackColor()));
  for (const print::Item& item : page.Items()) PaintItem(painter, item, scale);
  painter.restore();
}

}  // namespace qtui
