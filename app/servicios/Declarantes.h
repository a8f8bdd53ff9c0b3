//===- Declarantes.h - The list of taxpayers a user may declare for -----===//
//
// The return form's declarant list holds one item per RUC taxpayer of the
// host's register CONT for this form, the user's own ones unless the user's
// type is "0". An item reads, by position:
//
//   1-13   the document number: its first 11 characters, padded with blanks
//   14-    paternal surname, maternal surname and first name, joined by one
//          blank each (an empty part still leaves its blank)
//   then   10 blanks and, in the last 6 characters, the three parts'
//          lengths as two digits each ("060504")
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace forms {
class ListControl;
}

namespace app {

/// The query of the declarants for the form `formulario`: CONT's RUC rows
/// (of exactly 11 characters when the RUC type requires that length), of
/// the form's kind of taxpayer, of UsuarioSistema unless the user is of type
/// "0", ordered by document type and number.
std::string SqlDeclarantes(std::string_view formulario);

/// Appends one item per declarant of Formulario to `lista`. Leaves the query
/// in CadenaSQL; the snapshot in RsConsulta is released after the rows,
/// and left open when there is none.
void AbreDeclarantes(forms::ListControl& lista);

}  // namespace app
