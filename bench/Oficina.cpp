#include "bench/Oficina.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"

namespace kr::bench {
namespace {

namespace fs = std::filesystem;

// Raised whenever the rows written change, so that files of before are not taken for these.
constexpr int kVersion = 2;

[[noreturn]] void Falla(sqlite3* db, std::string_view que) {
  std::fprintf(stderr, "office database: %.*s: %s\n", static_cast<int>(que.size()), que.data(),
               db != nullptr ? sqlite3_errmsg(db) : "cannot open");
  std::abort();
}

void Exec(sqlite3* db, const std::string& sql) {
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Falla(db, sql);
}

sqlite3_stmt* Prepara(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Falla(db, sql);
  return stmt;
}

// The one whole number `sql` answers.
long long Numero(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = Prepara(db, sql);
  if (sqlite3_step(stmt) != SQLITE_ROW) Falla(db, sql);
  const long long n = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  return n;
}

// Every definition of the database, in a fixed order: what the layer and the
// installer made it of.
std::string Esquema(const std::string& ruta) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) Falla(db, ruta);
  sqlite3_stmt* stmt = Prepara(db, "SELECT type, name, tbl_name, sql FROM sqlite_schema ORDER BY type, name");
  std::string texto;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    for (int c = 0; c < 4; ++c) {
      const unsigned char* t = sqlite3_column_text(stmt, c);
      if (t != nullptr) texto += reinterpret_cast<const char*>(t);
      texto += c < 3 ? '\t' : '\n';
    }
  }
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return texto;
}

// FNV-1a, 64 bits: enough to tell one schema from another.
std::uint64_t Huella(std::string_view texto) {
  std::uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : texto) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  return h;
}

std::string NombreDe(int n, const std::string& esquema) {
  char nombre[96];
  std::snprintf(nombre, sizeof nombre, "oficina-%d-g%d-%016llx.db", n, kVersion,
                static_cast<unsigned long long>(Huella(esquema)));
  return nombre;
}

// The generations of several benchmark programs run one after the other:
// the second finds the file the first made.
class Cerrojo {
 public:
  explicit Cerrojo(const std::string& ruta) : Fd_(::open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
    if (Fd_ < 0 || ::flock(Fd_, LOCK_EX) != 0) {
      std::perror(ruta.c_str());
      std::abort();
    }
  }
  ~Cerrojo() {
    ::flock(Fd_, LOCK_UN);
    ::close(Fd_);
  }
  Cerrojo(const Cerrojo&) = delete;
  Cerrojo& operator=(const Cerrojo&) = delete;

 private:
  int Fd_;
};

// The rows of the other returns, each statement over i(m) from 0 to Por * n
// / Entre - 1. Taxpayer m's number is printf('15%09d', m); box k of a
// return is 002 (its number), 007 (the period) or 100 to 147 (amounts).
// ?2 and ?3 are the spool's highest sequence of RP0006 and file number.
struct Filas {
  const char* Tabla;
  int Por;
  int Entre;
  const char* Sql;
};

#define KR_CASILLA(k) "CASE " k " WHEN 0 THEN '002' WHEN 1 THEN '007' ELSE printf('%03d', 98 + " k ") END"
#define KR_VALOR(n, k)                                                                                           \
  "CASE " k " WHEN 0 THEN printf('15%09d', " n ") WHEN 1 THEN '2002' ELSE printf('%d', 1000 + (" n " * 131 + " k \
  " * 17) % 90000) END"

