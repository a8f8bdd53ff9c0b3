// The report's entry, with the one error trap of the whole run, and the
// return driver that has the pages and annexes written.
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModGen00.h"
#include "common/ImpLinea.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "printing/ImpRep.h"
#include "printing/Impresion.h"

namespace ImpRep {
namespace {

// What the trap tells, by the error; an empty text tells nothing. Every
// error ends the report the same way, whatever it tells.
struct Falla {
  int Numero;
  std::string_view Mensaje;
};
constexpr Falla kFallas[] = {
    {vb::ErrFileNotFound, ""},
    {2055, ""},
    {vb::ErrPrintCancelled, app::kImpresionCancelada},
    {vb::ErrPrinter, app::kSinImpresora},
    {vb::ErrInvalidProperty, app::kSinInformacion},
    {vb::ErrFileAlreadyOpen, ""},
};

std::string MensajeDe(const vb::Error& error) {
  for (const Falla& f : kFallas) {
    if (f.Numero == error.Number()) return std::string(f.Mensaje);
  }
  return "Error Técnico : ( " + vb::NumberText(error.Number()) + ") " + error.Description();
}

constexpr std::int16_t kModoDeclaracion = 2;

}  // namespace

bool ImprimeReporte(const Seleccion& que) {
  try {
    GeneraReporte(que);
    return true;
  } catch (const vb::Error& error) {
    MuestraFalla(error);
    return false;
  }
}

void GeneraReporte(const Seleccion& que) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  try {
    e.AnchoPagina = 104;
    e.NumCopias = 1;
    e.FuenteNombre = "Courier New";
    e.FuenteTamano = 8;
    e.FuenteNegrita = false;
    forms::Screen().SetMousePointer(forms::vbHourglass);
    if (app::G().ModoImpresion == kModoDeclaracion) ImprimeDeclaracion(que);
    forms::Screen().SetMousePointer(forms::vbArrow);
  } catch (const vb::Error&) {
    // Half a report is never shown or printed: it is dropped.
    e.DescartaReporte();
    forms::Screen().SetMousePointer(forms::vbArrow);
    throw;
  }
}

void MuestraFalla(const vb::Error& error) {
  const std::string mensaje = MensajeDe(error);
  if (!mensaje.empty()) ModGen00::MensajeError(mensaje, app::kTituloImpresion);
}

void ImprimeDeclaracion(const Seleccion& que) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  // A new report file, emptied.
  e.LineaActual.clear();
  e.AbreReporte(app::G().ArchivoSalida);
  // The pages drawn so far.
  std::int16_t p = 0;
  // Each copy starts at the first page; the annex follows whatever came before it.
  for (int copia = 0; copia < e.NumCopias; ++copia) {
    e.ContadorLineas = 0;
    e.PaginaActual = 1;
    e.Margen = vb::Space(15);
    if (que.Declaracion) {
      p = 3;
      ImprimeHoja1(que);
      ImprimeHoja2();
      ImprimeHoja3();
    }
    if (que.RentasExoneradas) {
      p = static_cast<std::int16_t>(p + 1);
      ImprimeHoja4(p);
    }
    if (que.InfAdicional) {
      ImprimeInfAdicional(p);
      p = e.PaginaActual;
    }
  }
  // The writer's page counter ends as the number of pages.
  e.PaginaActual = p;
  e.CierraReporte();
  forms::Screen().SetMousePointer(forms::vbArrow);
  forms::DoEvents();
}

}  // namespace ImpRep
