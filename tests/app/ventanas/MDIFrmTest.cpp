// The main window: what it shows, each command's shared variables and the
// window it opens, the fixed geometry, the help, the about box and Salir.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/frmAcercade.h"
#include "platform/forms/Label.h"
#include "platform/forms/Input.h"
#include "platform/host/HelpFile.h"
#include "tests/app/ventanas/Programa.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

/// A child window of the main window, open while a command runs.
class frmHija : public forms::Form {
 public:
  frmHija() : Form("frmHija") { SetMDIChild(true); }
};

/// A modal window standing in for the ones the commands open.
class frmVentana : public forms::Form {
 public:
  frmVentana() : Form("frmVentana") {}
};

class ConPrincipal : public Programa {
 protected:
  struct Apertura {
    std::string Ventana;
    std::int16_t Modo;
    bool Enviadas, ModoRegistro, OrdenModificado;
    std::uint8_t TipoConsulta;
    int Puntero;
  };

  void SetUp() override {
    ASSERT_TRUE(Arranca());
    for (const char* nombre : {"Frm0917", "frmModFor", "frmAbrirEnv", "frmImprimir", "frmBancos"}) {
      G().Ventanas.Register(nombre, [this, nombre] {
        const Compartidas& g = G();
        Aperturas.push_back({nombre, g.Modo, g.Enviadas, g.ModoRegistro, g.OrdenModificado, g.TipoConsulta,
                             forms::Screen().MousePointer()});
      });
    }
  }

  std::vector<Apertura> Aperturas;
};

using Ventana = ConPrincipal;

TEST_F(Ventana, ShowsTheMenuTreeAndTheToolbarOfTheProgram) {
  MDIFrm& f = Principal();
  EXPECT_EQ(f.Caption(), "Declaración Pago Anual Impuesto a la Renta - Formulario 917 - Versión 1.0");
  EXPECT_FALSE(f.MinButton());
  EXPECT_FALSE(f.MaxButton());

  std::vector<std::string> arbol;
  for (forms::Menu* menu : forms::MenuBar(f)) {
    arbol.push_back(menu->Name() + " " + menu->Caption());
    for (forms::Menu* item : menu->Items()) arbol.push_back("  " + item->Name() + " " + item->Caption());
  }
  EXPECT_EQ(arbol, (std::vector<std::string>{
                       "mnuDeclara &Declaraciones",
                       "  mnuNueva &Nueva",
                       "  mnuModificar &Modificar",
                       "  mnuEliminar &Eliminar",
                       "  Rayita1 -",
                       "  mnuImprimir &Imprimir",
                       "  Rayita -",
                       "  mnuSalir &Salir",
                       "mnuDeclaraE Declaraciones &Enviadas",
                       "  mnuRegistrar &Registrar número de orden",
                       "  mnuEliminarE &Eliminar",
                       "  Raya -",
                       "  mnuImprimirE &Imprimir",
                       "mnuConsultas &Consultas",
                       "  mnuPro &Codigos de profesión",
                       "  mnuBancos &Bancos",
                       "  mnuUit &Consulta de UIT",
                       "mnuayuda &Ayuda",
                       "  mnuContenido &Contenido de la Ayuda",
                       "  mnuRaya -",
                       "  mnuAcerca &Acerca de ...",
                   }));

  std::vector<std::string> botones;
  for (int i = 1; i <= f.Toolbar1.ButtonCount(); ++i) {
    const forms::ToolbarButton& b = f.Toolbar1.Buttons(i);
    botones.push_back(b.Style() == forms::tbrSeparator ? "|" : b.Caption() + (b.Image() != 0 ? "*" : ""));
  }
  EXPECT_EQ(botones, (std::vector<std::string>{"Nueva*", "Modifcar*", "Eliminar*", "Imprimir*", "Salir*", "|",
                                               "Numero de orden*", "|", "|", "*"}));
  EXPECT_EQ(f.Toolbar1.Images(), &f.ImageList1);
  EXPECT_EQ(f.Image1.Container(), &f.Picture1);
  EXPECT_EQ(f.Image1.Width(), 640 * 15);
  EXPECT_EQ(f.Image1.Height(), 480 * 15);
}

TEST_F(Ventana, EveryActivationPutsTheWindowBackInItsFixedPlace) {
  MDIFrm& f = Principal();
  auto lugar = [&] { return std::vector<long>{f.Left(), f.Top(), f.Width(), f.Height(), f.WindowState()}; };
  const std::vector<long> fijo{-60, -60, 9720, 7320, forms::vbNormal};
  EXPECT_EQ(lugar(), fijo);  // the load's width 9555 lasted until its own Show

  // Dragged and resized by the user, then a modal window comes and goes.
  f.Move(1200, 900, 6000, 4000);
  f.SetWindowState(forms::vbMaximized);
  G().Ventanas.Register("frmBancos", [] { forms::Default<frmVentana>().Show(forms::vbModal); });
  User.ExpectModal<frmVentana>([&](frmVentana& v) {
    EXPECT_EQ(f.Left(), 1200);  // not while another window is active
    forms::Unload(v);
  });
  User.ChooseMenu(f.mnuBancos);
  EXPECT_EQ(lugar(), fijo);
}

