// Within each group of the complementary information a party is listed
// once, and never the declarant. Numbers compare as the boxes hold them;
// two numbers of the fourth-category or rent rows name the same party only
// under the same document type.
#include <cstdint>
#include <string>

#include "app/inicio/Compartidas.h"
#include "computation/Inconsistencias.h"
#include "computation/Revision.h"
#include "platform/text/Strings.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr char kRuc[] = "06";

// A document number and the list of its type.
struct Documento {
  std::int16_t Numero, Tipo;
};
constexpr Documento kCuarta[] = {{215, 224}, {217, 225}, {218, 226}, {219, 227}};
constexpr Documento kAlquiler[] = {{208, 204}, {209, 205}, {211, 206}};

const std::string& Texto(const Frm0917& f, std::int16_t casilla) { return f.txtvalor(casilla).Text(); }
std::string TextoTipo(const Frm0917& f, std::int16_t lista) { return f.cmbtipdoc(lista).Text(); }

bool Iguales(const Frm0917& f, const Documento& a, const Documento& b) {
  return Texto(f, a.Numero) == Texto(f, b.Numero) && TextoTipo(f, a.Tipo) == TextoTipo(f, b.Tipo);
}

// The first later document of the group equal to `documentos[i]`, reported.
template <std::size_t N>
void ComparaSiguientes(Revision& r, const Documento (&documentos)[N], std::size_t i, Inconsistencia mensaje) {
  for (std::size_t j = i + 1; j < N; ++j) {
    if (Iguales(r.Form, documentos[i], documentos[j])) {
      r.Falla(mensaje, {Casilla(documentos[i].Numero), Casilla(documentos[j].Numero)});
      return;
    }
  }
}

void ValidaAmazonia(Revision& r) {
  const Frm0917& f = r.Form;
  if (f.vacio(229) || f.vacio(230)) return;
  const std::string& declarante = G().RucDeclarante;
  if (Texto(f, 229) == Texto(f, 230)) r.Falla(Inconsistencia::AmazoniaIguales, {Casilla(229), Casilla(230)});
  if (Texto(f, 229) == declarante) r.Falla(Inconsistencia::AmazoniaDeclarante, {Casilla(229)});
  if (Texto(f, 230) == declarante) r.Falla(Inconsistencia::AmazoniaDeclarante, {Casilla(230)});
}

void ValidaCuarta(Revision& r) {
  const Frm0917& f = r.Form;
  for (std::size_t i = 0; i < std::size(kCuarta); ++i) {
    const Documento& d = kCuarta[i];
    if (f.vacio(d.Numero)) continue;
    if (vb::Left(vb::Trim(TextoTipo(f, d.Tipo)), 2) == kRuc && Texto(f, d.Numero) == G().RucDeclarante) {
      r.Falla(i == 0 ? Inconsistencia::CuartaDeclarante215 : Inconsistencia::CuartaDeclarante, {Casilla(d.Numero)});
    }
    ComparaSiguientes(r, kCuarta, i, Inconsistencia::CuartaIguales);
  }
}

void ValidaAlquiler(Revision& r) {
  const Frm0917& f = r.Form;
  for (std::size_t i = 0; i < std::size(kAlquiler); ++i) {
    const Documento& d = kAlquiler[i];
    if (f.vacio(d.Numero)) continue;
    ComparaSiguientes(r, kAlquiler, i, Inconsistencia::AlquilerIguales);
    if (vb::Left(TextoTipo(f, d.Tipo), 2) == kRuc && Texto(f, d.Numero) == G().RucDeclarante) {
      r.Falla(Inconsistencia::AlquilerDeclarante, {Casilla(d.Numero)});
    }
  }
}

}  // namespace

void ValidaDocumentosDistintos(Revision& r) {
  ValidaAmazonia(r);
  ValidaCuarta(r);
  ValidaAlquiler(r);
}

}  // namespace app
