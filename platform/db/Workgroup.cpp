#include "platform/db/Workgroup.h"

#include <sodium.h>
#include <unistd.h>

#include <vector>

#include "platform/db/JetError.h"
#include "platform/files/NativePath.h"
#include "platform/files/WholeFile.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace dao {
namespace {

constexpr std::string_view kHeader = "KR-WORKGROUP 1";
constexpr unsigned long long kOpsLimit = 4;
constexpr std::size_t kMemLimit = 9u << 20;

// The costs a hash may ask for: this system's own within a factor of 8
// either way, so a file keeps verifying when the costs above change, and a
// file that asks more (every start would allocate and hash that much before
// any answer) or less is damaged.
constexpr unsigned long kCostFactor = 8;
constexpr unsigned long kMostPasses = kOpsLimit * kCostFactor;
constexpr unsigned long kMostKiB = (kMemLimit >> 10) * kCostFactor;

// A password's bytes for the hash functions, which take no null pointer,
// not even for no bytes at all (an empty view may have one).
const char* Bytes(std::string_view password) { return password.empty() ? "" : password.data(); }
constexpr unsigned long kLeastKiB = (kMemLimit >> 10) / kCostFactor;

struct Entry {
  std::string User;
  bool MayCreate = false;
  std::string Hash;
};

void EnsureSodium() {
  if (sodium_init() < 0) vb::Raise(vb::ErrOutOfMemory);
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

// Takes the decimal number at the start of `text` (at most 10 digits), then `next`.
bool TakeNumber(std::string_view& text, unsigned long& value, std::string_view next) {
  std::size_t digits = 0;
  value = 0;
  while (digits < text.size() && digits < 10 && text[digits] >= '0' && text[digits] <= '9') {
    value = value * 10 + static_cast<unsigned long>(text[digits++] - '0');
  }
  if (digits == 0 || !text.substr(digits).starts_with(next)) return false;
  text.remove_prefix(digits + next.size());
  return true;
}

// Whether the hash's own cost parameters ("$argon2id$v=19$m=9216,t=4,p=1$...")
// lie within what this system writes; read before anything is hashed.
bool CostsWithinRange(std::string_view hash) {
  constexpr std::string_view kPrefix = "$argon2id$v=19$m=";
  if (!hash.starts_with(kPrefix)) return false;
  hash.remove_prefix(kPrefix.size());
  unsigned long memoryKiB = 0, passes = 0, lanes = 0;
  if (!TakeNumber(hash, memoryKiB, ",t=") || !TakeNumber(hash, passes, ",p=") || !TakeNumber(hash, lanes, "$")) {
    return false;
  }
  return kLeastKiB <= memoryKiB && memoryKiB <= kMostKiB && 1 <= passes && passes <= kMostPasses && lanes == 1;
}

// The accounts of the file; 3028 when it is missing, unreadable, not ours or damaged.
std::vector<Entry> ReadEntries(std::string_view path) {
  EnsureSodium();
  std::string bytes;
  try {
    bytes = vb::ReadFileBytes(path);
  } catch (const vb::Error&) {
    RaiseJet(ErrWorkgroupMissing);
  }
  // Every line ends with its "\n": a file cut short lacks the last one.
  if (!bytes.ends_with('\n')) RaiseJet(ErrWorkgroupMissing);
  std::vector<std::string_view> lines = Split(std::string_view(bytes).substr(0, bytes.size() - 1), '\n');
  if (lines.front() != kHeader) RaiseJet(ErrWorkgroupMissing);
  std::vector<Entry> entries;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    std::vector<std::string_view> fields = Split(lines[i], '\t');
    if (fields.size() != 4 || fields[0] != "account") RaiseJet(ErrWorkgroupMissing);
    Entry entry{std::string(fields[1]), fields[2] == "create", std::string(fields[3])};
    // A damaged hash is a damaged file, not a wrong password. The hash's own
    // reader takes a shortened digest whose last bits happen to be zero, so
    // its length is checked too: 32 bytes, 43 characters unpadded.
    constexpr std::size_t kDigestChars = 43;
    const std::size_t digest = entry.Hash.rfind('$');
    if (!CostsWithinRange(entry.Hash) ||
        crypto_pwhash_str_needs_rehash(entry.Hash.c_str(), kOpsLimit, kMemLimit) < 0 || digest == std::string::npos ||
        entry.Hash.size() - digest - 1 != kDigestChars) {
      RaiseJet(ErrWorkgroupMissing);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

void WriteEntries(std::string_view path, const std::vector<Entry>& entries) {
  std::string out(kHeader);
  out += '\n';
  for (const Entry& e : entries) {
    out += "account\t" + e.User + '\t' + (e.MayCreate ? "create" : "-") + '\t' + e.Hash + '\n';
  }
  vb::WriteFileAtomically(path, out);
}

bool SameUser(std::string_view a, std::string_view b) { return vb::UCase(a) == vb::UCase(b); }

}  // namespace

void CreateWorkgroupFile(std::string_view path) {
  std::string native = vb::NativePath(path);
  if (::access(native.c_str(), F_OK) == 0) vb::Raise(58);
  WriteEntries(path, {});
}

void SetWorkgroupAccount(std::string_view path, std::string_view user, std::string_view password,
                         bool mayCreateTables) {
  if (user.empty() || user.find_first_of("\t\r\n") != std::string_view::npos) vb::Raise(vb::ErrInvalidCall);
  EnsureSodium();
  std::vector<Entry> entries = ReadEntries(path);
  char hash[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(hash, Bytes(password), password.size(), kOpsLimit, kMemLimit) != 0) {
    vb::Raise(vb::ErrOutOfMemory);
  }
  Entry updated{std::string(user), mayCreateTables, hash};
  bool replaced = false;
  for (Entry& e : entries) {
    if (SameUser(e.User, user)) {
      e = updated;
      replaced = true;
    }
  }
  if (!replaced) entries.push_back(updated);
  WriteEntries(path, entries);
}

WorkgroupAccount CheckWorkgroupAccount(std::string_view path, std::string_view user, std::string_view password) {
  EnsureSodium();
  for (const Entry& e : ReadEntries(path)) {
    if (!SameUser(e.User, user)) continue;
    if (crypto_pwhash_str_verify(e.Hash.c_str(), Bytes(password), password.size()) != 0) break;
    return {e.User, e.MayCreate};
  }
  RaiseJet(ErrAccountRefused);
}

}  // namespace dao
