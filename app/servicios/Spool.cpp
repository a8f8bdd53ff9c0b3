#include "app/servicios/Spool.h"

#include "app/inicio/Compartidas.h"
#include "platform/text/Error.h"

namespace app {

std::string RegistraSpool(std::string_view codigo, std::int16_t tipoDocumento, std::string_view documento,
                          const common::EscribeArchivo& escribe) {
  Compartidas& g = G();
  if (!g.BaseDatos) vb::Raise(91);
  return common::RegistraSpool(g.Motor.Workspaces(0), *g.BaseDatos, g.UsuarioSistema, codigo, tipoDocumento, documento,
                               g.RutaReportes, escribe);
}

}  // namespace app
