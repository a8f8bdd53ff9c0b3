// The inconsistency window: the list shown whole, its print laid out row by
// row under the heading, long messages wrapped, long lists over several
// sheets, and failed prints told with the job and the pointer put back.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/ventanas/NombresVentanas.h"
#include "kr917/Programa.h"
#include "platform/forms/Constants.h"
#include "printing/FrmConsist.h"
#include "tests/printing/ImpresionFixture.h"
#include "tests/support/NotAFile.h"

namespace app::testing {
namespace {

using Renglones = std::vector<std::string>;

const print::Font kLetra{"Courier new", 8, true};

// The heading of sheet n, as "x,y text".
Renglones Encabezado(int n) {
  return {"400,30 VELTA",
          "400,300 15/04/2003",
          "4000,300 INCONSISTENCIAS DETECTADAS ",
          "9000,300 PAG. " + std::to_string(n) + " ",
          "400,570 10:30:05",
          "3000,570 Formulario 917 QBX Renta Anual 2002 Personas Naturales - Versión 1.0"};
}

std::string Marco(int abajo) { return "marco 300,900 10000," + std::to_string(abajo); }

class Consist : public Impresion {
 protected:
  Consist() { kr917::RegistraVentanas(); }

  /// Opens the window by its name, as the consistency check does; `paso`
  /// acts in it, and "&Aceptar" then closes it.
  void Abre(std::function<void(FrmConsist&)> paso) {
    User.ExpectModal<FrmConsist>([&](FrmConsist& f) {
      paso(f);
      User.Click(f.CmdGrabar);
    });
    G().Ventanas.Open(ventana::kFrmConsist);
  }
  /// Prints the list of `mensajes`; the sheets printed, each as its lines:
  /// "x,y text" for a text, "marco ..." for the four lines of a frame.
  std::vector<Renglones> Imprime(const std::vector<std::string>& mensajes) {
    Mensajes(mensajes);
    const std::size_t antes = User.Printed().size();
    Abre([&](FrmConsist& f) {
      User.ExpectPrint();
      User.Click(f.CmdImprimir);
    });
    std::vector<Renglones> hojas;
    if (User.Printed().size() != antes + 1) return hojas;
    EXPECT_TRUE(User.Printed().back()->Ended());
    for (const print::Page& page : User.Printed().back()->Pages()) hojas.push_back(Describe(page));
    return hojas;
  }

  static Renglones Describe(const print::Page& page) {
    Renglones renglones;
    const auto& items = page.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (const auto* t = std::get_if<print::TextItem>(&items[i])) {
        EXPECT_EQ(t->Font, kLetra) << t->Text;
        renglones.push_back(std::to_string(t->X) + "," + std::to_string(t->Y) + " " + t->Text);
        continue;
      }
      // A frame: its left edge, then the three other lines.
      const auto& izquierda = std::get<print::LineItem>(items[i]);
      renglones.push_back("marco " + std::to_string(izquierda.X1) + "," + std::to_string(izquierda.Y1) + " " +
                          std::to_string(std::get<print::LineItem>(items[i + 1]).X1) + "," +
                          std::to_string(izquierda.Y2));
      i += 3;
    }
    return renglones;
  }

