#include "app/servicios/Declarantes.h"

#include <array>

#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "app/servicios/TipoUsuario.h"
#include "app/componentes/cValidador.h"
#include "platform/db/Quote.h"
#include "platform/forms/ListControl.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

// The host's RUC row as the host installs it, for a database that lacks it:
// the pieces of its 130-character Funcion by their first position.
struct Pieza {
  long Posicion;
  std::string_view Texto;
};
constexpr std::array<Pieza, 9> kFuncionRuc = {{
    {1, "REG. UNICO DE CONTRIBUYENTES"},
    {32, "RUC"},
    {46, "11"},
    {49, "000110"},
    {56, "01"},
    {59, "000001000001100111011111"},
    {126, "0"},
    {128, "5"},
    {130, "0"},
}};
constexpr std::size_t kLargoFuncionRuc = 130;

std::string FuncionRucIncorporada() {
  std::string funcion(kLargoFuncionRuc, ' ');
  for (const Pieza& p : kFuncionRuc) funcion.replace(static_cast<std::size_t>(p.Posicion - 1), p.Texto.size(), p.Texto);
  return funcion;
}

// CONT's columns by position: the host keeps them in this order.
constexpr int kColumnaDocumento = 1;
constexpr std::array<int, 3> kColumnasNombre = {4, 5, 6};  // paternal, maternal, first name
constexpr long kAnchoDocumento = 13;
constexpr long kDigitosDocumento = 11;

std::string Declarante(dao::Recordset& rs) {
  cValidador& v = Validador();
  std::string nombre;
  std::string largos;
  for (int columna : kColumnasNombre) {
    const std::string parte = vb::Trim(vb::TextOf(rs.Fields(columna).Value()));
    if (columna != kColumnasNombre.front()) nombre += " ";
    nombre += parte;
    largos += v.Rellena(std::to_string(vb::Len(parte)), 2, "0");
  }
  const std::string documento = vb::Trim(vb::TextOf(rs.Fields(kColumnaDocumento).Value()));
  return v.FormatoTexto(vb::Left(documento, kDigitosDocumento), kAnchoDocumento) + nombre + vb::Space(10) + largos;
}

}  // namespace

std::string SqlDeclarantes(std::string_view formulario) {
  const std::string funcion = PrimerTexto("SELECT * FROM PARAM WHERE Numero ='044' AND Argumento='6' ", "Funcion")
                                  .value_or(FuncionRucIncorporada());
  std::string sql = std::string(" SELECT * FROM CONT ") + " WHERE Tip_doc_d=6 ";
  if (vb::Val(vb::Mid(funcion, 46, 2)) == 11 && vb::Val(vb::Mid(funcion, 130, 1)) == 1) {
    sql += " AND len(trim(Doc_id_d))=11 ";
  }
  if (formulario == "0917") sql += " AND Tipo_Ingreso=2 ";
  if (TipoUsuario() == "0") {
    sql += " ORDER BY Tip_doc_d, doc_id_d ";
  } else {
    sql += " AND Usuario =" + dao::Quote(G().UsuarioSistema) + " Order by Tip_doc_d, doc_id_d ";
  }
  return sql;
}

void AbreDeclarantes(forms::ListControl& lista) {
  G().CadenaSQL = SqlDeclarantes(G().Formulario);
  G().RsConsulta = AbreLectura(G().CadenaSQL);
  if (G().RsConsulta->EOF_()) return;
  for (; !G().RsConsulta->EOF_(); G().RsConsulta->MoveNext()) lista.AddItem(Declarante(*G().RsConsulta));
  G().RsConsulta->Close();
  G().RsConsulta.reset();
}

}  // namespace app
