// The built 0917SND program, run as the host runs it: no display, the
// command line as one argument (or several, joined by blanks).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text/Error.h"
#include "tests/summary/ResumenFixture.h"
#include "tests/support/Processes.h"
#include "tests/support/WaitLimit.h"

namespace kr::testing {
namespace {

struct Resultado {
  int Estado = -1;
  std::string Errores;  // what it wrote to standard error
};

// Runs 0917SND with `argumentos`, without a display (a Qt platform only when
// `plataforma` names one), and waits for it; a run that waits on something
// nobody answers is ended when a test's time is up.
Resultado Corre0917SND(std::vector<std::string> argumentos, const char* plataforma = nullptr) {
  int tubo[2];
  if (::pipe(tubo) != 0) return {};
  pid_t hijo = ::fork();
  if (hijo == 0) {
    ::dup2(tubo[1], STDERR_FILENO);
    ::close(tubo[0]);
    ::close(tubo[1]);
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(variable);
    if (plataforma) ::setenv("QT_QPA_PLATFORM", plataforma, 1);
    ::alarm(static_cast<unsigned>(kWaitLimit.count()));  // kept across exec
    std::vector<char*> argv;
    std::string programa = SND_PATH;
    argv.push_back(programa.data());
    for (std::string& a : argumentos) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(programa.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(tubo[1]);
  Resultado r;
  char buffer[512];
  for (ssize_t n; (n = ::read(tubo[0], buffer, sizeof buffer)) > 0;)
    r.Errores.append(buffer, static_cast<std::size_t>(n));
  ::close(tubo[0]);
  int estado = 0;
  ::waitpid(hijo, &estado, 0);
  r.Estado = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  return r;
}

TEST_F(Resumen, TheProgramWritesTheSummaryOfTheHostsLineSilently) {
  const std::string linea = LineaDelHost("10433221104");
  Resultado r = Corre0917SND({linea});
  EXPECT_EQ(r.Estado, 0);
  EXPECT_EQ(r.Errores, "");
  EXPECT_EQ(Archivos("RPT"), (std::set<std::string>{"00000001.PRN", "0917200200000000042.PRN"}));
  EXPECT_NE(Lee("TMP/0917200200000000042.txt"), "<missing>");

  // Split where a shell would split it, the line is joined again.
  r = Corre0917SND({linea.substr(0, 13), linea.substr(14)});
  EXPECT_EQ(r.Estado, 0) << r.Errores;
  EXPECT_EQ(Filas("SELECT Archivo FROM SPOOL ORDER BY Archivo"),
            (std::vector<std::string>{"00000001.PRN", "00000002.PRN"}));
}

TEST_F(Resumen, WithoutACommandLineTheProgramTellsItOnStandardError) {
  // No display, or one that nobody sees: the box is written, and answered.
  for (const char* plataforma : {static_cast<const char*>(nullptr), "offscreen", "minimal"}) {
    SCOPED_TRACE(plataforma ? plataforma : "sin pantalla");
    Resultado r = Corre0917SND({}, plataforma);
    EXPECT_EQ(r.Estado, 1);
    EXPECT_EQ(r.Errores,
              "Mensaje: Error tecnico:  5\nLa línea de órdenes no es válida: \nIntente nuevamente por favor.\n");
  }
}

// In an installation shared with other users, another user's link planted
// as RPT would lead the reports into a folder of that user's choosing: the
// run refuses to write through it (75), tells so, and leaves that folder, the
// spool and TMP as they were. The program folder is no sticky folder open to
// all, so the kernel's protection of links, where it is on, plays no part.
TEST_F(Resumen, TheProgramWritesNoReportThroughAnotherUsersLinkPlantedAsRpt) {
  namespace fs = std::filesystem;
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
  TempFolder ajena;
  ajena.Write("00000001.PRN", "ajeno");
  ajena.Write("00000002.PRN", "ajeno");
  const fs::path rpt = fs::path(Muestra.Layout().ProgramFolder) / "RPT";
  fs::remove_all(rpt);
  fs::create_symlink(ajena.Path(), rpt);
  ASSERT_EQ(::lchown(rpt.c_str(), AnotherUserThan(::geteuid()), static_cast<gid_t>(-1)), 0);
  const std::set<std::string> temporales = Archivos("TMP");

  Resultado r = Corre0917SND({LineaDelHost("10433221104")});
  EXPECT_EQ(r.Estado, 1);
  EXPECT_EQ(r.Errores, "Mensaje: Error tecnico:  75\n" + vb::ErrorText(vb::ErrPathFileAccess) +
                           "\nIntente nuevamente por favor.\n");
  EXPECT_EQ(NamesIn(ajena.Path()), (std::set<std::string>{"00000001.PRN", "00000002.PRN"}));
  EXPECT_EQ(ajena.Read("00000001.PRN"), "ajeno");
  EXPECT_EQ(ajena.Read("00000002.PRN"), "ajeno");
  EXPECT_TRUE(fs::is_symlink(rpt));
  EXPECT_TRUE(Filas("SELECT Archivo FROM SPOOL").empty());
  EXPECT_EQ(Archivos("TMP"), temporales);
}

}  // namespace
}  // namespace kr::testing
