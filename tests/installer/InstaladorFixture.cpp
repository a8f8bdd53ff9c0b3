#include "tests/installer/InstaladorFixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "installer/Inicio.h"
#include "platform/profile/Profile.h"
#include "platform/text/Variant.h"

namespace kr::testing {

Filas LeeFilas(dao::Database& db, const std::string& sql) {
  Filas filas;
  auto rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  while (!rs->EOF_()) {
    std::vector<std::string> fila;
    for (int i = 0; i < rs->Fields().Count(); ++i) {
      vb::Variant v = rs->Fields(i).Value();
      fila.push_back(vb::IsNull(v) ? "<Null>" : vb::TextOf(v));
    }
    filas.push_back(std::move(fila));
    rs->MoveNext();
  }
  rs->Close();
  std::sort(filas.begin(), filas.end());
  return filas;
}

int Instalador::Ejecuta() { return installer::Ejecuta(); }

std::shared_ptr<dao::Database> Instalador::Abre() { return Muestra.Open(Motor); }

void Instalador::Configura(const char* clave, const std::string& valor) {
  ASSERT_TRUE(win::WritePrivateProfileString("Options", clave, valor, "KR000.INI"));
}

std::string Instalador::ArchivoEnvios() const { return Muestra.SysPath() + "tmp\\env917.txt"; }

void ConOtroPrograma(const std::function<void()>& hold, const std::function<void()>& check) {
  int listo[2], hecho[2];
  ASSERT_EQ(::pipe(listo), 0);
  ASSERT_EQ(::pipe(hecho), 0);
  pid_t hijo = ::fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    int estado = 0;
    try {
      hold();
    } catch (...) {
      estado = 1;
    }
    char byte = 'r';
    (void)!::write(listo[1], &byte, 1);
    (void)!::read(hecho[0], &byte, 1);
    ::_exit(estado);
  }
  char byte;
  ASSERT_EQ(::read(listo[0], &byte, 1), 1);
  check();
  (void)!::write(hecho[1], "d", 1);
  int estado = 0;
  ::waitpid(hijo, &estado, 0);
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "the other program failed";
  for (int fd : {listo[0], listo[1], hecho[0], hecho[1]}) ::close(fd);
}

}  // namespace kr::testing
