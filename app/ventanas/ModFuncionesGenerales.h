//===- ModFuncionesGenerales.h - Settings, the database, focus, placing --===//
//
// The start-up's reading of KR000.INI and its one opening of the database,
// Enter moving on like Tab in the entry windows, and placing a window.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {
class Form;
}

namespace ModFuncionesGenerales {

/// Reads section Options of KR000.INI into RutaSistema (made the current
/// folder), RutaBase (DBPath & DBName), RutaReportes and UsuarioSistema,
/// each value trimmed; missing keys read as "". An empty SysPath, or one
/// that names no folder, ends the program after a message.
void LeeConfiguracion();

/// Writes SystemDB in KR000.INI, then opens RutaBase as the workgroup's
/// account into BaseDatos, with its private work tables, and answers True. Any failure shows the box
/// "Error de Conección" and ends the program: it never returns False.
bool AbreBaseDatos();

/// Ends the start-up that cannot go on: `mensaje` in a critical box titled
/// "Error al ejecutar el módulo", then the end of the program.
[[noreturn]] void FallaInicio(std::string_view mensaje);

/// With the text exactly "TAB", sends the key {TAB} to the active window
/// (handled once the running handlers are done); any other text does nothing.
void PasaTab(std::string& texto);

/// Puts `forma` in its normal state, then sets its Left, Top, Height and
/// Width, in that order (twips).
void PosicionaForm(forms::Form& forma, std::int16_t& Left, std::int16_t& Top, std::int16_t& Height,
                   std::int16_t& Width);

}  // namespace ModFuncionesGenerales
