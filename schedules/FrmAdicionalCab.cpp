#include "schedules/FrmAdicionalCab.h"

#include <string>

#include "app/inicio/Compartidas.h"
#include "app/servicios/ListasParametros.h"
#include "app/ventanas/CargaLista.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "schedules/MensajeErrorAdicional.h"

namespace app {
namespace {

// The grid's columns, by index: design caption, bound field, format, design width.
// The codes (0 and 3) stay out of sight: the names beside them say the same.
constexpr ColumnaLista kColumnas[] = {
    {"Tipo de movimiento2", "Tip_movimiento2", "", 600},
    {"Tipo de movimiento", "Des_informacion", "", 1650},
    {"Des_movimiento2", "Des_movimiento2", "", 1700},
    {"ind_moneda", "ind_moneda", "", 600},
    {"Moneda", "Des_moneda1", "", 1300},
    {"Otras monedas", "Des_moneda2", "", 900},
    {"Monto al 01/01/2002", "mto_01012002", forms::kFormatTextEvent, 1450},
    {"Monto al 31/12/2002", "mto_31122002", forms::kFormatTextEvent, 1450},
    {"ctd_movimiento", "ctd_movimiento", forms::kFormatTextEvent, 1200},
};
constexpr int kColTipo = 0, kColMoneda = 3, kColPrimerMonto = 6, kColCantidad = 8;

// The columns a work row of the subsection copies from the return's work
// table, and back.
constexpr std::string_view kCodigos[] = {"TIP_INFORMACION", "TIP_MOVIMIENTO1", "TIP_MOVIMIENTO2", "IND_MONEDA"};
constexpr std::string_view kMontos[] = {"mto_01012002", "mto_31122002", "ctd_movimiento"};

constexpr std::string_view kFormatoMonto = "###,###,###,##0";
constexpr std::string_view kFormatoNegativo = "(###,###,###,##0)";

// A stored value as text: the host's rows may hold Null.
vb::Variant Texto(dao::Recordset& filas, std::string_view campo) {
  return vb::Variant(vb::TextOf(filas.Fields(campo).Value()));
}

// The kind and the subsection of the open key.
std::string Tipo() { return vb::Left(G().ClaveAdicional, 2); }
std::string Subseccion() { return vb::Mid(G().ClaveAdicional, 3, 2); }

}  // namespace

FrmAdicionalCab::FrmAdicionalCab() : Form("FrmAdicionalCab") {
  SetCaption("Información Adicional");
  Move(160, 1430, 9390, 5130);
  SetMinButton(false);
  SetMaxButton(false);

  FrameAdicional.Move(120, 60, 9030, 3900);
  GrdAdicional.SetContainer(FrameAdicional);
  GrdAdicional.Move(120, 240, 8790, 3180);
  GrdAdicional.SetTabIndex(0);
  GrdAdicional.SetDataSource(&DtaAdicional);
  DtaAdicional.SetVisible(false);
  AgregaColumnas(GrdAdicional, kColumnas);
  GrdAdicional.Columns(kColTipo).SetVisible(false);
  GrdAdicional.Columns(kColMoneda).SetVisible(false);
  for (int i = kColPrimerMonto; i <= kColCantidad; ++i) GrdAdicional.Columns(i).SetAlignment(forms::vbRightJustify);
  LblNumReg.SetContainer(FrameAdicional);
  LblNumReg.Move(120, 3540, 4200, 255);

  struct Boton {
    forms::CommandButton FrmAdicionalCab::*Control;
    std::string_view Caption;
    long Left;
  };
  static constexpr Boton kBotones[] = {
      {&FrmAdicionalCab::CmdNuevoRec, "&Nuevo", 120},       {&FrmAdicionalCab::CmdModificaRec, "&Modificar", 1440},
      {&FrmAdicionalCab::CmdEliminaRec, "&Eliminar", 2760}, {&FrmAdicionalCab::CmdAceptaCab, "&Aceptar", 6600},
      {&FrmAdicionalCab::CmdSalirCab, "&Salir", 7920},
  };
  int orden = 1;
  for (const Boton& b : kBotones) {
    forms::CommandButton& boton = this->*b.Control;
    boton.SetCaption(b.Caption);
    boton.Move(b.Left, 4140, 1215, 375);
    boton.SetTabIndex(orden++);
  }
  CmdSalirCab.SetCancel(true);

  CmdNuevoRec.Click = [this] { CmdNuevoRec_Click(); };
  CmdModificaRec.Click = [this] { CmdModificaRec_Click(); };
  CmdEliminaRec.Click = [this] { CmdEliminaRec_Click(); };
  CmdAceptaCab.Click = [this] { CmdAceptaCab_Click(); };
  CmdSalirCab.Click = [this] { CmdSalirCab_Click(); };
  GrdAdicional.DblClick = [this] { GrdAdicional_DblClick(); };
  GrdAdicional.FormatText = [this](int ColIndex, vb::Variant& Value, long Bookmark) {
    GrdAdicional_FormatText(ColIndex, Value, Bookmark);
  };
}

void FrmAdicionalCab::Form_Load() {
  Compartidas& g = G();
  SetCaption(g.TituloAdicional);
  FrameAdicional.SetCaption(g.TituloMarcoAdicional);
  SetHelpContextID(g.AyudaAdicional);

  // Always at the same spot over the return form.
  SetTop(1430);
  SetLeft(160);
  SetWidth(9390);

  // The subsection's working copy, its grid and its headings; a failed load leaves only Salir.
  bool cargada = true;
  try {
    Carga_tmp_Patrimonial();
    Carga_Grilla_Patrimonial();
    SetTitulos();
  } catch (const vb::Error& e) {
    MensajeErrorAdicional(e);
    cargada = false;
  }

  // The copy is as the return's work table has it.
  g.AdicionalModificado = false;

  // A sent return's rows are only shown.
  if (EnRegistro() || !cargada) SoloSalir();
}

void FrmAdicionalCab::Carga_tmp_Patrimonial() {
  Compartidas& g = G();
  dao::Atomically(g.Motor.Workspaces(0), [&] {
    // The copy is made anew each opening.
    g.CadenaSQL = " DELETE * FROM TMPF0917PATRIM1 ";
    g.BaseDatos->Execute(g.CadenaSQL, dao::dbFailOnError);

    // The engine takes the kind and the subsection out of the key.
    g.CadenaSQL = std::string("SELECT * FROM TMPF0917PATRIM WHERE ") + "tip_informacion =Left(" +
                  dao::Quote(g.ClaveAdicional) + ",2) AND " + "tip_movimiento1 =Mid(" + dao::Quote(g.ClaveAdicional) +
                  ",3,2) ";
    auto filas = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);

    // Each row with its names from PARAM: the type's and the currency's.
    if (!filas->EOF_()) {
      const std::string clave = vb::Left(g.ClaveAdicional, 4);
      auto trabajo = g.BaseDatos->OpenRecordset("TMPF0917PATRIM1", dao::dbOpenDynaset);
      for (filas->MoveFirst(); !filas->EOF_(); filas->MoveNext()) {
        trabajo->AddNew();
        for (std::string_view codigo : kCodigos) trabajo->Fields(codigo).SetValue(Texto(*filas, codigo));
        trabajo->Fields("DES_INFORMACION")
            .SetValue(vb::Variant(
                DescripcionParam("884", clave + vb::TextOf(filas->Fields("TIP_MOVIMIENTO2").Value()), 60, 1)));
        trabajo->Fields("DES_movimiento2").SetValue(Texto(*filas, "DES_movimiento2"));
        trabajo->Fields("des_moneda1")
            .SetValue(vb::Variant(DescripcionParam("883", vb::TextOf(filas->Fields("IND_MONEDA").Value()), 35, 1)));
        trabajo->Fields("des_moneda2").SetValue(Texto(*filas, "des_moneda"));
        for (std::string_view monto : kMontos) trabajo->Fields(monto).SetValue(Texto(*filas, monto));
        trabajo->Update();
      }
      trabajo->Close();
    }
    filas->Close();
  });
}

