#include "app/ventanas/ModGen00.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/frmAbrirEnv.h"

#include <memory>

#include "app/ventanas/CargaLista.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "app/servicios/TipoUsuario.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

using forms::Screen;

// The grid's columns, by index: heading, bound field and display format. None
// has a design width: each is as wide as its heading and its values need.
constexpr ColumnaLista kColumnas[] = {
    {"RUC", "doc_id_d", ""},          {"Razón Social", "Nombre", ""}, {"Ejercicio", "Periodof", "####"},
    {"Formulario", "Formulario", ""}, {"N. Orden", "norden", ""},     {"Fecha Env.", "fec_env", "dd/mm/yyyy"},
    {"Control", "Control", ""},       {"Correl", "Correl", ""},       {"Rectifica", "rectifica", ""},
    {"Semana", "Semana", ""},
};
constexpr int kColRuc = 0, kColNombre = 1, kColOrden = 4, kColControl = 6, kColCorrel = 7, kColSemana = 9;

// The list of the user's sent returns. The activation writes the week
// field and the form condition a little differently; the rows are the same.
// Ties are ordered by the send sequence, so a row position names the same
// version each time the list is read.
std::string ConsultaEnviadas(bool activacion) {
  const Compartidas& g = G();
  std::string sql = std::string(
                        "SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO, A.FORMULARIO, A.NORDEN, A.FEC_ENV, "
                        "A.CONTROL, A.CORREL, A.RECTIFICA,") +
                    (activacion ? "A.SEMANA" : "a.semana") +
                    ",mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODOf FROM HCAB AS A, CONT AS B" +
                    " WHERE A.DOC_ID_D=B.DOC_ID_D AND" + " A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND" +
                    " A.FORMULARIO=" + dao::Quote(g.Formulario) + (activacion ? " " : "");
  if (TipoUsuario() != "0") sql += " AND B.USUARIO=" + dao::Quote(g.UsuarioSistema);
  sql += " ORDER BY A.DOC_ID_D ASC, A.PERIODO, A.CORREL";
  return sql;
}

// The error box of the trapped procedures: the error's text, then its number.
void MuestraError(const vb::Error& e) {
  ModGen00::MuestraErrorMotor(e, "Error");
}

}  // namespace

frmAbrirEnv::frmAbrirEnv() : Form("frmAbrirEnv") {
  SetCaption("Registrar número de orden");
  Move(0, 0, 9195, 4530);
  SetMinButton(false);
  SetMaxButton(false);

  Label1.SetCaption("Seleccione la Declaración en la que  desea registrar el numero de orden asignado por VELTA :");
  Label1.Move(240, 120, 8700, 255);
  Frame1.SetCaption("Declaraciones Enviadas");
  Frame1.Move(120, 420, 8835, 3015);
  grdContrib.SetContainer(Frame1);
  grdContrib.Move(120, 240, 8595, 2655);
  grdContrib.SetTabIndex(0);
  grdContrib.SetDataSource(&DtaNew);
  DtaNew.SetVisible(false);
  AgregaColumnas(grdContrib, kColumnas);
  // A long name is cut in its column (the status bar shows it whole) rather
  // than push the control number out of view.
  grdContrib.Columns(kColNombre).SetTakesRest(true);
  // A heading of two words takes two lines rather than widen its column.
  grdContrib.SetHeadLines(2);
  grdContrib.Columns(kColSemana).AddValueItem({"0", " ", ""});

  forms::CommandButton& registrar = CmdOpciones.Add(0);
  registrar.SetCaption("&Registrar");
  registrar.Move(6480, 3540, 1215, 375);
  registrar.SetTabIndex(1);
  forms::CommandButton& salir = CmdOpciones.Add(1);
  salir.SetCaption("&Salir");
  salir.Move(7800, 3540, 1215, 375);
  salir.SetTabIndex(2);

  CmdOpciones.On(&forms::CommandButton::Click, [this](int Index) { CmdOpciones_Click(Index); });
  grdContrib.RowColChange = [this](long LastRow, int LastCol) { grdContrib_RowColChange(LastRow, LastCol); };
  grdContrib.DblClick = [this] { CmdOpciones_Click(0); };
}

