// Fuzz target: 0917SND's command line. Input: the line's bytes, read as the
// program reads its arguments. The summary runs in-process on a sample
// installation made once, its boxes answered by the console front end. It
// ends with one of its exit statuses; every file it leaves is in the
// program's RPT or TMP folder (a line never writes elsewhere), and a run that succeeds leaves both copies named by its
// key. What a run wrote is removed after it, so every input meets the same installation.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "common/CuentaTrabajo.h"
#include "host/SampleInstallation.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/forms/Application.h"
#include "platform/forms/ConsoleFrontEnd.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Variant.h"
#include "summary/Compartidas.h"
#include "summary/Inicio.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ScratchDatabase.h"

namespace {

namespace fs = std::filesystem;
using kr::fuzz::Require;

struct Instalacion {
  dexlora::SampleLayout Muestra;
  std::set<fs::path> Archivos;  // every file under the scratch folder before any run
  std::string Spool;            // the greatest file name in SPOOL before any run
  dao::DBEngine Motor;          // an engine of the target's own, to undo a run's rows
  std::shared_ptr<dao::Database> Base;
  std::FILE* Nada = std::fopen("/dev/null", "w");
  forms::ConsoleFrontEnd Consola{Nada};
  forms::Application Aplicacion{Consola};
};

std::set<fs::path> ArchivosBajo(const fs::path& carpeta) {
  std::set<fs::path> archivos;
  for (const auto& entrada : fs::recursive_directory_iterator(carpeta)) {
    if (!entrada.is_directory()) archivos.insert(entrada.path());
  }
  return archivos;
}

std::shared_ptr<dao::Database> AbreBase(Instalacion& i) {
  const common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  i.Motor.SetSystemDB(i.Muestra.Workgroup);
  i.Motor.SetDefaultUser(cuenta.Usuario);
  i.Motor.SetDefaultPassword(cuenta.Clave);
  return i.Motor.Workspaces(0).OpenDatabase(i.Muestra.Database);
}

Instalacion& Prepara() {
  static Instalacion* instalacion = [] {
    auto* i = new Instalacion;
    i->Muestra = dexlora::CreateSampleInstallation(kr::fuzz::ScratchFolder() + "/muestra");
    kr::fuzz::UseWriteAheadLog(i->Muestra.Database);
    ::setenv("WINDIR", i->Muestra.WindowsFolder.c_str(), 1);
    i->Archivos = ArchivosBajo(kr::fuzz::ScratchFolder());
    // Opened once: each opening checks the account, which costs more than a run.
    i->Base = AbreBase(*i);
    auto rs = i->Base->OpenRecordset("SELECT max(Archivo) AS ultimo FROM SPOOL", dao::dbOpenSnapshot);
    const vb::Variant ultimo = rs->Fields("ultimo").Value();
    i->Spool = ultimo.IsNull() ? "" : vb::CStr(ultimo);
    rs->Close();
    return i;
  }();
  return *instalacion;
}

// Puts the installation back as it was: the run's files and spool rows go.
void Deshace(Instalacion& i, const std::set<fs::path>& nuevos) {
  for (const fs::path& p : nuevos) fs::remove(p);
  i.Base->Execute("DELETE FROM SPOOL WHERE Archivo > " + dao::Quote(i.Spool), dao::dbFailOnError);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Instalacion& i = Prepara();
  summary::ReiniciaCompartidas();
  const int estado = summary::Ejecuta(vb::DecodeText(kr::fuzz::Text(data, size)));
  Require(estado == 0 || estado == summary::kSalidaConFalla || estado == 2, "the run ends with one of its statuses");

  const fs::path programa = i.Muestra.ProgramFolder;
  const fs::path reportes = programa / "RPT", temporales = programa / "TMP";
  std::set<fs::path> nuevos;
  for (const fs::path& p : ArchivosBajo(kr::fuzz::ScratchFolder())) {
    if (i.Archivos.count(p) != 0) continue;
    // The database's own files come and go with its connections.
    if (p.parent_path() == fs::path(i.Muestra.Database).parent_path() &&
        p.filename().string().starts_with(fs::path(i.Muestra.Database).filename().string())) {
      continue;
    }
    Require(p.parent_path() == reportes || p.parent_path() == temporales,
            "a new file only in RPT or TMP: " + p.string());
    nuevos.insert(p);
  }
  if (estado == 0) {
    const std::string clave = summary::G().ClaveEnvio;
    Require(nuevos.count(reportes / (clave + ".PRN")) == 1, "the report's copy is named by the key");
    Require(nuevos.count(temporales / (clave + ".txt")) == 1, "the text's copy is named by the key");
  }
  summary::ReiniciaCompartidas();
  if (!nuevos.empty()) Deshace(i, nuevos);
  return 0;
}
