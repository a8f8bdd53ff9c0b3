#include "platform/forms/Application.h"

#include "platform/db/Database.h"

#include <algorithm>
#include <stdexcept>

#include "platform/forms/Control.h"
#include "platform/forms/Input.h"
#include "platform/forms/MDIForm.h"
#include "platform/text/Strings.h"

namespace forms {
namespace {

Application* gCurrent = nullptr;

// Without a display the stock font measures this many pixels a character.
constexpr int kFixedCharWidth = 6;

}  // namespace

void ScreenObject::SetMousePointer(int pointer) {
  MousePointer_ = pointer;
  App_->Front().MousePointerChanged(pointer);
}

Form* ScreenObject::ActiveForm() const { return App_->ActiveForm(); }

Control* ScreenObject::ActiveControl() const {
  Form* form = App_->ActiveForm();
  return form != nullptr ? form->ActiveControl() : nullptr;
}

void ClipboardObject::SetText(std::string_view text) {
  Text_ = std::string(text);
  App_->Front().ClipboardChanged(Text_);
}

Application::Application(FrontEnd& frontEnd) : Front_(&frontEnd) {
  if (gCurrent != nullptr) throw std::logic_error("forms::Application: a program has one application");
  gCurrent = this;
}

Application::~Application() {
  DropAllForms(false);
  Owned_.clear();
  Retired_.clear();
  gCurrent = nullptr;
}

Application& Application::Current() {
  if (gCurrent == nullptr) throw std::logic_error("forms::Application: none has been created");
  return *gCurrent;
}

Application* Application::Find() { return gCurrent; }

void Application::Initialize(Form& form) {
  if (form.Initialized_) return;
  form.Initialized_ = true;
  form.Form_Initialize();
}

void Application::Load(Form& form) {
  if (form.Loaded_) return;
  Busy busy(*this);
  Initialize(form);
  form.Loaded_ = true;
  Forms_.push_back(&form);
  if (auto* frame = dynamic_cast<MDIForm*>(&form)) MDIFrame_ = frame;
  Front().FormLoaded(form);
  form.Form_Load();
}

void Application::Unload(Form& form, int mode) {
  if (!form.Loaded_ || form.Unloading_) return;
  Busy busy(*this);
  struct Unloading {
    Form& F;
    explicit Unloading(Form& f) : F(f) { F.Unloading_ = true; }
    ~Unloading() { F.Unloading_ = false; }
  } unloading(form);

  int cancel = 0;
  form.Form_QueryUnload(cancel, mode);
  if (cancel != 0 || !form.Loaded_) return;
  if (&form == MDIFrame_) {
    // The frame asks its children before any of them goes.
    std::vector<Form*> children;
    for (Form* f : Forms_) {
      if (f->MDIChild_) children.push_back(f);
    }
    for (Form* child : children) {
      cancel = 0;
      child->Form_QueryUnload(cancel, vbFormMDIForm);
      if (cancel != 0) return;
    }
    for (Form* child : children) {
      if (!child->Loaded_ || child->Unloading_) continue;
      Unloading childUnloading(*child);
      if (!RunUnloadHandler(*child)) return;
    }
  }
  if (!RunUnloadHandler(form)) return;
}

bool Application::RunUnloadHandler(Form& form) {
  int cancel = 0;
  form.Form_Unload(cancel);
  if (cancel != 0) return false;
  if (form.Loaded_) FinishUnload(form);
  return true;
}

void Application::FinishUnload(Form& form) {
  bool wasActive = Active_ == &form;
  bool wasModal = std::find(Modal_.begin(), Modal_.end(), &form) != Modal_.end();
  form.Loaded_ = false;
  form.Visible_ = false;
  form.ActiveControl_ = nullptr;
  std::erase(Forms_, &form);
  std::erase(ZOrder_, &form);
  if (wasModal) RemoveModal(form);
  if (MDIFrame_ == &form) MDIFrame_ = nullptr;
  UpdateActiveChild();
  Front().FormUnloaded(form);
  for (Control* control : form.Controls()) control->FormUnloaded();
  if (wasActive) {
    Active_ = nullptr;
    ActivateNext(&form);
  }
  bool isDefault = false;
  for (auto it = Defaults_.begin(); it != Defaults_.end(); ++it) {
    if (it->second == &form) {
      Defaults_.erase(it);
      isDefault = true;
      break;
    }
  }
  bool owned = std::any_of(Owned_.begin(), Owned_.end(), [&](auto& f) { return f.get() == &form; });
  if (isDefault || owned) Retire(form);
}

void Application::Retire(Form& form) {
  auto it = std::find_if(Owned_.begin(), Owned_.end(), [&](auto& f) { return f.get() == &form; });
  if (it == Owned_.end()) return;
  std::unique_ptr<Form> released = std::move(*it);
  Owned_.erase(it);
  released->Form_Terminate();
  Retired_.push_back(std::move(released));
}

void Application::FlushRetired() {
  if (Busy_ == 0) Retired_.clear();
}

void Application::Forget(Form& form) {
  // A window destroyed while loaded: its widgets must not outlive it.
  if (std::find(Forms_.begin(), Forms_.end(), &form) != Forms_.end()) Front().FormUnloaded(form);
  std::erase(Forms_, &form);
  std::erase(ZOrder_, &form);
  std::erase(Modal_, &form);
  if (Active_ == &form) Active_ = nullptr;
  if (MDIFrame_ == &form) MDIFrame_ = nullptr;
  for (auto it = Defaults_.begin(); it != Defaults_.end(); ++it) {
    if (it->second == &form) {
      Defaults_.erase(it);
      break;
    }
  }
  UpdateActiveChild();
}

void Application::Activate(Form& form) {
  if (Active_ == &form || !form.Loaded_ || !form.Visible_) return;
  Busy busy(*this);
  Form* old = Active_;
  Active_ = &form;
  std::erase(ZOrder_, &form);
  ZOrder_.push_back(&form);
  if (old != nullptr && old->Loaded_) Deactivated(*old);
  if (Active_ != &form) return;
  UpdateActiveChild();
  Front().FormActivated(form);
  form.Form_Activate();
  if (Active_ != &form || !form.Loaded_) return;
  Control* remembered = form.ActiveControl_;
  Control* target = remembered != nullptr && remembered->CanTakeFocus() ? remembered : form.NextInTabOrder(nullptr);
  form.ActiveControl_ = nullptr;  // its LostFocus ran when the window lost the activation
  if (target != nullptr) form.MoveFocus(target);
}

void Application::Deactivated(Form& form) {
  if (Control* focused = form.ActiveControl_) focused->LostFocus();
  if (form.Loaded_) form.Form_Deactivate();
}

void Application::Hidden(Form& form) {
  Busy busy(*this);
  std::erase(ZOrder_, &form);
  RemoveModal(form);
  UpdateActiveChild();
  if (Active_ == &form) {
    Active_ = nullptr;
    Deactivated(form);
    ActivateNext(&form);
  }
}

void Application::ActivateNext(Form* leaving) {
  if (Active_ != nullptr) return;
  Form* next = nullptr;
  if (!Modal_.empty()) {
    next = Modal_.back();
  } else {
    for (auto it = ZOrder_.rbegin(); it != ZOrder_.rend(); ++it) {
      if (*it != leaving && (*it)->Loaded_ && (*it)->Visible_) {
        next = *it;
        break;
      }
    }
  }
  if (next != nullptr) Activate(*next);
}

void Application::RemoveModal(Form& form) {
  auto it = std::find(Modal_.begin(), Modal_.end(), &form);
  if (it == Modal_.end()) return;
  Modal_.erase(it);
  Front().EndModal(form);
}

void Application::UpdateActiveChild() {
  if (MDIFrame_ == nullptr) return;
  Form* child = nullptr;
  for (auto it = ZOrder_.rbegin(); it != ZOrder_.rend(); ++it) {
    if ((*it)->MDIChild_ && (*it)->Loaded_ && (*it)->Visible_) {
      child = *it;
      break;
    }
  }
  MDIFrame_->ActiveChild_ = child;
}

bool Application::AcceptsInput(const Form& form) const {
  if (Ended_ || !form.Loaded_ || !form.Visible_ || !form.Enabled_) return false;
  return Modal_.empty() || Modal_.back() == &form;
}

int Application::MsgBox(std::string_view prompt, int style, std::string_view title) {
  MessageButtons(style);  // error 5 for buttons the system never asks for
  dao::ReleaseReadLocks();
  Busy busy(*this);
  return Front().ShowMessage(MessageBox{std::string(prompt), style, std::string(title)});
}

void Application::SendKeys(std::string_view keys, bool wait) {
  for (const KeyStroke& k : ParseSendKeys(keys)) PendingKeys_.push_back(k);
  if (wait) ProcessPendingKeys();
}

void Application::ProcessPendingKeys() {
  if (ProcessingKeys_) return;
  ProcessingKeys_ = true;
  struct Done {
    bool& Flag;
    ~Done() { Flag = false; }
  } done{ProcessingKeys_};
  while (!PendingKeys_.empty() && !Ended_) {
    KeyStroke k = PendingKeys_.front();
    PendingKeys_.pop_front();
    if (Active_ != nullptr) Input::Key(*Active_, k.KeyCode, k.Shift, k.KeyAscii);
  }
}

int Application::DoEvents() {
  {
    Busy busy(*this);
    ProcessPendingKeys();
    dao::ReleaseReadLocks();
    Front().DoEvents();
  }
  if (Ended_) throw ProgramEnd{};
  return static_cast<int>(Forms_.size());
}

void Application::End() {
  Ended_ = true;
  DropAllForms(true);
  Front().ProgramEnded();
  throw ProgramEnd{};
}

void Application::DropAllForms(bool notify) {
  std::vector<Form*> loaded = Forms_;
  for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) {
    Form* f = *it;
    bool wasModal = std::find(Modal_.begin(), Modal_.end(), f) != Modal_.end();
    f->Loaded_ = false;
    f->Visible_ = false;
    f->Modal_ = false;
    f->ActiveControl_ = nullptr;
    if (notify && wasModal) Front().EndModal(*f);
    // Even without events the front end lets go of the window, whose
    // object is about to be destroyed.
    Front().FormUnloaded(*f);
  }
  Forms_.clear();
  ZOrder_.clear();
  Modal_.clear();
  Active_ = nullptr;
  MDIFrame_ = nullptr;
  PendingKeys_.clear();
  Defaults_.clear();
  for (auto& f : Owned_) Retired_.push_back(std::move(f));
  Owned_.clear();
}

