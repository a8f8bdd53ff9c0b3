#include "installer/Parametros.h"

#include <string>

#include "installer/Compartidas.h"
#include "installer/EjecutaSQL.h"
#include "installer/Envios.h"
#include "installer/FilasParametros.h"
#include "platform/db/Quote.h"

namespace installer {

bool ExisteParametro(std::string_view numero, std::string_view argumento) {
  auto rs = G().BaseDatos->OpenRecordset(
      "Select * from Param Where Numero=" + dao::Quote(numero) + " AND Argumento=" + dao::Quote(argumento),
      dao::dbOpenSnapshot);
  bool existe = !rs->EOF_();
  rs->Close();
  return existe;
}

void GrabaParametro(std::string_view numero, std::string_view argumento, std::string_view funcion,
                    std::string_view correl) {
  std::string sql;
  if (ExisteParametro(numero, argumento)) {
    sql = "Update Param Set Funcion=" + dao::Quote(funcion) + ", Correl_param=" + dao::Quote(correl) +
          " Where Numero=" + dao::Quote(numero) + " AND Argumento=" + dao::Quote(argumento);
  } else {
    sql = "insert into Param values (" + dao::Quote(numero) + "," + dao::Quote(argumento) + "," + dao::Quote(funcion) +
          "," + dao::Quote(correl) + ")";
  }
  EjecutaSQL(sql);
}

void CargaParametros() {
  try {
    for (const FilaParametro& fila : FilasParametros()) {
      GrabaParametro(fila.Numero, fila.Argumento, fila.Funcion, fila.CorrelParam);
    }
  } catch (const vb::Error& e) {
    // PARAM cannot be read: every other row would fail the same way, so
    // one box tells it and the install goes on without them.
    MuestraErrorSQL(e);
    MarcaFalla();
  }
  for (const FilaReporte& reporte : FilasReportes()) {
    EjecutaSQL("Delete from reportes where codrep=" + dao::Quote(reporte.CodRep));
    EjecutaSQL("insert into reportes values (" + dao::Quote(reporte.CodRep) + "," + dao::Quote(reporte.Descripcion) +
               ",1)");
  }
  CargaEnvios();
}

}  // namespace installer
