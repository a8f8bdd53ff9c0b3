#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "app/ventanas/MDIFrm.h"

#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/ModGen00.h"
#include "app/inicio/Producto.h"
#include "app/ventanas/frmAcercade.h"
#include "platform/db/Constants.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace app {
namespace {

using forms::Screen;

struct ElementoMenu {
  forms::Menu MDIFrm::*Item;
  forms::Menu MDIFrm::*Menu;  // nullptr for a menu of the bar
  std::string_view Caption;
};
constexpr ElementoMenu kMenus[] = {
    {&MDIFrm::mnuDeclara, nullptr, "&Declaraciones"},
    {&MDIFrm::mnuNueva, &MDIFrm::mnuDeclara, "&Nueva"},
    {&MDIFrm::mnuModificar, &MDIFrm::mnuDeclara, "&Modificar"},
    {&MDIFrm::mnuEliminar, &MDIFrm::mnuDeclara, "&Eliminar"},
    {&MDIFrm::Rayita1, &MDIFrm::mnuDeclara, "-"},
    {&MDIFrm::mnuImprimir, &MDIFrm::mnuDeclara, "&Imprimir"},
    {&MDIFrm::Rayita, &MDIFrm::mnuDeclara, "-"},
    {&MDIFrm::mnuSalir, &MDIFrm::mnuDeclara, "&Salir"},
    {&MDIFrm::mnuDeclaraE, nullptr, "Declaraciones &Enviadas"},
    {&MDIFrm::mnuRegistrar, &MDIFrm::mnuDeclaraE, "&Registrar número de orden"},
    {&MDIFrm::mnuEliminarE, &MDIFrm::mnuDeclaraE, "&Eliminar"},
    {&MDIFrm::Raya, &MDIFrm::mnuDeclaraE, "-"},
    {&MDIFrm::mnuImprimirE, &MDIFrm::mnuDeclaraE, "&Imprimir"},
    {&MDIFrm::mnuConsultas, nullptr, "&Consultas"},
    {&MDIFrm::mnuPro, &MDIFrm::mnuConsultas, "&Codigos de profesión"},
    {&MDIFrm::mnuBancos, &MDIFrm::mnuConsultas, "&Bancos"},
    {&MDIFrm::mnuUit, &MDIFrm::mnuConsultas, "&Consulta de UIT"},
    {&MDIFrm::mnuayuda, nullptr, "&Ayuda"},
    {&MDIFrm::mnuContenido, &MDIFrm::mnuayuda, "&Contenido de la Ayuda"},
    {&MDIFrm::mnuRaya, &MDIFrm::mnuayuda, "-"},
    {&MDIFrm::mnuAcerca, &MDIFrm::mnuayuda, "&Acerca de ..."},
};

// The toolbar's buttons by index from 1; 6, 8 and 9 only space the others.
struct BotonBarra {
  std::string_view Caption;
  std::string_view Imagen;  // "" for none
  std::string_view Ayuda;   // tool tip
};
constexpr BotonBarra kBotones[] = {
    {"Nueva", "nueva", "Nueva declaración"},
    {"Modifcar", "modificar", "Modificar declaración"},
    {"Eliminar", "eliminar", "Eliminar declaración"},
    {"Imprimir", "imprimir", "Imprimir declaración"},
    {"Salir", "salir", "Salir"},
    {"", "", ""},
    {"Numero de orden", "orden", "Registrar número de orden"},
    {"", "", ""},
    {"", "", ""},
    {"", "ayuda", "Contenido de la Ayuda"},
};

// The fixed place and size (twips): the load's, and the one every activation restores.
constexpr std::int16_t kAltoVentana = 7320;
constexpr std::int16_t kAnchoCarga = 9555;
constexpr long kLugarFijo = -60;
constexpr long kAnchoFijo = 9720;

constexpr long kContextoVentana = 1041;
constexpr std::string_view kTemaContenido = "257";

void CierraBaseDatos() {
  Compartidas& g = G();
  if (g.BaseDatos != nullptr) g.BaseDatos->Close();
  g.BaseDatos.reset();
}

}  // namespace

