// The return form as it is made: its strips, frames, boxes, lists, options
// and texts, placed from the tables of DisenoCasillas.h and below.
#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "return/DisenoCasillas.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// Colours of the boxes when the window is made.
constexpr long kBlanco = forms::vbWhite;
constexpr long kCalculada = forms::vbButtonFace;
constexpr long kResaltada = 0x00FFFF00L;
constexpr long kFondoAyuda = 0x00C0C0C0L;
constexpr long kLetraAyuda = 0x0000FFFFL;

// The strips: where each stands and its pages' captions.
struct Tira {
  forms::TabControl Frm0917::*Control;
  Contenedor Donde;
  long Left, Top, Ancho, Alto;
  int Paginas;
  std::string_view Captions[5];
};

constexpr Tira kTiras[] = {
    {&Frm0917::tab0584, Contenedor::Ventana, 60, 60, 9375, 5760, 5,
     {"&Identificación", "Determinación de la &Renta Imponible", "Determinación de la &Deuda",
      "Información &Complementaria", "         Información          Adicional "}},
    {&Frm0917::SSTab2, Contenedor::Rentas, 120, 480, 9135, 5160, 4,
     {"Primera Categoría", "Segunda Categoría", "Cuarta y Quinta Categoría", "Renta Neta Imponible"}},
    {&Frm0917::SSTab3, Contenedor::Complementaria, 120, 480, 9135, 5160, 3,
     {"&Datos del Contribuyente / Representante Legal  / Cónyuge",
      "&Inversión en la Amazonía / IES /   Otros ingresos",
      "Detalle de alquileres pagados y rentas de cuarta categoría"}},
    {&Frm0917::SSTab1, Contenedor::Adicional, 120, 480, 9135, 5160, 4,
     {"Depósitos en el Sistema Financiero", "Compras y Gastos", "Ventas",
      "Préstamos concedidos y/o Préstamos recibidos"}},
};

// The frames: which, where, their caption; a hidden one starts hidden.
struct MarcoDiseno {
  Contenedor Marco;
  Contenedor Donde;
  long Left, Top, Ancho, Alto;
  std::string_view Caption;
  bool Oculto;
};

constexpr MarcoDiseno kMarcos[] = {
    {Contenedor::Frame2, Contenedor::Identificacion, 120, 480, 9135, 1500, "", false},
    {Contenedor::fraProfesion, Contenedor::Identificacion, 120, 2100, 9135, 720, "", false},
    {Contenedor::Frame20, Contenedor::Identificacion, 120, 2940, 9135, 720, "Inmueble donde desarrolla su actividad",
     false},
    {Contenedor::Frame22, Contenedor::Identificacion, 120, 3780, 9135, 720, "", false},
    {Contenedor::frmOrden, Contenedor::Identificacion, 120, 4620, 4455, 900, "Número de Orden", true},
    {Contenedor::fraDeuda1, Contenedor::Deuda, 120, 480, 9135, 1440, "", false},
    {Contenedor::fraDeuda2, Contenedor::Deuda, 120, 1950, 9135, 2220, "", false},
    {Contenedor::fraDeuda3, Contenedor::Deuda, 120, 800, 9135, 3300, "", true},
    {Contenedor::Frame23, Contenedor::DatosPersonales, 120, 480, 8895, 1500, "Representante Legal", false},
    {Contenedor::Frame25, Contenedor::DatosPersonales, 120, 2100, 8895, 1500, "Cónyuge", false},
    {Contenedor::fraOtros, Contenedor::OtrosIngresos, 120, 480, 8895, 1980, "", false},
    {Contenedor::fraSolDev, Contenedor::OtrosIngresos, 120, 2520, 8895, 600, "", false},
    {Contenedor::fraAmazonia, Contenedor::OtrosIngresos, 120, 3180, 8895, 1500, "Inversión en la Amazonía", false},
    {Contenedor::Frame5, Contenedor::Depositos, 120, 480, 8895, 4560, "", false},
    {Contenedor::Frame1, Contenedor::Egresos, 120, 480, 8895, 4560, "", false},
    {Contenedor::Frame3, Contenedor::Ingresos, 120, 480, 8895, 4560, "", false},
    {Contenedor::Frame4, Contenedor::Prestamos, 120, 480, 8895, 4560, "", false},
};

