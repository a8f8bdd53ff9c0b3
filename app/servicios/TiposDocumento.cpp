#include "app/servicios/TiposDocumento.h"

#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "app/componentes/cValidador.h"
#include "platform/db/Quote.h"
#include "platform/forms/ListControl.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

double NumeroEn(std::string_view funcion, long inicio, long largo) { return vb::Val(vb::Mid(funcion, inicio, largo)); }

}  // namespace

std::string DescripcionDocumento(std::string_view codigo, std::uint8_t clase) {
  const std::string sql =
      clase == 1 ? " Select mid(Param.Funcion,1,30) as DescDoc From Param Where Numero='044' AND Argumento=" +
                       dao::Quote(vb::Trim(codigo))
                 : " Select mid(Param.Funcion,32,11) as DescDoc From Param Where Numero='044' AND Argumento=" +
                       dao::Quote(codigo);
  return vb::Trim(PrimerTexto(sql, "DescDoc").value_or(""));
}

int LongitudDocumento(std::string_view codigo) {
  const std::string sql = " Select mid(Param.Funcion,46,2) as LenDoc From Param Where Numero='044' AND Argumento=" +
                          dao::Quote(vb::Trim(codigo));
  const std::optional<std::string> largo = PrimerTexto(sql, "LenDoc");
  return largo ? vb::CInt(vb::Val(*largo)) : 8;
}

void LlenaTiposDocumento(forms::ListControl& lista, int posicion, bool conBlanco) {
  lista.Clear();
  if (conBlanco) lista.AddItem(vb::Space(75));
  const std::string sql =
      std::string(
          " SELECT format(trim(Par1.Argumento),'00') as Codigo,mid(Par1.Funcion,1,30) as TipoDoc, "
          "mid(Par1.Funcion,46,2) as LenDoc , mid(Par1.Funcion,128,1) as TipoDato, mid(Par1.Funcion,130,1) "
          "as TipoLongitud") +
      " FROM Param as Par1 " + " WHERE Par1.Numero = '044' and mid(Funcion," + std::to_string(posicion) + ",1)='1' " +
      " Order By mid(Funcion,56,2)";
  auto rs = AbreLectura(sql);
  for (; !rs->EOF_(); rs->MoveNext()) {
    auto texto = [&](std::string_view campo) { return vb::TextOf(rs->Fields(campo).Value()); };
    lista.AddItem(vb::Format(rs->Fields("Codigo").Value(), "00") + "  -  " +
                  Validador().FormatoTexto(texto("TipoDoc"), 60) + vb::Trim(texto("LenDoc")) + " " +
                  vb::Trim(texto("TipoDato")) + " " + vb::Trim(texto("TipoLongitud")));
  }
  rs->Close();
}

bool ValidaDocumento(std::string_view tipo, std::string_view numero) {
  if (vb::Trim(numero).empty() || vb::Trim(tipo).empty()) return false;
  const std::string argumento = vb::NumberText(vb::Val(tipo));
  const std::optional<std::string> funcion =
      PrimerTexto(" Select Funcion From Param Where Numero='044' AND Argumento=" + dao::Quote(argumento), "Funcion");
  if (!funcion) return false;

  const double largo = NumeroEn(*funcion, 46, 2);
  const double n = static_cast<double>(vb::Len(vb::Trim(numero)));
  const bool largoExacto = NumeroEn(*funcion, 130, 1) != 0;
  const bool largoBien = largoExacto ? n == largo : n <= largo;

  const bool numerico = NumeroEn(*funcion, 128, 1) != 0;
  const bool caracteresBien =
      numerico ? Validador().VerificaDocumentoNumerico(numero) : Validador().VerificaDocumentoLibre(numero);
  return largoBien && caracteresBien;
}

}  // namespace app
