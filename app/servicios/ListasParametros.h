//===- ListasParametros.h - PARAM descriptions and the lists built from them ===//
//
// A PARAM group's rows are read by their code (Argumento) and a slice of
// their Funcion: `largo` characters from position `inicio`. The lists carry
// the code at a fixed place of each item, where their windows read it back:
//
//   LlenaComboParam    "01     ABOGADO..."      the code in 2, 5 blanks, the description
//   LlenaComboCodigo   "CUENTA...     010101"   the description, the code right-aligned in 90
//   LlenaComboCodDesc  "001 - NUEVO SOL..."     the code in 3, " - ", the description
//
// A slice whose first 15 characters are blank gives an empty description.
// The fillers append; none clears the list first.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace forms {
class ListControl;
}

namespace app {

/// The slice of the Funcion of the row (`grupo`, `argumento`), trailing
/// blanks kept; "" when there is no such row.
std::string DescripcionParam(std::string_view grupo, std::string_view argumento, long largo, long inicio);

/// Appends an empty item, then one item per row of `grupo` whose Argumento
/// is like `patron` ("*" any run), ordered by the description.
void LlenaComboParam(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo,
                     long inicio);

/// Appends one item per row, ordered by the code: the description, then the
/// code right-aligned in 90 characters, so the last two characters are the
/// code's last two and the last six a six-digit code whole.
void LlenaComboCodigo(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo,
                      long inicio);

/// Appends one item per row, ordered by the code: the code in 3 characters,
/// " - ", the description.
void LlenaComboCodDesc(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo,
                       long inicio);

/// Selects the first item whose first `n` characters are `codigo` (blanks
/// around either ignored), moving the selection item by item from the
/// first, each move raising Click as a user's choice would; the last item
/// stays selected when none matches. An empty list is left alone.
void SeleccionaCombo(forms::ListControl& lista, std::string_view codigo, long n);

}  // namespace app
