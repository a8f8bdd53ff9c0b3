#include "tests/fuzz/ScratchDatabase.h"

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kr::fuzz {

namespace {

// The folder, removed with everything in it when the process ends.
struct Folder {
  Folder() {
    // libFuzzer ends a run without the destructors at times: make fuzz names
    // a folder of its own, which it removes itself.
    const char* named = std::getenv("KR_FUZZ_SCRATCH");
    const std::string base = named != nullptr && *named != '\0'          ? named
                             : std::filesystem::is_directory("/dev/shm") ? "/dev/shm"
                                                                         : "/tmp";
    Path = base + "/kr-fuzz-XXXXXX";
    if (::mkdtemp(Path.data()) == nullptr) std::abort();
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::string Path;
};

}  // namespace

const std::string& ScratchFolder() {
  static const Folder folder;
  return folder.Path;
}

dao::DBEngine& ScratchEngine() {
  static dao::DBEngine engine;
  return engine;
}

std::shared_ptr<dao::Database> MakeDatabase(std::string_view name, std::initializer_list<std::string_view> statements) {
  const std::string path = ScratchFolder() + "/" + std::string(name);
  {
    auto db = ScratchEngine().Workspaces(0).CreateDatabase(path);
    for (std::string_view sql : statements) db->Execute(sql, dao::dbFailOnError);
  }
  UseWriteAheadLog(path);
  return ScratchEngine().Workspaces(0).OpenDatabase(path);
}

void UseWriteAheadLog(const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK ||
      sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK) {
    std::abort();
  }
  sqlite3_close(db);
}

}  // namespace kr::fuzz
