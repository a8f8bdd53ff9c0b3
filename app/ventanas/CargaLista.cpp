#include "app/ventanas/CargaLista.h"

#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"

namespace app {
namespace {

// The pictures of the state column (the program's pictures folder).
constexpr std::string_view kImagenConsistente = "visto";
constexpr std::string_view kImagenGrabada = "disquete";
constexpr std::string_view kImagenInconsistente = "cruz";

}  // namespace

void AgregaColumnas(forms::DataGrid& rejilla, std::span<const ColumnaLista> columnas) {
  for (const ColumnaLista& c : columnas) {
    forms::GridColumn& columna = rejilla.AddColumn(c.Caption, c.Campo);
    columna.SetNumberFormat(c.Formato);
    if (c.Ancho != kAnchoAjustado) columna.SetWidth(c.Ancho);
  }
}

void CargaLista(forms::DataControl& fuente, forms::DataGrid& rejilla, const std::string& consulta) {
  fuente.SetRecordSource(consulta);
  fuente.SetDatabaseName(G().RutaBase);
  fuente.Refresh();
  dao::Recordset& rs = *fuente.Recordset();
  if (!rs.EOF_()) {
    rs.MoveLast();
    rs.MoveFirst();
  } else {
    rejilla.SetEnabled(false);
  }
}

void ValoresEstado(forms::GridColumn& columna) {
  columna.AddValueItem({"0", "", std::string(kImagenConsistente)});
  columna.AddValueItem({"1", "", std::string(kImagenGrabada)});
  columna.AddValueItem({"9", "", std::string(kImagenInconsistente)});
}

void ValoresRectifica(forms::GridColumn& columna) {
  columna.AddValueItem({"0", "NO", ""});
  columna.AddValueItem({"1", "SI", ""});
}

}  // namespace app
