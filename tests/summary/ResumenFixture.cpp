#include "tests/summary/ResumenFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/SavedReturns.h"
#include "platform/db/Quote.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Variant.h"
#include "summary/Compartidas.h"
#include "summary/Inicio.h"

namespace kr::testing {

Resumen::Resumen() { summary::ReiniciaCompartidas(); }

Resumen::~Resumen() { summary::ReiniciaCompartidas(); }

int Resumen::Corre(std::string_view linea) { return summary::Ejecuta(linea); }

void Resumen::CorreHastaElError(std::string_view linea, int numero, const std::string& texto) {
  const std::set<std::string> temporales = Archivos("TMP");
  Usuario.ExpectMsgBox(forms::MessageBox{"Error tecnico:  " + std::to_string(numero) + "\n" + texto +
                                             "\nIntente nuevamente por favor.",
                                         forms::vbCritical, "Mensaje"},
                       forms::vbOK);
  EXPECT_EQ(Corre(linea), 1);
  Usuario.VerifyDone();
  EXPECT_EQ(Archivos("TMP"), temporales);
}

void Resumen::Ejecuta(std::initializer_list<std::string> sentencias) {
  dao::DBEngine motor;
  auto db = Muestra.Open(motor);
  for (const std::string& sql : sentencias) db->Execute(sql, dao::dbFailOnError);
  db->Close();
}

std::vector<std::string> Resumen::Filas(const std::string& sql) {
  dao::DBEngine motor;
  auto db = Muestra.Open(motor);
  auto rs = db->OpenRecordset(sql, dao::dbOpenSnapshot);
  std::vector<std::string> filas;
  for (; !rs->EOF_(); rs->MoveNext()) {
    std::string fila;
    for (int i = 0; i < rs->Fields().Count(); ++i) {
      const vb::Variant v = rs->Fields(i).Value();
      fila += (i ? "|" : "") + (v.IsNull() ? std::string("Null") : vb::CStr(v));
    }
    filas.push_back(fila);
  }
  rs->Close();
  db->Close();
  return filas;
}

void Resumen::Guarda(std::string_view ruc, const char* nombre, std::string_view banco, std::string_view cheque,
                     std::initializer_list<std::pair<const char*, const char*>> casillas) {
  dao::DBEngine motor;
  auto db = Muestra.Open(motor);
  const std::string clave = "6," + dao::Quote(ruc) + ",'2002','0917',0";
  db->Execute(
      "INSERT INTO CAB (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, bcolibrad, nrocheque, estado) "
      "VALUES (" +
          clave + "," + std::string(banco) + "," + std::string(cheque) + ",0)",
      dao::dbFailOnError);
  for (const auto& [casilla, valor] : casillas) {
    db->Execute("INSERT INTO DET (tip_doc_d, Doc_id_d, PERIODO, Formulario, Semana, Casilla, i_valor) VALUES (" +
                    clave + "," + dao::Quote(casilla) + "," + dao::Quote(valor) + ")",
                dao::dbFailOnError);
  }
  if (nombre != nullptr) {
    db->Execute("INSERT INTO CONT (tip_doc_d, Doc_id_d, NOMBRE, USUARIO) VALUES (6," + dao::Quote(ruc) + "," +
                    dao::Quote(nombre) + ",'ASESOR1')",
                dao::dbFailOnError);
  }
  db->Close();
}

std::string Resumen::LineaDelHost(std::string_view ruc) {
  for (const dexlora::SavedReturn& r : dexlora::ReadSavedReturns(Muestra.Layout())) {
    if (r.DocId == ruc) return *dexlora::SummaryCommandLine(r, "00000042");
  }
  ADD_FAILURE() << "the sample has no saved return of " << ruc;
  return "";
}

std::string Resumen::Lee(std::string_view relativo) const {
  std::ifstream in(std::filesystem::path(Muestra.Layout().ProgramFolder) / relativo, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> Resumen::Archivos(std::string_view carpeta) const {
  std::set<std::string> nombres;
  const std::filesystem::path ruta = std::filesystem::path(Muestra.Layout().ProgramFolder) / carpeta;
  for (const auto& entrada : std::filesystem::directory_iterator(ruta)) nombres.insert(entrada.path().filename());
  return nombres;
}

std::string ConCrLf(std::initializer_list<std::string> lineas) {
  std::string texto;
  for (const std::string& l : lineas) texto += vb::ToCp1252(l) + "\r\n";
  return texto;
}

std::string ReporteEsperado(const std::vector<std::string>& lineas) {
  auto pos = [](int y, const std::string& texto) {
    return "pPos|10|" + std::to_string(y) + "|" + vb::ToCp1252(texto) + "|False|8|0|\r\n";
  };
  std::string r = "<!font!>Courier New<!/font!>\r\n<!nHojas!>1<!/nHojas!>\r\n" + pos(175, "") +
                  "<!Orientacion!>V<!/Orientacion!>\r\n<!Color!>&H80000005&<!/Color!>\r\n";
  int y = 350;
  for (const std::string& l : lineas) {
    r += pos(y, l);
    y += 175;
  }
  return r;
}

}  // namespace kr::testing
