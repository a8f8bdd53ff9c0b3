// The return form's load: the window prepared for the return that the
// shared variables name, new (Modo 1) or saved (Modo 2, and with
// ModoRegistro a sent one, to register its order number), and filled.
#include <cstdint>
#include <optional>
#include <string>

#include "app/inicio/Compartidas.h"
#include "app/servicios/Declarantes.h"
#include "app/servicios/ListasParametros.h"
#include "app/servicios/Tasas.h"
#include "app/servicios/TiposDocumento.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/mod_Combo.h"
#include "common/NumeroOrden.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Adicionales.h"
#include "return/DisenoCasillas.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// What a stored box row does to the window, by the box's number.
enum class Efecto : std::uint8_t {
  Ruc,              // TxtNumRuc
  Nada,             // kept only in the database (or read by CargarCab)
  Profesion,        // the profession of that code
  Telefono,         // TxtTelefono
  TalCual,          // the text box, as stored
  Respuesta,        // a schedule answer: "1" Si, anything else No
  Continuacion,     // the second half of the name in box n - 10
  TipoDocumento,    // the document type of that code in cmbtipdoc(n)
  FechaNacimiento,  // MkeFecNac
  FormaPago,        // the payment control's method
  Opciones,         // ActivaBotonesForm
};

struct FilaEfecto {
  std::int16_t Desde, Hasta;
  Efecto Hace;
};

// The first line that holds the box's number applies; a number on no line
// is an amount box.
constexpr FilaEfecto kEfectos[] = {
    {2, 2, Efecto::Ruc},
    {5, 5, Efecto::Nada},
    {12, 12, Efecto::Nada},
    {25, 25, Efecto::Profesion},
    {28, 28, Efecto::Telefono},
    {811, 815, Efecto::TalCual},
    {890, 890, Efecto::TalCual},
    {896, 899, Efecto::Respuesta},
    {817, 825, Efecto::TalCual},
    {827, 835, Efecto::Continuacion},
    {204, 206, Efecto::TipoDocumento},
    {224, 227, Efecto::TipoDocumento},
    {301, 301, Efecto::TipoDocumento},
    {234, 234, Efecto::FechaNacimiento},
    {235, 235, Efecto::TipoDocumento},
    {599, 599, Efecto::FormaPago},
    {721, 722, Efecto::Nada},
    {7, 7, Efecto::Nada},
    {15, 15, Efecto::Nada},
    {598, 598, Efecto::Nada},
    {260, 260, Efecto::Opciones},
    {871, 871, Efecto::Opciones},
    {27, 27, Efecto::Opciones},
    {801, 803, Efecto::TalCual},
    {302, 302, Efecto::TalCual},
    {236, 236, Efecto::TalCual},
    {208, 209, Efecto::TalCual},
    {211, 211, Efecto::TalCual},
    {229, 230, Efecto::TalCual},
    {215, 215, Efecto::TalCual},
    {217, 219, Efecto::TalCual},
};

std::optional<Efecto> EfectoDe(double n) {
  for (const FilaEfecto& f : kEfectos) {
    if (n >= f.Desde && n <= f.Hasta) return f.Hace;
  }
  return std::nullopt;
}

// The item whose code (its first two characters) is `codigo` becomes the
// choice, as SeleccionaCombo chooses it. A code that no item has leaves the
// list without a choice: left on its last item, the next save would store
// that item's code instead.
void SeleccionaCodigo(forms::ListControl& lista, const std::string& codigo) {
  for (int i = 0; i < lista.ListCount(); ++i) {
    if (vb::Trim(vb::Left(lista.List(i), 2)) == vb::Trim(codigo)) {
      SeleccionaCombo(lista, codigo, 2);
      return;
    }
  }
  lista.SetListIndex(-1);
}

}  // namespace

void Frm0917::Form_Load() {
  try {
    CargaFormulario();
  } catch (const vb::Error& e) {
    // A missing table or a locked file: the return cannot be shown, and
    // the program goes on without the window.
    G().CargandoFormulario = false;
    ModGen00::MensajeError("No se pudo abrir la declaración." + vb::Chr(10) + "Error " + vb::NumberText(e.Number()) +
                               ": " + e.Description(),
                           kTituloFrm0917);
    forms::Unload(*this);
  }
}

