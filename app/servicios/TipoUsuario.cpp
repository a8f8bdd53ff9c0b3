#include "app/servicios/TipoUsuario.h"

#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "platform/db/Quote.h"

namespace app {

std::string TipoUsuario() {
  const std::string sql = std::string("SELECT * FROM CLAVES") + " WHERE Usuario=" + dao::Quote(G().UsuarioSistema);
  return PrimerTexto(sql, "Tipo").value_or("1");
}

}  // namespace app
