// Fuzz target: the import of the host's send-table list, env917.txt. Input:
// the file's bytes. It is read as the installer reads it (numbered file,
// lines up to the first blank one); each line that LeeLineaEnvio accepts is
// written into envio_t of the sample installation's database by its
// statement (SentenciaEnvio), inside a transaction rolled back after the
// input. A statement either fails as the column refuses the value (too long,
// out of range) or stores the line as read: the texts as they are, each
// number as its column holds it.
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "host/SampleInstallation.h"
#include "installer/Compartidas.h"
#include "installer/Envios.h"
#include "installer/LineaEnvio.h"
#include "platform/db/JetError.h"
#include "platform/db/Quote.h"
#include "platform/files/Files.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ScratchDatabase.h"

namespace {

using kr::fuzz::Require;

constexpr const char* kNumericas[] = {"indice",    "obliga",   "c_tip_doc_d", "c_doc_id_d", "c_Formulario",
                                      "c_periodo", "c_estado", "c_envio",     "c_semana"};

// The sample installation's database, as BaseDatos of the installer.
const std::string& Archivo() {
  static const std::string archivo = [] {
    dexlora::SampleLayout muestra = dexlora::CreateSampleInstallation(kr::fuzz::ScratchFolder() + "/muestra");
    kr::fuzz::UseWriteAheadLog(muestra.Database);
    installer::G().BaseDatos = kr::fuzz::ScratchEngine().Workspaces(0).OpenDatabase(muestra.Database);
    return kr::fuzz::ScratchFolder() + "/env917.txt";
  }();
  return archivo;
}

// The row the line went to holds what the line says.
void CompruebaFila(const installer::LineaEnvio& linea) {
  auto rs = installer::G().BaseDatos->OpenRecordset(
      "SELECT * FROM envio_t WHERE formulario='0917' AND tabla_o=" + dao::Quote(linea.TablaO), dao::dbOpenSnapshot);
  Require(!rs->EOF_(), "the line's row is there");
  Require(rs->Fields("tabla_d").Value() == vb::Variant(linea.TablaD), "tabla_d as read");
  Require(rs->Fields("tabla_ext").Value() == vb::Variant(linea.TablaExt), "tabla_ext as read");
  for (std::size_t i = 0; i < linea.Numeros.size(); ++i) {
    std::optional<double> numero = vb::ParseNumber(linea.Numeros[i]);
    Require(numero.has_value(), "a number field is written as a number");
    // Byte and Long columns hold whole numbers, rounded as CLng rounds.
    Require(vb::CDbl(rs->Fields(kNumericas[i]).Value()) == vb::RoundHalfEven(*numero),
            std::string(kNumericas[i]) + " as read");
  }
  rs->Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& archivo = Archivo();
  std::ofstream(archivo, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  vb::Files archivos;
  archivos.Open(archivo, vb::OpenMode::Input, 1);
  kr::fuzz::Undone([&] {
    while (!archivos.Eof(1)) {
      std::string linea = archivos.LineInput(1);
      if (vb::Trim(linea).empty()) break;
      std::string motivo;
      std::optional<installer::LineaEnvio> leida = installer::LeeLineaEnvio(linea, motivo);
      if (!leida) {
        Require(!motivo.empty(), "a refused line says why");
        continue;
      }
      try {
        installer::G().BaseDatos->Execute(installer::SentenciaEnvio(*leida), dao::dbFailOnError);
      } catch (const vb::Error& e) {
        kr::fuzz::RequireError(e.Number(), {dao::ErrFieldTooSmall, dao::ErrNumericOverflow}, "the line's statement");
        continue;
      }
      CompruebaFila(*leida);
    }
  });
  archivos.Close();
  return 0;
}
