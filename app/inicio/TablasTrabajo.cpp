#include "app/inicio/TablasTrabajo.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/text/Error.h"

namespace app {

void CreaTablasTrabajo(dao::Database& base) {
  for (std::string_view tabla : kTablasTrabajo) {
    try {
      base.CreateTempTable(tabla);
    } catch (const vb::Error& e) {
      if (e.Number() != dao::ErrNoSuchTable) throw;
    }
  }
}

}  // namespace app
