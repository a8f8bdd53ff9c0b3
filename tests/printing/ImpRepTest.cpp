// The printed return's report: its pages, its annex and its failures, on the
// sample installation after LUD917's run.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/servicios/Spool.h"
#include "common/ImpLinea.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "printing/ImpRep.h"
#include "tests/printing/ReporteFixture.h"

namespace app::testing {
namespace {

using ImpRep::Seleccion;

constexpr Seleccion kDeclaracion{.Declaracion = true};

// The page field of a command line; -1 for a tag or a page break.
int PaginaDe(const std::string& linea) {
  if (linea.rfind("pPos|", 0) != 0 && linea.rfind("pCuadro|", 0) != 0) return -1;
  const std::size_t fin = linea.size() - 1;
  const std::size_t inicio = linea.rfind('|', fin - 1) + 1;
  return static_cast<int>(vb::Val(linea.substr(inicio, fin - inicio)));
}

// The lines of `lineas` on page index `pagina` that start with `inicio`.
long EnPagina(const std::vector<std::string>& lineas, const std::string& inicio, int pagina) {
  long n = 0;
  for (const std::string& l : lineas) n += l.rfind(inicio, 0) == 0 && PaginaDe(l) == pagina;
  return n;
}

std::string Pos(int x, int y, const std::string& texto, bool negrita, int tamano, int pagina) {
  return "pPos|" + std::to_string(x) + "|" + std::to_string(y) + "|" + texto + (negrita ? "|True|" : "|False|") +
         std::to_string(tamano) + "|" + std::to_string(pagina) + "|";
}

std::string Cuadro(int x1, int y1, int x2, int y2, int pagina) {
  return "pCuadro|" + std::to_string(x1) + "|" + std::to_string(y1) + "|" + std::to_string(x2) + "|" +
         std::to_string(y2) + "|" + std::to_string(pagina) + "|";
}

TEST(AlineaDerecha, BlanksBeforeTheTextUpToTheWidth) {
  struct Caso {
    const char* Texto;
    std::int16_t Ancho;
    std::string Esperado;
  };
  const Caso casos[] = {
      {"1,234", 15, vb::Space(10) + "1,234"},
      {"1,234", 4, "1,234"},
      {"1,234", 5, "1,234"},
      {"", 15, vb::Space(15)},
      {"x", 100, vb::Space(80) + "x"},  // never more than 80 blanks
      {"Año", 5, "  Año"},              // characters, not bytes
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Texto) + " to " + std::to_string(c.Ancho));
    EXPECT_EQ(ImpRep::AlineaDerecha(c.Texto, c.Ancho), c.Esperado);
  }
}

TEST_F(Reporte, ASavedReturnGivesItsThreePages) {
  // The print window names the file as the spool registers it.
  Casillas({{501, "12000"}, {502, "-2400"}});
  bool impreso = false;
  const std::string archivo = RegistraSpool("RP0006", 6, kGarcia, [&](const std::string& ruta) {
    G().ArchivoSalida = ruta;
    impreso = Imprime(kDeclaracion);
  });
  EXPECT_EQ(G().ArchivoSalida, G().RutaReportes + "\\" + archivo);
  ASSERT_TRUE(impreso);
  EXPECT_TRUE(User.Messages().empty());
  EXPECT_EQ(forms::Screen().MousePointer(), forms::vbArrow);
  EXPECT_FALSE(G().ImpRep.ImpLinea.ReporteAbierto());

  const std::vector<std::string> lineas = Lineas();
  ASSERT_GE(lineas.size(), 5u);
  const std::vector<std::string> inicio(lineas.begin(), lineas.begin() + 5);
  EXPECT_EQ(inicio, (std::vector<std::string>{"<!font!>Courier New<!/font!>", "<!nHojas!>3<!/nHojas!>",
                                              "<!Orientacion!>V<!/Orientacion!>", "<!Color!>&H00FFFFC0&<!/Color!>",
                                              Pos(300, 350, "VELTA", true, 16, 0)}));
  EXPECT_EQ(Cuenta(lineas, Pos(9275, 3960, vb::Space(9) + "12,000", false, 8, 0)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(9275, 4230, vb::Space(9) + "(2,400)", false, 8, 0)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(9275, 2880, vb::Space(15), false, 8, 0)), 1);
  EXPECT_EQ(Cuenta(lineas, "pNuevaHoja"), 2);
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaActual, 3);
  EXPECT_TRUE(Con(lineas, Pos(300, 1720, "NRO. CONTROL: ", false, 8, 0)).empty());
  Golden("Declaracion.PRN");
}

