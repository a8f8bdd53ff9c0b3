#include "platform/db/Values.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdint>

#include "platform/db/Constants.h"
#include "platform/db/JetError.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace dao::detail {
namespace {

// A VB conversion whose type mismatch is the engine's conversion error and overflow its overflow.
template <class F>
auto Converted(F&& convert) -> decltype(convert()) {
  try {
    return convert();
  } catch (const vb::Error& e) {
    if (e.Number() == vb::ErrOverflow) RaiseJet(ErrNumericOverflow);
    RaiseJet(ErrConversion);
  }
}

}  // namespace

void BindText(sqlite3_stmt* stmt, int index, const std::string& text) {
  const bool terminated = text.find('\0') == std::string::npos;
  sqlite3_bind_text(stmt, index, text.c_str(), terminated ? -1 : static_cast<int>(text.size()), SQLITE_STATIC);
}

vb::Variant ValueOf(const StoredValue& stored, int type) {
  if (stored.Storage == SQLITE_NULL) return vb::Variant::Null();
  if (stored.Storage == SQLITE_TEXT || stored.Storage == SQLITE_BLOB) return vb::Variant(std::string(stored.Text));
  const double d = stored.Real;
  switch (type) {
    case dbByte:
      return vb::Variant::Byte(vb::CByte(d));
    case dbInteger:
      return vb::Variant::Integer(vb::CInt(d));
    case dbLong:
      return vb::Variant::Long(vb::CLng(d));
    case dbSingle:
      return vb::Variant(static_cast<float>(d));
    case dbDouble:
      return vb::Variant(d);
    case dbCurrency:
      return vb::Variant(vb::Currency::FromDouble(d));
    case dbDate:
      return vb::Variant(vb::DateTime{d});
    case dbBoolean:
      return vb::Variant(d != 0);
    default:
      break;
  }
  if (stored.Storage == SQLITE_INTEGER && stored.Integer >= INT32_MIN && stored.Integer <= INT32_MAX) {
    return vb::Variant::Long(static_cast<std::int32_t>(stored.Integer));
  }
  return vb::Variant(d);
}

vb::Variant ColumnValue(sqlite3_stmt* stmt, int column, int type) {
  StoredValue v;
  v.Storage = sqlite3_column_type(stmt, column);
  if (v.Storage != SQLITE_NULL && (type == dbText || type == dbMemo)) v.Storage = SQLITE_TEXT;
  if (v.Storage == SQLITE_TEXT || v.Storage == SQLITE_BLOB) {
    v.Text = std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                              static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
  } else if (v.Storage == SQLITE_INTEGER) {
    v.Integer = sqlite3_column_int64(stmt, column);
    v.Real = static_cast<double>(v.Integer);
  } else if (v.Storage == SQLITE_FLOAT) {
    v.Real = sqlite3_column_double(stmt, column);
  }
  return ValueOf(v, type);
}

void BindValue(sqlite3_stmt* stmt, int index, const vb::Variant& value) {
  switch (value.Type()) {
    case vb::VarType::Empty:
    case vb::VarType::Null:
      sqlite3_bind_null(stmt, index);
      return;
    case vb::VarType::String: {
      const std::string& s = value.StringValue();
      BindText(stmt, index, s);
      return;
    }
    case vb::VarType::Byte:
    case vb::VarType::Integer:
    case vb::VarType::Long:
    case vb::VarType::Boolean:
      sqlite3_bind_int64(stmt, index, static_cast<sqlite3_int64>(value.NumberValue()));
      return;
    default:
      sqlite3_bind_double(stmt, index, value.NumberValue());
  }
}

vb::Variant ConvertForField(const vb::Variant& value, int type, int size) {
  if (value.IsNull() || value.IsEmpty()) return vb::Variant::Null();
  switch (type) {
    case dbText:
    case dbMemo: {
      std::string text = vb::CStr(value);
      if (type == dbText && vb::Len(text) > size) RaiseJet(ErrFieldTooSmall);
      return text;
    }
    case dbByte:
      return vb::Variant::Byte(Converted([&] { return vb::CByte(value); }));
    case dbInteger:
      return vb::Variant::Integer(Converted([&] { return vb::CInt(value); }));
    case dbLong:
      return vb::Variant::Long(Converted([&] { return vb::CLng(value); }));
    case dbSingle:
      return vb::Variant(Converted([&] { return vb::CSng(value); }));
    case dbDouble:
      return vb::Variant(Converted([&] { return vb::CDbl(value); }));
    case dbCurrency:
      return vb::Variant(Converted([&] { return vb::CCur(value); }));
    case dbDate:
      return vb::Variant(Converted([&] { return vb::CDate(value); }));
    case dbBoolean:
      return vb::Variant(Converted([&] { return vb::CBool(value); }));
    default:
      return value;
  }
}

int TypeOfValue(const vb::Variant& value) {
  switch (value.Type()) {
    case vb::VarType::Long:
      return dbLong;
    case vb::VarType::Double:
      return dbDouble;
    default:
      return dbText;
  }
}

}  // namespace dao::detail
