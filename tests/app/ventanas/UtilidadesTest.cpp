// The shared window procedures: closing the main window's children, commas,
// Enter as Tab, the two message boxes, placing a window and combo widths.
#include <gtest/gtest.h>

#include <optional>

#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/mod_Combo.h"
#include "platform/forms/Application.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/MDIForm.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "platform/text/Error.h"

namespace app::testing {
namespace {

TEST(QuitaComas, RemovesEveryCommaAndGivesZeroForAnEmptyNumber) {
  struct Caso {
    std::string Texto;
    std::string Resultado;
    std::string Variable;  // what the caller's variable holds after
  };
  const Caso casos[] = {
      {"1,234,567", "1234567", "1234567"},
      {"12,345.50", "12345.50", "12345.50"},
      {"", "0.00", ""},
      {" ", "0.00", " "},
      {"0", "0.00", "0"},
      {"  0  ", "0.00", "  0  "},
      {".", "0.00", "."},
      {",0,", "0.00", "0"},
      {"0.0", "0.0", "0.0"},
      {"-", "-", "-"},
      {" 1,500 ", " 1500 ", " 1500 "},  // not trimmed
      {"abc,def", "ABCdef", "ABCdef"},  // the text before a comma is upper-cased
  };
  for (const Caso& c : casos) {
    std::string variable = c.Texto;
    EXPECT_EQ(ModGen00::QuitaComas(variable), c.Resultado) << '"' << c.Texto << '"';
    EXPECT_EQ(variable, c.Variable) << '"' << c.Texto << '"';
  }
}

class frmEntrada : public forms::Form {
 public:
  frmEntrada() : Form("frmEntrada") {}
  forms::TextBox txtUno{this, "txtUno"};
  forms::TextBox txtDos{this, "txtDos"};
  forms::ComboBox cboLista{this, "cboLista"};
};

class Ventanas : public ::testing::Test {
 protected:
  forms::testing::ScriptedUser User;
  forms::Application Aplicacion{User};
};

TEST_F(Ventanas, PasaTabMovesOnOnlyForTheExactTextTab) {
  struct Caso {
    std::string Texto;
    bool Avanza;
  };
  const Caso casos[] = {{"TAB", true}, {"tab", false}, {"Tab", false}, {" TAB", false}, {"TAB ", false}, {"", false}};
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  for (const Caso& c : casos) {
    f.txtUno.SetFocus();
    std::string texto = c.Texto;
    ModFuncionesGenerales::PasaTab(texto);
    EXPECT_EQ(f.ActiveControl(), &f.txtUno) << "the key waits for the running handlers";
    forms::DoEvents();
    EXPECT_EQ(f.ActiveControl(), c.Avanza ? static_cast<forms::Control*>(&f.txtDos) : &f.txtUno) << c.Texto;
    EXPECT_EQ(texto, c.Texto);
  }
}

TEST_F(Ventanas, TheTwoMessageBoxesTellByTheirIcon) {
  User.ExpectMsgBox({"Ingrese el monto", forms::vbCritical, "Error"}, forms::vbOK);
  User.ExpectMsgBox({"Registro grabado", forms::vbInformation, "Mensaje"}, forms::vbOK);
  EXPECT_EQ(ModGen00::MensajeError("Ingrese el monto", "Error"), forms::vbOK);
  EXPECT_EQ(ModGen00::MensajeInfo("Registro grabado", "Mensaje"), forms::vbOK);
}

TEST_F(Ventanas, ErrorBaseDatosTellsTheKnownEngineErrorsInWords) {
  struct Case {
    int Numero;
    const char* Texto;
  };
  const Case cases[] = {
      {3020, "Registro ha sido eliminado por otro usuario"},
      {3022, "Registro ya existe lo ingresaron en ese momento"},
      {3167, "Registro ha sido modificado o eliminado por otro usuario"},
      {3186, "No puede grabarlo. Actualmente bloqueado"},
      {3197, "La data ha cambiado"},
      {3260, "Registro bloqueado. Intente luego"},
      {3078, "Error tecnico:  3078\nNo se encuentra la tabla\nIntente nuevamente por favor."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Numero);
    User.ExpectMsgBox({c.Texto, forms::vbInformation, "Mensaje"}, forms::vbOK);
    std::int16_t bandera = -1;
    ModGen00::ErrorBaseDatos(vb::Error(c.Numero, "No se encuentra la tabla"), bandera);
    EXPECT_EQ(bandera, 0);
    User.VerifyDone();
  }
  // No error, no box.
  ModGen00::ErrorBaseDatos(vb::Error(0, ""));
}

TEST_F(Ventanas, AnEngineErrorBoxGivesTheTextThenTheNumber) {
  User.ExpectMsgBox({"No se encuentra la tabla\n 3078", forms::vbOKOnly, "Error"}, forms::vbOK);
  ModGen00::MuestraErrorMotor(vb::Error(3078, "No se encuentra la tabla"), "Error");
}

TEST_F(Ventanas, PosicionaFormPutsTheWindowInItsNormalStateFirst) {
  frmEntrada& f = forms::Default<frmEntrada>();
  f.Show();
  f.SetWindowState(forms::vbMaximized);
  std::int16_t left = 120, top = 240, height = 5000, width = 7000;
  ModFuncionesGenerales::PosicionaForm(f, left, top, height, width);
  EXPECT_EQ(f.WindowState(), forms::vbNormal);
  EXPECT_EQ((std::vector<long>{f.Left(), f.Top(), f.Height(), f.Width()}), (std::vector<long>{120, 240, 5000, 7000}));
}

class frmMarco : public forms::MDIForm {
 public:
  frmMarco() : MDIForm("frmMarco") {}
};

/// A child window; it can refuse to go, or fail while going.
class frmHija : public forms::Form {
 public:
  explicit frmHija(std::string nombre = "frmHija") : Form(std::move(nombre)) { SetMDIChild(true); }
  bool Rehusa = false;
  bool Falla = false;