TEST_F(Reporte, ASentReturnShowsItsControlAndOrderNumbers) {
  struct Caso {
    const char* Orden;
    bool Numeros;
  };
  for (const Caso& c : {Caso{"12345678", true}, Caso{"        ", false}}) {
    SCOPED_TRACE(c.Orden);
    G().Enviadas = true;
    G().Correlativo = "001";
    G().NumeroControl = "123";
    G().NumeroOrden = c.Orden;
    ASSERT_TRUE(Imprime(kDeclaracion));
    const std::vector<std::string> lineas = Lineas();
    for (int pagina = 0; pagina < 3; ++pagina) {
      SCOPED_TRACE(pagina);
      const long marco = Posicion(lineas, Cuadro(8500, 1100, 11000, 1640, pagina));
      ASSERT_GE(marco, 0);
      const std::vector<std::string> numeros = {Cuadro(150, 1640, 2650, 1910, pagina),
                                                Pos(300, 1720, "NRO. CONTROL: ", false, 8, pagina),
                                                Pos(1800, 1720, "     123", true, 8, pagina),
                                                Cuadro(8500, 1640, 11000, 1910, pagina),
                                                Pos(8700, 1720, "NRO. ORDEN: ", false, 8, pagina),
                                                Pos(10000, 1720, "12345678", true, 8, pagina)};
      if (c.Numeros) {
        const std::vector<std::string> despues(lineas.begin() + marco + 1, lineas.begin() + marco + 7);
        EXPECT_EQ(despues, numeros);
      } else {
        EXPECT_EQ(Cuenta(lineas, numeros[1]), 0);
      }
    }
  }
}

