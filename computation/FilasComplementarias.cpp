// The rows of the complementary information: the investments in the
// Amazonia region, the payers of fourth-category income and the landlords
// of rented premises. A started row must be whole and its document number
// valid; the declared amounts call for their rows.
#include <cstdint>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/servicios/TiposDocumento.h"
#include "computation/Inconsistencias.h"
#include "computation/Revision.h"
#include "platform/text/Strings.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr char kRuc[] = "06";

struct FilaAmazonia {
  std::int16_t Nombre, Ruc, Monto;
};
constexpr FilaAmazonia kFilasAmazonia[] = {{817, 229, 231}, {818, 230, 232}};

struct FilaCuarta {
  std::int16_t Nombre, Tipo, Numero, Monto;
};
constexpr FilaCuarta kFilasCuarta[] = {
    {822, 224, 215, 220}, {823, 225, 217, 221}, {824, 226, 218, 222}, {825, 227, 219, 223}};

// The rows of rents tell some of their failures each in its own words.
struct FilaAlquiler {
  std::int16_t Nombre, Tipo, Numero, Monto;
  Inconsistencia SinNombre, SinTipo, SinNumero;
};
constexpr FilaAlquiler kFilasAlquiler[] = {
    {819, 204, 208, 212, Inconsistencia::AlquilerNombre, Inconsistencia::AlquilerTipo,
     Inconsistencia::AlquilerNumero},
    {820, 205, 209, 213, Inconsistencia::AlquilerNombreSinUbicacion, Inconsistencia::AlquilerTipo,
     Inconsistencia::AlquilerNumero},
    {821, 206, 211, 214, Inconsistencia::AlquilerNombreSinUbicacion, Inconsistencia::AlquilerTipoSinUbicacion,
     Inconsistencia::AlquilerNumero211},
};

constexpr std::int16_t kCasillasAmazonia[] = {229, 230, 231, 232};
constexpr std::int16_t kCasillasAlquiler[] = {819, 820, 821, 208, 209, 211, 212, 213, 214};
constexpr std::int16_t kListasAlquiler[] = {204, 205, 206};
constexpr std::int16_t kCasillasCuarta[] = {822, 823, 824, 825, 215, 217, 218, 219, 220, 221, 222, 223};

template <std::size_t N>
bool TodasVacias(const Frm0917& f, const std::int16_t (&casillas)[N]) {
  for (std::int16_t n : casillas) {
    if (!f.vacio(n)) return false;
  }
  return true;
}

const std::string& Texto(const Frm0917& f, std::int16_t casilla) { return f.txtvalor(casilla).Text(); }
std::string TextoTipo(const Frm0917& f, std::int16_t lista) { return f.cmbtipdoc(lista).Text(); }
bool TipoVacio(const Frm0917& f, std::int16_t lista) { return vb::Trim(TextoTipo(f, lista)).empty(); }

void ValidaFilaAlquiler(Revision& r, const FilaAlquiler& fila) {
  const Frm0917& f = r.Form;
  if (TipoVacio(f, fila.Tipo) && f.vacio(fila.Numero) && f.vacio(fila.Monto) && f.vacio(fila.Nombre)) return;
  const std::string numero = Casilla(fila.Numero);
  const std::string monto = Casilla(fila.Monto);
  if (f.vacio(fila.Nombre)) r.Falla(fila.SinNombre);
  if (TipoVacio(f, fila.Tipo)) r.Falla(fila.SinTipo, {Casilla(fila.Tipo)});
  const std::string codigo = vb::Left(TextoTipo(f, fila.Tipo), 2);
  if (f.vacio(fila.Numero)) {
    r.Falla(fila.SinNumero, {numero});
  } else if (!ValidaDocumento(codigo, Texto(f, fila.Numero))) {
    r.Falla(Inconsistencia::AlquilerDocumento, {numero});
  } else if (codigo == kRuc && !Validador().ValidaRuc(Texto(f, fila.Numero))) {
    r.Falla(Inconsistencia::AlquilerRuc, {numero});
  }
  if (f.vacio(fila.Monto)) {
    r.Falla(Inconsistencia::AlquilerMonto, {monto});
  } else if (f.Vale(fila.Monto) == 0) {
    r.Falla(Inconsistencia::AlquilerMontoCero, {monto});
  }
}

}  // namespace

void ValidaInmueble(Revision& r) {
  if (!r.Form.optInmueble(1).Value() && !r.Form.optInmueble(2).Value()) r.Falla(Inconsistencia::Inmueble);
}

