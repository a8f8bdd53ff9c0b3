#include "kr917/Programa.h"

#include <filesystem>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "app/ventanas/Ventanas.h"
#include "platform/files/FileSystem.h"
#include "printing/FrmConsist.h"
#include "printing/frmImprimir.h"
#include "return/Registro.h"
#include "schedules/FrmAdicionalCab.h"
#include "schedules/FrmAdicionalDet.h"
#include "schedules/FrmDesglose.h"

namespace kr917 {

void RegistraVentanas() {
  app::RegistraFrm0917();
  app::RegistraDesgloses();
  app::RegistraFrmAdicionalCab();
  app::RegistraFrmAdicionalDet();
  forms::WindowRegistry& ventanas = app::G().Ventanas;
  ventanas.Register(app::ventana::kFrmConsist, [] { app::AbreNueva<app::FrmConsist>(); });
  ventanas.Register(app::ventana::kFrmImprimir, [] { app::AbreNueva<app::frmImprimir>(); });
}

std::string CarpetaImagenes() {
  const std::string junto = vb::ExecutableFolder() + "/" KR917_PICTURES_INSTALLED;
  std::error_code ec;
  if (std::filesystem::is_directory(junto, ec)) return std::filesystem::weakly_canonical(junto, ec).string();
  return KR917_PICTURES_DIR;
}

}  // namespace kr917