TEST_F(Reporte, PageTwoMarksThePaymentThePropertyAndTheRectification) {
  struct Caso {
    const char* Nombre;
    const char* FormaPago;  // box 599
    const char* Inmueble;   // box 027
    const char* Rectifica;
    const char* Banco;        // the header's bank code
    const char* CodigoBanco;  // box 015
    const char* Profesion;    // box 025
    std::vector<std::string> Lineas;
    std::vector<std::string> Ausentes;  // no command of the page starts so
  };
  const Caso casos[] = {
      {"cash, rented, rectifies, a known bank",
       "E",
       "1",
       "1",
       "02",
       "002",
       "01",
       {Pos(6600, 9090, " X", false, 8, 1), Pos(8825, 9090, "", false, 8, 1), Pos(6600, 10710, " X", false, 8, 1),
        Pos(8825, 10710, "", false, 8, 1), Pos(10000, 10980, "SI", false, 8, 1),
        Pos(9275, 9630, "B. ANDINO", false, 8, 1), Pos(7050, 9630, vb::Space(14) + "2", false, 8, 1),
        Pos(7050, 10440, "ABOGADO", false, 8, 1)},
       {}},
      {"cheque, own, does not rectify, an unknown bank",
       "C",
       "2",
       "0",
       "77",
       "",
       "",
       {Pos(6600, 9090, "", false, 8, 1), Pos(8825, 9090, " X", false, 8, 1), Pos(6600, 10710, "", false, 8, 1),
        Pos(8825, 10710, " X", false, 8, 1), Pos(10000, 10980, "NO", false, 8, 1), Pos(9275, 9630, "", false, 8, 1),
        Pos(7050, 9630, vb::Space(15), false, 8, 1), Pos(7050, 10440, "", false, 8, 1)},
       {}},
      {"another letter, no property, no rectification, codes with quotes",
       "Z",
       "",
       "",
       "0'2",
       "",
       "0'1",
       {Pos(6600, 9090, "", false, 8, 1), Pos(8825, 9090, "", false, 8, 1), Pos(10000, 10980, "NO", false, 8, 1),
        Pos(9275, 9630, "", false, 8, 1), Pos(7050, 10440, "", false, 8, 1),
        Pos(250, 10710, "Inmueble donde realiza sus actividades", false, 8, 1),
        Pos(7050, 10710, "ALQUILADO", false, 8, 1), Pos(9275, 10710, "PROPIO", false, 8, 1)},
       {"pPos|6600|10710|", "pPos|8825|10710|"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Casillas({{599, c.FormaPago}, {27, c.Inmueble}, {15, c.CodigoBanco}, {25, c.Profesion}});
    G().Rectificatoria = c.Rectifica;
    G().BancoCheque = c.Banco;
    G().NumeroCheque = "000123";
    ASSERT_TRUE(Imprime(kDeclaracion));
    EXPECT_TRUE(User.Messages().empty());
    const std::vector<std::string> lineas = Lineas();
    for (const std::string& l : c.Lineas) EXPECT_EQ(Cuenta(lineas, l), 1) << l;
    for (const std::string& a : c.Ausentes) EXPECT_EQ(EnPagina(lineas, a, 1), 0) << a;
    EXPECT_EQ(Cuenta(lineas, Pos(9275, 9360, "000123", false, 8, 1)), 1);
  }
}

TEST_F(Reporte, PageThreeShowsDocumentTypesNamesTheRefundMarkAndAmounts) {
  struct Caso {
    const char* Devolucion;  // box 260
    const char* Resultado;   // box 203
    const char* Tipo;        // box 301
    std::vector<std::string> Lineas;
    std::vector<std::string> Ausentes;
  };
  const Caso casos[] = {
      {"1",
       "-1500",
       "6",
       {Pos(6600, 8280, " X ", false, 8, 2), Pos(9275, 9630, vb::Space(9) + "(1,500)", false, 8, 2),
        Pos(9275, 3690, "6-RUC", false, 8, 2)},
       {"pPos|8825|8280|"}},
      // A stored code keeps its zeros, and the short name is looked up by it as it stands.
      {"0",
       "1500",
       "06",
       {Pos(8825, 8280, " X ", false, 8, 2), Pos(9275, 9630, vb::Space(10) + "1,500", false, 8, 2),
        Pos(9275, 3690, "06-", false, 8, 2)},
       {"pPos|6600|8280|"}},
      {"",
       "",
       "",
       {Pos(9275, 9630, vb::Space(15), false, 8, 2), Pos(9275, 3690, "-", false, 8, 2)},
       {"pPos|6600|8280|", "pPos|8825|8280|"}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string("260 ") + c.Devolucion + ", 203 " + c.Resultado + ", 301 " + c.Tipo);
    Casillas({{260, c.Devolucion},
              {203, c.Resultado},
              {301, c.Tipo},
              {235, "99"},
              {817, "CONSTRUCTORA AMAZONICA DEL ORIENTE S"},
              {827, "OCIEDAD ANONIMA"}});
    ASSERT_TRUE(Imprime(kDeclaracion));
    const std::vector<std::string> lineas = Lineas();
    for (const std::string& l : c.Lineas) EXPECT_EQ(Cuenta(lineas, l), 1) << l;
    for (const std::string& a : c.Ausentes) EXPECT_EQ(EnPagina(lineas, a, 2), 0) << a;
    EXPECT_EQ(Cuenta(lineas, Pos(9275, 5580, "99-", false, 8, 2)), 1);
    EXPECT_EQ(Cuenta(lineas, Pos(250, 7200, "CONSTRUCTORA AMAZONICA DEL ORIENTE SOCIEDAD ANONIMA", false, 8, 2)), 1);
  }
}

TEST_F(Reporte, PageFourFollowsTheReturnOnItsOwnSheet) {
  Casillas({{535, "1000"}, {540, "-300"}});
  // "Declaración" with the page ticked: the window never allows it, the driver prints it.
  ASSERT_TRUE(Imprime({.Declaracion = true, .RentasExoneradas = true}));
  std::vector<std::string> lineas = Lineas();
  ASSERT_GE(lineas.size(), 2u);
  EXPECT_EQ(lineas[1], "<!nHojas!>4<!/nHojas!>");
  EXPECT_EQ(Cuenta(lineas, "pNuevaHoja"), 3);
  EXPECT_EQ(Cuenta(lineas, Pos(9275, 2880, vb::Space(10) + "1,000", false, 8, 3)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(9275, 12600, vb::Space(11) + "(300)", false, 8, 3)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(300, 2540, "CASILLA 200 - RENTAS EXONERADAS ", true, 10, 3)), 1);
  long cuarta = -1;
  for (int k = 0; k < 3; ++k) cuarta = Posicion(lineas, "pNuevaHoja", cuarta + 1);
  for (auto i = static_cast<std::size_t>(cuarta + 1); i < lineas.size(); ++i) {
    if (lineas[i].rfind("<!", 0) != 0) {
      EXPECT_EQ(PaginaDe(lineas[i]), 3) << lineas[i];
    }
  }
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaActual, 4);

  // The page alone is the report's first sheet.
  ASSERT_TRUE(Imprime({.RentasExoneradas = true}));
  lineas = Lineas();
  EXPECT_EQ(Cuenta(lineas, "pNuevaHoja"), 0);
  EXPECT_EQ(Cuenta(lineas, Pos(9275, 2880, vb::Space(10) + "1,000", false, 8, 0)), 1);
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaActual, 1);
  Golden("Hoja4.PRN");
}

