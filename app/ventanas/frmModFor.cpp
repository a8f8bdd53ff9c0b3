#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/frmModFor.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "app/ventanas/CargaLista.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "app/servicios/TipoUsuario.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

// The grid's columns, by index: heading, bound field and display format. None
// has a design width: each is as wide as its heading and its values need.
constexpr ColumnaLista kColumnas[] = {
    {"Ruc", "doc_id_d", ""},
    {"Razón social", "Nombre", ""},
    {"Ejercicio", "periodo", "####"},
    {"Formulario", "formulario", ""},
    {"Estado", "Estado", ""},
    {"Nro. Orden", "nOrden", ""},
    {"Fec. de Envio", "fec_env", "dd/mm/yyyy"},
    {"Nro. Control", "Control", ""},
    {"Correlativo", "Correl", ""},
    {"Rectifica", "Rectifica", ""},
    {"Orden", "nOrden", ""},
    {"Semana", "semana", ""},
};
constexpr int kColRuc = 0, kColNombre = 1, kColFormulario = 3, kColEstado = 4, kColCorrel = 8, kColRectifica = 9,
              kColSemana = 11;

// What each list leaves out of sight.
constexpr int kOcultasRegistradas[] = {5, 6, 7, 8, 9, 10};
constexpr int kOcultasEnviadas[] = {4, 10};

constexpr long kAyudaEnviadas = 1044;

std::string ConsultaDeclaraciones(bool enviadas) {
  const Compartidas& g = G();
  const bool propias = TipoUsuario() != "0";
  std::string sql;
  if (!enviadas) {
    sql = std::string(
              "SELECT A.DOC_ID_D, B.NOMBRE, mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODO, A.FORMULARIO, "
              "a.estado,a.semana") +
          " FROM CAB AS A, CONT AS B" + " WHERE A.DOC_ID_D=B.DOC_ID_D" +
          " AND A.FORMULARIO= " + dao::Quote(g.Formulario);
    if (propias) sql += " and B.USUARIO=" + dao::Quote(g.UsuarioSistema);
    sql += " ORDER BY A.DOC_ID_D ASC, A.PERIODO DESC, A.FORMULARIO ASC";
  } else {
    sql = std::string(
              "SELECT A.DOC_ID_D, B.NOMBRE, a.fec_env, mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO, "
              "A.FORMULARIO,a.correl,a.norden,a.control,a.estado,a.rectifica,a.semana FROM HCAB AS A, CONT AS B") +
          " WHERE A.DOC_ID_D=B.DOC_ID_D AND" + " A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND" +
          " A.FORMULARIO=" + dao::Quote(g.Formulario);
    if (propias) sql += " AND B.USUARIO=" + dao::Quote(g.UsuarioSistema);
    sql += std::string(" and a.estado=1") + " ORDER BY A.DOC_ID_D ASC";
  }
  return sql;
}

// The statements that delete one return: its boxes, its header, its
// schedules. The schedule tables have no week.
std::vector<std::string> SentenciasBorrado(bool enviadas, const std::string& ruc, const std::string& formulario) {
  const Compartidas& g = G();
  struct Tabla {
    std::string_view Registrada;
    std::string_view Enviada;
    bool ConSemana;
  };
  static constexpr Tabla kTablas[] = {
      {"DET", "hDET", true}, {"CAB", "hCAB", true}, {"F0917PATRIM", "HF0917PATRIM", false}};

  std::vector<std::string> sentencias;
  for (const Tabla& t : kTablas) {
    std::string sql = "DELETE * FROM " + std::string(enviadas ? t.Enviada : t.Registrada) +
                      " WHERE DOC_ID_D=" + dao::Quote(ruc) + " AND PERIODO=" + dao::Quote(g.Periodo) +
                      " AND FORMULARIO=" + dao::Quote(formulario);
    if (t.ConSemana) {
      sql += " AND SEMANA=" + vb::NumberText(g.Semana);
      if (enviadas) sql += " and CORREL =" + dao::Quote(g.Correlativo);
      sql += " AND TIP_DOC_D=6";
    } else {
      sql += " AND TIP_DOC_D=6";
      if (enviadas) sql += " AND CORREL =" + dao::Quote(g.Correlativo);
    }
    sentencias.push_back(std::move(sql));
  }
  return sentencias;
}

}  // namespace

