#include "installer/Envios.h"

#include <optional>

#include "installer/Compartidas.h"
#include "installer/EjecutaSQL.h"
#include "installer/LineaEnvio.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/text/Strings.h"

namespace installer {
namespace {

constexpr std::string_view kFormulario = "0917";
constexpr std::string_view kTituloArchivo = "Error al Leer el Archivo de Envío";

// The numeric columns of envio_t, as the update names them, for fields 4 to 12.
constexpr std::string_view kColumnasNumericas[] = {
    " indice=",    " obliga=",   " c_tip_doc_d=", " c_doc_id_d =", " c_Formulario=",
    " c_periodo=", " c_estado=", " c_envio=",     " c_semana="};

}  // namespace

std::string SentenciaEnvio(const LineaEnvio& l) {
  std::string sql;
  if (ExisteEnvio(l.TablaO)) {
    sql = "Update envio_t set  tabla_d = " + dao::Quote(l.TablaD) + ", tabla_ext = " + dao::Quote(l.TablaExt);
    for (std::size_t i = 0; i < l.Numeros.size(); ++i) {
      sql += ",";
      sql += kColumnasNumericas[i];
      sql += l.Numeros[i];
    }
    sql += " Where formulario=" + dao::Quote(kFormulario) + " AND tabla_o=" + dao::Quote(l.TablaO);
  } else {
    sql = "insert into envio_t values ( " + dao::Quote(kFormulario) + "," + dao::Quote(l.TablaO) + "," +
          dao::Quote(l.TablaD) + "," + dao::Quote(l.TablaExt);
    for (const std::string& numero : l.Numeros) sql += "," + numero;
    sql += ")";
  }
  return sql;
}

namespace {

void MuestraLineaErrada(const std::string& archivo, long numero, std::string_view linea, std::string_view motivo) {
  Mensaje("La línea " + std::to_string(numero) + " del archivo " + archivo + " " + std::string(motivo) +
              "; no se cargó:\n" + std::string(linea),
          forms::vbCritical, kTituloArchivo);
  MarcaFalla();
}

}  // namespace

bool ExisteEnvio(std::string_view tablaOrigen) {
  auto rs = G().BaseDatos->OpenRecordset(
      "Select * from envio_t Where formulario=" + dao::Quote(kFormulario) + " AND tabla_o=" + dao::Quote(tablaOrigen),
      dao::dbOpenSnapshot);
  bool existe = !rs->EOF_();
  rs->Close();
  return existe;
}

std::string ArchivoEnvios() { return G().RutaSistema + "tmp\\" + "env917.txt"; }

void CargaEnvios() {
  Compartidas& g = G();
  const std::string archivo = ArchivoEnvios();
  int numeroArchivo = g.Archivos.FreeFile();
  try {
    g.Archivos.Open(archivo, vb::OpenMode::Input, numeroArchivo);
  } catch (const vb::Error& e) {
    Mensaje("No se pudo leer el archivo " + archivo + "\n" + e.Description(), forms::vbCritical, kTituloArchivo);
    MarcaFalla();
    CierraBaseDatos();
    return;
  }

  try {
    long numeroLinea = 0;
    while (!g.Archivos.Eof(numeroArchivo)) {
      std::string linea = g.Archivos.LineInput(numeroArchivo);
      ++numeroLinea;
      // The list ends at its first blank line.
      if (vb::Trim(linea).empty()) break;
      std::string motivo;
      std::optional<LineaEnvio> leida = LeeLineaEnvio(linea, motivo);
      if (!leida) {
        MuestraLineaErrada(archivo, numeroLinea, linea, motivo);
        continue;
      }
      EjecutaSQL(SentenciaEnvio(*leida));
    }
  } catch (const vb::Error& e) {
    // envio_t cannot be read: the lines left would all fail the same way.
    MuestraErrorSQL(e);
    MarcaFalla();
  }
  g.Archivos.Close(numeroArchivo);
  CierraBaseDatos();
}

}  // namespace installer
