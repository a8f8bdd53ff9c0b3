// Report files registered in the spool, by one program and by two at once;
// a row only with its file; a full series; the line cursor.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <functional>
#include <set>

#include "app/servicios/Spool.h"
#include "platform/db/Engine.h"
#include "platform/files/NativePath.h"
#include "platform/files/WholeFile.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

class Spool : public Servicios {
 protected:
  Spool() { G().RutaReportes = Sample.SysPath() + "RPT"; }

  /// Registers a report of `codigo` whose file holds its own name.
  static std::string Registra(const char* codigo, const char* documento = "10076543211") {
    return RegistraSpool(codigo, 6, documento, [](const std::string& ruta) { vb::WriteFileAtomically(ruta, ruta); });
  }
  /// The files of the report folder.
  static std::set<std::string> Reportes() {
    std::set<std::string> nombres;
    for (const auto& e : std::filesystem::directory_iterator(vb::NativePath(G().RutaReportes))) {
      nombres.insert(e.path().filename().string());
    }
    return nombres;
  }
  void Add(const std::array<const char*, 3>& row) {
    Run({std::string("INSERT INTO SPOOL VALUES ('") + row[0] + "','" + row[1] + "','" + row[2] +
         "',#03/15/2003#,'SUPERV',6,'10023456783')"});
  }
  std::vector<std::string> Numbered(const char* pattern, int count) {
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) texts.push_back(vb::Format(i, pattern));
    return texts;
  }
};

TEST_F(Spool, TheSequenceCountsPerCodeAndTheFileOverAllRows) {
  struct Case {
    const char* Why;
    std::vector<std::array<const char*, 3>> Rows;  // CodRep, Secuencia, Archivo
    const char* Codigo;
    const char* Secuencia;
    const char* Archivo;
  };
  const std::vector<Case> cases = {
      {"an empty spool", {}, "RP0006", "000001", "00000001.PRN"},
      {"the next of its code, the next of all",
       {{"RP0007", "000001", "00000041.PRN"}, {"RP0006", "000007", "00000040.PRN"}},
       "RP0006",
       "000008",
       "00000042.PRN"},
      {"a code's first row",
       {{"RP0007", "000001", "00000041.PRN"}, {"RP0006", "000007", "00000040.PRN"}},
       "RP0009",
       "000001",
       "00000042.PRN"},
      {"names of other programs that do not begin with eight digits",
       {{"RP0006", "000003", "00000005.PRN"}, {"XX0001", "000001", "REPORTE1.PRN"}, {"XX0001", "000002", "9999.PRN"}},
       "RP0006",
       "000004",
       "00000006.PRN"},
  };
  for (const Case& c : cases) {
    Run({"DELETE FROM SPOOL"});
    for (const auto& row : c.Rows) Add(row);
    const vb::DateTime before = vb::Now();
    EXPECT_EQ(Registra(c.Codigo), c.Archivo) << c.Why;
    const std::string archivo = c.Archivo;
    EXPECT_EQ(vb::ReadFileBytes(G().RutaReportes + "\\" + archivo), G().RutaReportes + "\\" + archivo) << c.Why;
    EXPECT_EQ(Rows("SELECT CodRep, Secuencia, Usuario, tip_doc_d, Doc_id_d FROM SPOOL WHERE Archivo='" + archivo + "'"),
              std::vector<std::string>{std::string(c.Codigo) + "|" + c.Secuencia + "|ASESOR1|6|10076543211"})
        << c.Why;
    auto rs =
        G().BaseDatos->OpenRecordset("SELECT Fecha FROM SPOOL WHERE Archivo='" + archivo + "'", dao::dbOpenSnapshot);
    const double fecha = rs->Fields("Fecha").Value().DateValue().Serial;
    EXPECT_GE(fecha, before.Serial - 1.0 / 86400) << c.Why;
    EXPECT_LE(fecha, vb::Now().Serial + 1.0 / 86400) << c.Why;
  }
}

