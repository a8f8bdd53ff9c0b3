#include "platform/forms/testing/ScriptedUser.h"

#include <gtest/gtest.h>

#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Input.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/Toolbar.h"

namespace forms::testing {
namespace {

std::string NameOf(const Control& control) {
  std::string name = control.Parent().Name() + "." + control.Name();
  if (control.Index() >= 0) name += "(" + std::to_string(control.Index()) + ")";
  return name;
}

std::string Quote(const MessageBox& box) {
  return "\"" + box.Prompt + "\" (style " + std::to_string(box.Style) + ", title \"" + box.Title + "\")";
}

}  // namespace

ScriptedUser::~ScriptedUser() { VerifyDone(); }

void ScriptedUser::Add(Expectation e) {
  if (InsertPoints_.empty()) {
    Queue_.push_back(std::move(e));
  } else {
    Queue_.insert(InsertPoints_.back(), std::move(e));
  }
}

void ScriptedUser::ExpectMsgBox(std::string prompt, int answer) {
  Expectation e;
  e.Box.Prompt = std::move(prompt);
  e.Answer = answer;
  Add(std::move(e));
}

void ScriptedUser::ExpectMsgBox(const MessageBox& box, int answer) {
  Expectation e;
  e.Box = box;
  e.WholeBox = true;
  e.Answer = answer;
  Add(std::move(e));
}

void ScriptedUser::ExpectModal(std::string formName, std::function<void(Form&)> step) {
  AddModal(std::move(formName), nullptr, std::move(step));
}

void ScriptedUser::AddModal(std::string name, std::function<bool(Form&)> matches, std::function<void(Form&)> step) {
  Expectation e;
  e.Kind = Expectation::What::Modal;
  e.FormName = std::move(name);
  e.Matches = std::move(matches);
  e.Step = std::move(step);
  Add(std::move(e));
}

void ScriptedUser::ExpectPrint() {
  Expectation e;
  e.Kind = Expectation::What::Print;
  Add(std::move(e));
}

void ScriptedUser::ExpectPrintCancel() {
  Expectation e;
  e.Kind = Expectation::What::Print;
  e.Cancel = true;
  Add(std::move(e));
}

ScriptedUser::Expectation ScriptedUser::TakeFront() {
  auto front = Queue_.begin();
  for (auto& point : InsertPoints_) {
    if (point == front) point = std::next(front);
  }
  Expectation e = std::move(*front);
  Queue_.erase(front);
  return e;
}

std::string ScriptedUser::Describe(const Expectation& e) {
  if (e.Kind == Expectation::What::Modal) {
    return "modal window " + (e.FormName.empty() ? std::string("(by class)") : e.FormName);
  }
  if (e.Kind == Expectation::What::Print) return e.Cancel ? "print job, cancelled" : "print job";
  return "message box " + (e.WholeBox ? Quote(e.Box) : "\"" + e.Box.Prompt + "\"");
}

void ScriptedUser::VerifyDone() {
  for (const Expectation& e : Queue_) ADD_FAILURE() << "expected but never shown: " << Describe(e);
  Queue_.clear();
  // Called inside a modal step, the steps under way still pop their points
  // when they end: keep one per step, all at the (now only) end.
  for (Queue::iterator& point : InsertPoints_) point = Queue_.end();
}

int ScriptedUser::ShowMessage(const MessageBox& box) {
  Messages_.push_back(box);
  if (Queue_.empty() || Queue_.front().Kind != Expectation::What::MessageBox) {
    ADD_FAILURE() << "unexpected message box " << Quote(box)
                  << (Queue_.empty() ? std::string() : "; expected " + Describe(Queue_.front()));
    return DefaultAnswer(box.Style);
  }
  Expectation e = TakeFront();
  bool same = e.Box.Prompt == box.Prompt && (!e.WholeBox || (e.Box.Style == box.Style && e.Box.Title == box.Title));
  if (!same) ADD_FAILURE() << "message box " << Quote(box) << " where " << Describe(e) << " was expected";
  return e.Answer;
}

void ScriptedUser::RunModal(Form& form) {
  Modals_.push_back(form.Name());
  auto matches = [&](const Expectation& e) {
    return e.Kind == Expectation::What::Modal && (e.Matches ? e.Matches(form) : e.FormName == form.Name());
  };
  if (Queue_.empty() || !matches(Queue_.front())) {
    ADD_FAILURE() << "unexpected modal window " << form.Name()
                  << (Queue_.empty() ? std::string() : "; expected " + Describe(Queue_.front()));
    form.Hide();
    return;
  }
  Expectation e = TakeFront();
  InsertPoints_.push_back(Queue_.begin());
  struct Pop {
    std::vector<Queue::iterator>& Points;
    ~Pop() { Points.pop_back(); }
  } pop{InsertPoints_};
  if (e.Step) e.Step(form);
  if (form.Loaded() && form.Visible()) {
    ADD_FAILURE() << "modal window " << form.Name() << " is still open after its step";
    form.Hide();
  }
}

std::shared_ptr<print::Canvas> ScriptedUser::StartPrintJob(std::string_view document) {
  if (Queue_.empty() || Queue_.front().Kind != Expectation::What::Print) {
    ADD_FAILURE() << "unexpected print job \"" << document << "\""
                  << (Queue_.empty() ? std::string() : "; expected " + Describe(Queue_.front()));
  } else if (TakeFront().Cancel) {
    return nullptr;
  }
  Printed_.push_back(std::make_shared<print::Recorder>());
  return Printed_.back();
}

void ScriptedUser::Refused(std::string_view action, const Control& control) {
  ADD_FAILURE() << "the window refused " << action << " on " << NameOf(control);
}

void ScriptedUser::Type(Control& control, std::string_view text) {
  auto& app = Application::Current();
  if (app.ActiveForm() != &control.Parent() || control.Parent().ActiveControl() != &control) {
    if (!Input::Focus(control)) return Refused("the focus", control);
  }
  if (!Input::Type(control.Parent(), text)) Refused("typing", control);
}

void ScriptedUser::Type(std::string_view text) {
  Form* form = Application::Current().ActiveForm();
  if (form == nullptr) {
    ADD_FAILURE() << "typing with no active window";
    return;
  }
  if (!Input::Type(*form, text)) ADD_FAILURE() << "window " << form->Name() << " refused typing";
}

void ScriptedUser::Press(int keyCode, int shift) {
  Form* form = Application::Current().ActiveForm();
  if (form == nullptr) {
    ADD_FAILURE() << "key " << keyCode << " with no active window";
    return;
  }
  if (!Input::Key(*form, keyCode, shift)) ADD_FAILURE() << "window " << form->Name() << " refused key " << keyCode;
}

void ScriptedUser::Enter() { Press(vbKeyReturn); }
void ScriptedUser::Tab() { Press(vbKeyTab); }
void ScriptedUser::F1() { Press(vbKeyF1); }

void ScriptedUser::Click(Control& control) {
  if (!Input::Click(control)) Refused("a click", control);
}

void ScriptedUser::DblClick(Control& control) {
  if (!Input::DblClick(control)) Refused("a double click", control);
}

void ScriptedUser::RightClick(Control& control) {
  if (!Input::MouseDown(control, vbRightButton)) Refused("a right click", control);
}

void ScriptedUser::Focus(Control& control) {
  if (!Input::Focus(control)) Refused("the focus", control);
}

void ScriptedUser::Choose(ListControl& list, int index) {
  if (!Input::Choose(list, index)) Refused("choosing item " + std::to_string(index), list);
}

void ScriptedUser::Choose(ListControl& list, std::string_view item) {
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.List(i) == item) return Choose(list, i);
  }
  ADD_FAILURE() << NameOf(list) << " has no item \"" << item << "\"";
}

void ScriptedUser::ChooseRow(DataGrid& grid, long row) {
  if (!Input::ChooseRow(grid, row)) Refused("choosing row " + std::to_string(row), grid);
}

void ScriptedUser::ChooseMenu(Menu& item) {
  if (!Input::ChooseMenu(item)) Refused("the menu choice", item);
}

void ScriptedUser::ClickButton(Toolbar& toolbar, int index) {
  if (!Input::ClickButton(toolbar, index)) {
    Refused("button " + std::to_string(index), toolbar);
  }
}

void ScriptedUser::Scroll(ScrollBar& bar, int value) {
  if (!Input::Scroll(bar, value)) Refused("scrolling to " + std::to_string(value), bar);
}

void ScriptedUser::SelectTab(TabControl& tabs, int tab) {
  if (!Input::SelectTab(tabs, tab)) Refused("page " + std::to_string(tab), tabs);
}

void ScriptedUser::Close(Form& form) {
  if (!Input::Close(form)) ADD_FAILURE() << "window " << form.Name() << " refused its close box";
}

}  // namespace forms::testing
