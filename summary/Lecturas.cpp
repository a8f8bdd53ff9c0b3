#include "summary/Lecturas.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "common/DescBanco.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "summary/Compartidas.h"

namespace summary {
namespace {

// The boxes DET keeps that the summary never shows.
constexpr int kCasillasOmitidas[] = {721, 722};

std::string Documento() { return dao::Quote(vb::Trim(G().RucDeclarante)); }

}  // namespace

void LeeFormaPago() {
  Compartidas& g = G();
  const std::string sql = std::string("SELECT * FROM CAB") + " WHERE DOC_ID_D=" + Documento() + " AND TIP_DOC_D=6" +
                          " AND PERIODO=" + dao::Quote(g.Periodo) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                          " AND SEMANA=" + g.Semana;
  auto rs = g.BaseDatos->OpenRecordset(sql, dao::dbOpenSnapshot);
  if (!rs->EOF_()) {
    g.HayCabecera = true;
    g.NumeroCheque = vb::Trim(vb::TextOf(rs->Fields("nrocheque").Value()));
    if (!g.NumeroCheque.empty()) {
      g.PagoEfectivo = false;
      const vb::Variant banco = rs->Fields("bcolibrad").Value();
      g.NombreBanco = banco.IsNull() ? "" : common::DescBanco(*g.BaseDatos, vb::TextOf(banco), common::kNombreLargo);
    } else {
      g.PagoEfectivo = true;
    }
  }
  rs->Close();
}

void LeeCasillas() {
  Compartidas& g = G();
  const std::string sql = std::string("SELECT CASILLA, I_VALOR FROM DET") + " WHERE DOC_ID_D=" + Documento() +
                          " AND PERIODO=" + dao::Quote(g.Periodo) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                          " AND SEMANA=" + g.Semana;
  auto rs = g.BaseDatos->OpenRecordset(sql, dao::dbOpenDynaset);
  if (!rs->EOF_()) {
    rs->MoveLast();
    rs->MoveFirst();
  }
  for (; !rs->EOF_(); rs->MoveNext()) {
    const double b = vb::Val(vb::TextOf(rs->Fields("CASILLA").Value()));
    if (b < 1 || b > 999 || b != vb::Int(b)) continue;  // no box has that number
    const int casilla = static_cast<int>(b);
    if (std::ranges::find(kCasillasOmitidas, casilla) != std::end(kCasillasOmitidas)) continue;
    if (std::string* elemento = ElementoDe(casilla)) *elemento = vb::TextOf(rs->Fields("I_VALOR").Value());
  }
  rs->Close();
}

bool LeeDeclarante() {
  Compartidas& g = G();
  auto rs = g.BaseDatos->OpenRecordset(
      "Select nombre from cont where doc_id_d= " + Documento() + "and tip_doc_d=" + std::to_string(6),
      dao::dbOpenSnapshot);
  const bool hay = !rs->EOF_();
  if (hay) g.NombreDeclarante = vb::TextOf(rs->Fields("Nombre").Value());
  rs->Close();
  return hay;
}

}  // namespace summary
