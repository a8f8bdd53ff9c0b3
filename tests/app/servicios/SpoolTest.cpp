// Report files registered in the spool, by one program and by two at once; the line cursor.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

#include "app/servicios/Spool.h"
#include "platform/db/Engine.h"
#include "platform/text/DateTime.h"
#include "platform/text/Format.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

class Spool : public Servicios {
 protected:
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
    EXPECT_EQ(RegistraSpool(c.Codigo, 6, "10076543211"), c.Archivo) << c.Why;
    const std::string archivo = c.Archivo;
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
  EXPECT_EQ(ErrorNumberOf([] { RegistraSpool("RP0006", 6, "1234567890123456"); }), 3163);  // too long
  EXPECT_EQ(ErrorNumberOf([] { G().Motor.Workspaces(0).CommitTrans(); }), 3034);
  EXPECT_EQ(Rows("SELECT Archivo FROM SPOOL"), std::vector<std::string>{"00000001.PRN"});
  EXPECT_EQ(RegistraSpool("RP0006", 6, "10076543211"), "00000002.PRN");

  Run({"DROP TABLE SPOOL"});
  EXPECT_EQ(ErrorNumberOf([] { RegistraSpool("RP0006", 6, "10076543211"); }), 3078);
  EXPECT_EQ(ErrorNumberOf([] { G().Motor.Workspaces(0).CommitTrans(); }), 3034);
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
          common::RegistraSpool(engine.Workspaces(0), *db, "ASESOR1", codigo, 6, "10076543211");
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
