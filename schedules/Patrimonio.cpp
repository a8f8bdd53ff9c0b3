// The schedules of the open return in the work table: loaded from the
// stored rows, stored back with the return, and cut by kind when a
// schedule's answer becomes No.
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "common/CodigoControl.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/text/Error.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"
#include "schedules/MensajeErrorAdicional.h"

namespace app {
namespace {

// The columns a work row takes from a stored one, in this order.
constexpr std::string_view kColumnas[] = {"TIP_INFORMACION", "TIP_MOVIMIENTO1", "TIP_MOVIMIENTO2", "IND_MONEDA",
                                          "DES_movimiento2", "mto_01012002",    "mto_31122002",    "ctd_movimiento"};

}  // namespace

void Frm0917::Carga_DATA_Patrimonial() {
  Compartidas& g = G();
  if (EnRegistro()) {
    g.CadenaSQL = std::string("SELECT * FROM hF0917PATRIM WHERE ") + "tip_doc_d=6 and " +
                  "doc_id_d =" + dao::Quote(g.RucDeclarante) + " and " + "periodo=" + dao::Quote(g.Periodo) +
                  " and " + "formulario=" + dao::Quote(g.Formulario) + " and Correl=" + dao::Quote(g.Correlativo) +
                  " ";
  } else {
    g.CadenaSQL = std::string("SELECT * FROM F0917PATRIM WHERE ") + "tip_doc_d=6 and " +
                  "doc_id_d =" + dao::Quote(g.RucDeclarante) + " and " + "periodo=" + dao::Quote(g.Periodo) +
                  " and " + "formulario=" + dao::Quote(g.Formulario);
  }
  auto filas = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
  if (!filas->EOF_()) {
    // The work table gets the return's rows all together or none of them.
    dao::Transaction copia(g.Motor.Workspaces(0));
    auto trabajo = g.BaseDatos->OpenRecordset("TMPF0917PATRIM", dao::dbOpenDynaset);
    for (filas->MoveFirst(); !filas->EOF_(); filas->MoveNext()) {
      trabajo->AddNew();
      // The host's rows may hold Null where the work table wants a text.
      for (std::string_view columna : kColumnas) {
        trabajo->Fields(columna).SetValue(vb::Variant(vb::TextOf(filas->Fields(columna).Value())));
      }
      trabajo->Update();
    }
    trabajo->Close();
    copia.Commit();
  }
  filas->Close();
}

void Frm0917::Graba_Patrimonial() {
  Compartidas& g = G();
  // How many rows the work table holds decides whether any are written.
  auto cuenta = g.BaseDatos->OpenRecordset("Select count(*) As nReg from TMPF0917PATRIM ", dao::dbOpenDynaset);
  const long nReg = vb::CLng(cuenta->Fields("nReg").Value());

  // The return's stored rows go, whether or not the work table holds any.
  g.CadenaSQL = std::string(" DELETE * ") + " FROM F0917PATRIM " + " WHERE TIP_DOC_D=6 " +
                " AND DOC_ID_D=" + dao::Quote(g.RucDeclarante) + " AND PERIODO=" + dao::Quote(g.Periodo) +
                " AND FORMULARIO=" + dao::Quote(g.Formulario);
  g.BaseDatos->Execute(g.CadenaSQL, dao::dbFailOnError);

  auto trabajo = g.BaseDatos->OpenRecordset("SELECT * FROM TMPF0917PATRIM ", dao::dbOpenDynaset);

  // The key columns and the four codes come first: the control code adds them up.
  if (nReg > 0) {
    auto filas = g.BaseDatos->OpenRecordset("F0917PATRIM", dao::dbOpenDynaset);
    for (; !trabajo->EOF_(); trabajo->MoveNext()) {
      filas->AddNew();
      filas->Fields("tip_doc_d").SetValue(vb::Variant(std::int16_t{6}));
      filas->Fields("Doc_id_d").SetValue(vb::Variant(g.RucDeclarante));
      filas->Fields("PERIODO").SetValue(vb::Variant(g.Periodo));
      filas->Fields("Formulario").SetValue(vb::Variant(g.Formulario));
      for (std::string_view columna : kColumnas) {
        filas->Fields(columna).SetValue(vb::Variant(vb::TextOf(trabajo->Fields(columna).Value())));
      }
      filas->Fields("cNumero").SetValue(vb::Variant(common::CodigoControl(*filas, 8)));
      filas->Update();
    }
    filas->Close();
  }

  trabajo->Close();
  cuenta->Close();
}

void Frm0917::Elimina_Adicional(std::string_view tipo) {
  Compartidas& g = G();
  g.CadenaSQL = std::string("DELETE * FROM TMPF0917PATRIM ") + " WHERE TIP_INFORMACION = " + dao::Quote(tipo) + " ";
  try {
    // Fail-on-error: a delete that did not happen is told, and the return is
    // not taken for changed.
    g.BaseDatos->Execute(g.CadenaSQL, dao::dbFailOnError);
  } catch (const vb::Error& e) {
    MensajeErrorAdicional(e);
    return;
  }
  FormularioModificado = true;
}

}  // namespace app
