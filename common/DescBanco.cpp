#include "common/DescBanco.h"

#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"

namespace common {

std::string DescBanco(dao::Database& db, std::string_view codigo, TramoNombre tramo) {
  const std::string sql = "SELECT MID(ARGUMENTO,1,2) as codigo,mid(FUNCION," + vb::NumberText(tramo.Inicio) + "," +
                          vb::NumberText(tramo.Largo) + ") as descrip " + "FROM PARAM " +
                          "WHERE NUMERO='004' AND TRIM(ARGUMENTO)= " + dao::Quote(codigo);
  auto rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  std::string nombre;
  if (!rs->EOF_()) nombre = vb::Trim(vb::TextOf(rs->Fields("Descrip").Value()));
  rs->Close();
  return nombre;
}

}  // namespace common
