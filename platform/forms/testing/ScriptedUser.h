//===- ScriptedUser.h - A scripted user that drives windows in tests ------===//
//
// The front end of tests: no screen, every user action from the script.
//
//   forms::testing::ScriptedUser user;
//   forms::Application app(user);
//   user.ExpectMsgBox("¿Confirma que va a eliminar la declaración?", forms::vbYes);
//   user.ExpectModal<frmBancos>([&](frmBancos& f) { user.Click(f.CmdSalir); });
//   ...run the window code...
//   EXPECT_EQ(user.Messages().size(), 1u);
//
// Message boxes, modal windows and print jobs are expected in the order
// they come, in one list; an expectation added while a modal step runs goes before those
// that were waiting when the step began, so a step can script what its own
// actions bring. A message box answers with its expectation's answer and is
// recorded (text, style, title). A modal window runs its step, which acts
// through the methods below, and must be hidden or unloaded when the step
// ends. Anything unexpected, a mismatch, an action the window refuses, a
// modal window still open after its step, or expectations left over when
// the user is destroyed (or at VerifyDone) fail the test (ADD_FAILURE);
// an unexpected box then gets its default answer, an unexpected or
// unfinished modal window is hidden, and an unexpected print job is
// recorded, so the program goes on. A print job the script lets through is
// drawn on a print::Recorder, kept in Printed().
//
// Production code never links this.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/FrontEnd.h"
#include "platform/print/Canvas.h"

namespace forms {
class Control;
class DataGrid;
class Form;
class ListControl;
class Menu;
class ScrollBar;
class TabControl;
class Toolbar;
}  // namespace forms

namespace forms::testing {

class ScriptedUser : public FrontEnd {
 public:
  ScriptedUser() = default;
  ~ScriptedUser() override;

  // --- The script ---

  /// A message box with this text comes next (its style and title unchecked).
  void ExpectMsgBox(std::string prompt, int answer);
  /// A message box with exactly this text, style and title comes next.
  void ExpectMsgBox(const MessageBox& box, int answer);
  /// The window named `formName` is shown modally next; `step` acts in it.
  void ExpectModal(std::string formName, std::function<void(Form&)> step);
  /// As above, for the window class F (the step gets the window as an F).
  template <class F>
  void ExpectModal(std::function<void(F&)> step) {
    AddModal("", [](Form& f) { return dynamic_cast<F*>(&f) != nullptr; },
             [step = std::move(step)](Form& f) { step(dynamic_cast<F&>(f)); });
  }
  /// A print job starts next: the user picks a printer, and the job is recorded.
  void ExpectPrint();
  /// A print job starts next: the user cancels the printer's choice.
  void ExpectPrintCancel();
  /// Fails the test for each expectation not met yet, and forgets them.
  void VerifyDone();

  // --- What was shown ---

  /// Every message box shown, in order.
  const std::vector<MessageBox>& Messages() const { return Messages_; }
  /// The names of the windows shown modally, in order.
  const std::vector<std::string>& ModalWindows() const { return Modals_; }
  /// The print jobs that were let through, in order: what each drew.
  const std::vector<std::shared_ptr<print::Recorder>>& Printed() const { return Printed_; }
  /// Every help request.
  const std::vector<HelpRequest>& HelpShown() const { return Help_; }
  /// The program ran End.
  bool Ended() const { return Ended_; }

  // --- The user's actions (each fails the test when refused) ---

  /// Puts the focus on `control` unless it has it, then types `text` key by key.
  void Type(Control& control, std::string_view text);
  /// Types `text` into whatever has the focus on the active window.
  void Type(std::string_view text);
  /// A key on the active window (vbKeyReturn, vbKeyTab, vbKeyF1, ...).
  void Press(int keyCode, int shift = 0);
  void Enter();
  void Tab();
  void F1();
  void Click(Control& control);
  void DblClick(Control& control);
  void RightClick(Control& control);
  void Focus(Control& control);
  void Choose(ListControl& list, int index);
  /// Chooses the first item whose text is `item`.
  void Choose(ListControl& list, std::string_view item);
  void ChooseRow(DataGrid& grid, long row);
  void ChooseMenu(Menu& item);
  void ClickButton(Toolbar& toolbar, int index);
  /// Moves a scroll bar to `value`, as a click on its arrows or track does.
  void Scroll(ScrollBar& bar, int value);
  void SelectTab(TabControl& tabs, int tab);
  /// The close box of `form`.
  void Close(Form& form);

  // FrontEnd
  int ShowMessage(const MessageBox& box) override;
  void RunModal(Form& form) override;
  void ShowHelp(const HelpRequest& request) override { Help_.push_back(request); }
  std::shared_ptr<print::Canvas> StartPrintJob(std::string_view document) override;
  void ProgramEnded() override { Ended_ = true; }

 private:
  struct Expectation {
    enum class What { MessageBox, Modal, Print } Kind = What::MessageBox;
    // Message box
    MessageBox Box;
    bool WholeBox = false;
    int Answer = 0;
    // Modal window
    std::string FormName;
    std::function<bool(Form&)> Matches;
    std::function<void(Form&)> Step;
    // Print job
    bool Cancel = false;
  };
  using Queue = std::list<Expectation>;

  void Add(Expectation e);
  void AddModal(std::string name, std::function<bool(Form&)> matches, std::function<void(Form&)> step);
  /// Takes the first expectation, keeping the insertion points valid.
  Expectation TakeFront();
  static std::string Describe(const Expectation& e);
  void Refused(std::string_view action, const Control& control);

  Queue Queue_;
  std::vector<Queue::iterator> InsertPoints_;
  std::vector<MessageBox> Messages_;
  std::vector<std::string> Modals_;
  std::vector<std::shared_ptr<print::Recorder>> Printed_;
  std::vector<HelpRequest> Help_;
  bool Ended_ = false;
};

}  // namespace forms::testing
