// What the declarant pays with the return: the warning when it differs
// from the balance owed, the amount required, and whole payment data.
#include <optional>
#include <string>
#include <string_view>

#include "app/componentes/FormaDePagoQBX.h"
#include "computation/Inconsistencias.h"
#include "computation/Revision.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr char kCheque[] = "C";
constexpr char kEfectivo[] = "E";
constexpr char kSinBanco[] = "XX";

}  // namespace

std::string Frm0917::SaldoaPagar(std::string_view adeudado, std::string_view pagado, std::string_view etiqueta) {
  std::string respuesta;
  const std::optional<double> debe = vb::ParseNumber(adeudado);
  const std::optional<double> paga = vb::ParseNumber(pagado);
  // Nothing paid against a balance in favour is no excess.
  if (debe && paga && (pagado != "0" || *debe >= 0)) {
    if (*debe < *paga) {
      respuesta = TextoDe(Inconsistencia::ExcesoPago, {etiqueta});
    } else if (*paga < *debe) {
      respuesta = TextoDe(Inconsistencia::OrdenPago, {etiqueta});
    }
  }
  // With nothing owed at all, any payment is an excess.
  if (adeudado.empty() && paga && *paga > 0) respuesta = TextoDe(Inconsistencia::ExcesoPago, {etiqueta});
  return respuesta;
}

void ValidaImporte(Revision& r) {
  if (r.Form.vacio(180)) r.Falla(Inconsistencia::SinImporte);
}

void ValidaFormaPago(Revision& r) {
  const FormaDePagoQBX& pago = r.Form.FormaDePagoQBX1;
  const std::string& forma = pago.formapago();
  if (forma != kEfectivo && forma != kCheque) {
    r.Falla(Inconsistencia::SinFormaPago);
    return;
  }
  if (forma != kCheque) return;
  if (vb::Trim(pago.banco()) == kSinBanco) r.Falla(Inconsistencia::SinBanco);
  if (vb::Trim(pago.numcheque()).empty()) r.Falla(Inconsistencia::SinCheque);
  const std::string importe = vb::Trim(pago.importe());
  if (importe == "0" || importe.empty()) r.Falla(Inconsistencia::ChequeCero);
  const std::optional<double> numero = vb::ParseNumber(pago.numcheque());
  if (numero && *numero == 0) r.Falla(Inconsistencia::NumeroChequeCero);
}

}  // namespace app
