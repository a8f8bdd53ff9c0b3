// The page-range dialog: its checks and their messages, the range kept and
// previewed, the keys its page boxes take, and its staying open until
// "&Cancelar".
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Constants.h"
#include "printing/frmImpxPag.h"
#include "printing/frmPreview.h"
#include "tests/printing/ImpresionFixture.h"

namespace app::testing {
namespace {

using forms::MessageBox;

class Rango : public Impresion {
 protected:
  /// Shows the dialog as the print window does for the four-page report;
  /// `paso` acts in it, and "&Cancelar" then closes it.
  void Dialogo(std::function<void(frmImpxPag&)> paso) {
    G().ImpRep.ImpLinea.RangoPaginas = true;
    frmImpxPag& d = forms::Default<frmImpxPag>();
    forms::Load(d);
    d.SetCaption("Impresión de 4 páginas");
    d.txtTotPaginas.SetText("4");
    d.SetTag(kCuatroHojas);
    User.ExpectModal<frmImpxPag>([&](frmImpxPag& f) {
      paso(f);
      User.Click(f.cmdAccion(1));
    });
    d.Show(forms::vbModal);
  }
  /// Replaces what a page box holds by `texto`, typed.
  void Escribe(forms::TextBox& caja, const std::string& texto) {
    caja.SetText("");
    User.Type(caja, texto);
  }
  /// "&Preliminar" with the range `desde`-`hasta` typed; the preview's first
  /// texts, one per box, or nothing when no preview came.
  std::vector<std::string> Preliminar(frmImpxPag& f, const std::string& desde, const std::string& hasta) {
    Escribe(f.txtPagDesde, desde);
    Escribe(f.txtPagHasta, hasta);
    std::vector<std::string> cajas;
    User.ExpectModal<frmPreview>([&](frmPreview& p) {
      for (int k = 0; k < p.TotalPaginas; ++k) cajas.push_back(Textos(p.picPrevia(k).Drawing()).front());
      User.ClickButton(p.tlbPrevia, 5);
    });
    User.Click(f.cmdAccion(0));
    return cajas;
  }
};

TEST_F(Rango, LoadsWithPageOneToOneUnderTheWarning) {
  Dialogo([&](frmImpxPag& f) {
    EXPECT_EQ(f.Icon(), "imprimir");
    EXPECT_EQ(f.txtPagDesde.Text(), "1");
    EXPECT_EQ(f.txtPagHasta.Text(), "1");
    EXPECT_EQ(f.Frame1.Caption(), "Imprimir");
    EXPECT_EQ(f.Label2.Caption(), "&Desde :");
    EXPECT_EQ(f.Label1.Caption(), "&Hasta :");
    EXPECT_EQ(f.cmdAccion(0).Caption(), "&Preliminar");
    EXPECT_EQ(f.cmdAccion(1).Caption(), "&Cancelar");
    EXPECT_EQ(f.Text1.Text(),
              "El   reporte   generado   contiene                  página(s).\r\n"
              "Si  su  consulta  contiene  más  de  10  páginas  puede\r\n"
              "ocasionar la caída del programa debido a la saturación\r\n"
              "de la memoria de la computadora.\r\n"
              "\r\n"
              "Se  recomienda  imprimir  en  rangos  no  mayores a 10\r\n"
              "páginas.");
    // The page count stands inside the warning's first line.
    EXPECT_GT(f.txtTotPaginas.Left(), f.Text1.Left());
    EXPECT_LT(f.txtTotPaginas.Left() + f.txtTotPaginas.Width(), f.Text1.Left() + f.Text1.Width());
    EXPECT_EQ(f.txtTotPaginas.Top(), f.Text1.Top() + 60);
  });
}

TEST_F(Rango, EachCheckStopsTheClickWithItsMessage) {
  struct Caso {
    const char* Desde;
    const char* Hasta;
    const char* Mensaje;
  };
  const Caso casos[] = {
      {"  ", "4", "Ingrese página de inicio"},
      {"0", "4", "Página inicial debe ser a partir de 1"},
      {"5", "9", "Página inicial no debe ser mayor a total de páginas del reporte"},
      {"2", " ", "Ingrese página de Fin"},
      {"3", "2", "Página de Inicio debe ser mayor a página de Fin"},
  };
  Dialogo([&](frmImpxPag& f) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Mensaje);
      G().ImpRep.ImpLinea.PaginaDesde = G().ImpRep.ImpLinea.PaginaHasta = 0;
      Escribe(f.txtPagDesde, c.Desde);
      Escribe(f.txtPagHasta, c.Hasta);
      User.ExpectMsgBox({c.Mensaje, forms::vbCritical, "Impresión de 4 páginas"}, forms::vbOK);
      User.Click(f.cmdAccion(0));  // no preview comes
      User.VerifyDone();
      EXPECT_EQ(f.txtPagDesde.Text(), c.Desde);
      EXPECT_EQ(f.txtPagHasta.Text(), c.Hasta);
      EXPECT_EQ(G().ImpRep.ImpLinea.PaginaDesde, 0);
    }
  });
}

