#include "printing/ModObjetos.h"

#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "printing/frmPreview.h"

namespace ModObjetos {

void VistaPrevia(const std::string& archivo, const std::string& modo) {
  // A preview window of its own for each report, not the default instance.
  app::frmPreview vista;
  vista.Archivo = archivo;
  if (modo == "Vprevia") {
    vista.Show(forms::vbModal);
  } else {
    // A print of its own is of the whole report: a range chosen for an
    // earlier preview no longer applies.
    app::G().ImpRep.ImpLinea.RangoPaginas = false;
    vista.pDesencripta(archivo, modo);
  }
  forms::Unload(vista);
}

}  // namespace ModObjetos