void FrmAdicionalCab::Carga_Grilla_Patrimonial() {
  Compartidas& g = G();
  // Ties of the type name go by type and currency, so a row keeps its
  // place from one showing to the next.
  g.CadenaSQL = std::string("SELECT * ") + " FROM TMPF0917PATRIM1 " +
                " ORDER BY Des_informacion, tip_movimiento2, ind_moneda  ";

  DtaAdicional.SetDatabaseName(g.RutaBase);
  DtaAdicional.SetRecordset(g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset));

  LblNumReg.SetCaption("Cantidad de registros : " + vb::NumberText(Cuenta_Registros(Tipo(), Subseccion())));
}

long FrmAdicionalCab::Cuenta_Registros(std::string_view tip_informacion, std::string_view tip_movimiento1) {
  Compartidas& g = G();
  try {
    g.CadenaSQL = std::string("Select count(*) As nReg from TMPF0917PATRIM1 ") +
                  " WHERE TIP_INFORMACION = " + dao::Quote(tip_informacion) + " " +
                  " AND TIP_MOVIMIENTO1 = " + dao::Quote(tip_movimiento1) + " ";
    auto cuenta = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
    const vb::Variant nReg = cuenta->Fields("nReg").Value();
    cuenta->Close();
    if (nReg.IsNull() || vb::TextOf(nReg) == "0") return 0;
    return vb::CLng(nReg);
  } catch (const vb::Error& e) {
    MensajeErrorAdicional(e);
    return 0;
  }
}

