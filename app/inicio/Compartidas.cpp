#include "app/inicio/Compartidas.h"

#include "app/componentes/cValidador.h"
#include "platform/text/Error.h"

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

cValidador& Validador() {
  if (!G().Validador) vb::Raise(91);
  return *G().Validador;
}

void ReiniciaCompartidas() { Actuales() = std::make_unique<Compartidas>(); }

}  // namespace app
