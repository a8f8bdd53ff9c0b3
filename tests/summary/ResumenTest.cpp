// 0917SND's run on the sample installation: both summaries byte for byte,
// the spool row, the copies, and every way the run ends without them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "common/CuentaTrabajo.h"
#include "common/LectorComandos.h"
#include "platform/db/JetError.h"
#include "platform/files/NativePath.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Constants.h"
#include "platform/profile/Profile.h"
#include "platform/text/Strings.h"
#include "summary/Compartidas.h"
#include "summary/TextoEnvio.h"
#include "tests/summary/ResumenFixture.h"
#include "tests/support/OtherProgram.h"
#include "tests/support/Processes.h"
#include "tests/support/TestSupport.h"

namespace kr::testing {
namespace {

const forms::MessageBox kSinDatos{"No existe data para Generar Reporte de Envio!!!\r\n\n", forms::vbCritical, "Error"};

// The return of kLinea: paid in cash, nothing to rectify.
class Efectivo : public Resumen {
 protected:
  void SetUp() override {
    Guarda(kRuc, "EMPRESA DE PRUEBAS DEL NORTE", "' '", "' '",
           {{"146", "1234567"}, {"180", "0"}, {"598", "1234567"}, {"871", "0"}});
  }
};

TEST_F(Efectivo, WritesBothSummariesRegistersTheReportAndCopiesThem) {
  Ejecuta({"INSERT INTO SPOOL VALUES ('RP0006','000004','00000007.PRN',#03/20/2003#,'SUPERV',6,'10076543211')",
           "INSERT INTO SPOOL VALUES ('RP0007','000002','00000003.PRN',#03/21/2003#,'SUPERV',6,'10023456783')"});
  const std::set<std::string> temporales = Archivos("TMP");

  EXPECT_EQ(Corre(kLinea), 0);
  EXPECT_TRUE(Usuario.Messages().empty());

  const std::string clave(kClave);
  EXPECT_EQ(Lee("TMP/" + clave + ".txt"), ConCrLf({
                                              "DOCUMENTO      : 123456789012345",
                                              "RAZON SOCIAL   : EMPRESA DE PRUEBAS D",
                                              "FORMULARIO     : 0917-QBX Renta Anual",
                                              "PERIODO        : 2002",
                                              "RECTIFICATORIA : NO",
                                              "FORMA DE PAGO  : EFECTIVO",
                                              " ",
                                              "TRIBUTO        TOTAL DEUDA   MONTO PAGO",
                                              "Renta        " + Sp(1) + Sp(3) + "1,234,567" + Sp(1) + Sp(11) + "0",
                                              "TOTAL:" + Sp(19) + Sp(1) + Sp(4) + "1,234,567",
                                              " ",
                                              "NC 12345678  Fec.Generación: 01/04/2003",
                                          }));
  const std::string reporte = Lee("RPT/00000008.PRN");
  EXPECT_EQ(reporte, ReporteEsperado({
                         "",
                         "",
                         "",
                         "",
                         Sp(10) + "01/04/2003" + Sp(56) + "Pag. 01/01",
                         Sp(10) + "09:30:15",
                         "",
                         Sp(16) + "Resumen de envío - QBX 917",
                         "",
                         Sp(10) + "DOCUMENTO        : 123456789012345",
                         Sp(10) + "RAZON SOCIAL     : EMPRESA DE PRUEBAS DEL NORTE",
                         Sp(10) + "FORMULARIO       : 0917-QBX Renta Anual",
                         Sp(10) + "PERIODO          : 2002",
                         Sp(10) + "RECTIFICATORIA   : NO",
                         Sp(10) + "FORMA DE PAGO    : EFECTIVO",
                         "",
                         "",
                         Sp(10) + "TRIBUTO            TOTAL DEUDA     MONTO PAGO",
                         Sp(10) + "Renta            " + Sp(1) + Sp(3) + "1,234,567" + Sp(1) + Sp(13) + "0",
                         Sp(10) + "TOTAL:" + Sp(24) + Sp(1) + Sp(5) + "1,234,567",
                         "",
                         Sp(10) + "NC 12345678" + Sp(8) + "Fec.Generación: 01/04/2003",
                         "",
                         "",
                         "",
                     }));
  EXPECT_NE(reporte.find("pPos|10|1050|          01/04/2003"), std::string::npos);
  EXPECT_NE(reporte.find("Generaci\xF3n"), std::string::npos);
  EXPECT_EQ(Lee("RPT/" + clave + ".PRN"), reporte);

  // The host's spool and KR917's preview read it as one page.
  const common::LecturaComandos leido = common::LeeComandos(reporte);
  EXPECT_EQ(leido.LineaNoValida, 0);
  EXPECT_TRUE(std::all_of(leido.Comandos.begin(), leido.Comandos.end(), [](const common::Comando& c) {
    return c.Tipo != common::TipoComando::NuevaHoja && c.Pagina == 0;
  }));

  EXPECT_EQ(Filas("SELECT * FROM SPOOL WHERE CodRep='RP0007' ORDER BY Secuencia"),
            (std::vector<std::string>{"RP0007|000002|00000003.PRN|21/03/2003|SUPERV|6|10023456783",
                                      "RP0007|000003|00000008.PRN|01/04/2003 09:30:15|ASESOR1|6|123456789012345"}));
  std::set<std::string> esperados = temporales;
  esperados.insert(clave + ".txt");
  EXPECT_EQ(Archivos("TMP"), esperados);
  EXPECT_EQ(Archivos("RPT"), (std::set<std::string>{"00000008.PRN", clave + ".PRN"}));

  // The settings name the workgroup file with the folder's "\" and one more.
  EXPECT_NE(vb::ReadFileBytes(Muestra.Layout().Settings)
                .find("SystemDB=" + Muestra.Layout().ProgramFolder + "\\\\KR000.MDW\r\n"),
            std::string::npos);
}

TEST_F(Efectivo, ATakenTemporaryNameIsLeftAloneAndTheCopiesAreReplaced) {
  ASSERT_EQ(Corre(kLinea), 0);
  const std::string primero = summary::G().ArchivoTexto;
  const std::string nombre = primero.substr(primero.rfind('\\') + 1);
  const std::string texto = Lee("TMP/" + std::string(kClave) + ".txt");

  // The same moment in the same process draws the same name first.
  summary::ReiniciaCompartidas();
  std::ofstream(std::filesystem::path(Muestra.Layout().ProgramFolder) / "TMP" / nombre) << "ajeno";
  std::ofstream(std::filesystem::path(Muestra.Layout().ProgramFolder) / "TMP" / (std::string(kClave) + ".txt"))
      << "viejo";
  ASSERT_EQ(Corre(kLinea), 0);
  EXPECT_NE(summary::G().ArchivoTexto, primero);
  EXPECT_EQ(Lee("TMP/" + nombre), "ajeno");
  EXPECT_EQ(Lee("TMP/" + std::string(kClave) + ".txt"), texto);
  EXPECT_EQ(Lee("RPT/" + std::string(kClave) + ".PRN"), Lee("RPT/00000002.PRN"));
  EXPECT_EQ(Archivos("TMP"), (std::set<std::string>{"env917.txt", nombre, std::string(kClave) + ".txt"}));
}

// A run killed once its text is written leaves nothing of it in TMP, and
// a file of that kind of name that is not the run's stays.
TEST_F(Efectivo, AKilledRunLeavesNoText) {
  const std::filesystem::path tmp = std::filesystem::path(Muestra.Layout().ProgramFolder) / "TMP";
  std::ofstream(tmp / "87654321") << "ajeno";
  const std::set<std::string> antes = Archivos("TMP");
  int nombre[2];
  ASSERT_EQ(::pipe(nombre), 0);
  ASSERT_TRUE(RunKilled([&] {
    summary::ReiniciaCompartidas();
    summary::G().RutaTemporal = Muestra.Layout().ProgramFolder + "\\TMP";
    summary::GeneraTextoEnvio(std::string(kRuc));
    // Its name, once it is written whole.
    const std::string texto = summary::G().ArchivoTexto;
    if (std::filesystem::exists(vb::NativePath(texto))) (void)!::write(nombre[1], texto.data(), texto.size());
  }));
  ::close(nombre[1]);
  char leido[256] = {};
  const ssize_t largo = ::read(nombre[0], leido, sizeof leido - 1);
  ::close(nombre[0]);
  ASSERT_GT(largo, 0) << "the killed run wrote no text";
  SCOPED_TRACE(leido);
  EXPECT_EQ(Archivos("TMP"), antes);

  ASSERT_EQ(Corre(kLinea), 0);
  std::set<std::string> esperados = antes;
  esperados.insert(std::string(kClave) + ".txt");
  EXPECT_EQ(Archivos("TMP"), esperados);
  EXPECT_EQ(Lee("TMP/87654321"), "ajeno");
}

// RPT and TMP may be shared with other users and programs: a link planted
// under the next report's name or a copy's is replaced by the summary, and
// the file it led to is untouched.
TEST_F(Efectivo, LinksPlantedUnderItsFilesNamesAreReplacedAndWhatTheyLedToIsUntouched) {
  namespace fs = std::filesystem;
  TempFolder ajena;
  const fs::path programa = Muestra.Layout().ProgramFolder;
  const std::string clave(kClave);
  const std::string nombres[] = {"RPT/00000001.PRN", "RPT/" + clave + ".PRN", "TMP/" + clave + ".txt"};
  for (const std::string& n : nombres) {
    const std::string destino = ajena / fs::path(n).filename().string();
    ajena.Write(fs::path(n).filename().string(), "ajeno");
    fs::create_symlink(destino, programa / n);
  }

  ASSERT_EQ(Corre(kLinea), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  for (const std::string& n : nombres) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(fs::is_symlink(programa / n));
    EXPECT_EQ(ajena.Read(fs::path(n).filename().string()), "ajeno");
  }
  EXPECT_EQ(Lee("RPT/" + clave + ".PRN"), Lee("RPT/00000001.PRN"));
  EXPECT_EQ(Lee("TMP/" + clave + ".txt").substr(0, 34), "DOCUMENTO      : 123456789012345\r\n");
  EXPECT_EQ(Filas("SELECT Archivo FROM SPOOL"), std::vector<std::string>{"00000001.PRN"});
}

// A second name given to a report, of the form a dead run's temporary file
// has, never makes the next run delete the report its spool row names.
TEST_F(Efectivo, AReportUnderADeadRunsTemporaryNameIsKept) {
  ASSERT_EQ(Corre(kLinea), 0);
  const std::string reporte = Lee("RPT/00000001.PRN");
  const std::filesystem::path rpt = std::filesystem::path(Muestra.Layout().ProgramFolder) / "RPT";
  pid_t muerto = ::fork();
  if (muerto == 0) ::_exit(0);
  ASSERT_EQ(::waitpid(muerto, nullptr, 0), muerto);
  const std::string segundo = ".00000001.PRN." + std::to_string(muerto) + ".0.tmp";
  std::filesystem::create_hard_link(rpt / "00000001.PRN", rpt / segundo);

  summary::ReiniciaCompartidas();
  ASSERT_EQ(Corre(kLinea), 0);
  EXPECT_EQ(Lee("RPT/00000001.PRN"), reporte);
  EXPECT_EQ(Archivos("RPT"), (std::set<std::string>{"00000001.PRN", "00000002.PRN", std::string(kClave) + ".PRN", segundo}));
  EXPECT_EQ(Filas("SELECT Archivo FROM SPOOL ORDER BY Archivo"),
            (std::vector<std::string>{"00000001.PRN", "00000002.PRN"}));
}

// The spool's row stands only with its file: neither is left when the
// report cannot be written.
TEST_F(Efectivo, WithoutItsReportFolderTheRunEndsAndLeavesNoTemporaryText) {
  const std::filesystem::path rpt = std::filesystem::path(Muestra.Layout().ProgramFolder) / "RPT";
  for (const bool archivo : {false, true}) {
    SCOPED_TRACE(archivo ? "RPT a plain file" : "RPT missing");
    summary::ReiniciaCompartidas();
    std::filesystem::remove_all(rpt);
    if (archivo) std::ofstream(rpt) << "x";
    CorreHastaElError(kLinea, 76, "No se ha encontrado la ruta de acceso");
    EXPECT_TRUE(Filas("SELECT Archivo FROM SPOOL").empty());
  }
}

// A full series in the spool is told, and no summary is written; the host's
// rows are left as they are.
TEST_F(Efectivo, AFullSpoolSeriesIsToldAndNothingIsWritten) {
  struct Caso {
    const char* Fila;  // the SPOOL row already there
    std::string Texto;
  };
  const Caso casos[] = {
      {"('RP0006','000004','99999999.PRN',#03/20/2003#,'SUPERV',6,'10076543211')",
       "El spool de reportes (SPOOL) está lleno: ya tiene el archivo 99999999.PRN, el último que su numeración "
       "admite."},
      {"('RP0007','999999','00000007.PRN',#03/20/2003#,'SUPERV',6,'10076543211')",
       "El spool de reportes (SPOOL) está lleno para el reporte RP0007: ya tiene la secuencia 999999, la última que "
       "admite."},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Fila);
    summary::ReiniciaCompartidas();
    Ejecuta({"DELETE FROM SPOOL", std::string("INSERT INTO SPOOL VALUES ") + c.Fila});
    const std::vector<std::string> spool = Filas("SELECT * FROM SPOOL");
    CorreHastaElError(kLinea, 6, c.Texto);
    EXPECT_EQ(Filas("SELECT * FROM SPOOL"), spool);
    EXPECT_TRUE(Archivos("RPT").empty());
  }
}

// Another program's row may hold more than a box: the run names the box and
// leaves no summary at all.
TEST_F(Resumen, AnAmountBeyondItsBoxIsToldByItsBoxAndNoSummaryIsWritten) {
  struct Caso {
    const char* Casilla;
    const char* Valor;
  };
  const Caso casos[] = {
      {"146", "1e300"},
      {"180", "-1e300"},
      {"598", "1000000000000"},
      {"598", "-999999999999.5"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Casilla) + " " + c.Valor);
    summary::ReiniciaCompartidas();
    Ejecuta({"DELETE FROM CAB WHERE Doc_id_d='123456789012345'", "DELETE FROM DET WHERE Doc_id_d='123456789012345'",
             "DELETE FROM CONT WHERE Doc_id_d='123456789012345'"});
    Guarda(kRuc, "EMPRESA", "' '", "' '", {{c.Casilla, c.Valor}});
    CorreHastaElError(kLinea, 6,
                      "El importe de la casilla " + std::string(c.Casilla) + " excede los 12 dígitos que puede contener.");
    EXPECT_TRUE(Archivos("RPT").empty());
    EXPECT_TRUE(Filas("SELECT * FROM SPOOL").empty());
  }
  // Twelve digits, whatever their sign, fit the summary's 80 columns.
  summary::ReiniciaCompartidas();
  Ejecuta({"DELETE FROM CAB WHERE Doc_id_d='123456789012345'", "DELETE FROM DET WHERE Doc_id_d='123456789012345'"});
  Guarda(kRuc, nullptr, "' '", "' '", {{"146", "999999999999"}, {"180", "-999999999999"}, {"598", "999999999999"}});
  ASSERT_EQ(Corre(kLinea), 0);
  const std::string texto = Lee("TMP/" + std::string(kClave) + ".txt");
  EXPECT_NE(texto.find("\r\nRenta         999,999,999,999 -999,999,999,999\r\n"), std::string::npos);
  for (std::size_t inicio = 0, fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2) {
    EXPECT_LE(fin - inicio, 80u) << texto.substr(inicio, fin - inicio);
  }
}

