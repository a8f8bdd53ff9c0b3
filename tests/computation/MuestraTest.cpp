// The sample installation's returns are what KR917 itself stores: each one,
// saved or sent, opened in the return form and recomputed box by box shows
// the same boxes and payment; the consistency check agrees with its state;
// and saved again from the form it is stored as the sample holds it.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "platform/db/Quote.h"
#include "platform/forms/Constants.h"
#include "platform/text/Strings.h"
#include "return/Recalculo.h"
#include "tests/computation/ConsistenciaFixture.h"

namespace app::testing {
namespace {

constexpr char kGrabadaConsistente[] = "Toda la información del formulario fue grabada satisfactoriamente.";
constexpr char kGrabadaInconsistente[] =
    "La información del formulario fue grabada con inconsistencias.\nEn estas condiciones no podrá ser enviado a "
    "VELTA.";

/// A return of the sample as its header names it.
struct DeLaMuestra {
  std::string Ruc;
  std::string Correl;  // "" for a saved return
  std::string Control;
  std::string NOrden;
  int Estado = 0;  // CAB's 0 or 9; a sent return's HCAB row holds 1
  bool Enviada() const { return !Correl.empty(); }
  std::string Nombre() const { return Ruc + (Enviada() ? "-" + Correl : ""); }
};

/// What the form shows of a return: every box's text and the payment control.
struct Vista {
  std::map<int, std::string> Casillas;
  std::string FormaPago, Banco, Cheque, Importe;
};

Vista VistaDe(const Frm0917& f) {
  Vista v;
  for (int n : f.txtvalor.Indexes()) v.Casillas[n] = f.txtvalor(n).Text();
  v.FormaPago = f.FormaDePagoQBX1.formapago();
  v.Banco = f.FormaDePagoQBX1.banco();
  v.Cheque = f.FormaDePagoQBX1.numcheque();
  v.Importe = f.FormaDePagoQBX1.importe();
  return v;
}

std::vector<std::string> Partes(const std::string& fila) {
  std::vector<std::string> partes;
  std::stringstream in(fila);
  for (std::string parte; std::getline(in, parte, '|');) partes.push_back(parte);
  return partes;
}

class Muestra : public Consistencia {
 protected:
  /// The sample's saved returns, then its sent ones.
  std::vector<DeLaMuestra> Declaraciones() {
    std::vector<DeLaMuestra> todas;
    for (const std::string& fila : Filas("SELECT Doc_id_d, estado FROM CAB ORDER BY Doc_id_d")) {
      const std::vector<std::string> p = Partes(fila);
      todas.push_back({p[0], "", "", "", std::stoi(p[1])});
    }
    for (const std::string& fila :
         Filas("SELECT Doc_id_d, correl, control, norden, estado FROM HCAB ORDER BY Doc_id_d, correl")) {
      const std::vector<std::string> p = Partes(fila);
      todas.push_back({p[0], p[1], p[2], p[3], std::stoi(p[4])});
    }
    return todas;
  }

  /// Opens `d` as the program does: a saved one from Modificar, a sent one to register its order number.
  void AbreDe(const DeLaMuestra& d, std::function<void(Frm0917&)> paso) {
    if (!d.Enviada()) return AbreGuardada(d.Ruc, std::move(paso));
    Compartidas& g = G();
    g.Modo = 2;
    g.ModoRegistro = true;
    g.RucDeclarante = d.Ruc;
    g.Periodo = "2002";
    g.Semana = 0;
    g.Correlativo = d.Correl;
    g.NumeroControl = d.Control;
    g.NumeroOrden = d.NOrden;
    Abre(std::move(paso));
  }

  /// A return's box rows: the box and `columnas`, by box.
  std::vector<std::string> Casillas(const std::string& tabla, const DeLaMuestra& d, const std::string& columnas) {
    return Filas("SELECT Casilla, " + columnas + " FROM " + tabla + " WHERE Doc_id_d=" + dao::Quote(d.Ruc) +
                 (tabla == "HDET" ? " AND Correl=" + dao::Quote(d.Correl) : "") + " ORDER BY Casilla");
  }
  /// A return's header: its payment, rectification and state.
  std::vector<std::string> Cabecera(const std::string& tabla, const DeLaMuestra& d) {
    return Filas("SELECT bcolibrad, nrocheque, cheque, efectivo, rectifica FROM " + tabla + " WHERE Doc_id_d=" +
                 dao::Quote(d.Ruc) + (tabla == "HCAB" ? " AND correl=" + dao::Quote(d.Correl) : ""));
  }

