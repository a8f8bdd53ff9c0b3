#include "tests/support/CrashHarness.h"

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <thread>

#include "platform/db/JetFunctions.h"

namespace kr::testing {
namespace {

using Clock = std::chrono::steady_clock;

// Starts the program with its standard error into a fresh temporary file.
pid_t Start(const ProgramRun& run, std::FILE* errors) {
  std::vector<std::string> arguments{run.Path};
  arguments.insert(arguments.end(), run.Arguments.begin(), run.Arguments.end());
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // nothing left behind by a test that dies
    for (const auto& [name, value] : run.Environment) {
      if (value != nullptr) {
        ::setenv(name.c_str(), value, 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
    ::dup2(::fileno(errors), STDERR_FILENO);
    ::execv(run.Path.c_str(), argv.data());
    ::_exit(127);
  }
  return pid;
}

// Waits for the program until `deadline`, then kills it; how it ended.
RunEnd Finish(pid_t pid, Clock::time_point started, Clock::time_point deadline, std::FILE* errors) {
  RunEnd end;
  int status = 0;
  pid_t done = 0;
  while ((done = ::waitpid(pid, &status, WNOHANG)) == 0 && Clock::now() < deadline) {
    std::this_thread::sleep_until(std::min(deadline, Clock::now() + std::chrono::milliseconds(2)));
  }
  if (done == 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
  }
  end.Took = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
  end.Killed = WIFSIGNALED(status);
  end.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::rewind(errors);
  char buffer[512];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, errors)) > 0;) end.Errors.append(buffer, n);
  std::fclose(errors);
  return end;
}

RunEnd Run(const ProgramRun& run, std::chrono::microseconds limit) {
  std::FILE* errors = std::tmpfile();
  if (errors == nullptr) throw std::runtime_error("no temporary file");
  const Clock::time_point started = Clock::now();
  pid_t pid = Start(run, errors);
  return Finish(pid, started, started + limit, errors);
}

// An open database file with the layer's functions, closed when it goes.
class Handle {
 public:
  explicit Handle(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &Db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      throw std::runtime_error("cannot open " + path);
    }
    dao::detail::RegisterJetFunctions(Db_);
  }
  ~Handle() { sqlite3_close_v2(Db_); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  // Each row of `sql`, its values joined by "|", each as its SQLite type and text.
  std::vector<std::string> Rows(const std::string& sql) const {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(sqlite3_errmsg(Db_));
    }
    std::vector<std::string> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      std::string row;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        static constexpr const char* kTypes[] = {"?", "i:", "r:", "t:", "b:", "null"};
        const int type = sqlite3_column_type(stmt, i);
        row += (i ? "|" : "") + std::string(kTypes[type]);
        if (type != SQLITE_NULL) {
          row.append(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                     static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
        }
      }
      rows.push_back(std::move(row));
    }
    const std::string error = rc == SQLITE_DONE ? "" : sqlite3_errmsg(Db_);
    sqlite3_finalize(stmt);
    if (!error.empty()) throw std::runtime_error(error);
    return rows;
  }

 private:
  sqlite3* Db_ = nullptr;
};

std::string QuotedName(const std::string& name) {
  std::string out = "\"";
  for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

}  // namespace

RunEnd RunToEnd(const ProgramRun& run, std::chrono::milliseconds limit) { return Run(run, limit); }

RunEnd RunAndKill(const ProgramRun& run, std::chrono::microseconds after) { return Run(run, after); }

std::vector<std::chrono::microseconds> KillMoments(int count, std::chrono::microseconds span, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::chrono::microseconds> moments;
  const double slice = static_cast<double>(span.count()) / std::max(count, 1);
  std::uniform_real_distribution<double> within(0.0, 1.0);
  for (int i = 0; i < count; ++i) {
    moments.emplace_back(static_cast<std::int64_t>(slice * (i + within(random))));
  }
  return moments;
}

DatabaseImage ReadImage(const std::string& path) {
  Handle db(path);
  DatabaseImage image;
  for (const std::string& entry : db.Rows("SELECT type, name, sql FROM sqlite_schema ORDER BY name")) {
    // "t:table|t:NAME|t:CREATE ..." (an automatic index has no sql)
    const std::size_t first = entry.find('|');
    const std::size_t second = entry.find('|', first + 1);
    const std::string type = entry.substr(2, first - 2);
    const std::string name = entry.substr(first + 3, second - first - 3);
    image.Schema[name] = entry.substr(second + 1);
    if (type == "table" && name.rfind("sqlite_", 0) != 0) {
      std::vector<std::string> rows = db.Rows("SELECT * FROM " + QuotedName(name));
      std::sort(rows.begin(), rows.end());
      image.Rows[name] = std::move(rows);
    }
  }
  return image;
}

std::string IntegrityCheck(const std::string& path) {
  Handle db(path);
  std::string result;
  for (const std::string& row : db.Rows("PRAGMA integrity_check")) {
    result += (result.empty() ? "" : "\n") + row.substr(2);
  }
  return result;
}

std::vector<std::string> Differences(const DatabaseImage& expected, const DatabaseImage& actual) {
  std::vector<std::string> out;
  for (const auto& [name, sql] : expected.Schema) {
    auto it = actual.Schema.find(name);
    if (it == actual.Schema.end()) {
      out.push_back("missing: " + name);
    } else if (it->second != sql) {
      out.push_back("definition of " + name + ": " + it->second + " instead of " + sql);
    }
  }
  for (const auto& [name, sql] : actual.Schema) {
    if (!expected.Schema.contains(name)) out.push_back("not expected: " + name);
  }
  for (const auto& [table, rows] : expected.Rows) {
    auto it = actual.Rows.find(table);
    if (it == actual.Rows.end()) continue;  // told above
    std::vector<std::string> lost, extra;
    std::set_difference(rows.begin(), rows.end(), it->second.begin(), it->second.end(), std::back_inserter(lost));
    std::set_difference(it->second.begin(), it->second.end(), rows.begin(), rows.end(), std::back_inserter(extra));
    for (const std::string& row : lost) out.push_back(table + " lacks " + row);
    for (const std::string& row : extra) out.push_back(table + " has besides " + row);
  }
  return out;
}

}  // namespace kr::testing