void FrmAdicionalCab::GrdAdicional_FormatText(int ColIndex, vb::Variant& Value, long /*Bookmark*/) {
  if (ColIndex < kColPrimerMonto || ColIndex > kColCantidad) return;
  if (Tipo() != "01") {
    Value = vb::Variant(vb::Format(Value, kFormatoMonto));
    return;
  }
  // Bank balances may be overdrawn: a negative one shows between parentheses.
  if (!vb::IsNumeric(Value) || vb::TextOf(Value).empty()) return;
  const double numero = vb::CDbl(Value);
  Value = vb::Variant(numero >= 0 ? vb::Format(vb::Variant(numero), kFormatoMonto)
                                  : vb::Format(vb::Variant(-numero), kFormatoNegativo));
}

void FrmAdicionalCab::CmdNuevoRec_Click() {
  G().ModoDetalle = "NUEVO";
  G().Ventanas.Open(ventana::kFrmAdicionalDet);
}

void FrmAdicionalCab::CmdModificaRec_Click() {
  if (!HayFilas("No existen registros para modificar")) return;

  // The row window takes the grid's current row.
  const long posicion = DtaAdicional.Recordset()->AbsolutePosition();
  G().ModoDetalle = "MODIFICA";
  G().Ventanas.Open(ventana::kFrmAdicionalDet);

  // The rows were shown anew meanwhile; a position they no longer reach stays where it is.
  const auto& filas = DtaAdicional.Recordset();
  if (filas != nullptr && filas->RecordCount() > 0 && posicion >= 0 && posicion < filas->RecordCount()) {
    filas->SetAbsolutePosition(posicion);
    GrdAdicional.Refresh();
  }
}

void FrmAdicionalCab::GrdAdicional_DblClick() {
  // Not in registration mode, nor after a failed load.
  if (CmdModificaRec.Enabled()) CmdModificaRec_Click();
}

void FrmAdicionalCab::CmdEliminaRec_Click() {
  if (!HayFilas("No existen registros para eliminar")) return;
  Eliminar();
}

void FrmAdicionalCab::Eliminar() {
  Compartidas& g = G();
  try {
    if (forms::MsgBox("¿Esta seguro de Eliminar?. Esta información no podrá ser recuperada",
                      forms::vbYesNo + forms::vbQuestion, "Eliminar Registro") != forms::vbYes) {
      return;
    }

    // A row is known by the key's kind and subsection and the grid row's type and currency.
    g.AdicionalModificado = true;
    const std::string tipo = vb::TextOf(GrdAdicional.Columns(kColTipo).Value());
    const std::string moneda = vb::TextOf(GrdAdicional.Columns(kColMoneda).Value());

    // A row that is not found is not deleted, but the copy is still taken for changed.
    dao::Atomically(g.Motor.Workspaces(0), [&] {
      auto trabajo = g.BaseDatos->OpenRecordset("TMPF0917PATRIM1", dao::dbOpenDynaset);
      trabajo->FindFirst("TIP_INFORMACION = " + dao::Quote(Tipo()) + " AND " + " tip_movimiento1 = " +
                         dao::Quote(Subseccion()) + " AND " + " tip_movimiento2 = " + dao::Quote(tipo) + " AND " +
                         " ind_moneda = " + dao::Quote(moneda) + " ");
      if (!trabajo->NoMatch()) trabajo->Delete();
      trabajo->Close();
    });

    Carga_Grilla_Patrimonial();
  } catch (const vb::Error& e) {
    MensajeErrorAdicional(e);
  }
}

