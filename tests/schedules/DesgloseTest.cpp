// The breakdowns of boxes 200 and 201: opened by Enter on the total box,
// filled from the part boxes, a running total, and the parts written back
// (with the totals recomputed) only by Aceptar.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "schedules/FrmDesglose.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

class Desgloses : public Declaracion {
 protected:
  /// Enter on the total box `casilla` opens its breakdown, where `paso` acts
  /// and must close it.
  void Abre(Frm0917& f, std::int16_t casilla, const char* ventana, std::function<void(FrmDesglose&)> paso) {
    User.ExpectModal(ventana, [&](forms::Form& d) { paso(dynamic_cast<FrmDesglose&>(d)); });
    MuestraPaginas(f.txtvalor(casilla));
    User.Click(f.txtvalor(casilla));
    User.Enter();
  }

  /// The user types `texto` over field `i`'s text and leaves it with Tab.
  void Escribe(FrmDesglose& d, int i, std::string_view texto) {
    User.Focus(d.TxtMonto(i));
    EXPECT_TRUE(forms::Input::Select(d.TxtMonto(i), 0, static_cast<long>(d.TxtMonto(i).Text().size())));
    User.Type(texto);
    User.Tab();
  }

  /// The texts of boxes `casillas`.
  static std::vector<std::string> Textos(const Frm0917& f, std::initializer_list<std::int16_t> casillas) {
    std::vector<std::string> textos;
    for (std::int16_t c : casillas) textos.push_back(f.txtvalor(c).Text());
    return textos;
  }
};

TEST_F(Desgloses, InafectasTotalsItsSixPartsAndAceptarWritesThemBack) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    Teclea(f, 100, "10000");
    const double antes = f.Vale(518);
    ASSERT_GT(antes, 0);
    Abre(f, 201, "FrmInafectas", [&](FrmDesglose& d) {
      EXPECT_EQ(d.Caption(), "Casilla 201 - Rentas Inafectas");
      EXPECT_EQ(d.TxtMonto.Count(), 6);
      EXPECT_EQ(d.ActiveControl(), &d.TxtMonto(0));
      Escribe(d, 0, "1000");
      Escribe(d, 1, "2500");
      Escribe(d, 5, "500");
      EXPECT_EQ(d.TxtTotal.Text(), "4,000");
      User.Focus(d.TxtMonto(1));
      EXPECT_EQ(d.TxtMonto(1).Text(), "2500");
      EXPECT_EQ(d.TxtMonto(1).MaxLength(), 10);
      User.Tab();
      EXPECT_EQ(d.TxtMonto(1).Text(), "2,500");
      EXPECT_EQ(d.TxtMonto(1).MaxLength(), 13);
      EXPECT_EQ(d.TxtTotal.Text(), "4,000");
      User.Click(d.CmdGrabar);
    });
    EXPECT_EQ(Textos(f, {530, 531, 532, 533, 534, 540}),
              (std::vector<std::string>{"1,000", "2,500", "", "", "", "500"}));
    EXPECT_EQ(f.txtvalor(201).Text(), "4,000");
    EXPECT_EQ(f.Vale(518), antes + 4000);
    Cierra(f);
  });
}

TEST_F(Desgloses, CancelarAndTheCloseBoxWriteNothing) {
  for (bool cierra : {false, true}) {
    SCOPED_TRACE(cierra ? "close box" : "Cancelar");
    AbreNueva([&](Frm0917& f) {
      Identifica(f);
      Teclea(f, 100, "10000");
      Abre(f, 201, "FrmInafectas", [&](FrmDesglose& d) {
        Escribe(d, 0, "700");
        User.Click(d.CmdGrabar);
      });
      const std::vector<std::string> antes = Textos(f, {530, 531, 532, 533, 534, 540, 201, 518});
      Abre(f, 201, "FrmInafectas", [&](FrmDesglose& d) {
        EXPECT_EQ(d.TxtMonto(0).Text(), "700");  // it has the focus
        Escribe(d, 0, "9999");
        Escribe(d, 5, "5");
        EXPECT_EQ(d.TxtTotal.Text(), "10,004");
        if (cierra) {
          User.Close(d);
        } else {
          User.Click(d.cmdCancelar);
        }
      });
      EXPECT_EQ(Textos(f, {530, 531, 532, 533, 534, 540, 201, 518}), antes);
      EXPECT_EQ(f.txtvalor(530).Text(), "700");
      Cierra(f);
    });
  }
}

TEST_F(Desgloses, ExoneradasAcceptedUntouchedKeepsItsPartsAndRecomputesTheTotals) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    Teclea(f, 100, "10000");
    const double antes = f.Vale(518);
    // Parts that the totals do not reflect yet: written as the load writes.
    G().CargandoFormulario = true;
    f.txtvalor(535).SetText("1,000");
    f.txtvalor(537).SetText("2,000");
    G().CargandoFormulario = false;
    ASSERT_EQ(f.txtvalor(200).Text(), "");
    Abre(f, 200, "FrmExoneradas", [&](FrmDesglose& d) {
      EXPECT_EQ(d.Caption(), "Casilla 200 - Rentas exoneradas");
      EXPECT_EQ(d.TxtMonto.Count(), 5);
      EXPECT_EQ(d.TxtMonto(0).Text(), "1000");  // it has the focus
      EXPECT_EQ(d.TxtMonto(2).Text(), "2,000");
      EXPECT_EQ(d.TxtTotal.Text(), "3,000");
      User.Click(d.CmdGrabar);
    });
    EXPECT_EQ(Textos(f, {535, 536, 537, 538, 539}), (std::vector<std::string>{"1,000", "", "2,000", "", ""}));
    EXPECT_EQ(f.txtvalor(200).Text(), "3,000");
    EXPECT_EQ(f.Vale(518), antes + 3000);
    Cierra(f);
  });
}

TEST_F(Desgloses, FieldsTakeDigitsMoveOnWithEnterAndRefusePasting) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    Abre(f, 200, "FrmExoneradas", [&](FrmDesglose& d) {
      forms::Clipboard().SetText("999");
      User.Type("12a-.");
      EXPECT_EQ(d.TxtMonto(0).Text(), "12");
      User.Press(forms::vbKeyInsert, forms::vbShiftMask);
      User.Press('V', forms::vbCtrlMask);
      User.RightClick(d.TxtMonto(0));
      EXPECT_TRUE(forms::Input::Paste(d.TxtMonto(0)));  // the context menu's Paste
      EXPECT_EQ(d.TxtMonto(0).Text(), "12");
      EXPECT_EQ(forms::Clipboard().GetText(), "999");
      User.Enter();
      EXPECT_EQ(d.ActiveControl(), &d.TxtMonto(1));
      EXPECT_EQ(d.TxtMonto(0).Text(), "12");
      EXPECT_EQ(d.TxtTotal.Text(), "12");
      User.Click(d.cmdCancelar);
    });
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
