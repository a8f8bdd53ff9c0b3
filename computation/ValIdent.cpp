// The check of the identification page: a new return must not be saved
// already, and needs its declarant; every return needs the rectification
// answer and a telephone that is plausible when there is one.
#include <string>
#include <string_view>

#include "app/componentes/BarradeEstadoQBX.h"
#include "app/inicio/Compartidas.h"
#include "app/servicios/Tasas.h"
#include "app/ventanas/MDIFrm.h"
#include "computation/Inconsistencias.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Strings.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// A telephone of one to this many characters is taken for a typing error.
constexpr long kTelefonoCorto = 5;

}  // namespace

bool Frm0917::ValIdent(std::string_view modo) {
  Compartidas& g = G();
  const bool listado = modo == "0";
  bool resultado = true;
  const std::string ruc = vb::Trim(vb::Left(CmbRuc.Text(), 11));
  BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;

  // A failure of checks 2 to 4: listed, and the next check runs; or shown on
  // page 0 with the focus where the answer goes, and the check ends.
  auto falla = [&](Inconsistencia mensaje, bool vuelvePagina, forms::Control* foco) {
    resultado = false;
    if (listado) {
      EscribeMens(TextoDe(mensaje));
      if (vuelvePagina) tab0584.SetTab(0);
      return true;
    }
    tab0584.SetTab(0);
    forms::MsgBox(TextoDe(mensaje), forms::vbCritical, kTituloFrm0917);
    if (foco != nullptr && foco->CanTakeFocus()) foco->SetFocus();
    return false;
  };

  // One return per declarant and period: a saved one is modified, not entered again.
  if (g.Modo == 1) {
    g.CadenaSQL = std::string("SELECT * FROM CAB") + " WHERE DOC_ID_D=" + dao::Quote(ruc) +
                  " AND PERIODO=" + dao::Quote(g.Periodo) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                  " AND TIP_DOC_D=6";
    g.RsConsulta = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenSnapshot);
    if (!g.RsConsulta->EOF_()) {
      g.RsConsulta->Close();
      g.RsConsulta.reset();
      tab0584.SetTab(0);
      barra.Setperiodo_ejercicio(g.Periodo);
      forms::MsgBox(TextoDe(Inconsistencia::YaExiste), forms::vbCritical, kTituloFrm0917);
      return false;
    }
    g.Periodo = "2002";
    g.RucDeclarante = ruc;
    barra.Setperiodo_ejercicio(g.Periodo);
    CargaTasas();
    g.RsConsulta->Close();
    g.RsConsulta.reset();
  }

  // A new return needs its declarant.
  if (g.Modo == 1 && ruc.empty() && !falla(Inconsistencia::SinDeclarante, true, &CmbRuc)) return false;

  // The return is declared original or rectifying.
  if (!OptRectifica(0).Value() && !OptRectifica(1).Value() &&
      !falla(Inconsistencia::SinRectificatoria, true, nullptr)) {
    return false;
  }

  // A telephone number, when there is one, is not too short to be one.
  const long largo = vb::Len(TxtTelefono.Text());
  if (largo >= 1 && largo <= kTelefonoCorto && !falla(Inconsistencia::Telefono, false, &TxtTelefono)) return false;

  return resultado;
}

}  // namespace app
