//===- CargaLista.h - The list windows' grid over a data source ---------===//
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace forms {
class DataControl;
class DataGrid;
class GridColumn;
}  // namespace forms

namespace app {

/// The width of a column given none: as wide as its heading and its values
/// need, and no wider.
inline constexpr long kAnchoAjustado = -1;

/// One column of a list window's grid: its heading, the field it shows, its
/// display format and its design width (twips), or kAnchoAjustado.
struct ColumnaLista {
  std::string_view Caption;
  std::string_view Campo;
  std::string_view Formato;
  long Ancho = kAnchoAjustado;
};

/// Adds the columns of `columnas` to `rejilla`, in order, each with its
/// design width when it has one.
void AgregaColumnas(forms::DataGrid& rejilla, std::span<const ColumnaLista> columnas);

/// The common load of the list windows: `fuente` runs `consulta` over the
/// database `RutaBase`; when it has rows it moves to its last and then its
/// first row (so its count is complete and the first row current), else
/// `rejilla` is disabled.
void CargaLista(forms::DataControl& fuente, forms::DataGrid& rejilla, const std::string& consulta);

/// The value list of a return's `estado` column: the picture of a
/// consistent return (0), a saved one (1) and an inconsistent one (9).
void ValoresEstado(forms::GridColumn& columna);

/// The value list of a return's `rectifica` column: 0 "NO", 1 "SI".
void ValoresRectifica(forms::GridColumn& columna);

}  // namespace app
