//===- Application.h - The program's one set of window-wide services ------===//
//
// VB kept a few things once per program: the App, Screen and Clipboard
// objects, the loaded windows and their default instances, the keys sent
// with SendKeys. Here they live in one Application object, which the
// program's main creates (with its front end) before any window and which
// tests create per test or Reset:
//
//   forms::ConsoleFrontEnd console;
//   forms::Application application(console);
//   forms::Default<MDIFrm>().Show();
//
// While it exists it is the current application (Application::Current()),
// which the free functions at the end (MsgBox, Unload, Default<F>, ...) use,
// so the system's code reads like its original. There is no other global.
//
// Default instances: Default<F>() answers the program's instance of window
// class F, making it (Initialize) at the first use. Unloading it releases
// it (Terminate): the next Default<F>() makes a new instance, whose Show
// runs Load again on a window in its design state. A released window is
// destroyed only when no handler is running any more (at the start of the
// next user action, or at Reset), so code after `Unload(*this)` still runs
// on a live object.
//
// Activation: showing a window makes it the active one; when the active
// window is hidden or unloaded, the top modal window, else the most
// recently active shown window, becomes active (its Activate runs again).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/forms/Form.h"
#include "platform/forms/FrontEnd.h"
#include "platform/forms/Keys.h"

namespace dao {
class Database;
}

namespace forms {

class MDIForm;

/// Thrown by End; it passes through the system's handlers (it is no
/// vb::Error nor std::exception) and stops at the user action or the main.
struct ProgramEnd {};

/// VB's App object: what the program knows of itself.
class AppObject {
 public:
  /// The program's folder (set by main).
  const std::string& Path() const { return Path_; }
  void SetPath(std::string_view path) { Path_ = std::string(path); }
  /// Whether another instance of the program is running (set by main from the host's check).
  bool PrevInstance() const { return PrevInstance_; }
  void SetPrevInstance(bool running) { PrevInstance_ = running; }
  /// The title that message boxes take when given none.
  const std::string& Title() const { return Title_; }
  void SetTitle(std::string_view title) { Title_ = std::string(title); }
  /// The help file that F1 opens.
  const std::string& HelpFile() const { return HelpFile_; }
  void SetHelpFile(std::string_view file) { HelpFile_ = std::string(file); }

 private:
  std::string Path_;
  bool PrevInstance_ = false;
  std::string Title_;
  std::string HelpFile_;
};

/// VB's Screen object: the mouse pointer and the active window.
class ScreenObject {
 public:
  explicit ScreenObject(class Application& app) : App_(&app) {}
  int MousePointer() const { return MousePointer_; }
  /// vbDefault, vbArrow or vbHourglass; the front end shows it at once.
  void SetMousePointer(int pointer);
  /// The active window, or nullptr.
  Form* ActiveForm() const;
  /// The focused control of the active window, or nullptr.
  Control* ActiveControl() const;

 private:
  class Application* App_;
  int MousePointer_ = vbDefault;
};

/// VB's Clipboard object (text only). The front end mirrors it with the
/// system clipboard both ways (ClipboardChanged out, SetText in).
class ClipboardObject {
 public:
  explicit ClipboardObject(class Application& app) : App_(&app) {}
  const std::string& GetText() const { return Text_; }
  void SetText(std::string_view text);
  void Clear() { SetText(""); }

 private:
  class Application* App_;
  std::string Text_;
};

/// Opens a database file for a data source control (DataControl.h).
using DatabaseOpener = std::function<std::shared_ptr<dao::Database>(const std::string& path)>;

class Application {
 public:
  /// Makes the current application; error if one exists already.
  explicit Application(FrontEnd& frontEnd);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  /// The current application; std::logic_error when there is none.
  static Application& Current();
  /// The current application, or nullptr.
  static Application* Find();

  FrontEnd& Front() const { return *Front_; }
  void SetFrontEnd(FrontEnd& frontEnd) { Front_ = &frontEnd; }
  AppObject& App() { return App_; }
  ScreenObject& Screen() { return Screen_; }
  ClipboardObject& Clipboard() { return Clipboard_; }

  /// The default instance of window class F, made at its first use.
  template <class F>
  F& Instance() {
    auto it = Defaults_.find(typeid(F));
    if (it != Defaults_.end()) return static_cast<F&>(*it->second);
    auto made = std::make_unique<F>();
    F& form = *made;
    Owned_.push_back(std::move(made));
    Defaults_.emplace(typeid(F), &form);
    Initialize(form);
    return form;
  }
  /// Whether window class F has a default instance now.
  template <class F>
  bool HasInstance() const {
    return Defaults_.count(typeid(F)) != 0;
  }
  /// VB's `Set F = Nothing`: the next Instance<F>() makes a new window. A
  /// loaded window stays loaded until it is unloaded.
  template <class F>
  void Release() {
    auto it = Defaults_.find(typeid(F));
    if (it == Defaults_.end()) return;
    Form* form = it->second;
    Defaults_.erase(it);
    if (!form->Loaded()) Retire(*form);
  }

