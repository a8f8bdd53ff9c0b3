//===- Constants.h - DAO codes of recordset kinds, field types, options ---===//
//
// The values are DAO's own, so code written against DAO reads the same and a
// number stored or compared by the system means what it meant there.
//
//===----------------------------------------------------------------------===//
#pragma once

namespace dao {

// Recordset types for Database::OpenRecordset.
inline constexpr int dbOpenTable = 1;
inline constexpr int dbOpenDynaset = 2;
inline constexpr int dbOpenSnapshot = 4;
inline constexpr int dbOpenForwardOnly = 8;

// Options of Database::Execute.
inline constexpr int dbInconsistent = 16;
inline constexpr int dbConsistent = 32;
inline constexpr int dbFailOnError = 128;
inline constexpr int dbSeeChanges = 512;

// Field types (Field::Type, FieldDef::Type).
inline constexpr int dbBoolean = 1;
inline constexpr int dbByte = 2;
inline constexpr int dbInteger = 3;
inline constexpr int dbLong = 4;
inline constexpr int dbCurrency = 5;
inline constexpr int dbSingle = 6;
inline constexpr int dbDouble = 7;
inline constexpr int dbDate = 8;
inline constexpr int dbText = 10;
inline constexpr int dbMemo = 12;

}  // namespace dao
