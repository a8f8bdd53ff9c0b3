#include "app/ventanas/CargaLista.h"

#include "app/inicio/Compartidas.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"

namespace app {

void AgregaColumnas(forms::DataGrid& rejilla, std::span<const ColumnaLista> columnas) {
  for (const ColumnaLista& c : columnas) {
    forms::GridColumn& columna = rejilla.AddColumn(c.Caption, c.Campo);
    columna.SetNumberFormat(c.Formato);
    columna.SetWidth(c.Ancho);
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

}  // namespace app