constexpr Filas kFilas[] = {
    {"CONT", 1, 1,
     "INSERT INTO CONT (tip_doc_d, Doc_id_d, NOMBRE, Direccion, Apellido_p, Apellido_m, Nombre_1, nombre_2, USUARIO, "
     "Tipo_Ingreso) SELECT 6, printf('15%09d', m), printf('APELLIDO%d MATERNO%d NOMBRE%d', m, m % 97, m % 89), "
     "printf('AV. LOS PINOS %d - LIMA', m % 1000), printf('APELLIDO%d', m), printf('MATERNO%d', m % 97), "
     "printf('NOMBRE%d', m % 89), NULL, 'ASESOR1', 2 FROM i"},
    {"CAB", 1, 1,
     "INSERT INTO CAB (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, fec_pro, bcolibrad, nrocheque, cheque, "
     "efectivo, rectifica, estado, cNumero) SELECT 6, printf('15%09d', m), '2002', '0917', 0, "
     "printf('%02d/03/2003', 1 + m % 28), ' ', ' ', ' ', printf('%d', 100 + m % 5000), '0', "
     "CASE WHEN m % 3 = 0 THEN 9 ELSE 0 END, '000000' FROM i"},
    {"DET", 50, 1,
     "INSERT INTO DET (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, Casilla, i_valor, idcasilla, estado, cNumero) "
     "SELECT 6, printf('15%09d', m / 50), '2002', '0917', 0, " KR_CASILLA("m % 50") ", " KR_VALOR(
         "(m / 50)", "(m % 50)") ", '01', 0, '000000' FROM i"},
    {"F0917PATRIM", 4, 1,
     "INSERT INTO F0917PATRIM (tip_doc_d, doc_id_d, periodo, formulario, tip_informacion, tip_movimiento1, "
     "tip_movimiento2, ind_moneda, des_movimiento2, mto_01012002, mto_31122002, ctd_movimiento, cnumero) "
     "SELECT 6, printf('15%09d', m / 4), '2002', '0917', printf('%02d', 1 + m % 4), '01', '01', '001', 'CUENTA', "
     "printf('%d', 1000 + m % 7000), printf('%d', 2000 + m % 9000), '1', '000000' FROM i"},
    {"SPOOL", 1, 1,
     "INSERT INTO SPOOL (CodRep, Secuencia, Archivo, Fecha, Usuario, tip_doc_d, Doc_id_d) "
     "SELECT 'RP0006', printf('%06d', ?2 + m + 1), printf('%08d.PRN', ?3 + m + 1), 37700.5 + m * 0.001, 'ASESOR1', 6, "
     "printf('15%09d', m) FROM i"},
    {"HCAB", 1, 10,
     "INSERT INTO HCAB (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, correl, fec_pro, bcolibrad, nrocheque, "
     "cheque, efectivo, rectifica, estado, fec_env, norden, control, cNumero) SELECT 6, printf('15%09d', m * 10), "
     "'2002', '0917', 0, '001', '15/03/2003', ' ', ' ', ' ', printf('%d', 100 + m % 5000), '0', 1, 37695.0 + m % 30, "
     "printf('%08d', 60000000 + m), printf('%08d', (m * 7919) % 100000000), '000000' FROM i"},
    {"HDET", 50, 10,
     "INSERT INTO HDET (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, Correl, Casilla, i_valor, idcasilla, estado, "
     "cNumero) SELECT 6, printf('15%09d', m / 50 * 10), '2002', '0917', 0, '001', " KR_CASILLA("m % 50") ", " KR_VALOR(
         "(m / 50 * 10)", "(m % 50)") ", '01', 0, '000000' FROM i"},
    {"HF0917PATRIM", 4, 10,
     "INSERT INTO HF0917PATRIM (tip_doc_d, doc_id_d, periodo, formulario, Correl, tip_informacion, tip_movimiento1, "
     "tip_movimiento2, ind_moneda, des_movimiento2, mto_01012002, mto_31122002, ctd_movimiento, cnumero) "
     "SELECT 6, printf('15%09d', m / 4 * 10), '2002', '0917', '001', printf('%02d', 1 + m % 4), '01', '01', '001', "
     "'CUENTA', printf('%d', 1000 + m % 7000), printf('%d', 2000 + m % 9000), '1', '000000' FROM i"},
};

#undef KR_CASILLA
#undef KR_VALOR

