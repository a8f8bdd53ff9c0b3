#include "installer/Tablas.h"

#include <array>
#include <string>

#include "installer/Compartidas.h"
#include "installer/EjecutaSQL.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"

namespace installer {
namespace {

// The pieces of the create statements; HF0917PATRIM is F0917PATRIM with
// Correl after the form.
constexpr std::string_view kCamposDeclaracion = " [tip_doc_d] Byte, [doc_id_d] text(15),[periodo] Text(6), ";
constexpr std::string_view kCampoFormulario = " [formulario] Text (4), ";
constexpr std::string_view kCamposPatrimonio =
    " [tip_informacion] Text (2), "
    " [tip_movimiento1] Text (2), "
    " [tip_movimiento2] Text (2), "
    " [ind_moneda] Text (3), "
    " [des_movimiento2] Text (20), "
    " [mto_01012002] Text (15), "
    " [mto_31122002] Text (15), "
    " [ctd_movimiento] Text (15), "
    " [cnumero] Text(6));";
constexpr std::string_view kCamposCodigo =
    " [tip_informacion] Text (2), "
    " [tip_movimiento1] Text (2), "
    " [tip_movimiento2] Text (2), "
    " [ind_moneda] Text (3), ";
constexpr std::string_view kCamposMontos =
    " [mto_01012002] Text (15), "
    " [mto_31122002] Text (15), "
    " [ctd_movimiento] Text (15) )";
constexpr std::string_view kClaveCodigo = " ([tip_informacion],[tip_movimiento1],[tip_movimiento2],[ind_moneda] )";

struct Tabla {
  std::string_view Nombre;
  std::string Crear;
  std::string Clave;
};

std::string Une(std::initializer_list<std::string_view> piezas) {
  std::string texto;
  for (std::string_view p : piezas) texto += p;
  return texto;
}

// The four tables in the order they are made.
const std::array<Tabla, 4>& Tablas() {
  static const std::array<Tabla, 4> tablas = {{
      {"F0917PATRIM", Une({"CREATE TABLE F0917PATRIM(", kCamposDeclaracion, kCampoFormulario, kCamposPatrimonio}),
       Une({"ALTER TABLE F0917PATRIM ADD CONSTRAINT PK_F0917PATRIM  PRIMARY KEY",
            " ([tip_doc_d],[doc_id_d],[periodo],[Formulario],[tip_informacion], ",
            " [tip_movimiento1],[tip_movimiento2],[ind_moneda] )"})},
      {"HF0917PATRIM",
       Une({"CREATE TABLE HF0917PATRIM(", kCamposDeclaracion, kCampoFormulario, " [Correl] Text (3), ",
            kCamposPatrimonio}),
       Une({"ALTER TABLE HF0917PATRIM ADD CONSTRAINT PK_HF0917PATRIM  PRIMARY KEY",
            " ([tip_doc_d],[doc_id_d],[periodo],[Formulario],[Correl],[tip_informacion], ",
            " [tip_movimiento1],[tip_movimiento2],[ind_moneda] )"})},
      {"TMPF0917PATRIM",
       Une({"CREATE TABLE TMPF0917PATRIM(", kCamposCodigo, " [des_movimiento2] Text (40), ",
            " [des_moneda] Text (40), ", kCamposMontos}),
       Une({"ALTER TABLE TMPF0917PATRIM ADD CONSTRAINT PK_TMPF0917PATRIM  PRIMARY KEY", kClaveCodigo})},
      {"TMPF0917PATRIM1",
       Une({"CREATE TABLE TMPF0917PATRIM1(", kCamposCodigo, " [des_informacion] Text (90), ",
            " [des_moneda1] Text (40), ", " [des_movimiento2] Text (40), ", " [des_moneda2] Text (40), ",
            kCamposMontos}),
       Une({"ALTER TABLE TMPF0917PATRIM1 ADD CONSTRAINT PK_TMPF0917PATRIM1  PRIMARY KEY", kClaveCodigo})},
  }};
  return tablas;
}

// The columns that may hold empty text, by table; the two stored tables share one list.
struct ColumnasVacias {
  std::string_view Tabla;
  std::array<std::string_view, 7> Columnas;  // "" ends a shorter list
};

constexpr std::array<std::string_view, 7> kVaciasPatrimonio = {"des_movimiento2", "mto_01012002", "mto_31122002",
                                                               "ctd_movimiento"};
constexpr ColumnasVacias kColumnasVacias[] = {
    {"F0917PATRIM", kVaciasPatrimonio},
    {"HF0917PATRIM", kVaciasPatrimonio},
    {"TMPF0917PATRIM", {"des_movimiento2", "des_moneda", "mto_01012002", "mto_31122002", "ctd_movimiento"}},
    {"TMPF0917PATRIM1",
     {"des_informacion", "des_moneda1", "des_movimiento2", "des_moneda2", "mto_01012002", "mto_31122002",
      "ctd_movimiento"}},
};

constexpr std::string_view kTituloError = "Error al Ejecutar Sentencia SQL";

// True when the table has its primary key; false when it has none or is missing.
bool TieneClave(std::string_view nombre) {
  try {
    for (const dao::IndexDef& indice : G().BaseDatos->TableDefs(nombre)->Indexes()) {
      if (indice.Primary) return true;
    }
  } catch (const vb::Error&) {
    // No such table: no key either.
  }
  return false;
}

// A table found without its key (left so by a run stopped between its two
// statements, before they were one unit) gets it now. When its rows break
// the key, the user is told which table it is and the rows stay: a table
// that holds rows is never dropped.
void CompletaClave(const Tabla& tabla) {
  if (TieneClave(tabla.Nombre)) return;
  try {
    G().BaseDatos->Execute(tabla.Clave, dao::dbFailOnError);
  } catch (const vb::Error& e) {
    Mensaje("La tabla " + std::string(tabla.Nombre) + " no tiene su clave primaria y no se le pudo agregar; " +
                "sus filas se conservan.\nError Número : " + std::to_string(e.Number()) + "\n" + e.Description(),
            forms::vbCritical, kTituloError);
    MarcaFalla();
  }
}

}  // namespace

bool ExisteTabla(std::string_view nombre) {
  dao::TableDefList& tablas = G().BaseDatos->TableDefs();
  tablas.Refresh();
  for (int i = 0; i < tablas.Count(); ++i) {
    if (vb::UCase(tablas.Item(i)->Name()) == nombre) return true;
  }
  return false;
}

void BorraTemporales() {
  if (ExisteTabla("TMPF0917PATRIM")) EjecutaSQL("Drop Table TMPF0917PATRIM");
  if (ExisteTabla("TMPF0917PATRIM1")) EjecutaSQL("Drop Table TMPF0917PATRIM1");
}

void CreaTablas() {
  for (const Tabla& tabla : Tablas()) {
    if (ExisteTabla(tabla.Nombre)) {
      CompletaClave(tabla);
      continue;
    }
    // The table and its key are one unit: a run stopped between the two
    // statements, or a key that fails, leaves no table behind.
    dao::Transaction unidad(G().Motor.Workspaces(0));
    EjecutaSQL(tabla.Crear);
    EjecutaSQL(tabla.Clave);
    if (TieneClave(tabla.Nombre)) unidad.Commit();
  }
  G().BaseDatos->TableDefs().Refresh();
}

void PermiteLongitudCero(std::string_view nombre) {
  const std::string clave = vb::UCase(nombre);
  for (const ColumnasVacias& lista : kColumnasVacias) {
    if (lista.Tabla != clave) continue;
    std::shared_ptr<dao::TableDef> tabla;
    try {
      tabla = G().BaseDatos->TableDefs(nombre);
    } catch (const vb::Error&) {
      return;  // no such table: nothing of the list can be set
    }
    for (std::string_view columna : lista.Columnas) {
      if (columna.empty()) break;
      try {
        tabla->Fields(columna).SetAllowZeroLength(true);
      } catch (const vb::Error&) {
        // A missing column leaves the rest of the list to run.
      }
    }
  }
}

}  // namespace installer
