// The header of a saved or sent return read back into the form: the amount
// paid (box 598), the payment data and the order number.
#include <string>

#include "app/inicio/Compartidas.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::CargarCab() {
  Compartidas& g = G();
  const bool enviada = EnRegistro();

  // Box 598, shown as the amount to pay is shown: "1,234", a negative one
  // "(1,234)". The save reads it back as a number.
  g.CadenaSQL = std::string(enviada ? "SELECT  I_VALOR FROM hDET" : "SELECT  I_VALOR FROM DET") +
                " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) + " AND PERIODO=" + dao::Quote(g.Periodo) +
                " AND FORMULARIO=" + dao::Quote(g.Formulario) + " AND SEMANA=" + vb::NumberText(g.Semana);
  if (enviada) g.CadenaSQL += " AND CORREL=" + dao::Quote(g.Correlativo);
  g.CadenaSQL += " AND CASILLA='598'";
  auto rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenSnapshot);
  FormaDePagoQBX1.Setimporte(rs->EOF_() ? std::string() : FormaTexto(598, vb::TextOf(rs->Fields("I_VALOR").Value())));
  rs->Close();

  // The header row.
  if (enviada) {
    g.CadenaSQL = std::string("SELECT * FROM HCAB") + " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) +
                  " AND TIP_DOC_D=6" + " AND PERIODO=" + dao::Quote(g.Periodo) +
                  " AND FORMULARIO=" + dao::Quote(g.Formulario) + " AND SEMANA=" + vb::NumberText(g.Semana) +
                  " AND CORREL=" + dao::Quote(g.Correlativo);
  } else {
    g.CadenaSQL = std::string("SELECT * FROM CAB") + " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) +
                  " AND TIP_DOC_D=6" + " AND PERIODO=" + dao::Quote(g.Periodo) +
                  " AND SEMANA=" + vb::NumberText(g.Semana) + " AND FORMULARIO=" + dao::Quote(g.Formulario);
  }
  rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenSnapshot);
  if (enviada && !rs->EOF_()) {
    // A return not numbered yet holds Null or blanks (the host writes eight):
    // it shows "0", which the user types over.
    const std::string norden = vb::TextOf(rs->Fields("norden").Value());
    txtOrden.SetText(vb::Trim(norden).empty() ? std::string("0") : norden);
  }

  // The payment data.
  if (!rs->EOF_()) {
    if (!(vb::Trim(FormaDePagoQBX1.numcheque()).empty() && vb::Trim(vb::TextOf(rs->Fields("cheque").Value())).empty())) {
      FormaDePagoQBX1.Setformapago("C");
    }
    FormaDePagoQBX1.Setbanco(vb::Trim(vb::TextOf(rs->Fields("bcolibrad").Value())));
    FormaDePagoQBX1.Setnumcheque(vb::Trim(vb::TextOf(rs->Fields("nrocheque").Value())));
  }

  rs->Close();
}

}  // namespace app