TEST_F(Resumen, ACheckReturnShowsItsNumberAndItsBankCutInTheTextAndWholeInTheReport) {
  EXPECT_EQ(Corre(LineaDelHost("10455667785")), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  const std::string clave = "0917200200000000042";
  EXPECT_EQ(Lee("TMP/" + clave + ".txt"), ConCrLf({
                                              "DOCUMENTO      : 10455667785    ",
                                              "RAZON SOCIAL   : CHAVEZ LOPEZ LUCIA",
                                              "FORMULARIO     : 0917-QBX Renta Anual",
                                              "PERIODO        : 2002",
                                              "RECTIFICATORIA : SI",
                                              "FORMA DE PAGO  : CHEQUE",
                                              "NUMERO CHEQUE  : 00458712",
                                              "BANCO          : BANCO ANDINO DE CRED",
                                              " ",
                                              "TRIBUTO        TOTAL DEUDA   MONTO PAGO",
                                              "Renta        " + Sp(1) + Sp(7) + "3,480" + Sp(1) + Sp(7) + "3,480",
                                              "TOTAL:" + Sp(19) + Sp(1) + Sp(8) + "3,480",
                                              " ",
                                              "NC 00000042  Fec.Generación: 01/04/2003",
                                          }));
  const std::string reporte = Lee("RPT/" + clave + ".PRN");
  EXPECT_EQ(reporte, Lee("RPT/00000001.PRN"));
  for (const std::string& linea : {Sp(10) + "DOCUMENTO        : 10455667785    ", Sp(10) + "RECTIFICATORIA   : SI",
                                   Sp(10) + "FORMA DE PAGO    : CHEQUE", Sp(10) + "NUMERO DE CHEQUE : 00458712",
                                   Sp(10) + "BANCO            : BANCO ANDINO DE CREDITO"}) {
    SCOPED_TRACE(linea);
    EXPECT_NE(reporte.find("|" + linea + "|"), std::string::npos);
  }
}

TEST_F(Resumen, TheHostsPaddedDocumentNumberIsFoundAndRegisteredTrimmed) {
  const std::string linea = LineaDelHost("10433221104");
  ASSERT_EQ(linea.substr(2, 15), "10433221104    ");
  EXPECT_EQ(Corre(linea), 0);
  EXPECT_EQ(Lee("TMP/0917200200000000042.txt").substr(0, 34), "DOCUMENTO      : 10433221104    \r\n");
  EXPECT_EQ(Filas("SELECT CodRep, Doc_id_d FROM SPOOL"), std::vector<std::string>{"RP0007|10433221104"});
}

TEST_F(Resumen, TheBankOfACheque) {
  struct Caso {
    const char* Banco;  // bcolibrad as SQL
    const char* Texto;
    const char* Reporte;
  };
  const Caso casos[] = {
      {"'03'", "BANCO INTERCONTINENT", "BANCO INTERCONTINENTAL DEL SUR"},
      {"Null", "", ""},
      {"'XX'", "", ""},  // no bank chosen
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Banco);
    Ejecuta({"DELETE FROM CAB WHERE Doc_id_d='123456789012345'", "DELETE FROM DET WHERE Doc_id_d='123456789012345'",
             "DELETE FROM CONT WHERE Doc_id_d='123456789012345'"});
    Guarda(kRuc, "EMPRESA", c.Banco, "'000111'", {{"180", "10"}});
    summary::ReiniciaCompartidas();
    ASSERT_EQ(Corre(kLinea), 0);
    EXPECT_NE(Lee("TMP/" + std::string(kClave) + ".txt").find("\r\nBANCO          : " + std::string(c.Texto) + "\r\n"),
              std::string::npos);
    EXPECT_NE(Lee("RPT/" + std::string(kClave) + ".PRN").find("|" + Sp(10) + "BANCO            : " + c.Reporte + "|"),
              std::string::npos);
  }
}

