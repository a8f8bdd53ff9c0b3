//===- Planes.h - The query plans of what a database was really asked -----===//
//
// A test watches the statements a program's database runs while it does
// one thing (opens a return, saves it, prints it) and then asks SQLite how
// it answers each of them, on the same file with the same statistics:
//
//   Consultas vistas(g.Motor);
//   ... the program's work ...
//   EXPECT_THAT(LecturasCompletas(ruta, vistas.Textos(), {"CAB", "DET"}), IsEmpty());
//
//===----------------------------------------------------------------------===//
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace dao {
class DBEngine;
}

namespace kr::testing {

/// Records the SQLite text of every statement the databases of `motor` start while it lives.
class Consultas {
 public:
  explicit Consultas(dao::DBEngine& motor);
  ~Consultas();
  Consultas(const Consultas&) = delete;
  Consultas& operator=(const Consultas&) = delete;

  const std::vector<std::string>& Textos() const { return Textos_; }
  /// How many times a statement whose text holds `parte` was started.
  int Veces(std::string_view parte) const;

 private:
  dao::DBEngine& Motor_;
  std::vector<std::string> Textos_;
};

/// The lines of SQLite's plan of `sql` on the database file `ruta`.
std::vector<std::string> PlanDe(const std::string& ruta, const std::string& sql);

/// Of `sqls`, each statement whose plan reads one of `tablas` whole, with
/// that plan line: a SCAN, or a SEARCH that neither narrows the table by a
/// key nor takes its one row from an index on an expression (a max by an
/// index). Statements over this connection's temporary tables, which the
/// file does not hold, are passed over.
std::vector<std::string> LecturasCompletas(const std::string& ruta, const std::vector<std::string>& sqls,
                                           std::initializer_list<std::string_view> tablas);

}  // namespace kr::testing