 protected:
  void Form_QueryUnload(int& Cancel, int /*UnloadMode*/) override {
    if (Rehusa) Cancel = 1;
  }
  void Form_Unload(int& /*Cancel*/) override {
    if (Falla) vb::Raise(vb::ErrInvalidCall);
  }
};

TEST_F(Ventanas, CierraFormulariosUnloadsEveryChildOfTheMainWindow) {
  frmMarco marco;
  frmHija a("frmA"), b("frmB"), c("frmC");
  frmEntrada& suelta = forms::Default<frmEntrada>();  // not a child: it stays
  marco.Show();
  suelta.Show();
  for (frmHija* h : {&a, &b, &c}) h->Show();
  ModGen00::CierraFormularios();
  EXPECT_FALSE(a.Loaded() || b.Loaded() || c.Loaded());
  EXPECT_TRUE(marco.Loaded());
  EXPECT_TRUE(suelta.Loaded());
  EXPECT_EQ(marco.ActiveForm(), nullptr);
}

TEST_F(Ventanas, CierraFormulariosStopsAtAChildThatWillNotGo) {
  for (bool falla : {false, true}) {
    SCOPED_TRACE(falla ? "an error in its Unload" : "it cancels");
    frmMarco marco;
    frmHija a("frmA"), terca("frmTerca");
    terca.Rehusa = !falla;
    terca.Falla = falla;
    marco.Show();
    terca.Show();
    a.Show();
    ModGen00::CierraFormularios();  // returns, and raises nothing
    EXPECT_FALSE(a.Loaded());
    EXPECT_TRUE(terca.Loaded());
    terca.Rehusa = terca.Falla = false;
    Aplicacion.Reset();
  }
}

TEST_F(Ventanas, CierraFormulariosWithoutAMainWindowDoesNothing) {
  frmHija a;
  a.Show();
  ModGen00::CierraFormularios();
  EXPECT_TRUE(a.Loaded());
}

/// A front end whose stock font is 7 pixels a letter and one more for the lot.
class Medida : public forms::testing::ScriptedUser {
 public:
  std::optional<int> StockFontTextWidth(std::string_view text) override {
    return static_cast<int>(text.size()) * 7 + 51;
  }
};

TEST(Combos, TheDropDownWidthIsTwoLettersLessThanAskedInTheStockFont) {
  Medida medida;
  forms::Application aplicacion(medida);
  frmEntrada& f = forms::Default<frmEntrada>();
  f.cboLista.Move(0, 0, 1500, 315);  // 100 pixels
  EXPECT_EQ(mod_Combo::AnchoLetra(f), 7);  // (52 * 7 + 51) / 52, the remainder dropped

  f.cboLista.AddItem("BANCO ANDINO DE CREDITO");
  f.cboLista.AddItem("CAJA MUNICIPAL DE AHORRO Y CREDITO");  // 34 letters
  f.cboLista.AddItem("ÑAÑA");
  mod_Combo::AjustaCombo(f, f.cboLista);
  EXPECT_EQ(f.cboLista.DroppedWidth(), 32 * 7);

  std::int16_t largo = 60;
  mod_Combo::AnchoCombo(f, f.cboLista, largo);
  EXPECT_EQ(f.cboLista.DroppedWidth(), 58 * 7);
  largo = 2;
  mod_Combo::AnchoCombo(f, f.cboLista, largo);
  EXPECT_EQ(f.cboLista.DroppedWidth(), 100);  // never narrower than the box

  f.cboLista.Clear();
  mod_Combo::AjustaCombo(f, f.cboLista);  // asks for -14
  EXPECT_EQ(f.cboLista.DroppedWidth(), 100);
}

TEST(Combos, WithoutADisplayALetterIsSixPixels) {
  forms::testing::ScriptedUser user;
  forms::Application aplicacion(user);
  EXPECT_EQ(mod_Combo::AnchoLetra(forms::Default<frmEntrada>()), 6);
}

}  // namespace
}  // namespace app::testing