struct Esperado {
  std::optional<std::int16_t> Modo;  // nullopt: left as it was
  std::optional<bool> Enviadas, ModoRegistro, OrdenModificado;
  std::optional<std::uint8_t> TipoConsulta;
};

struct Comando {
  const char* Nombre;
  forms::Menu MDIFrm::*Item;  // nullptr: the toolbar button
  int Boton;
  const char* Ventana;  // nullptr: none
  Esperado Deja;
  bool CierraHijas;
  int PunteroAlAbrir;
};

constexpr auto N = std::nullopt;
const Comando kComandos[] = {
    {"mnuNueva", &MDIFrm::mnuNueva, 0, "Frm0917", {1, N, N, N, N}, false, forms::vbDefault},
    {"mnuModificar", &MDIFrm::mnuModificar, 0, "frmModFor", {2, false, false, false, N}, true, forms::vbDefault},
    {"mnuEliminar", &MDIFrm::mnuEliminar, 0, "frmModFor", {3, false, false, false, N}, false, forms::vbDefault},
    {"mnuImprimir", &MDIFrm::mnuImprimir, 0, "frmImprimir", {N, false, false, N, N}, false, forms::vbDefault},
    {"mnuRegistrar", &MDIFrm::mnuRegistrar, 0, "frmAbrirEnv", {2, N, true, false, N}, false, forms::vbHourglass},
    {"mnuEliminarE", &MDIFrm::mnuEliminarE, 0, "frmModFor", {3, true, false, N, N}, true, forms::vbDefault},
    {"mnuImprimirE", &MDIFrm::mnuImprimirE, 0, "frmImprimir", {N, true, false, N, N}, false, forms::vbDefault},
    {"mnuPro", &MDIFrm::mnuPro, 0, "frmBancos", {N, N, N, N, 1}, true, forms::vbHourglass},
    {"mnuBancos", &MDIFrm::mnuBancos, 0, "frmBancos", {N, N, N, N, 2}, true, forms::vbHourglass},
    {"mnuUit", &MDIFrm::mnuUit, 0, "frmBancos", {N, N, N, N, 3}, true, forms::vbHourglass},
    {"button 1", nullptr, 1, "Frm0917", {1, N, N, N, N}, false, forms::vbDefault},
    {"button 2", nullptr, 2, "frmModFor", {2, false, N, N, N}, true, forms::vbDefault},
    {"button 3", nullptr, 3, "frmModFor", {3, false, false, false, N}, true, forms::vbDefault},
    {"button 4", nullptr, 4, "frmImprimir", {N, false, N, N, N}, false, forms::vbDefault},
    {"button 6", nullptr, 6, nullptr, {N, N, N, N, N}, false, 0},
    {"button 7", nullptr, 7, "frmAbrirEnv", {2, N, true, false, N}, false, forms::vbHourglass},
    {"button 8", nullptr, 8, nullptr, {N, N, N, N, N}, false, 0},
    {"button 9", nullptr, 9, nullptr, {N, N, N, N, N}, false, 0},
};

// Each command runs twice, over variables all True and all False, so a
// variable it leaves alone shows as such.
TEST_F(Ventana, EachCommandSetsItsVariablesAndOpensItsWindow) {
  MDIFrm& f = Principal();
  for (const Comando& c : kComandos) {
    for (bool antes : {true, false}) {
      SCOPED_TRACE(std::string(c.Nombre) + (antes ? " over True" : " over False"));
      Compartidas& g = G();
      g.Modo = 9;
      g.Enviadas = g.ModoRegistro = g.OrdenModificado = antes;
      g.TipoConsulta = 7;
      Aperturas.clear();
      forms::Default<frmHija>().Show();

      if (c.Item != nullptr) {
        User.ChooseMenu(f.*c.Item);
      } else {
        User.ClickButton(f.Toolbar1, c.Boton);
      }

      if (c.Ventana == nullptr) {
        EXPECT_TRUE(Aperturas.empty());
      } else {
        ASSERT_EQ(Aperturas.size(), 1u);
        const Apertura& a = Aperturas[0];
        EXPECT_EQ(a.Ventana, c.Ventana);
        EXPECT_EQ(a.Modo, c.Deja.Modo.value_or(9));
        EXPECT_EQ(a.Enviadas, c.Deja.Enviadas.value_or(antes));
        EXPECT_EQ(a.ModoRegistro, c.Deja.ModoRegistro.value_or(antes));
        EXPECT_EQ(a.OrdenModificado, c.Deja.OrdenModificado.value_or(antes));
        EXPECT_EQ(a.TipoConsulta, c.Deja.TipoConsulta.value_or(7));
        EXPECT_EQ(a.Puntero, c.PunteroAlAbrir);
      }
      EXPECT_EQ(g.Modo, c.Deja.Modo.value_or(9));
      EXPECT_EQ(g.ModoRegistro, c.Deja.ModoRegistro.value_or(antes));
      EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
      EXPECT_EQ(Aplicacion.HasInstance<frmHija>(), !c.CierraHijas);
      forms::Unload<frmHija>();
    }
  }
}

