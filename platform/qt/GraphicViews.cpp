// The views of what only shows: labels, images and lines.
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "platform/forms/Constants.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"

namespace qtui {
namespace {

using forms::Property;

/// A plain-text label that underlines its caption's access letter. It takes
/// no shortcut for the letter, as a label with a buddy would: Alt and the
/// letter go to the model, which moves the focus.
class AccessLabel : public QLabel {
 public:
  using QLabel::QLabel;

  /// The caption with its "&" marks, read as Qt reads a mnemonic; text()
  /// stays the caption as shown.
  void SetMarked(QString marked) {
    Marked_ = std::move(marked);
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!Marked_.contains(u'&')) {
      QLabel::paintEvent(event);
      return;
    }
    // Where and how QLabel draws plain text, with the mnemonic shown.
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const bool rightToLeft = Marked_.isRightToLeft();
    int flags = int(QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment())) |
                (wordWrap() ? Qt::TextWordWrap : 0) |
                (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight) | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) flags |= Qt::TextHideMnemonic;
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, flags, option.palette, isEnabled(), Marked_, foregroundRole());
  }

 private:
  QString Marked_;
};

class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, ViewHost& host, QWidget* parent)
      : ControlView(label, host, new AccessLabel(parent)), Label_(label), Text_(static_cast<AccessLabel*>(Widget())) {
    Text_->setWordWrap(true);
    Text_->setTextFormat(Qt::PlainText);
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Caption) {
      Text_->setText(PlainCaption(Label_.Caption()));
      Text_->SetMarked(AccessCaption(Label_.Caption()));
    }
    if (all || what == Property::Alignment) {
      Qt::Alignment horizontal = Label_.Alignment() == forms::vbRightJustify ? Qt::AlignRight
                                 : Label_.Alignment() == forms::vbCenter    ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
      Text_->setAlignment(horizontal | Qt::AlignTop);
    }
  }

  bool OnMouse(QObject*, QMouseEvent& event) override { return ReportClicks(Host(), Label_, event); }

 private:
  forms::Label& Label_;
  AccessLabel* Text_;
};

class ImageView : public ControlView {
 public:
  ImageView(forms::Image& image, ViewHost& host, QWidget* parent)
      : ControlView(image, host, new QLabel(parent)), Image_(image), Shown_(static_cast<QLabel*>(Widget())) {
    Shown_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what != Property::All && what != Property::Picture) return;
    Shown_->setPixmap(Host().Picture(Image_.Picture()));
    Shown_->setScaledContents(Image_.Stretch());
  }

  bool OnMouse(QObject*, QMouseEvent& event) override { return ReportClicks(Host(), Image_, event); }

 private:
  forms::Image& Image_;
  QLabel* Shown_;
};

/// Paints one straight line across itself.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
  QPoint From, To;
  QColor Color;
  int Width = 1;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(Color, Width));
    painter.drawLine(From, To);
  }
};

class LineView : public ControlView {
 public:
  LineView(forms::Line& line, ViewHost& host, QWidget* parent)
      : ControlView(line, host, new LineWidget(parent)), Line_(line), Shown_(static_cast<LineWidget*>(Widget())) {}

  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what != Property::All && what != Property::Geometry && what != Property::ForeColor) return;
    QRect place = Place();
    Shown_->From = QPoint(Pixels(Line_.X1()), Pixels(Line_.Y1())) - place.topLeft();
    Shown_->To = QPoint(Pixels(Line_.X2()), Pixels(Line_.Y2())) - place.topLeft();
    Shown_->Width = std::max(1, Line_.BorderWidth());
    Shown_->Color = PlainColor(Line_.BorderColor()).value_or(Shown_->palette().color(QPalette::WindowText));
    Shown_->update();
  }

 protected:
  /// The box around both ends, widened by the pen.
  QRect Place() const override {
    QPoint a(Pixels(Line_.X1()), Pixels(Line_.Y1()));
    QPoint b(Pixels(Line_.X2()), Pixels(Line_.Y2()));
    int pen = std::max(1, Line_.BorderWidth());
    return QRect(a, b).normalized().adjusted(-pen, -pen, pen, pen);
  }

 private:
  forms::Line& Line_;
  LineWidget* Shown_;
};

}  // namespace

void RegisterGraphicViews(ViewRegistry& registry) {
  RegisterKind<forms::Label, LabelView>(registry, "Label");
  RegisterKind<forms::Image, ImageView>(registry, "Image");
  RegisterKind<forms::Line, LineView>(registry, "Line");
}

}  // namespace qtui
