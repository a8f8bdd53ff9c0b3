// Saving a return: its header (CAB), its box rows (DET) and its schedules
// in one transaction, then its state after the silent consistency check.
// The previous version stays whole until the transaction commits, so a
// failure in between loses nothing that was stored before.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModGen00.h"
#include "common/CodigoControl.h"
#include "common/Importe.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/FilasDeclaracion.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// The condition that selects the open return's header, as the save writes it.
std::string ClaveCabecera(const Compartidas& g) {
  return " WHERE DOC_ID_D=" + dao::Quote(g.RucDeclarante) + " AND PERIODO=" + dao::Quote(g.Periodo) +
         " AND FORMULARIO=" + dao::Quote(g.Formulario) + " AND SEMANA=" + vb::NumberText(g.Semana);
}

// Puts `valor` into the field as text.
void Pon(dao::Recordset& rs, std::string_view campo, std::string_view valor) {
  rs.Fields(campo).SetValue(vb::Variant(std::string(valor)));
}

constexpr std::string_view kGrabadaConsistente = "Toda la información del formulario fue grabada satisfactoriamente.";
constexpr std::string_view kGrabadaInconsistente = "La información del formulario fue grabada con inconsistencias.";
constexpr std::string_view kNoEnviable = "En estas condiciones no podrá ser enviado a VELTA.";

}  // namespace

bool Frm0917::GrabarForm() {
  if (EnRegistro()) return GrabaNumeroOrden();
  Compartidas& g = G();

  // The identification check shows its own message.
  if (!ValIdent("1")) return false;

  // A box loaded from another program's row may hold more than a box can:
  // it is named, and nothing is written.
  if (const int casilla = CasillaDesbordada()) {
    forms::MsgBox(common::ImporteExcedido(casilla), forms::vbCritical, Caption());
    return false;
  }

  forms::Screen().SetMousePointer(forms::vbHourglass);

  // A new return's declarant is the one chosen in its list.
  g.RucDeclarante = g.Modo == 1 ? vb::Trim(vb::Left(CmbRuc.Text(), 11)) : TxtNumRuc.Text();

  // The consistency check reads only the form: it runs, with its own
  // information boxes, before the database is held for writing.
  const bool consistente = ValidaTodo("2");

  // Header, box rows, schedules and state as one unit: a failure anywhere leaves the stored return as it was.
  bool conEstado = false;
  try {
    conEstado = dao::Atomically(
        g.Motor.Workspaces(0),
        [&] {
          GrabaCabecera();
          GrabaCasillas();
          Graba_Patrimonial();
          return GrabaEstado(consistente);
        },
        dao::kWriteLock);
  } catch (const vb::Error& e) {
    forms::Screen().SetMousePointer(forms::vbDefault);
    ModGen00::ErrorBaseDatos(e);
    FormularioModificado = true;
    return false;
  }
  if (conEstado) {
    forms::MsgBox(consistente ? std::string(kGrabadaConsistente)
                              : std::string(kGrabadaInconsistente) + vb::Chr(10) + std::string(kNoEnviable),
                  forms::vbExclamation, Caption());
  }

  forms::Screen().SetMousePointer(forms::vbDefault);
  FormularioModificado = false;
  CierreGrabacion();
  return true;
}

