#include "host/SampleInstallation.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

#include "common/CodigoControl.h"
#include "common/CuentaTrabajo.h"
#include "host/SampleData.h"
#include "platform/db/Engine.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/Quote.h"
#include "platform/files/Dir.h"
#include "platform/files/WholeFile.h"
#include "platform/profile/Profile.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Strings.h"

namespace dexlora {
namespace {

namespace fs = std::filesystem;

// The host's tables, in the column order the programs rely on: key columns
// first and the control code last in the return tables; CONT's document
// number at position 1 and its three name parts at 4, 5 and 6.
constexpr std::string_view kTables[] = {
    "CREATE TABLE PARAM ([Numero] Text(3), [Argumento] Text(20), [Funcion] Text(255), [Correl_Param] Text(10))",
    "ALTER TABLE PARAM ADD CONSTRAINT PK_PARAM PRIMARY KEY ([Numero],[Argumento])",
    "CREATE TABLE CONT ([tip_doc_d] Integer, [Doc_id_d] Text(15), [NOMBRE] Text(120), [Direccion] Text(120), "
    "[Apellido_p] Text(40), [Apellido_m] Text(40), [Nombre_1] Text(40), [nombre_2] Text(40), [USUARIO] Text(20), "
    "[Tipo_Ingreso] Integer)",
    "ALTER TABLE CONT ADD CONSTRAINT PK_CONT PRIMARY KEY ([tip_doc_d],[Doc_id_d])",
    // The return lists join their headers to CONT by the document number alone.
    "CREATE INDEX IX_CONT_DOC_ID_D ON CONT ([Doc_id_d])",
    "CREATE TABLE CLAVES ([Usuario] Text(20), [Tipo] Text(1), [Nombre] Text(60))",
    "ALTER TABLE CLAVES ADD CONSTRAINT PK_CLAVES PRIMARY KEY ([Usuario])",
    "CREATE TABLE SPOOL ([CodRep] Text(6), [Secuencia] Text(6), [Archivo] Text(12), [Fecha] DateTime, "
    "[Usuario] Text(20), [tip_doc_d] Integer, [Doc_id_d] Text(15))",
    "ALTER TABLE SPOOL ADD CONSTRAINT PK_SPOOL PRIMARY KEY ([CodRep],[Secuencia])",
    "CREATE UNIQUE INDEX IX_SPOOL_ARCHIVO ON SPOOL ([Archivo])",
    "CREATE TABLE reportes ([codrep] Text(6), [desrep] Text(80), [nivel] Integer)",
    "CREATE TABLE envio_t ([formulario] Text(4), [tabla_o] Text(30), [tabla_d] Text(30), [tabla_ext] Text(10), "
    "[indice] Byte, [obliga] Byte, [c_tip_doc_d] Byte, [c_doc_id_d] Integer, [c_Formulario] Integer, "
    "[c_periodo] Integer, [c_estado] Integer, [c_envio] Integer, [c_semana] Integer)",
    "ALTER TABLE envio_t ADD CONSTRAINT PK_ENVIO_T PRIMARY KEY ([formulario],[tabla_o])",
    "CREATE TABLE error ([numero] Long, [descripcion] Text(120))",
    "CREATE TABLE CAB ([tip_doc_d] Integer, [Doc_id_d] Text(15), [PERIODO] Text(6), [Formulario] Text(4), "
    "[Semana] Integer, [fec_pro] Text(10), [bcolibrad] Text(4), [nrocheque] Text(20), [cheque] Text(15), "
    "[efectivo] Text(15), [rectifica] Text(1), [estado] Integer, [cNumero] Text(6))",
    "ALTER TABLE CAB ADD CONSTRAINT PK_CAB PRIMARY KEY ([tip_doc_d],[Doc_id_d],[PERIODO],[Formulario],[Semana])",
    "CREATE TABLE HCAB ([tip_doc_d] Integer, [Doc_id_d] Text(15), [PERIODO] Text(6), [Formulario] Text(4), "
    "[Semana] Integer, [correl] Text(3), [fec_pro] Text(10), [bcolibrad] Text(4), [nrocheque] Text(20), "
    "[cheque] Text(15), [efectivo] Text(15), [rectifica] Text(1), [estado] Integer, [fec_env] DateTime, "
    "[norden] Text(8), [control] Text(8), [cNumero] Text(6))",
    "ALTER TABLE HCAB ADD CONSTRAINT PK_HCAB PRIMARY KEY "
    "([tip_doc_d],[Doc_id_d],[PERIODO],[Formulario],[Semana],[correl])",
    "CREATE TABLE DET ([tip_doc_d] Integer, [Doc_id_d] Text(15), [PERIODO] Text(6), [Formulario] Text(4), "
    "[Semana] Integer, [Casilla] Text(3), [i_valor] Text(255), [idcasilla] Text(2), [estado] Integer, "
    "[cNumero] Text(6))",
    "ALTER TABLE DET ADD CONSTRAINT PK_DET PRIMARY KEY "
    "([tip_doc_d],[Doc_id_d],[PERIODO],[Formulario],[Semana],[Casilla])",
    "CREATE TABLE HDET ([tip_doc_d] Integer, [Doc_id_d] Text(15), [PERIODO] Text(6), [Formulario] Text(4), "
    "[Semana] Integer, [Correl] Text(3), [Casilla] Text(3), [i_valor] Text(255), [idcasilla] Text(2), "
    "[estado] Integer, [cNumero] Text(6))",
    "ALTER TABLE HDET ADD CONSTRAINT PK_HDET PRIMARY KEY "
    "([tip_doc_d],[Doc_id_d],[PERIODO],[Formulario],[Semana],[Correl],[Casilla])",
};

constexpr std::string_view kCrLf = "\r\n";

std::string Num(int n) { return std::to_string(n); }

// The host lets every text column of its tables hold "", as its own forms
// write blanks and empty texts alike.
void AllowEmptyTexts(dao::Database& db) {
  for (int t = 0; t < db.TableDefs().Count(); ++t) {
    auto table = db.TableDefs(t);
    for (int f = 0; f < table->Fields().Count(); ++f) {
      dao::FieldDef& field = table->Fields(f);
      if (field.Type() == dao::dbText) field.SetAllowZeroLength(true);
    }
  }
}

std::string FullName(const Taxpayer& t) {
  std::string name = std::string(t.ApellidoP);
  if (!t.ApellidoM.empty()) name += " " + std::string(t.ApellidoM);
  name += " " + std::string(t.Nombre1);
  if (!t.Nombre2.empty()) name += " " + std::string(t.Nombre2);
  return name;
}

std::string OrNull(std::string_view text) { return text.empty() ? "Null" : dao::Quote(text); }

// "dd/mm/yyyy" as Jet's "#mm/dd/yyyy#".
std::string JetDate(std::string_view ddmmyyyy) {
  return "#" + std::string(ddmmyyyy.substr(3, 2)) + "/" + std::string(ddmmyyyy.substr(0, 2)) + "/" +
         std::string(ddmmyyyy.substr(6, 4)) + "#";
}

// A box row's idcasilla as KR917 writes it: "05" for the amount to pay, "01" for any other box.
std::string IdCasilla(std::string_view casilla) { return casilla == "180" ? "'05'" : "'01'"; }

void FillRows(dao::Database& db) {
  for (const ParamRow& p : ParamRows()) {
    db.Execute("INSERT INTO PARAM VALUES (" + dao::Quote(p.Numero) + "," + dao::Quote(p.Argumento) + "," +
                   dao::Quote(p.Funcion) + ",'')",
               dao::dbFailOnError);
  }
  for (const Taxpayer& t : Taxpayers()) {
    db.Execute("INSERT INTO CONT VALUES (" + Num(t.TipDoc) + "," + dao::Quote(t.DocId) + "," + dao::Quote(FullName(t)) +
                   "," + dao::Quote(t.Direccion) + "," + dao::Quote(t.ApellidoP) + "," + OrNull(t.ApellidoM) + "," +
                   dao::Quote(t.Nombre1) + "," + OrNull(t.Nombre2) + "," + dao::Quote(t.Usuario) + "," +
                   Num(t.TipoIngreso) + ")",
               dao::dbFailOnError);
  }
  for (const User& u : Users()) {
    db.Execute("INSERT INTO CLAVES VALUES (" + dao::Quote(u.Usuario) + "," + dao::Quote(u.Tipo) + "," +
                   dao::Quote(u.Usuario) + ")",
               dao::dbFailOnError);
  }
  db.Execute("INSERT INTO reportes VALUES ('RP0001','Reporte de declaraciones registradas',1)", dao::dbFailOnError);
  db.Execute("INSERT INTO error VALUES (3051,'Base de datos bloqueada')", dao::dbFailOnError);
  // A sent return keeps the rows KR917 saved, paid in cash, and the host's state 1.
  for (const SentReturn& r : SentReturns()) {
    std::string key = "6," + dao::Quote(r.DocId) + ",'2002','0917',0," + dao::Quote(r.Correl);
    db.Execute("INSERT INTO HCAB VALUES (" + key + "," + dao::Quote(r.FecEnv) + ",' ',' ',' '," + dao::Quote(r.Paid) +
                   "," + dao::Quote(r.Rectifica) + ",1," + JetDate(r.FecEnv) + "," + dao::Quote(r.NOrden) + "," +
                   dao::Quote(r.Control) + ",'000000')",
               dao::dbFailOnError);
    for (const SentBox& b : r.Boxes) {
      db.Execute("INSERT INTO HDET VALUES (" + key + "," + dao::Quote(b.Casilla) + "," + dao::Quote(b.Valor) + "," +
                     IdCasilla(b.Casilla) + ",0,'000000')",
                 dao::dbFailOnError);
    }
  }
  for (const SavedSample& r : SavedSamples()) {
    // KR917 leaves the cash column of a cheque empty, and blanks in the cheque's columns of cash.
    const bool cash = r.Cheque == " ";
    std::string key = "6," + dao::Quote(r.DocId) + ",'2002','0917',0";
    db.Execute("INSERT INTO CAB VALUES (" + key + "," + dao::Quote(r.FecPro) + "," + dao::Quote(r.Bank) + "," +
                   dao::Quote(r.Cheque) + "," + dao::Quote(cash ? " " : r.Paid) + "," + dao::Quote(cash ? r.Paid : "") +
                   "," + dao::Quote(r.Rectifica) + "," + Num(r.Estado) + ",'000000')",
               dao::dbFailOnError);
    for (const SentBox& b : r.Boxes) {
      db.Execute("INSERT INTO DET VALUES (" + key + "," + dao::Quote(b.Casilla) + "," + dao::Quote(b.Valor) + "," +
                     IdCasilla(b.Casilla) + ",0,'000000')",
                 dao::dbFailOnError);
    }
  }
}

// The saved and the sent rows carry the control code of the programs: over
// the key columns (CAB's five, DET's five and the box, HCAB's six, HDET's six
// and the box) and the rest but the code itself.
void SealRows(dao::Database& db, const char* table, int keyColumns) {
  auto rs = db.OpenRecordset(table, dao::dbOpenTable);
  while (!rs->EOF_()) {
    rs->Edit();
    rs->Fields("cNumero").SetValue(common::CodigoControl(*rs, keyColumns));
    rs->Update();
    rs->MoveNext();
  }
  rs->Close();
}

void MakeFolder(const std::string& path) { fs::create_directories(path); }

void WriteIfMissing(const std::string& path, std::string_view utf8Text) {
  if (fs::exists(path)) return;
  vb::WriteFileAtomically(path, vb::ToCp1252(utf8Text));
}

void CreateSettings(const SampleLayout& l) {
  if (fs::exists(l.Settings)) return;
  std::string sysPath = l.ProgramFolder + "\\";
  struct Key {
    const char* Name;
    std::string Value;
  };
  const Key keys[] = {{"SysPath", sysPath},   {"SysVersion", "1.0"},  {"DBPath", sysPath},
                      {"DBName", "KR000.DB"}, {"SysMenu", "MENU917"}, {"SysUser", std::string(kSettingsUser)}};
  for (const Key& k : keys) win::WritePrivateProfileString("Options", k.Name, k.Value, l.Settings);
}

void CreateWorkgroup(const SampleLayout& l) {
  if (fs::exists(l.Workgroup)) return;
  common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
  dao::CreateWorkgroupFile(l.Workgroup);
  dao::SetWorkgroupAccount(l.Workgroup, cuenta.Usuario, cuenta.Clave, true);
}

// The spool's next file number is the largest of the first eight
// characters of its file names: an index on them gives it without reading
// the spool. Jet's DDL has no index on an expression, so it is made on the
// file itself, beside the open database (with the functions its expression
// calls).
void IndexSpoolSeries(const std::string& path) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  if (rc == SQLITE_OK) {
    dao::detail::RegisterJetFunctions(db);
    rc = sqlite3_exec(db, "CREATE INDEX \"SPOOL$IX_SPOOL_SERIE\" ON \"SPOOL\" (jet_left(\"Archivo\", 8) COLLATE JET)",
                      nullptr, nullptr, nullptr);
  }
  const std::string error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("the spool's index: " + error);
}

void CreateDatabase(const SampleLayout& l) {
  if (fs::exists(l.Database)) return;
  // Built under a temporary name, so an interrupted setup leaves no half database.
  std::string partial = l.Database + ".partial";
  fs::remove(partial);
  {
    common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
    dao::DBEngine engine;
    engine.SetSystemDB(l.Workgroup);
    engine.SetDefaultUser(cuenta.Usuario);
    engine.SetDefaultPassword(cuenta.Clave);
    auto db = engine.Workspaces(0).CreateDatabase(partial);
    for (std::string_view sql : kTables) db->Execute(sql, dao::dbFailOnError);
    AllowEmptyTexts(*db);
    IndexSpoolSeries(partial);
    engine.Workspaces(0).BeginTrans();
    FillRows(*db);
    SealRows(*db, "CAB", 5);
    SealRows(*db, "DET", 6);
    SealRows(*db, "HCAB", 6);
    SealRows(*db, "HDET", 7);
    engine.Workspaces(0).CommitTrans();
    db->Close();
  }
  fs::rename(partial, l.Database);
}

}  // namespace