  /// Grabar on the open return: the message of its state, and the form stays open.
  void Graba(Frm0917& f, bool consistente) {
    User.ExpectMsgBox(consistente ? kGrabadaConsistente : kGrabadaInconsistente, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
  }
};

// Every box whose change recomputes others changes once more, as though
// typed again: the formulas must give what the return holds.
void Recalcula(Frm0917& f) {
  for (int n : f.txtvalor.Indexes()) {
    if (FilaRecalculoDe(n) != nullptr) f.txtvalor_Change(n);
  }
}

TEST_F(Muestra, EachReturnHoldsWhatTheFormComputesAndItsStateIsTheChecksOutcome) {
  const std::vector<DeLaMuestra> todas = Declaraciones();
  ASSERT_EQ(todas.size(), 5u);  // two saved, three sent
  for (const DeLaMuestra& d : todas) {
    SCOPED_TRACE(d.Nombre());
    // The host sends only returns that passed the check.
    const bool consistente = d.Enviada() ? d.Estado == 1 : d.Estado == 0;
    EXPECT_TRUE(d.Enviada() || d.Estado == 0 || d.Estado == 9) << d.Estado;
    ListasMostradas = 0;
    AbreDe(d, [&](Frm0917& f) {
      const Vista cargada = VistaDe(f);
      Recalcula(f);
      const Vista calculada = VistaDe(f);
      for (const auto& [n, texto] : cargada.Casillas) EXPECT_EQ(calculada.Casillas.at(n), texto) << "box " << n;
      EXPECT_EQ(calculada.Importe, cargada.Importe);
      EXPECT_EQ(calculada.FormaPago, cargada.FormaPago);
      EXPECT_EQ(calculada.Banco, cargada.Banco);
      EXPECT_EQ(calculada.Cheque, cargada.Cheque);
      // The payment is marked as the return is paid.
      EXPECT_TRUE(cargada.FormaPago == "E" || cargada.FormaPago == "C") << cargada.FormaPago;

      // Validar, and the save's silent run.
      if (consistente) User.ExpectMsgBox(kSinInconsistencias, forms::vbOK);
      EXPECT_EQ(f.ValidaTodo("0"), consistente);
      EXPECT_EQ(f.ValidaTodo("2"), consistente);
      Cierra(f);
    });
    std::string lineas;
    for (const std::string& l : Lineas()) lineas += l + "\n";
    EXPECT_EQ(ListasMostradas == 0, consistente) << lineas;
  }
}

TEST_F(Muestra, EachReturnSavedAgainFromTheFormIsStoredAsTheSampleHoldsIt) {
  for (const DeLaMuestra& d : Declaraciones()) {
    SCOPED_TRACE(d.Nombre());
    if (!d.Enviada()) {
      // Every column of the box rows, the control codes among them.
      const std::vector<std::string> filas = Casillas("DET", d, "i_valor, idcasilla, estado, cNumero");
      const std::vector<std::string> cabecera = Cabecera("CAB", d);
      AbreGuardada(d.Ruc, [&](Frm0917& f) {
        Graba(f, d.Estado == 0);
        Cierra(f);
      });
      EXPECT_EQ(Casillas("DET", d, "i_valor, idcasilla, estado, cNumero"), filas);
      EXPECT_EQ(Cabecera("CAB", d), cabecera);
      EXPECT_EQ(Filas("SELECT estado FROM CAB WHERE Doc_id_d=" + dao::Quote(d.Ruc)),
                std::vector<std::string>{std::to_string(d.Estado)});
      continue;
    }
    // A sent return is what KR917 stored before the host sent it: put back
    // as a saved one, the form stores it as the host keeps it. Its control
    // codes count the sending's number too, so they are not compared here.
    const std::string clave = " FROM HCAB WHERE Doc_id_d=" + dao::Quote(d.Ruc) + " AND correl=" + dao::Quote(d.Correl);
    Ejecuta({"DELETE * FROM DET WHERE Doc_id_d=" + dao::Quote(d.Ruc),
             "DELETE * FROM CAB WHERE Doc_id_d=" + dao::Quote(d.Ruc),
             "INSERT INTO CAB SELECT tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, fec_pro, bcolibrad, nrocheque, "
             "cheque, efectivo, rectifica, 0, cNumero" +
                 clave,
             "INSERT INTO DET SELECT tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, Casilla, i_valor, idcasilla, "
             "estado, cNumero FROM HDET WHERE Doc_id_d=" +
                 dao::Quote(d.Ruc) + " AND Correl=" + dao::Quote(d.Correl)});
    AbreGuardada(d.Ruc, [&](Frm0917& f) {
      Graba(f, true);
      Cierra(f);
    });
    EXPECT_EQ(Casillas("DET", d, "i_valor, idcasilla, estado"), Casillas("HDET", d, "i_valor, idcasilla, estado"));
    EXPECT_EQ(Cabecera("CAB", d), Cabecera("HCAB", d));
  }
}

}  // namespace
}  // namespace app::testing
