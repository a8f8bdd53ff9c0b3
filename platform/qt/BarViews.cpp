// The views of the bars: toolbars (buttons by 1-based index, pictures from
// their image list), status bars of text panels and scroll bars.
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "platform/forms/HScrollBar.h"
#include "platform/forms/ImageList.h"
#include "platform/forms/Input.h"
#include "platform/forms/StatusBar.h"
#include "platform/forms/Toolbar.h"
#include "platform/forms/VScrollBar.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"

namespace qtui {
namespace {

using forms::Property;

class ToolbarView : public ControlView {
 public:
  ToolbarView(forms::Toolbar& toolbar, ViewHost& host, QWidget* parent)
      : ControlView(toolbar, host, new QToolBar(parent)), Toolbar_(toolbar), Bar_(static_cast<QToolBar*>(Widget())) {
    Bar_->setMovable(false);
    Bar_->setFloatable(false);
    Bar_->setFocusPolicy(Qt::NoFocus);
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what == Property::All || what == Property::Buttons || what == Property::Picture) Rebuild();
  }

 private:
  void Rebuild() {
    Bar_->clear();
    bool texts = false, pictures = false;
    forms::ImageList* images = Toolbar_.Images();
    for (int i = 1; i <= Toolbar_.ButtonCount(); ++i) {
      const forms::ToolbarButton& button = Toolbar_.Buttons(i);
      if (button.Style() == forms::tbrSeparator) {
        Bar_->addSeparator()->setVisible(button.Visible());
        continue;
      }
      auto* action = new QAction(PlainCaption(button.Caption()), Bar_);
      if (images != nullptr && button.Image() >= 1 && button.Image() <= images->Count()) {
        QPixmap picture = Host().Picture(images->Picture(button.Image()));
        if (!picture.isNull()) {
          action->setIcon(QIcon(picture));
          pictures = true;
        }
      }
      texts = texts || !button.Caption().empty();
      action->setToolTip(ToQt(button.ToolTipText()));
      action->setEnabled(button.Enabled());
      action->setVisible(button.Visible());
      QObject::connect(action, &QAction::triggered, Guard(),
                       [this, i] { Host().Act([&] { return forms::Input::ClickButton(Toolbar_, i); }); });
      Bar_->addAction(action);
    }
    Bar_->setToolButtonStyle(texts && pictures ? Qt::ToolButtonTextUnderIcon
                             : pictures        ? Qt::ToolButtonIconOnly
                                               : Qt::ToolButtonTextOnly);
    for (QToolButton* b : Bar_->findChildren<QToolButton*>()) b->setFocusPolicy(Qt::NoFocus);
  }

  forms::Toolbar& Toolbar_;
  QToolBar* Bar_;
};

class StatusBarView : public ControlView {
 public:
  StatusBarView(forms::StatusBar& status, ViewHost& host, QWidget* parent)
      : ControlView(status, host, new QStatusBar(parent)), Status_(status), Bar_(static_cast<QStatusBar*>(Widget())) {
    Bar_->setSizeGripEnabled(false);
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    if (what != Property::All && what != Property::Panels) return;
    while (static_cast<int>(Panels_.size()) > Status_.PanelCount()) {
      delete Panels_.back();
      Panels_.pop_back();
    }
    while (static_cast<int>(Panels_.size()) < Status_.PanelCount()) {
      auto* panel = new QLabel(Bar_);
      panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      Bar_->addWidget(panel, 0);
      Panels_.push_back(panel);
    }
    for (int i = 1; i <= Status_.PanelCount(); ++i) {
      QLabel* panel = Panels_[static_cast<std::size_t>(i - 1)];
      panel->setText(PlainCaption(Status_.PanelText(i)));
      panel->setFixedWidth(std::max(1, Pixels(Status_.PanelWidth(i))));
    }
  }

 private:
  forms::StatusBar& Status_;
  QStatusBar* Bar_;
  std::vector<QLabel*> Panels_;
};

template <class Bar, Qt::Orientation kOrientation>
class ScrollBarView : public ControlView {
 public:
  ScrollBarView(Bar& bar, ViewHost& host, QWidget* parent)
      : ControlView(bar, host, new QScrollBar(kOrientation, parent)),
        Bar_(bar),
        Scroll_(static_cast<QScrollBar*>(Widget())) {
    QObject::connect(Scroll_, &QScrollBar::valueChanged, Guard(), [this](int value) {
      bool dragging = Scroll_->isSliderDown();
      Host().Act([&] { return forms::Input::Scroll(Bar_, value, dragging); });
      Sync(Property::Value);
    });
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    QSignalBlocker block(Scroll_);
    if (all || what == Property::Range) {
      // The model's Min may exceed its Max: the bar then runs backwards.
      bool backwards = Bar_.Min() > Bar_.Max();
      Scroll_->setRange(std::min(Bar_.Min(), Bar_.Max()), std::max(Bar_.Min(), Bar_.Max()));
      Scroll_->setInvertedAppearance(backwards);
      Scroll_->setInvertedControls(backwards);
      Scroll_->setSingleStep(Bar_.SmallChange());
      Scroll_->setPageStep(Bar_.LargeChange());
    }
    if (all || what == Property::Range || what == Property::Value) Scroll_->setValue(Bar_.Value());
  }

 private:
  forms::ScrollBar& Bar_;
  QScrollBar* Scroll_;
};

}  // namespace

void RegisterBarViews(ViewRegistry& registry) {
  RegisterKind<forms::Toolbar, ToolbarView>(registry, "Toolbar");
  RegisterKind<forms::StatusBar, StatusBarView>(registry, "StatusBar");
  RegisterKind<forms::HScrollBar, ScrollBarView<forms::HScrollBar, Qt::Horizontal>>(registry, "HScrollBar");
  RegisterKind<forms::VScrollBar, ScrollBarView<forms::VScrollBar, Qt::Vertical>>(registry, "VScrollBar");
}

}  // namespace qtui
