#include "tests/support/SampleFixture.h"

#include <filesystem>

#include "common/CuentaTrabajo.h"

namespace kr::testing {
namespace {

// The installation is built once per test program and copied for each test,
// which is much faster than building it again.
const std::string& Template() {
  static TempFolder folder;
  static const std::string root = [] {
    dexlora::CreateSampleInstallation(folder / "sample");
    return folder / "sample";
  }();
  return root;
}

std::string Copied(const TempFolder& into) {
  std::string to = into / "sample";
  std::filesystem::copy(Template(), to, std::filesystem::copy_options::recursive);
  return to;
}

}  // namespace

SampleInstallation::SampleInstallation()
    : Layout_(dexlora::LayoutOf(Copied(Folder_))), WinDir_("WINDIR", Layout_.WindowsFolder.c_str()) {
  // The copied settings name the template's folders: write them anew for this copy.
  std::filesystem::remove(Layout_.Settings);
  dexlora::CreateSampleInstallation(Layout_.Root);
}

std::shared_ptr<dao::Database> SampleInstallation::Open(dao::DBEngine& engine) const {
  common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  engine.SetSystemDB(Layout_.Workgroup);
  engine.SetDefaultUser(cuenta.Usuario);
  engine.SetDefaultPassword(cuenta.Clave);
  return engine.Workspaces(0).OpenDatabase(Layout_.Database);
}

}  // namespace kr::testing