// The other returns written into the copy of the sample at `ruta`.
void Genera(const std::string& ruta, int n) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(ruta.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) Falla(db, ruta);
  // The tables' checks call the layer's functions and compare in its collation.
  dao::detail::RegisterJetFunctions(db);
  // A file that is renamed into place only when whole needs no journal.
  Exec(db, "PRAGMA journal_mode=OFF");
  Exec(db, "PRAGMA synchronous=OFF");
  Exec(db, "PRAGMA cache_size=-262144");
  const long long secuencia =
      Numero(db, "SELECT coalesce(max(CAST(Secuencia AS INTEGER)), 0) FROM SPOOL WHERE CodRep = 'RP0006'");
  const long long archivo = Numero(db,
                                   "SELECT coalesce(max(CAST(substr(Archivo, 1, 8) AS INTEGER)), 0) FROM SPOOL "
                                   "WHERE Archivo GLOB '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]*'");
  const long long antes = Numero(db, "SELECT count(*) FROM CAB");
  Exec(db, "BEGIN");
  for (const Filas& f : kFilas) {
    const std::string sql =
        std::string("WITH RECURSIVE i(m) AS (SELECT 0 UNION ALL SELECT m + 1 FROM i WHERE m + 1 < ?1) ") + f.Sql;
    sqlite3_stmt* stmt = Prepara(db, sql);
    sqlite3_bind_int64(stmt, 1, static_cast<long long>(n) * f.Por / f.Entre);
    if (sqlite3_bind_parameter_count(stmt) >= 3) {
      sqlite3_bind_int64(stmt, 2, secuencia);
      sqlite3_bind_int64(stmt, 3, archivo);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE) Falla(db, f.Tabla);
    sqlite3_finalize(stmt);
  }
  // Made before the programs kept statistics of its tables: none.
  Exec(db, "DROP TABLE IF EXISTS sqlite_stat1");
  Exec(db, "COMMIT");
  if (Numero(db, "SELECT count(*) FROM CAB") != antes + n) Falla(db, "the saved returns were not all written");
  if (sqlite3_close(db) != SQLITE_OK) Falla(db, "close");
  // Then opened and closed by one of the programs, as an office's database has been.
  dao::DBEngine motor;
  motor.Workspaces(0).OpenDatabase(ruta)->Close();
}

}  // namespace

std::string CarpetaOficinas() {
  const char* elegida = std::getenv("KR_BENCH_OFICINA");
  const fs::path carpeta = elegida != nullptr && *elegida != '\0'
                               ? fs::path(elegida)
                               : fs::read_symlink("/proc/self/exe").parent_path() / "oficina";
  fs::create_directories(carpeta);
  return carpeta.string();
}

std::string BaseOficina(const std::string& muestra, int n) {
  const std::string carpeta = CarpetaOficinas();
  const std::string ruta = carpeta + "/" + NombreDe(n, Esquema(muestra));
  if (fs::exists(ruta)) return ruta;
  Cerrojo cerrojo(carpeta + "/.genera.lock");
  if (fs::exists(ruta)) return ruta;
  const std::string parcial = ruta + ".partial";
  fs::remove(parcial);
  fs::copy_file(muestra, parcial);
  std::fprintf(stderr, "Generating the office database of %d returns: %s\n", n, ruta.c_str());
  const auto inicio = std::chrono::steady_clock::now();
  Genera(parcial, n);
  fs::rename(parcial, ruta);
  std::fprintf(stderr, "  made in %.1f s\n",
               std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
  return ruta;
}

void PonOficina(const Muestra& m, int n) {
  const std::string origen = n == 0 ? m.Original : BaseOficina(m.Original, n);
  for (const char* resto : {"-journal", "-wal", "-shm"}) fs::remove(m.Layout.Database + resto);
  fs::copy_file(origen, m.Layout.Database, fs::copy_options::overwrite_existing);
}

bool ArrancaEnOficina(const Muestra& m, int& actual, int n) {
  if (n == actual) return false;
  if (actual >= 0) ParaKR917();
  PonOficina(m, n);
  actual = n;
  ArrancaKR917(m.Layout);
  return true;
}

}  // namespace kr::bench
