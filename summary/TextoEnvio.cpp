#include "summary/TextoEnvio.h"

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <random>

#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Strings.h"
#include "summary/Compartidas.h"
#include "summary/Resumen.h"

namespace summary {
namespace {

constexpr Importe kRenta[] = {{146, "###,###,###,##0", 12}, {180, "###,###,###,##0", 12}};
constexpr Importe kTotal[] = {{598, "###,###,###,##0", 13}};

// Two runs at the same second draw different names unless they share a process.
std::mt19937 GeneradorSembrado() {
  const double momento = vb::Now().Serial;
  std::uint64_t bits = 0;
  std::memcpy(&bits, &momento, sizeof bits);
  std::seed_seq semilla{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
                        static_cast<std::uint32_t>(::getpid())};
  return std::mt19937(semilla);
}

// Another program, or an earlier run, may own a file of the drawn name:
// it is never opened over; another name is drawn.
constexpr int kIntentos = 100;

void CreaTextoNuevo(std::mt19937& azar) {
  Compartidas& g = G();
  std::uniform_int_distribution<long> nombre(10000000, 99999999);
  for (int intento = 1;; ++intento) {
    const std::string ruta = g.RutaTemporal + "\\" + std::to_string(nombre(azar));
    try {
      g.TextoTrabajo = vb::WorkFile(ruta);
    } catch (const vb::Error& e) {
      if (e.Number() != vb::ErrFileAlreadyExists || intento == kIntentos) throw;
      continue;
    }
    g.ArchivoTexto = ruta;
    g.Archivos.Open(ruta, vb::OpenMode::Output, g.NumArchivoTexto);
    return;
  }
}

}  // namespace

void GeneraTextoEnvio(const std::string& documento) {
  Compartidas& g = G();
  g.NumArchivoTexto = g.Archivos.FreeFile();
  g.Impresion.LineaActual.clear();
  std::mt19937 azar = GeneradorSembrado();
  CreaTextoNuevo(azar);
  g.Impresion.PaginaActual = 1;
  g.Impresion.ContadorLineas = 0;
  CabeceraTexto(documento);
  CuerpoTexto();
  g.Archivos.Close(g.NumArchivoTexto);
}

void CabeceraTexto(const std::string& /*documento*/) {
  Compartidas& g = G();
  g.Impresion.PosicionVertical = 0;
  g.Impresion.ContadorLineas = 1;
  ImprimeLineaTexto("DOCUMENTO      : " + g.RucDeclarante);
  ImprimeLineaTexto("RAZON SOCIAL   : " + vb::Mid(g.NombreDeclarante, 1, 20));
  ImprimeLineaTexto("FORMULARIO     : " + g.Formulario + "-QBX Renta Anual");
  ImprimeLineaTexto("PERIODO        : " + vb::Left(g.Periodo, 4));
  ImprimeLineaTexto(EsRectificatoria() ? "RECTIFICATORIA : SI" : "RECTIFICATORIA : NO");
  ImprimeLineaTexto(std::string("FORMA DE PAGO  : ") + (g.PagoEfectivo ? "EFECTIVO" : "CHEQUE"));
  if (!g.PagoEfectivo) {
    ImprimeLineaTexto("NUMERO CHEQUE  : " + g.NumeroCheque);
    ImprimeLineaTexto("BANCO          : " + vb::Mid(g.NombreBanco, 1, 20));
  }
  ImprimeLineaTexto("");
}

void CuerpoTexto() {
  Compartidas& g = G();
  std::string& linea = g.Impresion.LineaActual;
  ImprimeLineaTexto("TRIBUTO        TOTAL DEUDA   MONTO PAGO");
  linea = "Renta        ";
  AgregaImportes(kRenta);
  ImprimeLineaTexto(linea);
  linea = "TOTAL:" + vb::Space(19);
  AgregaImportes(kTotal);
  ImprimeLineaTexto(linea);
  ImprimeLineaTexto("");
  ImprimeLineaTexto("NC " + g.NumeroNC + vb::Space(2) + "Fec.Generación: " + FechaHoy());
}

void ImprimeLineaTexto(const std::string& texto) {
  Compartidas& g = G();
  common::EstadoImpresion& e = g.Impresion;
  g.Archivos.Print(g.NumArchivoTexto, vb::Trim(texto).empty() ? std::string(" ") : texto);
  e.ContadorLineas = static_cast<std::int16_t>(e.ContadorLineas + 1);
  if (e.ContadorLineas >= e.LineasPorPagina()) {
    e.ContadorLineas = 0;
    e.PaginaActual = static_cast<std::int16_t>(e.PaginaActual + 1);
    g.Archivos.Print(g.NumArchivoTexto, vb::Chr(15));
  }
}

}  // namespace summary
