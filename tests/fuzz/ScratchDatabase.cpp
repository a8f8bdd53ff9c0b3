#include "tests/fuzz/ScratchDatabase.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kr::fuzz {

namespace {

// The folder, removed with everything in it when the process ends.
struct Folder {
  Folder() {
    const std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
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
  auto db = ScratchEngine().Workspaces(0).CreateDatabase(ScratchFolder() + "/" + std::string(name));
  for (std::string_view sql : statements) db->Execute(sql, dao::dbFailOnError);
  return db;
}

}  // namespace kr::fuzz
