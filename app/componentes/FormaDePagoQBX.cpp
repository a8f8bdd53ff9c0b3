#include "app/componentes/FormaDePagoQBX.h"

#include <algorithm>

#include "app/componentes/BarradeEstadoQBX.h"
#include "app/inicio/Compartidas.h"
#include "platform/db/Constants.h"
#include "platform/forms/Constants.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"

namespace app {
namespace {

constexpr std::string_view kBancos =
    "SELECT MID(ARGUMENTO,1,2) AS codigo, MID(FUNCION,1,36) AS descrip FROM PARAM "
    "WHERE NUMERO='004' AND TRIM(ARGUMENTO)<>'00' ORDER BY ARGUMENTO";

struct Lugar {
  forms::Control& Control;
  long Left, Top, Width, Height;
};

}  // namespace

FormaDePagoQBX::FormaDePagoQBX(forms::Form* form, std::string name, int index)
    : Control(form, std::move(name), index) {
  // The captions' column is as wide as "Nº de cheque:" at the control's font.
  const Lugar lugares[] = {
      {optCheque, 120, 90, 1215, 255},    {optEfectivo, 1440, 90, 1215, 255}, {lblBanco, 120, 480, 1080, 255},
      {cboBanco, 1260, 435, 3075, 315},   {lblCheque, 120, 855, 1080, 255},   {txtCheque, 1260, 810, 1935, 315},
      {lblImporte, 120, 1230, 1080, 255}, {lblMonto, 1260, 1230, 1935, 255},
  };
  for (const Lugar& l : lugares) {
    l.Control.SetContainer(*this);
    l.Control.Move(l.Left, l.Top, l.Width, l.Height);
  }
  optCheque.SetCaption("Cheque");
  optEfectivo.SetCaption("Efectivo");
  lblBanco.SetCaption("Banco:");
  lblCheque.SetCaption("Nº de cheque:");
  lblImporte.SetCaption("Importe:");
  lblMonto.SetAlignment(forms::vbRightJustify);
  txtCheque.SetMaxLength(20);  // CAB.nrocheque

  optCheque.Click = [this] { optCheque_Click(); };
  optEfectivo.Click = [this] { optEfectivo_Click(); };
  cboBanco.Click = [this] { cboBanco_Click(); };
  cboBanco.GotFocus = [this] { CargaBancos(); };
  txtCheque.Change = [this] { txtCheque_Change(); };
  Muestra();
}

void FormaDePagoQBX::Setnumcheque(std::string_view valor) {
  NumCheque_ = std::string(valor);
  Muestra();
}

void FormaDePagoQBX::Setbanco(std::string_view valor) {
  Banco_ = std::string(valor);
  CargaBancos();
  Muestra();
}

void FormaDePagoQBX::Setformapago(std::string_view valor) {
  FormaPago_ = std::string(valor);
  CargaBancos();
  Muestra();
}

void FormaDePagoQBX::Setimporte(std::string_view valor) {
  Importe_ = std::string(valor);
  Muestra();
}

void FormaDePagoQBX::Sethabilitado(bool valor) {
  Habilitado_ = valor;
  Muestra();
}

void FormaDePagoQBX::CargaBancos() {
  const Compartidas& g = G();
  if (BancosCargados_ || g.BaseDatos == nullptr) return;
  BancosCargados_ = true;
  auto rs = g.BaseDatos->OpenRecordset(kBancos, dao::dbOpenSnapshot);
  cboBanco.Clear();
  CodigosBanco_.clear();
  while (!rs->EOF_()) {
    CodigosBanco_.push_back(vb::Trim(vb::TextOf(rs->Fields("codigo").Value())));
    cboBanco.AddItem(vb::Trim(vb::TextOf(rs->Fields("descrip").Value())));
    rs->MoveNext();
  }
  rs->Close();
}

void FormaDePagoQBX::Muestra() {
  Mostrando_ = true;
  struct Fin {
    bool& Mostrando;
    ~Fin() { Mostrando = false; }
  } fin{Mostrando_};

  optCheque.SetValue(FormaPago_ == "C");
  optEfectivo.SetValue(FormaPago_ == "E");
  auto banco = std::find(CodigosBanco_.begin(), CodigosBanco_.end(), vb::Trim(Banco_));
  cboBanco.SetListIndex(banco == CodigosBanco_.end() ? -1 : static_cast<int>(banco - CodigosBanco_.begin()));
  if (txtCheque.Text() != NumCheque_) txtCheque.SetText(NumCheque_);
  lblMonto.SetCaption(SinTeclaAcceso(Importe_));

  const bool cheque = FormaPago_ == "C";
  optCheque.SetEnabled(Habilitado_);
  optEfectivo.SetEnabled(Habilitado_);
  cboBanco.SetEnabled(Habilitado_ && cheque);
  txtCheque.SetEnabled(Habilitado_ && cheque);
  Changed(forms::Property::Custom);
}

void FormaDePagoQBX::optCheque_Click() {
  if (Mostrando_) return;
  Setformapago("C");
}

void FormaDePagoQBX::optEfectivo_Click() {
  if (Mostrando_) return;
  Setformapago("E");
}

void FormaDePagoQBX::cboBanco_Click() {
  if (Mostrando_) return;
  int i = cboBanco.ListIndex();
  Setbanco(i >= 0 && i < static_cast<int>(CodigosBanco_.size()) ? CodigosBanco_[static_cast<std::size_t>(i)]
                                                                  : std::string("XX"));
}

void FormaDePagoQBX::txtCheque_Change() {
  if (Mostrando_) return;
  NumCheque_ = txtCheque.Text();
  Changed(forms::Property::Custom);
}

}  // namespace app