TEST_F(Resumen, AMissingAmountAddsNothingToItsLine) {
  Guarda(kRuc, "EMPRESA", "' '", "' '", {{"180", "500"}, {"598", "500"}});
  ASSERT_EQ(Corre(kLinea), 0);
  EXPECT_NE(Lee("TMP/" + std::string(kClave) + ".txt").find("\r\nRenta        " + Sp(1) + Sp(9) + "500\r\n"),
            std::string::npos);
  EXPECT_NE(
      Lee("RPT/" + std::string(kClave) + ".PRN").find("|" + Sp(10) + "Renta            " + Sp(1) + Sp(11) + "500|"),
      std::string::npos);
}

TEST_F(Resumen, ABarInTheNameIsABlankInTheReport) {
  Guarda(kRuc, "GOMEZ | HIJOS S.A.C.", "' '", "' '", {{"180", "500"}});
  ASSERT_EQ(Corre(kLinea), 0);
  EXPECT_NE(Lee("TMP/" + std::string(kClave) + ".txt").find("\r\nRAZON SOCIAL   : GOMEZ | HIJOS S.A.C.\r\n"),
            std::string::npos);
  const std::string reporte = Lee("RPT/" + std::string(kClave) + ".PRN");
  EXPECT_NE(reporte.find("|" + Sp(10) + "RAZON SOCIAL     : GOMEZ   HIJOS S.A.C.|"), std::string::npos);
  EXPECT_EQ(common::LeeComandos(reporte).LineaNoValida, 0);
}

