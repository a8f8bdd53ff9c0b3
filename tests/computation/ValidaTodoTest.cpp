// The consistency check's run: the list file and the window that shows it,
// the identification first, the two warnings of every run, the silent run
// of the save, and a list that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/Files.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/testing/ScriptedUser.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "tests/computation/ConsistenciaFixture.h"

namespace app::testing {
namespace {

using forms::MessageBox;

const std::string kTitulo(kTituloFrm0917);
const std::string kYaExiste =
    "El formulario que desea ingresar ya existe, elija la opción Modificar formularios o elija otro RUC";

class ValidaTodo : public Consistencia {
 protected:
  /// The rest of a new return's page 0 and the amounts of the consistent return, typed.
  void Completa(Frm0917& f) {
    if (f.tab0584.Tab() != 0) User.SelectTab(f.tab0584, 0);
    User.Click(f.optInmueble(2));
    Teclea(f, 100, "12500");
    Teclea(f, 180, "1500");
    MuestraPaginas(f.FormaDePagoQBX1.optEfectivo);
    User.Click(f.FormaDePagoQBX1.optEfectivo);
  }
  /// The list file where the operating system has it.
  std::filesystem::path Archivo() const { return Instalacion.Layout().ProgramFolder + "/Mens.txt"; }
};

TEST_F(ValidaTodo, ANewReturnListsWhatItLacksInItsWindowAndTheNextRunReplacesTheList) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    Valida(f);
    EXPECT_EQ(Lineas(), (std::vector<std::string>{kInmueble, kSinImporte, kSinRentas, kSinFormaPago}));
    EXPECT_EQ(ListasMostradas, 1);
    EXPECT_EQ(ListaAlAbrir, Bytes());  // closed before the window read it
    EXPECT_EQ(Bytes().substr(0, 5), "Se\xF1" "al");  // Windows-1252

    Completa(f);
    User.ExpectMsgBox(kSinInconsistencias, forms::vbOK);
    Valida(f);
    EXPECT_EQ(Bytes(), "");
    EXPECT_EQ(ListasMostradas, 1);
    EXPECT_EQ(User.Messages().size(), 1u);
    Cierra(f);
  });
}

TEST_F(ValidaTodo, TheIdentificationComesFirstInTheList) {
  AbreNueva([&](Frm0917& f) {
    Valida(f);
    Cierra(f);
  });
  EXPECT_EQ(Lineas(), (std::vector<std::string>{"Debe seleccionar un declarante", "Indique si es rectificatoria",
                                                kInmueble, kSinImporte, kSinRentas, kSinFormaPago}));
}

TEST_F(ValidaTodo, ANewReturnSavedMeanwhileIsToldInItsOwnBoxAndNoListOpens) {
  AbreNueva([&](Frm0917& f) {
    Identifica(f);
    Completa(f);
    Guarda(kGarcia, {});  // saved from another window in the meantime
    User.ExpectMsgBox({kYaExiste, forms::vbCritical, kTitulo}, forms::vbOK);
    EXPECT_FALSE(f.ValidaTodo("0"));
    EXPECT_EQ(f.tab0584.Tab(), 0);
    EXPECT_EQ(User.Messages().size(), 1u);
    Cierra(f);
  });
  EXPECT_EQ(Bytes(), "");
  EXPECT_EQ(ListasMostradas, 0);
}

TEST_F(ValidaTodo, TheSilentRunShowsOnlyTheWarningsAndAnswersWhetherTheReturnIsConsistent) {
  const vb::FixedClock reloj(vb::DateSerial(2003, 4, 1));
  struct Caso {
    const char* Nombre;
    std::vector<Fila> Cambios;
    std::vector<MessageBox> Avisos;
    bool Consistente;
  };
  const Caso casos[] = {
      {"consistent", {}, {}, true},
      {"no premises answer, a spouse without names, less paid than owed",
       {{"027", ""}, {"180", "1000"}, {"234", "05/04/1988"}},
       {{"VELTA generará una orden de pago por impuesto a la renta \n", forms::vbInformation, kTitulo},
        {"Verifique la fecha de nacimiento de su conyuge", forms::vbInformation, kTitulo}},
       false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, Consistente(c.Cambios));
    const std::size_t antes = User.Messages().size();
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      for (const MessageBox& m : c.Avisos) User.ExpectMsgBox(m, forms::vbOK);
      EXPECT_EQ(f.ValidaTodo("2"), c.Consistente);
      Cierra(f);
    });
    EXPECT_EQ(User.Messages().size(), antes + c.Avisos.size());
    EXPECT_FALSE(std::filesystem::exists(Archivo()));
    EXPECT_EQ(ListasMostradas, 0);
  }
}

