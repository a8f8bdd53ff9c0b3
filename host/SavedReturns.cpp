#include "host/SavedReturns.h"

#include "common/CuentaTrabajo.h"
#include "platform/db/Engine.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"

namespace dexlora {
namespace {

constexpr std::string_view kQuery =
    "SELECT A.tip_doc_d, A.Doc_id_d, A.PERIODO, A.Formulario, A.Semana, B.NOMBRE FROM CAB AS A "
    "LEFT JOIN CONT AS B ON (A.tip_doc_d = B.tip_doc_d AND A.Doc_id_d = B.Doc_id_d) "
    "ORDER BY A.Doc_id_d, A.PERIODO, A.Semana";

// `text` in exactly `width` characters, blank-filled; nothing when it is longer.
std::optional<std::string> Fit(std::string_view text, long width, std::string_view fill = " ") {
  long length = vb::Len(text);
  if (length > width) return std::nullopt;
  std::string out(text);
  for (long i = length; i < width; ++i) out += fill;
  return out;
}

}  // namespace

std::vector<SavedReturn> ReadSavedReturns(const SampleLayout& layout) {
  common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  dao::DBEngine engine;
  engine.SetSystemDB(layout.Workgroup);
  engine.SetDefaultUser(cuenta.Usuario);
  engine.SetDefaultPassword(cuenta.Clave);
  auto db = engine.Workspaces(0).OpenDatabase(layout.Database, false, true);
  auto rs = db->OpenRecordset(kQuery, dao::dbOpenSnapshot);
  std::vector<SavedReturn> saved;
  for (; !rs->EOF_(); rs->MoveNext()) {
    SavedReturn r;
    r.TipDoc = vb::CInt(vb::Nz(rs->Fields(0).Value(), 0));
    r.DocId = vb::Trim(vb::TextOf(rs->Fields(1).Value()));
    r.Periodo = vb::Trim(vb::TextOf(rs->Fields(2).Value()));
    r.Formulario = vb::Trim(vb::TextOf(rs->Fields(3).Value()));
    r.Semana = vb::CInt(vb::Nz(rs->Fields(4).Value(), 0));
    r.Nombre = vb::Trim(vb::TextOf(rs->Fields(5).Value()));
    saved.push_back(std::move(r));
  }
  rs->Close();
  db->Close();
  return saved;
}

std::optional<std::string> SummaryCommandLine(const SavedReturn& saved, std::string_view nc) {
  if (saved.Semana < 0 || saved.Semana > 9) return std::nullopt;
  auto doc = Fit(saved.DocId, 15);
  auto form = Fit(saved.Formulario, 4);
  auto period = Fit(saved.Periodo, 6, "0");
  auto number = Fit(nc, 8);
  if (!doc || !form || !period || !number) return std::nullopt;
  return "  " + *doc + *form + *period + std::to_string(saved.Semana) + *number;
}

}  // namespace dexlora