frmModFor::frmModFor() : Form("frmModFor") {
  SetCaption("Modificar Formulario");
  Move(0, 0, 8505, 4485);
  SetMinButton(false);
  SetMaxButton(false);

  forms::Label& instruccion = Label1.Add(0);
  instruccion.SetCaption("Seleccione la Declaración  que desea modificar :");
  instruccion.Move(240, 120, 7000, 255);

  fradecreg.SetCaption("Declaraciones Registradas");
  fradecreg.Move(120, 420, 8175, 2895);
  grdContrib.SetContainer(fradecreg);
  grdContrib.Move(120, 240, 7935, 2535);
  grdContrib.SetTabIndex(0);
  grdContrib.SetDataSource(&Dta1);
  Dta1.SetVisible(false);
  AgregaColumnas(grdContrib, kColumnas);
  // A long name is cut in its column (the status bar shows it whole) rather
  // than push the control number out of view.
  grdContrib.Columns(kColNombre).SetTakesRest(true);
  // A heading of two words takes two lines rather than widen its column.
  grdContrib.SetHeadLines(2);
  ValoresEstado(grdContrib.Columns(kColEstado));
  ValoresRectifica(grdContrib.Columns(kColRectifica));
  grdContrib.Columns(kColSemana).AddValueItem({"0", "  ", ""});

  forms::CommandButton& accion = CmdOpciones.Add(0);
  accion.SetCaption("&Aceptar");
  accion.Move(5640, 3480, 1215, 375);
  accion.SetTabIndex(1);
  forms::CommandButton& salir = CmdOpciones.Add(1);
  salir.SetCaption("&Salir");
  salir.Move(6960, 3480, 1215, 375);
  salir.SetTabIndex(2);
  LblAbrir.SetCaption("&Abrir");
  LblAbrir.Move(240, 3540, 975, 255);
  LblSalir.SetCaption("&Salir");
  LblSalir.Move(1320, 3540, 975, 255);

  CmdOpciones.On(&forms::CommandButton::Click, [this](int Index) { CmdOpciones_Click(Index); });
  grdContrib.RowColChange = [this](long LastRow, int LastCol) { grdContrib_RowColChange(LastRow, LastCol); };
  grdContrib.DblClick = [this] { CmdOpciones_Click(0); };
  grdContrib.KeyPress = [this](int& KeyAscii) { grdContrib_KeyPress(KeyAscii); };
}

void frmModFor::Form_Load() {
  Compartidas& g = G();
  if (g.Modo == 3) {
    SetCaption("Eliminar Formularios");
    Label1(0).SetCaption("Seleccione la Declaración que desea eliminar :");
    LblAbrir.SetCaption("&Eliminar");
    CmdOpciones(0).SetCaption("&Eliminar");
  }
  if (g.Modo == 2) CmdOpciones(0).SetCaption("&Modificar");
  SetHeight(4485);
  SetWidth(8505);

  if (!g.Enviadas) {
    SetHeight(4455);
    SetWidth(8475);
    grdContrib.SetWidth(7695);
    grdContrib.Columns(kColNombre).SetWidth(3300);
    for (int i : kOcultasRegistradas) grdContrib.Columns(i).SetVisible(false);
  } else {
    SetHeight(4530);
    SetHelpContextID(kAyudaEnviadas);
    fradecreg.SetCaption("Declaraciones Enviadas");
    SetWidth(8800);
    // The list of more columns takes the width the window gains for it.
    fradecreg.SetWidth(8440);
    grdContrib.SetWidth(8200);
    for (int i : kOcultasEnviadas) grdContrib.Columns(i).SetVisible(false);
  }
  g.CadenaSQL = ConsultaDeclaraciones(g.Enviadas);

  CargaLista(Dta1, grdContrib, g.CadenaSQL);
}

void frmModFor::Form_Activate() {
  if (!grdContrib.Enabled()) return;
  Dta1.Refresh();
  grdContrib.Refresh();
  grdContrib.SetFocus();
  MuestraEnBarra();
}

