#include "app/inicio/FuenteDatos.h"

#include "app/inicio/Compartidas.h"

namespace app {

std::shared_ptr<dao::Database> AbreFuenteDatos(const std::string& ruta) {
  Compartidas& g = G();
  if (ruta == g.RutaBase && g.BaseDatos != nullptr) return g.BaseDatos;
  return g.Motor.Workspaces(0).OpenDatabase(ruta);
}

}  // namespace app