// The texts that name fields, ask questions and head columns.
struct Texto {
  Contenedor Donde;
  long Left, Top, Ancho, Alto;
  std::string_view Caption;
};

constexpr std::string_view kPreguntaAdicional =
    "¿Tiene Ud. información que declarar en este rubro? (Si desea ayuda, presione F1)";
constexpr std::string_view kNombres = "Apellidos y nombres,denominación o razón social";

constexpr Texto kTextos[] = {
    {Contenedor::Frame2, 120, 330, 1260, 255, "RUC :"},
    {Contenedor::Frame2, 4560, 330, 1500, 255, "Teléfono :"},
    {Contenedor::fraProfesion, 120, 330, 660, 255, "Código"},
    {Contenedor::fraProfesion, 2220, 330, 1560, 255, "Profesión U Oficio"},
    {Contenedor::Frame22, 120, 330, 5760, 255, "¿La presente declaración rectifica o sustituye a otra?"},
    {Contenedor::frmOrden, 1800, 390, 300, 255, "--"},
    {Contenedor::Frame25, 4560, 1095, 1500, 255, "Fec. Nacimiento :"},
    {Contenedor::fraSolDev, 120, 270, 5760, 255, "¿ Solicita devolución del Saldo a favor de IES o FONAVI ?"},
    {Contenedor::fraAmazonia, 120, 240, 4500, 390, "Apellidos y nombres,denominación o razón social del beneficiario"},
    {Contenedor::fraAmazonia, 4740, 240, 2160, 390, "Nro. de RUC"},
    {Contenedor::fraAmazonia, 7020, 240, 1800, 390, "Monto Invertido (S/.)"},
    {Contenedor::Detalles, 120, 450, 8895, 390,
     "A. Detalle de gastos por Alquiler de Bienes muebles e inmuebles correspondientes al año 2002 pagados o no en "
     "dicho      año."},
    {Contenedor::Detalles, 120, 855, 3360, 390, kNombres},
    {Contenedor::Detalles, 3540, 855, 2280, 390, "Tipo de Documento"},
    {Contenedor::Detalles, 5880, 855, 1560, 390, "Número de Documento"},
    {Contenedor::Detalles, 7500, 855, 1500, 390, "Monto  anual del alquiler (S/.)"},
    {Contenedor::Detalles, 120, 2310, 8895, 255, "B. Rentas de Cuarta Categoría"},
    {Contenedor::Detalles, 120, 2580, 8895, 390,
     "Información de las cuatro(4) principales personas o entidades a las que ha prestado  servicio durante el "
     "ejercicio 2002"},
    {Contenedor::Detalles, 120, 2985, 3360, 390, kNombres},
    {Contenedor::Detalles, 3540, 2985, 2280, 390, "Tipo de Documento"},
    {Contenedor::Detalles, 5880, 2985, 1560, 390, "Número de Documento"},
    {Contenedor::Detalles, 7500, 2985, 1500, 390, "Ing. Bruto  percibido(S/.)"},
    {Contenedor::Frame5, 120, 300, 6000, 390, kPreguntaAdicional},
    {Contenedor::Frame1, 120, 300, 6000, 390, kPreguntaAdicional},
    {Contenedor::Frame3, 120, 300, 6000, 390, kPreguntaAdicional},
    {Contenedor::Frame4, 120, 300, 6000, 390, kPreguntaAdicional},
};

// The schedule lines: a "..." button and its caption, by schedule and index.
struct LineaAdicional {
  Contenedor Donde;
  forms::ControlArray<forms::CommandButton> Frm0917::*Botones;
  forms::ControlArray<forms::Label> Frm0917::*Etiquetas;
  int Indice;
  std::string_view Caption;
};