void Frm0917::CargaFormulario() {
  Compartidas& g = G();
  // The whole load fills the window, from its first step: the schedule
  // answers set to No must not empty the work table, which the load empties
  // anyway and then fills from the saved return.
  g.CargandoFormulario = true;

  // Only the first four pages can be used.
  tab0584.SetTabEnabled(4, false);
  tab0584.SetTabs(4);

  // Every schedule answer starts as No.
  for (const Adicional& a : kAdicionales) (this->*a.Respuesta)(0).SetValue(true);

  // The period; a new return has no declarant yet.
  g.Periodo = "2002";
  g.Semana = 0;
  if (g.Modo == 1) {
    g.Periodo = "2002";
    g.Semana = 0;
    g.RucDeclarante = "";
  }

  // The limit of box 110; not known when the period has no rate.
  g.FactorLimite110 = vb::ParseNumber(LeeTasa("050802"));

  // Neither cheque nor cash.
  FormaDePagoQBX1.Setformapago("XX");

  // The form opens on the identification page; a save keeps it open.
  tab0584.SetTab(0);
  SalirAlGrabar = false;

  // The schedule work table is emptied of every return's rows.
  g.CadenaSQL = "DELETE * FROM TMPF0917PATRIM ";
  g.BaseDatos->Execute(g.CadenaSQL, dao::dbInconsistent);

  // The form's place and size in the main window.
  std::int16_t left = 0, top = 0, alto = 6825, ancho = 9615;
  ModFuncionesGenerales::PosicionaForm(*this, left, top, alto, ancho);

  // The declarant: a list to choose from for a new return, the saved one's number otherwise.
  CargaIdent();

  // The header and the schedules of a saved return.
  if (g.Modo != 1) {
    CargarCab();
    Carga_DATA_Patrimonial();
  }

  // The year's rates, and a warning for any that is missing.
  CargaTasas();
  AvisaTasasFaltantes();

  // Professions.
  LlenaComboParam(cboProfesion, "979", "*", 60, 1);
  mod_Combo::AjustaCombo(*this, cboProfesion);
  std::int16_t largo = 40;
  mod_Combo::AnchoCombo(*this, cboProfesion, largo);

  // Document types.
  for (const TipoDocumentoDiseno& t : kTiposDocumento) LlenaTiposDocumento(cmbtipdoc(t.Lista), 81, true);
  for (const TipoDocumentoDiseno& t : kTiposDocumento) mod_Combo::AjustaCombo(*this, cmbtipdoc(t.Lista));
  for (const TipoDocumentoDiseno& t : kTiposDocumento) {
    largo = 40;
    mod_Combo::AnchoCombo(*this, cmbtipdoc(t.Lista), largo);
  }

  // The boxes of the form's pages, in the order the save writes them.
  ListaCasillas.assign(kListaCasillas.begin(), kListaCasillas.end());

  // A new return: the declarants to choose from.
  if (g.Modo == 1) {
    AbreDeclarantes(CmbRuc);
    mod_Combo::AjustaCombo(*this, CmbRuc);
    largo = 37;
    mod_Combo::AnchoCombo(*this, CmbRuc, largo);
    CmbRuc.SetLeft(1500);
    CmbRuc.SetTop(300);
    BarradeEstadoQBX& barra = forms::Default<MDIFrm>().BarradeEstadoQBX1;
    barra.Setnumdoc("");
    barra.Setrazonsocial("");
    barra.Setperiodo_ejercicio("");
    barra.Setformulario(g.Formulario);
  }

  // A saved return's boxes.
  if (g.Modo != 1) CargaCasillas();

  // The groups of boxes open or close as the loaded values ask.
  ConmutaGrupos();

  // A sent return, to register its order number.
  if (EnRegistro()) {
    DesTodo();
    txtOrden.SetVisible(true);
    txtVerifica.SetVisible(true);
    if (vb::Len(vb::Trim(g.NumeroOrden)) == 8) {
      txtVerifica.SetText(common::VerificadorOrden(g.NumeroControl, g.NumeroOrden));
    }
  }

  // The declarant's names as the register has them now.
  if (g.Modo != 1) CargaNombre();

  // Loaded, and nothing changed yet.
  FormularioModificado = false;
  g.CargandoFormulario = false;
}

bool Frm0917::EnRegistro() const { return G().ModoRegistro && G().Modo == 2; }

void Frm0917::AvisaTasasFaltantes() {
  const Compartidas& g = G();
  std::string faltan;
  if (!g.FactorLimite110) faltan += vb::Chr(10) + "- la tasa límite de la casilla 110 (código 050802)";
  if (!vb::ParseNumber(g.Uit)) faltan += vb::Chr(10) + "- el valor de la UIT";
  if (faltan.empty()) return;
  ModGen00::MensajeInfo("No se encontró para el ejercicio " + g.Periodo + ":" + faltan + vb::Chr(10) +
                            "Las casillas que dependen de ellos no se calcularán.",
                        kTituloFrm0917);
}

