#include "printing/frmImpxPag.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModFuncionesGenerales.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "printing/Impresion.h"
#include "printing/ModObjetos.h"

namespace app {
namespace {

// The warning, line by line; the page count stands in the gap of the first.
constexpr std::string_view kAviso[] = {
    "El   reporte   generado   contiene                  página(s).",
    "Si  su  consulta  contiene  más  de  10  páginas  puede",
    "ocasionar la caída del programa debido a la saturación",
    "de la memoria de la computadora.",
    "",
    "Se  recomienda  imprimir  en  rangos  no  mayores a 10",
    "páginas.",
};
constexpr std::string_view kAntesDelHueco = "El   reporte   generado   contiene   ";

// The checks of "&Preliminar", in their order: the first that fails is told.
constexpr std::string_view kMensajes[] = {
    "Ingrese página de inicio",
    "Página inicial debe ser a partir de 1",
    "Página inicial no debe ser mayor a total de páginas del reporte",
    "Ingrese página de Fin",
    "Página de Inicio debe ser mayor a página de Fin",
};

// The highest page a range can name.
constexpr double kUltimaPagina = 32767;

bool PasaAlaCaja(int KeyAscii) {
  return KeyAscii == 8 || (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.' || KeyAscii == ' ';
}

}  // namespace

frmImpxPag::frmImpxPag() : Form("frmImpxPag") {
  SetCaption("Impresión");
  Move(0, 0, 5280, 4080);
  SetMinButton(false);
  SetMaxButton(false);

  Frame1.Move(120, 60, 4935, 855);
  Frame1.SetCaption("Imprimir");
  Label2.SetContainer(Frame1);
  Label2.Move(240, 360, 735, 255);
  Label2.SetCaption("&Desde :");
  // Each label just before its box in tab order: its access key leads there.
  Label2.SetTabIndex(0);
  txtPagDesde.SetContainer(Frame1);
  txtPagDesde.Move(1020, 300, 855, 315);
  txtPagDesde.SetTabIndex(0);
  Label1.SetContainer(Frame1);
  Label1.Move(2580, 360, 735, 255);
  Label1.SetCaption("&Hasta :");
  Label1.SetTabIndex(1);
  txtPagHasta.SetContainer(Frame1);
  txtPagHasta.Move(3360, 300, 855, 315);
  txtPagHasta.SetTabIndex(1);

  std::string aviso;
  for (std::string_view linea : kAviso) aviso += (aviso.empty() ? "" : "\r\n") + std::string(linea);
  Text1.SetMultiLine(true);
  Text1.Move(120, 1020, 4935, 1815);
  Text1.SetText(aviso);
  Text1.SetLocked(true);
  Text1.SetTabStop(false);
  txtTotPaginas.Move(120, 1080, 615, 255);
  txtTotPaginas.SetAlignment(forms::vbCenter);
  txtTotPaginas.SetLocked(true);
  txtTotPaginas.SetTabStop(false);

  cmdAccion.Add(0).SetCaption("&Preliminar");
  cmdAccion(0).Move(1860, 3000, 1515, 375);
  cmdAccion(0).SetTabIndex(2);
  cmdAccion.Add(1).SetCaption("&Cancelar");
  cmdAccion(1).Move(3540, 3000, 1515, 375);
  cmdAccion(1).SetTabIndex(3);
  cmdAccion(1).SetCancel(true);

  txtPagDesde.KeyPress = [this](int& KeyAscii) { txtPag_KeyPress(KeyAscii); };
  txtPagHasta.KeyPress = [this](int& KeyAscii) { txtPag_KeyPress(KeyAscii); };
  cmdAccion.On(&forms::CommandButton::Click, [this](int Index) { cmdAccion_Click(Index); });
}

void frmImpxPag::Form_Load() {
  SetIcon(kIconoImpresion);
  txtPagDesde.SetText("1");
  txtPagHasta.SetText("1");
  // The count sits in the gap of the warning's first line, whatever the font.
  const long hueco = 120 + 90 + forms::StockFontTextWidth(kAntesDelHueco) * 15;
  txtTotPaginas.SetLeft(std::min<long>(hueco, Text1.Left() + Text1.Width() - txtTotPaginas.Width()));
}

void frmImpxPag::txtPag_KeyPress(int& KeyAscii) {
  if (KeyAscii == 13) {
    std::string tab = "TAB";
    ModFuncionesGenerales::PasaTab(tab);
    KeyAscii = 0;
  } else if (!PasaAlaCaja(KeyAscii)) {
    KeyAscii = 0;
  }
}

void frmImpxPag::cmdAccion_Click(int Index) {
  if (Index == 0) {
    const double desde = vb::Val(txtPagDesde.Text());
    const double hasta = vb::Val(txtPagHasta.Text());
    const bool fallas[] = {
        vb::Trim(txtPagDesde.Text()).empty(), desde <= 0,    desde > vb::Val(txtTotPaginas.Text()),
        vb::Trim(txtPagHasta.Text()).empty(), hasta < desde,
    };
    for (std::size_t i = 0; i < std::size(kMensajes); ++i) {
      if (!fallas[i]) continue;
      forms::MsgBox(kMensajes[i], forms::vbCritical, Caption());
      return;
    }
    common::EstadoImpresion& rango = G().ImpRep.ImpLinea;
    rango.PaginaDesde = vb::CInt(desde);
    // A range past the report's end previews up to its end.
    rango.PaginaHasta = vb::CInt(std::min(hasta, kUltimaPagina));
    ModObjetos::VistaPrevia(Tag(), "Vprevia");
  } else {
    forms::Application& aplicacion = forms::Application::Current();
    aplicacion.Unload(*this);
    aplicacion.Release<frmImpxPag>();
  }
}

}  // namespace app
