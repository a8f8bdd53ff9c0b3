// The identification of the declarant: the declarant list of a new return,
// the RUC of a saved one, the names from the register, the profession and
// the document-type lists.
#include <cstdint>
#include <string>

#include "app/componentes/BarradeEstadoQBX.h"
#include "app/inicio/Compartidas.h"
#include "app/servicios/TiposDocumento.h"
#include "app/ventanas/MDIFrm.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/DisenoCasillas.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr std::int16_t kNombre[] = {801, 802, 803};

// The box of the number that goes with the document-type list `lista`.
std::int16_t NumeroDelTipo(int lista) {
  for (const TipoDocumentoDiseno& t : kTiposDocumento) {
    if (t.Lista == lista) return t.Numero;
  }
  vb::Raise(vb::ErrSubscript);
}

}  // namespace

void Frm0917::CargaIdent() {
  switch (G().Modo) {
    case 1:
      TxtNumRuc.SetEnabled(false);
      TxtNumRuc.SetVisible(false);
      CmbRuc.SetEnabled(true);
      CmbRuc.SetVisible(true);
      break;
    case 2:
      CmbRuc.SetEnabled(false);
      CmbRuc.SetVisible(false);
      TxtNumRuc.SetEnabled(false);
      TxtNumRuc.SetText(G().RucDeclarante);
      TxtNumRuc.SetVisible(true);
      break;
    default:
      return;
  }
  for (std::int16_t n : kNombre) txtvalor(n).SetEnabled(false);
}

void Frm0917::CargaNombre() {
  const std::string sql =
      "Select * from cont where Doc_id_d=" + dao::Quote(G().RucDeclarante) + " and tip_doc_d=6";
  auto rs = G().BaseDatos->OpenRecordset(sql, dao::dbOpenDynaset);
  if (!rs->EOF_()) {
    txtvalor(801).SetText(vb::TextOf(rs->Fields("Apellido_p").Value()));
    txtvalor(802).SetText(vb::TextOf(rs->Fields("Apellido_m").Value()));
    txtvalor(803).SetText(vb::TextOf(rs->Fields("Nombre_1").Value()) + " " +
                          vb::TextOf(rs->Fields("nombre_2").Value()));
  }
  rs->Close();
}

void Frm0917::cboProfesion_Click() { txtProfesion.SetText(vb::Trim(vb::Mid(cboProfesion.Text(), 7, 60))); }

void Frm0917::CmbRuc_Click() {
  Compartidas& g = G();
  const std::string t = CmbRuc.Text();
  const std::string ruc = vb::Trim(vb::Left(t, 11));
  if (!vb::Trim(t).empty()) {
    // The item ends in the lengths of the three name parts, two digits each.
    const long largo = vb::Len(t);
    auto parte = [&](long desde) { return vb::CByte(vb::Variant(vb::Trim(vb::Mid(t, desde, 2)))); };
    const long l1 = parte(largo - 5), l2 = parte(largo - 3), l3 = parte(largo - 1);
    txtvalor(801).SetText(vb::Trim(vb::Mid(t, 14, l1)));
    txtvalor(802).SetText(vb::Mid(t, 15 + l1, l2));
    txtvalor(803).SetText(vb::Mid(t, 16 + l1 + l2, l3));
    g.NombreDeclarante = txtvalor(801).Text() + " " + txtvalor(802).Text() + ", " + txtvalor(803).Text();
    BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;
    barra.Setnumdoc(ruc);
    barra.Setrazonsocial(vb::Trim(g.NombreDeclarante));
    g.RucDeclarante = ruc;
  }
  // The list stands up to the RUC's label, wide enough for the whole RUC.
  CmbRuc.SetLeft(1340);
  if (g.Modo == 1) {
    // A saved return of this declarant: back to the first page, where the
    // identification check tells it when the user leaves or saves.
    g.CadenaSQL = std::string("SELECT * FROM CAB") + " WHERE DOC_ID_D=" + dao::Quote(ruc) +
                  " AND PERIODO=" + dao::Quote(g.Periodo) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                  " AND SEMANA=" + vb::NumberText(g.Semana);
    g.RsConsulta = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenSnapshot);
    if (!g.RsConsulta->EOF_()) tab0584.SetTab(0);
    g.RsConsulta->Close();
    g.RsConsulta.reset();
  }
}

void Frm0917::CmbRuc_KeyDown(int& KeyCode, int /*Shift*/) {
  // The declarant is chosen with the mouse; F1 still asks for help.
  if (KeyCode != forms::vbKeyF1) KeyCode = 0;
}

void Frm0917::cmbtipdoc_Click(int Index) {
  forms::ComboBox& lista = cmbtipdoc(Index);
  forms::TextBox& numero = txtvalor(NumeroDelTipo(Index));
  const std::string codigo = vb::Left(lista.Text(), 2);
  numero.SetMaxLength(LongitudDocumento(vb::NumberText(vb::Val(codigo))));
  if (G().CargandoFormulario) return;
  if (vb::Trim(codigo).empty()) {
    numero.SetEnabled(false);
    numero.SetText("");
  } else {
    numero.SetEnabled(true);
    numero.SetText("");
  }
}

}  // namespace app
