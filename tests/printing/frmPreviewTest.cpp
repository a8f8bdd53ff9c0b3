// The preview and print interpreter: the golden four-page report on screen
// and on paper, whole and by a range; paging and scrolling; the toolbar's
// print; bad lines, a missing file, failing printers; and a report written,
// read back and printed against the same pages drawn straight.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/ImpLinea.h"
#include "platform/forms/Constants.h"
#include "printing/ModObjetos.h"
#include "printing/frmPreview.h"
#include "tests/printing/ImpresionFixture.h"

namespace app::testing {
namespace {

using forms::MessageBox;
using Textos_ = std::vector<std::string>;

constexpr std::uint32_t kCeleste = 0xC0FFFF;  // red 192, green 255, blue 255
constexpr int kAnterior = 2, kSiguiente = 3, kImprime = 4, kSalir = 5;

const print::Font kTitulo{"Courier New", 16, true};

class Preview : public Impresion {
 protected:
  /// Previews `archivo`; `paso` acts in the window, which Salir then closes.
  void Previsualiza(std::function<void(frmPreview&)> paso, const std::string& archivo = kCuatroHojas) {
    User.ExpectModal<frmPreview>([&](frmPreview& f) {
      paso(f);
      if (f.Loaded()) User.ClickButton(f.tlbPrevia, kSalir);
    });
    ModObjetos::VistaPrevia(archivo, "Vprevia");
  }
  /// Prints `archivo` as the print window does.
  void Imprime(const std::string& archivo = kCuatroHojas) { ModObjetos::VistaPrevia(archivo, "xx"); }

  void Rango(std::int16_t desde, std::int16_t hasta) {
    G().ImpRep.ImpLinea.RangoPaginas = true;
    G().ImpRep.ImpLinea.PaginaDesde = desde;
    G().ImpRep.ImpLinea.PaginaHasta = hasta;
  }

