#include "printing/frmImprimir.h"

#include <cstdint>
#include <memory>
#include <string_view>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/servicios/Spool.h"
#include "app/servicios/TipoUsuario.h"
#include "app/ventanas/CargaLista.h"
#include "app/ventanas/MDIFrm.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "printing/ImpRep.h"
#include "printing/Impresion.h"
#include "printing/ModObjetos.h"
#include "printing/frmImpxPag.h"

namespace app {
namespace {

// The grid's columns, by index: heading, bound field and display format. None
// has a design width: each is as wide as its heading and its values need.
constexpr ColumnaLista kColumnas[] = {
    {"RUC", "doc_id_d", ""},
    {"Razón Social", "Nombre", ""},
    {"Periodo", "periodo", ""},
    {"Ejercicio", "Periodof", "####"},
    {"Formulario", "Formulario", ""},
    {"N.Orden", "norden", ""},
    {"Fecha Envio", "fec_env", "dd/mm/yyyy"},
    {"Control", "Control", ""},
    {"Correlativo", "Correl", ""},
    {"Estado", "estado", ""},
    {"Rectifica", "rectifica", ""},
    {"Semana", "semana", ""},
};
constexpr int kColRuc = 0, kColNombre = 1, kColFormulario = 4, kColOrden = 5, kColControl = 7, kColCorrel = 8,
              kColEstado = 9, kColRectifica = 10, kColSemana = 11;

// What each list leaves out of sight, and what the registered one shows.
constexpr int kOcultasRegistradas[] = {2, 5, 6, 7, 8, 9};
constexpr int kVisiblesRegistradas[] = {4, 10};
constexpr int kOcultasEnviadas[] = {2, 9};

// The options and annexes the report is chosen by, and the design's older
// set (Frame1, Frame3), which no procedure reads: it stays out of sight.
struct Opcion {
  int Indice;
  std::string_view Caption;
  long Top;
};
constexpr Opcion kOpciones[] = {
    {5, "Declaración", 300}, {4, "Anexo", 600}, {3, "Declaración y anexo", 900}};
constexpr Opcion kAnexos[] = {{3, "Rentas exoneradas e Inafectas", 360}, {4, "Información adicional", 720}};
constexpr Opcion kOpcionesAntiguas[] = {
    {0, "Declaración", 300}, {1, "Anexos", 600}, {2, "Declaración y anexos", 900}};
constexpr Opcion kAnexosAntiguos[] = {
    {0, "Apéndice III", 300}, {1, "Apéndice IV al valor", 600}, {2, "Apéndice IV específico", 900}};

constexpr std::string_view kBotones[] = {"&Preliminar", "&Imprimir", "&Salir"};

constexpr std::string_view kCodigoReporte = "RP0006";
constexpr std::int16_t kTipoRuc = 6;

// Boxes 721 and 722 hold values that are never printed.
bool SeImprime(int casilla) { return casilla != 721 && casilla != 722; }

}  // namespace

frmImprimir::frmImprimir() : Form("frmImprimir") {
  SetCaption("Imprimir ");
  Move(0, 0, 9690, 5340);
  SetMinButton(false);
  SetMaxButton(false);

  Frame2.SetCaption("Declaraciones registradas");
  Frame2.Move(120, 120, 9300, 2895);
  grdContrib.SetContainer(Frame2);
  grdContrib.Move(120, 240, 9060, 2535);
  grdContrib.SetTabIndex(0);
  grdContrib.SetDataSource(&Dta1);
  Dta1.SetVisible(false);
  AgregaColumnas(grdContrib, kColumnas);
  // A heading of two words takes two lines rather than widen its column.
  grdContrib.SetHeadLines(2);
  ValoresEstado(grdContrib.Columns(kColEstado));
  ValoresRectifica(grdContrib.Columns(kColRectifica));

  Frame4.SetCaption("Opciones");
  Frame4.Move(120, 3120, 2895, 1335);
  for (const Opcion& o : kOpciones) {
    forms::OptionButton& opcion = OptImp.Add(o.Indice);
    opcion.SetContainer(Frame4);
    opcion.SetCaption(o.Caption);
    opcion.Move(240, o.Top, 2500, 255);
  }
  Frame5.SetCaption("Anexo");
  Frame5.Move(3120, 3120, 3375, 1335);
  for (const Opcion& a : kAnexos) {
    forms::CheckBox& anexo = chkAnexos.Add(a.Indice);
    anexo.SetContainer(Frame5);
    anexo.SetCaption(a.Caption);
    anexo.Move(240, a.Top, 3000, 255);
  }
  Frame1.SetCaption("Opciones");
  Frame1.Move(120, 3120, 2895, 1335);
  Frame1.SetVisible(false);
  for (const Opcion& o : kOpcionesAntiguas) {
    forms::OptionButton& opcion = OptImp.Add(o.Indice);
    opcion.SetContainer(Frame1);
    opcion.SetCaption(o.Caption);
    opcion.Move(240, o.Top, 2500, 255);
  }
  Frame3.SetCaption("Anexos");
  Frame3.Move(3120, 3120, 3375, 1335);
  Frame3.SetVisible(false);
  for (const Opcion& a : kAnexosAntiguos) {
    forms::CheckBox& anexo = chkAnexos.Add(a.Indice);
    anexo.SetContainer(Frame3);
    anexo.SetCaption(a.Caption);
    anexo.Move(240, a.Top, 3000, 255);
  }

  for (int i = 0; i < static_cast<int>(std::size(kBotones)); ++i) {
    forms::CommandButton& boton = CmdImprimir.Add(i);
    boton.SetCaption(kBotones[i]);
    boton.Move(8100, 3180 + 440L * i, 1215, 375);
    boton.SetTabIndex(1 + i);
  }

  OptImp.On(&forms::OptionButton::Click, [this](int Index) { OptImp_Click(Index); });
  CmdImprimir.On(&forms::CommandButton::Click, [this](int Index) { CmdImprimir_Click(Index); });
  grdContrib.RowColChange = [this](long LastRow, int LastCol) { grdContrib_RowColChange(LastRow, LastCol); };
  grdContrib.DblClick = [this] { CmdImprimir_Click(0); };
  grdContrib.KeyPress = [this](int& KeyAscii) { grdContrib_KeyPress(KeyAscii); };
}

void frmImprimir::Form_Load() {
  Compartidas& g = G();
  SetIcon(kIconoImpresion);
  // An adviser sees only the returns of their own taxpayers.
  const std::string filtro = TipoUsuario() != "0" ? " AND B.USUARIO=" + dao::Quote(g.UsuarioSistema) : "";
  if (!g.Enviadas) {
    // Saved returns, from CAB.
    SetCaption("Imprimir ");
    grdContrib.Columns(kColNombre).SetWidth(4000);
    grdContrib.Columns(3).SetWidth(1000);
    for (int i : kOcultasRegistradas) grdContrib.Columns(i).SetVisible(false);
    for (int i : kVisiblesRegistradas) grdContrib.Columns(i).SetVisible(true);
    g.CadenaSQL = std::string(
                      "SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO,mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODOf, "
                      "A.FORMULARIO, a.estado,a.rectifica,a.semana FROM CAB AS A, CONT AS B") +
                  " WHERE A.DOC_ID_D=B.DOC_ID_D AND" + " A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND" +
                  " A.FORMULARIO=" + dao::Quote(g.Formulario) + " " + filtro +
                  " ORDER BY A.DOC_ID_D ASC, a.periodo DESC";
  } else {
    // Sent returns, from HCAB, with their sending data.
    grdContrib.SetWidth(7560);
    SetCaption("Imprimir Formularios enviados");
    Frame2.SetCaption("Declaraciones Enviadas");
    g.CadenaSQL = std::string(
                      "SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO,mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODOf, "
                      "A.FORMULARIO,a.estado,a.fec_env,a.correl,a.norden,a.control,a.rectifica,a.semana "
                      "FROM HCAB AS A, CONT AS B") +
                  " WHERE A.DOC_ID_D=B.DOC_ID_D AND" + " A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND" +
                  " A.FORMULARIO=" + dao::Quote(g.Formulario) + filtro + " and a.estado=1" +
                  " ORDER BY A.DOC_ID_D ASC";
    grdContrib.Columns(kColNombre).SetWidth(3300);
    for (int i : kOcultasEnviadas) grdContrib.Columns(i).SetVisible(false);
  }
  CargaLista(Dta1, grdContrib, g.CadenaSQL);
  // Something is always chosen: with nothing, the report would be empty.
  OptImp(5).SetValue(true);
}

void frmImprimir::Form_Activate() {
  if (!grdContrib.Enabled()) return;
  Dta1.Refresh();
  grdContrib.Refresh();
  MuestraEnBarra();
}

void frmImprimir::grdContrib_RowColChange(long /*LastRow*/, int /*LastCol*/) {
  MuestraEnBarra();
  Compartidas& g = G();
  g.RucDeclarante = vb::Trim(Celda(kColRuc));
  g.Periodo = "2002";
  g.NombreDeclarante = vb::Trim(Celda(kColNombre));
  g.Semana = SemanaDeFila();
}

void frmImprimir::grdContrib_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) CmdImprimir_Click(0);
}

