#include "common/Spool.h"

#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/db/Transaction.h"
#include "platform/files/FileSystem.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"

namespace common {
namespace {

// The highest numbers the two columns hold: Secuencia is Text(6), and the
// file's eight digits come before ".PRN" in Archivo's Text(12).
constexpr double kUltimaSecuencia = 999999;
constexpr double kUltimoArchivo = 99999999;

// The whole number of the query's one value; 0 when it is Null.
double Maximo(dao::Database& db, const std::string& sql, std::string_view campo) {
  auto rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  const vb::Variant valor = rs->EOF_() ? vb::Variant::Null() : rs->Fields(campo).Value();
  rs->Close();
  return valor.IsNull() ? 0 : vb::Int(vb::Val(vb::TextOf(valor)));
}

std::string Registra(dao::Database& db, std::string_view usuario, std::string_view codigo, std::int16_t tipoDocumento,
                     std::string_view documento) {
  const double secuencia =
      Maximo(db, "SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = " + dao::Quote(codigo), "SecTipo") + 1;
  const double archivo =
      Maximo(db, "SELECT max(left(Archivo,8)) as SecRep FROM SPOOL WHERE Archivo Like '########*'", "SecRep") + 1;
  // Past the last number the row would not fit its columns.
  if (archivo > kUltimoArchivo) vb::Raise(vb::ErrOverflow, SpoolSinArchivos());
  if (secuencia > kUltimaSecuencia) vb::Raise(vb::ErrOverflow, SpoolSinSecuencia(codigo));
  const std::string nombre = vb::Format(archivo, "00000000") + ".PRN";

  auto rs = db.OpenRecordset("SELECT * FROM SPOOL", dao::dbOpenDynaset);
  rs->AddNew();
  rs->Fields("CodRep").SetValue(std::string(codigo));
  rs->Fields("Secuencia").SetValue(vb::Format(secuencia, "000000"));
  rs->Fields("Archivo").SetValue(nombre);
  rs->Fields("Fecha").SetValue(vb::Now());
  rs->Fields("Usuario").SetValue(std::string(usuario));
  rs->Fields("tip_doc_d").SetValue(tipoDocumento);
  rs->Fields("Doc_id_d").SetValue(std::string(documento));
  rs->Update();
  rs->Close();
  return nombre;
}

}  // namespace

std::string RegistraSpool(dao::Workspace& ws, dao::Database& db, std::string_view usuario, std::string_view codigo,
                          std::int16_t tipoDocumento, std::string_view documento, std::string_view carpeta,
                          const EscribeArchivo& escribe) {
  dao::Transaction t(ws, dao::kWriteLock);
  const std::string nombre = Registra(db, usuario, codigo, tipoDocumento, documento);
  const std::string ruta = std::string(carpeta) + "\\" + nombre;
  // An error here rolls the row back; the file was replaced atomically, so
  // none of it was written.
  escribe(ruta);
  try {
    t.Commit();
  } catch (...) {
    // The row is undone: its file goes too. Should that fail, a file without
    // a row is what a kill would leave, and the next report takes its name.
    try {
      vb::Kill(ruta);
    } catch (const vb::Error&) {
    }
    throw;
  }
  return nombre;
}

std::string SpoolSinArchivos() {
  return "El spool de reportes (SPOOL) está lleno: ya tiene el archivo 99999999.PRN, el último que su numeración "
         "admite.";
}

std::string SpoolSinSecuencia(std::string_view codigo) {
  return "El spool de reportes (SPOOL) está lleno para el reporte " + std::string(codigo) +
         ": ya tiene la secuencia 999999, la última que admite.";
}

std::string SumaLinea(std::int16_t& cursor, std::int16_t paso) {
  const int nuevo = cursor + paso;
  if (nuevo > INT16_MAX || nuevo < INT16_MIN) vb::Raise(vb::ErrOverflow);
  cursor = static_cast<std::int16_t>(nuevo);
  return std::to_string(nuevo);
}

}  // namespace common
