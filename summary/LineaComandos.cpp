#include "summary/LineaComandos.h"

#include <string>

#include "platform/text/Error.h"
#include "platform/text/Strings.h"
#include "summary/Compartidas.h"

namespace summary {
namespace {

// Where each variable lies in the command line.
struct Tramo {
  long Inicio;
  long Largo;
  std::string Compartidas::*Variable;
};
constexpr Tramo kTramos[] = {
    {3, 15, &Compartidas::RucDeclarante},  // untrimmed, as the summaries show it
    {18, 4, &Compartidas::Formulario},    {22, 4, &Compartidas::Periodo},
    {28, 1, &Compartidas::Semana},        {29, 8, &Compartidas::NumeroNC},
};

// Positions 22-27 go whole into the key.
constexpr long kInicioClave = 22;
constexpr long kLargoClave = 6;

constexpr long kLargoMinimo = 28;
constexpr long kPosicionSemana = 28;
// The positions that name the copies.
constexpr long kInicioNombre = 18;
constexpr long kLargoNombre = 19;
constexpr std::string_view kNoValidosEnNombre = "\\/:*?\"<>|";

bool CabeEnNombre(std::string_view texto) {
  for (char c : texto) {
    const auto codigo = static_cast<unsigned char>(c);
    if (codigo < 0x20 || codigo == 0x7F || kNoValidosEnNombre.find(c) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

void CompruebaLineaComandos(std::string_view linea) {
  const std::string semana = vb::Mid(linea, kPosicionSemana, 1);
  // The week goes into the queries as a number, unquoted.
  const bool valida = vb::Len(linea) >= kLargoMinimo && semana.size() == 1 && semana[0] >= '0' && semana[0] <= '9' &&
                      CabeEnNombre(vb::Mid(linea, kInicioNombre, kLargoNombre));
  if (!valida) vb::Raise(vb::ErrInvalidCall, "La línea de órdenes no es válida: " + std::string(linea));
}

void CortaLineaComandos() {
  Compartidas& g = G();
  for (const Tramo& t : kTramos) g.*(t.Variable) = vb::Mid(g.LineaComandos, t.Inicio, t.Largo);
  g.ClaveEnvio = g.Formulario + vb::Mid(g.LineaComandos, kInicioClave, kLargoClave) + g.Semana + g.NumeroNC;
}

}  // namespace summary