  /// The loaded windows, in load order (VB's Forms collection).
  const std::vector<Form*>& Forms() const { return Forms_; }
  /// The active window, or nullptr.
  Form* ActiveForm() const { return Active_; }
  /// The loaded MDI frame, or nullptr.
  MDIForm* MDIFrame() const { return MDIFrame_; }
  /// The modal window on top, or nullptr.
  Form* TopModal() const { return Modal_.empty() ? nullptr : Modal_.back(); }

  /// VB's Load: loads `form` without showing it.
  void Load(Form& form);
  /// VB's Unload (see Form.h for the events); `mode` is QueryUnload's UnloadMode.
  void Unload(Form& form, int mode = vbFormCode);

  /// A message box; its answer (vbOK, vbYes, ...). Error 5 for buttons other
  /// than OK, OK/Cancel, Yes/No/Cancel and Yes/No.
  int MsgBox(std::string_view prompt, int style, std::string_view title);
  /// Queues keys for the active window; they are handled when the running
  /// user action's handlers are done (or at DoEvents), or at once when `wait`.
  void SendKeys(std::string_view keys, bool wait = false);
  /// Handles the queued keys and the front end's pending events; answers
  /// the number of loaded windows.
  int DoEvents();
  /// Ends the program at once: every window goes without events, and
  /// ProgramEnd is thrown.
  [[noreturn]] void End();
  bool Ended() const { return Ended_; }

  /// The width in pixels of `text` in the stock variable-pitch font: the
  /// front end's measure, or without a display 6 pixels a character.
  int StockFontTextWidth(std::string_view text) const;

  /// How data source controls open their DatabaseName (set by main).
  void SetDatabaseOpener(DatabaseOpener opener) { Opener_ = std::move(opener); }
  const DatabaseOpener& Opener() const { return Opener_; }

  /// Back to the state of a new application, for tests: every window is
  /// dropped without events (the front end is told, FormUnloaded), every
  /// default instance destroyed, App, Screen, Clipboard and the key queue
  /// cleared.
  void Reset();

  /// Whether the user may act on `form` now: loaded, shown, enabled, and not
  /// under a modal window.
  bool AcceptsInput(const Form& form) const;

 private:
  friend class Control;
  friend class Form;
  friend class Input;
  friend class ScreenObject;
  friend class ClipboardObject;

  /// Counts running model code; released windows are destroyed only at 0.
  struct Busy {
    explicit Busy(Application& a) : App(a) { ++App.Busy_; }
    ~Busy() { --App.Busy_; }
    Application& App;
  };

  void Initialize(Form& form);
  void Activate(Form& form);
  /// `form` stops being active: the most fitting other window becomes active.
  void ActivateNext(Form* leaving);
  void Deactivated(Form& form);
  void Hidden(Form& form);
  void FinishUnload(Form& form);
  bool RunUnloadHandler(Form& form);
  void RemoveModal(Form& form);
  void UpdateActiveChild();
  /// Drops a window the program no longer holds: Terminate, then destroyed later.
  void Retire(Form& form);
  void FlushRetired();
  void Forget(Form& form);
  void ProcessPendingKeys();
  void DropAllForms(bool notify);

  FrontEnd* Front_;
  AppObject App_;
  ScreenObject Screen_{*this};
  ClipboardObject Clipboard_{*this};
  DatabaseOpener Opener_;
  std::unordered_map<std::type_index, Form*> Defaults_;
  std::vector<std::unique_ptr<Form>> Owned_;
  std::vector<std::unique_ptr<Form>> Retired_;
  std::vector<Form*> Forms_;
  std::vector<Form*> ZOrder_;  // shown windows, the most recently active last
  std::vector<Form*> Modal_;
  Form* Active_ = nullptr;
  MDIForm* MDIFrame_ = nullptr;
  std::deque<KeyStroke> PendingKeys_;
  bool ProcessingKeys_ = false;
  int Busy_ = 0;
  bool Ended_ = false;
};

// VB's statements and functions, over the current application.

/// The default instance of window class F (VB's bare form name).
template <class F>
F& Default() {
  return Application::Current().Instance<F>();
}
/// Unloads the default instance of F, if there is one.
template <class F>
void Unload() {
  auto& app = Application::Current();
  if (app.HasInstance<F>()) app.Unload(app.Instance<F>());
}
void Load(Form& form);
void Unload(Form& form);
/// MsgBox; the title defaults to App.Title.
int MsgBox(std::string_view prompt, int style = vbOKOnly, std::optional<std::string_view> title = std::nullopt);
void SendKeys(std::string_view keys, bool wait = false);
int DoEvents();
[[noreturn]] void End();
/// The width in pixels of `text` in the stock variable-pitch font (see Application).
int StockFontTextWidth(std::string_view text);
AppObject& App();
ScreenObject& Screen();
ClipboardObject& Clipboard();

}  // namespace forms
