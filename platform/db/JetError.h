//===- JetError.h - The database engine's error numbers and Spanish texts ---===//
//
// Database failures are vb::Error with the engine's numbers (3010 table
// exists, 3022 duplicate key, 3051 locked, ...) and the texts a Spanish engine
// shows, so the system's handlers can tell them apart by number and show the
// description as it stands. A "|" in a text is filled with the names the
// caller gives, in order.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace dao {

/// The Spanish description of engine error `number`, its "|" filled with `args`.
std::string JetErrorText(int number, std::initializer_list<std::string_view> args = {});

/// Raises vb::Error{number, JetErrorText(number, args)}.
[[noreturn]] void RaiseJet(int number, std::initializer_list<std::string_view> args = {});

// The engine errors the layer raises.
inline constexpr int ErrReserved = 3000;
inline constexpr int ErrInvalidArgument = 3001;
inline constexpr int ErrTooManyTransactions = 3003;
inline constexpr int ErrTableExists = 3010;
inline constexpr int ErrUpdateWithoutEdit = 3020;
inline constexpr int ErrNoCurrentRecord = 3021;
inline constexpr int ErrDuplicateKey = 3022;
inline constexpr int ErrFileNotFound = 3024;
inline constexpr int ErrDiskFull = 3026;
inline constexpr int ErrReadOnly = 3027;
inline constexpr int ErrWorkgroupMissing = 3028;
inline constexpr int ErrAccountRefused = 3029;
inline constexpr int ErrNoPermission = 3033;
inline constexpr int ErrNoTransaction = 3034;
inline constexpr int ErrDiskIo = 3043;
inline constexpr int ErrInvalidPath = 3044;
inline constexpr int ErrDatabaseLocked = 3051;
inline constexpr int ErrNullInKey = 3058;
inline constexpr int ErrTooFewParameters = 3061;
inline constexpr int ErrExecuteSelect = 3065;
inline constexpr int ErrSyntax = 3075;
inline constexpr int ErrNoSuchTable = 3078;
inline constexpr int ErrUndefinedFunction = 3085;
inline constexpr int ErrInvalidName = 3125;
inline constexpr int ErrUnknownInsertField = 3127;
inline constexpr int ErrInvalidStatement = 3129;
inline constexpr int ErrTextAfterStatement = 3142;
inline constexpr int ErrInvalidBookmark = 3159;
inline constexpr int ErrFieldTooSmall = 3163;
inline constexpr int ErrFieldNotUpdatable = 3164;
inline constexpr int ErrRecordDeleted = 3167;
inline constexpr int ErrNoIsam = 3170;
inline constexpr int ErrSaveLocked = 3186;
inline constexpr int ErrFieldTwice = 3191;
inline constexpr int ErrRelatedRecord = 3201;
inline constexpr int ErrDatabaseExists = 3204;
inline constexpr int ErrInvalidOperation = 3219;
inline constexpr int ErrNotForThisObject = 3251;
inline constexpr int ErrUpdateLocked = 3260;
inline constexpr int ErrItemNotFound = 3265;
inline constexpr int ErrInRelationship = 3281;  // a table other tables' relationships point at
inline constexpr int ErrPrimaryKeyExists = 3283;
inline constexpr int ErrCreateTableSyntax = 3290;
inline constexpr int ErrFieldDefinitionSyntax = 3292;
inline constexpr int ErrAlterTableSyntax = 3293;
inline constexpr int ErrRequired = 3314;
inline constexpr int ErrZeroLength = 3315;
inline constexpr int ErrValidationText = 3316;  // the refusing rule's own text
inline constexpr int ErrRuleRefused = 3317;
inline constexpr int ErrUnrecognizedFormat = 3343;
inline constexpr int ErrValueCount = 3346;
inline constexpr int ErrNumericOverflow = 3349;
inline constexpr int ErrQueryTooComplex = 3360;
inline constexpr int ErrNotUniquelyIndexed = 3374;  // a relationship to columns that are no key
inline constexpr int ErrIndexExists = 3375;
inline constexpr int ErrTableMissing = 3376;
inline constexpr int ErrObjectInvalid = 3420;
inline constexpr int ErrConversion = 3421;

}  // namespace dao
