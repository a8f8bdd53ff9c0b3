#include "app/servicios/Consulta.h"

#include "app/inicio/Compartidas.h"
#include "platform/db/Constants.h"
#include "platform/text/Error.h"

namespace app {

std::shared_ptr<dao::Recordset> AbreLectura(const std::string& sql) {
  if (!G().BaseDatos) vb::Raise(91);
  return G().BaseDatos->OpenRecordset(sql, dao::dbOpenSnapshot);
}

std::optional<std::string> PrimerTexto(const std::string& sql, std::string_view campo) {
  auto rs = AbreLectura(sql);
  std::optional<std::string> texto;
  if (!rs->EOF_()) texto = vb::TextOf(rs->Fields(campo).Value());
  rs->Close();
  return texto;
}

}  // namespace app