TEST_F(Ventana, CommandsThatCloseTheChildWindowsCloseThemAll) {
  class frmOtraHija : public forms::Form {
   public:
    frmOtraHija() : Form("frmOtraHija") { SetMDIChild(true); }
  };
  forms::Default<frmHija>().Show();
  forms::Default<frmOtraHija>().Show();
  User.ChooseMenu(Principal().mnuEliminarE);
  EXPECT_EQ(Aplicacion.Forms(), std::vector<forms::Form*>{&Principal()});
}

TEST_F(Ventana, TheHelpShowsTheContentsOfTheProgramsHelpFile) {
  const forms::HelpRequest contenido{SysPath() + "0917\\KR917", forms::cdlHelpContents, "257", 0};
  User.ChooseMenu(Principal().mnuContenido);
  User.ClickButton(Principal().Toolbar1, 10);
  User.F1();
  EXPECT_EQ(User.HelpShown(), (std::vector<forms::HelpRequest>{
                                  contenido,
                                  contenido,
                                  {SysPath() + "0917\\KR917", forms::cdlHelpContext, "", 1041},
                              }));
  // The file is the one the host installs, without an extension, with both topics.
  EXPECT_TRUE(host::ReadHelpTopic(contenido.File, 257).Found);
  EXPECT_TRUE(host::ReadHelpTopic(contenido.File, 1041).Found);
}

TEST_F(Ventana, TheAboutBoxOpensAfreshEachTime) {
  for (int vez = 0; vez < 2; ++vez) {
    User.ExpectModal<frmAcercade>([&](frmAcercade& a) {
      EXPECT_EQ(a.Caption(), "Acerca de Dexlora ");
      EXPECT_EQ(a.Text3.Caption(), "Dexlora");
      EXPECT_EQ(a.Text3.Font(), (forms::StdFont{"MS Sans Serif", 12, true}));
      EXPECT_EQ(a.Text1.Caption(), "Declaración Pago Anual Impuesto a la Renta");
      EXPECT_EQ(a.Text1.Font(), (forms::StdFont{"MS Sans Serif", 9.75, true}));
      EXPECT_EQ(a.txtVersion.Caption(), "Versión 1.0");
      EXPECT_EQ(a.Text4.Caption(), "Programa de declaración telemática de VELTA");  // not what the last one showed
      EXPECT_EQ(a.cmdAceptar.Caption(), "&Aceptar");
      EXPECT_EQ(a.Image1.Width(), 488 * 15);
      EXPECT_EQ(a.Image1.Height(), 119 * 15);
      a.Text4.SetCaption("cambiado");
      User.Click(a.cmdAceptar);
    });
    forms::Screen().SetMousePointer(forms::vbHourglass);
    User.ChooseMenu(Principal().mnuAcerca);
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
    EXPECT_FALSE(Aplicacion.HasInstance<frmAcercade>());
  }
}

TEST_F(Ventana, SalirAndButtonFiveCloseTheDatabaseAndEnd) {
  for (bool boton : {false, true}) {
    SCOPED_TRACE(boton ? "button 5" : "mnuSalir");
    if (boton) {
      Aplicacion.Reset();
      ReiniciaCompartidas();
      Bloqueo.Release();
      ASSERT_TRUE(Arranca());
    }
    auto base = G().BaseDatos;
    if (boton) {
      User.ClickButton(Principal().Toolbar1, 5);
    } else {
      User.ChooseMenu(Principal().mnuSalir);
    }
    EXPECT_TRUE(Aplicacion.Ended());
    EXPECT_TRUE(Aplicacion.Forms().empty());
    EXPECT_EQ(G().BaseDatos, nullptr);
    EXPECT_EQ(ErrorNumberOf([&] { base->OpenRecordset("error"); }), 3420);
  }
}

TEST_F(Ventana, ItsDataSourcesGetTheProgramsConnectionForTheDatabase) {
  EXPECT_EQ(Aplicacion.Opener()(G().RutaBase), G().BaseDatos);
  const auto otra = Aplicacion.Opener()(Instalacion.Layout().Database);  // the same file named otherwise
  EXPECT_NE(otra, G().BaseDatos);
  EXPECT_GT(otra->TableDefs().Count(), 0);
}

// Started as the tests start it, without the windows of the higher folders,
// which KR917's main registers.
using SinRegistrar = Programa;

TEST_F(SinRegistrar, TheReturnFormIsAnErrorUntilRegistered) {
  ASSERT_TRUE(Arranca());
  EXPECT_EQ(ErrorNumberOf([] { G().Ventanas.Open(ventana::kFrm0917); }), vb::ErrInvalidCall);
}

}  // namespace
}  // namespace app::testing