void Frm0917::CargaCasillas() {
  Compartidas& g = G();
  if (EnRegistro()) {
    g.CadenaSQL = std::string("SELECT CASILLA, I_VALOR FROM HDET") + " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) +
                  " AND PERIODO=" + dao::Quote(g.Periodo) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                  " AND SEMANA=" + vb::NumberText(g.Semana) + " AND Correl=" + dao::Quote(g.Correlativo);
  } else {
    g.CadenaSQL = std::string("SELECT CASILLA, I_VALOR FROM DET") + " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) +
                  " AND PERIODO=" + dao::Quote(g.Periodo) + " AND SEMANA=" + vb::NumberText(g.Semana) +
                  " AND FORMULARIO=" + dao::Quote(g.Formulario);
  }
  // In box order: the second half of a name (827-835) must come after its
  // first half (817-825), which would otherwise overwrite it.
  g.CadenaSQL += " ORDER BY CASILLA";
  auto rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenSnapshot);
  for (; !rs->EOF_(); rs->MoveNext()) {
    CargaCasilla(vb::TextOf(rs->Fields("CASILLA").Value()), vb::TextOf(rs->Fields("I_VALOR").Value()));
  }
  rs->Close();
}

void Frm0917::CargaCasilla(const std::string& casilla, const std::string& valor) {
  const double numero = vb::Val(casilla);
  const std::optional<Efecto> efecto = EfectoDe(numero);
  // Any other number is an amount box; one the window does not have (a
  // row of another version, say) stays in the database only.
  if (!efecto) {
    if (numero < 0 || numero > 32767 || numero != vb::Int(numero)) return;
    const auto n = static_cast<std::int16_t>(numero);
    if (!txtvalor.Exists(n)) return;
    txtvalor(n).SetText(valor);
    Forma(n);
    return;
  }
  const auto n = static_cast<std::int16_t>(numero);
  switch (*efecto) {
    case Efecto::Ruc:
      TxtNumRuc.SetText(valor);
      break;
    case Efecto::Nada:
      break;
    case Efecto::Profesion:
      SeleccionaCodigo(cboProfesion, vb::Format(vb::Variant(valor), "00"));
      break;
    case Efecto::Telefono:
      TxtTelefono.SetText(valor);
      break;
    case Efecto::TalCual:
      txtvalor(n).SetText(valor);
      break;
    case Efecto::Respuesta: {
      const Adicional& a = kAdicionales[static_cast<std::size_t>(n - kAdicionales[0].Casilla)];
      (this->*a.Respuesta)(vb::Trim(valor) == "1" ? 1 : 0).SetValue(true);
      break;
    }
    case Efecto::Continuacion: {
      forms::TextBox& primera = txtvalor(static_cast<std::int16_t>(n - 10));
      primera.SetText(primera.Text() + valor);
      break;
    }
    case Efecto::TipoDocumento:
      SeleccionaCodigo(cmbtipdoc(n), vb::Format(vb::Variant(valor), "0#"));
      break;
    case Efecto::FechaNacimiento: {
      // Read and shown as "dd/mm/yyyy" whatever the machine's locale; a text
      // that is no date leaves the box empty.
      const std::optional<vb::DateTime> fecha = vb::ParseDate(vb::Trim(valor));
      MkeFecNac.SetText(fecha ? vb::Format(vb::Variant(*fecha), "dd/mm/yyyy") : std::string());
      break;
    }
    case Efecto::FormaPago:
      FormaDePagoQBX1.Setformapago(valor);
      break;
    case Efecto::Opciones:
      ActivaBotonesForm(casilla, valor);
      break;
  }
}

void Frm0917::ConmutaGrupos() {
  if (Vale(117) > 0) {
    HabAmazonia();
  } else {
    DesAmazonia();
  }
  if (vacio(141) || Vale(141) <= 0) {
    Descasilla(140);
  } else {
    Habcasilla(140);
  }
  if (vacio(100) && vacio(102)) {
    Descasilla(114);
  } else {
    Habcasilla(114);
  }
  if (Vale(107) > 0 || Vale(108) > 0) {
    HabCuarta();
  } else {
    DesCuarta();
  }
  if (Vale(141) > 0) Descasilla(145);
  if (Vale(142) > 0) Habcasilla(145);
  if (!optInmueble(1).Value() && !optInmueble(2).Value()) DesAlquiler();
}

}  // namespace app