void frmAbrirEnv::Form_Load() {
  Compartidas& g = G();
  SetHeight(4530);
  SetWidth(9195);
  Screen().SetMousePointer(forms::vbHourglass);
  // A number is a number: right-aligned, as the grid's general alignment puts it.
  grdContrib.Columns(kColSemana).SetAlignment(forms::vbRightJustify);

  g.CadenaSQL = ConsultaEnviadas(false);
  CargaLista(DtaNew, grdContrib, g.CadenaSQL);
  Screen().SetMousePointer(forms::vbDefault);
}

void frmAbrirEnv::Form_Activate() {
  try {
    Compartidas& g = G();
    g.CadenaSQL = ConsultaEnviadas(true);
    DtaNew.SetRecordSource(g.CadenaSQL);
    DtaNew.SetDatabaseName(g.RutaBase);
    DtaNew.Refresh();
    dao::Recordset& rs = *DtaNew.Recordset();
    if (!rs.EOF_()) {
      rs.MoveLast();
      rs.MoveFirst();
      DtaNew.Refresh();
      grdContrib.Refresh();
    }
    if (grdContrib.Enabled()) {
      DtaNew.Refresh();
      grdContrib.Refresh();
      grdContrib.SetFocus();
    }
  } catch (const vb::Error& e) {
    MuestraError(e);
  }
}

void frmAbrirEnv::Form_Unload(int& /*Cancel*/) {
  // Closed by Salir or by its close box, the window leaves no registration
  // pending: a later Nueva must not open a locked return.
  Compartidas& g = G();
  g.ModoRegistro = false;
  g.OrdenModificado = false;
}

void frmAbrirEnv::grdContrib_RowColChange(long /*LastRow*/, int /*LastCol*/) {
  if (!Visible()) return;
  const Compartidas& g = G();
  BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;
  barra.Setnumdoc(vb::Trim(Celda(kColRuc)));
  barra.Setrazonsocial(vb::Trim(Celda(kColNombre)));
  barra.Setformulario(g.Formulario);
  barra.Setperiodo_ejercicio(g.Periodo);
}

void frmAbrirEnv::CmdOpciones_Click(int Index) {
  try {
    Compartidas& g = G();
    g.OrdenModificado = false;
    g.RucDeclarante = vb::Trim(Celda(kColRuc));
    g.Periodo = "2002";
    g.NombreDeclarante = vb::Trim(Celda(kColNombre));
    g.Correlativo = Celda(kColCorrel);
    g.NumeroControl = Celda(kColControl);
    g.NumeroOrden = Celda(kColOrden);

    if (Index == 0) {
      if (DtaNew.Recordset() == nullptr || DtaNew.Recordset()->EOF_()) return;
      const long posicion = DtaNew.Recordset()->AbsolutePosition();
      g.ModoRegistro = true;
      g.Ventanas.Open(ventana::kFrm0917);
      if (posicion >= 0) {
        forms::DoEvents();
        // The activation has read the list again: the chosen row is put
        // back on the new rows.
        dao::Recordset& rs = *DtaNew.Recordset();
        if (rs.RecordCount() > 0) {
          rs.MoveLast();
          rs.MoveFirst();
          rs.SetAbsolutePosition(posicion);
        }
        grdContrib.Refresh();
      }
    } else if (Index == 1) {
      g.ModoRegistro = false;
      forms::Unload(*this);
    }
    Screen().SetMousePointer(forms::vbDefault);
  } catch (const vb::Error& e) {
    MuestraError(e);
    Screen().SetMousePointer(forms::vbDefault);
  }
}

std::string frmAbrirEnv::Celda(int indice) const { return grdContrib.Columns(indice).Text(); }

}  // namespace app