TEST_F(Resumen, OnlyTheBoxesOfTheArraysAreRead) {
  Guarda(kRuc, "EMPRESA", "' '", "' '",
         {{"000", "1"},
          {"721", "2"},
          {"722", "3"},
          {"750", "4"},
          {"1.5", "5"},
          {"001", "6"},
          {"700", "7"},
          {"800", "8"},
          {"999", "9"}});
  ASSERT_EQ(Corre(kLinea), 0);
  std::vector<std::string> leidas;
  for (int casilla = 0; casilla <= 1000; ++casilla) {
    if (!summary::ValorDe(casilla).empty()) leidas.push_back(std::to_string(casilla) + "=" + summary::ValorDe(casilla));
  }
  EXPECT_EQ(leidas, (std::vector<std::string>{"1=6", "700=7", "800=8", "999=9"}));
}

struct CasoSinDatos {
  const char* Nombre;
  const char* Sql;
  friend void PrintTo(const CasoSinDatos& c, std::ostream* os) { *os << c.Nombre; }
};

class SinDatos : public Resumen, public ::testing::WithParamInterface<CasoSinDatos> {};

TEST_P(SinDatos, ShowsTheNoDataBoxAndWritesNothing) {
  const std::string linea = LineaDelHost("10433221104");
  Ejecuta({GetParam().Sql});
  const std::set<std::string> temporales = Archivos("TMP");
  Usuario.ExpectMsgBox(kSinDatos, forms::vbOK);
  EXPECT_EQ(Corre(linea), 1);
  Usuario.VerifyDone();
  EXPECT_EQ(Archivos("TMP"), temporales);
  EXPECT_TRUE(Archivos("RPT").empty());
  EXPECT_TRUE(Filas("SELECT * FROM SPOOL").empty());
}

