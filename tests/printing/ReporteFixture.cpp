#include "tests/printing/ReporteFixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/files/NativePath.h"
#include "platform/text/Cp1252.h"
#include "tests/support/BaseInstalada.h"

namespace app::testing {
namespace {

std::string Bytes(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Valor(const char* texto) { return texto == nullptr ? "Null" : dao::Quote(texto); }

}  // namespace

void Reporte::SetUp() {
  ASSERT_FALSE(kr::testing::BaseInstalada().empty()) << "LUD917 did not install the form's tables";
  kr::testing::CopiaBaseInstalada(Instalacion.Layout().Database);
  ASSERT_TRUE(Arranca());
  Compartidas& g = G();
  g.RucDeclarante = kGarcia;
  g.NombreDeclarante = kNombreGarcia;
  g.Periodo = "2002";
  g.Semana = 0;
  g.Enviadas = false;
  g.Modo = 2;
  g.ModoImpresion = 2;
  g.ArchivoSalida = g.RutaReportes + "\\00000001.PRN";
}

void Reporte::Casillas(std::initializer_list<std::pair<int, std::string>> casillas) {
  common::EstadoReporte& r = G().ImpRep;
  for (const auto& [casilla, valor] : casillas) {
    if (casilla < 800) {
      r.ValorCasilla.at(static_cast<std::size_t>(casilla - 1)) = valor;
    } else {
      r.ValorCasilla800.at(static_cast<std::size_t>(casilla - 800)) = valor;
    }
  }
}

void Reporte::Anexo(const std::vector<FilaAnexo>& filas) {
  for (const FilaAnexo& f : filas) {
    Ejecuta({"INSERT INTO F0917PATRIM VALUES (6," + dao::Quote(kGarcia) + ",'2002','0917'," +
             dao::Quote(f.Informacion) + "," + dao::Quote(f.Movimiento1) + "," + dao::Quote(f.Movimiento2) + "," +
             dao::Quote(f.Moneda) + "," + Valor(f.Descripcion) + "," + dao::Quote(f.Inicial) + "," +
             dao::Quote(f.Final) + "," + dao::Quote(f.Cantidad) + ",'000000')"});
  }
}

void Reporte::Ejecuta(std::initializer_list<std::string> sentencias) {
  for (const std::string& sql : sentencias) G().BaseDatos->Execute(sql, dao::dbFailOnError);
}

bool Reporte::Imprime(const ImpRep::Seleccion& que) { return ImpRep::ImprimeReporte(que); }

std::vector<std::string> Reporte::Lineas() const {
  const std::string bytes = Bytes(vb::NativePath(G().ArchivoSalida));
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  while (inicio < bytes.size()) {
    const std::size_t fin = bytes.find("\r\n", inicio);
    if (fin == std::string::npos) {
      ADD_FAILURE() << "the report's last line has no CR LF";
      break;
    }
    lineas.push_back(vb::FromCp1252(bytes.substr(inicio, fin - inicio)));
    inicio = fin + 2;
  }
  return lineas;
}

bool Reporte::HayArchivo() const { return std::filesystem::exists(vb::NativePath(G().ArchivoSalida)); }

void Reporte::Golden(const std::string& nombre) const {
  const std::string golden = std::string(KR_PRINTING_DATA) + "/" + nombre;
  const std::string escrito = Bytes(vb::NativePath(G().ArchivoSalida));
  const char* escribe = std::getenv("KR_GOLDEN_WRITE");
  if (escribe != nullptr && std::string(escribe) == "1") {
    std::ofstream(golden, std::ios::binary) << escrito;
    return;
  }
  const std::string esperado = Bytes(golden);
  ASSERT_FALSE(esperado.empty()) << golden;
  if (escrito == esperado) return;
  // The first line that differs, counted from 1.
  std::size_t linea = 1, i = 0;
  while (i < escrito.size() && i < esperado.size() && escrito[i] == esperado[i]) {
    if (escrito[i] == '\n') ++linea;
    ++i;
  }
  auto LineaEn = [&](const std::string& bytes) {
    const std::size_t a = bytes.rfind('\n', i == 0 ? 0 : i - 1);
    const std::size_t desde = a == std::string::npos || i == 0 ? 0 : a + 1;
    return vb::FromCp1252(bytes.substr(desde, bytes.find('\r', desde) - desde));
  };
  ADD_FAILURE() << "the report differs from " << golden << " at line " << linea << ":\n  written:  " << LineaEn(escrito)
                << "\n  expected: " << LineaEn(esperado);
}

std::vector<std::string> Reporte::Con(const std::vector<std::string>& lineas, const std::string& inicio) {
  std::vector<std::string> con;
  for (const std::string& l : lineas) {
    if (l.rfind(inicio, 0) == 0) con.push_back(l);
  }
  return con;
}

long Reporte::Cuenta(const std::vector<std::string>& lineas, const std::string& linea) {
  return static_cast<long>(std::count(lineas.begin(), lineas.end(), linea));
}

long Reporte::Posicion(const std::vector<std::string>& lineas, const std::string& linea, long desde) {
  for (auto i = static_cast<std::size_t>(std::max(0L, desde)); i < lineas.size(); ++i) {
    if (lineas[i] == linea) return static_cast<long>(i);
  }
  return -1;
}

}  // namespace app::testing
