#include "installer/Compartidas.h"

#include <algorithm>

namespace installer {
namespace {

std::unique_ptr<Compartidas>& Actuales() {
  static std::unique_ptr<Compartidas> actuales = std::make_unique<Compartidas>();
  return actuales;
}

}  // namespace

Compartidas& G() { return *Actuales(); }

void ReiniciaCompartidas() { Actuales() = std::make_unique<Compartidas>(); }

void CierraBaseDatos() {
  Compartidas& g = G();
  if (!g.BaseDatos) return;
  g.BaseDatos->Close();
  g.BaseDatos.reset();
}

void MarcaFalla() { G().EstadoSalida = std::max(G().EstadoSalida, kSalidaConFallas); }

}  // namespace installer
