//===- Crudo.h - Raw SQLite for the benchmarks' floors --------------------===//
//
// A floor does the database work an operation must do with none of the
// layer's: its own connection to the same file, with the layer's functions
// and collation (the tables' checks call them), each statement prepared
// once, its values bound, stepped. A return's rows are read by the host's
// key, whose first column is tip_doc_d:
//
//   SELECT ... FROM DET WHERE tip_doc_d=6 AND Doc_id_d=?1 AND PERIODO=?2
//                             AND Formulario=?3 AND Semana=?4
//
// and a statement that would read a whole shared table instead stops the
// benchmark: a floor that scans is no floor. KR917's work tables are TEMP
// tables of its connection, so a floor's are TEMP tables of its own.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kr::bench {

/// The condition of a return's rows by the host's key (CAB, DET).
inline constexpr char kPorClave[] = " WHERE tip_doc_d=6 AND Doc_id_d=?1 AND PERIODO=?2 AND Formulario=?3 AND Semana=?4";
/// The same for the schedule rows, which have no week (F0917PATRIM).
inline constexpr char kPorClaveAnexo[] = " WHERE tip_doc_d=6 AND doc_id_d=?1 AND periodo=?2 AND formulario=?3";

/// A floor's connection to the database at a path.
class Crudo {
 public:
  explicit Crudo(const std::string& ruta);
  ~Crudo();
  Crudo(const Crudo&) = delete;
  Crudo& operator=(const Crudo&) = delete;

  sqlite3* Db() const { return Db_; }

  /// `sql` prepared once and kept to the end. With `ordenada`, the one
  /// statement allowed to go through a table by an index from one end,
  /// stepping only until it has its row.
  sqlite3_stmt* Prepara(const std::string& sql, bool ordenada = false);
  /// Runs statements that answer no rows.
  void Exec(const std::string& sql);
  /// The work table `tabla` made anew as this connection's TEMP table, with
  /// the definition the database holds for it.
  void TablaTemporal(std::string_view tabla);

  /// Binds a return's key to ?1 to ?4 (as many as the statement has).
  static void Clave(sqlite3_stmt* stmt, std::string_view ruc, std::string_view periodo = "2002",
                    std::string_view formulario = "0917", int semana = 0);
  /// Steps through every row, answering the bytes of their texts; resets.
  static std::size_t Lee(sqlite3_stmt* stmt);
  /// Steps to the end (a write, or rows nobody looks at); resets.
  static void Corre(sqlite3_stmt* stmt);
  /// The text of column `c` of the current row ("" for Null).
  static std::string Texto(sqlite3_stmt* stmt, int c);

 private:
  [[noreturn]] void Falla(std::string_view que) const;

  sqlite3* Db_ = nullptr;
  std::vector<sqlite3_stmt*> Sentencias_;
};

}  // namespace kr::bench