TEST_F(Reporte, AnAnnexWithoutRowsSaysSoForEachEmptySchedule) {
  Casillas({{896, "0"}, {897, "0"}, {898, "0"}, {899, "0"}});
  ASSERT_TRUE(Imprime({.InfAdicional = true}));
  const std::vector<std::string> lineas = Lineas();
  ASSERT_GE(lineas.size(), 2u);
  EXPECT_EQ(lineas[0], "<!Orientacion!>H<!/Orientacion!>");
  EXPECT_EQ(lineas[1], Pos(2650, 350, "VELTA", true, 16, 0));
  EXPECT_EQ(Cuenta(lineas, Pos(6100, 2260, "INFORMACIÓN ADICIONAL", true, 13, 0)), 1);
  const std::tuple<int, const char*> bloques[] = {{3340, "DEPÓSITOS EN EL SISTEMA FINANCIERO"},
                                                  {3880, "COMPRAS Y GASTOS"},
                                                  {4420, "VENTAS"},
                                                  {4960, "PRÉSTAMOS CONCEDIDOS Y/O PRÉSTAMOS RECIBIDOS"}};
  for (const auto& [y, nombre] : bloques) {
    SCOPED_TRACE(nombre);
    const long marco = Posicion(lineas, Cuadro(290, y, 15200, y + 270, 0));
    ASSERT_GE(marco, 0);
    EXPECT_EQ(lineas[marco + 1], Pos(300, y, nombre, true, 7, 0));
    EXPECT_EQ(lineas[marco + 2], Pos(300, y + 270, "NO EXISTE INFORMACIÓN A DECLARAR", false, 7, 0));
  }
  for (const std::string& l : lineas) EXPECT_EQ(l.find("Cantidad total de registros"), std::string::npos);
  EXPECT_EQ(Cuenta(lineas, "pNuevaHoja"), 0);
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaActual, 1);
  Golden("AnexoVacio.PRN");
}

TEST_F(Reporte, AnAnnexRowAfterTheReturn) {
  Casillas({{896, "1"}, {897, "1"}, {898, "1"}, {899, "1"}});
  Anexo({{"01", "01", "01", "001", "AHORRO SUELDO", "0", "-1500", "2"}});
  ASSERT_TRUE(Imprime({.Declaracion = true, .InfAdicional = true}));
  const std::vector<std::string> lineas = Lineas();
  // The landscape tag, then the annex's first sheet after the return's three.
  const long tag = Posicion(lineas, "<!Orientacion!>H<!/Orientacion!>");
  ASSERT_GE(tag, 0);
  const std::vector<std::string> cabeza(lineas.begin() + tag, lineas.begin() + tag + 3);
  EXPECT_EQ(cabeza, (std::vector<std::string>{"<!Orientacion!>H<!/Orientacion!>", "pNuevaHoja",
                                              Pos(2650, 350, "VELTA", true, 16, 3)}));
  const long seccion = Posicion(lineas, Cuadro(290, 2800, 15200, 3070, 3));
  ASSERT_GE(seccion, 0);
  const std::vector<std::string> esperadas = {
      Cuadro(290, 2800, 15200, 3070, 3),
      Pos(300, 2800, "DEPÓSITOS EN EL SISTEMA FINANCIERO - DEPÓSITOS EN EL SISTEMA FINANCIERO CON SALDO AL 31/12/2002",
          true, 7, 3),
      Pos(300, 3070, "Tipo de cuenta", true, 7, 3),
      Pos(2750, 3070, "Descripción de otros tipos de cuenta", true, 7, 3),
      Pos(6700, 3070, "Moneda", true, 7, 3),
      Pos(10300, 3070, "Saldo al 31/12/2002", true, 7, 3),
      Pos(12450, 3070, "Cantidad total de cuentas", true, 7, 3),
      Cuadro(290, 3070, 15200, 3340, 3),
      Pos(300, 3410, "CUENTAS DE AHORROS    ", false, 7, 3),
      Pos(2750, 3410, "AHORRO SUELDO       ", false, 7, 3),
      Pos(6750, 3410, "Nuevos Soles-Perú" + vb::Space(18), false, 7, 3),
      Pos(10550, 3410, vb::Space(9) + "-1,500", false, 7, 3),
      Pos(12970, 3410, vb::Space(14) + "2", false, 7, 3),
      Cuadro(290, 3680, 15200, 3950, 3),
      Pos(300, 3680, "Cantidad total de registros  : 1", false, 7, 3),
  };
  ASSERT_GE(lineas.size(), seccion + esperadas.size());
  const std::vector<std::string> escritas(lineas.begin() + seccion, lineas.begin() + seccion + esperadas.size());
  EXPECT_EQ(escritas, esperadas);
  EXPECT_EQ(lineas.back(), esperadas.back());  // no schedule is declared empty
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaActual, 4);
}

