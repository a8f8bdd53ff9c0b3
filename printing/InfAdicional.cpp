// The annex "INFORMACIÓN ADICIONAL" of the printed return: the return's
// schedule rows in landscape, one section per schedule kind with its title,
// column heads and one line a row, then the count of rows and, for each
// schedule the return declares empty, a line that says so.
#include <array>
#include <memory>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/servicios/Consulta.h"
#include "app/servicios/ListasParametros.h"
#include "common/ImpLinea.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "printing/ImpRep.h"
#include "printing/Trazos.h"

namespace ImpRep {
namespace {

// Section titles, heads, rows and the closing lines; the main title is 6 points larger.
constexpr int TamanoAnexo = 7;
constexpr std::int16_t kDesplazamiento = 2350;
constexpr int kIzquierda = 290, kDerecha = 15200;
// A page's rows end here, and a section starts only well above it.
constexpr int kFinDeHoja = 9900;

// Texts of the titles and heads hold the period where "{P}" stands.
constexpr std::string_view kPeriodo = "{P}";

struct Encabezado {
  std::int16_t X = 0;  // 0: no head
  std::string_view Texto;
};
struct Seccion {
  std::string_view Clave;
  std::string_view Titulo;
  std::array<Encabezado, 5> Encabezados;
};

constexpr Seccion kSecciones[] = {
    {"0101",
     "DEPÓSITOS EN EL SISTEMA FINANCIERO - DEPÓSITOS EN EL SISTEMA FINANCIERO CON SALDO AL 31/12/2002",
     {{{300, "Tipo de cuenta"},
       {2750, "Descripción de otros tipos de cuenta"},
       {6700, "Moneda"},
       {10300, "Saldo al 31/12/{P}"},
       {12450, "Cantidad total de cuentas"}}}},
    {"0201",
     "COMPRAS Y GASTOS - COMPRA DE PREDIOS EN EL EXTRANJERO; AMPLIACIONES Y/O REMODELACIONES EN EL PERÚ Y/O EN EL "
     "EXTRANJERO",
     {{{300, "Tipo"}, {2750, "Moneda"}, {6700, "Importe total por tipo y moneda"}, {10300, "Cantidad"}}}},
    {"0202",
     "COMPRAS Y GASTOS - COMPRA DE VEHÍCULOS, NAVES O AERONAVES(SIEMPRE QUE SEA A PERSONAS NATURALES O EN EL "
     "EXTRANJERO)",
     {{{300, "Tipo de bien comprado"},
       {2750, "Moneda"},
       {6700, "Importe total por tipo y moneda"},
       {10300, "Cantidad total de compras"}}}},
    {"0203",
     "COMPRAS Y GASTOS - COMPRA O INVERSIÓN EN INSTRUMENTOS FINANCIEROS",
     {{{300, "Tipo de inst. financ."},
       {2750, "Otros tipos de instrumentos"},
       {6700, "Moneda"},
       {10300, "Total por tipo y moneda"},
       {13000, "Cantidad total de compras"}}}},
    {"0204",
     "COMPRAS Y GASTOS - COMPRA DE JOYAS, OBRAS DE ARTE, CABALLOS DE CARRERA, CABALLOS DE PASO U OTROS CUYO COSTO "
     "SUPERE LAS 3 UIT",
     {{{300, "Tipo de bien"},
       {2750, "Otros bienes - valor mayor a 3 UIT"},
       {6700, "Moneda"},
       {10300, "Total por tipo y moneda"},
       {13000, "Cantidad total de compras"}}}},
    {"0205",
     "COMPRAS Y GASTOS - GASTOS EN EDUCACIÓN O TURISMO EN EL EXTRANJERO",
     {{{300, "Tipo de gasto"},
       {2750, "Moneda"},
       {6700, "Importe total por tipo y moneda"},
       {10300, "Cantidad  total de consumos"}}}},
    {"0301", "VENTAS - VENTA DE PREDIOS EN EL EXTRANJERO", {{{300, "Moneda"}, {3250, "Importe total por moneda"}}}},
    {"0302",
     "VENTAS - VENTA DE VEHÍCULOS, NAVES O AERONAVES",
     {{{300, "Tipo de bien"},
       {2750, "Moneda"},
       {6700, "Importe total por tipo y moneda"},
       {10300, "Cantidad total de ventas"}}}},
    {"0303",
     "VENTAS - VENTA DE INSTRUMENTOS FINANCIEROS",
     {{{300, "Tipo de instrum. financiero"},
       {2750, "Descripción de otros  tipos  de instrumentos"},
       {6700, "Moneda"},
       {10300, "Total por tipo y moneda"},
       {13000, "Cantidad total de ventas"}}}},
    {"0304",
     "VENTAS - VENTA DE JOYAS, OBRAS DE ARTE, CABALLOS DE CARRERA, CABALLOS DE PASO U OTROS CUYO COSTO SUPERE LAS 3 "
     "UIT",
     {{{300, "Tipo de bien"},
       {2750, "Otros bienes - valor mayor a 3 UIT"},
       {6700, "Moneda"},
       {10300, "Total por tipo y moneda"},
       {13000, "Cantidad total de ventas"}}}},
    {"0401",
     "PRÉSTAMOS CONCEDIDOS Y/O PRÉSTAMOS RECIBIDOS - SALDOS DE PRÉSTAMOS CONCEDIDOS PENDIENTES DE COBRO AL 01/01/{P} "
     "Y/O 31/12/{P}(Excluye empresas del Sistema Financiero)",
     {{{300, "Moneda"},
       {2750, "Saldo de préstamos concedidos al 01/01/{P}"},
       {6700, "Saldo de préstamos concedidos al 31/12/{P}"},
       {10600, "Número de préstamos concedidos en el año {P}"}}}},
    {"0402",
     "PRÉSTAMOS CONCEDIDOS Y/O PRÉSTAMOS RECIBIDOS - SALDOS DE PRÉSTAMOS RECIBIDOS PENDIENTES DE PAGO AL 01/01/{P} "
     "Y/O 31/12/{P}(Excluye empresas del Sistema Financiero)",
     {{{300, "Moneda"},
       {2750, "Saldo de préstamos recibidos al 01/01/{P}"},
       {6700, "Saldo de préstamos recibidos al 31/12/{P}"},
       {10600, "Número de préstamos recibidos en el año {P}"}}}},
};

// What a column of a row shows.
enum class Columna : std::uint8_t {
  Tipo,             // the schedule type's name, in 22
  Descripcion,      // des_movimiento2 trimmed, in 20
  Moneda,           // the currency's name, in 35
  MonedaRecortada,  // the same, trimmed first
  SaldoInicial,     // mto_01012002 as an amount
  SaldoFinal,       // mto_31122002 as an amount
  Cantidad,         // ctd_movimiento as an amount
};
struct Celda {
  std::int16_t X = 0;  // 0: no column
  Columna Que = Columna::Tipo;
};
struct Detalle {
  std::array<std::string_view, 3> Claves;
  std::array<Celda, 5> Celdas;
};

using enum Columna;
constexpr Detalle kDetalles[] = {
    {{"0101"}, {{{300, Tipo}, {2750, Descripcion}, {6750, Moneda}, {10550, SaldoFinal}, {12970, Cantidad}}}},
    {{"0201"}, {{{300, Tipo}, {2750, Moneda}, {6700, SaldoFinal}, {10550, Cantidad}}}},
    {{"0202", "0205", "0302"}, {{{300, Tipo}, {2750, Moneda}, {6750, SaldoFinal}, {10550, Cantidad}}}},
    {{"0203", "0204", "0303"},
     {{{300, Tipo}, {2750, Descripcion}, {6750, Moneda}, {10550, SaldoFinal}, {13370, Cantidad}}}},
    {{"0304"}, {{{300, Tipo}, {2750, Descripcion}, {6750, Moneda}, {10550, SaldoFinal}, {12970, Cantidad}}}},
    {{"0301"}, {{{300, Moneda}, {3400, SaldoFinal}, {6750, Cantidad}}}},
    {{"0401", "0402"}, {{{300, MonedaRecortada}, {3800, SaldoInicial}, {7600, SaldoFinal}, {11600, Cantidad}}}},
};

// The schedules a return may declare empty, by their flag boxes.
struct SinInformacion {
  std::int16_t Casilla;
  std::string_view Nombre;
};
constexpr SinInformacion kSinInformacion[] = {
    {896, "DEPÓSITOS EN EL SISTEMA FINANCIERO"},
    {897, "COMPRAS Y GASTOS"},
    {898, "VENTAS"},
    {899, "PRÉSTAMOS CONCEDIDOS Y/O PRÉSTAMOS RECIBIDOS"},
};

std::string ConPeriodo(std::string_view texto) { return vb::Replace(texto, kPeriodo, app::G().Periodo); }

// A field of the current row; a Null reads as "".
std::string CampoDe(dao::Recordset& rs, std::string_view nombre) { return vb::TextOf(rs.Fields(nombre).Value()); }

std::string ClaseDe(dao::Recordset& rs) { return CampoDe(rs, "tip_informacion") + CampoDe(rs, "tip_movimiento1"); }

void Banda(std::int16_t pagina, int y) {
  common::ImprimeRecuadro(app::G().ImpRep.ImpLinea, kIzquierda, y, kDerecha, y + 270, pagina);
}

// The page head, at the start and at every page break: the heading and the
// main title's band; the running position goes to the title.
void CabeceraAnexo(std::int16_t pagina, int& y) {
  ImprimeCabecera(pagina, kDesplazamiento);
  y = 2260;
  common::ImprimeRecuadro(app::G().ImpRep.ImpLinea, kIzquierda, 2160, kDerecha, 2560, pagina);
  Escribe(6100, 2260, "INFORMACIÓN ADICIONAL", true, TamanoAnexo + 6, pagina);
}

// The rows of the return's schedules, a kind's rows together.
std::string ConsultaAnexo() {
  const app::Compartidas& g = app::G();
  std::string sql = g.Enviadas ? "Select * from hf0917patrim " : "SELECT * FROM f0917patrim ";
  sql += "WHERE tip_doc_d =6 ";
  sql += " AND doc_id_d=" + dao::Quote(g.RucDeclarante) + " ";
  sql += " AND periodo =" + dao::Quote(g.Periodo) + " ";
  sql += " AND formulario =" + dao::Quote(g.Formulario) + " ";
  if (g.Enviadas) sql += " AND correl =" + dao::Quote(g.Correlativo) + " ";
  return sql + " ORDER BY tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda";
}

std::string ImporteAnexo(dao::Recordset& rs, std::string_view campo) {
  return AlineaDerecha(vb::Format(vb::Variant(CampoDe(rs, campo)), "###,###,###,##0"), 15);
}

std::string TextoDe(Columna que, dao::Recordset& rs) {
  const app::cValidador& v = app::Validador();
  switch (que) {
    case Tipo:
      return v.AjustaColumna(
          app::DescripcionParam("884", app::G().ClaveAdicional + CampoDe(rs, "tip_movimiento2"), 22, 1), 22, " ");
    case Descripcion:
      return v.AjustaColumna(vb::Trim(CampoDe(rs, "des_movimiento2")), 20, " ");
    case Moneda:
      return v.AjustaColumna(app::DescripcionParam("883", CampoDe(rs, "ind_moneda"), 35, 1), 35, " ");
    case MonedaRecortada:
      return v.AjustaColumna(vb::Trim(app::DescripcionParam("883", CampoDe(rs, "ind_moneda"), 35, 1)), 35, " ");
    case SaldoInicial:
      return ImporteAnexo(rs, "mto_01012002");
    case SaldoFinal:
      return ImporteAnexo(rs, "mto_31122002");
    case Cantidad:
      return ImporteAnexo(rs, "ctd_movimiento");
  }
  return {};
}

}  // namespace

void ImprimeInfAdicional(std::int16_t paginaInicial) {
  app::Compartidas& g = app::G();
  std::int16_t pagina = paginaInicial;
  int y = 0;
  // A page break: the next page, its head, and its rows from y 2800.
  auto NuevaHoja = [&] {
    pagina = static_cast<std::int16_t>(pagina + 1);
    CabeceraAnexo(pagina, y);
    y = 2800;
  };

  // The annex is landscape, from its first page.
  common::ImprimeLinea(g.ImpRep.ImpLinea, "<!Orientacion!>H<!/Orientacion!>");
  CabeceraAnexo(pagina, y);

  // The rows of every schedule, one section per kind, in the order they come.
  std::shared_ptr<dao::Recordset> rs = app::AbreLectura(ConsultaAnexo());
  long registros = 0;
  if (!rs->EOF_()) {
    rs->MoveLast();
    registros = rs->RecordCount();
    rs->MoveFirst();
    y += 270;
  }
  while (!rs->EOF_()) {
    // A new section: its kind is the key its title is found by.
    y += 270;
    g.ClaveAdicional = ClaseDe(*rs);
    // A section too near the page's end starts without its title; the page break repeats it.
    if (y + 610 < kFinDeHoja) {
      Banda(pagina, y);
      y += 270;
      ImprimeTituloAnexo(pagina, static_cast<std::int16_t>(y));
      Banda(pagina, y);
      y += 340;
    }
    // The section's rows, a full page breaking with the title and heads repeated.
    for (; !rs->EOF_() && ClaseDe(*rs) == g.ClaveAdicional; rs->MoveNext()) {
      if (y >= kFinDeHoja) {
        NuevaHoja();
        Banda(pagina, 2800);
        y = 3070;
        ImprimeTituloAnexo(pagina, static_cast<std::int16_t>(y));
        Banda(pagina, 3070);
        y = 3410;
      }
      ImprimeDetalleAnexo(pagina, static_cast<std::int16_t>(y), *rs);
      y += 270;
    }
  }
  rs->Close();

  // A new page when the count would not fit below the rows.
  if (y > 8900) NuevaHoja();
  // The count of rows only when some schedule was answered Yes.
  bool declara = false;
  for (const SinInformacion& s : kSinInformacion) declara = declara || g.ImpRep.Casilla(s.Casilla) == "1";
  if (declara) {
    Banda(pagina, y);
    Escribe(300, y, "Cantidad total de registros  :" + vb::Str(static_cast<double>(registros)), false, TamanoAnexo,
            pagina);
    y += 540;
  } else {
    y += 810;
  }
  // Another when the empty schedules would not fit.
  if (y > 7000) NuevaHoja();
  // Each schedule answered No says it has nothing to declare.
  for (const SinInformacion& s : kSinInformacion) {
    if (g.ImpRep.Casilla(s.Casilla) != "0") continue;
    y += 270;
    Banda(pagina, y);
    Escribe(300, y, s.Nombre, true, TamanoAnexo, pagina);
    y += 270;
    Escribe(300, y, "NO EXISTE INFORMACIÓN A DECLARAR", false, TamanoAnexo, pagina);
  }
  // The writer counts the annex's pages too.
  g.ImpRep.ImpLinea.PaginaActual = static_cast<std::int16_t>(pagina + 1);
}

void ImprimeTituloAnexo(std::int16_t pagina, std::int16_t y) {
  for (const Seccion& s : kSecciones) {
    if (s.Clave != app::G().ClaveAdicional) continue;
    Escribe(300, y - 270, ConPeriodo(s.Titulo), true, TamanoAnexo, pagina);
    for (const Encabezado& e : s.Encabezados) {
      if (e.X != 0) Escribe(e.X, y, ConPeriodo(e.Texto), true, TamanoAnexo, pagina);
    }
  }
}

void ImprimeDetalleAnexo(std::int16_t pagina, std::int16_t y, dao::Recordset& rs) {
  for (const Detalle& d : kDetalles) {
    bool es = false;
    for (std::string_view clave : d.Claves) es = es || (!clave.empty() && clave == app::G().ClaveAdicional);
    if (!es) continue;
    for (const Celda& c : d.Celdas) {
      if (c.X != 0) Escribe(c.X, y, TextoDe(c.Que, rs), false, TamanoAnexo, pagina);
    }
  }
}

}  // namespace ImpRep
