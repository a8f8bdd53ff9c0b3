#include "bench/DeclaracionLlena.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "bench/Oficina.h"
#include "bench/Sesion.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/Input.h"
#include "platform/forms/TextBox.h"
#include "return/DisenoCasillas.h"
#include "return/Frm0917.h"
#include "return/Registro.h"

namespace kr::bench {
namespace {

// The rows of a return with every box filled: the box list, then the boxes
// the save writes apart.
std::vector<std::pair<std::string, std::string>> Casillas() {
  std::vector<std::pair<std::string, std::string>> filas;
  auto tres = [](int n) {
    std::string t = std::to_string(n);
    return std::string(3 - t.size(), '0') + t;
  };
  for (std::int16_t n : app::kListaCasillas) {
    const bool texto =
        (n >= 208 && n <= 211) || (n >= 215 && n <= 219) || n == 229 || n == 230 || n == 236 || n == 302 || n >= 801;
    filas.emplace_back(tres(n), texto ? "10098765439" : n == 140 ? "1" : std::to_string(1000 + n));
  }
  const std::pair<const char*, const char*> aparte[] = {
      {"015", "02"},      {"012", "12345"}, {"599", "C"},    {"002", kRuc},         {"007", "2002"}, {"721", "1.0"},
      {"028", "4567890"}, {"896", "1"},     {"897", "1"},    {"898", "1"},          {"899", "1"},    {"811", "LOPEZ"},
      {"812", "RUIZ"},    {"813", "ANA"},   {"814", "DIAZ"}, {"815", "SOTO"},       {"890", "EVA"},  {"204", "6"},
      {"205", "1"},       {"206", "6"},     {"224", "6"},    {"225", "1"},          {"226", "6"},    {"227", "1"},
      {"301", "1"},       {"235", "1"},     {"025", "17"},   {"234", "15/08/1970"}, {"598", "1500"}, {"871", "1"},
      {"005", "1"},       {"260", "1"},     {"027", "1"},
  };
  for (const auto& [casilla, valor] : aparte) filas.emplace_back(casilla, valor);
  for (int n = 817; n <= 825; ++n) {
    filas.emplace_back(tres(n), "APELLIDOS Y NOM");
    filas.emplace_back(tres(n + 10), "BRES DEL TITULA");
  }
  return filas;
}

}  // namespace

Instalacion::Instalacion() : Sitio(InstalaMuestra("frm")) {}

void Instalacion::Pon(int oficina) {
  if (!ArrancaEnOficina(Sitio, Oficina, oficina)) return;
  app::Compartidas& g = app::G();
  app::RegistraFrm0917();

  dao::Workspace& espacio = g.Motor.Workspaces(0);
  espacio.BeginTrans();
  const std::string clave = "6," + dao::Quote(kRuc) + ",'2002','0917',0";
  g.BaseDatos->Execute("INSERT INTO CAB VALUES (" + clave + ",'20/03/2003','02','12345','1500',' ','1',0,'000000')",
                       dao::dbFailOnError);
  for (const auto& [casilla, valor] : Casillas()) {
    g.BaseDatos->Execute(
        "INSERT INTO DET VALUES (" + clave + "," + dao::Quote(casilla) + "," + dao::Quote(valor) + ",'01',0,'000000')",
        dao::dbFailOnError);
  }
  for (int i = 0; i < 10; ++i) {
    const std::string tipo = "0" + std::to_string(1 + i % 4);
    const std::string moneda = "00" + std::to_string(1 + i / 4);
    g.BaseDatos->Execute("INSERT INTO F0917PATRIM VALUES (6," + dao::Quote(kRuc) + ",'2002','0917'," +
                             dao::Quote(tipo) + ",'01','01'," + dao::Quote(moneda) +
                             ",'CUENTA','1000','2000','1','000000')",
                         dao::dbFailOnError);
  }
  espacio.CommitTrans();
}

Instalacion& LaInstalacion(int oficina) {
  static Instalacion instalacion;
  instalacion.Pon(oficina);
  return instalacion;
}

app::Frm0917& AbreEnCasilla100(int oficina) {
  LaInstalacion(oficina);
  app::Compartidas& g = app::G();
  g.Modo = 2;
  g.ModoRegistro = false;
  g.RucDeclarante = kRuc;
  forms::Application& a = forms::Application::Current();
  if (a.HasInstance<app::Frm0917>()) a.Release<app::Frm0917>();
  app::Frm0917& f = a.Instance<app::Frm0917>();
  f.Show();
  forms::TextBox& caja = f.txtvalor(100);
  if (!forms::Input::SelectTab(f.tab0584, 1) || !forms::Input::SelectTab(f.SSTab2, 0) ||
      !forms::Input::Select(caja, static_cast<long>(caja.Text().size()), 0)) {
    std::abort();
  }
  return f;
}

}  // namespace kr::bench
