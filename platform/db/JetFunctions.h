//===- JetFunctions.h - VB functions, Like and text order in SQL (internal) ===//
//
// The jet_* SQL functions that the translator writes, implemented with
// platform/text so a query computes what VB computes (mid counts characters,
// val reads the leading number, `&` writes 18 and not 18.0), and the JET
// collation that orders and compares text as Jet does:
//
// - case does not count, for accented letters too ("peña" = "PEÑA");
// - accents count, but only after the letters: "a" < "á" < "b", and "á" is
//   not equal to "a";
// - "ñ" is a letter of its own after "n" ("NZ" < "ÑA" < "O");
// - everything else is compared by character code.
//
// A VB run-time error inside a function (Val(Null), Mid with start 0, a
// division by zero) fails the statement with that error's number.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

struct sqlite3;

namespace dao::detail {

/// Registers the JET collation and the jet_* functions on `db`.
void RegisterJetFunctions(sqlite3* db);

/// The JET collation of two UTF-8 texts: negative, zero or positive.
int CompareJetText(std::string_view a, std::string_view b);

/// Jet's Like: `*` any text, `?` any character, `#` a digit, `[abc]`,
/// `[a-z]` and `[!abc]` one character of (or not of) a set, `[]` the empty
/// text; case does not count, and a range holds the characters that sort
/// between its ends in the JET collation ("à" is in [A-E], "ê" is not).
bool JetLike(std::string_view value, std::string_view pattern);

/// The prefix of the messages with which a function reports a VB error:
/// "vb:<number>:<description>".
inline constexpr std::string_view kVbErrorPrefix = "vb:";

}  // namespace dao::detail
