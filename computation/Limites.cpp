// The amounts of the tax computation within their legal limits, and the
// boxes other boxes depend on: the occupation with fourth-category income,
// the deduction of box 117 and the credits of boxes 122 and 123, box 110,
// and at least one income.
#include <optional>
#include <string>

#include "app/inicio/Compartidas.h"
#include "computation/Inconsistencias.h"
#include "computation/Revision.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// The deduction of box 117 is at most this share of box 514.
constexpr double kParte117 = 0.2;

// A credit limit as the limits are given: whole-number text, "" when it cannot be computed.
bool Excede(const Frm0917& f, std::int16_t casilla, const std::string& limite) {
  const std::optional<double> valor = vb::ParseNumber(limite);
  return valor && f.Vale(casilla) > *valor;
}

}  // namespace

void ValidaOcupacion(Revision& r) {
  const Frm0917& f = r.Form;
  if (vb::Trim(f.cboProfesion.Text()).empty() && (!f.vacio(107) || !f.vacio(108) || !f.vacio(110))) {
    r.Falla(Inconsistencia::Ocupacion);
  }
}

void ValidaDeduccion117(Revision& r) {
  const Frm0917& f = r.Form;
  if (f.vacio(514) || f.vacio(117)) return;
  const double x = vb::RoundHalfEven(f.Vale(514) * kParte117);
  if (f.Vale(117) > x) {
    r.Falla(Inconsistencia::Limite117, {vb::NumberText(x)});
    return;
  }
  // The credits are limited only when the net taxable income is no loss.
  if (f.vacio(515) || f.Vale(515) < 0) return;
  if (!f.vacio(122) && !f.vacio(116)) {
    const std::string limite = f.Calcular122();
    if (!limite.empty() && Excede(f, 122, limite)) r.Falla(Inconsistencia::Limite122, {limite});
  }
  if (!f.vacio(123) && !f.vacio(515)) {
    const std::string limite = f.Calcular123();
    if (!limite.empty() && Excede(f, 123, limite)) r.Falla(Inconsistencia::Limite123, {limite});
  }
}

void ValidaRequeridasYLimite110(Revision& r) {
  const Frm0917& f = r.Form;
  const Compartidas& g = G();
  if (!f.vacio(122) && f.vacio(116)) r.Falla(Inconsistencia::Requiere116);
  if (!f.vacio(123) && f.vacio(515)) r.Falla(Inconsistencia::Requiere515);
  // A balance in favour (box 141 held negative, read as its absolute value)
  // needs to say how it is used.
  if (!f.vacio(141) && f.vacio(140) && f.Vale(141) > 0) r.Falla(Inconsistencia::Requiere140);
  if (f.vacio(110)) return;
  if (!g.FactorLimite110) {
    r.Falla(Inconsistencia::SinTasa110, {g.Periodo});
    return;
  }
  const double producto = (f.Vale(107) + f.Vale(108)) * *g.FactorLimite110;
  const std::optional<double> limite = vb::ParseNumber(vb::Format(vb::Variant(producto), "###,###,###,##0"));
  if (limite && f.Vale(110) > *limite) r.Falla(Inconsistencia::Limite110, {vb::NumberText(*g.FactorLimite110)});
}

void ValidaRentas(Revision& r) {
  const Frm0917& f = r.Form;
  if (f.vacio(100) && f.vacio(102) && f.vacio(105) && f.vacio(106) && f.vacio(107) && f.vacio(108)) {
    r.Falla(Inconsistencia::SinRentas);
  }
}

}  // namespace app
