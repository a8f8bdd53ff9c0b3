//===- ImpRep.h - The printed return written as a page-command report ----===//
//
// The print window loads the chosen return into G().ImpRep (its boxes) and
// G()'s header fields, registers the report file, names it in ArchivoSalida
// and sets ModoImpresion to 2; then ImprimeReporte writes the report:
//
//   page 1  "1.- DETERMINACIÓN DE LA RENTA IMPONIBLE"         ImprimeHoja1
//   page 2  "2.- DETERMINACIÓN DE LA DEUDA", "3.- IDENTIFICACION"  ImprimeHoja2
//   page 3  "4.- INFORMACIÓN COMPLEMENTARIA"                  ImprimeHoja3
//   page 4  boxes 200 and 201 item by item                    ImprimeHoja4
//   annex   "INFORMACIÓN ADICIONAL", landscape                ImprimeInfAdicional
//
// Every page starts with the same heading (ImprimeCabecera). The pages write
// through the writer of G().ImpRep.ImpLinea with explicit page indexes, so
// PaginaActual stays 1 while they run and each page's tags reach the file.
//
//   ImpRep::Seleccion que{.Declaracion = true, .InfAdicional = true};
//   if (ImpRep::ImprimeReporte(que)) ModObjetos::VistaPrevia(archivo, "Vprevia");
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace dao {
class Recordset;
}
namespace vb {
class Error;
}

namespace ImpRep {

/// What the report holds, as the print window's choices give it.
struct Seleccion {
  /// Pages 1 to 3: "Declaración" or "Declaración y anexo".
  bool Declaracion = false;
  /// Page 4: "Rentas exoneradas e Inafectas".
  bool RentasExoneradas = false;
  /// The annex: "Información adicional".
  bool InfAdicional = false;
};

/// Writes the report of `que` into ArchivoSalida when ModoImpresion is 2,
/// with the hourglass pointer. A failure is told in a box titled
/// "Impresión", drops the report and answers false; PaginaActual holds the
/// number of pages written after a success.
bool ImprimeReporte(const Seleccion& que);

/// ImprimeReporte without the box: a failure drops the report, restores the
/// pointer and reaches the caller, to be told by MuestraFalla once whatever
/// the caller holds (the spool) is let go.
void GeneraReporte(const Seleccion& que);

/// Tells a failed report as ImprimeReporte does, by the error; some errors
/// tell nothing.
void MuestraFalla(const vb::Error& error);

/// Opens the report, writes the pages and annexes of `que` and closes it.
/// Errors reach the caller with the report still open.
void ImprimeDeclaracion(const Seleccion& que);

/// The frame and heading every page starts with, on page index `pagina`,
/// every x moved `desplazamiento` to the right; a page break before it
/// unless it is the first page.
void ImprimeCabecera(std::int16_t pagina, std::int16_t desplazamiento);
/// A portrait page after the first: the font, the orientation and the
/// background again (the page counter stays put while the return is drawn),
/// then the heading.
void AbreHoja(std::int16_t pagina);

/// `texto` with blanks before it up to `ancho` characters, at most 80 of
/// them; unchanged when it is that long already.
std::string AlineaDerecha(std::string_view texto, std::int16_t ancho);

/// Page 1 (index 0), after the report's tags; its page count says 4 when
/// page 4 is part of `que`, 3 otherwise.
void ImprimeHoja1(const Seleccion& que);
/// Page 2 (index 1): the tax, the credits, the balance, the payment and the identification.
void ImprimeHoja2();
/// Page 3 (index 2): the complementary information.
void ImprimeHoja3();
/// Page 4 on page index `hoja` - 1: the items of boxes 200 and 201.
void ImprimeHoja4(std::int16_t hoja);

/// The trimmed name of the profession `codigo` (PARAM group 979); "" when
/// there is none.
std::string DescProfesion(std::string_view codigo);

/// The annex of the return's schedule rows, from page index `pagina` on;
/// PaginaActual ends at its last page index + 1.
void ImprimeInfAdicional(std::int16_t pagina);
/// The title (at `y` - 270) and column heads (at `y`) of the section in ClaveAdicional.
void ImprimeTituloAnexo(std::int16_t pagina, std::int16_t y);
/// The current row of `rs` at `y`, in the columns of the section in ClaveAdicional.
void ImprimeDetalleAnexo(std::int16_t pagina, std::int16_t y, dao::Recordset& rs);

}  // namespace ImpRep
