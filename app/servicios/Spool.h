//===- Spool.h - Registering KR917's report files in the spool ----------===//
//
// The window-free registration lives in common/Spool.h, shared with
// 0917SND; this is its call on KR917's own database and user.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Spool.h"

namespace app {

using common::SumaLinea;

/// RegistraSpool on KR917's database (BaseDatos in Motor's workspace) for
/// UsuarioSistema, the file written by `escribe` in RutaReportes; error 91
/// when no database is open.
std::string RegistraSpool(std::string_view codigo, std::int16_t tipoDocumento, std::string_view documento,
                          const common::EscribeArchivo& escribe);

}  // namespace app
