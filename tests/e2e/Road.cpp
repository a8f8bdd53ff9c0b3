#include "tests/e2e/Road.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/inicio/Producto.h"
#include "host/HostWindow.h"
#include "platform/db/Engine.h"
#include "platform/text/Error.h"
#include "platform/text/Variant.h"

extern char** environ;

namespace kr::e2e {
namespace {

namespace fs = std::filesystem;
using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// The folder of the running test's pictures, emptied.
std::string TestOutputFolder() {
  std::string name = "sin-prueba";
  if (const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
    // A case of a test run both ways ("Desktops/Suite", "Test/Openbox") is "Suite.Test.Openbox".
    std::string suite = test->test_suite_name();
    suite.erase(0, suite.find('/') + 1);
    name = suite + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '.');
  }
  fs::path folder = fs::path(KR_E2E_OUTPUT) / name;
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder, ec);
  return folder.string();
}

// The parent process and the name of a process, from /proc.
bool ReadStat(pid_t pid, pid_t& parent, std::string& name) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string stat;
  if (!std::getline(in, stat)) return false;
  std::size_t open = stat.find('('), close = stat.rfind(')');
  if (open == std::string::npos || close == std::string::npos) return false;
  name = stat.substr(open + 1, close - open - 1);
  std::istringstream rest(stat.substr(close + 2));
  char state = 0;
  rest >> state >> parent;
  return state != 'Z' && state != 'X';
}

// Ends `pid`, which need not be our child: politely, then for sure. Only the
// clean-up after a test waits here, and a slow end is no failure: the grace
// stays short.
void EndProcess(pid_t pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  auto gone = [pid] {
    pid_t parent = 0;
    std::string name;
    return !ReadStat(pid, parent, name);
  };
  if (!WaitUntil(gone, std::chrono::seconds(5))) ::kill(pid, SIGKILL);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return true;
}

Road::Road(testing::Manager manager) : Server_(manager, "1024x768x24"), Output_(TestOutputFolder()) {
  ::chmod(Runtime_.Path().c_str(), 0700);
  if (Server_.Ready()) Desktop_ = std::make_unique<Desktop>(Server_.Display());
}

Road::~Road() {
  if (std::optional<pid_t> kr917 = KR917Process()) EndProcess(*kr917);
  testing::Xvfb::Stop(Host_);
}

bool Road::Ready() const { return Desktop_ != nullptr && Desktop_->Connected() && Desktop_->CanSendInput(); }

std::string Road::Why() const {
  if (Desktop_ == nullptr) return Server_.Why();
  if (!Desktop_->Connected()) return "the Xvfb server does not answer";
  return "the Xvfb server has no XTEST extension";
}

AssertionResult Road::StartHost() {
  std::vector<std::string> settings{"DISPLAY=" + Server_.Display(), "QT_QPA_PLATFORM=xcb",
                                    "XDG_RUNTIME_DIR=" + Runtime_.Path()};
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry = *e;
    for (const char* replaced : {"DISPLAY=", "QT_QPA_PLATFORM=", "WAYLAND_DISPLAY=", "XDG_RUNTIME_DIR="}) {
      if (entry.rfind(replaced, 0) == 0) entry.clear();
    }
    if (!entry.empty()) settings.push_back(entry);
  }
  std::vector<char*> env;
  for (std::string& s : settings) env.push_back(s.data());
  env.push_back(nullptr);
  std::string program = KR_DEXLORA;
  std::string root = Sample_.Layout().Root;
  std::string log = (fs::path(Output_) / "host.log").string();
  Host_ = ::fork();
  if (Host_ < 0) return AssertionFailure() << "fork failed";
  if (Host_ == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // no host left behind by a test that dies
    int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) ::dup2(out, STDOUT_FILENO);
    char* argv[] = {program.data(), root.data(), nullptr};
    ::execve(program.c_str(), argv, env.data());
    ::_exit(127);
  }
  AssertionResult shown = WaitForWindow(dexlora::kHostTitle);
  Shot("dexlora");
  return shown;
}

AssertionResult Road::InstallTables() {
  if (AssertionResult focused = ClickIn(dexlora::kHostTitle, {24, 16}); !focused) return focused;
  Screen().Press("alt+l");
  return WaitForHostStatus("LUD917 terminó con código 0.");
}

AssertionResult Road::StartKR917() {
  // The installation line at the window's top left: a click there changes nothing but the focus.
  if (AssertionResult focused = ClickIn(dexlora::kHostTitle, {24, 16}); !focused) return focused;
  Screen().Press("alt+k");
  ScreenWindow& main = MainShown_;
  AssertionResult shown = WaitForWindow(app::kTituloVentana, &main);
  // The program gives its window the keyboard; keys sent before would go to the host.
  if (shown && !WaitUntil([&] { return Screen().HasFocus(main); })) {
    shown = AssertionFailure() << "KR917's window did not take the keyboard";
  }
  Shot("kr917");
  return shown;
}

AssertionResult Road::ChooseMenu(std::string_view menu, std::string_view item) {
  Screen().Press("alt+" + std::string(menu));
  if (!WaitUntil([this] { return Screen().MenuOpen(); })) {
    Shot("menu-" + std::string(menu));
    return AssertionFailure() << "Alt+" << menu << " opened no menu";
  }
  Shot("menu-" + std::string(menu));
  Screen().Press(item);
  if (!WaitUntil([this] { return !Screen().MenuOpen(); })) {
    return AssertionFailure() << "the menu of Alt+" << menu << " stayed open after " << item;
  }
  return AssertionSuccess();
}