void frmImprimir::OptImp_Click(int Index) {
  if (Index == 3 || Index == 4) {
    chkAnexos(3).SetEnabled(true);
    chkAnexos(4).SetEnabled(true);
  } else if (Index == 5) {
    chkAnexos(3).SetEnabled(false);
    chkAnexos(4).SetEnabled(false);
    chkAnexos(3).SetValue(forms::vbUnchecked);
    chkAnexos(4).SetValue(forms::vbUnchecked);
  }
}

void frmImprimir::CmdImprimir_Click(int Index) {
  Compartidas& g = G();
  // A choice with annexes needs an annex ticked, to preview or to print.
  if (Index == 0 || Index == 1) {
    if ((OptImp(3).Value() || OptImp(4).Value()) && chkAnexos(3).Value() == forms::vbUnchecked &&
        chkAnexos(4).Value() == forms::vbUnchecked) {
      Validador().MuestraMensaje("Debe seleccionar algún anexo", "Error");
      return;
    }
  }
  if (Index == 2) {
    // Salir: the grid lets go of its rows before the window goes.
    Dta1.SetRecordset(nullptr);
    forms::Application& aplicacion = forms::Application::Current();
    aplicacion.Unload(*this);
    aplicacion.Release<frmImprimir>();
  } else if (Index == 1) {
    // A direct print is of the whole report, whatever range a preview took.
    if (!HayFila()) return;
    g.ImpRep.ImpLinea.RangoPaginas = false;
    if (const std::optional<std::string> archivo = EscribeReporte()) ModObjetos::VistaPrevia(*archivo, "xx");
  } else if (Index == 0) {
    // The report is written, and the page-range dialog offers its pages.
    if (!HayFila()) return;
    const long posicion = Dta1.Recordset()->AbsolutePosition();
    const std::optional<std::string> archivo = EscribeReporte();
    if (!archivo) return;
    forms::Screen().SetMousePointer(forms::vbHourglass);
    g.ImpRep.ImpLinea.RangoPaginas = true;
    CargaRango(*archivo);
    forms::Screen().SetMousePointer(forms::vbArrow);
    forms::Default<frmImpxPag>().Show(forms::vbModal);
    if (posicion < 0) return;
    // Coming back refreshed the rows (Activate): the chosen one is found again.
    dao::Recordset& rs = *Dta1.Recordset();
    if (rs.RecordCount() > 0) {
      rs.MoveLast();
      rs.MoveFirst();
      rs.SetAbsolutePosition(posicion);
    }
    grdContrib.Refresh();
  }
}