void FrmAdicionalCab::CmdAceptaCab_Click() {
  if (Acepta()) forms::Unload(*this);
}

bool FrmAdicionalCab::Acepta() {
  try {
    Graba_Detalle();
  } catch (const vb::Error& e) {
    MensajeErrorAdicional(e);
    return false;
  }
  G().AdicionalModificado = false;
  return true;
}

void FrmAdicionalCab::Graba_Detalle() {
  Compartidas& g = G();
  dao::Atomically(g.Motor.Workspaces(0), [&] {
    // The subsection's rows go from the return's work table, to be written anew from the copy.
    g.CadenaSQL = std::string("DELETE FROM TMPF0917PATRIM WHERE ") + "tip_informacion =Left(" +
                  dao::Quote(g.ClaveAdicional) + ",2) AND " + "tip_movimiento1 =Mid(" + dao::Quote(g.ClaveAdicional) +
                  ",3,2) ";
    g.BaseDatos->Execute(g.CadenaSQL, dao::dbFailOnError);

    // The names from PARAM are not written back.
    auto filas = g.BaseDatos->OpenRecordset("SELECT * FROM TMPF0917PATRIM1 ", dao::dbOpenDynaset);
    if (!filas->EOF_()) {
      auto trabajo = g.BaseDatos->OpenRecordset("TMPF0917PATRIM", dao::dbOpenDynaset);
      for (filas->MoveFirst(); !filas->EOF_(); filas->MoveNext()) {
        trabajo->AddNew();
        for (std::string_view codigo : kCodigos) trabajo->Fields(codigo).SetValue(Texto(*filas, codigo));
        trabajo->Fields("DES_movimiento2").SetValue(Texto(*filas, "DES_movimiento2"));
        trabajo->Fields("des_moneda").SetValue(Texto(*filas, "des_moneda2"));
        for (std::string_view monto : kMontos) trabajo->Fields(monto).SetValue(Texto(*filas, monto));
        trabajo->Update();
      }
      trabajo->Close();
    }
    filas->Close();
  });

  // The message comes also when the subsection is now empty.
  ModGen00::MensajeInfo("La información fue grabada satisfactoriamente. ", Caption());
}

void FrmAdicionalCab::CmdSalirCab_Click() { forms::Unload(*this); }

void FrmAdicionalCab::Form_Unload(int& Cancel) {
  Compartidas& g = G();
  // Unchanged, or only shown: nothing to ask.
  if (EnRegistro() || !g.AdicionalModificado) return;

  const int respuesta = forms::MsgBox("La información ha sido modificada. ¿Desea guardar los cambios?",
                                      forms::vbYesNoCancel + forms::vbQuestion, "Confirma Salir");
  // Yes writes back and lets this unload close the window; a failed
  // write-back keeps it open, with the changes.
  if (respuesta == forms::vbYes) {
    if (!Acepta()) Cancel = 1;
  } else if (respuesta == forms::vbNo) {
    try {
      g.BaseDatos->Execute(" DELETE * FROM TMPF0917PATRIM1 ", dao::dbFailOnError);
    } catch (const vb::Error& e) {
      // The next opening empties the copy anyway: the return's rows are untouched.
      MensajeErrorAdicional(e);
    }
  } else {
    Cancel = 1;
  }
}

void FrmAdicionalCab::SoloSalir() {
  CmdNuevoRec.SetEnabled(false);
  CmdAceptaCab.SetEnabled(false);
  CmdModificaRec.SetEnabled(false);
  CmdEliminaRec.SetEnabled(false);
}

bool FrmAdicionalCab::EnRegistro() { return G().ModoRegistro && G().Modo == 2; }

bool FrmAdicionalCab::HayFilas(std::string_view mensaje) {
  const auto& filas = DtaAdicional.Recordset();
  if (filas != nullptr && filas->RecordCount() > 0) return true;
  ModGen00::MensajeError(mensaje, Caption());
  CmdNuevoRec.SetFocus();
  return false;
}

void RegistraFrmAdicionalCab() {
  G().Ventanas.Register(ventana::kFrmAdicionalCab, [] { AbreNueva<FrmAdicionalCab>(); });
}

}  // namespace app
