#include "app/servicios/ListasParametros.h"

#include <functional>

#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "app/componentes/cValidador.h"
#include "platform/db/Quote.h"
#include "platform/forms/ListControl.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

// " Select Argumento,mid(Funcion, 1,80) as Func From Param  Where Numero = ": the
// start is written as Str writes it, with its blank.
std::string SelectDeRebanada(long largo, long inicio) {
  return " Select Argumento,mid(Funcion," + vb::Str(static_cast<double>(inicio)) + "," + std::to_string(largo) +
         ") as Func From Param  Where Numero = ";
}

std::string Descripcion(const std::string& rebanada) {
  return vb::Trim(vb::Left(rebanada, 15)).empty() ? std::string() : rebanada;
}

using ArmaItem = std::function<std::string(const std::string& codigo, const std::string& descripcion)>;

// `orden` is the column the rows come in: 1 the code, 2 the description.
void LlenaLista(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo, long inicio,
                int orden, const ArmaItem& item) {
  const std::string sql = SelectDeRebanada(largo, inicio) + dao::Quote(grupo) + " and Argumento Like " +
                          dao::Quote(patron) + " Order By " + std::to_string(orden);
  auto rs = AbreLectura(sql);
  for (; !rs->EOF_(); rs->MoveNext()) {
    lista.AddItem(
        item(vb::TextOf(rs->Fields("Argumento").Value()), Descripcion(vb::TextOf(rs->Fields("Func").Value()))));
  }
  rs->Close();
}

}  // namespace

std::string DescripcionParam(std::string_view grupo, std::string_view argumento, long largo, long inicio) {
  const std::string sql =
      SelectDeRebanada(largo, inicio) + dao::Quote(grupo) + " and Argumento =" + dao::Quote(argumento);
  return PrimerTexto(sql, "Func").value_or("");
}

void LlenaComboParam(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo,
                     long inicio) {
  lista.AddItem("");
  LlenaLista(lista, grupo, patron, largo, inicio, 2, [](const std::string& codigo, const std::string& descripcion) {
    return Validador().FormatoTexto(codigo, 2) + vb::Space(5) + descripcion;
  });
}

void LlenaComboCodigo(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo,
                      long inicio) {
  LlenaLista(lista, grupo, patron, largo, inicio, 1, [](const std::string& codigo, const std::string& descripcion) {
    return descripcion + Validador().Rellena(codigo, 90, " ");
  });
}

void LlenaComboCodDesc(forms::ListControl& lista, std::string_view grupo, std::string_view patron, long largo,
                       long inicio) {
  LlenaLista(lista, grupo, patron, largo, inicio, 1, [](const std::string& codigo, const std::string& descripcion) {
    return Validador().FormatoTexto(codigo, 3) + " - " + descripcion;
  });
}

void SeleccionaCombo(forms::ListControl& lista, std::string_view codigo, long n) {
  if (lista.ListCount() == 0) return;
  const std::string buscado = vb::Trim(codigo);
  lista.SetListIndex(0);
  for (int i = 0; i < lista.ListCount(); ++i) {
    lista.SetListIndex(i);
    if (vb::Trim(vb::Left(lista.List(i), n)) == buscado) break;
  }
}

}  // namespace app