constexpr LineaAdicional kLineasAdicionales[] = {
    {Contenedor::Frame5, &Frm0917::CmdCtasBancarias, &Frm0917::LblCtasBancarias, 1,
     "Depósitos en el Sistema Financiero  con saldo al 31/12/2002"},
    {Contenedor::Frame1, &Frm0917::CmdEgresos, &Frm0917::LblEgresos, 1,
     "Compra de predios en el extranjero; ampliaciones y/o remodelaciones en el Perú y/o en el extranjero"},
    {Contenedor::Frame1, &Frm0917::CmdEgresos, &Frm0917::LblEgresos, 2,
     "Compra de vehículos, naves o aeronaves (siempre que sea a personas naturales o en el extranjero)"},
    {Contenedor::Frame1, &Frm0917::CmdEgresos, &Frm0917::LblEgresos, 3,
     "Compra o inversión en instrumentos financieros tales como acciones,  bonos, participaciones, fondos mutuos, "
     "papeles comerciales  u otros."},
    {Contenedor::Frame1, &Frm0917::CmdEgresos, &Frm0917::LblEgresos, 4,
     "Compra de joyas, obras de arte, caballos de carrera, caballos de paso u otros cuyo costo supere las 3 UIT."},
    {Contenedor::Frame1, &Frm0917::CmdEgresos, &Frm0917::LblEgresos, 5, "Gastos en educación o turismo en el extranjero."},
    {Contenedor::Frame3, &Frm0917::CmdIngresos, &Frm0917::LblIngresos, 1, "Venta de predios en el extranjero"},
    {Contenedor::Frame3, &Frm0917::CmdIngresos, &Frm0917::LblIngresos, 2, "Venta de vehículos, naves o aeronaves"},
    {Contenedor::Frame3, &Frm0917::CmdIngresos, &Frm0917::LblIngresos, 3,
     "Venta de instrumentos financieros tales como acciones,  bonos, participaciones, fondos mutuos, papeles "
     "comerciales  u otros."},
    {Contenedor::Frame3, &Frm0917::CmdIngresos, &Frm0917::LblIngresos, 4,
     "Venta de joyas, obras de arte, caballos de carrera, caballos de paso u otros cuyo costo supere las 3 UIT."},
    {Contenedor::Frame4, &Frm0917::CmdPrestamo, &Frm0917::LblPrestamos, 1,
     "Saldos de préstamos concedidos pendientes de cobro al 01/01/2002 y/o 31/12/2002 (excluye emp. del Sistema "
     "Financiero)"},
    {Contenedor::Frame4, &Frm0917::CmdPrestamo, &Frm0917::LblPrestamos, 2,
     "Saldos de préstamos recibidos pendientes de pago al 01/01/2002 y/o 31/12/2002 (excluye emp. del Sistema "
     "Financiero)"},
};

// The Yes/No pairs: the options, where they stand, the index of each answer.
struct ParOpciones {
  forms::ControlArray<forms::OptionButton> Frm0917::*Opciones;
  Contenedor Donde;
  long Top;
  int IndiceSi, IndiceNo;
  long LeftSi, LeftNo;
  std::string_view CaptionSi, CaptionNo;
};

constexpr ParOpciones kPares[] = {
    {&Frm0917::optInmueble, Contenedor::Frame20, 300, 1, 2, 2100, 3840, "Alquilado", "Propio"},
    {&Frm0917::OptRectifica, Contenedor::Frame22, 300, 1, 0, 7380, 6360, "Si", "No"},
    {&Frm0917::optDevolucion, Contenedor::fraSolDev, 240, 1, 0, 7380, 6360, "Si", "No"},
    {&Frm0917::OptAdicionalBancarias, Contenedor::Frame5, 300, 1, 0, 7380, 6360, "Si", "No"},
    {&Frm0917::OptEgresos, Contenedor::Frame1, 300, 1, 0, 7380, 6360, "Si", "No"},
    {&Frm0917::OptIngresos, Contenedor::Frame3, 300, 1, 0, 7380, 6360, "Si", "No"},
    {&Frm0917::OptPrestamos, Contenedor::Frame4, 300, 1, 0, 7380, 6360, "Si", "No"},
};

// Where a control stands on the window: its containers' offsets added.
std::pair<long, long> PosicionEnVentana(const forms::Control& c) {
  long left = c.Left(), top = c.Top();
  for (const forms::Control* p = c.Container(); p != nullptr; p = p->Container()) {
    left += p->Left();
    top += p->Top();
  }
  return {left, top};
}

}  // namespace

