#include "summary/Compartidas.h"

namespace summary {
namespace {

std::unique_ptr<Compartidas>& Actuales() {
  static std::unique_ptr<Compartidas> actuales = std::make_unique<Compartidas>();
  return actuales;
}

}  // namespace

Compartidas& G() { return *Actuales(); }

void ReiniciaCompartidas() { Actuales() = std::make_unique<Compartidas>(); }

std::string* ElementoDe(int casilla) {
  Compartidas& g = G();
  if (casilla >= 1 && casilla <= 700) return &g.ValorCasilla[static_cast<std::size_t>(casilla)];
  if (casilla >= 800 && casilla <= 999) return &g.ValorCasilla800[static_cast<std::size_t>(casilla - 800)];
  return nullptr;
}

const std::string& ValorDe(int casilla) {
  static const std::string kVacia;
  const std::string* elemento = ElementoDe(casilla);
  return elemento != nullptr ? *elemento : kVacia;
}

void TerminaCorrida() {
  Compartidas& g = G();
  g.Archivos.Close();
  g.TextoTrabajo.Remove();
  g.Impresion.DescartaReporte();
  if (g.BaseDatos) {
    g.BaseDatos->Close();
    g.BaseDatos.reset();
  }
}

}  // namespace summary
