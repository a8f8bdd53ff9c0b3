// Fuzz target: the workgroup file's reader. Input: the file's bytes, a user
// and a password, separated by 0x1F. Checking the account ends in the
// account, in 3028 (the file is missing, not one or damaged) or in 3029 (no
// such account, or a wrong password), never in another error, and within
// the costs the system writes (a hash that asks more is a damaged file, so
// no input makes the check run long or allocate much). An account answered
// is the one asked for, and the file holds its line.
#include <cstdint>
#include <fstream>
#include <string>

#include "platform/db/JetError.h"
#include "platform/db/Workgroup.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ScratchDatabase.h"

namespace {

using kr::fuzz::Require;

const std::string& FilePath() {
  static const std::string path = kr::fuzz::ScratchFolder() + "/KR000.MDW";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto parts = kr::fuzz::Parts(kr::fuzz::Text(data, size), 3);
  const std::string_view bytes = parts[0], user = parts[1], password = parts[2];
  {
    std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out), "the scratch file is written");
  }
  try {
    const dao::WorkgroupAccount account = dao::CheckWorkgroupAccount(FilePath(), user, password);
    Require(vb::UCase(account.User) == vb::UCase(user), "the account answered is the one asked for");
    Require(bytes.find("account\t" + account.User + "\t") != std::string_view::npos, "the file holds the account");
  } catch (const vb::Error& e) {
    kr::fuzz::RequireError(e.Number(), {dao::ErrWorkgroupMissing, dao::ErrAccountRefused}, "CheckWorkgroupAccount");
  }
  return 0;
}
