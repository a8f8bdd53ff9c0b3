//===- ModGen00.h - KR917's start and its shared window procedures -------===//
//
// Main starts the program beside its host; the others are small procedures
// that the windows share: closing the main window's children, cleaning a
// number of its thousands commas, and the two message boxes of the schedule
// windows.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/Error.h"

namespace host {
class InstanceLock;
class WindowList;
}  // namespace host

namespace ModGen00 {

/// The program's start: makes the validation component, sets Periodo and
/// Semana, requires the host's window "Dexlora" on `escritorio` and the
/// single-instance lock `bloqueo` (held by the caller for the whole run), and
/// shows the main window, whose load opens the database. A refused start
/// shows its message and ends the program (forms::ProgramEnd).
void Main(const host::WindowList& escritorio, host::InstanceLock& bloqueo);

/// Unloads the main window's active child window until none is active; a
/// child that will not go ends the loop. Errors are ignored.
void CierraFormularios();

/// `numero` loses every comma, the text before each comma upper-cased (which
/// leaves a number text as it was); answers that text, or "0.00" when it is
/// blank, "0" or ".".
std::string QuitaComas(std::string& numero);

/// An error box (critical icon, OK) with `mensaje` and `titulo`; its answer.
int MensajeError(std::string_view mensaje, std::string_view titulo);

/// An information box (OK) with `mensaje` and `titulo`; its answer.
int MensajeInfo(std::string_view mensaje, std::string_view titulo);

/// The box of a trapped engine or run-time error: its description, a line
/// feed and its number as Str writes it (with a leading blank), OK, no icon,
/// titled `titulo`.
void MuestraErrorMotor(const vb::Error& e, std::string_view titulo);

/// The box of an error met while storing rows (information icon, "Mensaje"):
/// the known engine errors in words (3020, 3022, 3167, 3186, 3197, 3260),
/// any other as "Error tecnico: " and its number, the engine's text and
/// "Intente nuevamente por favor."; nothing for an error number of 0 or
/// below. A non-zero `bandera` is set to 0.
void ErrorBaseDatos(const vb::Error& e, std::int16_t& bandera);
void ErrorBaseDatos(const vb::Error& e);

}  // namespace ModGen00
