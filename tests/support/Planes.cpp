#include "tests/support/Planes.h"

#include <sqlite3.h>

#include <stdexcept>

#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"

namespace kr::testing {
namespace {

class Archivo {
 public:
  explicit Archivo(const std::string& ruta) {
    if (sqlite3_open_v2(ruta.c_str(), &Db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
      throw std::runtime_error("cannot open " + ruta);
    }
    dao::detail::RegisterJetFunctions(Db_);
  }
  ~Archivo() { sqlite3_close(Db_); }
  Archivo(const Archivo&) = delete;
  Archivo& operator=(const Archivo&) = delete;

  // The rows of the first column of `sql`; nothing when it names what the file has not.
  std::vector<std::string> Columna(const std::string& sql, int columna, bool& preparada) const {
    std::vector<std::string> filas;
    sqlite3_stmt* stmt = nullptr;
    preparada = sqlite3_prepare_v2(Db_, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK;
    if (!preparada) {
      const std::string error = sqlite3_errmsg(Db_);
      sqlite3_finalize(stmt);
      if (error.rfind("no such table: TMP", 0) == 0) return filas;
      throw std::runtime_error(error + " in " + sql);
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      const unsigned char* texto = sqlite3_column_text(stmt, columna);
      filas.emplace_back(texto != nullptr ? reinterpret_cast<const char*>(texto) : "");
    }
    sqlite3_finalize(stmt);
    return filas;
  }

  // True when the first column of index `indice` is an expression.
  bool SobreExpresion(const std::string& indice) const {
    bool preparada = false;
    const std::vector<std::string> columnas = Columna("PRAGMA index_xinfo(\"" + indice + "\")", 1, preparada);
    return !columnas.empty() && columnas.front() == "-2";
  }

 private:
  sqlite3* Db_ = nullptr;
};

bool Empieza(std::string_view texto, std::string_view inicio) { return texto.substr(0, inicio.size()) == inicio; }

// The table a plan line reads ("SCAN DET USING INDEX ..." reads DET), and the rest of the line.
bool Lee(std::string_view linea, std::string_view tabla, std::string_view& resto) {
  for (std::string_view verbo : {"SCAN ", "SEARCH "}) {
    if (!Empieza(linea, verbo)) continue;
    std::string_view despues = linea.substr(verbo.size());
    if (despues.size() < tabla.size()) return false;
    for (std::size_t i = 0; i < tabla.size(); ++i) {
      if (std::toupper(static_cast<unsigned char>(despues[i])) != std::toupper(static_cast<unsigned char>(tabla[i]))) {
        return false;
      }
    }
    if (despues.size() > tabla.size() && despues[tabla.size()] != ' ') return false;
    resto = despues.substr(tabla.size());
    return true;
  }
  return false;
}

}  // namespace

Consultas::Consultas(dao::DBEngine& motor) : Motor_(motor) {
  Motor_.SetSqlObserver([this](std::string_view sql) { Textos_.emplace_back(sql); });
}

Consultas::~Consultas() { Motor_.SetSqlObserver(nullptr); }

int Consultas::Veces(std::string_view parte) const {
  int veces = 0;
  for (const std::string& t : Textos_) veces += t.find(parte) != std::string::npos;
  return veces;
}

std::vector<std::string> PlanDe(const std::string& ruta, const std::string& sql) {
  bool preparada = false;
  return Archivo(ruta).Columna("EXPLAIN QUERY PLAN " + sql, 3, preparada);
}

std::vector<std::string> LecturasCompletas(const std::string& ruta, const std::vector<std::string>& sqls,
                                           std::initializer_list<std::string_view> tablas) {
  Archivo archivo(ruta);
  std::vector<std::string> completas;
  for (const std::string& sql : sqls) {
    if (Empieza(sql, "PRAGMA") || Empieza(sql, "BEGIN") || Empieza(sql, "COMMIT") || Empieza(sql, "ROLLBACK") ||
        Empieza(sql, "SAVEPOINT") || Empieza(sql, "RELEASE")) {
      continue;
    }
    bool preparada = false;
    for (const std::string& linea : archivo.Columna("EXPLAIN QUERY PLAN " + sql, 3, preparada)) {
      for (std::string_view tabla : tablas) {
        std::string_view resto;
        if (!Lee(linea, tabla, resto)) continue;
        const bool porClave = Empieza(linea, "SEARCH ") && resto.find('(') != std::string_view::npos;
        const std::string_view indice = " USING INDEX ";
        const std::size_t en = resto.find(indice);
        const bool porExpresion = Empieza(linea, "SEARCH ") && en != std::string_view::npos &&
                                  archivo.SobreExpresion(std::string(resto.substr(en + indice.size())));
        if (!porClave && !porExpresion) completas.push_back(linea + "  <-  " + sql);
      }
    }
  }
  return completas;
}

}  // namespace kr::testing
