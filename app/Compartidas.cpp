#include "app/Compartidas.h"

#include "app/cValidador.h"

namespace app {
namespace {

std::unique_ptr<Compartidas>& Actuales() {
  static std::unique_ptr<Compartidas> actuales = std::make_unique<Compartidas>();
  return actuales;
}

}  // namespace

Compartidas::Compartidas() = default;
Compartidas::~Compartidas() = default;

Compartidas& G() { return *Actuales(); }

void ReiniciaCompartidas() { Actuales() = std::make_unique<Compartidas>(); }

}  // namespace app
