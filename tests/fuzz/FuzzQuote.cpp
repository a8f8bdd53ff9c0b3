// Fuzz target: dao::Quote. Input: any text. Stored through a statement that
// quotes it, it reads back byte for byte, and WHERE x = Quote(x) finds it;
// a text that is not UTF-8 included, a NUL wherever it stands included.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ScratchDatabase.h"

namespace {

using kr::fuzz::Require;

dao::Database& Db() {
  static std::shared_ptr<dao::Database> db = [] {
    auto made = kr::fuzz::MakeDatabase("quote.mdb", {"CREATE TABLE Q (k Long, x Memo, c Text(255))"});
    made->TableDefs("Q")->Fields("x").SetAllowZeroLength(true);
    made->TableDefs("Q")->Fields("c").SetAllowZeroLength(true);
    return made;
  }();
  return *db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(kr::fuzz::Text(data, size));
  dao::Database& db = Db();
  kr::fuzz::Undone([&] {
    db.Execute("INSERT INTO Q (k, x) VALUES (1, " + dao::Quote(text) + ")");
    auto rs = db.OpenRecordset("SELECT k, x FROM Q WHERE x = " + dao::Quote(text), dao::dbOpenSnapshot);
    Require(!rs->EOF_(), "WHERE x = Quote(x) finds the row");
    Require(rs->Fields("k").Value() == vb::Variant::Long(1), "the row found is the one stored");
    const vb::Variant stored = rs->Fields("x").Value();
    Require(stored.IsString() && stored.StringValue() == text, "the text reads back byte for byte");
    rs->Close();
    // In a sized column too, exactly while it fits: counted in characters.
    const bool fits = vb::Len(text) <= 255;
    try {
      db.Execute("UPDATE Q SET c = " + dao::Quote(text) + " WHERE k = 1");
      Require(fits, "a text longer than its column is refused");
      auto sized = db.OpenRecordset("SELECT c FROM Q WHERE c = " + dao::Quote(text), dao::dbOpenSnapshot);
      Require(!sized->EOF_() && sized->Fields("c").Value() == vb::Variant(text), "a sized column keeps the text");
    } catch (const vb::Error& e) {
      kr::fuzz::RequireError(e.Number(), {3163}, "a text longer than its column");
      Require(!fits, "a text that fits its column is stored");
    }
  });
  return 0;
}