// 45 rows of 5 kinds, 9 each, inserted kind after kind in turn, so out of their key order.
std::vector<FilaAnexo> FilasLargas() {
  static const char* const kMonedas[] = {"001", "002", "003", "004", "005", "006", "007", "008", "009"};
  struct Clase {
    const char* Informacion;
    const char* Movimiento1;
  };
  const Clase clases[] = {{"04", "02"}, {"02", "03"}, {"01", "01"}, {"03", "01"}, {"02", "01"}};
  std::vector<FilaAnexo> filas;
  for (int i = 8; i >= 0; --i) {
    for (const Clase& c : clases) {
      const bool sinDescripcion = std::string(c.Informacion) == "01" && i == 4;
      filas.push_back(
          {c.Informacion, c.Movimiento1, "01", kMonedas[i], sinDescripcion ? nullptr : "CUENTA", "1000", "2500", "3"});
    }
  }
  return filas;
}

TEST_F(Reporte, ALongAnnexRunsOnAcrossSheetsSectionBySection) {
  Casillas({{896, "1"}, {897, "1"}, {898, "1"}, {899, "1"}});
  Anexo(FilasLargas());
  ASSERT_TRUE(Imprime({.InfAdicional = true}));
  const std::vector<std::string> lineas = Lineas();

  // The sections' titles, where they stand: each kind once in key order; a
  // section too near a sheet's end starts without its title, and a page
  // break repeats the title of the section it cuts.
  const std::tuple<std::string, int, int> titulos[] = {
      {"DEPÓSITOS EN EL SISTEMA FINANCIERO - DEPÓSITOS EN EL SISTEMA FINANCIERO CON SALDO AL 31/12/2002", 0, 2800},
      {"COMPRAS Y GASTOS - COMPRA DE PREDIOS EN EL EXTRANJERO; AMPLIACIONES Y/O REMODELACIONES EN EL PERÚ Y/O EN "
       "EL EXTRANJERO",
       0, 6110},
      {"COMPRAS Y GASTOS - COMPRA O INVERSIÓN EN INSTRUMENTOS FINANCIEROS", 1, 2800},
      {"VENTAS - VENTA DE PREDIOS EN EL EXTRANJERO", 1, 5570},
      {"PRÉSTAMOS CONCEDIDOS Y/O PRÉSTAMOS RECIBIDOS - SALDOS DE PRÉSTAMOS RECIBIDOS PENDIENTES DE PAGO AL "
       "01/01/2002 Y/O 31/12/2002(Excluye empresas del Sistema Financiero)",
       1, 8880},
      {"PRÉSTAMOS CONCEDIDOS Y/O PRÉSTAMOS RECIBIDOS - SALDOS DE PRÉSTAMOS RECIBIDOS PENDIENTES DE PAGO AL "
       "01/01/2002 Y/O 31/12/2002(Excluye empresas del Sistema Financiero)",
       2, 2800},
  };
  std::vector<std::string> escritos;
  for (const std::string& l : lineas) {
    if (l.rfind("pPos|300|", 0) == 0 && l.find("|True|7|") != std::string::npos && l.find(" - ") != std::string::npos) {
      escritos.push_back(l);
    }
  }
  std::vector<std::string> esperados;
  for (const auto& [titulo, pagina, y] : titulos) esperados.push_back(Pos(300, y, titulo, true, 7, pagina));
  EXPECT_EQ(escritos, esperados);

  // The rows of the section cut at a sheet's end go on under the repeated title on the next.
  EXPECT_EQ(Cuenta(lineas, Pos(6750, 9420, "Nuevos Soles-Perú" + vb::Space(18), false, 7, 0)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(6750, 9690, "Dólar de EE.UU.-EE.UU." + vb::Space(13), false, 7, 0)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(6750, 3410, "Euro-Unión Europea" + vb::Space(17), false, 7, 1)), 1);
  // Every sheet has its heading and main title; the page indexes run on.
  for (int pagina = 0; pagina < 3; ++pagina) {
    SCOPED_TRACE(pagina);
    EXPECT_EQ(Cuenta(lineas, Pos(6100, 2260, "INFORMACIÓN ADICIONAL", true, 13, pagina)), 1);
    EXPECT_EQ(Cuenta(lineas, Pos(11350, 400, "Pag. " + std::to_string(pagina + 1), false, 8, pagina)), 1);
  }
  std::set<int> paginas;
  for (const std::string& l : lineas) paginas.insert(PaginaDe(l));
  EXPECT_EQ(paginas, (std::set<int>{-1, 0, 1, 2}));
  EXPECT_EQ(Cuenta(lineas, "pNuevaHoja"), 2);
  EXPECT_EQ(G().ImpRep.ImpLinea.PaginaActual, 3);
  // The row whose description is Null shows blanks.
  EXPECT_EQ(Cuenta(lineas, Pos(2750, 4490, vb::Space(20), false, 7, 0)), 1);
  EXPECT_EQ(Cuenta(lineas, Pos(300, 5300, "Cantidad total de registros  : 45", false, 7, 2)), 1);
  Golden("AnexoLargo.PRN");
}