void Frm0917::GrabaCabecera() {
  Compartidas& g = G();
  g.CadenaSQL = "SELECT * FROM CAB" + ClaveCabecera(g);
  auto rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
  if (rs->EOF_()) {
    rs->AddNew();
    Pon(*rs, "Doc_id_d", g.RucDeclarante);
    Pon(*rs, "PERIODO", g.Periodo);
    Pon(*rs, "Formulario", g.Formulario);
    rs->Fields("Semana").SetValue(vb::Variant(g.Semana));
    rs->Fields("tip_doc_d").SetValue(vb::Variant(std::int16_t{6}));
  } else {
    rs->Edit();
  }
  Pon(*rs, "fec_pro", vb::Format(vb::Today(), "dd/mm/yyyy"));

  const ColumnasPago& pago = ColumnasDePago(FormaDePagoQBX1.formapago());
  auto dato = [&](DatoPago d) -> std::string {
    switch (d) {
      case DatoPago::Blanco:
        return " ";
      case DatoPago::Vacio:
        return "";
      case DatoPago::Banco:
        return FormaDePagoQBX1.banco();
      case DatoPago::NumCheque:
        return FormaDePagoQBX1.numcheque();
      case DatoPago::Importe:
        return Entero(FormaDePagoQBX1.importe());
    }
    return " ";
  };
  Pon(*rs, "bcolibrad", dato(pago.bcolibrad));
  Pon(*rs, "nrocheque", dato(pago.nrocheque));
  Pon(*rs, "cheque", dato(pago.cheque));
  Pon(*rs, "efectivo", dato(pago.efectivo));

  Pon(*rs, "rectifica", OptRectifica(0).Value() ? "0" : "1");
  Pon(*rs, "cNumero", common::CodigoControl(*rs, kClaveCab));
  rs->Update();
  rs->Close();
}

void Frm0917::GrabaCasillas() {
  Compartidas& g = G();
  // Every box row goes; the filled boxes are written again.
  g.CadenaSQL = std::string("DELETE * FROM DET") + ClaveCabecera(g) + " AND TIP_DOC_D=6";
  g.BaseDatos->Execute(g.CadenaSQL, dao::dbFailOnError);

  // The return has no box rows now: one recordset over them takes the new ones.
  g.CadenaSQL = "SELECT * FROM DET WHERE DOC_ID_D=" + dao::Quote(vb::Trim(g.RucDeclarante)) + " AND TIP_DOC_D=6" +
                " AND PERIODO=" + dao::Quote(vb::Trim(g.Periodo)) + " AND FORMULARIO=" + dao::Quote(g.Formulario) +
                " AND SEMANA=" + vb::NumberText(g.Semana);
  auto rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
  struct Suelta {
    dao::Recordset*& Filas;
    ~Suelta() { Filas = nullptr; }
  } suelta{CasillasDet};
  CasillasDet = rs.get();

  // Every box of the form's pages, with its trimmed text.
  for (std::int16_t n : ListaCasillas) GrabarCasilla(CodigoCasilla(n), vb::Trim(txtvalor(n).Text()));

  // Then the boxes kept outside the pages: payment, identity, names, lists and options.
  const bool cheque = FormaDePagoQBX1.formapago() == "C";
  const bool rectifica = OptRectifica(1).Value();
  for (const CasillaEspecial& c : kCasillasEspeciales) {
    switch (c.Si) {
      case Cuando::Siempre:
        break;
      case Cuando::Cheque:
        if (!cheque) continue;
        break;
      case Cuando::Rectifica:
        if (!rectifica) continue;
        break;
      case Cuando::NoRectifica:
        if (rectifica) continue;
        break;
    }
    GrabarCasilla(c.Codigo, ValorEspecial(c));
  }
  rs->Close();
}

bool Frm0917::GrabarCasilla(std::string_view casilla, std::string_view valor) {
  // An empty box, or a mask with nothing typed, has no row.
  if (!TieneValor(valor)) return false;
  Compartidas& g = G();
  dao::Recordset& rs = *CasillasDet;

  // The rows were all deleted, and no box comes twice in a save:
  // each is a new row.
  rs.AddNew();
  Pon(rs, "Doc_id_d", vb::Trim(g.RucDeclarante));
  rs.Fields("tip_doc_d").SetValue(vb::Variant(std::int16_t{6}));
  Pon(rs, "PERIODO", vb::Trim(g.Periodo));
  Pon(rs, "Formulario", g.Formulario);
  rs.Fields("Semana").SetValue(vb::Variant(g.Semana));
  Pon(rs, "Casilla", casilla);

  // The control code goes last: it covers the other columns.
  Pon(rs, "i_valor", ValorGuardado(casilla, valor));
  Pon(rs, "idcasilla", IdCasilla(casilla));
  rs.Fields("estado").SetValue(vb::Variant(std::int16_t{0}));
  Pon(rs, "cNumero", common::CodigoControl(rs, kClaveDet));

  rs.Update();
  return true;
}

