#include "app/servicios/Tasas.h"

#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "platform/db/Quote.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

// The number in `campo` of the query's last row, as its shortest text; "" without rows.
std::string NumeroDeLaUltimaFila(const std::string& sql, std::string_view campo) {
  auto rs = AbreLectura(sql);
  std::string numero;
  if (!rs->EOF_()) {
    rs->MoveLast();
    numero = vb::NumberText(vb::Val(vb::Trim(vb::TextOf(rs->Fields(campo).Value()))));
  }
  rs->Close();
  return numero;
}

}  // namespace

std::string LeeTasa(std::string_view codigo) { return LeeTasa(codigo, G().Periodo); }

std::string LeeTasa(std::string_view codigo, std::string_view periodo) {
  const std::string sql = std::string("SELECT MID(ARGUMENTO,8,6) AS PER, mid(FUNCION,2,6) AS IGV") + " FROM PARAM " +
                          "WHERE numero='998' AND" + " MID(ARGUMENTO,8,6)<= " + dao::Quote(periodo) + " AND" +
                          " MID(ARGUMENTO,1,6)=" + dao::Quote(codigo) + " order by MID(ARGUMENTO,8,6)";
  return NumeroDeLaUltimaFila(sql, "IGV");
}

std::string LeeUit() {
  // Ordered by the whole date within the year, so that of two values of one
  // year the later one counts.
  const std::string sql = std::string("SELECT MID(ARGUMENTO,1,4) AS PER, trim(FUNCION) AS UIT") + " FROM PARAM " +
                          "WHERE numero='404' AND" + " MID(ARGUMENTO,1,4)<= " + dao::Quote(G().Periodo) +
                          " order by MID(ARGUMENTO,1,4), ARGUMENTO";
  return NumeroDeLaUltimaFila(sql, "UIT");
}

void CargaTasas() {
  struct Tasa {
    const char* Codigo;
    std::string Compartidas::*Variable;
  };
  static constexpr Tasa kTasas[] = {
      {"020702", &Compartidas::Tasa020702}, {"020704", &Compartidas::Tasa020704}, {"020301", &Compartidas::Tasa020301},
      {"020201", &Compartidas::Tasa020201}, {"020501", &Compartidas::Tasa020501},
  };
  for (const Tasa& t : kTasas) G().*t.Variable = LeeTasa(t.Codigo);
  G().Uit = LeeUit();
}

}  // namespace app