TEST_F(ValidaTodo, ASpouseBornLessThanFifteenYearsOfDaysAgoIsAWarningInBothRuns) {
  const vb::FixedClock reloj(vb::DateSerial(2003, 4, 1));
  const MessageBox aviso{"Verifique la fecha de nacimiento de su conyuge", forms::vbInformation, kTitulo};
  struct Caso {
    const char* Fecha;
    bool Avisa;
  };
  // 5,474 and 5,475 days before the first of April of 2003.
  const Caso casos[] = {{"05/04/1988", true}, {"04/04/1988", false}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Fecha);
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, Consistente({{"234", c.Fecha}}));
    const std::size_t antes = User.Messages().size();
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      for (const char* modo : {"0", "2"}) {
        if (c.Avisa) User.ExpectMsgBox(aviso, forms::vbOK);
        EXPECT_FALSE(f.ValidaTodo(modo)) << modo;  // the spouse has no names
      }
      Cierra(f);
    });
    EXPECT_EQ(User.Messages().size(), antes + (c.Avisa ? 2 : 0));
  }
}

TEST_F(ValidaTodo, TheAmountPaidAgainstTheBalanceOwedIsAWarningBeforeTheChecks) {
  struct Caso {
    const char* Saldo146;  // stored, then as shown
    const char* Muestra146;
    const char* Pagado180;
    const char* Muestra180;
    const char* Aviso;
  };
  const Caso casos[] = {
      {"1000", "1,000", "800", "800", "VELTA generará una orden de pago por impuesto a la renta \n"},
      {"", "", "1000", "1,000", "El importe a pagar por impuesto a la renta  tiene un exceso\n"},
      {"-500", "(500)", "0", "0", nullptr},  // nothing paid of a balance in favour
      {"1200", "1,200", "1200", "1,200", nullptr},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Muestra146) + " / " + c.Muestra180);
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, Consistente({{"146", c.Saldo146}, {"180", c.Pagado180}}));
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      EXPECT_EQ(f.txtvalor(146).Text(), c.Muestra146);
      EXPECT_EQ(f.txtvalor(180).Text(), c.Muestra180);
      if (c.Aviso != nullptr) User.ExpectMsgBox({c.Aviso, forms::vbInformation, kTitulo}, forms::vbOK);
      User.ExpectMsgBox(kSinInconsistencias, forms::vbOK);
      Valida(f);
      Cierra(f);
    });
  }
}

TEST_F(ValidaTodo, AListThatCannotBeWrittenIsToldByItsFileAndNoWindowOpens) {
  struct Caso {
    const char* Nombre;
    std::function<void()> Impide;
    std::function<void()> Devuelve;
  };
  const std::string carpeta = Instalacion.Layout().ProgramFolder;
  std::vector<Caso> casos = {
      {"a folder in its place", [&] { std::filesystem::create_directory(Archivo()); },
       [&] { std::filesystem::remove(Archivo()); }},
  };
  // The superuser writes into read-only folders.
  if (::geteuid() != 0) {
    casos.push_back({"a read-only program folder", [&] { ::chmod(carpeta.c_str(), 0555); },
                     [&] { ::chmod(carpeta.c_str(), 0755); }});
  }
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    std::filesystem::remove(Archivo());
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, Consistente({{"027", ""}}));
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      c.Impide();
      // The error the system meets, as the files layer tells it.
      std::string error;
      try {
        vb::Files archivos;
        archivos.Open(G().RutaSistema + "Mens.txt", vb::OpenMode::Output, 1);
      } catch (const vb::Error& e) {
        error = "Error " + vb::NumberText(e.Number()) + ": " + e.Description();
      }
      ASSERT_NE(error, "");
      User.ExpectMsgBox({"No se pudo escribir la lista de inconsistencias " + G().RutaSistema + "Mens.txt.\n" + error,
                         forms::vbCritical, kTitulo},
                        forms::vbOK);
      EXPECT_FALSE(f.ValidaTodo("0"));
      c.Devuelve();
      Cierra(f);
    });
    EXPECT_EQ(ListasMostradas, 0);
  }
}

TEST_F(ValidaTodo, ATelephoneOfFiveCharactersIsRefusedWithTheFocusOnIt) {
  struct Caso {
    const char* Telefono;
    bool Pasa;
  };
  const Caso casos[] = {{"12345", false}, {"123456", true}, {"", true}};
  Guarda(kGarcia, Consistente());
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    for (const Caso& c : casos) {
      SCOPED_TRACE(c.Telefono);
      f.TxtTelefono.SetText(c.Telefono);
      User.Focus(f.cboProfesion);
      if (!c.Pasa) User.ExpectMsgBox({"Ingrese correctamente el teléfono", forms::vbCritical, kTitulo}, forms::vbOK);
      EXPECT_EQ(f.ValIdent("1"), c.Pasa);
      EXPECT_EQ(f.ActiveControl(), c.Pasa ? static_cast<forms::Control*>(&f.cboProfesion) : &f.TxtTelefono);
    }
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