  /// The first text of each page.
  static Textos_ Primeros(const std::vector<print::Page>& hojas) {
    Textos_ primeros;
    for (const print::Page& h : hojas) primeros.push_back(h.Empty() ? "" : Textos(h).front());
    return primeros;
  }
  static std::vector<print::Orientation> Orientaciones(const std::vector<print::Page>& hojas) {
    std::vector<print::Orientation> o;
    for (const print::Page& h : hojas) o.push_back(h.Orientation());
    return o;
  }
  static std::vector<print::Page> Cajas(const frmPreview& f) {
    std::vector<print::Page> hojas;
    for (int k = 0; k < f.TotalPaginas; ++k) hojas.push_back(f.picPrevia(k).Drawing());
    return hojas;
  }
};

constexpr auto V = print::Orientation::Portrait;
constexpr auto H = print::Orientation::Landscape;

TEST_F(Preview, EachPageHasItsBoxOverTheTagsColour) {
  Previsualiza([&](frmPreview& f) {
    EXPECT_EQ(f.Caption(), "Presentación Preliminar");
    EXPECT_EQ(f.Icon(), "imprimir");
    EXPECT_EQ(f.ModoVista, kPresPrevia);
    ASSERT_EQ(f.TotalPaginas, 4);
    const std::vector<print::Page> cajas = Cajas(f);
    EXPECT_EQ(Primeros(cajas), (Textos_{"P1", "P2", "P3", "P4"}));
    EXPECT_EQ(Orientaciones(cajas), (std::vector{V, V, V, H}));  // the annex's sheet is seen whole
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(cajas[k].BackColor(), kCeleste);
      EXPECT_EQ(f.picPrevia(k).Visible(), k == 0);
      EXPECT_EQ(f.picPrevia(k).Width(), k == 3 ? 15840 : 12240);
      EXPECT_EQ(cajas[k].Items().size(), k == 2 ? 7u : 5u);  // the text and the frame's four lines
    }
    EXPECT_EQ(std::get<print::TextItem>(cajas[0].Items()[0]), (print::TextItem{300, 350, "P1", kTitulo}));
    EXPECT_EQ(std::get<print::LineItem>(cajas[0].Items()[1]), (print::LineItem{150, 300, 150, 1640, 1}));
    // Upright, one character under the other.
    const print::Font derecha{"Courier new", 8, false};
    EXPECT_EQ(std::get<print::TextItem>(cajas[2].Items()[1]), (print::TextItem{11000, 2000, "V", derecha}));
    EXPECT_EQ(std::get<print::TextItem>(cajas[2].Items()[2]), (print::TextItem{11000, 2190, "3", derecha}));
  });
}

// An upright text is drawn in one pass over its characters, however long:
// a line of a million characters, none of them ASCII, comes out whole.
TEST_F(Preview, AnUprightLineOfAMillionCharactersIsDrawnWhole) {
  constexpr int kCaracteres = 1'000'000;
  std::string texto;
  for (int i = 0; i < kCaracteres; ++i) texto += i % 2 == 0 ? "é" : "Ñ";
  Reporte("00000005.PRN", {"pPosVerti|150|175|" + texto + "|False|8|0|"});
  Previsualiza(
      [&](frmPreview& f) {
        const std::vector<print::Item>& trazos = f.picPrevia(0).Drawing().Items();
        ASSERT_EQ(trazos.size(), static_cast<std::size_t>(kCaracteres));
        const print::Font derecha{"Courier new", 8, false};
        EXPECT_EQ(std::get<print::TextItem>(trazos[1]), (print::TextItem{150, 365, "Ñ", derecha}));
        EXPECT_EQ(std::get<print::TextItem>(trazos.back()),
                  (print::TextItem{150, 175 + (kCaracteres - 1) * 190, "Ñ", derecha}));
      },
      "00000005.PRN");
}

TEST_F(Preview, TheToolbarHasItsFourButtonsAndTheirPictures) {
  frmPreview f;
  std::vector<std::string> botones;
  for (int i = 2; i <= f.tlbPrevia.ButtonCount(); ++i) {
    const forms::ToolbarButton& b = f.tlbPrevia.Buttons(i);
    botones.push_back(b.Caption());
    EXPECT_TRUE(
        std::filesystem::exists(std::string(KR917_PICTURES_DIR) + "/" + f.ImageList1.Picture(b.Image()) + ".png"))
        << b.Caption();
  }
  EXPECT_EQ(botones, (Textos_{"Pag Anterior", "Pag Sgt", "Imprimir", "Salir"}));
}

TEST_F(Preview, TagsAloneShowOneEmptyBoxInTheirColour) {
  Reporte("00000005.PRN", {"<!font!>Courier New<!/font!>", "<!nHojas!>1<!/nHojas!>", "<!Color!>&H00FFFFC0&<!/Color!>"});
  Previsualiza(
      [&](frmPreview& f) {
        EXPECT_EQ(f.TotalPaginas, 1);
        EXPECT_TRUE(f.picPrevia(0).Drawing().Empty());
        EXPECT_EQ(f.picPrevia(0).BackColor(), 0x00FFFFC0);
        EXPECT_EQ(f.picPrevia(0).Drawing().BackColor(), kCeleste);
      },
      "00000005.PRN");
  // The summary's system colour is the window's background: white.
  Reporte("00000006.PRN", {"<!Color!>&H80000005&<!/Color!>", "pPos|10|175|x|False|8|0|"});
  Previsualiza([&](frmPreview& f) { EXPECT_EQ(f.picPrevia(0).Drawing().BackColor(), print::kWhite); }, "00000006.PRN");
  // A colour that cannot be read leaves the background as it was, and the preview open.
  Reporte("00000007.PRN", {"<!Color!><!/Color!>", "<!Color!>celeste&<!/Color!>", "pPos|10|175|x|False|8|0|"});
  Previsualiza(
      [&](frmPreview& f) {
        EXPECT_EQ(f.TotalPaginas, 1);
        EXPECT_EQ(f.picPrevia(0).Drawing().BackColor(), print::kWhite);
      },
      "00000007.PRN");
}

TEST_F(Preview, ARangeIsPackedFromBoxZero) {
  Rango(3, 4);
  Previsualiza([&](frmPreview& f) {
    ASSERT_EQ(f.TotalPaginas, 2);
    EXPECT_EQ(Primeros(Cajas(f)), (Textos_{"P3", "P4"}));
    EXPECT_EQ(Orientaciones(Cajas(f)), (std::vector{V, H}));
  });
  Rango(1, 99);  // past the end: up to the end
  Previsualiza([&](frmPreview& f) { EXPECT_EQ(Primeros(Cajas(f)), (Textos_{"P1", "P2", "P3", "P4"})); });
}

TEST_F(Preview, PageZeroAfterPageOneStillLandsOnBoxZero) {
  Reporte("00000005.PRN",
          {"pPos|10|175|A|False|8|0|", "pNuevaHoja", "pPos|10|175|B|False|8|1|", "pPos|10|350|C|False|8|0|"});
  for (bool conRango : {false, true}) {
    SCOPED_TRACE(conRango ? "range 1-2" : "no range");
    if (conRango) Rango(1, 2);
    Previsualiza(
        [&](frmPreview& f) {
          ASSERT_EQ(f.TotalPaginas, 2);
          EXPECT_EQ(Textos(f.picPrevia(0).Drawing()), (Textos_{"A", "C"}));
          EXPECT_EQ(Textos(f.picPrevia(1).Drawing()), (Textos_{"B"}));
        },
        "00000005.PRN");
  }
}

TEST_F(Preview, PrintingDrawsEverySheetTurningOnlyThoseAfterTheLandscapeTag) {
  User.ExpectPrint();
  User.ExpectPrint();
  Imprime();
  Imprime();  // each print is a document of its own, begun in portrait
  ASSERT_EQ(User.Printed().size(), 2u);
  for (const auto& trabajo : User.Printed()) {
    EXPECT_TRUE(trabajo->Ended());
    EXPECT_EQ(Primeros(trabajo->Pages()), (Textos_{"P1", "P2", "P3", "P4"}));
    EXPECT_EQ(Orientaciones(trabajo->Pages()), (std::vector{V, V, V, H}));
  }
  const print::Page& hoja3 = User.Printed()[0]->Pages()[2];
  EXPECT_EQ(Textos(hoja3), (Textos_{"P3", "V", "3"}));
  EXPECT_EQ(std::get<print::TextItem>(hoja3.Items()[0]), (print::TextItem{300, 350, "P3", kTitulo}));
  EXPECT_EQ(hoja3.BackColor(), print::kWhite);  // paper takes no colour
}

TEST_F(Preview, TheToolbarPrintsTheRangeOnAJobOfItsOwnAndPagingGoesOn) {
  Rango(2, 3);
  Previsualiza([&](frmPreview& f) {
    User.ClickButton(f.tlbPrevia, kSiguiente);
    User.ExpectPrint();
    User.ClickButton(f.tlbPrevia, kImprime);
    EXPECT_EQ(f.ModoVista, kImprimir);
    EXPECT_EQ(f.TotalPaginas, 2);
    EXPECT_EQ(f.PaginaVisible, 1);
    EXPECT_EQ(Primeros(Cajas(f)), (Textos_{"P2", "P3"}));
    User.ClickButton(f.tlbPrevia, kAnterior);
    EXPECT_EQ(f.PaginaVisible, 0);
    EXPECT_TRUE(f.picPrevia(0).Visible());
    EXPECT_FALSE(f.picPrevia(1).Visible());
  });
  ASSERT_EQ(User.Printed().size(), 1u);
  // The range stops early: no blank sheet after page 3.
  EXPECT_EQ(Primeros(User.Printed()[0]->Pages()), (Textos_{"P2", "P3"}));

  // The print window's own print is of the whole report.
  User.ExpectPrint();
  Imprime();
  EXPECT_EQ(User.Printed()[1]->Pages().size(), 4u);
}

TEST_F(Preview, PagingStopsAtBothEndsAndScrollBarsMoveTheBoxShown) {
  Previsualiza([&](frmPreview& f) {
    User.Scroll(f.vsbPic(1), 600);
    EXPECT_EQ(f.vsbPic(0).Value(), 600);
    EXPECT_EQ(f.picPrevia(0).Top(), -600);

    User.ClickButton(f.tlbPrevia, kAnterior);  // on the first page: only the bars go back
    EXPECT_EQ(f.PaginaVisible, 0);
    EXPECT_EQ(f.vsbPic(0).Value(), 0);
    EXPECT_EQ(f.vsbPic(1).Value(), 0);
    EXPECT_EQ(f.picPrevia(0).Top(), 0);

    for (int i = 0; i < 3; ++i) User.ClickButton(f.tlbPrevia, kSiguiente);
    EXPECT_EQ(f.PaginaVisible, 3);
    User.Scroll(f.vsbPic(0), 300);
    User.ClickButton(f.tlbPrevia, kSiguiente);  // on the last page
    EXPECT_EQ(f.PaginaVisible, 3);
    EXPECT_EQ(f.vsbPic(1).Value(), 0);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(f.picPrevia(k).Visible(), k == 3) << k;
    User.Scroll(f.HScroll1, 450);  // the landscape sheet is wider than the view
    EXPECT_EQ(f.picPrevia(3).Left(), -450);
    User.ClickButton(f.tlbPrevia, kAnterior);
    EXPECT_EQ(f.PaginaVisible, 2);
    EXPECT_EQ(f.HScroll1.Value(), 0);
  });
}

TEST_F(Preview, ABadLineShowsItsNumberAndNothingIsShownOrPrinted) {
  struct Caso {
    const char* Nombre;
    const char* Linea;
  };
  const Caso casos[] = {
      {"missing bar", "pPos|300|350|P2|True|16|1"},  {"bold Yes", "pPos|300|350|P2|Yes|16|1|"},
      {"empty number", "pCuadro|150||1700|1640|1|"}, {"beyond 16 bits", "pPos|70000|350|P2|True|16|1|"},
      {"page gap", "pPos|300|350|P2|True|16|2|"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Reporte("00000009.PRN", {"<!font!>Courier New<!/font!>", "pPos|300|350|P1|True|16|0|", "pNuevaHoja", c.Linea});
    const MessageBox mensaje{"El reporte 00000009.PRN tiene una línea no válida: 4", forms::vbCritical,
                             "Error al Imprimir"};
    User.ExpectMsgBox(mensaje, forms::vbOK);
    ModObjetos::VistaPrevia("00000009.PRN", "Vprevia");  // no window comes up
    User.ExpectMsgBox(mensaje, forms::vbOK);
    Imprime("00000009.PRN");  // no job starts
    User.VerifyDone();
  }
  EXPECT_TRUE(User.ModalWindows().empty());
  EXPECT_TRUE(User.Printed().empty());
}

TEST_F(Preview, AMissingFileShowsAnEmptyBoxOrPrintsNothing) {
  const MessageBox mensaje{"Archivo Físico del Reporte no Existe", forms::vbCritical, "Error al Imprimir"};
  User.ExpectMsgBox(mensaje, forms::vbOK);
  Previsualiza(
      [&](frmPreview& f) {
        EXPECT_EQ(f.TotalPaginas, 0);
        EXPECT_TRUE(f.picPrevia(0).Visible());
        EXPECT_TRUE(f.picPrevia(0).Drawing().Empty());
        User.ClickButton(f.tlbPrevia, kSiguiente);
        EXPECT_EQ(f.PaginaVisible, 0);
      },
      "00000010.PRN");
  User.ExpectMsgBox(mensaje, forms::vbOK);
  Imprime("00000010.PRN");
  EXPECT_TRUE(User.Printed().empty());
}

TEST_F(Preview, AFailedPrintIsToldAndItsJobEnded) {
  struct Caso {
    const char* Nombre;
    std::function<void()> Prepara;
    MessageBox Mensaje;
  };
  const Caso casos[] = {
      {"cancelled",
       [&] { User.ExpectPrintCancel(); },
       {"La Impresión ha sido Cancelada.", forms::vbCritical, "Impresión"}},
      {"no printer",
       [&] { User.SinImpresora = true; },
       {"No existe una impresora seleccionada.Verifique.", forms::vbCritical, "Impresión"}},
      {"printer failing",
       [&] { User.Falla = std::make_shared<ImpresoraQueFalla>(3, 482); },
       {"No existe una impresora seleccionada.Verifique.", forms::vbCritical, "Impresión"}},
      {"memory running out",
       [&] { User.Falla = std::make_shared<ImpresoraQueFalla>(3, 7); },
       {"Memoria insuficiente\nIngrese un rango de hojas menos \nvoluminoso", forms::vbCritical, " Aviso:7"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    User.SinImpresora = false;
    User.Falla = nullptr;
    c.Prepara();
    User.ExpectMsgBox(c.Mensaje, forms::vbOK);
    Imprime();
    if (User.Falla) {
      EXPECT_TRUE(User.Falla->Ended());
      EXPECT_EQ(User.Falla->Pages().size(), 1u);
    }
    User.VerifyDone();
  }
  // From the toolbar, the preview goes with the failed job.
  User.Falla = nullptr;
  Previsualiza([&](frmPreview& f) {
    User.ExpectPrintCancel();
    User.ExpectMsgBox("La Impresión ha sido Cancelada.", forms::vbOK);
    User.ClickButton(f.tlbPrevia, kImprime);
    EXPECT_FALSE(f.Loaded());
  });
}

// A report through the writer, the file and the interpreter gives the very
// pages drawn on a canvas straight.
TEST_F(Preview, AWrittenReportPrintsAsItsPagesDrawnStraight) {
  common::EstadoImpresion& e = G().ImpRep.ImpLinea;
  e.AnchoPagina = 104;
  e.PaginaActual = 1;
  e.AbreReporte(G().RutaReportes + "\\00000011.PRN");
  ImprimeLinea(e, "<!font!>Courier New<!/font!>");
  ImprimePos(e, 3050, 400, "DECLARACIÓN PAGO ANUAL", -1, 9, 0);
  ImprimePos(e, 3850, 1450, std::string("GARCIA | PEREZ"), 0, 8, 0);
  ImprimeRecuadro(e, 11000, 3090, 150, 2820, 0);
  ImprimePos(e, 0, 0, "pNuevaHoja", 0, 8, 1);
  ImprimeLinea(e, "<!Orientacion!>H<!/Orientacion!>");
  ImprimePos(e, 2650, 350, "Pag. 2", 0, 8, 1);
  e.CierraReporte();

  print::Recorder directo;
  directo.DrawText(3050, 400, "DECLARACIÓN PAGO ANUAL", {"Courier New", 9, true});
  directo.DrawText(3850, 1450, "GARCIA   PEREZ", {"Courier New", 8, false});
  directo.DrawRect(11000, 3090, 150, 2820);
  directo.NewPage();
  directo.SetOrientation(print::Orientation::Landscape);
  directo.DrawText(2650, 350, "Pag. 2", {"Courier New", 8, false});
  directo.EndDocument();

  User.ExpectPrint();
  Imprime("00000011.PRN");
  ASSERT_EQ(User.Printed().size(), 1u);
  const std::vector<print::Page>& impresas = User.Printed()[0]->Pages();
  ASSERT_EQ(impresas.size(), directo.Pages().size());
  for (std::size_t i = 0; i < impresas.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(impresas[i].Items(), directo.Pages()[i].Items());
    EXPECT_EQ(impresas[i].Orientation(), directo.Pages()[i].Orientation());
  }
}

}  // namespace
}  // namespace app::testing