TEST_F(Spool, AFailedRegistrationAddsNothingAndEndsItsTransaction) {
  Add({"RP0006", "000001", "00000001.PRN"});
  EXPECT_EQ(ErrorNumberOf([] { Registra("RP0006", "1234567890123456"); }), 3163);  // too long
  EXPECT_EQ(ErrorNumberOf([] { G().Motor.Workspaces(0).CommitTrans(); }), 3034);
  EXPECT_EQ(Rows("SELECT Archivo FROM SPOOL"), std::vector<std::string>{"00000001.PRN"});
  EXPECT_EQ(Registra("RP0006"), "00000002.PRN");

  Run({"DROP TABLE SPOOL"});
  EXPECT_EQ(ErrorNumberOf([] { Registra("RP0006"); }), 3078);
  EXPECT_EQ(ErrorNumberOf([] { G().Motor.Workspaces(0).CommitTrans(); }), 3034);
}

// The row is committed only once its file is written: whatever fails, the
// spool and the folder are left as they were, and the number is taken again.
TEST_F(Spool, ARowStandsOnlyWithItsFile) {
  struct Case {
    const char* Why;
    std::function<void(const std::string& ruta)> Escribe;
    int Error;
  };
  const std::string carpeta = G().RutaReportes;
  const Case cases[] = {
      {"the folder is not there",
       [&](const std::string& ruta) {
         std::filesystem::remove_all(vb::NativePath(carpeta));
         vb::WriteFileAtomically(ruta, "x");
       },
       vb::ErrPathNotFound},
      {"the folder is a plain file",
       [&](const std::string& ruta) {
         std::filesystem::remove_all(vb::NativePath(carpeta));
         vb::WriteFileAtomically(carpeta, "x");
         vb::WriteFileAtomically(ruta, "x");
       },
       vb::ErrPathNotFound},
      {"the report fails before its file", [](const std::string&) { vb::Raise(vb::ErrOverflow); }, vb::ErrOverflow},
      // The file is there when the transaction ends under it.
      {"the commit is refused",
       [](const std::string& ruta) {
         vb::WriteFileAtomically(ruta, "x");
         G().Motor.Workspaces(0).Rollback();
       },
       3034},
  };
  Add({"RP0006", "000001", "00000001.PRN"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Why);
    std::filesystem::remove_all(vb::NativePath(carpeta));
    std::filesystem::create_directory(vb::NativePath(carpeta));
    const std::set<std::string> antes = Reportes();
    EXPECT_EQ(ErrorNumberOf([&] { RegistraSpool("RP0006", 6, "10076543211", c.Escribe); }), c.Error);
    EXPECT_EQ(ErrorNumberOf([] { G().Motor.Workspaces(0).CommitTrans(); }), 3034);
    EXPECT_EQ(Rows("SELECT Archivo FROM SPOOL"), std::vector<std::string>{"00000001.PRN"});
    if (std::filesystem::is_directory(vb::NativePath(carpeta))) {
      EXPECT_EQ(Reportes(), antes);
    }
  }
  std::filesystem::remove_all(vb::NativePath(carpeta));
  std::filesystem::create_directory(vb::NativePath(carpeta));
  EXPECT_EQ(Registra("RP0006"), "00000002.PRN");
  EXPECT_EQ(Reportes(), std::set<std::string>{"00000002.PRN"});
}