void ValidaFilasAmazonia(Revision& r) {
  const Frm0917& f = r.Form;
  for (const FilaAmazonia& fila : kFilasAmazonia) {
    if (f.vacio(fila.Nombre) && f.vacio(fila.Ruc) && f.vacio(fila.Monto)) continue;
    const std::string ruc = Casilla(fila.Ruc);
    const std::string monto = Casilla(fila.Monto);
    if (f.vacio(fila.Nombre)) r.Falla(Inconsistencia::AmazoniaNombre);
    if (f.vacio(fila.Ruc)) r.Falla(Inconsistencia::AmazoniaRuc, {ruc});
    if (f.vacio(fila.Monto)) {
      r.Falla(Inconsistencia::AmazoniaMonto, {monto});
    } else if (f.Vale(fila.Monto) == 0) {
      r.Falla(Inconsistencia::AmazoniaMontoCero, {monto});
    }
    if (!f.vacio(fila.Ruc)) {
      if (!ValidaDocumento(kRuc, Texto(f, fila.Ruc))) {
        r.Falla(Inconsistencia::LongitudRuc, {ruc});
      } else if (!Validador().ValidaRuc(vb::Trim(Texto(f, fila.Ruc)))) {
        r.Falla(Inconsistencia::RucInvalido, {ruc});
      }
    }
  }
}

void ValidaFilasCuarta(Revision& r) {
  const Frm0917& f = r.Form;
  for (const FilaCuarta& fila : kFilasCuarta) {
    if (TipoVacio(f, fila.Tipo) && f.vacio(fila.Nombre) && f.vacio(fila.Numero) && f.vacio(fila.Monto)) continue;
    const std::string numero = Casilla(fila.Numero);
    const std::string monto = Casilla(fila.Monto);
    if (f.vacio(fila.Nombre)) r.Falla(Inconsistencia::CuartaNombre);
    if (TipoVacio(f, fila.Tipo)) r.Falla(Inconsistencia::CuartaTipo, {Casilla(fila.Tipo)});
    if (f.vacio(fila.Numero)) r.Falla(Inconsistencia::CuartaNumero, {numero});
    if (f.vacio(fila.Monto)) {
      r.Falla(Inconsistencia::CuartaMonto, {monto});
    } else if (f.Vale(fila.Monto) == 0) {
      r.Falla(Inconsistencia::CuartaMontoCero, {monto});
    }
    if (f.vacio(fila.Numero)) continue;
    const std::string& documento = Texto(f, fila.Numero);
    if (vb::Trim(vb::Left(vb::Trim(TextoTipo(f, fila.Tipo)), 2)) == kRuc) {
      if (!ValidaDocumento(kRuc, documento)) {
        r.Falla(Inconsistencia::LongitudRuc, {numero});
      } else if (!Validador().ValidaRuc(vb::Trim(documento))) {
        r.Falla(Inconsistencia::RucInvalido, {numero});
      }
    } else if (!ValidaDocumento(vb::Left(TextoTipo(f, fila.Tipo), 2), documento)) {
      r.Falla(Inconsistencia::CuartaDocumento, {numero});
    }
  }
}

void ValidaSumaCuarta(Revision& r) {
  const Frm0917& f = r.Form;
  if (f.Vale(220) + f.Vale(221) + f.Vale(222) + f.Vale(223) > f.Vale(107) + f.Vale(108)) {
    r.Falla(Inconsistencia::SumaCuarta);
  }
}

void ValidaAlquiler1(Revision& r) { ValidaFilaAlquiler(r, kFilasAlquiler[0]); }
void ValidaAlquiler2(Revision& r) { ValidaFilaAlquiler(r, kFilasAlquiler[1]); }
void ValidaAlquiler3(Revision& r) { ValidaFilaAlquiler(r, kFilasAlquiler[2]); }

void ValidaAmazoniaRequerida(Revision& r) {
  const Frm0917& f = r.Form;
  if (!f.vacio(117) && f.Vale(117) > 0 && TodasVacias(f, kCasillasAmazonia)) {
    r.Falla(Inconsistencia::AmazoniaRequerida);
  }
}

void ValidaAlquileresRequeridos(Revision& r) {
  const Frm0917& f = r.Form;
  if (!f.optInmueble(1).Value() || !TodasVacias(f, kCasillasAlquiler)) return;
  for (std::int16_t lista : kListasAlquiler) {
    if (!TipoVacio(f, lista)) return;
  }
  r.Falla(Inconsistencia::AlquileresRequeridos);
}

void ValidaCuartaRequerida(Revision& r) {
  const Frm0917& f = r.Form;
  if (!(f.vacio(107) && f.vacio(108)) && (f.Vale(107) > 0 || f.Vale(108) > 0) && TodasVacias(f, kCasillasCuarta)) {
    r.Falla(Inconsistencia::CuartaRequerida);
  }
}

}  // namespace app