  static Renglones Con(Renglones a, const Renglones& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }
};

TEST_F(Consist, ShowsTheWholeListAndGoesWithAceptar) {
  Mensajes({"El RUC del declarante no es válido - Identificación", "Ó"});
  Abre([&](FrmConsist& f) {
    EXPECT_EQ(f.Caption(), "Inconsistencias detectadas");
    EXPECT_EQ(f.Label1.Caption(), "En su declaración se han detectado las siguientes inconsistencias :");
    EXPECT_EQ(f.TxtPreliminar.Text(), "El RUC del declarante no es válido - Identificación\r\nÓ\r\n");
    EXPECT_EQ(f.TxtPreliminar.Font().Name, "Courier New");
    EXPECT_EQ(f.CmdImprimir.Caption(), "&Imprimir");
    EXPECT_EQ(f.CmdGrabar.Caption(), "&Aceptar");
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
  });
  EXPECT_FALSE(forms::Application::Current().HasInstance<FrmConsist>());
}

TEST_F(Consist, ThreeMessagesPrintNumberedUnderTheHeadingInAFrame) {
  const std::vector<Renglones> hojas = Imprime({"Primero", "  Segundo con blancos", "Tercero"});
  ASSERT_EQ(hojas.size(), 1u);
  EXPECT_EQ(hojas[0],
            Con(Encabezado(1), {"400,1000  1. Primero", "400,1270  2.   Segundo con blancos", "400,1540  3. Tercero",
                                "500,1810  Inconsistencias Detectadas :  3", Marco(2080)}));
  EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
}

TEST_F(Consist, AnEmptyListPrintsItsHeadingAndACountOfNone) {
  const std::vector<Renglones> hojas = Imprime({});
  ASSERT_EQ(hojas.size(), 1u);
  EXPECT_EQ(hojas[0], Con(Encabezado(1), {"500,1000  Inconsistencias Detectadas :  0", Marco(1270)}));
}

TEST_F(Consist, AMessageLongerThanARowIsCutAt89CharactersAndAHyphen) {
  const std::string noventa(90, 'a'), noventaYUno = std::string(89, 'b') + "cd";
  std::string trescientos;
  for (int i = 0; i < 30; ++i) trescientos += std::string(9, static_cast<char>('A' + i % 26)) + " ";
  ASSERT_EQ(trescientos.size(), 300u);
  const std::vector<Renglones> hojas = Imprime({noventa, noventaYUno, trescientos});
  ASSERT_EQ(hojas.size(), 1u);
  EXPECT_EQ(hojas[0], Con(Encabezado(1), {
                                             "400,1000  1. " + noventa,
                                             "400,1270  2. " + std::string(89, 'b') + "-",
                                             "400,1540     cd",
                                             "400,1810  3. " + trescientos.substr(0, 89) + "-",
                                             "400,2080     " + trescientos.substr(89, 89) + "-",
                                             "400,2350     " + trescientos.substr(178, 89) + "-",
                                             "400,2620     " + trescientos.substr(267),
                                             "500,2890  Inconsistencias Detectadas :  3",
                                             Marco(3160),
                                         }));
}

TEST_F(Consist, FortyRowsFillASheetAndTheNextHasItsOwnHeadingAndFrame) {
  std::vector<std::string> mensajes;
  for (int i = 1; i <= 45; ++i) mensajes.push_back("Mensaje " + std::to_string(i));
  const std::vector<Renglones> hojas = Imprime(mensajes);
  ASSERT_EQ(hojas.size(), 2u);
  Renglones primera = Encabezado(1);
  for (int r = 1; r <= 40; ++r) {
    primera.push_back("400," + std::to_string(1000 + (r - 1) * 270) + "  " + std::to_string(r) + ". Mensaje " +
                      std::to_string(r));
  }
  primera.push_back(Marco(1000 + 40 * 270));
  EXPECT_EQ(hojas[0], primera);
  Renglones segunda = Encabezado(2);
  for (int r = 1; r <= 5; ++r) {
    segunda.push_back("400," + std::to_string(1000 + (r - 1) * 270) + "  " + std::to_string(40 + r) + ". Mensaje " +
                      std::to_string(40 + r));
  }
  segunda.push_back("500,2350  Inconsistencias Detectadas :  45");
  segunda.push_back(Marco(1270 + 5 * 270));
  EXPECT_EQ(hojas[1], segunda);

  // Forty rows and the count still fit on one sheet.
  mensajes.resize(40);
  const std::vector<Renglones> una = Imprime(mensajes);
  ASSERT_EQ(una.size(), 1u);
  EXPECT_EQ(una[0].back(), Marco(1270 + 40 * 270));
}

TEST_F(Consist, AWrappedMessageStaysOnOneSheet) {
  std::vector<std::string> mensajes(39, "Corto");
  mensajes.push_back(std::string(91, 'x'));
  const std::vector<Renglones> hojas = Imprime(mensajes);
  ASSERT_EQ(hojas.size(), 2u);
  EXPECT_EQ(hojas[0].back(), Marco(1000 + 39 * 270));
  EXPECT_EQ(Renglones(hojas[1].begin() + 6, hojas[1].end()),
            (Renglones{"400,1000  40. " + std::string(89, 'x') + "-", "400,1270     xx",
                       "500,1540  Inconsistencias Detectadas :  40", Marco(1810)}));
}

TEST_F(Consist, AFailedPrintIsToldAndPutsBackTheJobAndThePointer) {
  struct Caso {
    const char* Nombre;
    std::function<void()> Prepara;
    const char* Mensaje;
    bool ConTrabajo;  // a job had begun, and is ended
  };
  const Caso casos[] = {
      {"cancelled", [&] { User.ExpectPrintCancel(); }, "La Impresión ha sido Cancelada.", false},
      {"no printer", [&] { User.SinImpresora = true; }, "No existe una impresora seleccionada.Verifique.", false},
      {"printer failing", [&] { User.Falla = std::make_shared<ImpresoraQueFalla>(8, 482); },
       "No existe una impresora seleccionada.Verifique.", true},
      {"list gone",
       [&] {
         User.ExpectPrint();
         std::remove((Carpeta / "Mens.txt").c_str());
       },
       "Error Técnico : (53) No se ha encontrado el archivo", true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Mensajes({"Uno", "Dos"});
    User.SinImpresora = false;
    User.Falla = nullptr;
    Abre([&](FrmConsist& f) {
      c.Prepara();
      User.ExpectMsgBox({c.Mensaje, forms::vbCritical, "Impresión"}, forms::vbOK);
      User.Click(f.CmdImprimir);
      EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
    });
    if (c.ConTrabajo) {
      const print::Recorder& trabajo = User.Falla ? *User.Falla : *User.Printed().back();
      EXPECT_TRUE(trabajo.Ended());
    }
    User.VerifyDone();
  }
}

// The list's name may hold, by the time it is printed, anything another user
// put there: what is not a file is told at once as a list that cannot be read.
TEST_F(Consist, WhatStandsAtTheListsNameInsteadOfAFileIsToldAtOnce) {
  const std::string lista = Carpeta / "Mens.txt";
  const std::string mensaje = "Error Técnico : (75) " + vb::ErrorText(vb::ErrPathFileAccess);
  const auto deadline = kr::testing::HangDeadline();
  for (const kr::testing::NotAFileCase& c : kr::testing::kNotAFile) {
    SCOPED_TRACE(c.What);
    Mensajes({"Uno", "Dos"});
    const std::optional<std::string> answer = kr::testing::AnswerInChild(
        [&] {
          std::optional<kr::testing::Planted> planted;
          Abre([&](FrmConsist& f) {
            User.ExpectPrint();
            std::remove(lista.c_str());
            planted.emplace(c.Kind, lista);
            User.ExpectMsgBox({mensaje, forms::vbCritical, "Impresión"}, forms::vbOK);
            User.Click(f.CmdImprimir);
          });
          std::string told;
          for (const forms::MessageBox& m : User.Messages()) told += m.Prompt + "|";
          return told;
        },
        deadline);
    ASSERT_TRUE(answer) << "still waiting";
    EXPECT_EQ(*answer, mensaje + "|");
    std::remove(lista.c_str());
  }
}

}  // namespace
}  // namespace app::testing
