#include "tests/e2e/PrinterQueue.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "tests/e2e/Road.h"
#include "tests/support/Xvfb.h"

namespace kr::e2e {
namespace {

namespace fs = std::filesystem;

constexpr char kCupsd[] = "/usr/sbin/cupsd";
constexpr char kBackend[] = "/usr/lib/cups/backend/cups-pdf";
constexpr char kDriver[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
// Where cups-pdf looks for its configuration: its own path, not the server's.
constexpr char kPdfConfigFolder[] = "/etc/cups";

// The private server's rules after its one socket in the scratch folder:
// whoever reaches the socket may print and manage queues.
constexpr char kServerRules[] =
    "LogLevel info\n"
    "Browsing No\n"
    "WebInterface No\n"
    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
    "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";

// How long a server may take to answer once started, on a loaded machine.
constexpr std::chrono::seconds kStart{180};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The last `size` characters of a file, headed by its name.
std::string Tail(const std::string& path, std::size_t size = 3000) {
  const std::string text = ReadAll(path);
  if (text.empty()) return {};
  return "--- " + path + "\n" + (text.size() > size ? text.substr(text.size() - size) : text) + "\n";
}

// Starts `argv` in the background with its output in `log`; its process id.
pid_t Start(std::vector<std::string> argv, const std::string& log) {
  std::vector<char*> args;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // no server left behind by a test that dies
    const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      ::dup2(out, STDOUT_FILENO);
      ::dup2(out, STDERR_FILENO);
    }
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  return pid;
}

bool Ended(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == pid; }

// The output folder a cups-pdf configuration file names for this user's
// jobs: its "Out", with ${HOME} and ${USER} filled in.
std::string OutputFolderOf(const std::string& config) {
  std::string out = "/var/spool/cups-pdf/${USER}";  // cups-pdf's own default
  std::ifstream in(config);
  for (std::string line; std::getline(in, line);) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, 3, "Out") != 0) continue;
    const std::size_t value = line.find_first_not_of(" \t", start + 3);
    if (value == start + 3 || value == std::string::npos) continue;  // another key, or no value
    out = line.substr(value, line.find_last_not_of(" \t\r") + 1 - value);
  }
  const passwd* user = ::getpwuid(::geteuid());
  for (const auto& [key, with] : {std::pair<std::string, std::string>{"${HOME}", user ? user->pw_dir : ""},
                                  std::pair<std::string, std::string>{"${USER}", user ? user->pw_name : ""}}) {
    for (std::size_t at; (at = out.find(key)) != std::string::npos;) out.replace(at, key.size(), with);
  }
  return out;
}

}  // namespace

PrinterQueue::PrinterQueue() : Name_("KR917-" + std::to_string(::getpid())) {
  for (const char* needed : {kCupsd, kBackend, kDriver, "/usr/sbin/lpadmin", "/usr/bin/lpstat"}) {
    if (!fs::exists(needed)) {
      Why_ = std::string(needed) + " is missing: cups, cups-bsd and printer-driver-cups-pdf are not installed";
      return;
    }
  }
  // The server's filters run as its own user and read the spool below the folder.
  ::chmod(Folder_.Path().c_str(), 0711);
  if (!StartPrivateServer() && !UseSystemServer()) return;
  Ready_ = AddQueue();
}

PrinterQueue::~PrinterQueue() {
  if (Added_) Run("lpadmin -x '" + Name_ + "'");
  if (!OwnConfig_.empty()) {
    std::error_code ec;
    fs::remove(OwnConfig_, ec);
  } else {
    // Outside a folder of its own, the queue's PDFs go with it.
    for (const std::string& pdf : NewPdfs()) {
      std::error_code ec;
      fs::remove(pdf, ec);
    }
  }
  testing::Xvfb::Stop(Scheduler_);
}

bool PrinterQueue::StartPrivateServer() {
  if (::geteuid() != 0) {
    Why_ = "a private CUPS server needs root to run cups-pdf, ";
    return false;
  }
  for (const char* sub : {"conf", "spool/tmp", "cache", "state", "log"}) Folder_.MakeFolder(sub);
  const std::string& f = Folder_.Path();
  Folder_.Write("conf/cupsd.conf", "Listen " + f + "/cups.sock\n" + kServerRules);
  // Every folder of the server's own below the scratch folder; its programs are the system's.
  const std::pair<const char*, std::string> files[] = {
      {"ServerRoot", f + "/conf"},
      {"ServerBin", "/usr/lib/cups"},
      {"DataDir", "/usr/share/cups"},
      {"DocumentRoot", "/usr/share/cups/doc-root"},
      {"RequestRoot", f + "/spool"},
      {"TempDir", f + "/spool/tmp"},
      {"CacheDir", f + "/cache"},
      {"StateDir", f + "/state"},
      {"Printcap", f + "/printcap"},
      {"ErrorLog", f + "/log/error_log"},
      {"AccessLog", f + "/log/access_log"},
      {"PageLog", f + "/log/page_log"},
      {"SystemGroup", "root"},
      {"FileDevice", "No"},
  };
  std::string lines;
  for (const auto& [key, value] : files) lines += std::string(key) + " " + value + "\n";
  Folder_.Write("conf/cups-files.conf", lines);
  Server_ = f + "/cups.sock";
  Scheduler_ =
      Start({kCupsd, "-f", "-c", f + "/conf/cupsd.conf", "-s", f + "/conf/cups-files.conf"}, f + "/log/cupsd.log");
  bool ended = false;
  if (Scheduler_ > 0 && WaitUntil([&] { return (ended = Ended(Scheduler_)) || SchedulerRuns(); }, kStart) && !ended) {
    return true;
  }
  Why_ = "the private CUPS server did not start (" + Logs() + "), ";
  if (!ended) testing::Xvfb::Stop(Scheduler_);
  Scheduler_ = -1;
  Server_.clear();
  return false;
}