std::string Frm0917::ValorEspecial(const CasillaEspecial& casilla) const {
  const Compartidas& g = G();
  switch (casilla.De) {
    case Origen::Banco:
      return vb::Right(FormaDePagoQBX1.banco(), 2);
    case Origen::NumCheque:
      return FormaDePagoQBX1.numcheque();
    case Origen::FormaPago:
      return FormaDePagoQBX1.formapago();
    case Origen::Importe:
      return FormaDePagoQBX1.importe();
    case Origen::Ruc:
      return g.RucDeclarante;
    case Origen::Periodo:
      return g.Periodo;
    case Origen::Constante:
      return std::string(casilla.Constante);
    case Origen::Telefono:
      return TxtTelefono.Text();
    case Origen::Texto:
      return txtvalor(casilla.Caja).Text();
    case Origen::Primeros15:
      return vb::Mid(txtvalor(casilla.Caja).Text(), 1, 15);
    case Origen::Siguientes15:
      return vb::Mid(txtvalor(casilla.Caja).Text(), 16, 15);
    case Origen::TipoDocumento:
      return vb::Left(cmbtipdoc(casilla.Caja).Text(), 2);
    case Origen::Profesion:
      return vb::Left(cboProfesion.Text(), 2);
    case Origen::FechaNacimiento:
      return MkeFecNac.Text();
    case Origen::Devolucion:
      if (optDevolucion(1).Value()) return "1";
      if (optDevolucion(0).Value()) return "0";
      return "";
    case Origen::Inmueble:
      if (optInmueble(1).Value()) return "1";
      if (optInmueble(2).Value()) return "2";
      return "";
  }
  return "";
}

int Frm0917::CasillaDesbordada() const {
  for (std::int16_t n : ListaCasillas) {
    if (!CabeEnFila(CodigoCasilla(n), vb::Trim(txtvalor(n).Text()))) return n;
  }
  for (const CasillaEspecial& c : kCasillasEspeciales) {
    if (!CabeEnFila(c.Codigo, ValorEspecial(c))) return static_cast<int>(vb::Val(c.Codigo));
  }
  return 0;
}

bool Frm0917::GrabaEstado(bool consistente) {
  Compartidas& g = G();
  g.CadenaSQL = "Select * from  cab " + ClaveCabecera(g) + " AND TIP_DOC_D=6";
  auto rs = g.BaseDatos->OpenRecordset(g.CadenaSQL, dao::dbOpenDynaset);
  const bool hay = !rs->EOF_();
  if (hay) {
    rs->MoveFirst();
    rs->Edit();
    const std::int16_t estado = consistente ? 0 : 9;
    rs->Fields("estado").SetValue(vb::Variant(estado));
    Pon(*rs, "cNumero", common::CodigoControl(*rs, kClaveCab));
    rs->Update();
  }
  rs->Close();
  return hay;
}

void Frm0917::CierreGrabacion() {
  Compartidas& g = G();
  if (SalirAlGrabar) {
    g.Periodo = "";
    forms::Application& aplicacion = forms::Application::Current();
    aplicacion.Unload(*this);
    aplicacion.Release<Frm0917>();
    return;
  }
  // A registration flag left over from a sent return must not make the
  // saved new return one.
  if (g.Modo == 1) g.ModoRegistro = false;
  g.Modo = 2;
  CargaIdent();
  FormularioModificado = false;
}

}  // namespace app