INSTANTIATE_TEST_SUITE_P(Casos, SinDatos,
                         ::testing::Values(CasoSinDatos{"no CONT row", "DELETE FROM CONT WHERE Doc_id_d='10433221104'"},
                                           CasoSinDatos{"no CAB row", "DELETE FROM CAB WHERE Doc_id_d='10433221104'"}));

TEST_F(Resumen, ABadCommandLineIsRefusedBeforeAnythingIsReadOrWritten) {
  const std::string ajustes = vb::ReadFileBytes(Muestra.Layout().Settings);
  const std::string casos[] = {
      "",
      "--123456789012345091",                                     // 20 characters
      "--1234567890123450917200200X12345678",                     // the week no digit
      "--1234567890123450917200200" + std::string("0..\\x    "),  // a way out of RPT
      "--1234567890123450917/00200012345678",                     // a folder in the form
      "--1234567890123450917200200012\t45678",                    // a control character
  };
  for (const std::string& linea : casos) {
    SCOPED_TRACE(linea);
    summary::ReiniciaCompartidas();
    CorreHastaElError(linea, 5, "La línea de órdenes no es válida: " + linea);
  }
  EXPECT_EQ(vb::ReadFileBytes(Muestra.Layout().Settings), ajustes);
  EXPECT_TRUE(Archivos("RPT").empty());
  EXPECT_TRUE(Filas("SELECT * FROM SPOOL").empty());
}

