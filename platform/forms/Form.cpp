#include "platform/forms/Form.h"

#include "platform/db/Database.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Control.h"
#include "platform/forms/Keys.h"
#include "platform/forms/Label.h"
#include "platform/text/Error.h"

namespace forms {

Form::Form(std::string name) : Name_(std::move(name)) {}

Form::~Form() {
  if (auto* app = Application::Find()) app->Forget(*this);
}

void Form::SetCaption(std::string_view caption) {
  Caption_ = std::string(caption);
  Changed(Property::Caption);
}

void Form::Reshape(long left, long top, long width, long height, bool placing) {
  if (width < 0 || height < 0) vb::Raise(vb::ErrInvalidProperty);
  // The design's geometry, given before the window loads, leaves its place to the front end.
  Placed_ = Placed_ || (placing && Loaded_);
  Left_ = left;
  Top_ = top;
  Width_ = width;
  Height_ = height;
  Changed(Property::Geometry);
}

void Form::SetWindowState(int state) {
  if (state != vbNormal && state != vbMinimized && state != vbMaximized) vb::Raise(vb::ErrInvalidProperty);
  WindowState_ = state;
  Changed(Property::WindowState);
}

void Form::SetEnabled(bool enabled) {
  Enabled_ = enabled;
  Changed(Property::Enabled);
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void Form::SetBackColor(long color) {
  BackColor_ = color;
  Changed(Property::BackColor);
}

void Form::SetIcon(std::string_view picture) {
  Icon_ = std::string(picture);
  Changed(Property::Icon);
}

void Form::SetMinButton(bool shown) {
  MinButton_ = shown;
  Changed(Property::WindowState);
}

void Form::SetMaxButton(bool shown) {
  MaxButton_ = shown;
  Changed(Property::WindowState);
}

Control* Form::FindControl(std::string_view name, int index) const {
  for (Control* c : Controls_) {
    if (c->Name() == name && c->Index() == index) return c;
  }
  return nullptr;
}

void Form::Show(int modal) {
  auto& app = Application::Current();
  Application::Busy busy(app);
  if (modal != vbModeless && Visible_) vb::Raise(400, "El formulario ya se muestra; no se puede mostrar en forma modal");
  if (modal == vbModeless && !Visible_ && app.TopModal() != nullptr) {
    vb::Raise(401, "No se puede mostrar un formulario no modal cuando hay un formulario modal en pantalla");
  }
  if (!Loaded_) {
    app.Load(*this);
    if (!Loaded_) return;  // unloaded by its own Load
  }
  if (Visible_) {
    if (app.AcceptsInput(*this)) app.Activate(*this);
    return;
  }
  Visible_ = true;
  Modal_ = modal != vbModeless;
  app.ZOrder_.push_back(this);
  if (Modal_) app.Modal_.push_back(this);
  Changed(Property::Visible);
  app.Activate(*this);
  // The window is up and waits for the user: no recordset keeps a read lock meanwhile.
  dao::ReleaseReadLocks();
  if (!Modal_) return;

  struct EndOfRun {
    Application& App;
    Form& Self;
    ~EndOfRun() {
      App.RemoveModal(Self);
      Self.Modal_ = false;
    }
  } endOfRun{app, *this};
  app.ProcessPendingKeys();
  if (Loaded_ && Visible_ && Modal_) app.Front().RunModal(*this);
  // The front end returned with the window still up: it is closed now, so
  // Show vbModal never returns with its window open.
  if (Loaded_ && Visible_) Hide();
  if (app.Ended()) throw ProgramEnd{};
}

void Form::Hide() {
  if (!Visible_) return;
  auto& app = Application::Current();
  Visible_ = false;
  Changed(Property::Visible);
  app.Hidden(*this);
}

void Form::SetFocus() {
  if (!Loaded_ || !Visible_ || !Enabled_) vb::Raise(vb::ErrInvalidCall);
  auto& app = Application::Current();
  if (app.AcceptsInput(*this)) app.Activate(*this);
}

void Form::Refresh() { Changed(Property::All); }

void Form::Changed(Property what) {
  if (!Loaded_) return;
  if (auto* app = Application::Find()) app->Front().FormChanged(*this, what);
}

void Form::Register(Control* control) {
  control->Sequence_ = NextSequence_;
  control->TabIndex_ = static_cast<int>(NextSequence_);
  ++NextSequence_;
  Controls_.push_back(control);
}

void Form::Unregister(Control* control) {
  std::erase(Controls_, control);
  if (ActiveControl_ == control) ActiveControl_ = nullptr;
}

bool Form::MoveFocus(Control* to) {
  unsigned generation = ++FocusGeneration_;
  if (ActiveControl_ == to) return true;
  if (Control* old = ActiveControl_) {
    old->LostFocus();
    if (generation != FocusGeneration_) return false;
  }
  ActiveControl_ = to;
  Changed(Property::ActiveControl);
  to->GotFocus();
  return true;
}

Control* Form::NextInTabOrder(const Control* from, bool backward) const {
  std::vector<Control*> order;
  for (Control* c : Controls_) {
    if (c->TabStop() && c->CanTakeFocus() && !c->SkipsTab()) order.push_back(c);
  }
  if (order.empty()) return nullptr;
  auto key = [](const Control* c) { return std::make_pair(c->TabIndex(), c->Sequence_); };
  std::sort(order.begin(), order.end(), [&](Control* a, Control* b) { return key(a) < key(b); });
  if (from == nullptr) return backward ? order.back() : order.front();
  if (!backward) {
    for (Control* c : order) {
      if (key(c) > key(from)) return c;
    }
    return order.front();
  }
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (key(*it) < key(from)) return *it;
  }
  return order.back();
}

Control* Form::LabelOfAccessKey(int keyCode) const {
  Control* found = nullptr;
  auto key = [](const Control* c) { return std::make_pair(c->TabIndex(), c->Sequence_); };
  for (Control* c : Controls_) {
    auto* label = dynamic_cast<Label*>(c);
    if (label == nullptr || AccessKeyOf(label->Caption()) != keyCode) continue;
    if (!label->EffectivelyEnabled() || !label->EffectivelyVisible() || !label->OnCurrentPage()) continue;
    if (found == nullptr || key(label) < key(found)) found = label;
  }
  return found;
}

Control* Form::DefaultButton(bool cancel) const {
  for (Control* c : Controls_) {
    auto* button = dynamic_cast<CommandButton*>(c);
    if (button == nullptr || !(cancel ? button->Cancel() : button->Default())) continue;
    if (button->EffectivelyEnabled() && button->EffectivelyVisible() && button->OnCurrentPage()) return button;
  }
  return nullptr;
}

void Form::RequestHelp() {
  auto& app = Application::Current();
  if (app.App().HelpFile().empty()) return;
  long id = 0;
  for (const Control* c = ActiveControl_; c != nullptr && id == 0; c = c->Container()) id = c->HelpContextID();
  if (id == 0) id = HelpContextID_;
  HelpRequest request{app.App().HelpFile(), id != 0 ? cdlHelpContext : cdlHelpContents, "", id};
  app.Front().ShowHelp(request);
}

void Form::DispatchKey(int keyCode, int shift, int keyAscii) {
  Control* control = ActiveControl_;
  if (control != nullptr && !control->EffectivelyEnabled()) control = nullptr;
  bool ctrl = (shift & vbCtrlMask) != 0;

  // Tab moves the focus; the controls never see it.
  if (keyCode == vbKeyTab && !ctrl) {
    if (Control* next = NextInTabOrder(ActiveControl_, (shift & vbShiftMask) != 0)) MoveFocus(next);
    return;
  }
  // Alt and a label's access letter move the focus past the label, which
  // cannot take it, to what the label names; the controls never see it.
  if ((shift & vbAltMask) != 0 && !ctrl) {
    if (Control* label = LabelOfAccessKey(keyCode)) {
      if (Control* next = NextInTabOrder(label)) MoveFocus(next);
      return;
    }
  }
  // Escape clicks the cancel button wherever the focus is; Enter clicks the
  // default button, unless the focus is on a command button (Enter clicks that one).
  const bool onButton = dynamic_cast<CommandButton*>(control) != nullptr;
  if (((keyCode == vbKeyReturn && !onButton) || keyCode == vbKeyEscape) && !ctrl) {
    if (Control* button = DefaultButton(keyCode == vbKeyEscape)) {
      button->Click();
      return;
    }
  }

  int code = keyCode;
  if (KeyPreview_) Form_KeyDown(code, shift);
  if (code != 0 && control != nullptr) control->KeyDown(code, shift);
  if (code != 0 && Loaded_) {
    if (code == vbKeyF1) {
      RequestHelp();
    } else {
      if (control != nullptr) control->DefaultKeyDown(code, shift);
      if (keyAscii > 0 && Loaded_) {
        int ascii = keyAscii;
        if (KeyPreview_) Form_KeyPress(ascii);
        if (ascii != 0 && control != nullptr) control->KeyPress(ascii);
        if (ascii != 0 && control != nullptr && Loaded_) control->DefaultKeyPress(ascii);
      }
    }
  }
  if (!Loaded_) return;
  int up = keyCode;
  if (KeyPreview_) Form_KeyUp(up, shift);
  Control* now = ActiveControl_;
  if (up != 0 && now != nullptr && now->EffectivelyEnabled()) now->KeyUp(up, shift);
}

}  // namespace forms
