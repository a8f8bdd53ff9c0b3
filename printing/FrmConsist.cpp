#include "printing/FrmConsist.h"

#include <string_view>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/inicio/Producto.h"
#include "app/ventanas/ModGen00.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Printer.h"
#include "platform/text/DateTime.h"
#include "platform/text/Error.h"
#include "platform/text/Format.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "printing/Impresion.h"
#include "return/Frm0917.h"

namespace app {
namespace {

// What a sheet's heading shows at each place.
enum class Campo { Texto, Fecha, Pagina, Hora, Titulo };
struct Encabezado {
  int X, Y;
  Campo Que;
  std::string_view Texto;
};
constexpr Encabezado kEncabezado[] = {
    {400, 30, Campo::Texto, "VELTA"},
    {400, 300, Campo::Fecha, ""},
    {4000, 300, Campo::Texto, "INCONSISTENCIAS DETECTADAS "},
    {9000, 300, Campo::Pagina, ""},
    {400, 570, Campo::Hora, ""},
    {3000, 570, Campo::Titulo, ""},
};

// The rows: the first at y 1000, each 270 below the last, 40 on a sheet.
constexpr int kPrimeraFila = 1000;
constexpr int kAltoFila = 270;
constexpr int kFilasPorHoja = 40;
// A message longer than a row is cut at 89 characters and a "-".
constexpr long kAnchoFila = 90;

// What a failed print tells, by the error.
struct Mensaje {
  int Numero;
  std::string_view Texto;
};
constexpr Mensaje kMensajes[] = {
    {vb::ErrPrinter, kSinImpresora},
    {vb::ErrInvalidProperty, kSinInformacion},
    {vb::ErrPrintCancelled, kImpresionCancelada},
};

// The rows of message `linea` under its label: the first 89 characters and a
// "-" while the rest is longer than a row, the rest after four blanks.
std::vector<std::string> Filas(const std::string& etiqueta, const std::string& linea) {
  if (vb::Len(vb::Trim(linea)) <= kAnchoFila) return {etiqueta + linea};
  std::vector<std::string> filas{etiqueta + vb::Left(linea, kAnchoFila - 1) + "-"};
  std::string resto = vb::Mid(linea, kAnchoFila);
  while (vb::Len(vb::Trim(resto)) > kAnchoFila) {
    filas.push_back("    " + vb::Left(resto, kAnchoFila - 1) + "-");
    resto = vb::Mid(resto, kAnchoFila);
  }
  filas.push_back("    " + resto);
  return filas;
}

int YDeFila(int fila) { return kPrimeraFila + (fila - 1) * kAltoFila; }

}  // namespace

FrmConsist::FrmConsist() : Form("FrmConsist") {
  SetCaption("Inconsistencias detectadas");
  Move(0, 0, 11640, 6585);
  SetMinButton(false);
  SetMaxButton(false);
  Label1.Move(120, 120, 11280, 255);
  Label1.SetCaption("En su declaración se han detectado las siguientes inconsistencias :");
  TxtPreliminar.Move(120, 480, 11280, 4935);
  TxtPreliminar.SetMultiLine(true);
  TxtPreliminar.SetLocked(true);
  TxtPreliminar.SetFont({"Courier New", 8, false});
  CmdImprimir.Move(8520, 5580, 1335, 375);
  CmdImprimir.SetCaption("&Imprimir");
  CmdGrabar.Move(10020, 5580, 1335, 375);
  CmdGrabar.SetCaption("&Aceptar");
  CmdImprimir.Click = [this] { CmdImprimir_Click(); };
  CmdGrabar.Click = [this] { CmdGrabar_Click(); };
}

void FrmConsist::Form_Load() {
  forms::Screen().SetMousePointer(forms::vbDefault);
  vb::Files& archivos = G().Archivos;
  const int numero = archivos.FreeFile();
  archivos.Open(G().ArchivoSalida, vb::OpenMode::Input, numero);
  TxtPreliminar.SetText(archivos.Input(archivos.Lof(numero), numero));
  archivos.Close(numero);
}

void FrmConsist::CmdGrabar_Click() {
  forms::Application& aplicacion = forms::Application::Current();
  aplicacion.Unload(*this);
  aplicacion.Release<FrmConsist>();
}

void FrmConsist::CmdImprimir_Click() { RepInconsist(); }

void FrmConsist::RepInconsist() {
  vb::Files& archivos = G().Archivos;
  int numero = 0;
  try {
    // The printer is chosen before the busy pointer shows.
    Impresora_ = forms::Printer(Caption());
    forms::Screen().SetMousePointer(forms::vbHourglass);
    // The first sheet's heading, dated once for every sheet.
    const vb::DateTime momento = vb::Now();
    int hoja = 1;
    Cabecera(hoja, momento);
    // The list as the check wrote it.
    numero = archivos.FreeFile();
    archivos.Open(G().ArchivoSalida, vb::OpenMode::Input, numero);
    int n = 0, r = 0;
    // A message's rows stay on one sheet; a full sheet gets its frame
    // and the next its own heading.
    while (!archivos.Eof(numero)) {
      const std::string linea = archivos.LineInput(numero);
      ++n;
      const std::vector<std::string> filas = Filas(" " + vb::NumberText(n) + ". ", linea);
      if (r > 0 && r + static_cast<int>(filas.size()) > kFilasPorHoja) {
        pImprimeCuadro(300, 900, 10000, kPrimeraFila + r * kAltoFila);
        Impresora_->NewPage();
        Cabecera(++hoja, momento);
        r = 0;
      }
      for (const std::string& fila : filas) pPosImprime(400, YDeFila(++r), fila, true, 8);
    }
    // The count below the last message, and the last sheet's frame.
    pPosImprime(500, YDeFila(r + 1), " Inconsistencias Detectadas : " + std::string(" ") + vb::NumberText(n), true, 8);
    pImprimeCuadro(300, 900, 10000, 1270 + r * kAltoFila);
    archivos.Close(numero);
    Impresora_->EndDocument();
    Impresora_.reset();
    forms::Screen().SetMousePointer(forms::vbDefault);
  } catch (const vb::Error& e) {
    std::string texto = "Error Técnico : (" + vb::NumberText(e.Number()) + ") " + e.Description();
    for (const Mensaje& m : kMensajes) {
      if (m.Numero == e.Number()) texto = m.Texto;
    }
    if (e.Number() != vb::ErrFileAlreadyOpen) ModGen00::MensajeError(texto, kTituloImpresion);
    // The file, the job and the pointer are put back whatever failed.
    if (numero != 0) archivos.Close(numero);
    if (Impresora_) {
      try {
        Impresora_->EndDocument();
      } catch (const vb::Error&) {
      }
      Impresora_.reset();
    }
    forms::Screen().SetMousePointer(forms::vbDefault);
  }
}

void FrmConsist::Cabecera(int hoja, vb::DateTime momento) {
  const std::string titulo = vb::Trim(kTituloFrm0917) + " - Versión " + std::string(kVersion);
  for (const Encabezado& e : kEncabezado) {
    switch (e.Que) {
      case Campo::Texto:
        pPosImprime(e.X, e.Y, std::string(e.Texto), true, 8);
        break;
      case Campo::Fecha:
        pPosImprime(e.X, e.Y, vb::Format(momento, "dd/mm/yyyy"), true, 8);
        break;
      case Campo::Pagina:
        pPosImprime(e.X, e.Y, "PAG. " + vb::NumberText(hoja) + " ", true, 8);
        break;
      case Campo::Hora:
        pPosImprime(e.X, e.Y, vb::Format(momento, "hh:mm:ss"), true, 8);
        break;
      case Campo::Titulo:
        pPosImprime(e.X, e.Y, titulo, true, 8);
        break;
    }
  }
}

void FrmConsist::pPosImprime(int x, int y, const std::string& texto, bool negrita, int tamano) {
  Impresora_->DrawText(x, y, texto, print::Font{"Courier new", static_cast<double>(tamano), negrita});
}

void FrmConsist::pImprimeCuadro(int x1, int y1, int x2, int y2) { Impresora_->DrawRect(x1, y1, x2, y2); }

}  // namespace app
