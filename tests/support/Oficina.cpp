#include "tests/support/Oficina.h"

#include <sqlite3.h>

#include <filesystem>

#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"
#include "tests/support/BaseInstalada.h"
#include "tests/support/TestSupport.h"

namespace kr::testing {
namespace {

// The generated returns, in SQL over the numbers 0 .. n-1 (table n): the
// taxpayers, then per return its header, 50 boxes (the last the answer No
// to the rectification question), 4 schedule rows and a spool row; one in
// five is also sent, with its boxes and 2 schedule rows.
constexpr const char* kGenera[] = {
    "DROP TABLE IF EXISTS sqlite_stat1",
    "CREATE TEMP TABLE n (i INTEGER PRIMARY KEY)",
    "WITH RECURSIVE c(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM c WHERE i + 1 < ?1) INSERT INTO n SELECT i FROM c",
    "CREATE TEMP TABLE cas (k INTEGER PRIMARY KEY, c TEXT, v TEXT)",
    "WITH RECURSIVE c(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM c WHERE k < 48) "
    "INSERT INTO cas SELECT k, printf('%03d', 100 + k * 7), CAST(1000 + k AS TEXT) FROM c",
    "INSERT INTO cas VALUES (49, '871', '0')",  // not a rectification
    "CREATE TEMP VIEW ruc AS SELECT i, printf('15%09d', i * 7) AS r FROM n",
    "INSERT INTO CONT SELECT 6, r, 'DECLARANTE DE OFICINA ' || i, 'AV. LOS ALAMOS 123', 'APELLIDO', 'SEGUNDO', "
    "'NOMBRE', '', 'ASESOR1', 2 FROM ruc",
    "INSERT INTO CAB SELECT 6, r, '2002', '0917', 0, '15/03/2003', ' ', ' ', ' ', '1500', '0', i % 2 * 9, '000000' "
    "FROM ruc",
    "INSERT INTO DET SELECT 6, r, '2002', '0917', 0, c, v, '01', 0, '000000' FROM ruc, cas",
    "INSERT INTO F0917PATRIM SELECT 6, r, '2002', '0917', '0' || t, '01', '01', '001', 'CUENTA', '1000', '2000', "
    "'1', '000000' FROM ruc, (SELECT 1 AS t UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4)",
    "INSERT INTO SPOOL SELECT 'RP0006', printf('%06d', 900000 + i), printf('%08d.PRN', 90000000 + i), 37695.5, "
    "'ASESOR1', 6, r FROM ruc",
    "INSERT INTO HCAB SELECT 6, r, '2002', '0917', 0, '001', '15/03/2003', ' ', ' ', ' ', '1500', '0', 1, 37695, "
    "printf('%08d', 40000000 + i), '12345678', '000000' FROM ruc WHERE i % 5 = 0",
    "INSERT INTO HDET SELECT 6, r, '2002', '0917', 0, '001', c, v, '01', 0, '000000' "
    "FROM ruc, cas WHERE i % 5 = 0",
    "INSERT INTO HF0917PATRIM SELECT 6, r, '2002', '0917', '001', '0' || t, '01', '01', '001', 'CUENTA', '1000', "
    "'2000', '1', '000000' FROM ruc, (SELECT 1 AS t UNION ALL SELECT 2) WHERE i % 5 = 0",
};

bool Genera(const std::string& ruta) {
  sqlite3* db = nullptr;
  bool bien = sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
  if (bien) dao::detail::RegisterJetFunctions(db);
  bien = bien && sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
  for (const char* sql : kGenera) {
    sqlite3_stmt* stmt = nullptr;
    bien = bien && sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK;
    if (bien && sqlite3_bind_parameter_count(stmt) > 0) sqlite3_bind_int(stmt, 1, kDeclaracionesOficina);
    bien = bien && sqlite3_step(stmt) == SQLITE_DONE;
    sqlite3_finalize(stmt);
  }
  bien = bien && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return bien;
}

}  // namespace

std::string RucOficina(int i) {
  const std::string digitos = std::to_string(i * 7);
  return "15" + std::string(9 - digitos.size(), '0') + digitos;
}

const std::string& BaseOficina() {
  static const TempFolder carpeta;
  static const std::string base = []() -> std::string {
    if (BaseInstalada().empty()) return {};
    const std::string ruta = carpeta / "oficina.db";
    std::filesystem::copy_file(BaseInstalada(), ruta);
    if (!Genera(ruta)) return {};
    // As any of the programs would: opened, used, closed.
    dao::DBEngine motor;
    motor.Workspaces(0).OpenDatabase(ruta)->Close();
    return ruta;
  }();
  return base;
}

void CopiaBaseOficina(const std::string& destino) {
  for (const char* resto : {"-wal", "-shm", "-journal"}) std::filesystem::remove(destino + resto);
  std::filesystem::copy_file(BaseOficina(), destino, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace kr::testing