std::optional<std::string> frmImprimir::EscribeReporte() {
  Compartidas& g = G();
  CopiaFila();
  CargarCasillas();
  g.Modo = 2;
  g.ModoImpresion = 2;
  g.ImpRep.ImpLinea.DestinoImpresion = "ARCHIVO";
  const ImpRep::Seleccion que{
      .Declaracion = OptImp(3).Value() || OptImp(5).Value(),
      .RentasExoneradas = chkAnexos(3).Value() == forms::vbChecked,
      .InfAdicional = chkAnexos(4).Value() == forms::vbChecked,
  };
  // The spool's row stands only with its report. A failure of either is
  // told once the row is undone, so no box waits on the user while the
  // spool is held against the other programs.
  try {
    return RegistraSpool(kCodigoReporte, kTipoRuc, vb::Trim(g.RucDeclarante), [&](const std::string& ruta) {
      g.ArchivoSalida = ruta;
      ImpRep::GeneraReporte(que);
    });
  } catch (const vb::Error& error) {
    ImpRep::MuestraFalla(error);
    return std::nullopt;
  }
}

void frmImprimir::CargaRango(const std::string& archivo) {
  frmImpxPag& rango = forms::Default<frmImpxPag>();
  forms::Load(rango);
  const std::string paginas = vb::NumberText(G().ImpRep.ImpLinea.PaginaActual);
  rango.SetCaption("Impresión de " + paginas + " páginas");
  rango.txtTotPaginas.SetText(paginas);
  rango.SetTag(archivo);
}

