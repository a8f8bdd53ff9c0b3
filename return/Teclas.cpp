// Box entry: the keys each family of boxes takes, through the validation
// component's filters, and those of the telephone and the order number.
// A refused key is dropped without a word; Enter moves on as Tab does.
#include <cstdint>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "return/DisenoCasillas.h"
#include "return/Familias.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr int kEnter = forms::vbKeyReturn;
constexpr int kRetroceso = forms::vbKeyBack;

// The key of the upper-case form of its character ("ñ" gives "Ñ").
int Mayuscula(int KeyAscii) { return vb::Asc(vb::UCase(vb::Chr(KeyAscii))); }

void PasaTab() {
  std::string tecla = "TAB";
  ModFuncionesGenerales::PasaTab(tecla);
}

bool EsCifra(int KeyAscii) { return KeyAscii >= '0' && KeyAscii <= '9'; }

// The document-type list beside the box of the number `numero`.
std::int16_t ListaDelNumero(std::int16_t numero) {
  for (const TipoDocumentoDiseno& t : kTiposDocumento) {
    if (t.Numero == numero) return t.Lista;
  }
  vb::Raise(vb::ErrSubscript);
}

}  // namespace

void Frm0917::txtvalor_KeyPress(int Index, int& KeyAscii) {
  const auto casilla = static_cast<std::int16_t>(Index);
  const cValidador& validador = Validador();

  // A switched-off box lets the key through and leaves the return unmarked.
  if (txtvalor(Index).Locked()) return;

  // Each family filters the key its own way.
  switch (FamiliaDe(casilla)) {
    case Familia::Documento: {
      if (KeyAscii == kEnter) PasaTab();
      KeyAscii = Mayuscula(KeyAscii);
      // The data kind of the chosen document type: "0" free, any other
      // digit numeric; a list without a choice reads as free.
      const std::string clase = vb::Trim(vb::Mid(cmbtipdoc(ListaDelNumero(casilla)).Text(), 71, 1));
      const bool pasa = vb::Val(clase) == 0 ? validador.FiltraTecla(KeyAscii) : validador.FiltraNumero(KeyAscii);
      if (!pasa) KeyAscii = 0;
      break;
    }
    case Familia::Texto811:
    case Familia::Texto890:
      if (KeyAscii == kEnter) PasaTab();
      KeyAscii = Mayuscula(KeyAscii);
      if (!validador.FiltraTexto(KeyAscii)) KeyAscii = 0;
      break;
    case Familia::Ruc:
      if (KeyAscii == kEnter) PasaTab();
      KeyAscii = Mayuscula(KeyAscii);
      if (!validador.FiltraNumero(KeyAscii)) KeyAscii = 0;
      break;
    case Familia::Codigo:
      KeyAscii = Mayuscula(KeyAscii);
      if (!validador.FiltraNumero(KeyAscii)) {
        if (KeyAscii == kEnter) PasaTab();
        KeyAscii = 0;
      }
      if (KeyAscii != '1' && KeyAscii != '2') KeyAscii = 0;
      break;
    case Familia::Desglose:
      if (KeyAscii != kEnter) {
        KeyAscii = 0;
      } else if (casilla == 200) {
        G().Ventanas.Open(ventana::kFrmExoneradas);
      } else {
        G().Ventanas.Open(ventana::kFrmInafectas);
      }
      break;
    case Familia::Ingreso:
    case Familia::Deduccion:
    case Familia::Otra:
      KeyAscii = Mayuscula(KeyAscii);
      if (!validador.FiltraNumero(KeyAscii)) {
        if (KeyAscii == kEnter) PasaTab();
        KeyAscii = 0;
      }
      break;
  }

  // A key typed into an open box marks the return changed, refused or not.
  FormularioModificado = true;
}

void Frm0917::TxtTelefono_KeyPress(int& KeyAscii) {
  if (!Validador().FiltraNumero(KeyAscii)) {
    if (KeyAscii == kEnter) PasaTab();
    KeyAscii = 0;
  }
}

void Frm0917::txtOrden_KeyPress(int& KeyAscii) {
  G().OrdenModificado = true;
  if (KeyAscii == kEnter) {
    txtVerifica.SetFocus();
    return;
  }
  if (!EsCifra(KeyAscii) && KeyAscii != kRetroceso) KeyAscii = 0;
}

void Frm0917::txtVerifica_KeyPress(int& KeyAscii) {
  if (!EsCifra(KeyAscii) && KeyAscii != kRetroceso) KeyAscii = 0;
}

}  // namespace app