AssertionResult Road::WaitForWindow(std::string_view title, ScreenWindow* found) {
  std::optional<ScreenWindow> window;
  if (!WaitUntil([&] { return (window = Screen().Find(title)).has_value(); })) {
    std::string titles;
    for (const ScreenWindow& w : Screen().Windows()) titles += " \"" + w.Title + "\"";
    return AssertionFailure() << "no window titled \"" << title << "\" appeared; on screen:" << titles;
  }
  if (found != nullptr) *found = *window;
  // A manager gives a window that appears the keyboard a moment after;
  // keys sent before would reach the one below.
  return Framed() ? WaitForKeyboard(title) : AssertionSuccess();
}

AssertionResult Road::WaitForWindows(std::string_view title, std::size_t count) {
  std::size_t seen = 0;
  if (!WaitUntil([&] {
        seen = 0;
        for (const ScreenWindow& w : Screen().Windows()) seen += w.Title == title ? 1 : 0;
        return seen == count;
      })) {
    return AssertionFailure() << seen << " windows titled \"" << title << "\" on screen, not " << count;
  }
  // Under a manager, also the window that comes back on top when a box closes.
  return Framed() && count > 0 ? WaitForKeyboard(title) : AssertionSuccess();
}

AssertionResult Road::WaitForKeyboard(std::string_view title) {
  if (!WaitUntil([&] {
        std::optional<ScreenWindow> window = Screen().Find(title);
        return window.has_value() && Screen().HasFocus(*window);
      })) {
    return AssertionFailure() << "the window titled \"" << title << "\" never got the keyboard";
  }
  return AssertionSuccess();
}

AssertionResult Road::WaitForNoWindow(std::string_view title) {
  if (!WaitUntil([&] { return !Screen().Find(title).has_value(); })) {
    return AssertionFailure() << "the window titled \"" << title << "\" stayed on screen";
  }
  return AssertionSuccess();
}

AssertionResult Road::ClickIn(std::string_view title, Point at) {
  ScreenWindow window;
  if (AssertionResult shown = WaitForWindow(title, &window); !shown) return shown;
  Screen().Click(window, at);
  if (!WaitUntil([&] { return Screen().HasFocus(window); })) {
    return AssertionFailure() << "a click did not give the keyboard to \"" << title << "\"";
  }
  return AssertionSuccess();
}

AssertionResult Road::WaitForKR917End() {
  if (!WaitUntil([this] { return !KR917Process().has_value(); })) {
    return AssertionFailure() << "KR917 is still running";
  }
  return AssertionSuccess();
}

AssertionResult Road::WaitForHostStatus(std::string_view line) {
  const std::string log = (fs::path(Output_) / "host.log").string();
  auto told = [&] {
    std::ifstream in(log);
    for (std::string read; std::getline(in, read);) {
      if (read == line) return true;
    }
    return false;
  };
  if (!WaitUntil(told)) return AssertionFailure() << "the host never said \"" << line << "\" (see " << log << ")";
  return AssertionSuccess();
}

AssertionResult Road::WaitForFile(const std::string& path) {
  if (!WaitUntil([&] {
        std::error_code ec;
        return fs::file_size(path, ec) > 0 && !ec;
      })) {
    return AssertionFailure() << "no file " << path << " was written";
  }
  return AssertionSuccess();
}

AssertionResult Road::WaitForRows(std::string_view sql, std::size_t count) {
  std::size_t read = 0;
  std::string last;
  bool found = WaitUntil([&] {
    try {
      read = Rows(sql).size();
    } catch (const vb::Error& e) {
      last = e.Description();  // locked while the program writes: read again
      return false;
    }
    return read == count;
  });
  if (!found) return AssertionFailure() << sql << " read " << read << " rows, not " << count << " " << last;
  return AssertionSuccess();
}

std::optional<pid_t> Road::KR917Process() const {
  if (Host_ <= 0) return std::nullopt;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc", ec)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    pid_t pid = std::stoi(name), parent = 0;
    std::string command;
    if (ReadStat(pid, parent, command) && parent == Host_ && command == "KR917") return pid;
  }
  return std::nullopt;
}

std::string Road::Shot(std::string_view step) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d-", ++Steps_);
  return SettledShot((fs::path(Output_) / (number + std::string(step) + ".png")).string());
}

std::string Road::SettledShot(const std::string& path) {
  // Qt paints after the server maps a window; a picture taken before would
  // show an empty frame. A screen that never settles (a caret blinking) still
  // gets its picture after a while: the picture is a record, not a check.
  std::vector<unsigned int> before = Screen().ScreenPixels();
  WaitUntil(
      [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(75));
        std::vector<unsigned int> now = Screen().ScreenPixels();
        bool settled = now == before;
        before = std::move(now);
        return settled;
      },
      std::chrono::seconds(5));
  if (!Screen().SaveScreen(path)) ADD_FAILURE() << "could not save " << path;
  return path;
}

std::vector<std::vector<std::string>> Road::Rows(std::string_view sql) const {
  dao::DBEngine engine;
  std::shared_ptr<dao::Database> db = Sample_.Open(engine);
  std::vector<std::vector<std::string>> rows;
  {
    std::shared_ptr<dao::Recordset> rs = db->OpenRecordset(sql, dao::dbOpenSnapshot);
    while (!rs->EOF_()) {
      std::vector<std::string> row;
      for (int i = 0; i < rs->Fields().Count(); ++i) row.push_back(vb::TextOf(rs->Fields(i).Value()));
      rows.push_back(std::move(row));
      rs->MoveNext();
    }
    rs->Close();
  }
  db->Close();
  return rows;
}

}  // namespace kr::e2e
