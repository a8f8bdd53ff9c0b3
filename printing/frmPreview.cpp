#include "printing/frmPreview.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>

#include "app/componentes/cValidador.h"
#include "app/inicio/Compartidas.h"
#include "app/ventanas/ModGen00.h"
#include "common/LectorComandos.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Printer.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "printing/Impresion.h"

namespace app {
namespace {

// A page box holds a letter sheet in the orientation its page prints in.
constexpr int kAnchoHoja = 12240;
constexpr int kAltoHoja = 15840;

// Each character of an upright text lies this far below the one before.
constexpr std::int64_t kAltoCaracterVertical = 190;

// The area the page boxes are seen through.
constexpr int kFondoIzquierda = 255, kFondoArriba = 780, kFondoAncho = 12570, kFondoAlto = 9345;

// What a failed print tells, by the error; other errors end the run quietly.
struct FallaImpresora {
  int Numero;
  std::string_view Mensaje;
};
constexpr FallaImpresora kFallasImpresora[] = {
    {vb::ErrPrinter, kSinImpresora},
    {vb::ErrPrintCancelled, kImpresionCancelada},
};

// The toolbar: a separator, then the buttons 2 to 5 with their pictures.
struct Boton {
  const char* Titulo;
  const char* Imagen;
};
constexpr Boton kBotones[] = {
    {"Pag Anterior", "anterior"}, {"Pag Sgt", "siguiente"}, {"Imprimir", "imprimir"}, {"Salir", "salir"}};

bool DentroDelRango(int pagina) {
  const common::EstadoImpresion& rango = G().ImpRep.ImpLinea;
  return rango.PaginaDesde <= pagina + 1 && pagina + 1 <= rango.PaginaHasta;
}

// A colour in the "&H" notation ("&H00FFFFC0"); nothing when it is not one.
std::optional<long> ColorDe(std::string_view texto) {
  if (texto.size() < 3 || texto[0] != '&' || (texto[1] != 'H' && texto[1] != 'h')) return std::nullopt;
  unsigned long valor = 0;
  std::size_t digitos = 0;
  for (char c : texto.substr(2)) {
    const int d = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                         : -1;
    if (d < 0) break;
    valor = valor * 16 + static_cast<unsigned long>(d);
    if (++digitos > 8) return std::nullopt;
  }
  if (digitos == 0) return std::nullopt;
  return static_cast<long>(valor);
}

}  // namespace

frmPreview::frmPreview() : Form("frmPreview") {
  SetCaption("Presentación Preliminar");
  Move(0, 0, 13200, 10905);

  tlbPrevia.Move(0, 0, 13080, kFondoArriba);
  tlbPrevia.SetImageList(&ImageList1);
  tlbPrevia.AddButton("", 0, forms::tbrSeparator);
  for (const Boton& b : kBotones) tlbPrevia.AddButton(b.Titulo, ImageList1.Add(b.Imagen));
  tlbPrevia.ButtonClick = [this](forms::ToolbarButton& Button) { tlbPrevia_ButtonClick(Button); };

  picFondo.Move(kFondoIzquierda, kFondoArriba, kFondoAncho, kFondoAlto);
  picFondo.SetBackColor(0x808080);
  forms::PictureBox& primera = picPrevia.Add(0);
  primera.SetContainer(picFondo);
  primera.Move(0, 0, kAnchoHoja, kAltoHoja);
  primera.SetBackColor(forms::vbWindowBackground);

  vsbPic.Add(0).Move(kFondoIzquierda + kFondoAncho, kFondoArriba, 255, kFondoAlto);
  vsbPic.Add(1).Move(0, kFondoArriba, 255, kFondoAlto);
  for (int i : {0, 1}) {
    vsbPic(i).SetSmallChange(270);
    vsbPic(i).SetLargeChange(kFondoAlto - 540);
  }
  vsbPic.On(&forms::ScrollBar::Change, [this](int Index) { vsbPic_Change(Index); });
  HScroll1.Move(kFondoIzquierda, kFondoArriba + kFondoAlto, kFondoAncho, 255);
  HScroll1.SetSmallChange(270);
  HScroll1.SetLargeChange(kFondoAncho - 540);
  HScroll1.Change = [this] { HScroll1_Change(); };
}

void frmPreview::Form_Load() {
  SetIcon(kIconoImpresion);
  ModoVista = kPresPrevia;
  pDesencripta(Archivo, kPresPrevia);
  if (Loaded()) pMostrar(0);
}

void frmPreview::pDesencripta(const std::string& archivo, const std::string& modo) {
  const bool imprimiendo = modo != kPresPrevia;
  if (imprimiendo) ModoVista = kImprimir;
  // A report whose file is gone is told, and nothing is drawn.
  const std::string ruta = G().RutaReportes + "\\" + archivo;
  if (!Validador().ExisteArchivo(ruta)) {
    ModGen00::MensajeError("Archivo Físico del Reporte no Existe", "Error al Imprimir");
    return;
  }
  try {
    // The whole file is read and checked before anything is drawn.
    const common::LecturaComandos lectura = common::LeeArchivoComandos(ruta);
    if (lectura.LineaNoValida != 0) {
      ModGen00::MensajeError(
          "El reporte " + archivo + " tiene una línea no válida: " + vb::NumberText(lectura.LineaNoValida),
          "Error al Imprimir");
      forms::Unload(*this);
      return;
    }
    Orientacion_ = print::Orientation::Portrait;
    if (imprimiendo) {
      Impresora_ = forms::Printer(archivo);
      FuenteImpresora_ = "Courier New";
    } else {
      Hojas_.assign(1, print::Page());
      Orientadas_.assign(1, false);
    }
    int ultimaPagina = 0;
    for (const common::Comando& c : lectura.Comandos) {
      switch (c.Tipo) {
        case common::TipoComando::Fuente:       // kept: it changes no drawing
        case common::TipoComando::NumeroHojas:  // the pages are counted as they come
          break;
        case common::TipoComando::Color:  // the preview's background only
          if (!imprimiendo && !c.Texto.empty()) {
            const std::optional<long> color = ColorDe(vb::Trim(vb::Left(c.Texto, vb::Len(c.Texto) - 1)));
            if (color && *color != picPrevia(0).BackColor()) picPrevia(0).SetBackColor(*color);
          }
          break;
        case common::TipoComando::Orientacion:  // the sheets not begun yet
          if (vb::Trim(c.Texto) == "H") {
            Orientacion_ = print::Orientation::Landscape;
            if (imprimiendo) Impresora_->SetOrientation(Orientacion_);
          }
          break;
        case common::TipoComando::Pos:  // drawn in its page's box, or printed when in the range
        case common::TipoComando::PosVerti:
        case common::TipoComando::Cuadro: {
          ultimaPagina = c.Pagina;
          int destino = c.Pagina;
          if (imprimiendo) {
            if (G().ImpRep.ImpLinea.RangoPaginas && !DentroDelRango(c.Pagina)) break;
          } else {
            destino = CajaDe(c.Pagina);
            if (destino < 0) break;
          }
          const int negrita = c.Negrita ? -1 : 0;
          if (c.Tipo == common::TipoComando::Pos) ppos(c.X, c.Y, c.Texto, negrita, c.Tamano, destino);
          if (c.Tipo == common::TipoComando::PosVerti) pPosVerti(c.X, c.Y, c.Texto, negrita, c.Tamano, destino);
          if (c.Tipo == common::TipoComando::Cuadro) pCuadro(c.X, c.Y, c.X2, c.Y2, destino);
          break;
        }
        case common::TipoComando::NuevaHoja:  // printing only, and not after a page left out of the range
          if (imprimiendo && !(G().ImpRep.ImpLinea.RangoPaginas && !DentroDelRango(ultimaPagina))) Impresora_->NewPage();
          break;
      }
    }
    // Each print is a job of its own, begun in portrait.
    if (imprimiendo) {
      Impresora_->EndDocument();
      Impresora_.reset();
    } else {
      TotalPaginas = static_cast<std::int16_t>(picPrevia.Count());
      EntregaHojas();
    }
  } catch (const vb::Error& e) {
    Falla(e.Number(), e.Description());
  } catch (const std::bad_alloc&) {
    Falla(vb::ErrOutOfMemory, vb::ErrorText(vb::ErrOutOfMemory));
  }
}

void frmPreview::Falla(int numero, const std::string& descripcion) {
  if (numero == vb::ErrOutOfMemory) {
    forms::MsgBox(descripcion + vb::Chr(10) + "Ingrese un rango de hojas menos " + vb::Chr(10) + "voluminoso",
                  forms::vbCritical, " Aviso:" + vb::NumberText(numero));
  }
  for (const FallaImpresora& f : kFallasImpresora) {
    if (f.Numero == numero) ModGen00::MensajeError(f.Mensaje, kTituloImpresion);
  }
  // The job is ended whatever failed, with the sheets drawn so far.
  if (Impresora_) {
    try {
      Impresora_->EndDocument();
    } catch (const vb::Error&) {
    }
    Impresora_.reset();
  }
  forms::Unload(*this);
}

int frmPreview::CajaDe(int pagina) {
  const common::EstadoImpresion& rango = G().ImpRep.ImpLinea;
  if (rango.RangoPaginas && !DentroDelRango(pagina)) return -1;
  // A range is packed from box 0: its first page is drawn on box 0.
  const int caja = pagina - (rango.RangoPaginas ? std::max(rango.PaginaDesde - 1, 0) : 0);
  while (picPrevia.UBound() < caja) {
    picPrevia.Load(picPrevia.UBound() + 1);
    Hojas_.emplace_back();
    Orientadas_.push_back(false);
  }
  PaginaVisible = static_cast<std::int16_t>(std::max<int>(PaginaVisible, pagina));
  return caja;
}

print::Page& frmPreview::HojaDe(int caja) {
  const auto k = static_cast<std::size_t>(caja);
  if (!Orientadas_[k]) {
    Hojas_[k].SetOrientation(Orientacion_);
    Orientadas_[k] = true;
  }
  return Hojas_[k];
}

void frmPreview::EntregaHojas() {
  for (int caja = 0; caja < static_cast<int>(Hojas_.size()); ++caja) {
    print::Page& hoja = Hojas_[static_cast<std::size_t>(caja)];
    forms::PictureBox& box = picPrevia(caja);
    hoja.SetBackColor(print::FromVbColor(static_cast<std::uint32_t>(box.BackColor())));
    const bool apaisada = hoja.Orientation() == print::Orientation::Landscape;
    box.Move(box.Left(), box.Top(), apaisada ? kAltoHoja : kAnchoHoja, apaisada ? kAnchoHoja : kAltoHoja);
    box.SetDrawing(std::move(hoja));
  }
  Hojas_.clear();
  Orientadas_.clear();
}

void frmPreview::ppos(int x, int y, const std::string& texto, int negrita, int tamano, int pagina) {
  const print::Font fuente{"Courier New", static_cast<double>(tamano), negrita == -1};
  if (ModoVista == kPresPrevia) {
    HojaDe(pagina).DrawText(x, y, texto, fuente);
  } else {
    FuenteImpresora_ = fuente.Name;
    Impresora_->DrawText(x, y, texto, fuente);
  }
}

void frmPreview::pPosVerti(int x, int y, const std::string& texto, int negrita, int tamano, int pagina) {
  const bool enCaja = ModoVista == kPresPrevia;
  // The printer keeps the last font name it was given.
  const print::Font fuente{enCaja ? std::string("Courier new") : FuenteImpresora_, static_cast<double>(tamano),
                           negrita == -1};
  // The text is decoded once, however long: each character is drawn from it.
  std::int64_t yCaracter = y;
  std::string caracter;
  for (const char32_t c : vb::ToCodePoints(texto)) {
    // Past the largest position a page holds nothing more can be placed.
    if (yCaracter > std::numeric_limits<int>::max()) break;
    caracter.clear();
    vb::AppendUtf8(caracter, c);
    if (enCaja) {
      HojaDe(pagina).DrawText(x, static_cast<int>(yCaracter), caracter, fuente);
    } else {
      Impresora_->DrawText(x, static_cast<int>(yCaracter), caracter, fuente);
    }
    yCaracter += kAltoCaracterVertical;
  }
}

void frmPreview::pCuadro(int x1, int y1, int x2, int y2, int pagina) {
  if (ModoVista == kPresPrevia) {
    HojaDe(pagina).DrawRect(x1, y1, x2, y2);
  } else {
    FuenteImpresora_ = "Courier";
    Impresora_->DrawRect(x1, y1, x2, y2);
  }
}

void frmPreview::pMostrar(int n) {
  auto muestra = [this] {
    for (int caja = 0; caja < TotalPaginas; ++caja) picPrevia(caja).SetVisible(caja == PaginaVisible);
    picPrevia(PaginaVisible).SetTop(0);
  };
  if (n == 0) {  // the first page
    picPrevia(0).SetTop(0);
    picPrevia(0).SetVisible(true);
    PaginaVisible = 0;
  } else if (n == -2 && PaginaVisible > 0) {  // the page before
    --PaginaVisible;
    muestra();
  } else if (n == -1 && PaginaVisible < TotalPaginas - 1) {  // the next, never past the last box
    ++PaginaVisible;
    muestra();
  }
  // The page shown starts at its top left.
  vsbPic(0).SetValue(0);
  vsbPic(1).SetValue(0);
  AjustaBarras();
}

void frmPreview::AjustaBarras() {
  forms::PictureBox& box = picPrevia(PaginaVisible);
  box.SetLeft(0);
  for (int i : {0, 1}) vsbPic(i).SetRange(0, std::max<int>(0, box.Height() - kFondoAlto + 270));
  HScroll1.SetValue(0);
  HScroll1.SetRange(0, std::max<int>(0, box.Width() - kFondoAncho + 270));
}

void frmPreview::tlbPrevia_ButtonClick(forms::ToolbarButton& Button) {
  switch (Button.Index()) {
    case 2:
      pMostrar(-2);
      break;
    case 3:
      pMostrar(-1);
      break;
    case 4:
      pDesencripta(Archivo, kImprimir);
      break;
    case 5:
      forms::Unload(*this);
      break;
    default:
      break;
  }
}

void frmPreview::vsbPic_Change(int Index) {
  if (!picPrevia.Exists(PaginaVisible)) return;
  picPrevia(PaginaVisible).SetTop(-vsbPic(0).Value());
  const int valor = vsbPic(Index).Value();
  vsbPic(0).SetValue(valor);
  vsbPic(1).SetValue(valor);
}

void frmPreview::HScroll1_Change() {
  if (!picPrevia.Exists(PaginaVisible)) return;
  picPrevia(PaginaVisible).SetLeft(-HScroll1.Value());
}

}  // namespace app