MDIFrm::MDIFrm() : MDIForm("MDIFrm") {
  SetCaption(kTituloVentana);
  for (const ElementoMenu& m : kMenus) {
    forms::Menu& item = this->*m.Item;
    if (m.Menu != nullptr) item.SetContainer(this->*m.Menu);
    item.SetCaption(m.Caption);
  }

  for (const BotonBarra& b : kBotones) {
    const int imagen = b.Imagen.empty() ? 0 : ImageList1.Add(b.Imagen);
    const int estilo = b.Caption.empty() && imagen == 0 ? forms::tbrSeparator : forms::tbrDefault;
    forms::ToolbarButton& boton = Toolbar1.AddButton(b.Caption, imagen, estilo);
    boton.SetToolTipText(b.Ayuda);
  }
  Toolbar1.SetImageList(&ImageList1);

  // The client area of the fixed window: the toolbar on top, the status bar at the foot.
  Toolbar1.Move(0, 0, 9600, 630);
  Picture1.Move(0, 630, 9600, 5595);
  Picture1.SetTabStop(false);
  Image1.SetContainer(Picture1);
  Image1.Move(0, 0, 9600, 7200);  // 640 x 480 pixels
  Image1.SetPicture("fondo917");
  BarradeEstadoQBX1.Move(0, 6225, 9600, 375);

  mnuNueva.Click = [this] { mnuNueva_Click(); };
  mnuModificar.Click = [this] { mnuModificar_Click(); };
  mnuEliminar.Click = [this] { mnuEliminar_Click(); };
  mnuImprimir.Click = [this] { mnuImprimir_Click(); };
  mnuSalir.Click = [this] { mnuSalir_Click(); };
  mnuRegistrar.Click = [this] { mnuRegistrar_Click(); };
  mnuEliminarE.Click = [this] { mnuEliminarE_Click(); };
  mnuImprimirE.Click = [this] { mnuImprimirE_Click(); };
  mnuPro.Click = [this] { mnuPro_Click(); };
  mnuBancos.Click = [this] { mnuBancos_Click(); };
  mnuUit.Click = [this] { mnuUit_Click(); };
  mnuContenido.Click = [this] { mnuContenido_Click(); };
  mnuAcerca.Click = [this] { mnuAcerca_Click(); };
  Toolbar1.ButtonClick = [this](forms::ToolbarButton& Button) { Toolbar1_ButtonClick(Button); };
}

void MDIFrm::Form_Load() {
  std::int16_t left = 0, top = 0, height = kAltoVentana, width = kAnchoCarga;
  ModFuncionesGenerales::PosicionaForm(*this, left, top, height, width);
  SetMinButton(false);
  SetMaxButton(false);
  Show();  // on screen behind any message of the opening

  ModFuncionesGenerales::LeeConfiguracion();
  ModFuncionesGenerales::AbreBaseDatos();
  Compartidas& g = G();
  g.Formulario = "0917";
  forms::App().SetHelpFile(g.RutaSistema + g.Formulario + "\\" + "KR917");

  // Only tells that the host's table is there: nothing reads it, so it is
  // not kept open for the run.
  try {
    g.RsError = g.BaseDatos->OpenRecordset("error", dao::dbOpenTable);
    g.RsError->Close();
    g.RsError.reset();
  } catch (const vb::Error& e) {
    ModGen00::MuestraErrorMotor(e, "Error de Conección");
    forms::End();
  }

  BarradeEstadoQBX1.Setnumdoc("");
  BarradeEstadoQBX1.Setrazonsocial("");
  BarradeEstadoQBX1.Setformulario(g.Formulario);
  BarradeEstadoQBX1.Setperiodo_ejercicio(g.Periodo);
  BarradeEstadoQBX1.Setesruc(1);
  SetHelpContextID(kContextoVentana);
}

void MDIFrm::Form_Activate() { pCuadra(); }

void MDIFrm::pCuadra() {
  SetWindowState(forms::vbNormal);
  SetLeft(kLugarFijo);
  SetTop(kLugarFijo);
  SetHeight(kAltoVentana);
  SetWidth(kAnchoFijo);
}

void MDIFrm::mnuNueva_Click() {
  G().Modo = 1;
  G().Ventanas.Open(ventana::kFrm0917);
  Screen().SetMousePointer(forms::vbDefault);
}

void MDIFrm::mnuModificar_Click() {
  Compartidas& g = G();
  g.Enviadas = false;
  g.ModoRegistro = false;
  g.OrdenModificado = false;
  ModGen00::CierraFormularios();
  g.Modo = 2;
  g.Ventanas.Open(ventana::kFrmModFor);
}

