#include "platform/text/Variant.h"

#include <cmath>
#include <limits>

#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace vb {
namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// VB's general date: the date, its time of day when it has one, and only the
// time for a value without a day (serial 0 is "00:00:00").
std::string DateText(DateTime d) {
  std::string time = TwoDigits(Hour(d)) + ":" + TwoDigits(Minute(d)) + ":" + TwoDigits(Second(d));
  if (std::floor(d.Serial) == 0) return time;
  std::string out = TwoDigits(Day(d)) + "/" + TwoDigits(Month(d)) + "/" + std::to_string(Year(d));
  if (d.Serial != std::floor(d.Serial)) out += " " + time;
  return out;
}

double RangeChecked(double value, double low, double high) {
  double r = RoundHalfEven(value);
  if (!(r >= low && r <= high)) Raise(ErrOverflow);
  return r;
}

}  // namespace

Currency Currency::FromDouble(double value) {
  double scaled = RoundHalfEven(value * 10000.0);
  if (!(std::fabs(scaled) < 9.2233720368547e18)) Raise(ErrOverflow);
  return Currency{static_cast<std::int64_t>(scaled)};
}

Variant::Variant(long l) {
  if (l < std::numeric_limits<std::int32_t>::min() || l > std::numeric_limits<std::int32_t>::max()) {
    Raise(ErrOverflow);
  }
  Value_ = static_cast<std::int32_t>(l);
}

Variant Variant::Null() { return Variant(Storage(NullTag{})); }
Variant Variant::Byte(std::uint8_t b) { return Variant(Storage(ByteTag{b})); }
Variant Variant::Integer(std::int16_t i) { return Variant(Storage(i)); }
Variant Variant::Long(std::int32_t l) { return Variant(Storage(l)); }

VarType Variant::Type() const {
  static constexpr VarType kTypes[] = {VarType::Empty,  VarType::Null,     VarType::Byte,
                                       VarType::Integer, VarType::Long,    VarType::Single,
                                       VarType::Double,  VarType::Currency, VarType::Date,
                                       VarType::String,  VarType::Boolean};
  return kTypes[Value_.index()];
}

bool Variant::IsNumber() const {
  switch (Type()) {
    case VarType::Byte:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
      return true;
    default:
      return false;
  }
}

const std::string& Variant::StringValue() const {
  if (const auto* s = std::get_if<std::string>(&Value_)) return *s;
  Raise(ErrTypeMismatch);
}

double Variant::NumberValue() const {
  switch (Type()) {
    case VarType::Byte:
      return std::get<ByteTag>(Value_).V;
    case VarType::Integer:
      return std::get<std::int16_t>(Value_);
    case VarType::Long:
      return std::get<std::int32_t>(Value_);
    case VarType::Single:
      return std::get<float>(Value_);
    case VarType::Double:
      return std::get<double>(Value_);
    case VarType::Currency:
      return std::get<Currency>(Value_).ToDouble();
    case VarType::Date:
      return std::get<DateTime>(Value_).Serial;
    case VarType::Boolean:
      return std::get<bool>(Value_) ? -1 : 0;
    default:
      Raise(ErrTypeMismatch);
  }
}

DateTime Variant::DateValue() const {
  if (const auto* d = std::get_if<DateTime>(&Value_)) return *d;
  Raise(ErrTypeMismatch);
}

bool Variant::BoolValue() const {
  if (const auto* b = std::get_if<bool>(&Value_)) return *b;
  Raise(ErrTypeMismatch);
}

std::string CStr(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty:
      return "";
    case VarType::Null:
      Raise(ErrInvalidNull);
    case VarType::String:
      return v.StringValue();
    case VarType::Boolean:
      return v.BoolValue() ? "True" : "False";
    case VarType::Date:
      return DateText(v.DateValue());
    case VarType::Single:
      return NumberText(v.NumberValue(), 7);
    default:
      return NumberText(v.NumberValue());
  }
}

double CDbl(const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty:
      return 0;
    case VarType::Null:
      Raise(ErrInvalidNull);
    case VarType::String: {
      std::optional<double> d = ParseNumber(v.StringValue());
      if (!d) Raise(ErrTypeMismatch);
      return *d;
    }
    default:
      return v.NumberValue();
  }
}

std::int32_t CLng(double d) { return static_cast<std::int32_t>(RangeChecked(d, -2147483648.0, 2147483647.0)); }
std::int16_t CInt(double d) { return static_cast<std::int16_t>(RangeChecked(d, -32768.0, 32767.0)); }
std::uint8_t CByte(double d) { return static_cast<std::uint8_t>(RangeChecked(d, 0.0, 255.0)); }

std::int32_t CLng(const Variant& v) { return CLng(CDbl(v)); }
std::int16_t CInt(const Variant& v) { return CInt(CDbl(v)); }
std::uint8_t CByte(const Variant& v) { return CByte(CDbl(v)); }

float CSng(const Variant& v) {
  double d = CDbl(v);
  if (std::fabs(d) > std::numeric_limits<float>::max()) Raise(ErrOverflow);
  return static_cast<float>(d);
}

Currency CCur(const Variant& v) { return Currency::FromDouble(CDbl(v)); }

bool CBool(const Variant& v) {
  switch (v.Type()) {
    case VarType::Null:
      Raise(ErrInvalidNull);
    case VarType::Boolean:
      return v.BoolValue();
    case VarType::String: {
      std::string t = UCase(Trim(v.StringValue()));
      if (t == "TRUE" || t == "VERDADERO") return true;
      if (t == "FALSE" || t == "FALSO") return false;
      std::optional<double> d = ParseNumber(t);
      if (!d) Raise(ErrTypeMismatch);
      return *d != 0;
    }
    default:
      return CDbl(v) != 0;
  }
}

DateTime CDate(const Variant& v) {
  switch (v.Type()) {
    case VarType::Null:
      Raise(ErrInvalidNull);
    case VarType::Date:
      return v.DateValue();
    case VarType::String: {
      if (auto d = ParseDate(Trim(v.StringValue()))) return *d;
      Raise(ErrTypeMismatch);
    }
    default: {
      const double serial = CDbl(v);
      if (!IsDateSerial(serial)) Raise(ErrOverflow);
      return DateTime{serial};
    }
  }
}

bool IsNumeric(const Variant& v) {
  switch (v.Type()) {
    case VarType::Null:
    case VarType::Date:
      return false;
    case VarType::String:
      return ParseNumber(v.StringValue()).has_value();
    default:
      return true;
  }
}

bool IsNull(const Variant& v) { return v.IsNull(); }
bool IsEmpty(const Variant& v) { return v.IsEmpty(); }

bool IsDate(const Variant& v) {
  if (v.Type() == VarType::Date) return true;
  if (v.Type() == VarType::String) return ParseDate(Trim(v.StringValue())).has_value();
  return false;
}

Variant Concat(const Variant& a, const Variant& b) {
  if (a.IsNull() && b.IsNull()) return Variant::Null();
  return Variant(TextOf(a) + TextOf(b));
}

std::string TextOf(const Variant& v) { return v.IsNull() ? std::string() : CStr(v); }

Variant Nz(const Variant& v, const Variant& ifNull) { return v.IsNull() ? ifNull : v; }

}  // namespace vb
