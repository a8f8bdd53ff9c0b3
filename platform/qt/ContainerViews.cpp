// The views of the containers: frames, picture boxes and tab controls. The
// controls they hold are placed in twips from the container's top-left
// corner, as in the model; those on the other pages of a tab control are
// hidden (their window shows them again when the page changes).
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>

#include <algorithm>

#include "platform/forms/Frame.h"
#include "platform/forms/Input.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TabControl.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"
#include "platform/qt/PageWidget.h"

namespace qtui {
namespace {

using forms::Property;

class FrameView : public ControlView {
 public:
  FrameView(forms::Frame& frame, ViewHost& host, QWidget* parent)
      : ControlView(frame, host, new QGroupBox(parent)), Frame_(frame), Group_(static_cast<QGroupBox*>(Widget())) {}

  QWidget* ChildArea() const override { return Group_; }

  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what == Property::All || what == Property::Caption) Group_->setTitle(AccessCaption(Frame_.Caption()));
  }

  bool OnMouse(QObject*, QMouseEvent& event) override { return ReportClicks(Host(), Frame_, event); }

 private:
  forms::Frame& Frame_;
  QGroupBox* Group_;
};

/// A framed box whose picture and drawing fill its inside.
class PictureFrame : public QFrame {
 public:
  explicit PictureFrame(QWidget* parent) : QFrame(parent), Picture(new QLabel(this)), Page(new PageWidget(this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Picture->setObjectName(QStringLiteral("picture"));
    Picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Page->setObjectName(QStringLiteral("drawing"));
    Page->hide();
  }
  QLabel* Picture;
  PageWidget* Page;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QFrame::resizeEvent(event);
    Picture->setGeometry(contentsRect());
    Page->setGeometry(contentsRect());
  }
};

class PictureBoxView : public ControlView {
 public:
  PictureBoxView(forms::PictureBox& box, ViewHost& host, QWidget* parent)
      : ControlView(box, host, new PictureFrame(parent)), Box_(box), Frame_(static_cast<PictureFrame*>(Widget())) {
    Frame_->setAutoFillBackground(true);
  }

  QWidget* ChildArea() const override { return Frame_; }
  std::vector<QWidget*> Parts() const override { return {Frame_, Frame_->Picture, Frame_->Page}; }

  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what != Property::All && what != Property::Picture) return;
    Frame_->Picture->setPixmap(Host().Picture(Box_.Picture()));
    Frame_->Page->SetPage(Box_.Drawing());
    Frame_->Page->setVisible(!Box_.Drawing().Empty());
    // What the box holds stays above its picture and drawing.
    Frame_->Page->lower();
    Frame_->Picture->lower();
  }

  bool OnMouse(QObject*, QMouseEvent& event) override { return ReportClicks(Host(), Box_, event); }

 private:
  forms::PictureBox& Box_;
  PictureFrame* Frame_;
};

/// The tabs of a classic tab control: all in one row, sharing the bar's
/// width, each caption wrapped at its blanks inside its tab. Every tab is in
/// view, so none hides behind scroll arrows.
class SharedTabBar : public QTabBar {
  static constexpr int kWrappedMargins = 4;  // pixels above and below a wrapped caption's lines

 public:
  explicit SharedTabBar(QWidget* parent) : QTabBar(parent) {
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(false);
    setExpanding(false);
  }

  /// The captions shown, as the model has them (with their access keys).
  void SetCaptions(const QStringList& captions) {
    Captions_ = captions;
    Wrap();
  }

  /// Shares `width` among the tabs and wraps their captions in it, in the bar's font.
  void Share(int width) {
    Width_ = width;
    Wrap();
  }

 protected:
  QSize tabSizeHint(int index) const override {
    QSize size = QTabBar::tabSizeHint(index);
    if (count() > 0 && Width_ > 0) size.setWidth(ShareOf(index));
    // Qt counts one line of text; a wrapped caption needs its lines, with
    // the thin margins of a classic tab so the pages keep their room below.
    const int lines = fontMetrics().size(Qt::TextShowMnemonic, tabText(index)).height();
    size.setHeight(std::max(size.height(), lines + kWrappedMargins));
    return size;
  }
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

 private:
  int ShareOf(int index) const { return Width_ / count() + (index < Width_ % count() ? 1 : 0); }

  void Wrap() {
    QStyleOptionTab option;
    if (count() > 0) initStyleOption(&option, 0);
    const int padding = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    for (int i = 0; i < count() && i < Captions_.size(); ++i) {
      const QString shown = Width_ > 0 ? Wrapped(Captions_[i], ShareOf(i) - padding) : Captions_[i];
      if (tabText(i) != shown) setTabText(i, shown);
    }
  }