void frmModFor::Form_Unload(int& /*Cancel*/) {
  BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;
  barra.Setnumdoc("");
  barra.Setrazonsocial("");
  barra.Setperiodo_ejercicio("");
  barra.Setformulario("");
}

void frmModFor::grdContrib_RowColChange(long /*LastRow*/, int /*LastCol*/) {
  MuestraEnBarra();
  Compartidas& g = G();
  g.RucDeclarante = vb::Trim(Celda(kColRuc));
  g.Periodo = "2002";
  g.NombreDeclarante = vb::Trim(Celda(kColNombre));
}

void frmModFor::grdContrib_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) CmdOpciones_Click(0);
}

void frmModFor::CmdOpciones_Click(int Index) {
  CopiaFila();
  if (Index == 1) {
    Dta1.SetRecordset(nullptr);
    forms::Application& aplicacion = forms::Application::Current();
    aplicacion.Unload(*this);
    aplicacion.Release<frmModFor>();
    return;
  }
  if (Dta1.Recordset() == nullptr || Dta1.Recordset()->EOF_()) return;
  if (G().Modo == 3) {
    EliminaDeclaracion();
  } else {
    ModificaDeclaracion();
  }
}

void frmModFor::CopiaFila() {
  Compartidas& g = G();
  g.RucDeclarante = vb::Trim(Celda(kColRuc));
  g.Periodo = "2002";
  g.NombreDeclarante = vb::Trim(Celda(kColNombre));
  g.Correlativo = vb::Trim(Celda(kColCorrel));
  const std::string semana = vb::Trim(Celda(kColSemana));
  g.Semana = semana.empty() ? std::int16_t{0} : vb::CInt(vb::Variant(semana));
}

void frmModFor::EliminaDeclaracion() {
  if (forms::MsgBox("Se eliminarán todos los registros de la declaración ",
                    forms::vbOKCancel + forms::vbExclamation + forms::vbDefaultButton2,
                    "Eliminar Formulario") == forms::vbCancel) {
    grdContrib.SetFocus();
    return;
  }
  if (forms::MsgBox("¿Confirma que va a eliminar la declaración?",
                    forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, Caption()) != forms::vbYes) {
    grdContrib.SetFocus();
    return;
  }

  // All the return's rows go, or none: a failure half-way would leave a
  // header without its boxes, or schedules of a return that is gone.
  Compartidas& g = G();
  const std::vector<std::string> sentencias =
      SentenciasBorrado(g.Enviadas, grdContrib.Columns(kColRuc).Text(), grdContrib.Columns(kColFormulario).Text());
  try {
    dao::Atomically(g.Motor.Workspaces(0), [&] {
      for (const std::string& sql : sentencias) {
        g.CadenaSQL = sql;
        g.BaseDatos->Execute(g.CadenaSQL, dao::dbFailOnError);
      }
    });
  } catch (const vb::Error& e) {
    ModGen00::MensajeError("No se pudo eliminar la declaración; se mantienen todos sus registros." + vb::Chr(10) +
                               e.Description() + " (" + vb::NumberText(e.Number()) + ")",
                           Caption());
    grdContrib.SetFocus();
    return;
  }
  Dta1.Refresh();
  grdContrib.SetFocus();
}

void frmModFor::ModificaDeclaracion() {
  // Held, so the row is put back on the rows the user chose from.
  const std::shared_ptr<dao::Recordset> filas = Dta1.Recordset();
  dao::Recordset& rs = *filas;
  const long posicion = rs.AbsolutePosition();
  G().Modo = 2;
  SetVisible(false);
  G().Ventanas.Open(ventana::kFrm0917);
  forms::DoEvents();
  if (posicion >= 0 && rs.RecordCount() > 0) {
    rs.MoveLast();
    rs.MoveFirst();
    rs.SetAbsolutePosition(posicion);
  }
  grdContrib.Refresh();
}

void frmModFor::MuestraEnBarra() {
  BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;
  barra.Setnumdoc(Celda(kColRuc));
  barra.Setrazonsocial(Celda(kColNombre));
  barra.Setperiodo_ejercicio(G().Periodo);
  barra.Setformulario(Celda(kColFormulario));
}

std::string frmModFor::Celda(int indice) const { return grdContrib.Columns(indice).Text(); }

}  // namespace app