bool PrinterQueue::UseSystemServer() {
  // The server the user's programs reach: the environment's, else the default one.
  if (const char* server = std::getenv("CUPS_SERVER")) Server_ = server;
  if (SchedulerRuns()) return true;
  Server_.clear();
  if (::geteuid() != 0) {
    Why_ += "and no system CUPS server runs";
    return false;
  }
  Scheduler_ = Start({kCupsd, "-f"}, Folder_ / "cupsd.log");
  bool ended = false;
  if (Scheduler_ > 0 && WaitUntil([&] { return (ended = Ended(Scheduler_)) || SchedulerRuns(); }, kStart) && !ended) {
    return true;
  }
  Why_ += "and the system's CUPS server did not start either: " + ReadAll(Folder_ / "cupsd.log");
  if (!ended) testing::Xvfb::Stop(Scheduler_);
  Scheduler_ = -1;
  return false;
}

bool PrinterQueue::AddQueue() {
  std::string device = "cups-pdf:/";
  std::string config = std::string(kPdfConfigFolder) + "/cups-pdf.conf";
  if (::access(kPdfConfigFolder, W_OK) == 0) {
    // A configuration of the queue's own sends its PDFs and its log into the folder.
    Folder_.MakeFolder("pdf");
    OwnConfig_ = std::string(kPdfConfigFolder) + "/cups-pdf-" + Name_ + ".conf";
    std::ofstream(OwnConfig_) << "Out " << (Folder_ / "pdf") << "\nLog " << (Folder_ / "log") << "\n";
    device += Name_;
    config = OwnConfig_;
  }
  Output_ = OutputFolderOf(config);
  Before_.clear();
  for (const std::string& pdf : NewPdfs()) Before_.insert(pdf);
  std::string output;
  // The PostScript for cups-pdf comes from cairo: Ghostscript, the default,
  // makes the fonts bitmaps, and the PDF's text could not be read back.
  if (Run("lpadmin -p '" + Name_ + "' -E -v '" + device + "' -P '" + kDriver +
              "' -o pdftops-renderer-default=pdftocairo",
          &output) != 0) {
    Why_ = "lpadmin could not add the queue: " + output;
    return false;
  }
  Added_ = true;
  if (!Server_.empty()) Run("lpadmin -d '" + Name_ + "'");
  return true;
}

std::vector<std::string> PrinterQueue::WaitForPdfs(std::chrono::seconds deadline) {
  auto lines = [this](const std::string& command) {
    std::string output;
    return Run(command, &output) == 0 ? output : std::string("?");
  };
  // Done: a job was sent, it ended (printed or refused), and none waits.
  const bool done = WaitUntil(
      [&] {
        return !lines("lpstat -W completed -o '" + Name_ + "'").empty() && lines("lpstat -o '" + Name_ + "'").empty();
      },
      deadline);
  return done ? NewPdfs() : std::vector<std::string>{};
}

std::string PrinterQueue::Logs() const {
  return Tail(Folder_ / "log/cupsd.log") + Tail(Folder_ / "log/error_log") +
         Tail(Folder_ / ("log/cups-pdf-" + Name_ + "_log"));
}

int PrinterQueue::Run(const std::string& command, std::string* output) const {
  const std::string line =
      (Server_.empty() ? std::string("env -u CUPS_SERVER ") : "env CUPS_SERVER='" + Server_ + "' ") + command + " 2>&1";
  FILE* pipe = ::popen(line.c_str(), "r");
  if (pipe == nullptr) return -1;
  std::string text;
  char buffer[512];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  const int status = ::pclose(pipe);
  if (output != nullptr) *output = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool PrinterQueue::SchedulerRuns() const {
  std::string output;
  return Run("lpstat -r", &output) == 0 && output.find("scheduler is running") != std::string::npos;
}

std::vector<std::string> PrinterQueue::NewPdfs() const {
  std::vector<std::string> pdfs;
  std::error_code ec;
  for (fs::directory_iterator it(Output_, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string path = it->path().string();
    if (it->path().extension() == ".pdf" && it->is_regular_file(ec) && Before_.count(path) == 0) pdfs.push_back(path);
  }
  std::sort(pdfs.begin(), pdfs.end());
  return pdfs;
}

}  // namespace kr::e2e
