// The consistency check of a whole return: the two warnings every run
// shows, the list of inconsistencies, the order of the checks and how the
// run ends.
#include <string>
#include <string_view>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "computation/Inconsistencias.h"
#include "computation/Revision.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Frm0917.h"

namespace app {
namespace {

using Paso = void (*)(Revision&);

// The checks after the identification, in the order of the run.
constexpr Paso kPasos[] = {
    ValidaInmueble,
    ValidaFilasAmazonia,
    ValidaFilasCuarta,
    ValidaOcupacion,
    ValidaDeduccion117,
    ValidaRequeridasYLimite110,
    ValidaImporte,
    ValidaRepresentante,
    ValidaDocumentosDistintos,
    ValidaConyuge,
    ValidaSumaCuarta,
    ValidaAlquiler1,
    ValidaAmazoniaRequerida,
    ValidaAlquileresRequeridos,
    ValidaCuartaRequerida,
    ValidaAlquiler2,
    ValidaRentas,
    ValidaAlquiler3,
    ValidaFormaPago,
};

// A spouse born less than 15 years (of 365 days) ago is likely a typing error.
constexpr double kEdadMinimaConyuge = 15;

// The list is closed however the run ends, an engine error included.
struct CierraLista {
  Frm0917::ListaInconsistencias& Mens;
  ~CierraLista() {
    if (Mens.Archivo != 0) G().Archivos.Close(Mens.Archivo);
    Mens.Archivo = 0;
  }
};

}  // namespace

bool Frm0917::ValidaTodo(std::string_view modo) {
  Compartidas& g = G();
  const bool listado = modo == "0";

  // The balance warning comes in every mode and changes no result.
  const std::string saldo =
      SaldoaPagar(txtvalor(146).Text(), txtvalor(180).Text(), TextoDe(Inconsistencia::EtiquetaRenta));
  if (!vb::Trim(saldo).empty()) forms::MsgBox(saldo, forms::vbInformation, kTituloFrm0917);

  // So does the warning about a spouse who seems too young.
  const vb::DateTime hoy = vb::Today();
  if (Validador().ValidaFecha(MkeFecNac.Text(), "01/01/1850", vb::Format(vb::Variant(hoy), "dd/mm/yyyy"))) {
    const vb::DateTime nacimiento = *vb::ParseDate(MkeFecNac.Text());
    if (static_cast<double>(vb::DateDiffDays(nacimiento, hoy)) / 365 < kEdadMinimaConyuge) {
      forms::MsgBox(TextoDe(Inconsistencia::EdadConyuge), forms::vbInformation, kTituloFrm0917);
    }
  }

  // Only the listing writes its lines, into Mens.txt replaced each run.
  Mens = ListaInconsistencias{};
  CierraLista cierre{Mens};
  if (listado) {
    g.ArchivoSalida = g.RutaSistema + "Mens.txt";
    try {
      const int numero = g.Archivos.FreeFile();
      g.Archivos.Open(g.ArchivoSalida, vb::OpenMode::Output, numero);
      Mens.Archivo = numero;
    } catch (const vb::Error& e) {
      Mens.Fallo = e;
    }
  }

  Revision r(*this, listado);
  if (!Mens.Fallo) {
    // The identification checks first; the save's silent run leaves them out.
    if (modo != "2" && !ValIdent(modo)) r.Falla();
    // Then every other check in its order; a silent run stops at the first failure.
    for (Paso paso : kPasos) {
      paso(r);
      if (r.Termina()) return false;
    }
  }

  // A silent run only answers; the listing closes its file and shows the outcome.
  if (!listado) return r.Consistente();
  if (Mens.Archivo != 0) g.Archivos.Close(Mens.Archivo);
  Mens.Archivo = 0;
  if (Mens.Fallo) {
    // Without its file the list cannot be shown: the user learns which file,
    // and the return is not taken for consistent.
    forms::MsgBox(TextoDe(Inconsistencia::ListaNoEscrita,
                          {g.ArchivoSalida, vb::NumberText(Mens.Fallo->Number()), Mens.Fallo->Description()}),
                  forms::vbCritical, kTituloFrm0917);
    return false;
  }
  if (r.Consistente()) {
    forms::MsgBox(TextoDe(Inconsistencia::SinInconsistencias), forms::vbExclamation, "Mensaje");
  } else if (Mens.Lineas > 0) {
    // A failure that the identification check showed in its own box leaves
    // nothing to list.
    g.Ventanas.Open(ventana::kFrmConsist);
  }
  return r.Consistente();
}

void Revision::Falla(Inconsistencia mensaje, std::initializer_list<std::string_view> datos) {
  Consistente_ = false;
  if (Listado) Lista_.EscribeMens(TextoDe(mensaje, datos));
}

void Frm0917::EscribeMens(std::string_view linea) {
  if (Mens.Archivo == 0) return;
  vb::Files& archivos = G().Archivos;
  try {
    archivos.Print(Mens.Archivo, linea);
    ++Mens.Lineas;
  } catch (const vb::Error& e) {
    Mens.Fallo = e;
    archivos.Close(Mens.Archivo);
    Mens.Archivo = 0;
  }
}

}  // namespace app