void Frm0917::Coloca(forms::Control& control, Contenedor donde) {
  switch (donde) {
    case Contenedor::Ventana: return;
    case Contenedor::Identificacion: return control.SetContainer(tab0584, 0);
    case Contenedor::Rentas: return control.SetContainer(tab0584, 1);
    case Contenedor::Deuda: return control.SetContainer(tab0584, 2);
    case Contenedor::Complementaria: return control.SetContainer(tab0584, 3);
    case Contenedor::Adicional: return control.SetContainer(tab0584, 4);
    case Contenedor::Primera: return control.SetContainer(SSTab2, 0);
    case Contenedor::Segunda: return control.SetContainer(SSTab2, 1);
    case Contenedor::CuartaQuinta: return control.SetContainer(SSTab2, 2);
    case Contenedor::RentaNeta: return control.SetContainer(SSTab2, 3);
    case Contenedor::DatosPersonales: return control.SetContainer(SSTab3, 0);
    case Contenedor::OtrosIngresos: return control.SetContainer(SSTab3, 1);
    case Contenedor::Detalles: return control.SetContainer(SSTab3, 2);
    case Contenedor::Depositos: return control.SetContainer(SSTab1, 0);
    case Contenedor::Egresos: return control.SetContainer(SSTab1, 1);
    case Contenedor::Ingresos: return control.SetContainer(SSTab1, 2);
    case Contenedor::Prestamos: return control.SetContainer(SSTab1, 3);
    default: return control.SetContainer(Marco(donde));
  }
}

forms::Frame& Frm0917::Marco(Contenedor donde) {
  switch (donde) {
    case Contenedor::Frame2: return Frame2;
    case Contenedor::fraProfesion: return fraProfesion;
    case Contenedor::Frame20: return Frame20;
    case Contenedor::Frame22: return Frame22;
    case Contenedor::frmOrden: return frmOrden;
    case Contenedor::fraDeuda1: return fraDeuda(1);
    case Contenedor::fraDeuda2: return fraDeuda(2);
    case Contenedor::fraDeuda3: return fraDeuda(3);
    case Contenedor::Frame23: return Frame23;
    case Contenedor::Frame25: return Frame25;
    case Contenedor::fraOtros: return fraOtros;
    case Contenedor::fraSolDev: return fraSolDev;
    case Contenedor::fraAmazonia: return fraAmazonia;
    case Contenedor::Frame5: return Frame5;
    case Contenedor::Frame1: return Frame1;
    case Contenedor::Frame3: return Frame3;
    case Contenedor::Frame4: return Frame4;
    default: break;
  }
  vb::Raise(vb::ErrInvalidCall);
}

void Frm0917::DisenaMarcos() {
  for (const Tira& t : kTiras) {
    forms::TabControl& tira = this->*t.Control;
    Coloca(tira, t.Donde);
    tira.Move(t.Left, t.Top, t.Ancho, t.Alto);
    tira.SetTabs(t.Paginas);
    for (int i = 0; i < t.Paginas; ++i) tira.SetTabCaption(i, t.Captions[i]);
  }
  for (int i = 1; i <= 3; ++i) fraDeuda.Add(i);
  for (const MarcoDiseno& m : kMarcos) {
    forms::Frame& marco = Marco(m.Marco);
    Coloca(marco, m.Donde);
    marco.Move(m.Left, m.Top, m.Ancho, m.Alto);
    marco.SetCaption(m.Caption);
    marco.SetVisible(!m.Oculto);
  }
}

