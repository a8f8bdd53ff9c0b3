//===- EjecutaSQL.h - The one executor of the installer's statements ----===//
//
// Every change the installer makes is one statement handed to EjecutaSQL,
// which tells the user of a failing statement and lets the install go on:
// a failure costs only that statement.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string_view>

#include "platform/text/Error.h"

namespace installer {

/// Runs `sql` on BaseDatos (option dbInconsistent). A failure is shown and
/// counted (MarcaFalla), except an existing primary key (3283), which is
/// passed over in silence; an existing table (3010) asks whether to
/// overwrite, and the answer changes nothing. Always returns.
void EjecutaSQL(std::string_view sql);

/// Shows the box of a failing statement: "Error Número : ", the number, a
/// line feed and the description, titled "Error al Ejecutar Sentencia SQL".
void MuestraErrorSQL(const vb::Error& error);

}  // namespace installer
