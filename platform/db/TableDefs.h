//===- TableDefs.h - Table definitions: fields, their properties, indexes ---===//
//
// `BaseDatos->TableDefs()` lists the tables of the database in name order
// (the layer's own _dao_* tables are not listed); a TableDef gives its fields
// in column order with their Jet type, size, AllowZeroLength and Required,
// and its indexes with the primary key. The list follows the database: after
// a table is created or dropped, by this program or another, the next access
// sees it (Refresh is there for code that asks for it).
//
// Setting AllowZeroLength changes the table itself: from then on every write,
// through SQL or a recordset, is held to it.
//
//   BaseDatos->TableDefs("F0917PATRIM")->Fields("mto_01012002").SetAllowZeroLength(true);
//
//===----------------------------------------------------------------------===//
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/Collection.h"

namespace dao {

namespace detail {
class Connection;
struct TableDefinition;
}  // namespace detail

class TableDef;

/// An index of a table: its name, whether it is the primary key or unique, its fields in order.
struct IndexDef {
  std::string Name;
  bool Primary = false;
  bool Unique = false;
  std::vector<std::string> Fields;
};

/// A field of a table definition.
class FieldDef {
 public:
  FieldDef(TableDef* owner, int index) : Owner_(owner), Index_(index) {}

  const std::string& Name() const;
  /// The DAO type code (dbText, dbByte, ...).
  int Type() const;
  /// Characters for Text, bytes for the other types, 0 for Memo.
  long Size() const;
  bool AllowZeroLength() const;
  bool Required() const;
  /// Lets the field hold "" (or not). Text and Memo only, else 3219; 3033
  /// without the right to change tables; 3315 when rows hold "" and it is
  /// set to False; 3251 or 3346 for a table that cannot be made again from
  /// its own text (a virtual table, a rule of the layer's name there,
  /// computed columns).
  void SetAllowZeroLength(bool allow);

 private:
  TableDef* Owner_;
  int Index_;
};

/// The definition of one table.
class TableDef {
 public:
  TableDef(std::shared_ptr<detail::Connection> connection, std::unique_ptr<detail::TableDefinition> definition);
  ~TableDef();
  TableDef(const TableDef&) = delete;
  TableDef& operator=(const TableDef&) = delete;

  const std::string& Name() const;
  /// The fields in column order.
  Collection<FieldDef>& Fields() { return Fields_; }
  FieldDef& Fields(int index) { return Fields_.Item(index); }
  FieldDef& Fields(std::string_view name) { return Fields_.Item(name); }
  const std::vector<IndexDef>& Indexes() const;

 private:
  friend class FieldDef;
  const detail::TableDefinition& Definition() const { return *Definition_; }
  void SetAllowZeroLength(int field, bool allow);

  std::shared_ptr<detail::Connection> Connection_;
  std::unique_ptr<detail::TableDefinition> Definition_;
  Collection<FieldDef> Fields_;
};

/// The tables of a database.
class TableDefList {
 public:
  explicit TableDefList(std::shared_ptr<detail::Connection> connection) : Connection_(std::move(connection)) {}

  /// Reads the list again from the database.
  void Refresh();
  int Count();
  /// The table at a 0-based position in name order; 3265 when there is none.
  std::shared_ptr<TableDef> Item(int index);
  /// The table of that name, ignoring case; 3265 when there is none.
  std::shared_ptr<TableDef> Item(std::string_view name);

 private:
  void Load();

  std::shared_ptr<detail::Connection> Connection_;
  std::vector<std::shared_ptr<TableDef>> Tables_;
  bool Loaded_ = false;
  int SchemaVersion_ = 0;
};

}  // namespace dao