void Application::Reset() {
  DropAllForms(false);
  Retired_.clear();
  App_ = AppObject{};
  Screen_ = ScreenObject{*this};
  Clipboard_ = ClipboardObject{*this};
  Ended_ = false;
}

int Application::StockFontTextWidth(std::string_view text) const {
  if (auto width = Front_->StockFontTextWidth(text)) return *width;
  return static_cast<int>(vb::Len(text)) * kFixedCharWidth;
}

void Load(Form& form) { Application::Current().Load(form); }

void Unload(Form& form) { Application::Current().Unload(form, vbFormCode); }

int MsgBox(std::string_view prompt, int style, std::optional<std::string_view> title) {
  auto& app = Application::Current();
  return app.MsgBox(prompt, style, title ? *title : std::string_view(app.App().Title()));
}

void SendKeys(std::string_view keys, bool wait) { Application::Current().SendKeys(keys, wait); }

int DoEvents() { return Application::Current().DoEvents(); }

void End() { Application::Current().End(); }

int StockFontTextWidth(std::string_view text) { return Application::Current().StockFontTextWidth(text); }

AppObject& App() { return Application::Current().App(); }

ScreenObject& Screen() { return Application::Current().Screen(); }

ClipboardObject& Clipboard() { return Application::Current().Clipboard(); }

}  // namespace forms