TEST_F(Rango, TheRangeIsKeptAndPreviewedAgainAndAgain) {
  struct Caso {
    const char* Desde;
    const char* Hasta;
    std::int16_t PaginaDesde, PaginaHasta;
    std::vector<std::string> Cajas;
  };
  const Caso casos[] = {
      {"1", "99", 1, 99, {"P1", "P2", "P3", "P4"}},  // past the end: up to the end
      {"1.5", "4", 2, 4, {"P2", "P3", "P4"}},        // the nearest page, halves to the even one
      {"2.5", "2.5", 2, 2, {"P2"}},
      {"3", "40000", 3, 32767, {"P3", "P4"}},  // a page no range can name
  };
  Dialogo([&](frmImpxPag& f) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(std::string(c.Desde) + "-" + c.Hasta);
      EXPECT_EQ(Preliminar(f, c.Desde, c.Hasta), c.Cajas);
      EXPECT_EQ(G().ImpRep.ImpLinea.PaginaDesde, c.PaginaDesde);
      EXPECT_EQ(G().ImpRep.ImpLinea.PaginaHasta, c.PaginaHasta);
      EXPECT_TRUE(f.Visible());  // the dialog stays for the next range
    }
  });
  EXPECT_FALSE(forms::Application::Current().HasInstance<frmImpxPag>());
  // Cancelling leaves the range and its flag as they were.
  EXPECT_TRUE(G().ImpRep.ImpLinea.RangoPaginas);
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaDesde, 3);
}

TEST_F(Rango, PageBoxesTakeDigitsPointBlankAndBackspaceAndEnterMovesOn) {
  Dialogo([&](frmImpxPag& f) {
    Escribe(f.txtPagDesde, "1a2-.5 \b");
    EXPECT_EQ(f.txtPagDesde.Text(), "12.5");
    User.Enter();
    EXPECT_EQ(f.ActiveControl(), &f.txtPagHasta);
    EXPECT_EQ(f.txtPagDesde.Text(), "12.5");
    User.Type("x3");  // at the caret, before the "1" of the load
    EXPECT_EQ(f.txtPagHasta.Text(), "31");
    User.Enter();
    EXPECT_EQ(f.ActiveControl(), &f.cmdAccion(0));
  });
}

// Alt and a label's letter put the focus on the label's box, wherever the
// focus is: "7" after Alt+H goes into "Hasta", not into "Desde".
TEST_F(Rango, EachLabelsAccessKeyPutsTheFocusOnItsBox) {
  Dialogo([&](frmImpxPag& f) {
    ASSERT_EQ(f.ActiveControl(), &f.txtPagDesde);
    User.Press('H', forms::vbAltMask);
    EXPECT_EQ(f.ActiveControl(), &f.txtPagHasta);
    User.Type("7");
    EXPECT_EQ(f.txtPagDesde.Text(), "1");
    EXPECT_EQ(f.txtPagHasta.Text(), "71");
    User.Focus(f.cmdAccion(1));
    User.Press('D', forms::vbAltMask);
    EXPECT_EQ(f.ActiveControl(), &f.txtPagDesde);
  });
}

}  // namespace
}  // namespace app::testing
