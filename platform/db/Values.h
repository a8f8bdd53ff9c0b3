//===- Values.h - Values between SQLite and vb::Variant (internal) ---------===//
//
// A column comes back as the Variant kind of its Jet type (a BYTE column as a
// Byte, DATETIME as a Date, YESNO as a Boolean); an expression by what SQLite
// holds (whole numbers as Long, others as Double, texts as String). Null
// stays Null and "" stays "".
//
// A value assigned to a recordset field is converted to the field's type at
// once, as DAO does, so the edit buffer reads back what will be stored:
// 6 into a Text field is "6", "12" into a Byte field is 12, "31/12/2002" into
// a DateTime field is that date. Errors: 3421 a value that is not of the
// type, 3349 a number outside its type, 3163 a text longer than the field.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/Variant.h"

struct sqlite3_stmt;

namespace dao::detail {

/// Binds a text without a copy. A text without an inner NUL is bound as the
/// NUL-terminated string it is, which spares SQLite a copy each time a
/// function or collation reads it.
void BindText(sqlite3_stmt* stmt, int index, const std::string& text);

/// A value as SQLite holds it: its storage class and its number or text.
struct StoredValue {
  int Storage = 0;  // SQLITE_NULL, SQLITE_INTEGER, SQLITE_FLOAT or SQLITE_TEXT
  std::int64_t Integer = 0;
  double Real = 0;
  std::string_view Text;
};

/// A stored value read as Jet type `type` (0: by what SQLite holds).
vb::Variant ValueOf(const StoredValue& stored, int type);

/// The value of result column `column` read as Jet type `type` (0: by what SQLite holds).
vb::Variant ColumnValue(sqlite3_stmt* stmt, int column, int type);

/// Binds `value` to parameter `index`; a text is bound without a copy, so it
/// must live until the statement is reset.
void BindValue(sqlite3_stmt* stmt, int index, const vb::Variant& value);

/// `value` converted for a field of Jet type `type` and text size `size`.
vb::Variant ConvertForField(const vb::Variant& value, int type, int size);

/// The Jet type that a value of an expression column stands for.
int TypeOfValue(const vb::Variant& value);

}  // namespace dao::detail
