//===- Workgroup.h - The workgroup file: accounts that may open databases ---===//
//
// A workgroup file (KR000.MDW) holds the accounts of the engine. Its format is
// ours: UTF-8 text, lines ended by "\n",
//
//   KR-WORKGROUP 1
//   account<TAB>user<TAB>rights<TAB>hash
//
// one "account" line per user, where rights is "create" (may create, alter
// and drop tables) or "-", and hash is libsodium's crypto_pwhash_str text of
// the password (Argon2id with its own random salt and its cost parameters
// inside, so a file keeps verifying if the costs below change). User names
// ignore case, passwords do not. The file is rewritten whole through a
// temporary name, so a crash never leaves half an account list.
//
// Cost: 4 passes over 9 MiB, one of the parameter sets recommended for
// Argon2id; one verification takes about 10 ms, small against a database
// opening and short enough for tests that open databases by the hundred. A
// hash whose own costs lie beyond 8 times these, or below an eighth of them
// (one pass at least, one lane), makes the file damaged: it is refused
// before anything is hashed, so a file cannot make a start take gigabytes.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace dao {

/// An account as the workgroup file grants it.
struct WorkgroupAccount {
  std::string User;
  bool MayCreateTables = false;
};

/// Writes a new workgroup file without accounts. Error 58 when `path` exists,
/// 76 when its folder does not.
void CreateWorkgroupFile(std::string_view path);

/// Adds an account to the workgroup file at `path`, or gives an existing one
/// (its name compared ignoring case) the new password and rights. Error 5
/// for an empty name or one holding a tab or a line break; 3028 when the
/// file is missing or not a workgroup file.
void SetWorkgroupAccount(std::string_view path, std::string_view user, std::string_view password,
                         bool mayCreateTables);

/// The account that `user` and `password` open. Errors: 3028 when the file
/// is missing, unreadable, not a workgroup file or damaged (cut short, a
/// password hash that is not one or whose costs are out of range), 3029 when no account has that name or
/// the password is wrong.
WorkgroupAccount CheckWorkgroupAccount(std::string_view path, std::string_view user, std::string_view password);

}  // namespace dao
