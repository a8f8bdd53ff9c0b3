#include "installer/Compartidas.h"

#include <algorithm>

#include "platform/db/JetError.h"
#include "platform/forms/Application.h"
#include "platform/text/Error.h"

namespace installer {
namespace {

std::unique_ptr<Compartidas>& Actuales() {
  static std::unique_ptr<Compartidas> actuales = std::make_unique<Compartidas>();
  return actuales;
}

}  // namespace

Compartidas& G() { return *Actuales(); }

void ReiniciaCompartidas() { Actuales() = std::make_unique<Compartidas>(); }

void CierraBaseDatos() {
  Compartidas& g = G();
  if (!g.BaseDatos) return;
  try {
    ConfirmaTransaccion();
  } catch (const vb::Error&) {
    g.Transaccion.reset();  // what could not be committed is rolled back whole
    MarcaFalla();
  }
  g.BaseDatos->Close();
  g.BaseDatos.reset();
}

void IniciaTransaccion() {
  Compartidas& g = G();
  if (!g.BaseDatos || g.Transaccion) return;
  try {
    g.Transaccion = std::make_unique<dao::Transaction>(g.Motor.Workspaces(0), dao::kWriteLock);
  } catch (const vb::Error&) {
    // Each statement then commits on its own, as it would without the run's transaction.
  }
}

void ConfirmaTransaccion() {
  Compartidas& g = G();
  if (!g.Transaccion) return;
  std::unique_ptr<dao::Transaction> transaccion = std::move(g.Transaccion);
  transaccion->Commit();
}

int Mensaje(std::string_view prompt, int style, std::string_view title) {
  // A box inside a step's own unit (a table and its key, say) waits with it
  // open: that unit must stay whole.
  Compartidas& g = G();
  const bool enCurso = g.Transaccion != nullptr && g.Motor.Workspaces(0).TransactionLevel() == 1;
  if (enCurso) {
    try {
      ConfirmaTransaccion();
    } catch (const vb::Error& e) {
      // SQLite ended the run's transaction: the statement that made it do so
      // is what this box tells, and the run goes on in a new one.
      if (e.Number() != dao::ErrNoTransaction) throw;
      MarcaFalla();
    }
  }
  const int respuesta = forms::MsgBox(prompt, style, title);
  if (enCurso) IniciaTransaccion();
  return respuesta;
}

void MarcaFalla() { G().EstadoSalida = std::max(G().EstadoSalida, kSalidaConFallas); }

}  // namespace installer