TEST_F(Reporte, ASentReturnsAnnexReadsItsOwnRows) {
  G().Enviadas = true;
  G().Correlativo = "002";
  Casillas({{896, "1"}});
  for (const char* correl : {"001", "002"}) {
    Ejecuta({"INSERT INTO HF0917PATRIM VALUES (6,'10076543211','2002','0917','" + std::string(correl) +
             "','01','01','01','001','DEL ENVIO " + correl + "','0','100','1','000000')"});
  }
  ASSERT_TRUE(Imprime({.InfAdicional = true}));
  const std::vector<std::string> lineas = Lineas();
  EXPECT_EQ(Cuenta(lineas, Pos(2750, 3410, "DEL ENVIO 002       ", false, 7, 0)), 1);
  for (const std::string& l : lineas) EXPECT_EQ(l.find("DEL ENVIO 001"), std::string::npos);
  EXPECT_EQ(Cuenta(lineas, Pos(300, 3680, "Cantidad total de registros  : 1", false, 7, 0)), 1);
}

TEST_F(Reporte, AFailureIsToldAndLeavesNoReport) {
  struct Caso {
    const char* Nombre;
    std::function<void()> Prepara;
    int Numero;
  };
  const Caso casos[] = {
      {"a folder that is not there", [] { G().ArchivoSalida = G().RutaReportes + "\\NOHAY\\00000001.PRN"; },
       vb::ErrPathNotFound},
      {"PARAM missing", [this] { Ejecuta({"DROP TABLE PARAM"}); }, 3078},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    c.Prepara();
    // The error the report meets, as the engine or the file system tells it.
    std::string descripcion;
    try {
      if (c.Numero == 3078) G().BaseDatos->OpenRecordset("SELECT * FROM PARAM", dao::dbOpenSnapshot);
      if (c.Numero != 3078) vb::Raise(c.Numero);
    } catch (const vb::Error& e) {
      descripcion = e.Description();
    }
    User.ExpectMsgBox(
        {"Error Técnico : ( " + std::to_string(c.Numero) + ") " + descripcion, forms::vbCritical, "Impresión"},
        forms::vbOK);
    EXPECT_FALSE(Imprime(kDeclaracion));
    User.VerifyDone();
    EXPECT_FALSE(HayArchivo());
    EXPECT_FALSE(G().ImpRep.ImpLinea.ReporteAbierto());
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbArrow);
    // The next report is written as if nothing had happened.
    G().ArchivoSalida = G().RutaReportes + "\\00000002.PRN";
    EXPECT_TRUE(Imprime({.RentasExoneradas = true}));
    EXPECT_TRUE(HayArchivo());
    G().ArchivoSalida = G().RutaReportes + "\\00000001.PRN";
  }
}

}  // namespace
}  // namespace app::testing
