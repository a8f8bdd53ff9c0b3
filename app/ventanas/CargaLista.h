//===- CargaLista.h - The list windows' grid over a data source ---------===//
#pragma once

#include <string>

namespace forms {
class DataControl;
class DataGrid;
}  // namespace forms

namespace app {

/// The common load of the list windows: `fuente` runs `consulta` over the
/// database `RutaBase`; when it has rows it moves to its last and then its
/// first row (so its count is complete and the first row current), else
/// `rejilla` is disabled.
void CargaLista(forms::DataControl& fuente, forms::DataGrid& rejilla, const std::string& consulta);

}  // namespace app
