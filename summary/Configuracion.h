//===- Configuracion.h - 0917SND's settings and its database connection -===//
//
// The summary works below the database folder, not the program folder: the
// settings give DBPath (ending in "\"), DBName and SysUser; the reports go
// to DBPath & "RPT", the work files to DBPath & "TMP".
//
//===----------------------------------------------------------------------===//
#pragma once

namespace summary {

/// Reads DBPath, DBName and SysUser from KR000.INI (trimmed, "" when
/// missing) and sets CarpetaBase, RutaBase, UsuarioSistema, RutaReportes
/// and RutaTemporal.
void LeeConfiguracionEnvio();

/// Writes SystemDB into the settings, then opens BaseDatos with the
/// workgroup file below CarpetaBase and the programs' account. On a failure
/// it shows a box titled "Mensaje" and ends the program with exit status 2.
void AbreBaseDatos();

}  // namespace summary
