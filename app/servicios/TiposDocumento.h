//===- TiposDocumento.h - Identity document types (PARAM group 044) -----===//
//
// A type's row is found by its code without leading zeros ("6" the RUC);
// its Funcion holds, by position: 1-30 the name, 32-42 the short name, 46-47
// the number of characters of a document number, 56-57 the order in the
// lists, 59-82 one usage flag per use, 128 the data kind ("0" free text,
// another digit numeric) and 130 the length kind ("0" at most the length,
// "1" exactly the length).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace forms {
class ListControl;
}

namespace app {

/// The type's name (`clase` 1) or short name (any other `clase`); "" when
/// the type has no row. Only the name's lookup trims the code.
std::string DescripcionDocumento(std::string_view codigo, std::uint8_t clase);

/// The number of characters of a document number of the type `codigo`
/// (without leading zeros); 8 when the type has no row.
int LongitudDocumento(std::string_view codigo);

/// Replaces the list's items by the types whose usage flag at `posicion` is
/// "1", in their list order, after an item of 75 blanks when `conBlanco`.
/// An item holds, by position: 1-2 the code ("06"), 3-7 "  -  ", 8-67 the
/// name, 68-69 the number length, 71 the data kind, 73 the length kind.
void LlenaTiposDocumento(forms::ListControl& lista, int posicion, bool conBlanco);

/// True when `numero` is a valid document number of the type `tipo` ("06"
/// or "6"): not empty, of the type's length (at most or exactly, by its
/// length kind), and passing the component's check for its data kind.
bool ValidaDocumento(std::string_view tipo, std::string_view numero);

}  // namespace app