  // `caption` broken at its blanks into lines no wider than `room` (a word
  // wider than the room keeps a line of its own). The blanks inside a line
  // stay as typed; those at a break go.
  QString Wrapped(const QString& caption, int room) const {
    const QFontMetrics metrics = fontMetrics();
    auto widthOf = [&](const QString& line) { return metrics.size(Qt::TextShowMnemonic, line).width(); };
    if (room <= 0 || widthOf(caption) <= room) return caption;
    QStringList lines;
    QString line;
    int at = 0;
    while (at < caption.size()) {
      int blanks = at;
      while (blanks < caption.size() && caption[blanks] == QLatin1Char(' ')) ++blanks;
      int end = blanks;
      while (end < caption.size() && caption[end] != QLatin1Char(' ')) ++end;
      const QString word = caption.mid(blanks, end - blanks);
      const QString longer = line + caption.mid(at, blanks - at) + word;
      if (!line.trimmed().isEmpty() && widthOf(longer.trimmed()) > room) {
        lines << line.trimmed();
        line = word;
      } else {
        line = longer;
      }
      at = end;
    }
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
    return lines.join(QLatin1Char('\n'));
  }

  QStringList Captions_;
  int Width_ = 0;
};

/// A strip of tabs over a panel; the controls of the pages sit on it directly.
class TabStrip : public QWidget {
 public:
  explicit TabStrip(QWidget* parent) : QWidget(parent), Bar(new SharedTabBar(this)), Panel(new QFrame(this)) {
    Bar->setFocusPolicy(Qt::NoFocus);
    Bar->setDrawBase(false);
    Panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Panel->lower();
  }
  SharedTabBar* Bar;
  QFrame* Panel;

  /// Lays the bar and the panel out in the strip's width.
  void Arrange() {
    Bar->Share(width());
    int barHeight = Bar->sizeHint().height();
    Bar->setGeometry(0, 0, width(), barHeight);
    Panel->setGeometry(0, barHeight - 1, width(), height() - barHeight + 1);
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    Arrange();
  }
};

class TabControlView : public ControlView {
 public:
  TabControlView(forms::TabControl& tabs, ViewHost& host, QWidget* parent)
      : ControlView(tabs, host, new TabStrip(parent)), Tabs_(tabs), Strip_(static_cast<TabStrip*>(Widget())) {
    // A tab's access key (or the wheel) moves the bar by itself: the model
    // chooses, and the bar shows what it chose.
    QObject::connect(Strip_->Bar, &QTabBar::currentChanged, Guard(), [this](int tab) {
      if (tab >= 0) Host().Act([&] { return forms::Input::SelectTab(Tabs_, tab); });
      Sync(Property::Tab);
    });
  }

  QWidget* ChildArea() const override { return Strip_; }
  std::vector<QWidget*> Parts() const override { return {Strip_, Strip_->Bar, Strip_->Panel}; }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    QSignalBlocker block(Strip_->Bar);
    if (all || what == Property::Tabs) {
      QTabBar* bar = Strip_->Bar;
      while (bar->count() > Tabs_.Tabs()) bar->removeTab(bar->count() - 1);
      while (bar->count() < Tabs_.Tabs()) bar->addTab(QString());
      QStringList captions;
      for (int i = 0; i < Tabs_.Tabs(); ++i) {
        captions << AccessCaption(Tabs_.TabCaption(i));
        bar->setTabEnabled(i, Tabs_.TabEnabled(i));
      }
      Strip_->Bar->SetCaptions(captions);
    }
    if (all || what == Property::Tabs || what == Property::Font) Strip_->Arrange();
    if (all || what == Property::Tabs || what == Property::Tab) Strip_->Bar->setCurrentIndex(Tabs_.Tab());
  }

  bool OnMouse(QObject* part, QMouseEvent& event) override {
    if (part != Strip_->Bar || event.button() != Qt::LeftButton) return false;
    if (event.type() == QEvent::MouseButtonPress) {
      int tab = Strip_->Bar->tabAt(event.position().toPoint());
      if (tab >= 0) Host().Act([&] { return forms::Input::SelectTab(Tabs_, tab); });
      Sync(Property::Tab);
    }
    return true;
  }

 private:
  forms::TabControl& Tabs_;
  TabStrip* Strip_;
};

}  // namespace

void RegisterContainerViews(ViewRegistry& registry) {
  RegisterKind<forms::Frame, FrameView>(registry, "Frame");
  RegisterKind<forms::PictureBox, PictureBoxView>(registry, "PictureBox");
  RegisterKind<forms::TabControl, TabControlView>(registry, "TabControl");
}

}  // namespace qtui
