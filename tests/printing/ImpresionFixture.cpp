#include "tests/printing/ImpresionFixture.h"

#include <fstream>
#include <iterator>
#include <new>

#include "app/componentes/cValidador.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"

namespace app::testing {
namespace {

std::string Golden(const std::string& nombre) {
  std::ifstream in(std::string(KR_PRINTING_DATA) + "/" + nombre, std::ios::binary);
  EXPECT_TRUE(in) << nombre;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

void ImpresoraQueFalla::Draw(const print::Item& item) {
  if (++Dibujados_ == Falla_) {
    if (Error_ == vb::ErrOutOfMemory) throw std::bad_alloc();
    vb::Raise(Error_);
  }
  Recorder::Draw(item);
}

std::shared_ptr<print::Canvas> Usuario::StartPrintJob(std::string_view document) {
  if (SinImpresora) vb::Raise(vb::ErrPrinter);
  if (Falla) return Falla;
  return ScriptedUser::StartPrintJob(document);
}

Impresion::Impresion() {
  ReiniciaCompartidas();
  G().Validador = std::make_unique<cValidador>();
  G().RutaSistema = Carpeta.Program("");
  G().RutaReportes = Carpeta.Program("RPT");
  Carpeta.MakeFolder("RPT");
  Carpeta.Write(std::string("RPT/") + kCuatroHojas, Golden("CuatroHojas.PRN"));
}

Impresion::~Impresion() {
  Aplicacion.Reset();
  ReiniciaCompartidas();
}

void Impresion::Reporte(const std::string& nombre, const std::vector<std::string>& lineas) {
  std::string bytes;
  for (const std::string& linea : lineas) bytes += vb::ToCp1252(linea) + "\r\n";
  Carpeta.Write("RPT/" + nombre, bytes);
}

void Impresion::Mensajes(const std::vector<std::string>& lineas) {
  std::string bytes;
  for (const std::string& linea : lineas) bytes += vb::ToCp1252(linea) + "\r\n";
  Carpeta.Write("Mens.txt", bytes);
  G().ArchivoSalida = G().RutaSistema + "Mens.txt";
}

std::vector<std::string> Impresion::Textos(const print::Page& page) {
  std::vector<std::string> textos;
  for (const print::Item& item : page.Items()) {
    if (const auto* t = std::get_if<print::TextItem>(&item)) textos.push_back(t->Text);
  }
  return textos;
}

}  // namespace app::testing
