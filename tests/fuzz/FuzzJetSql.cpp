// Fuzz target: the Jet dialect. Input: one statement. It is translated and,
// when it translates, executed on a small database (every table one row, so
// no statement can grow without end) inside a transaction rolled back after
// it. A SELECT's values are read and written as text. Whatever the input,
// the layer answers rows or raises a vb::Error; it never crashes.
#include <cstdint>
#include <memory>

#include "platform/db/Database.h"
#include "platform/db/SqlLexer.h"
#include "platform/db/SqlTranslator.h"
#include "platform/text/Error.h"
#include "platform/text/Variant.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ScratchDatabase.h"

namespace {

dao::Database& Db() {
  static std::shared_ptr<dao::Database> db = kr::fuzz::MakeDatabase(
      "jet.mdb",
      {"CREATE TABLE UNO (t Text(20), n Long, d Double, f DateTime, b YesNo, z Text(10), y Byte, s Short, c Currency, "
       "m Memo)",
       "INSERT INTO UNO VALUES ('  Peña Díaz ', 1234, 3.5, #12/31/2002#, True, Null, 7, -3, 12.5, 'memo')",
       "CREATE TABLE PARAM ([Numero] Text(3), [Argumento] Text(20), [Funcion] Text(255), [Correl_Param] Text(10))",
       "ALTER TABLE PARAM ADD CONSTRAINT PK_PARAM PRIMARY KEY ([Numero],[Argumento])",
       "INSERT INTO PARAM VALUES ('979', '01', 'ABOGADO', Null)",
       "CREATE TABLE CAB ([tip_doc_d] Integer, [Doc_id_d] Text(15), [PERIODO] Text(6), [Formulario] Text(4), "
       "[Semana] Integer, [estado] Integer, [cNumero] Text(6))",
       "ALTER TABLE CAB ADD CONSTRAINT PK_CAB PRIMARY KEY ([tip_doc_d],[Doc_id_d],[PERIODO],[Formulario],[Semana])",
       "INSERT INTO CAB VALUES (6, '20100000001', '2002', '0917', 0, 9, '000000')"});
  return *db;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view sql = kr::fuzz::Text(data, size);
  dao::Database& db = Db();
  try {
    dao::detail::Lexed lexed = dao::detail::Lex(sql);
    const bool select = dao::detail::KindOf(lexed) == dao::detail::StatementKind::Select;
    kr::fuzz::Undone([&] {
      if (!select) {
        db.Execute(sql);
        return;
      }
      auto rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
      for (int row = 0; row < 4 && !rs->EOF_(); ++row, rs->MoveNext()) {
        for (int i = 0; i < rs->Fields().Count(); ++i) vb::TextOf(rs->Fields(i).Value());
      }
      rs->Close();
    });
  } catch (const vb::Error&) {
    // Refused, as it should be: with one of the engine's or VB's errors.
  }
  return 0;
}
