//===- ConsistenciaFixture.h - The consistency check run on a return -----===//
//
// The return form's fixture, with a consistent return to start from and
// the list file read back. The consistent return is GARCIA's, saved: owned
// premises, not a rectification, a first-category income of 12,500 with
// the boxes computed from it (514 and 515 10,000, a tax of 1,500 owed), and
// 1,500 paid in cash. A case changes some of its rows; a row whose value is
// empty is left out.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Constants.h"
#include "platform/text/Cp1252.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {

/// The bank code of a payment without a bank chosen.
inline constexpr char kSinBanco[] = "XX";

inline const forms::MessageBox kSinInconsistencias{"La información de la declaración no presenta inconsistencias.",
                                                   forms::vbExclamation, "Mensaje"};

/// A case of the list: the consistent return's rows changed, what the user
/// does in the form before Validar, and the list's lines.
struct CasoLista {
  const char* Nombre;
  std::vector<Fila> Cambios;
  std::vector<std::string> Lineas;
  std::function<void(Frm0917&)> Accion = {};
};

class Consistencia : public Declaracion {
 protected:
  /// The consistent return's rows with `cambios` made.
  static std::vector<Fila> Consistente(const std::vector<Fila>& cambios = {}) {
    std::vector<Fila> filas = {{"027", "2"},    {"871", "0"},    {"100", "12500"}, {"501", "12500"},
                               {"502", "-2500"}, {"503", "10000"}, {"113", "10000"}, {"513", "10000"},
                               {"514", "10000"}, {"515", "10000"}, {"120", "1500"},  {"516", "1500"},
                               {"141", "0"},    {"142", "1500"}, {"146", "1500"},  {"180", "1500"},
                               {"599", "E"}};
    for (const Fila& c : cambios) {
      auto igual = std::find_if(filas.begin(), filas.end(), [&](const Fila& f) { return f.first == c.first; });
      if (igual != filas.end()) filas.erase(igual);
      if (!c.second.empty()) filas.push_back(c);
    }
    return filas;
  }

  /// The list file's bytes as written.
  static std::string Bytes() { return vb::ReadFileBytes(G().RutaSistema + "Mens.txt"); }

  /// The list file's lines, read back as text.
  static std::vector<std::string> Lineas() {
    const std::string texto = vb::FromCp1252(Bytes());
    std::vector<std::string> lineas;
    for (std::size_t desde = 0; desde < texto.size();) {
      const std::size_t fin = texto.find("\r\n", desde);
      if (fin == std::string::npos) {
        ADD_FAILURE() << "a line without its CR LF: " << texto.substr(desde);
        break;
      }
      lineas.push_back(texto.substr(desde, fin - desde));
      desde = fin + 2;
    }
    return lineas;
  }

  /// Validar.
  void Valida(Frm0917& f) { User.Click(f.Cmdgeneral(0)); }

  /// Each case on GARCIA's return stored afresh: opened, acted on,
  /// validated; the list holds the case's lines, shown in the inconsistency
  /// window, or none and the return is said to be consistent.
  void Comprueba(const std::vector<CasoLista>& casos) {
    for (const CasoLista& c : casos) {
      SCOPED_TRACE(c.Nombre);
      Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
      Guarda(kGarcia, Consistente(c.Cambios), " ", kSinBanco);
      ListasMostradas = 0;
      AbreGuardada(kGarcia, [&](Frm0917& f) {
        if (c.Accion) c.Accion(f);
        if (c.Lineas.empty()) User.ExpectMsgBox(kSinInconsistencias, forms::vbOK);
        Valida(f);
        Cierra(f);
      });
      EXPECT_EQ(Lineas(), c.Lineas);
      EXPECT_EQ(ListasMostradas, c.Lineas.empty() ? 0 : 1);
      if (!c.Lineas.empty()) {
        EXPECT_EQ(ListaAlAbrir, Bytes());  // closed before the window read it
      }
    }
  }

  /// Whether `linea` is one of `lineas`.
  static bool Tiene(const std::vector<std::string>& lineas, const std::string& linea) {
    return std::find(lineas.begin(), lineas.end(), linea) != lineas.end();
  }
};

// Where a box lies, as the lines end.
inline const std::string kAmazonia =
    " (casilla ubicada en el rubro Información Complementaria  - Inversión en la Amazonia...)";
inline const std::string kAlquileres =
    " (casilla ubicada en el rubro Información Complementaria  - Detalle de alquileres pagados..)";
inline const std::string kAlquileresTipo =
    " (casilla ubicada en el rubro Información Complementaria  - Detalle de alquileres pagados...)";
inline const std::string kRepresentanteConyuge =
    " ( casilla ubicada en el rubro Información Complementaria  - Datos del Representante legal / Conyuge...)";
inline const std::string kRentaNeta =
    " ( casilla ubicada en el rubro Determinación de la Renta imponible - Renta Neta Imponible ) ";
inline const std::string kCuartaQuinta =
    " ( casilla ubicada en el rubro Determinación de la Renta imponible - Cuarta y Quinta categoria ) ";
inline const std::string kDeuda = " ( casilla ubicada en el rubro Determinación de la deuda ) ";
inline const std::string kDatoDeuda = "( dato ubicado en el rubro Determinación de la deuda )";

/// Fourth-category income within its limits (box 110 at a tenth of box
/// 108), with the occupation and one payer.
inline const std::vector<Fila> kCuarta = {{"025", "01"},  {"108", "10000"}, {"110", "1000"}, {"822", "ALVAREZ"},
                                          {"224", "06"},  {"215", kQuispe}, {"220", "1000"}};

// The lines of a new return with nothing but its identification.
inline const std::string kInmueble = "Señale si el inmueble donde realiza sus actividades es alquilado o propio ";
inline const std::string kSinImporte = "Ingrese el importe a pagar" + kDeuda;
inline const std::string kSinRentas =
    "Ingrese información por lo menos en una de estas casillas 100, 102, 105, 106, 107 y 108"
    "( casillas ubicadas en el rubro Determinación de la Renta imponible )";
inline const std::string kSinFormaPago = "Ingrese la Forma de pago" + kDatoDeuda;

}  // namespace app::testing
