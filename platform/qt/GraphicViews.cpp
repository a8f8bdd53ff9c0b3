// The views of what only shows: labels, images and lines.
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Line.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"

namespace qtui {
namespace {

using forms::Property;

class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, ViewHost& host, QWidget* parent)
      : ControlView(label, host, new QLabel(parent)), Label_(label), Text_(static_cast<QLabel*>(Widget())) {
    Text_->setWordWrap(true);
    Text_->setTextFormat(Qt::PlainText);
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Caption) Text_->setText(PlainCaption(Label_.Caption()));
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
  QLabel* Text_;
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
