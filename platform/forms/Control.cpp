#include "platform/forms/Control.h"

#include "platform/forms/Application.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/TabControl.h"
#include "platform/text/Error.h"

namespace forms {

Control::Control(Form* form, std::string name, int index)
    : Form_(form), Name_(std::move(name)), Index_(index), BackColor_(vbButtonFace), ForeColor_(vbButtonText) {
  Form_->Register(this);
}

Control::~Control() { Form_->Unregister(this); }

void Control::SetContainer(Control& container, int page) {
  Container_ = &container;
  ContainerPage_ = page;
  Changed(Property::Container);
}

void Control::Move(long left, long top, long width, long height) {
  if (width < 0 || height < 0) vb::Raise(vb::ErrInvalidProperty);
  Left_ = left;
  Top_ = top;
  Width_ = width;
  Height_ = height;
  Changed(Property::Geometry);
}

void Control::SetEnabled(bool enabled) {
  Enabled_ = enabled;
  Changed(Property::Enabled);
}

void Control::SetVisible(bool visible) {
  Visible_ = visible;
  Changed(Property::Visible);
}

void Control::SetTabIndex(int index) {
  if (index < 0) vb::Raise(vb::ErrInvalidProperty);
  TabIndex_ = index;
  Changed(Property::TabIndex);
}

void Control::SetTabStop(bool stop) {
  TabStop_ = stop;
  Changed(Property::TabStop);
}

void Control::SetBackColor(long color) {
  BackColor_ = color;
  Changed(Property::BackColor);
}

void Control::SetForeColor(long color) {
  ForeColor_ = color;
  Changed(Property::ForeColor);
}

void Control::SetFont(const StdFont& font) {
  Font_ = font;
  Changed(Property::Font);
}

bool Control::EffectivelyEnabled() const {
  if (!Form_->Enabled()) return false;
  for (const Control* c = this; c != nullptr; c = c->Container_) {
    if (!c->Enabled_) return false;
  }
  return true;
}

bool Control::EffectivelyVisible() const {
  for (const Control* c = this; c != nullptr; c = c->Container_) {
    if (!c->Visible_) return false;
  }
  return true;
}

bool Control::OnCurrentPage() const {
  for (const Control* c = this; c->Container_ != nullptr; c = c->Container_) {
    if (auto* tabs = dynamic_cast<const TabControl*>(c->Container_)) {
      if (c->ContainerPage_ != tabs->Tab() || c->ContainerPage_ >= tabs->Tabs()) return false;
    }
  }
  return true;
}

bool Control::CanTakeFocus() const {
  return TakesFocus() && Form_->Loaded() && Form_->Visible() && EffectivelyEnabled() && EffectivelyVisible() &&
         OnCurrentPage();
}

void Control::SetFocus() {
  if (!TakesFocus() || !Form_->Loaded() || !Form_->Visible() || !EffectivelyEnabled() || !EffectivelyVisible()) {
    vb::Raise(vb::ErrInvalidCall);
  }
  auto& app = Application::Current();
  if (app.ActiveForm() == Form_) {
    Form_->MoveFocus(this);
    return;
  }
  // A control of another window: that window becomes active with it, unless
  // a modal window is up, which keeps the activation.
  Form_->ActiveControl_ = this;
  if (app.AcceptsInput(*Form_)) app.Activate(*Form_);
}

void Control::Refresh() { Changed(Property::All); }

void Control::Changed(Property what) {
  if (!Form_->Loaded()) return;
  if (auto* app = Application::Find()) app->Front().ControlChanged(*this, what);
}

void Control::CopyPropertiesFrom(const Control& other) {
  Container_ = other.Container_;
  ContainerPage_ = other.ContainerPage_;
  Left_ = other.Left_;
  Top_ = other.Top_;
  Width_ = other.Width_;
  Height_ = other.Height_;
  Enabled_ = other.Enabled_;
  TabStop_ = other.TabStop_;
  BackColor_ = other.BackColor_;
  ForeColor_ = other.ForeColor_;
  Font_ = other.Font_;
  HelpContextID_ = other.HelpContextID_;
  Tag_ = other.Tag_;
}

void RaiseNoElement(int index) {
  vb::Raise(340, "El elemento " + std::to_string(index) + " de la matriz de controles no existe");
}

void RaiseElementExists(int index) {
  vb::Raise(360, "El elemento " + std::to_string(index) + " de la matriz de controles ya está cargado");
}

void NotifyElementLoaded(Control& element, bool loaded) {
  if (!element.Parent().Loaded()) return;
  auto* app = Application::Find();
  if (app == nullptr) return;
  if (loaded) {
    app->Front().ControlLoaded(element);
  } else {
    app->Front().ControlUnloaded(element);
  }
}

}  // namespace forms