void Frm0917::DisenaCasillas() {
  for (const CasillaDiseno& c : kCasillas) {
    const LugarDiseno& lugar = kLugares[static_cast<std::size_t>(c.Sitio)];
    forms::TextBox& caja = txtvalor.Add(c.Numero);
    Coloca(caja, lugar.Donde);
    caja.SetMaxLength(c.Largo);
    if (c.Tipo == Clase::Importe) caja.SetAlignment(forms::vbRightJustify);
    caja.SetBackColor(c.Inicio == Estado::Deshabilitada ? kCalculada
                      : c.Inicio == Estado::Resaltada   ? kResaltada
                                                        : kBlanco);
    caja.SetEnabled(c.Inicio != Estado::Deshabilitada);
    // Only what is typed gets into a box, so only the key rules' characters.
    caja.SetRefusesPaste(true);
    if (lugar.Oculto || c.Tipo == Clase::Oculta) {
      caja.Move(0, 0, lugar.CajaAncho, lugar.AltoCaja);
      caja.SetVisible(false);
      continue;
    }
    const CeldaCasilla celda = CeldaDe(lugar, c.Fila, c.Columna);
    caja.Move(celda.Caja.Left, celda.Caja.Top, celda.Caja.Ancho, celda.Caja.Alto);
    forms::Label& numero = lblNumero.Add(c.Numero);
    Coloca(numero, lugar.Donde);
    numero.Move(celda.Numero.Left, celda.Numero.Top, celda.Numero.Ancho, celda.Numero.Alto);
    numero.SetCaption(vb::NumberText(c.Numero));
    if (!c.Etiqueta.empty()) {
      forms::Label& etiqueta = lblCasilla.Add(c.Numero);
      Coloca(etiqueta, lugar.Donde);
      etiqueta.Move(celda.Etiqueta.Left, celda.Etiqueta.Top, celda.Etiqueta.Ancho, celda.Etiqueta.Alto);
      etiqueta.SetCaption(c.Etiqueta);
    }
  }
}

