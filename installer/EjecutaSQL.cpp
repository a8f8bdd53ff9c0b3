#include "installer/EjecutaSQL.h"

#include <string>

#include "installer/Compartidas.h"
#include "platform/db/JetError.h"
#include "platform/db/Transaction.h"
#include "platform/forms/Application.h"

namespace installer {
namespace {

constexpr std::string_view kTituloError = "Error al Ejecutar Sentencia SQL";
constexpr std::string_view kTituloPregunta = "Mensaje";
constexpr std::string_view kTablasExisten = "\nLas tablas ya existen. Desea Sobreescribirlas?";

}  // namespace

void MuestraErrorSQL(const vb::Error& error) {
  Mensaje("Error Número : " + std::to_string(error.Number()) + "\n" + error.Description(), forms::vbCritical,
                kTituloError);
}

void EjecutaSQL(std::string_view sql) {
  try {
    // Its own savepoint: a statement that fails undoes itself alone.
    dao::Atomically(G().Motor.Workspaces(0), [&] { G().BaseDatos->Execute(sql, dao::dbInconsistent); });
  } catch (const vb::Error& e) {
    switch (e.Number()) {
      case dao::ErrPrimaryKeyExists:
        return;
      case dao::ErrTableExists:
        // The question was always asked and its answer never acted on: the
        // existing table is kept whatever the user says.
        Mensaje(kTablasExisten, forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, kTituloPregunta);
        MarcaFalla();
        return;
      default:
        MuestraErrorSQL(e);
        MarcaFalla();
        return;
    }
  }
}

}  // namespace installer
