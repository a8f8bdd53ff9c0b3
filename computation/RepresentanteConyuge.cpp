// The declarant's legal representative and the spouse: a block once
// started needs its names, its document type and a valid number, and the
// spouse a valid birth date.
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/servicios/TiposDocumento.h"
#include "computation/Inconsistencias.h"
#include "computation/Revision.h"
#include "platform/text/DateTime.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr char kRuc[] = "06";
constexpr char kFechaVacia[] = "__/__/____";

const std::string& Texto(const Frm0917& f, std::int16_t casilla) { return f.txtvalor(casilla).Text(); }

}  // namespace

void ValidaRepresentante(Revision& r) {
  const Frm0917& f = r.Form;
  const std::string tipo = f.cmbtipdoc(301).Text();
  const bool tipoVacio = vb::Trim(tipo).empty();
  if (tipoVacio && f.vacio(811) && f.vacio(812) && f.vacio(813) && f.vacio(302)) return;
  const std::string codigo = vb::Left(tipo, 2);
  if (f.vacio(811)) r.Falla(Inconsistencia::RepresentantePaterno);
  if (f.vacio(813)) r.Falla(Inconsistencia::RepresentanteNombres);
  if (tipoVacio) r.Falla(Inconsistencia::RepresentanteTipo);
  // The number: there, valid for its type, and a valid RUC when it is one.
  if (f.vacio(302)) {
    r.Falla(Inconsistencia::RepresentanteNumero);
  } else if (!ValidaDocumento(codigo, Texto(f, 302))) {
    r.Falla(codigo == kRuc ? Inconsistencia::RepresentanteRuc : Inconsistencia::RepresentanteDocumento);
  } else if (codigo == kRuc && !Validador().ValidaRuc(Texto(f, 302))) {
    r.Falla(Inconsistencia::RepresentanteRuc);
  }
}

void ValidaConyuge(Revision& r) {
  const Frm0917& f = r.Form;
  const std::string tipo = f.cmbtipdoc(235).Text();
  const bool tipoVacio = vb::Trim(tipo).empty();
  const std::string& fecha = f.MkeFecNac.Text();
  if (tipoVacio && f.vacio(814) && f.vacio(815) && f.vacio(890) && f.vacio(236) && fecha == kFechaVacia) return;
  const std::string codigo = vb::Left(tipo, 2);
  if (f.vacio(814)) r.Falla(Inconsistencia::ConyugePaterno);
  if (f.vacio(815)) r.Falla(Inconsistencia::ConyugeMaterno);
  if (f.vacio(890)) r.Falla(Inconsistencia::ConyugeNombres);
  if (tipoVacio) r.Falla(Inconsistencia::ConyugeTipo);
  // The number: valid for its type, a valid RUC when it is one, and there.
  if (!f.vacio(236) && !ValidaDocumento(codigo, Texto(f, 236))) {
    r.Falla(codigo == kRuc ? Inconsistencia::ConyugeRucTipo : Inconsistencia::ConyugeDocumento);
  } else if (!f.vacio(236) && codigo == kRuc && !Validador().ValidaRuc(Texto(f, 236))) {
    r.Falla(Inconsistencia::ConyugeRuc);
  } else if (f.vacio(236)) {
    r.Falla(Inconsistencia::ConyugeNumero);
  }
  // No birth date after today.
  if (!Validador().ValidaFecha(fecha, "01/01/1850", vb::Format(vb::Variant(vb::Today()), "dd/mm/yyyy"))) {
    r.Falla(Inconsistencia::ConyugeFecha);
  }
}

}  // namespace app
