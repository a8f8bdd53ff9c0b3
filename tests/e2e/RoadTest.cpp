// A return typed, checked, saved, printed and summarised the way a preparer
// does it: every step through real input events of a private X server.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "app/inicio/Producto.h"
#include "return/Frm0917.h"
#include "tests/e2e/Road.h"
#include "tests/support/Camino.h"

namespace kr::e2e {
namespace {

namespace fs = std::filesystem;

constexpr char kRuc[] = "10076543211";  // GARCIA PEREZ JUAN, the list's second declarant

std::string Contenido(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The text of a PDF as pdftotext reads it, its layout kept.
std::string TextoDelPdf(const std::string& pdf) {
  const std::string txt = pdf + ".txt";
  // The file is complete once the dialog's job has ended; pdftotext retries a file still being written.
  WaitUntil([&] { return std::system(("pdftotext -layout '" + pdf + "' '" + txt + "' 2>/dev/null").c_str()) == 0; });
  return Contenido(txt);
}

class ReturnOnScreen : public ::testing::TestWithParam<testing::Manager> {
 protected:
  void SetUp() override {
    if (!Road.Ready()) GTEST_SKIP() << Road.Why();
    ASSERT_TRUE(Road.StartHost());
    ASSERT_TRUE(Road.InstallTables());
    ASSERT_TRUE(Road.StartKR917());
  }

  // Declaraciones > Nueva; the form given the keyboard by a click on an empty spot of its page.
  void Nueva() {
    ASSERT_TRUE(Road.ChooseMenu("d", "n"));
    ASSERT_TRUE(Road.WaitForWindow(app::kTituloFrm0917, &Form));
    ASSERT_TRUE(Road.ClickIn(app::kTituloFrm0917, {300, 360}));
    Road.Shot("nueva");
  }

  // Without a window manager the keyboard does not come back to the form
  // when a box closes: a click on an empty spot of its pages (below what
  // every page holds, clear of the tab strips) gives it back.
  void Vuelve() { ASSERT_TRUE(Road.ClickIn(app::kTituloFrm0917, {600, 376})); }

  // A click at a place of the form, in the pixels of its client area.
  void Click(int x, int y) { Road.Screen().Click(Form, {x, y}); }

  // The box rows of the saved return, as "box|value".
  std::vector<std::string> Casillas() const {
    std::vector<std::string> filas;
    for (const std::vector<std::string>& fila :
         Road.Rows(std::string("SELECT CASILLA, I_VALOR FROM DET WHERE DOC_ID_D='") + kRuc + "' ORDER BY CASILLA")) {
      filas.push_back(fila.at(0) + "|" + fila.at(1));
    }
    return filas;
  }

  // Grabar, its closing message answered.
  void Graba(const std::string& paso) {
    Road.Screen().Press("alt+g");
    ASSERT_TRUE(Road.WaitForWindows(app::kTituloFrm0917, 2)) << "the save's message";
    Road.Shot(paso);
    Road.Screen().Press("Return");
    ASSERT_TRUE(Road.WaitForWindows(app::kTituloFrm0917, 1));
    Vuelve();
  }

  // Steps 1 to 3 of the road, with `casilla100` typed into box 100: the
  // return filled in until Validar finds nothing.
  void Llena(std::string_view casilla100) {
    // 1. A new return for a declarant chosen in the list with the keyboard.
    Nueva();
    Click(160, 66);  // the declarant list drops down
    ASSERT_TRUE(WaitUntil([&] { return Road.Screen().MenuOpen(); }));
    Road.Shot("declarantes");
    Road.Screen().Press("Down");
    Road.Screen().Press("Return");
    ASSERT_TRUE(WaitUntil([&] { return !Road.Screen().MenuOpen(); }));
    Click(273, 228);  // works in premises of its own
    Click(441, 284);  // rectifies: No
    Road.Shot("identificacion");

    // 2. Amounts on two pages, moving with Tab and Enter; the computed boxes follow.
    Road.Screen().Press("alt+r");
    Road.Screen().Press("Tab");  // the inner tabs
    Road.Screen().Press("Tab");  // box 100
    Road.Screen().Type(casilla100);
    Road.Screen().Press("Tab");
    Road.Screen().Type("2000");
    Road.Screen().Press("Return");
    Road.Shot("primera-categoria");
    Road.Screen().Press("alt+d");
    Click(525, 173);  // box 127
    Road.Screen().Type("100");
    Road.Screen().Press("Tab");
    Road.Shot("deuda");

    // 3. Validar lists what is missing; filled in, Validar finds nothing.
    const std::string mensajes = Road.Sample().Layout().ProgramFolder + "/Mens.txt";
    Road.Screen().Press("alt+a");
    ASSERT_TRUE(Road.WaitForWindow("Inconsistencias detectadas"));
    Road.Shot("inconsistencias");
    const std::string lista = Contenido(mensajes);
    fs::copy_file(mensajes, Road.OutputFolder() + "/Mens.txt", fs::copy_options::overwrite_existing);
    EXPECT_NE(lista.find("importe a pagar"), std::string::npos) << lista;
    EXPECT_NE(lista.find("Forma de pago"), std::string::npos) << lista;
    Road.Screen().Press("alt+a");
    ASSERT_TRUE(Road.WaitForNoWindow("Inconsistencias detectadas"));
    Vuelve();
    Click(604, 302);  // the debt page's scroll bar, on to the balance
    Click(604, 302);
    Click(525, 250);  // box 180
    Road.Screen().Type("1340");
    Click(114, 300);  // Efectivo
    Road.Shot("pago");
    Road.Screen().Press("alt+a");
    ASSERT_TRUE(Road.WaitForWindow("Mensaje")) << Contenido(mensajes);
    Road.Shot("sin-inconsistencias");
    Road.Screen().Press("Return");
    ASSERT_TRUE(Road.WaitForNoWindow("Mensaje"));
    Vuelve();
  }

  kr::e2e::Road Road{GetParam()};
  ScreenWindow Form;
};

TEST_P(ReturnOnScreen, TheWholeRoad) {
  Llena("10000");
  if (HasFatalFailure()) return;

  // 4. Grabar, Salir; Modificar shows it again, and saved again it stores the same rows.
  Graba("grabada");
  EXPECT_EQ(Casillas(), kr::testing::kFilasDelCamino);
  EXPECT_EQ(Road.Rows(std::string("SELECT ESTADO, EFECTIVO FROM CAB WHERE DOC_ID_D='") + kRuc + "'"),
            (std::vector<std::vector<std::string>>{{"0", "1340"}}));
  Road.Screen().Press("alt+s");
  ASSERT_TRUE(Road.WaitForNoWindow(app::kTituloFrm0917));
  ASSERT_TRUE(Road.ChooseMenu("d", "m"));
  ASSERT_TRUE(Road.WaitForWindow("Modificar Formulario"));
  ASSERT_TRUE(Road.ClickIn("Modificar Formulario", {40, 40}));
  Road.Shot("modificar");  // the saved return listed first, chosen
  Road.Screen().Press("alt+m");
  ASSERT_TRUE(Road.WaitForWindow(app::kTituloFrm0917, &Form));
  Vuelve();
  Road.Screen().Press("alt+r");
  Road.Shot("reabierta-renta");
  Road.Screen().Press("alt+d");
  Road.Shot("reabierta-deuda");
  // Saved again untouched, the reopened form stores what it shows: the same
  // rows but the first names, which a reopened return takes whole from the
  // taxpayer's row, and a new one from the declarant list (the first only).
  Graba("grabada-otra-vez");
  std::vector<std::string> reabierta = kr::testing::kFilasDelCamino;
  std::replace(reabierta.begin(), reabierta.end(), std::string("803|JUAN"), std::string("803|JUAN CARLOS"));
  EXPECT_EQ(Casillas(), reabierta);
  Road.Screen().Press("alt+s");
  ASSERT_TRUE(Road.WaitForNoWindow(app::kTituloFrm0917));

  // 5. Imprimir > Preliminar: its first page previewed, and paged with the preview's toolbar.
  ASSERT_TRUE(Road.ChooseMenu("d", "i"));
  ASSERT_TRUE(Road.WaitForWindow("Imprimir "));
  ASSERT_TRUE(Road.ClickIn("Imprimir ", {40, 40}));
  Road.Shot("imprimir");
  Road.Screen().Press("alt+p");
  ScreenWindow rango;
  ASSERT_TRUE(Road.WaitForWindow("Impresión de 3 páginas", &rango));
  ASSERT_TRUE(Road.ClickIn("Impresión de 3 páginas", {20, 20}));
  Road.Screen().Press("Tab");  // Hasta: the last page
  Road.Screen().Press("End");
  Road.Screen().Press("BackSpace");
  Road.Screen().Type("3");
  Road.Shot("rango");
  Road.Screen().Press("alt+p");
  ScreenWindow previa;
  ASSERT_TRUE(Road.WaitForWindow("Presentación Preliminar", &previa));
  Road.Shot("preliminar");
  // A button of the preview's toolbar, in the preview's client area.
  auto boton = [&](int x) { Road.Screen().Click(previa, {x, 25}); };
  boton(113);  // Pag Sgt
  Road.Shot("preliminar-pagina-2");
  boton(215);  // Salir
  ASSERT_TRUE(Road.WaitForNoWindow("Presentación Preliminar"));

  // The range dialog stays for another range until it is cancelled.
  ASSERT_TRUE(Road.ClickIn("Impresión de 3 páginas", {20, 20}));
  Road.Screen().Press("alt+c");
  ASSERT_TRUE(Road.WaitForNoWindow("Impresión de 3 páginas"));
  ASSERT_TRUE(Road.ClickIn("Imprimir ", {40, 40}));

  // 6. Imprimir: printed through the print dialog's print to file, its file named by keyboard.
  Road.Screen().Press("alt+i");
  ASSERT_TRUE(Road.WaitForWindow("Imprimir"));
  ASSERT_TRUE(Road.ClickIn("Imprimir", {250, 111}));  // the output file ("Fichero de salida")
  const std::string pdf = Road.OutputFolder() + "/declaracion.pdf";
  Road.Screen().Press("ctrl+a");
  Road.Screen().Type(pdf);
  Road.Shot("dialogo-impresion");
  Road.Screen().Press("Return");
  ASSERT_TRUE(Road.WaitForNoWindow("Imprimir"));
  ASSERT_TRUE(Road.WaitForFile(pdf));
  const std::string impreso = TextoDelPdf(pdf);
  for (const char* visto : {kRuc, "GARCIA PEREZ JUAN", "10,000", "2,000", "12,000", "(2,400)", "9,600", "1,340"}) {
    EXPECT_NE(impreso.find(visto), std::string::npos) << visto;
  }

  // 7. KR917 left; 0917SND started from the Dexlora window for that return (its list's first, after Actualizar).
  ASSERT_TRUE(Road.ClickIn("Imprimir ", {40, 40}));
  Road.Screen().Press("alt+s");
  ASSERT_TRUE(Road.WaitForNoWindow("Imprimir "));
  ASSERT_TRUE(Road.ClickIn(app::kTituloVentana, {300, 200}));
  ASSERT_TRUE(Road.ChooseMenu("d", "s"));
  ASSERT_TRUE(Road.WaitForKR917End());
  ASSERT_TRUE(Road.ClickIn("Dexlora", {24, 16}));
  Road.Screen().Press("alt+a");
  Road.Shot("dexlora-grabadas");
  Road.Screen().Press("alt+0");
  ASSERT_TRUE(Road.WaitForHostStatus("0917SND terminó con código 0."));
  Road.Shot("resumen");
  const std::string carpeta = Road.Sample().Layout().ProgramFolder;
  std::string resumen;
  for (const fs::directory_entry& e : fs::directory_iterator(carpeta + "/TMP")) {
    if (e.path().extension() != ".txt") continue;
    const std::string texto = Contenido(e.path().string());
    if (texto.find(kRuc) == std::string::npos) continue;
    resumen = texto;
    // The summary's two files beside the pictures: its text and its report, named by its key.
    const std::string clave = e.path().stem().string();
    fs::copy_file(e.path(), Road.OutputFolder() + "/" + clave + ".txt", fs::copy_options::overwrite_existing);
    fs::copy_file(carpeta + "/RPT/" + clave + ".PRN", Road.OutputFolder() + "/" + clave + ".PRN",
                  fs::copy_options::overwrite_existing);
  }
  ASSERT_FALSE(resumen.empty()) << "no summary names " << kRuc;
  EXPECT_NE(resumen.find("Renta                1,340        1,340"), std::string::npos) << resumen;
}

}  // namespace
}  // namespace kr::e2e

namespace kr::e2e {
namespace {

TEST_P(ReturnOnScreen, ALetterTypedIntoAnAmountBoxLeavesItUnchanged) {
  Llena("1a0000");  // the letter refused, the box holds 10000
  if (HasFatalFailure()) return;
  Graba("grabada");
  EXPECT_EQ(Casillas(), kr::testing::kFilasDelCamino);
}

TEST_P(ReturnOnScreen, TheCloseBoxAfterAChangeAsksAndCancelarKeepsTheTypedValues) {
  Llena("10000");
  if (HasFatalFailure()) return;
  Road.Screen().Close(Form);
  ASSERT_TRUE(Road.WaitForWindows(app::kTituloFrm0917, 2)) << "the question whether to save";
  Road.Shot("pregunta");
  Road.Screen().Press("Escape");  // Cancelar
  ASSERT_TRUE(Road.WaitForWindows(app::kTituloFrm0917, 1));
  Vuelve();
  Road.Shot("sigue-abierta");
  Graba("grabada");  // what it stores is what was typed
  EXPECT_EQ(Casillas(), kr::testing::kFilasDelCamino);
}

INSTANTIATE_TEST_SUITE_P(Desktops, ReturnOnScreen, testing::kManagers, testing::ManagerName);

}  // namespace
}  // namespace kr::e2e
