//===- Variant.h - VB's Variant and its conversions ---------------------===//
//
// A Variant holds Empty, Null, Byte, Integer (16-bit), Long (32-bit), Single,
// Double, Currency, Date, String or Boolean (True is -1), and converts the way
// VB converts. Database fields come back as Variants, so Null stays apart
// from "".
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "platform/text/DateTime.h"

namespace vb {

/// VB's VarType codes.
enum class VarType : int {
  Empty = 0,
  Null = 1,
  Integer = 2,
  Long = 3,
  Single = 4,
  Double = 5,
  Currency = 6,
  Date = 7,
  String = 8,
  Boolean = 11,
  Byte = 17,
};

/// A Currency value: a whole number of ten-thousandths.
struct Currency {
  std::int64_t Scaled = 0;
  double ToDouble() const { return static_cast<double>(Scaled) / 10000.0; }
  static Currency FromDouble(double value);
  friend bool operator==(const Currency&, const Currency&) = default;
};

class Variant {
 public:
  Variant() = default;  // Empty
  Variant(bool b) : Value_(b) {}
  Variant(std::int16_t i) : Value_(i) {}
  Variant(int i) : Value_(static_cast<std::int32_t>(i)) {}
  /// A Long; error 6 outside its 32-bit range.
  Variant(long l);
  Variant(float f) : Value_(f) {}
  Variant(double d) : Value_(d) {}
  Variant(Currency c) : Value_(c) {}
  Variant(DateTime d) : Value_(d) {}
  Variant(const char* s) : Value_(std::string(s)) {}
  Variant(std::string s) : Value_(std::move(s)) {}
  Variant(std::string_view s) : Value_(std::string(s)) {}

  static Variant Null();
  static Variant Byte(std::uint8_t b);
  static Variant Integer(std::int16_t i);
  static Variant Long(std::int32_t l);

  VarType Type() const;
  bool IsEmpty() const { return Value_.index() == 0; }
  bool IsNull() const { return Value_.index() == 1; }
  bool IsString() const { return Type() == VarType::String; }
  /// Byte, Integer, Long, Single, Double or Currency.
  bool IsNumber() const;

  /// The text of a String value; error 13 for any other kind.
  const std::string& StringValue() const;
  /// The number of a numeric, Boolean or Date value (True is -1); error 13 otherwise.
  double NumberValue() const;
  /// The date of a Date value; error 13 otherwise.
  DateTime DateValue() const;
  /// The flag of a Boolean value; error 13 otherwise.
  bool BoolValue() const;

  /// Same kind and same value (Null equals Null): for tests and caches, not VB's "=".
  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  struct NullTag {
    friend bool operator==(NullTag, NullTag) = default;
  };
  struct ByteTag {
    std::uint8_t V;
    friend bool operator==(ByteTag, ByteTag) = default;
  };
  using Storage = std::variant<std::monostate, NullTag, ByteTag, std::int16_t, std::int32_t, float, double, Currency,
                               DateTime, std::string, bool>;
  explicit Variant(Storage s) : Value_(std::move(s)) {}

  Storage Value_;
};

/// Text of a value: numbers as NumberText, dates as "dd/mm/yyyy" (with
/// " hh:mm:ss" when they have a time, only "hh:mm:ss" when they have no day),
/// Booleans "True"/"False", Empty ""; error 94 for Null.
std::string CStr(const Variant& v);
/// A number of a value; a String must read whole as a number (ParseNumber),
/// else error 13; Empty is 0; error 94 for Null.
double CDbl(const Variant& v);
/// Rounded half to even; error 6 outside the type's range.
std::int32_t CLng(const Variant& v);
std::int16_t CInt(const Variant& v);
std::uint8_t CByte(const Variant& v);
float CSng(const Variant& v);
Currency CCur(const Variant& v);
/// Numbers are non-zero; texts "True"/"False" or a number; error 13 otherwise.
bool CBool(const Variant& v);
/// Dates, serial numbers, and "dd/mm/yyyy" texts; error 13 otherwise, error 6
/// for a number outside the dates VB holds (IsDateSerial).
DateTime CDate(const Variant& v);

std::int32_t CLng(double d);
std::int16_t CInt(double d);
std::uint8_t CByte(double d);

/// VB's IsNumeric: a number, Boolean or a text that ParseNumber reads. Empty is numeric.
bool IsNumeric(const Variant& v);
bool IsNull(const Variant& v);
bool IsEmpty(const Variant& v);
bool IsDate(const Variant& v);

/// VB's "&": both sides as text, Null as "" (the result is Null only when both are).
Variant Concat(const Variant& a, const Variant& b);

/// The text of a value for display, Null and Empty as "" (VB's `& ""` idiom).
std::string TextOf(const Variant& v);

/// Nz: `ifNull` for Null, the value otherwise.
Variant Nz(const Variant& v, const Variant& ifNull = Variant(""));

}  // namespace vb
