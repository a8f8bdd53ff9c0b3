#include "app/TipoUsuario.h"

#include "app/Compartidas.h"
#include "app/Consulta.h"
#include "platform/db/Quote.h"

namespace app {

std::string TipoUsuario() {
  const std::string sql = std::string("SELECT * FROM CLAVES") + " WHERE Usuario=" + dao::Quote(G().UsuarioSistema);
  return PrimerTexto(sql, "Tipo").value_or("1");
}

}  // namespace app
