// The keys each box takes, typed one by one: the families' filters, upper
// case, Enter moving on or opening a breakdown; the telephone and the order
// number; pasting refused everywhere.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using Teclas = Declaracion;

TEST_F(Teclas, Box140TakesOnly1Or2AndNotEvenBackspace) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    f.Habcasilla(140);
    User.SelectTab(f.tab0584, 2);
    User.Scroll(f.hsDeuda, 2);
    User.Click(f.txtvalor(140));
    EXPECT_EQ(f.txtvalor(140).MaxLength(), 1);
    User.Type("3");
    EXPECT_EQ(f.txtvalor(140).Text(), "");
    User.Type("1");
    EXPECT_EQ(f.txtvalor(140).Text(), "1");
    User.Press(forms::vbKeyBack);
    EXPECT_EQ(f.txtvalor(140).Text(), "1");
    Cierra(f);
  });
}

TEST_F(Teclas, TheBreakdownTotalsTakeNoTypingAndEnterOpensTheirWindow) {
  struct Caso {
    std::int16_t Casilla;
    const char* Ventana;
  };
  for (const Caso& c : {Caso{200, "FrmExoneradas"}, Caso{201, "FrmInafectas"}}) {
    SCOPED_TRACE(c.Casilla);
    AbreNueva([&](Frm0917& f) {
      Identifica(f);
      forms::TextBox& caja = f.txtvalor(c.Casilla);
      MuestraPaginas(caja);
      User.Click(caja);
      User.Type("5a");
      EXPECT_EQ(caja.Text(), "");
      User.ExpectModal(c.Ventana, [&](forms::Form& ventana) {
        EXPECT_EQ(forms::Application::Current().TopModal(), &ventana);
        User.Close(ventana);
      });
      User.Enter();
      EXPECT_EQ(User.ModalWindows().back(), c.Ventana);
      EXPECT_EQ(f.ActiveControl(), &caja);  // Enter does not move on here
      EXPECT_EQ(caja.Text(), "");
      Cierra(f);
    });
  }
}

TEST_F(Teclas, EachFamilyTakesItsKeys) {
  struct Caso {
    std::int16_t Casilla;
    const char* TipoDocumento;  // the code of the type chosen beside a document number; "" none
    const char* Tecleado;
    const char* Resultado;
  };
  const Caso casos[] = {
      {100, "", "1a2-.", "12"},     // amounts: digits only
      {122, "", "7,5", "75"},
      {212, "", "9x", "9"},
      {811, "", "ñandú", "ÑANDÚ"},  // names: upper case
      {890, "", "o'neil", "O'NEIL"},
      {229, "", "20a1", "201"},     // a RUC: digits
      {302, "", "x9", "X9"},        // no type chosen yet: read as the free kind
      {302, "06", "a1", "1"},       // a document of a numeric type (RUC): digits
      {302, "07", "ab-1", "AB-1"},  // a document of the free kind: letters too
  };
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    User.Click(f.optInmueble(1));  // the rents paid: 212
    f.HabAmazonia();               // 229
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Casilla);
      SCOPED_TRACE(c.TipoDocumento);
      forms::TextBox& caja = f.txtvalor(c.Casilla);
      MuestraPaginas(caja);
      forms::ComboBox& lista = f.cmbtipdoc(301);
      if (c.Casilla == 302 && *c.TipoDocumento == '\0') {
        ASSERT_EQ(lista.ListIndex(), -1);
      }
      if (c.Casilla == 302 && *c.TipoDocumento != '\0') {
        for (int i = 0; i < lista.ListCount(); ++i) {
          if (lista.List(i).starts_with(c.TipoDocumento)) User.Choose(lista, i);
        }
      }
      caja.SetText("");
      f.FormularioModificado = false;
      User.Click(caja);
      User.Type(c.Tecleado);
      EXPECT_EQ(caja.Text(), c.Resultado);
      EXPECT_TRUE(f.FormularioModificado);
    }
    Cierra(f);
  });
}

TEST_F(Teclas, EnterMovesOnFromEveryFamilyButTheBreakdownTotals) {
  struct Caso {
    std::int16_t Casilla, Siguiente;
  };
  const Caso casos[] = {{100, 102}, {811, 812}, {229, 231}, {302, 811}};
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    f.HabAmazonia();
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Casilla);
      MuestraPaginas(f.txtvalor(c.Casilla));
      User.Click(f.txtvalor(c.Casilla));
      User.Type("1");
      User.Enter();
      EXPECT_EQ(f.ActiveControl(), &f.txtvalor(c.Siguiente));
      EXPECT_EQ(f.txtvalor(c.Casilla).Text().find('\r'), std::string::npos);
    }
    // The telephone takes digits only, and Enter moves on too.
    User.SelectTab(f.tab0584, 0);
    User.Click(f.TxtTelefono);
    User.Type("42a7");
    EXPECT_EQ(f.TxtTelefono.Text(), "427");
    User.Enter();
    EXPECT_NE(f.ActiveControl(), &f.TxtTelefono);
    Cierra(f);
  });
}

TEST_F(Teclas, TheOrderNumberTakesDigitsAndEveryKeyMarksItChanged) {
  Compartidas& g = G();
  g.Modo = 2;
  g.ModoRegistro = true;
  g.RucDeclarante = kGarcia;
  g.Correlativo = "002";
  Abre([&](Frm0917& f) {
    f.txtOrden.SetText("");
    ASSERT_FALSE(G().OrdenModificado);
    User.Click(f.txtOrden);
    User.Type("A");
    EXPECT_EQ(f.txtOrden.Text(), "");
    EXPECT_TRUE(G().OrdenModificado);  // even a refused key
    User.Type("1234567x8");
    EXPECT_EQ(f.txtOrden.Text(), "12345678");
    User.Enter();
    EXPECT_EQ(f.ActiveControl(), &f.txtVerifica);
    User.Type("4z");
    EXPECT_EQ(f.txtVerifica.Text(), "4");
    User.Enter();
    EXPECT_EQ(f.ActiveControl(), &f.txtVerifica);  // Enter is discarded here
    EXPECT_EQ(f.txtVerifica.Text(), "4");
    Cierra(f);
  });
}

TEST_F(Teclas, PastingInsertsNothingAndLeavesTheClipboardAlone) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    forms::Clipboard().SetText("999");
    for (forms::TextBox* caja : {&f.txtvalor(100), &f.TxtTelefono}) {
      SCOPED_TRACE(caja->Name());
      caja->SetText("12");
      MuestraPaginas(*caja);
      User.Click(*caja);
      User.Press(forms::vbKeyInsert, forms::vbShiftMask);
      User.Press('V', forms::vbCtrlMask);
      User.RightClick(*caja);
      EXPECT_TRUE(forms::Input::Paste(*caja));  // the context menu's Paste
      EXPECT_EQ(caja->Text(), "12");
      EXPECT_EQ(forms::Clipboard().GetText(), "999");
    }
    for (forms::TextBox* caja : {&f.txtOrden, &f.txtVerifica, &f.txtvalor(302), &f.txtvalor(530)}) {
      EXPECT_TRUE(caja->RefusesPaste()) << caja->Name() << " " << caja->Index();
    }
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
