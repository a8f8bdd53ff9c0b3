//===- JetDdl.h - Jet's data definition statements (internal) --------------===//
//
//   CREATE TABLE t ([c] type [(n)] [NOT NULL] [PRIMARY KEY | UNIQUE], ...
//                   [, CONSTRAINT name {PRIMARY KEY | UNIQUE} (cols)])
//   CREATE [UNIQUE] INDEX name ON t (col [ASC | DESC], ...) [WITH PRIMARY]
//   ALTER TABLE t ADD CONSTRAINT name {PRIMARY KEY | UNIQUE} (cols)
//   DROP TABLE t
//
// Types, as Jet names them: BYTE (TINYINT); SHORT (SMALLINT): the 16-bit
// Integer; LONG (INT, INTEGER): the 32-bit Long, for in Jet SQL "Integer" is
// a Long; SINGLE (REAL); DOUBLE (FLOAT, NUMBER); CURRENCY (MONEY); DATETIME
// (DATE, TIME); TEXT (CHAR, VARCHAR) with a size of 1 to 255, 255 when none is
// given; MEMO (LONGTEXT, NOTE); YESNO (BIT, LOGICAL, BOOLEAN). Text fields
// made here refuse "" (AllowZeroLength False) until told otherwise.
//
// Errors: 3010 the table exists, 3283 a primary key exists, 3375 the index
// exists, 3376 DROP of a missing table, 3078 ALTER or INDEX on one, 3265 an
// unknown field in a key, 3191 a field twice, 3022 rows that break a new key,
// 3058 Null in a new key, 3290/3292/3293 syntax, 3125 a name of the layer's
// own, 3033 without the right to change tables, 3027 on a read-only database;
// a primary key added to a table that cannot be made again from its own
// text: 3251 (a virtual table, a rule of the layer's name there), 3346
// (computed columns).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

#include "platform/db/SqlLexer.h"

namespace dao::detail {

class Connection;

/// Runs one data definition statement.
void ExecuteDdl(Connection& c, const Lexed& lexed, std::string_view sql);

}  // namespace dao::detail
