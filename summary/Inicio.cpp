#include "summary/Inicio.h"

#include <string>

#include "platform/files/FileSystem.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "summary/Compartidas.h"
#include "summary/Configuracion.h"
#include "summary/Lecturas.h"
#include "summary/LineaComandos.h"
#include "summary/ReporteEnvio.h"
#include "summary/TextoEnvio.h"

namespace summary {
namespace {

constexpr int kAnchoResumen = 80;

// No return to summarise: the box, and the end without output.
[[noreturn]] void SinDatos() {
  forms::MsgBox("No existe data para Generar Reporte de Envio!!!\r\n\n", forms::vbCritical, "Error");
  G().EstadoSalida = kSalidaConFalla;
  forms::End();
}

}  // namespace

int Ejecuta(std::string_view lineaComandos) {
  G().LineaComandos = std::string(lineaComandos);
  try {
    Main();
  } catch (const forms::ProgramEnd&) {
    // Main, ProcesaResumen or AbreBaseDatos ended the run after their message.
  }
  TerminaCorrida();
  return G().EstadoSalida;
}

void Main() {
  Compartidas& g = G();
  try {
    ProcesaResumen();
    vb::FileCopy(g.ArchivoSalida, g.RutaReportes + "\\" + g.ClaveEnvio + ".PRN");
    vb::FileCopy(g.ArchivoTexto, g.RutaTemporal + "\\" + g.ClaveEnvio + ".txt");
    vb::Kill(g.ArchivoTexto);
  } catch (const vb::Error& e) {
    if (e.Number() > 0) {
      forms::MsgBox(
          "Error tecnico: " + vb::Str(e.Number()) + "\n" + e.Description() + "\n" + "Intente nuevamente por favor.",
          forms::vbCritical, "Mensaje");
    }
    g.EstadoSalida = kSalidaConFalla;
    forms::End();
  }
}

void ProcesaResumen() {
  Compartidas& g = G();
  // Before anything is read or written: the line names the copies and goes into the queries.
  CompruebaLineaComandos(g.LineaComandos);
  LeeConfiguracionEnvio();
  AbreBaseDatos();
  g.Impresion.DestinoImpresion = "ARCHIVO";
  CortaLineaComandos();
  LeeFormaPago();
  LeeCasillas();
  // A return without its CAB row has been deleted since the host listed it.
  if (!g.HayCabecera || !LeeDeclarante()) SinDatos();
  g.Impresion.AnchoPagina = kAnchoResumen;
  g.Impresion.DestinoImpresion = "ARCHIVO";
  GeneraTextoEnvio(g.RucDeclarante);
  if (!LeeDeclarante()) SinDatos();
  g.Impresion.AnchoPagina = kAnchoResumen;
  g.Impresion.DestinoImpresion = "ARCHIVO";
  GeneraReporteEnvio(g.RucDeclarante);
}

}  // namespace summary
