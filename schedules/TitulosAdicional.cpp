// FrmAdicionalCab's grid headings: what each subsection calls its columns.
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "platform/text/Strings.h"
#include "schedules/FrmAdicionalCab.h"

namespace app {
namespace {

// A column's heading for a subsection: left as designed, hidden, or a
// caption (followed by the period when it ends in a date or a year). Runs
// of blanks in a caption wrap it onto the header lines.
struct Titulo {
  enum class Clase { Diseno, Oculta, Caption } Como;
  std::string_view Texto;
  bool ConPeriodo;
};
constexpr Titulo kDiseno{Titulo::Clase::Diseno, "", false};
constexpr Titulo kOculta{Titulo::Clase::Oculta, "", false};
constexpr Titulo Texto(std::string_view texto) { return {Titulo::Clase::Caption, texto, false}; }
constexpr Titulo ConPeriodo(std::string_view texto) { return {Titulo::Clase::Caption, texto, true}; }

// The columns a subsection names, in the order of Titulos::Columnas.
constexpr int kColumnasTitulo[] = {1, 2, 6, 7, 8};
constexpr int kColCantidad = 8;

struct Titulos {
  std::string_view Clave;
  int LineasCabecera;
  Titulo Columnas[5];
  long AnchoCantidad;  // 0: as designed
};

// clang-format off
constexpr Titulos kTitulos[] = {
    {"0101", 2, {Texto("Tipo de cuenta"), Texto("Descripción de otros     tipos de cuenta"), kOculta, ConPeriodo("   Saldo al 31/12/"), Texto("      Cantidad total              de cuentas")}, 0},
    {"0201", 2, {Texto("Tipo"), kOculta, kOculta, Texto("      Importe total          por tipo y moneda"), Texto("Cantidad")}, 0},
    {"0202", 2, {Texto("     Tipo de bien                 comprado"), kOculta, kOculta, Texto("      Importe total          por tipo y moneda"), Texto("     Cantidad  total              de compras")}, 0},
    {"0203", 3, {Texto(" Tipo de instrumento         financiero"), Texto("    Descripción de          otros  tipos  de            instrumentos"), kOculta, Texto("      Importe total          por tipo y moneda"), Texto("    Cantidad total              de compras")}, 0},
    {"0204", 3, {Texto("Tipo de bien"), Texto("Descripción de otros   bienes cuyo  valor     sea mayor a 3 UIT"), kOculta, Texto("      Importe total          por tipo y moneda"), Texto("    Cantidad total              de compras")}, 0},
    {"0205", 2, {Texto("Tipo de gasto"), kOculta, kOculta, Texto("      Importe total          por tipo y moneda"), Texto("    Cantidad  total            de consumos")}, 0},
    {"0301", 2, {kOculta, kOculta, kOculta, Texto("     Importe  total              por moneda"), Texto("     Cantidad  total              de ventas")}, 0},
    {"0302", 2, {Texto("Tipo de bien"), kOculta, kOculta, Texto("      Importe total          por tipo y moneda"), Texto("     Cantidad  total               de ventas")}, 0},
    {"0303", 3, {Texto(" Tipo de instrumento         financiero"), Texto("    Descripción de          otros  tipos  de            instrumentos"), kOculta, Texto("      Importe total          por tipo y moneda"), Texto("     Cantidad  total               de ventas")}, 0},
    {"0304", 3, {Texto("Tipo de bien"), Texto("Descripción de otros   bienes cuyo  valor     sea mayor a 3 UIT"), kOculta, Texto("      Importe total          por tipo y moneda"), Texto("     Cantidad  total               de ventas")}, 0},
    {"0401", 3, {kOculta, kOculta, ConPeriodo("Saldo de préstamos      concedidos al            01/01/"), ConPeriodo("Saldo de préstamos      concedidos al            31/12/"), ConPeriodo("Número de préstamos concedidos en el año              ")}, 1644},
    {"0402", 3, {kOculta, kOculta, ConPeriodo("Saldo de préstamos         recibidos al               01/01/"), ConPeriodo("Saldo de préstamos         recibidos al               31/12/"), ConPeriodo("Número de préstamos   recibidos en el año                ")}, 1654},
};
// clang-format on

}  // namespace

void FrmAdicionalCab::SetTitulos() {
  const Compartidas& g = G();
  GrdAdicional.SetHeadLines(2);
  const std::string clave = vb::Left(g.ClaveAdicional, 4);
  for (const Titulos& t : kTitulos) {
    if (t.Clave != clave) continue;
    GrdAdicional.SetHeadLines(t.LineasCabecera);
    GrdAdicional.Columns(4).SetCaption("Moneda");
    GrdAdicional.Columns(5).SetCaption("Otras monedas");
    for (std::size_t i = 0; i < std::size(kColumnasTitulo); ++i) {
      const Titulo& titulo = t.Columnas[i];
      forms::GridColumn& columna = GrdAdicional.Columns(kColumnasTitulo[i]);
      if (titulo.Como == Titulo::Clase::Oculta) columna.SetVisible(false);
      if (titulo.Como == Titulo::Clase::Caption) {
        columna.SetCaption(std::string(titulo.Texto) + (titulo.ConPeriodo ? g.Periodo : ""));
      }
    }
    if (t.AnchoCantidad != 0) GrdAdicional.Columns(kColCantidad).SetWidth(t.AnchoCantidad);
  }
}

}  // namespace app
