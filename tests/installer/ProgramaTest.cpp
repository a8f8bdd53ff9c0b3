// The built LUD917 program, run as the host runs it: no display, any command line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/db/Engine.h"
#include "platform/profile/Profile.h"
#include "tests/installer/InstaladorFixture.h"
#include "tests/support/NotAFile.h"
#include "tests/support/WaitLimit.h"

namespace kr::testing {
namespace {

struct Resultado {
  int Estado = -1;
  std::string Errores;  // what it wrote to standard error
};

// Runs LUD917 with `argumentos`, without DISPLAY (a Qt platform only when
// `plataforma` names one), and waits for it; a run that waits on something
// nobody answers is ended when a test's time is up.
Resultado CorreLud917(std::vector<std::string> argumentos, const char* plataforma = nullptr) {
  int tubo[2];
  if (::pipe(tubo) != 0) return {};
  pid_t hijo = ::fork();
  if (hijo == 0) {
    ::dup2(tubo[1], STDERR_FILENO);
    ::close(tubo[0]);
    ::close(tubo[1]);
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    if (plataforma) {
      ::setenv("QT_QPA_PLATFORM", plataforma, 1);
    } else {
      ::unsetenv("QT_QPA_PLATFORM");
    }
    ::alarm(static_cast<unsigned>(kWaitLimit.count()));  // kept across exec
    std::vector<char*> argv;
    std::string programa = LUD917_PATH;
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

TEST(Programa, InstallsTheSampleSilentlyAndEndsWithStatus0) {
  SampleInstallation muestra;
  Resultado r = CorreLud917({"/X", "cualquier cosa"});
  EXPECT_EQ(r.Estado, 0);
  EXPECT_EQ(r.Errores, "");
  dao::DBEngine motor;
  auto db = muestra.Open(motor);
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM PARAM WHERE Numero='884'").size(), 38u);
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM envio_t").size(), 4u);
}

TEST(Programa, QtOptionsOnTheCommandLineChangeNothing) {
  SampleInstallation muestra;
  Resultado r = CorreLud917({"-platform", "nohay", "-reverse"}, "offscreen");
  EXPECT_EQ(r.Estado, 0) << r.Errores;
  dao::DBEngine motor;
  auto db = muestra.Open(motor);
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM envio_t").size(), 4u);
}

TEST(Programa, WithoutSysPathWritesItsMessageToStandardErrorAndEndsWithStatus2) {
  SampleInstallation muestra;
  ASSERT_TRUE(win::WritePrivateProfileString("Options", "SysPath", "", "KR000.INI"));
  // No display, or one that nobody sees: the box is written, and answered.
  for (const char* plataforma : {static_cast<const char*>(nullptr), "offscreen", "minimal"}) {
    SCOPED_TRACE(plataforma ? plataforma : "sin pantalla");
    Resultado r = CorreLud917({}, plataforma);
    EXPECT_EQ(r.Estado, 2);
    EXPECT_EQ(r.Errores, "Mensaje: Debe instalar primero el QBX \n");
  }
}

// Another user may put anything at the settings file's name in a shared
// Windows folder before the host writes it: what is not a file reads as no
// settings at all, and the program tells so at once.
TEST(Programa, WhatStandsAtTheSettingsNameInsteadOfAFileIsToldAtOnce) {
  SampleInstallation muestra;
  std::filesystem::remove(muestra.Layout().Settings);
  for (const NotAFileCase& c : kNotAFile) {
    SCOPED_TRACE(c.What);
    Planted planted(c.Kind, muestra.Layout().Settings);
    Resultado r = CorreLud917({});
    EXPECT_EQ(r.Estado, 2);
    EXPECT_EQ(r.Errores, "Mensaje: Debe instalar primero el QBX \n");
  }
}

}  // namespace
}  // namespace kr::testing
