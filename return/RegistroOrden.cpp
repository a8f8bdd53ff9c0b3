// The save of a sent return: the order number that the tax authority gave
// it, checked against its control number, into its HCAB row.
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModGen00.h"
#include "common/CodigoControl.h"
#include "common/NumeroOrden.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/FilasDeclaracion.h"
#include "return/Frm0917.h"

namespace app {

bool Frm0917::GrabaNumeroOrden() {
  Compartidas& g = G();

  // An order number has eight characters,
  if (vb::Len(txtOrden.Text()) != 8) {
    forms::MsgBox("     El número de orden no es válido", forms::vbCritical, Caption());
    txtVerifica.SetFocus();
    return false;
  }
  // and its check digit must match it.
  if (!common::ValidaOrden(g.NumeroControl, txtOrden.Text(), txtVerifica.Text())) {
    forms::MsgBox("     El digito Verificador es incorrecto", forms::vbCritical, Caption());
    txtVerifica.SetFocus();
    return false;
  }

  // A number that found no sent return to go to was not recorded, and
  // the user must not be told it was.
  bool grabado = false;
  try {
    grabado = dao::Atomically(
        g.Motor.Workspaces(0),
        [&] {
          g.CadenaSQL = std::string("SELECT * FROM HCAB") + " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) +
                        " AND TIP_DOC_D=6" + " AND PERIODO=" + dao::Quote(g.Periodo) +
                        " AND FORMULARIO=" + dao::Quote(g.Formulario) + " AND CORREL=" + dao::Quote(g.Correlativo) +
                        " AND SEMANA=" + vb::NumberText(g.Semana);
          auto rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
          const bool hay = !rs->EOF_();
          if (hay) {
            rs->Edit();
            rs->Fields("norden").SetValue(vb::Variant(txtOrden.Text()));
            rs->Fields("cNumero").SetValue(vb::Variant(common::CodigoControl(*rs, kClaveHcab)));
            rs->Update();
          }
          rs->Close();
          return hay;
        },
        dao::kWriteLock);
  } catch (const vb::Error& e) {
    ModGen00::ErrorBaseDatos(e);
    return false;
  }
  if (!grabado) {
    forms::MsgBox("No se encontró el formulario enviado; el número de orden no fue grabado.", forms::vbCritical,
                  Caption());
    return false;
  }

  // Recorded: the save ends as any save does.
  forms::MsgBox("El número de orden y el digito verificador fueron grabados satisfactoriamente.",
                forms::vbExclamation, Caption());
  g.OrdenModificado = false;
  CierreGrabacion();
  return true;
}

}  // namespace app
