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


}  // namespace kr::testing
