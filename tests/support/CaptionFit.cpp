#include "tests/support/CaptionFit.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTabBar>

namespace kr::testing {
namespace {

// The name a user of the test knows the widget by: its control's name.
std::string NameOf(const QWidget& widget) {
  const QString name = widget.objectName();
  return name.isEmpty() ? std::string(widget.metaObject()->className()) : name.toStdString();
}

void MeasureLabel(const QLabel& label, std::vector<CutCaption>& cut) {
  const QString text = label.text();
  if (text.trimmed().isEmpty() || label.textFormat() == Qt::RichText) return;
  // The room QLabel paints its text in: inside its frame, margin and indent.
  QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
  int indent = label.indent();
  if (indent < 0) indent = label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
  room.adjust(label.alignment() & Qt::AlignLeft ? indent : 0, 0, label.alignment() & Qt::AlignRight ? -indent : 0, 0);
  int flags = int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
  // A label with a buddy shows its "&" as the underline of the next letter.
  if (label.buddy() != nullptr) flags |= Qt::TextShowMnemonic;
  const QRect needed = label.fontMetrics().boundingRect(room, flags, text);
  if (needed.width() > room.width() || needed.height() > room.height()) {
    cut.push_back({NameOf(label), text.toStdString(), needed.size(), room.size()});
  }
}

void MeasureHeader(const QHeaderView& header, std::vector<CutCaption>& cut) {
  const QAbstractItemModel* model = header.model();
  if (model == nullptr || header.orientation() != Qt::Horizontal) return;
  const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
  const QWidget* grid = header.parentWidget();
  for (int section = 0; section < header.count(); ++section) {
    if (header.isSectionHidden(section) || header.sectionSize(section) == 0) continue;
    const QString text = model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    if (text.trimmed().isEmpty()) continue;
    // The style draws the caption inside the section less its margins.
    const QRect room(0, 0, header.sectionSize(section) - 2 * margin, header.height() - 2 * margin);
    const QRect needed = header.fontMetrics().boundingRect(room, int(header.defaultAlignment()), text);
    if (needed.width() > room.width() || needed.height() > room.height()) {
      cut.push_back({(grid != nullptr ? NameOf(*grid) : NameOf(header)) + " column " + std::to_string(section),
                     text.toStdString(), needed.size(), room.size()});
    }
  }
}

// Each tab of a strip must be in view, inside the bar (not behind its
// scroll arrows), with its caption's lines inside the tab, less the style's
// padding at its sides.
void MeasureTabs(const QTabBar& bar, std::vector<CutCaption>& cut) {
  const int hspace = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
  const QWidget* strip = bar.parentWidget();
  for (int tab = 0; tab < bar.count(); ++tab) {
    if (!bar.isTabVisible(tab)) continue;
    const QString text = bar.tabText(tab);
    const QRect place = bar.tabRect(tab);
    const QSize needed = bar.fontMetrics().size(Qt::TextShowMnemonic, text);
    QSize room = place.size() - QSize(hspace, 0);
    // What lies outside the bar is out of view: no room at all.
    if (!bar.rect().contains(place)) room = QSize(0, 0);
    if (needed.width() > room.width() || needed.height() > room.height()) {
      cut.push_back({(strip != nullptr ? NameOf(*strip) : NameOf(bar)) + " tab " + std::to_string(tab),
                     text.toStdString(), needed, room});
    }
  }
}

}  // namespace

std::vector<CutCaption> CutCaptions(const QWidget& window) {
  std::vector<CutCaption> cut;
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->isVisibleTo(&window)) MeasureLabel(*label, cut);
  }
  for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
    if (header->isVisibleTo(&window)) MeasureHeader(*header, cut);
  }
  for (const QTabBar* bar : window.findChildren<QTabBar*>()) {
    if (bar->isVisibleTo(&window)) MeasureTabs(*bar, cut);
  }
  return cut;
}

std::string Describe(const CutCaption& cut) {
  auto size = [](QSize s) { return std::to_string(s.width()) + "x" + std::to_string(s.height()); };
  return cut.Control + " \"" + cut.Caption + "\" needs " + size(cut.Needed) + " px, has " + size(cut.Room);
}

}  // namespace kr::testing
