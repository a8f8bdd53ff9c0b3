// The schedule buttons: each opens the list window of its schedule's line,
// leaving the line's key, its fixed movement and what the window shows in
// the shared variables, which that window reads at its load.
#include <cstddef>
#include <string>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Adicionales.h"
#include "return/Frm0917.h"

namespace app {

void Frm0917::AbreAdicional(std::size_t adicional, int Index) {
  const Adicional& a = kAdicionales[adicional];
  Compartidas& g = G();
  const std::string indice = Validador().Rellena(vb::CStr(vb::Variant(Index)), 2, "0");

  // The key: the schedule's kind, the line's two digits, and any type.
  g.ClaveAdicional = std::string(a.Tipo) + indice + "*";
  // Some lines have a type of their own, which the row window does not ask for.
  switch (a.Fijo) {
    case Movimiento::Libre:
      g.MovimientoFijo = "";
      break;
    case Movimiento::UnoEnPrimero:
      g.MovimientoFijo = Index == 1 ? "01" : "";
      break;
    case Movimiento::Indice:
      g.MovimientoFijo = indice;
      break;
  }
  // The list window is titled after the tab it is opened from.
  g.TituloAdicional = "Información Adicional - " + SSTab1.TabCaption(SSTab1.Tab());
  // Where the label runs on past the line's name, only the name.
  const std::string etiqueta = (this->*a.Etiquetas)(Index).Caption();
  g.TituloMarcoAdicional = Index == a.IndiceCorto ? vb::Left(etiqueta, a.LargoCorto) : etiqueta;
  g.AyudaAdicional = a.TemaAyuda;
  g.Ventanas.Open(ventana::kFrmAdicionalCab);
}

void Frm0917::CmdCtasBancarias_Click(int Index) { AbreAdicional(0, Index); }
void Frm0917::CmdEgresos_Click(int Index) { AbreAdicional(1, Index); }
void Frm0917::CmdIngresos_Click(int Index) { AbreAdicional(2, Index); }
void Frm0917::CmdPrestamo_Click(int Index) { AbreAdicional(3, Index); }

}  // namespace app
