// The views of command buttons, option buttons and check boxes. The Qt
// buttons never change their own state: a click goes to the model, which
// toggles or chooses, and the button shows the model's value.
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/forms/OptionButton.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BuiltInViews.h"

namespace qtui {
namespace {

using forms::Property;

/// A check box or option button whose click only reports; as in VB, a
/// click anywhere on the control counts, not only on its box and text.
template <class Button>
class ReportingButton : public Button {
 public:
  using Button::Button;

 protected:
  void nextCheckState() override {}
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

class CommandButtonView : public ControlView {
 public:
  CommandButtonView(forms::CommandButton& button, ViewHost& host, QWidget* parent)
      : ControlView(button, host, new QPushButton(parent)),
        Button_(button),
        Push_(static_cast<QPushButton*>(Widget())) {
    // Enter and Escape are the model's: Qt's own default-button handling stays out.
    Push_->setAutoDefault(false);
    QObject::connect(Push_, &QPushButton::clicked, Guard(),
                     [this] { Host().Act([this] { return forms::Input::Click(Button_); }); });
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Caption) Push_->setText(AccessCaption(Button_.Caption()));
    if (all || what == Property::Default) Push_->setDefault(Button_.Default());
  }

 protected:
  QPalette::ColorRole BackRole() const override { return QPalette::Button; }
  QPalette::ColorRole ForeRole() const override { return QPalette::ButtonText; }

 private:
  forms::CommandButton& Button_;
  QPushButton* Push_;
};

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(forms::CheckBox& box, ViewHost& host, QWidget* parent)
      : ControlView(box, host, new ReportingButton<QCheckBox>(parent)),
        Box_(box),
        Check_(static_cast<QCheckBox*>(Widget())) {
    Check_->setTristate(true);
    QObject::connect(Check_, &QCheckBox::clicked, Guard(), [this] {
      Host().Act([this] { return forms::Input::Click(Box_); });
      Sync(Property::Value);
    });
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Caption) Check_->setText(AccessCaption(Box_.Caption()));
    if (all || what == Property::Value) {
      QSignalBlocker block(Check_);
      Check_->setCheckState(Box_.Value() == forms::vbChecked  ? Qt::Checked
                            : Box_.Value() == forms::vbGrayed ? Qt::PartiallyChecked
                                                              : Qt::Unchecked);
    }
  }

 private:
  forms::CheckBox& Box_;
  QCheckBox* Check_;
};

class OptionButtonView : public ControlView {
 public:
  OptionButtonView(forms::OptionButton& option, ViewHost& host, QWidget* parent)
      : ControlView(option, host, new ReportingButton<QRadioButton>(parent)),
        Option_(option),
        Radio_(static_cast<QRadioButton*>(Widget())) {
    // The model keeps each group to one choice.
    Radio_->setAutoExclusive(false);
    QObject::connect(Radio_, &QRadioButton::clicked, Guard(), [this] {
      Host().Act([this] { return forms::Input::Click(Option_); });
      Sync(Property::Value);
    });
  }

  void Sync(Property what) override {
    ControlView::Sync(what);
    bool all = what == Property::All;
    if (all || what == Property::Caption) Radio_->setText(AccessCaption(Option_.Caption()));
    if (all || what == Property::Value) {
      QSignalBlocker block(Radio_);
      Radio_->setChecked(Option_.Value());
    }
  }

  bool OnMouse(QObject*, QMouseEvent& event) override {
    if (event.type() != QEvent::MouseButtonDblClick) return false;
    Host().Act([this] { return forms::Input::DblClick(Option_, true); });
    return true;
  }

 private:
  forms::OptionButton& Option_;
  QRadioButton* Radio_;
};

}  // namespace

void RegisterButtonViews(ViewRegistry& registry) {
  RegisterKind<forms::CommandButton, CommandButtonView>(registry, "CommandButton");
  RegisterKind<forms::CheckBox, CheckBoxView>(registry, "CheckBox");
  RegisterKind<forms::OptionButton, OptionButtonView>(registry, "OptionButton");
}

}  // namespace qtui