SampleLayout LayoutOf(std::string_view dir) {
  std::string root = fs::absolute(fs::path(dir)).lexically_normal().string();
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  SampleLayout l;
  l.Root = root;
  l.WindowsFolder = root + "/WINDOWS";
  l.ProgramFolder = root + "/KR";
  l.Settings = l.WindowsFolder + "/KR000.INI";
  l.Workgroup = l.ProgramFolder + "/KR000.MDW";
  l.Database = l.ProgramFolder + "/KR000.DB";
  l.SendTables = l.ProgramFolder + "/TMP/env917.txt";
  l.HelpFile = l.ProgramFolder + "/0917/KR917";
  return l;
}

SampleLayout CreateSampleInstallation(std::string_view dir) {
  SampleLayout l = LayoutOf(dir);
  for (const char* sub : {"RPT", "TMP", "BMP", "ENV", "0917"}) MakeFolder(l.ProgramFolder + "/" + sub);
  MakeFolder(l.WindowsFolder);
  CreateSettings(l);
  CreateWorkgroup(l);
  CreateDatabase(l);
  std::string lines;
  for (std::string_view line : SendTableLines()) lines += std::string(line) + std::string(kCrLf);
  WriteIfMissing(l.SendTables, lines);
  std::string help = vb::Replace(HelpText(), "\n", kCrLf);
  WriteIfMissing(l.HelpFile, help);
  return l;
}

}  // namespace dexlora