// Past the last number the spool has room for, the registration says which
// series is full; the host's rows stay as they are and no file is written.
TEST_F(Spool, AFullSeriesIsToldAndNothingIsWritten) {
  struct Case {
    const char* Why;
    std::vector<std::array<const char*, 3>> Rows;  // CodRep, Secuencia, Archivo
    const char* Codigo;
    std::string Texto;
  };
  const Case cases[] = {
      {"the last file", {{"RP0007", "000004", "99999999.PRN"}}, "RP0006", common::SpoolSinArchivos()},
      {"the last sequence of the code",
       {{"RP0006", "999999", "00000010.PRN"}},
       "RP0006",
       common::SpoolSinSecuencia("RP0006")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Why);
    Run({"DELETE FROM SPOOL"});
    for (const auto& row : c.Rows) Add(row);
    const std::vector<std::string> antes = Rows("SELECT * FROM SPOOL");
    bool escrito = false;
    try {
      RegistraSpool(c.Codigo, 6, "10076543211", [&](const std::string&) { escrito = true; });
      ADD_FAILURE() << "registered";
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), vb::ErrOverflow);
      EXPECT_EQ(e.Description(), c.Texto);
    }
    EXPECT_FALSE(escrito);
    EXPECT_EQ(Rows("SELECT * FROM SPOOL"), antes);
  }
  EXPECT_EQ(common::SpoolSinArchivos(),
            "El spool de reportes (SPOOL) está lleno: ya tiene el archivo 99999999.PRN, el último que su numeración "
            "admite.");
  EXPECT_EQ(common::SpoolSinSecuencia("RP0006"),
            "El spool de reportes (SPOOL) está lleno para el reporte RP0006: ya tiene la secuencia 999999, la última "
            "que admite.");
  // Another code's series goes on.
  EXPECT_EQ(Registra("RP0007"), "00000011.PRN");
}

// KR917 and 0917SND registering at the same moment, many times over.
TEST_F(Spool, TwoProgramsAtOnceNeverTakeTheSameNumber) {
  constexpr int kEach = 25;
  G().BaseDatos->Close();
  std::array<pid_t, 2> children{};
  for (std::size_t k = 0; k < children.size(); ++k) {
    children[k] = ::fork();
    ASSERT_GE(children[k], 0);
    if (children[k] == 0) {
      int status = 0;
      try {
        dao::DBEngine engine;
        auto db = Sample.Open(engine);
        for (std::size_t i = 0; i < kEach; ++i) {
          const char* codigo = (i + k) % 2 == 0 ? "RP0006" : "RP0007";
          common::RegistraSpool(engine.Workspaces(0), *db, "ASESOR1", codigo, 6, "10076543211", G().RutaReportes,
                                [](const std::string& ruta) { vb::WriteFileAtomically(ruta, ""); });
        }
      } catch (...) {
        status = 1;
      }
      ::_exit(status);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a program failed to register";
  }
  G().BaseDatos = Sample.Open(G().Motor);
  std::vector<std::string> archivos;
  for (const std::string& n : Numbered("00000000", 2 * kEach)) archivos.push_back(n + ".PRN");
  EXPECT_EQ(Rows("SELECT Archivo FROM SPOOL ORDER BY Archivo"), archivos);
  for (const char* codigo : {"RP0006", "RP0007"}) {
    EXPECT_EQ(Rows(std::string("SELECT Secuencia FROM SPOOL WHERE CodRep='") + codigo + "' ORDER BY Secuencia"),
              Numbered("000000", kEach))
        << codigo;
  }
}

TEST(SumaLinea, AdvancesTheCursor) {
  struct Case {
    std::int16_t Cursor, Paso;
    const char* Texto;
    std::int16_t Despues;
  };
  const Case cases[] = {
      {1400, 175, "1575", 1575},
      {-200, 175, "-25", -25},
      {32592, 175, "32767", 32767},
  };
  for (const Case& c : cases) {
    std::int16_t cursor = c.Cursor;
    EXPECT_EQ(SumaLinea(cursor, c.Paso), c.Texto);
    EXPECT_EQ(cursor, c.Despues);
  }
  std::int16_t cursor = 32700;
  EXPECT_EQ(ErrorNumberOf([&] { SumaLinea(cursor, 175); }), vb::ErrOverflow);
  EXPECT_EQ(cursor, 32700);
}

}  // namespace
}  // namespace app::testing
