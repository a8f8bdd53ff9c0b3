#include "summary/ReporteEnvio.h"

#include "common/ImpLinea.h"
#include "common/Spool.h"
#include "platform/text/Strings.h"
#include "summary/Compartidas.h"
#include "summary/Resumen.h"

namespace summary {
namespace {

constexpr char kCodigoReporte[] = "RP0007";
constexpr std::int16_t kTipoDocumento = 6;

constexpr Importe kRenta[] = {{146, "###,###,###,##0", 12}, {180, "#,###,###,###,##0", 14}};
constexpr Importe kTotal[] = {{598, "#,###,###,###,##0", 14}};

// A line of the summary: running text at the left edge.
void Linea(const std::string& texto) { common::ImprimeLinea(G().Impresion, texto); }

}  // namespace

void GeneraReporteEnvio(const std::string& documento) {
  Compartidas& g = G();
  common::EstadoImpresion& e = g.Impresion;
  e.LineaActual.clear();
  e.FuenteNombre = vb::Variant("Courier New");
  e.FuenteTamano = vb::Variant(8);
  e.FuenteNegrita = vb::Variant(false);
  common::RegistraSpool(g.Motor.Workspaces(0), *g.BaseDatos, g.UsuarioSistema, kCodigoReporte, kTipoDocumento,
                        vb::Trim(documento), g.RutaReportes, [&](const std::string& ruta) {
                          g.ArchivoSalida = ruta;
                          e.AbreReporte(g.ArchivoSalida);
                          e.ContadorLineas = 0;
                          e.PaginaActual = 1;
                          CabeceraReporte(documento);
                          CuerpoReporte();
                          e.CierraReporte();
                        });
}

void CabeceraReporte(const std::string& /*documento*/) {
  Compartidas& g = G();
  common::EstadoImpresion& e = g.Impresion;
  e.PosicionVertical = 0;
  common::ImprimeLinea(e, "<!font!>Courier New<!/font!>");
  common::ImprimeLinea(e, "<!nHojas!>1<!/nHojas!>");
  Linea(e.LineaActual);
  common::ImprimeLinea(e, "<!Orientacion!>V<!/Orientacion!>");
  common::ImprimeLinea(e, "<!Color!>&H80000005&<!/Color!>");
  e.ContadorLineas = 1;
  for (int i = 0; i < 4; ++i) Linea("");
  Linea(vb::Space(10) + FechaHoy() + vb::Space(56) + "Pag. 01/01");
  Linea(vb::Space(10) + HoraActual());
  Linea("");
  Linea(vb::Space(16) + "Resumen de envío - QBX 917");
  Linea("");
  Linea(vb::Space(10) + "DOCUMENTO        : " + g.RucDeclarante);
  Linea(vb::Space(10) + "RAZON SOCIAL     : " + g.NombreDeclarante);
  Linea(vb::Space(10) + "FORMULARIO       : " + g.Formulario + "-QBX Renta Anual");
  Linea(vb::Space(10) + "PERIODO          : " + vb::Left(g.Periodo, 4));
  Linea(vb::Space(10) + (EsRectificatoria() ? "RECTIFICATORIA   : SI" : "RECTIFICATORIA   : NO"));
  Linea(vb::Space(10) + "FORMA DE PAGO    : " + (g.PagoEfectivo ? "EFECTIVO" : "CHEQUE"));
  if (!g.PagoEfectivo) {
    Linea(vb::Space(10) + "NUMERO DE CHEQUE : " + g.NumeroCheque);
    Linea(vb::Space(10) + "BANCO            : " + g.NombreBanco);
  }
  Linea("");
  Linea("");
}

void CuerpoReporte() {
  Compartidas& g = G();
  std::string& linea = g.Impresion.LineaActual;
  Linea(vb::Space(10) + "TRIBUTO            TOTAL DEUDA     MONTO PAGO");
  linea = vb::Space(10) + "Renta            ";
  AgregaImportes(kRenta);
  Linea(linea);
  linea = vb::Space(10) + "TOTAL:" + vb::Space(24);
  AgregaImportes(kTotal);
  Linea(linea);
  Linea("");
  Linea(vb::Space(10) + "NC " + g.NumeroNC + vb::Space(8) + "Fec.Generación: " + FechaHoy());
  for (int i = 0; i < 3; ++i) Linea("");
}

}  // namespace summary