void frmImprimir::CargarCasillas() {
  Compartidas& g = G();
  common::EstadoReporte& r = g.ImpRep;
  // No value of an earlier return is left in the arrays.
  BorraArray();
  // The return's box rows, saved or sent.
  const std::string clave = " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) + " AND PERIODO=" +
                            dao::Quote(g.Periodo) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                            " AND SEMANA=" + vb::NumberText(g.Semana);
  const std::string correl = g.Enviadas ? " AND Correl=" + dao::Quote(g.Correlativo) : "";
  std::shared_ptr<dao::Recordset> rs = g.BaseDatos->OpenRecordset(
      std::string(g.Enviadas ? "SELECT CASILLA, I_VALOR FROM HDET" : "SELECT CASILLA, I_VALOR FROM DET") + clave +
          correl,
      dao::dbOpenSnapshot);
  // A box without an element in the arrays (0, 701 to 799, above 999, a
  // number that is not one) has nowhere to go and is left out.
  for (; !rs->EOF_(); rs->MoveNext()) {
    const double numero = vb::Val(vb::TextOf(rs->Fields("CASILLA").Value()));
    if (!(numero >= 1 && numero <= 999)) continue;
    const int b = vb::CInt(numero);
    if (!SeImprime(b) || (b > 700 && b < 800)) continue;
    const std::string valor = vb::TextOf(rs->Fields("I_VALOR").Value());
    if (b < 800) {
      r.ValorCasilla[static_cast<std::size_t>(b - 1)] = valor;
    } else {
      r.ValorCasilla800[static_cast<std::size_t>(b - 800)] = valor;
    }
  }
  rs->Close();
  // The previous return's cheque and rectification never carry over.
  g.BancoCheque.clear();
  g.NumeroCheque.clear();
  g.Rectificatoria.clear();
  rs = g.BaseDatos->OpenRecordset(std::string(g.Enviadas ? "SELECT * FROM HCAB" : "SELECT * FROM CAB") +
                                      " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) + " AND TIP_DOC_D=6" +
                                      " AND PERIODO=" + dao::Quote(g.Periodo) + " AND FORMULARIO=" +
                                      dao::Quote(g.Formulario) + " AND SEMANA=" + vb::NumberText(g.Semana) +
                                      (g.Enviadas ? " AND correl=" + dao::Quote(g.Correlativo) : ""),
                                  dao::dbOpenSnapshot);
  if (!rs->EOF_()) {
    g.BancoCheque = vb::TextOf(rs->Fields("bcolibrad").Value());
    const vb::Variant cheque = rs->Fields("nrocheque").Value();
    if (!cheque.IsNull()) g.NumeroCheque = vb::TextOf(cheque);
    const vb::Variant rectifica = rs->Fields("rectifica").Value();
    if (!rectifica.IsNull()) g.Rectificatoria = vb::TextOf(rectifica);
  }
  rs->Close();
}

void frmImprimir::BorraArray() {
  common::EstadoReporte& r = G().ImpRep;
  for (std::string& v : r.ValorCasilla800) v.clear();
  for (std::string& v : r.ValorCasilla) v.clear();
}

void frmImprimir::CopiaFila() {
  Compartidas& g = G();
  g.RucDeclarante = Celda(kColRuc);
  g.Periodo = "2002";
  g.NombreDeclarante = Celda(kColNombre);
  g.Correlativo = Celda(kColCorrel);
  g.NumeroOrden = Celda(kColOrden);
  g.NumeroControl = Celda(kColControl);
  g.Semana = SemanaDeFila();
}

void frmImprimir::MuestraEnBarra() {
  BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;
  barra.Setnumdoc(Celda(kColRuc));
  barra.Setrazonsocial(Celda(kColNombre));
  barra.Setformulario(Celda(kColFormulario));
  barra.Setperiodo_ejercicio(G().Periodo);
}

std::string frmImprimir::Celda(int indice) const { return grdContrib.Columns(indice).Text(); }

std::int16_t frmImprimir::SemanaDeFila() const {
  const std::string semana = vb::Trim(Celda(kColSemana));
  return semana.empty() ? std::int16_t{0} : vb::CInt(vb::Variant(semana));
}

bool frmImprimir::HayFila() const {
  const std::shared_ptr<dao::Recordset>& rs = Dta1.Recordset();
  return rs != nullptr && !rs->EOF_() && !rs->BOF();
}

}  // namespace app