void MDIFrm::mnuEliminar_Click() {
  Compartidas& g = G();
  g.ModoRegistro = false;
  g.OrdenModificado = false;
  g.Enviadas = false;
  g.Modo = 3;
  g.Ventanas.Open(ventana::kFrmModFor);
}

void MDIFrm::mnuImprimir_Click() {
  Compartidas& g = G();
  g.ModoRegistro = false;
  g.Enviadas = false;
  g.Ventanas.Open(ventana::kFrmImprimir);
  Screen().SetMousePointer(forms::vbDefault);
}

void MDIFrm::mnuSalir_Click() {
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Unload(*this);
  aplicacion.Release<MDIFrm>();
  CierraBaseDatos();
  forms::End();
}

void MDIFrm::mnuRegistrar_Click() {
  Compartidas& g = G();
  g.ModoRegistro = true;
  g.Modo = 2;
  g.OrdenModificado = false;
  Screen().SetMousePointer(forms::vbHourglass);
  g.Ventanas.Open(ventana::kFrmAbrirEnv);
  Screen().SetMousePointer(forms::vbDefault);
}

void MDIFrm::mnuEliminarE_Click() {
  Compartidas& g = G();
  g.Modo = 3;
  g.ModoRegistro = false;
  g.Enviadas = true;
  ModGen00::CierraFormularios();
  g.Ventanas.Open(ventana::kFrmModFor);
}

void MDIFrm::mnuImprimirE_Click() {
  Compartidas& g = G();
  g.ModoRegistro = false;
  g.Enviadas = true;
  g.Ventanas.Open(ventana::kFrmImprimir);
  Screen().SetMousePointer(forms::vbDefault);
}

void MDIFrm::AbreConsulta(std::uint8_t tipo) {
  ModGen00::CierraFormularios();
  G().TipoConsulta = tipo;
  Screen().SetMousePointer(forms::vbHourglass);
  G().Ventanas.Open(ventana::kFrmBancos);
  Screen().SetMousePointer(forms::vbDefault);
}

void MDIFrm::mnuPro_Click() { AbreConsulta(1); }

void MDIFrm::mnuBancos_Click() { AbreConsulta(2); }

void MDIFrm::mnuUit_Click() { AbreConsulta(3); }

void MDIFrm::MuestraContenido() {
  CMDlgHlp.SetHelpFile(forms::App().HelpFile());
  CMDlgHlp.SetHelpCommand(forms::cdlHelpContents);
  CMDlgHlp.SetHelpKey(kTemaContenido);
  CMDlgHlp.SetAction(6);
}

void MDIFrm::mnuContenido_Click() { MuestraContenido(); }

void MDIFrm::mnuAcerca_Click() { app::AbreNueva<frmAcercade>(); }

void MDIFrm::Toolbar1_ButtonClick(forms::ToolbarButton& Button) {
  Compartidas& g = G();
  switch (Button.Index()) {
    case 1:
      g.Modo = 1;
      Screen().SetMousePointer(forms::vbHourglass);
      Screen().SetMousePointer(forms::vbDefault);
      g.Ventanas.Open(ventana::kFrm0917);
      break;
    case 2:
      g.Enviadas = false;
      ModGen00::CierraFormularios();
      g.Modo = 2;
      g.Ventanas.Open(ventana::kFrmModFor);
      break;
    case 3:
      g.Enviadas = false;
      ModGen00::CierraFormularios();
      g.ModoRegistro = false;
      g.OrdenModificado = false;
      g.Modo = 3;
      g.Ventanas.Open(ventana::kFrmModFor);
      break;
    case 4:
      g.Enviadas = false;
      g.Ventanas.Open(ventana::kFrmImprimir);
      Screen().SetMousePointer(forms::vbDefault);
      break;
    case 5: {
      CierraBaseDatos();
      forms::Application& aplicacion = forms::Application::Current();
      aplicacion.Unload(*this);
      aplicacion.Release<MDIFrm>();
      forms::End();
      break;
    }
    case 7:
      mnuRegistrar_Click();
      break;
    case 10:
      MuestraContenido();
      break;
    default:
      break;
  }
}

}  // namespace app
