// The schedule row window's accept: the checks of the row, then the row
// stored in the list window's work table, and the list shown again.
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "app/servicios/ListasParametros.h"
#include "app/ventanas/ModGen00.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "schedules/DisenoDetalle.h"
#include "schedules/FrmAdicionalCab.h"
#include "schedules/FrmAdicionalDet.h"
#include "schedules/MensajeErrorAdicional.h"

namespace app {
namespace {

constexpr char kNuevo[] = "NUEVO";
constexpr std::string_view kEntero = "###########0";

bool Aplica(AplicaDetalle a, const std::string& seccion, bool nuevo) {
  switch (a) {
    case AplicaDetalle::Nuevo:
      return nuevo;
    case AplicaDetalle::Seccion01:
      return seccion == "01";
    case AplicaDetalle::Seccion02y03:
      return seccion == "02" || seccion == "03";
    case AplicaDetalle::Seccion04:
      return seccion == "04";
    case AplicaDetalle::Todas:
      return true;
    case AplicaDetalle::NoSeccion04:
      return seccion != "04";
  }
  return false;
}

// The whole value of a field as the checks read it: 0 for "" or "0".
double Entero(const forms::TextBox& caja) { return vb::Val(vb::Format(vb::Variant(caja.Text()), "############")); }

// The caption lower-cased, with "UIT" kept in capitals where it stands.
std::string Minusculas(const std::string& caption) {
  std::string texto = vb::LCase(caption);
  for (std::size_t p = caption.find("UIT"); p != std::string::npos; p = caption.find("UIT", p + 3)) {
    if (texto.size() == caption.size()) texto.replace(p, 3, "UIT");
  }
  return texto;
}

// A stored amount: the field's number without grouping, "" for an empty field.
vb::Variant Monto(const forms::TextBox& caja) { return vb::Variant(vb::Format(vb::Variant(caja.Text()), kEntero)); }

// The list window shows its work table again; a failure there is told, so
// that it does not end the program with the return unsaved.
void RefrescaLista() {
  try {
    forms::Default<FrmAdicionalCab>().Carga_Grilla_Patrimonial();
  } catch (const vb::Error& e) {
    MensajeErrorAdicional(e);
  }
}

}  // namespace

bool FrmAdicionalDet::Valida_Datos() {
  const Compartidas& g = G();
  const std::string seccion = vb::Left(g.ClaveAdicional, 2);
  const bool nuevo = g.ModoDetalle == kNuevo;
  for (const PasoValidacion& paso : kValidacion) {
    if (!Aplica(paso.Aplica, seccion, nuevo)) continue;
    forms::Control* campo = nullptr;
    const forms::Label* etiqueta = nullptr;
    forms::TextBox* caja = nullptr;
    switch (paso.Campo) {
      case CampoDetalle::Tipo:
        campo = &CboTipoMovimiento2;
        etiqueta = &LblMovimiento1;
        break;
      case CampoDetalle::OtroTipo:
        campo = caja = &TxtMovimiento2;
        etiqueta = &LblOtroTipo;
        break;
      case CampoDetalle::Moneda:
        campo = &Lstmoneda;
        etiqueta = &LblMoneda;
        break;
      case CampoDetalle::Monto1:
        campo = caja = &TxtMonto1;
        etiqueta = &LblMonto1;
        break;
      case CampoDetalle::Monto2:
        campo = caja = &TxtMonto2;
        etiqueta = &LblMonto2;
        break;
      case CampoDetalle::Cantidad:
        campo = caja = &TxtCantidad;
        etiqueta = &LblCantidad;
        break;
    }
    bool falta = false;
    switch (paso.Falta) {
      case FaltaDetalle::SinTipo:
        falta = CboTipoMovimiento2.Visible() && CboTipoMovimiento2.ListIndex() < 0;
        break;
      case FaltaDetalle::OtroVacio:
        falta = TxtMovimiento2.Visible() && TxtMovimiento2.Text().empty();
        break;
      case FaltaDetalle::SinMoneda:
        falta = Lstmoneda.ListIndex() < 0;
        break;
      case FaltaDetalle::Vacio:
        falta = caja->Text().empty();
        break;
      case FaltaDetalle::MalNumero:
        // A minus after the first place; also a minus alone.
        falta = vb::InStr(caja->Text(), "-") > 1 || !vb::ParseNumber(caja->Text()).has_value();
        break;
      case FaltaDetalle::Cero:
        falta = Entero(*caja) == 0;
        break;
      case FaltaDetalle::PrestamosEnCero:
        falta = Entero(TxtMonto1) == 0 && Entero(TxtMonto2) == 0 && Entero(TxtCantidad) == 0;
        break;
    }
    if (!falta) continue;
    std::string mensaje(paso.Antes);
    if (paso.Etiqueta) mensaje += Minusculas(etiqueta->Caption());
    mensaje += paso.Despues;
    ModGen00::MensajeError(mensaje, Caption());
    campo->SetFocus();
    return false;
  }
  return true;
}

bool FrmAdicionalDet::Graba_Datos() {
  Compartidas& g = G();
  const bool nuevo = g.ModoDetalle == kNuevo;
  // A changed row keeps the codes it was listed with.
  const int tipo = CboTipoMovimiento2.ListIndex();
  const std::string tipoElegido = tipo < 0 ? std::string() : vb::Trim(vb::Right(CboTipoMovimiento2.List(tipo), 2));
  const std::string tipInformacion = vb::Left(g.ClaveAdicional, 2);
  const std::string tipMovimiento1 = vb::Mid(g.ClaveAdicional, 3, 2);
  std::string tipMovimiento2 = !vb::Trim(g.MovimientoFijo).empty() ? g.MovimientoFijo : tipoElegido;
  std::string indMoneda = TxtCodigoMoneda.Text();
  if (!nuevo) {
    tipMovimiento2 = FilaTipo_;
    indMoneda = FilaMoneda_;
  }
  const std::string codigo884 = vb::Left(g.ClaveAdicional, 4) + tipoElegido;
  const std::string criterio = "TIP_INFORMACION = " + dao::Quote(tipInformacion) + " AND " +
                               " tip_movimiento1 = " + dao::Quote(tipMovimiento1) + " AND " +
                               " tip_movimiento2 = " + dao::Quote(tipMovimiento2) + " AND " +
                               " ind_moneda = " + dao::Quote(indMoneda) + " ";
  try {
    // The four codes are the row's key: a new row may not repeat them.
    g.CadenaSQL = std::string("SELECT COUNT(*) As nReg ") + " from TMPF0917PATRIM1 " + "WHERE " + criterio;
    auto cuenta = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
    const double nReg = vb::Val(vb::TextOf(cuenta->Fields("nReg").Value()));
    if (nuevo && nReg > 0) {
      ModGen00::MensajeInfo("Datos ya fueron ingresados. ", Caption());
      cuenta->Close();
      if (CboTipoMovimiento2.Visible()) {
        CboTipoMovimiento2.SetFocus();
      } else if (Lstmoneda.Visible()) {
        Lstmoneda.SetFocus();
      }
      return false;
    }
    auto tabla = g.BaseDatos->OpenRecordset("TMPF0917PATRIM1", dao::dbOpenDynaset);
    // A single-amount kind leaves the 1 January amount unset.
    const bool dosMontos = TxtMonto2.Visible();
    auto montos = [&] {
      if (dosMontos) tabla->Fields("mto_01012002").SetValue(Monto(TxtMonto1));
      tabla->Fields("mto_31122002").SetValue(Monto(dosMontos ? TxtMonto2 : TxtMonto1));
      tabla->Fields("ctd_movimiento").SetValue(Monto(TxtCantidad));
    };
    if (nuevo) {
      tabla->AddNew();
      tabla->Fields("TIP_INFORMACION").SetValue(vb::Variant(tipInformacion));
      tabla->Fields("TIP_MOVIMIENTO1").SetValue(vb::Variant(tipMovimiento1));
      tabla->Fields("TIP_MOVIMIENTO2").SetValue(vb::Variant(tipMovimiento2));
      tabla->Fields("IND_MONEDA").SetValue(vb::Variant(indMoneda));
      tabla->Fields("DES_INFORMACION").SetValue(vb::Variant(DescripcionParam("884", codigo884, 60, 1)));
      tabla->Fields("DES_movimiento2").SetValue(vb::Variant(TxtMovimiento2.Text()));
      tabla->Fields("des_moneda1").SetValue(vb::Variant(DescripcionParam("883", indMoneda, 35, 1)));
      tabla->Fields("des_moneda2").SetValue(vb::Variant(TxtMoneda.Text()));
      montos();
    } else {
      // A row gone meanwhile leaves nothing to update: the engine says so.
      tabla->FindFirst(criterio);
      if (!tabla->NoMatch()) {
        tabla->Edit();
        montos();
      }
    }
    tabla->Update();
    tabla->Close();
    cuenta->Close();
  } catch (const vb::Error& e) {
    // Told; the dialog goes and the list shows what the table holds.
    ModGen00::ErrorBaseDatos(e);
    RefrescaLista();
    forms::Unload(*this);
    return false;
  }
  g.AdicionalModificado = true;
  ModGen00::MensajeInfo("La información fue grabada satisfactoriamente. ", Caption());
  return true;
}

void FrmAdicionalDet::CmdAceptaDet_Click() {
  const Compartidas& g = G();
  if (!Valida_Datos()) return;
  if (!Graba_Datos()) return;
  // The list shows the stored row.
  RefrescaLista();
  // A changed row closes the dialog; a new one leaves it cleared for the next.
  if (g.ModoDetalle != kNuevo) {
    forms::Unload(*this);
    return;
  }
  Limpia_variables();
  if (vb::Trim(g.MovimientoFijo).empty()) {
    CboTipoMovimiento2.SetFocus();
  } else {
    Lstmoneda.SetFocus();
  }
}

void FrmAdicionalDet::CmdSalirDet_Click() { forms::Unload(*this); }

}  // namespace app
