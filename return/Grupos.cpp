// Box groups switched on and off as a whole, the lock of the form for the
// order number of a sent return, and the option pairs set from stored boxes.
#include <cstdint>
#include <string_view>

#include "app/inicio/Compartidas.h"
#include "platform/forms/Constants.h"
#include "return/Adicionales.h"
#include "return/Frm0917.h"

namespace app {
namespace {

constexpr long kEncendida = forms::vbWhite;
constexpr long kApagada = forms::vbButtonFace;
constexpr long kBloqueada = 0x00C0C0C0L;
constexpr long kListaEncendida = forms::vbWindowBackground;

constexpr std::int16_t kAmazonia[] = {817, 818, 229, 230, 231, 232};
constexpr std::int16_t kCuarta[] = {822, 823, 824, 825, 215, 217, 218, 219, 220, 221, 222, 223};
constexpr std::int16_t kListasCuarta[] = {224, 225, 226, 227};
constexpr std::int16_t kAlquiler[] = {819, 820, 821, 208, 209, 211, 212, 213, 214};
constexpr std::int16_t kListasAlquiler[] = {204, 205, 206};

// The form lock's lists, in the order it greys them.
constexpr std::int16_t kListasBloqueadas[] = {204, 205, 206, 224, 225, 226, 227, 235, 301};

// The option that stands for a stored box: the first line of the box whose
// value matches (nullptr: any value) is chosen.
struct OpcionDeCasilla {
  std::string_view Casilla;
  const char* Valor;
  forms::ControlArray<forms::OptionButton> Frm0917::*Opciones;
  int Indice;
};

constexpr OpcionDeCasilla kOpcionesDeCasilla[] = {
    {"871", "0", &Frm0917::OptRectifica, 0},  {"871", nullptr, &Frm0917::OptRectifica, 1},
    {"260", "0", &Frm0917::optDevolucion, 0}, {"260", nullptr, &Frm0917::optDevolucion, 1},
    {"027", "1", &Frm0917::optInmueble, 1},   {"027", nullptr, &Frm0917::optInmueble, 2},
};

}  // namespace

void Frm0917::Habcasilla(std::int16_t n) {
  forms::TextBox& caja = txtvalor(n);
  caja.SetEnabled(true);
  caja.SetBackColor(kEncendida);
  caja.SetLocked(false);
}

void Frm0917::Descasilla(std::int16_t n) {
  forms::TextBox& caja = txtvalor(n);
  caja.SetText("");
  caja.SetEnabled(false);
  caja.SetBackColor(kApagada);
  caja.SetLocked(true);
}

void Frm0917::HabAmazonia() {
  fraAmazonia.SetEnabled(true);
  for (std::int16_t n : kAmazonia) Habcasilla(n);
}

void Frm0917::DesAmazonia() {
  fraAmazonia.SetEnabled(false);
  for (std::int16_t n : kAmazonia) Descasilla(n);
}

void Frm0917::HabCuarta() {
  for (std::int16_t n : kCuarta) Habcasilla(n);
  for (std::int16_t n : kListasCuarta) cmbtipdoc(n).SetEnabled(true);
  for (std::int16_t n : kListasCuarta) cmbtipdoc(n).SetBackColor(kListaEncendida);
}

void Frm0917::DesCuarta() {
  for (std::int16_t n : kCuarta) Descasilla(n);
  for (std::int16_t n : kListasCuarta) cmbtipdoc(n).SetListIndex(-1);
  for (std::int16_t n : kListasCuarta) cmbtipdoc(n).SetEnabled(false);
  for (std::int16_t n : kListasCuarta) cmbtipdoc(n).SetBackColor(kBloqueada);
}

void Frm0917::HabAlquiler() {
  for (std::int16_t n : kAlquiler) Habcasilla(n);
  for (std::int16_t n : kListasAlquiler) cmbtipdoc(n).SetEnabled(true);
  for (std::int16_t n : kListasAlquiler) cmbtipdoc(n).SetBackColor(kListaEncendida);
  // The load keeps the stored document types; the user's Alquilado starts the rows afresh.
  if (!G().CargandoFormulario) {
    for (std::int16_t n : kListasAlquiler) cmbtipdoc(n).SetListIndex(-1);
  }
}

void Frm0917::DesAlquiler() {
  for (std::int16_t n : kAlquiler) Descasilla(n);
  for (std::int16_t n : kListasAlquiler) cmbtipdoc(n).SetListIndex(-1);
  for (std::int16_t n : kListasAlquiler) cmbtipdoc(n).SetEnabled(false);
  for (std::int16_t n : kListasAlquiler) cmbtipdoc(n).SetBackColor(kBloqueada);
}

void Frm0917::DesTodo() {
  // The boxes of the form's pages.
  for (std::int16_t n : ListaCasillas) {
    txtvalor(n).SetEnabled(false);
    txtvalor(n).SetBackColor(kBloqueada);
  }
  cboProfesion.SetEnabled(false);
  // The names of the representative, the spouse and the schedule rows.
  for (std::int16_t n = 811; n <= 825; ++n) {
    txtvalor(n).SetEnabled(false);
    txtvalor(n).SetBackColor(kBloqueada);
  }
  txtvalor(890).SetEnabled(false);
  txtvalor(890).SetBackColor(kBloqueada);
  for (std::int16_t n : kListasBloqueadas) {
    cmbtipdoc(n).SetEnabled(false);
    cmbtipdoc(n).SetBackColor(kBloqueada);
  }
  MkeFecNac.SetEnabled(false);
  MkeFecNac.SetBackColor(kBloqueada);
  TxtTelefono.SetEnabled(false);
  TxtTelefono.SetBackColor(kBloqueada);
  optInmueble(1).SetEnabled(false);
  optInmueble(2).SetEnabled(false);
  optDevolucion(0).SetEnabled(false);
  optDevolucion(1).SetEnabled(false);
  OptRectifica(0).SetEnabled(false);
  OptRectifica(1).SetEnabled(false);
  // The order number is all a sent return still takes.
  frmOrden.SetVisible(true);
  txtOrden.SetVisible(true);
  // Shown as locked like the rest.
  TxtNumRuc.SetBackColor(kBloqueada);
  txtProfesion.SetBackColor(kBloqueada);
  cboProfesion.SetBackColor(kBloqueada);
  // A sent return is not checked again; the other buttons stay.
  Cmdgeneral(0).SetEnabled(false);
  FormaDePagoQBX1.Sethabilitado(false);
  for (const Adicional& a : kAdicionales) {
    (this->*a.Respuesta)(0).SetEnabled(false);
    (this->*a.Respuesta)(1).SetEnabled(false);
  }
}

void Frm0917::ActivaBotonesForm(std::string_view casilla, std::string_view valor) {
  for (const OpcionDeCasilla& o : kOpcionesDeCasilla) {
    if (o.Casilla == casilla && (o.Valor == nullptr || valor == o.Valor)) {
      (this->*o.Opciones)(o.Indice).SetValue(true);
      return;
    }
  }
}

}  // namespace app