void Frm0917::DisenaControles() {
  // The general buttons and the help lines along the bottom.
  constexpr std::string_view kGenerales[] = {"V&alidar", "&Grabar", "&Salir"};
  for (int i = 0; i < 3; ++i) {
    forms::CommandButton& boton = Cmdgeneral.Add(i);
    boton.SetCaption(kGenerales[i]);
    boton.Move(5700 + i * 1260, 5910, 1155, 375);
  }
  for (forms::TextBox* ayuda : {&TxtAyuda, &TxtAyuda1}) {
    ayuda->SetBackColor(kFondoAyuda);
    ayuda->SetForeColor(kLetraAyuda);
    ayuda->SetLocked(true);
    ayuda->SetTabStop(false);
  }
  TxtAyuda.Move(60, 5880, 5460, 240);
  TxtAyuda1.Move(60, 6135, 5460, 240);

  // The declarant: the RUC of a saved return, or the list for a new one.
  Coloca(TxtNumRuc, Contenedor::Frame2);
  TxtNumRuc.Move(1500, 300, 1500, 285);
  TxtNumRuc.SetMaxLength(11);
  TxtNumRuc.SetBackColor(kBlanco);
  Coloca(CmbRuc, Contenedor::Frame2);
  CmbRuc.Move(3120, 240, 1500, 315);
  Coloca(TxtTelefono, Contenedor::Frame2);
  TxtTelefono.Move(6540, 300, 1200, 285);
  TxtTelefono.SetMaxLength(7);
  TxtTelefono.SetBackColor(kBlanco);

  Coloca(cboProfesion, Contenedor::fraProfesion);
  cboProfesion.Move(840, 300, 1200, 315);
  Coloca(txtProfesion, Contenedor::fraProfesion);
  txtProfesion.Move(3840, 300, 5100, 285);
  txtProfesion.SetEnabled(false);

  Coloca(txtRec, Contenedor::Frame22);
  txtRec.Move(8400, 300, 600, 285);
  txtRec.SetMaxLength(8);
  txtRec.SetEnabled(false);
  txtRec.SetVisible(false);

  Coloca(txtOrden, Contenedor::frmOrden);
  txtOrden.Move(240, 360, 1500, 285);
  txtOrden.SetMaxLength(8);
  txtOrden.SetVisible(false);
  Coloca(txtVerifica, Contenedor::frmOrden);
  txtVerifica.Move(2160, 360, 600, 285);
  txtVerifica.SetMaxLength(2);
  for (forms::TextBox* caja : {&TxtTelefono, &txtOrden, &txtVerifica}) caja->SetRefusesPaste(true);

  // The debt page: the bar that brings the frames into view, the payment.
  Coloca(hsDeuda, Contenedor::Deuda);
  hsDeuda.Move(4800, 4350, 4335, 255);
  hsDeuda.SetRange(1, 2);
  Coloca(FormaDePagoQBX1, Contenedor::Deuda);
  FormaDePagoQBX1.Move(120, 4230, 4455, 1500);

  // The spouse's date of birth.
  Coloca(MkeFecNac, Contenedor::Frame25);
  MkeFecNac.Move(6540, 1080, 1500, 285);
  MkeFecNac.SetMask("##/##/####");
  MkeFecNac.SetBackColor(kBlanco);

  // The document-type lists, each beside the number it types.
  for (const TipoDocumentoDiseno& t : kTiposDocumento) {
    const LugarDiseno& lugar = kLugares[static_cast<std::size_t>(t.Sitio)];
    const CeldaCasilla celda = CeldaDe(lugar, t.Fila, t.Columna);
    forms::ComboBox& lista = cmbtipdoc.Add(t.Lista);
    Coloca(lista, lugar.Donde);
    lista.Move(celda.Caja.Left, celda.Caja.Top, celda.Caja.Ancho, 315);
    forms::Label& numero = lblNumero.Add(t.Lista);
    Coloca(numero, lugar.Donde);
    numero.Move(celda.Numero.Left, celda.Numero.Top, celda.Numero.Ancho, celda.Numero.Alto);
    numero.SetCaption(vb::NumberText(t.Lista));
    if (!t.Etiqueta.empty()) {
      forms::Label& etiqueta = lblCasilla.Add(t.Lista);
      Coloca(etiqueta, lugar.Donde);
      etiqueta.Move(celda.Etiqueta.Left, celda.Etiqueta.Top, celda.Etiqueta.Ancho, celda.Etiqueta.Alto);
      etiqueta.SetCaption(t.Etiqueta);
    }
  }

  // The Yes/No pairs.
  for (const ParOpciones& p : kPares) {
    forms::ControlArray<forms::OptionButton>& opciones = this->*p.Opciones;
    for (const auto& [indice, left, caption] :
         {std::tuple{p.IndiceNo, p.LeftNo, p.CaptionNo}, std::tuple{p.IndiceSi, p.LeftSi, p.CaptionSi}}) {
      forms::OptionButton& opcion = opciones.Add(indice);
      Coloca(opcion, p.Donde);
      opcion.Move(left, p.Top, 1500, 255);
      opcion.SetCaption(caption);
    }
  }
  for (int i : {0, 1}) OptRectifica(i).SetWidth(900);
  for (int i : {0, 1}) optDevolucion(i).SetWidth(900);

  // The schedule lines of the fifth page.
  for (const LineaAdicional& l : kLineasAdicionales) {
    forms::CommandButton& boton = (this->*l.Botones).Add(l.Indice);
    forms::Label& etiqueta = (this->*l.Etiquetas).Add(l.Indice);
    const long top = 900 + (l.Indice - 1) * 600;
    Coloca(boton, l.Donde);
    boton.Move(120, top, 495, 375);
    boton.SetCaption("...");
    Coloca(etiqueta, l.Donde);
    etiqueta.Move(720, top, 7800, 390);
    etiqueta.SetCaption(l.Caption);
  }
}

void Frm0917::DisenaTextos() {
  int indice = 0;
  for (const Texto& t : kTextos) {
    forms::Label& texto = lblTexto.Add(indice++);
    Coloca(texto, t.Donde);
    texto.Move(t.Left, t.Top, t.Ancho, t.Alto);
    texto.SetCaption(t.Caption);
  }
}

void Frm0917::OrdenaTabulacion() {
  // Row by row, left to right, whatever page: Tab reaches only the controls
  // of the pages in front, so their order among themselves is all that counts.
  std::vector<std::tuple<long, long, forms::Control*>> orden;
  for (forms::Control* c : Controls()) {
    if (!c->TakesFocus()) continue;
    auto [left, top] = PosicionEnVentana(*c);
    orden.emplace_back(top / 60, left, c);
  }
  std::stable_sort(orden.begin(), orden.end(), [](const auto& a, const auto& b) {
    return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
  });
  int indice = 0;
  for (auto& [fila, left, control] : orden) control->SetTabIndex(indice++);
}

}  // namespace app
