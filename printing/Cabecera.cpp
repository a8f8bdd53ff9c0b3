// The heading every page of the printed return starts with, and the
// right-alignment of the report's columns.
#include <algorithm>

#include "app/inicio/Compartidas.h"
#include "common/ImpLinea.h"
#include "platform/text/Strings.h"
#include "printing/ImpRep.h"
#include "printing/Trazos.h"

namespace ImpRep {
namespace {

constexpr Trazo kCabecera[] = {
    Negrita(300, 350, "VELTA", 16),
    Rotulo(300, 750, "DECLARACION"),
    Rotulo(550, 1100, "PAGO"),
    Negrita(550, 1330, "917", 12),
    Recuadro(150, 300, 1700, 1640),
    Recuadro(8500, 300, 11000, 650),
    Negrita(3050, 400, "DECLARACIÓN PAGO ANUAL IMPUESTO A LA RENTA", 9),
    Campo(Dato::Pagina, 9000, 400),
    Negrita(4100, 670, "PERSONAS NATURALES", 9),
    Rotulo(3750, 900, "Ejercicio Gravable 2002"),
    Recuadro(1700, 300, 8500, 1100),
    Rotulo(1750, 1170, "RUC"),
    Negritas(Campo(Dato::Ruc, 3850, 1170)),
    Recuadro(8500, 1100, 11000, 1370),
    Rotulo(9030, 1170, "TELEFONO"),
    Valor(9030, 1440, 28),
    Recuadro(1700, 1100, 3800, 1370),
    Recuadro(1700, 1370, 3800, 1640),
    Rotulo(1750, 1450, "Apellidos y nombres"),
    Negritas(Campo(Dato::Declarante, 3850, 1450)),
    Recuadro(3800, 1370, 8500, 1640),
    Rotulo(9000, 670, "Copia para el"),
    Rotulo(9000, 900, "Contribuyente"),
    Recuadro(8500, 300, 11000, 1100),
    Recuadro(8500, 1100, 11000, 1640),
};

// Only a sent return has a control and an order number.
// clang-format off
constexpr Trazo kNumerosEnvio[] = {
    Recuadro(150, 1640, 2650, 1910),
    Rotulo(300, 1720, "NRO. CONTROL: "),
    Negritas(Campo(Dato::Control, 1800, 1720)),
    Recuadro(8500, 1640, 11000, 1910),
    Rotulo(8700, 1720, "NRO. ORDEN: "),
    Negritas(Campo(Dato::Orden, 10000, 1720)),
};
// clang-format on

constexpr long kMaximoBlancos = 80;

}  // namespace

void AbreHoja(std::int16_t pagina) {
  common::EstadoImpresion& e = app::G().ImpRep.ImpLinea;
  common::ImprimeLinea(e, "<!font!>Courier New<!/font!>");
  common::ImprimeLinea(e, "<!Orientacion!>V<!/Orientacion!>");
  common::ImprimeLinea(e, "<!Color!>&H00FFFFC0&<!/Color!>");
  ImprimeCabecera(pagina, 0);
}

void ImprimeCabecera(std::int16_t pagina, std::int16_t desplazamiento) {
  if (pagina != 0) common::ImprimePos(app::G().ImpRep.ImpLinea, 0, 0, "pNuevaHoja", 0, 8, pagina);
  Dibuja(kCabecera, pagina, desplazamiento);
  if (!vb::Trim(app::G().NumeroOrden).empty()) Dibuja(kNumerosEnvio, pagina, desplazamiento);
}

std::string AlineaDerecha(std::string_view texto, std::int16_t ancho) {
  const long largo = vb::Len(texto);
  if (ancho <= largo) return std::string(texto);
  return vb::Space(std::min(ancho - largo, kMaximoBlancos)) + std::string(texto);
}

}  // namespace ImpRep
