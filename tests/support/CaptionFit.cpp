#include "tests/support/CaptionFit.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>

#include <utility>

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

// The shown widgets stacked above `widget` in its container, with their
// places in `window`'s pixels.
std::vector<std::pair<const QWidget*, QRect>> Above(const QWidget& window, const QWidget& widget) {
  std::vector<std::pair<const QWidget*, QRect>> above;
  const QWidget* parent = widget.parentWidget();
  if (parent == nullptr) return above;
  bool after = false;
  for (const QObject* child : parent->children()) {
    const auto* sibling = qobject_cast<const QWidget*>(child);
    if (sibling == &widget) after = true;
    if (!after || sibling == nullptr || sibling == &widget || !sibling->isVisibleTo(&window)) continue;
    above.emplace_back(sibling, QRect(sibling->mapTo(&window, QPoint(0, 0)), sibling->size()));
  }
  return above;
}

// Each word of a box of several lines, where its font lays it out, must
// not lie under a control standing on the box.
void MeasureLines(const QWidget& window, const QPlainTextEdit& box, std::vector<CutCaption>& cut) {
  const auto above = Above(window, box);
  if (above.empty()) return;
  const QPoint origin = box.viewport()->mapTo(&window, QPoint(0, 0));
  const QRect shown = box.viewport()->rect().translated(origin);
  for (QTextBlock block = box.document()->firstBlock(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    QTextCursor cursor(block);
    auto placeOf = [&](int at) {
      cursor.setPosition(block.position() + at);
      return box.cursorRect(cursor).translated(origin);
    };
    for (int from = 0; from < text.size();) {
      while (from < text.size() && text[from].isSpace()) ++from;
      int to = from;
      while (to < text.size() && !text[to].isSpace()) ++to;
      if (to == from) break;
      const QRect start = placeOf(from), end = placeOf(to);
      // A word that ends its line has its end on the next line.
      const int width = end.top() == start.top() ? end.left() - start.left()
                                                 : box.fontMetrics().horizontalAdvance(text.mid(from, to - from));
      const QRect word(start.left(), start.top(), width, start.height());
      if (shown.intersects(word)) {
        for (const auto& [widget, place] : above) {
          if (place.intersects(word)) {
            cut.push_back({NameOf(box), text.mid(from, to - from).toStdString(), word.size(),
                           QRegion(word).subtracted(QRegion(place)).boundingRect().size(), NameOf(*widget)});
          }
        }
      }
      from = to;
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
  for (const QPlainTextEdit* box : window.findChildren<QPlainTextEdit*>()) {
    if (box->isVisibleTo(&window)) MeasureLines(window, *box, cut);
  }
  return cut;
}

std::string Describe(const CutCaption& cut) {
  auto size = [](QSize s) { return std::to_string(s.width()) + "x" + std::to_string(s.height()); };
  if (!cut.CoveredBy.empty()) {
    return cut.Control + " \"" + cut.Caption + "\" (" + size(cut.Needed) + " px) lies under " + cut.CoveredBy +
           ", " + size(cut.Room) + " px of it shown";
  }
  return cut.Control + " \"" + cut.Caption + "\" needs " + size(cut.Needed) + " px, has " + size(cut.Room);
}

}  // namespace kr::testing
