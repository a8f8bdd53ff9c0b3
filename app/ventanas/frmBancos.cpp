#include "app/ventanas/frmBancos.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "app/ventanas/CargaLista.h"
#include "app/inicio/Compartidas.h"
#include "platform/forms/Application.h"

namespace app {
namespace {

using forms::Screen;

// The three lookups: caption, query pieces and whether the columns become
// the UIT's date and value.
struct Consulta {
  std::uint8_t Tipo;
  std::string_view Caption;
  std::string_view Partes[4];
  bool ColumnasUit;
};
constexpr Consulta kConsultas[] = {
    {1,
     "Consulta de Profesiones",
     {"SELECT MID(ARGUMENTO,1,2) as codigo,mid(FUNCION,1,36) as descrip ", "FROM PARAM ",
      "WHERE NUMERO='979' AND TRIM(ARGUMENTO)<> '00'", ""},
     false},
    {2,
     "Consulta de Bancos",
     {"SELECT MID(ARGUMENTO,1,2) as codigo,mid(FUNCION,1,36) as descrip ", "FROM PARAM ",
      "WHERE NUMERO='004' AND TRIM(ARGUMENTO)<> '00'", ""},
     false},
    {3,
     "Consulta de UIT",
     {"SELECT MID(ARGUMENTO,7,2) &  MID(ARGUMENTO,5,2) & MID(ARGUMENTO,1,4) as codigo, ",
      " VAL(trim(FUNCION)) as Descrip ", "FROM PARAM ", "WHERE NUMERO='404' ORDER BY argumento desc  "},
     true},
};

}  // namespace

frmBancos::frmBancos() : Form("frmBancos") {
  SetCaption("Consultas");
  Move(0, 0, 7065, 4140);
  SetMinButton(false);
  SetMaxButton(false);

  grdBancos.Move(120, 120, 6735, 3015);
  grdBancos.SetTabIndex(0);
  grdBancos.SetDataSource(&Dta1);
  grdBancos.AddColumn("Código", "Codigo").SetWidth(900);
  grdBancos.AddColumn("Descripción", "descrip").SetWidth(5400);
  Dta1.SetVisible(false);
  CmdSalir.SetCaption("&Salir");
  CmdSalir.Move(5640, 3240, 1215, 375);
  CmdSalir.SetTabIndex(1);
  CmdSalir.Click = [this] { CmdSalir_Click(); };
}

void frmBancos::Form_Load() {
  Compartidas& g = G();
  SetHeight(4140);
  SetWidth(7065);
  Screen().SetMousePointer(forms::vbHourglass);

  g.CadenaSQL.clear();
  for (const Consulta& c : kConsultas) {
    if (c.Tipo != g.TipoConsulta) continue;
    SetCaption(c.Caption);
    if (c.ColumnasUit) {
      forms::GridColumn& fecha = grdBancos.Columns(0);
      fecha.SetCaption("Fecha");
      fecha.SetNumberFormat("0#/0#/####");
      fecha.SetWidth(1500);
      forms::GridColumn& valor = grdBancos.Columns(1);
      valor.SetCaption("Valor");
      valor.SetNumberFormat("###,###");
    }
    for (std::string_view parte : c.Partes) g.CadenaSQL += parte;
  }

  CargaLista(Dta1, grdBancos, g.CadenaSQL);
  grdBancos.Refresh();
  Screen().SetMousePointer(forms::vbDefault);
}

void frmBancos::Form_Activate() {
  if (grdBancos.Enabled()) grdBancos.SetFocus();
}

void frmBancos::CmdSalir_Click() {
  Dta1.SetRecordset(nullptr);
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Unload(*this);
  aplicacion.Release<frmBancos>();
}

}  // namespace app