TEST_F(Resumen, ALockedDatabaseEndsTheRunWithStatus2) {
  const dexlora::SampleLayout& l = Muestra.Layout();
  const std::string linea = LineaDelHost("10433221104");
  dao::DBEngine suyo;
  std::shared_ptr<dao::Database> retenida;
  WithOtherProgram(
      [&] {
        const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
        suyo.SetSystemDB(l.Workgroup);
        suyo.SetDefaultUser(cuenta.Usuario);
        suyo.SetDefaultPassword(cuenta.Clave);
        retenida = suyo.Workspaces(0).OpenDatabase(l.Database, true);
      },
      [&] {
        summary::G().Motor.SetLockWaitMs(100);
        Usuario.ExpectMsgBox(forms::MessageBox{"\n" + dao::JetErrorText(3051, {l.ProgramFolder + "\\KR000.DB"}) +
                                                   "\nIntente nuevamente por favor.",
                                               forms::vbCritical, "Mensaje"},
                             forms::vbOK);
        EXPECT_EQ(Corre(linea), 2);
        Usuario.VerifyDone();
      });
  EXPECT_TRUE(Archivos("RPT").empty());
}

TEST_F(Resumen, ADatabaseThatIsNotThereEndsTheRunWithStatus2) {
  ASSERT_TRUE(win::WritePrivateProfileString("Options", "DBName", "NOHAY.DB", "KR000.INI"));
  Usuario.ExpectMsgBox(
      forms::MessageBox{"\n" + dao::JetErrorText(3024, {Muestra.Layout().ProgramFolder + "\\NOHAY.DB"}) +
                            "\nIntente nuevamente por favor.",
                        forms::vbCritical, "Mensaje"},
      forms::vbOK);
  EXPECT_EQ(Corre(LineaDelHost("10433221104")), 2);
  Usuario.VerifyDone();
  EXPECT_FALSE(std::filesystem::exists(Muestra.Layout().ProgramFolder + "/NOHAY.DB"));
}

}  // namespace
}  // namespace kr::testing
