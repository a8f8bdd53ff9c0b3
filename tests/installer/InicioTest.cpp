// The installer's start, its database connection and whole runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "common/CuentaTrabajo.h"
#include "installer/Compartidas.h"
#include "installer/EjecutaSQL.h"
#include "platform/db/JetError.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Constants.h"
#include "platform/profile/Profile.h"
#include "tests/installer/InstaladorFixture.h"

namespace kr::testing {
namespace {

const forms::MessageBox kSinSysPath{"Debe instalar primero el QBX ", forms::vbInformation, "Mensaje"};

// Every table of the database with its columns and its rows, to compare two states.
std::vector<std::string> Estado(dao::Database& db) {
  std::vector<std::string> estado;
  for (int t = 0; t < db.TableDefs().Count(); ++t) {
    auto tabla = db.TableDefs(t);
    std::string linea = tabla->Name() + ":";
    for (int f = 0; f < tabla->Fields().Count(); ++f) {
      dao::FieldDef& campo = tabla->Fields(f);
      linea += " " + campo.Name() + "/" + std::to_string(campo.Type()) + "/" + std::to_string(campo.Size()) +
               (campo.AllowZeroLength() ? "/z" : "");
    }
    estado.push_back(linea);
    for (const auto& fila : LeeFilas(db, "SELECT * FROM [" + tabla->Name() + "]")) {
      std::string texto = "  ";
      for (const std::string& valor : fila) texto += valor + "|";
      estado.push_back(texto);
    }
  }
  return estado;
}

bool HayTabla(dao::Database& db, const char* nombre) {
  return ErrorNumberOf([&] { db.TableDefs(nombre); }) == 0;
}

// --- SysPath ---

struct CasoSinSysPath {
  const char* Nombre;
  void (*Prepara)(const dexlora::SampleLayout&);
  friend void PrintTo(const CasoSinSysPath& c, std::ostream* os) { *os << c.Nombre; }
};

void SinArchivo(const dexlora::SampleLayout& l) { std::filesystem::remove(l.Settings); }
void SinClave(const dexlora::SampleLayout& l) {
  std::string texto = vb::ReadFileBytes(l.Settings);
  std::size_t desde = texto.find("SysPath=");
  ASSERT_NE(desde, std::string::npos);
  texto.erase(desde, texto.find('\n', desde) + 1 - desde);
  std::ofstream(l.Settings, std::ios::binary) << texto;
}
void Vacia(const dexlora::SampleLayout&) { win::WritePrivateProfileString("Options", "SysPath", "", "KR000.INI"); }
void Blancos(const dexlora::SampleLayout&) { win::WritePrivateProfileString("Options", "SysPath", "   ", "KR000.INI"); }

class SinSysPath : public Instalador, public ::testing::WithParamInterface<CasoSinSysPath> {};

TEST_P(SinSysPath, AsksToInstallTheHostFirstAndTouchesNothing) {
  GetParam().Prepara(Muestra.Layout());
  Usuario.ExpectMsgBox(kSinSysPath, forms::vbOK);
  EXPECT_EQ(Ejecuta(), installer::kSalidaSinBaseDatos);
  Usuario.VerifyDone();
  EXPECT_TRUE(Usuario.Ended());
  auto db = Abre();
  EXPECT_FALSE(HayTabla(*db, "F0917PATRIM"));
  EXPECT_TRUE(LeeFilas(*db, "SELECT * FROM envio_t").empty());
}

INSTANTIATE_TEST_SUITE_P(Instalador, SinSysPath,
                         ::testing::Values(CasoSinSysPath{"NoSettingsFile", SinArchivo},
                                           CasoSinSysPath{"NoSysPathKey", SinClave}, CasoSinSysPath{"Empty", Vacia},
                                           CasoSinSysPath{"Blanks", Blancos}),
                         [](const auto& caso) { return std::string(caso.param.Nombre); });

TEST_F(Instalador, SysPathWithTwoFinalBackslashesLosesOne) {
  Configura("SysPath", Muestra.SysPath() + "\\");
  EXPECT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  EXPECT_EQ(installer::G().RutaSistema, Muestra.SysPath());
  // The workgroup file is the folder, a backslash and its name: two in a row.
  EXPECT_EQ(installer::G().Motor.SystemDB(), Muestra.SysPath() + "\\KR000.MDW");
  EXPECT_EQ(installer::G().Motor.IniPath(), "KR000.INI");
  auto db = Abre();
  EXPECT_TRUE(HayTabla(*db, "TMPF0917PATRIM1"));
}

TEST_F(Instalador, SysPathWithoutFinalBackslashMissesTheDatabase) {
  std::string carpeta = Muestra.SysPath();
  carpeta.pop_back();
  Configura("SysPath", carpeta);
  Usuario.ExpectMsgBox(forms::MessageBox{dao::JetErrorText(dao::ErrFileNotFound, {carpeta + "KR000.DB"}) + "\n 3024",
                                         forms::vbOKOnly, "Error de Conección"},
                       forms::vbOK);
  EXPECT_EQ(Ejecuta(), installer::kSalidaSinBaseDatos);
  Usuario.VerifyDone();
  EXPECT_TRUE(Usuario.Ended());
}

// --- Damaged files ---

// The database file is empty: it is no database, and stays as it was.
TEST_F(Instalador, AnEmptyDatabaseFileIsToldAsNoDatabase) {
  std::filesystem::resize_file(Muestra.Layout().Database, 0);
  Usuario.ExpectMsgBox(
      forms::MessageBox{dao::JetErrorText(dao::ErrUnrecognizedFormat, {Muestra.SysPath() + "KR000.DB"}) + "\n 3343",
                        forms::vbOKOnly, "Error de Conección"},
      forms::vbOK);
  EXPECT_EQ(Ejecuta(), installer::kSalidaSinBaseDatos);
  Usuario.VerifyDone();
  EXPECT_EQ(std::filesystem::file_size(Muestra.Layout().Database), 0u);
}

// The workgroup file was cut short: the engine cannot start, the account is not to blame.
TEST_F(Instalador, ATruncatedWorkgroupFileIsToldAsOneThatCannotBeUsed) {
  std::filesystem::resize_file(Muestra.Layout().Workgroup, std::filesystem::file_size(Muestra.Layout().Workgroup) / 2);
  Usuario.ExpectMsgBox(
      forms::MessageBox{dao::JetErrorText(dao::ErrWorkgroupMissing) + "\n 3028", forms::vbOKOnly, "Error de Conección"},
      forms::vbOK);
  EXPECT_EQ(Ejecuta(), installer::kSalidaSinBaseDatos);
  Usuario.VerifyDone();
}

// --- Other programs ---

TEST_F(Instalador, DatabaseHeldExclusivelyByAnotherProgramGivesTheLockedBox) {
  const dexlora::SampleLayout& l = Muestra.Layout();
  dao::DBEngine suyo;
  std::shared_ptr<dao::Database> retenida;
  WithOtherProgram(
      [&] {
        common::CuentaTrabajo cuenta = common::CuentaGrupoTrabajo();
        suyo.SetSystemDB(l.Workgroup);
        suyo.SetDefaultUser(cuenta.Usuario);
        suyo.SetDefaultPassword(cuenta.Clave);
        retenida = suyo.Workspaces(0).OpenDatabase(l.Database, true);
      },
      [&] {
        installer::G().Motor.SetLockWaitMs(100);
        Usuario.ExpectMsgBox(
            forms::MessageBox{" 3051- Base de datos esta bloqueda", forms::vbOKOnly, "Error de Conección"},
            forms::vbOK);
        EXPECT_EQ(Ejecuta(), installer::kSalidaSinBaseDatos);
        Usuario.VerifyDone();
      });
}

TEST_F(Instalador, RunsWhileAnotherConnectionHoldsTheDatabaseShared) {
  auto db = Abre();
  auto rs = db->OpenRecordset("SELECT * FROM CONT", dao::dbOpenDynaset);
  EXPECT_EQ(Ejecuta(), 0);
  // Again, now that the work tables exist and are dropped.
  installer::ReiniciaCompartidas();
  EXPECT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  EXPECT_TRUE(HayTabla(*db, "F0917PATRIM"));
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM envio_t").size(), 4u);
  rs->Close();
}

// --- A second run ---

TEST_F(Instalador, SecondRunChangesNothingButTheWorkTablesAndItsOwnRows) {
  ASSERT_EQ(Ejecuta(), 0);
  std::vector<std::string> antes;
  {
    auto db = Abre();
    // Rows that the installer must leave alone.
    db->Execute(
        "INSERT INTO F0917PATRIM VALUES (6,'10076543211','2002','0917','01','01','01','001','','100','200','1',"
        "'123456')");
    db->Execute("INSERT INTO PARAM VALUES ('979','66','OTRA PROFESION','')");
    antes = Estado(*db);
    // What a second run must put back or clear.
    db->Execute("UPDATE PARAM SET Funcion='CAMBIADO A MANO' WHERE Numero='979' AND Argumento='01'");
    db->Execute("UPDATE PARAM SET Correl_Param='999' WHERE Numero='883' AND Argumento='002'");
    db->Execute("UPDATE envio_t SET tabla_d='OTRA', c_semana=9 WHERE tabla_o='CAB'");
    db->Execute("DELETE FROM reportes WHERE codrep='RP0006'");
    db->Execute("INSERT INTO TMPF0917PATRIM VALUES ('01','01','01','001','','','100','200','1')");
    db->Execute("INSERT INTO TMPF0917PATRIM1 VALUES ('01','01','01','001','','','','','100','200','1')");
  }
  installer::ReiniciaCompartidas();
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  EXPECT_EQ(Estado(*db), antes);
}

// --- The statement executor ---

struct CasoSentencia {
  const char* Nombre;
  const char* Sql;
  int Numero;     // the engine's error for the statement
  int Respuesta;  // the user's answer to the box
  int Estado;
  friend void PrintTo(const CasoSentencia& c, std::ostream* os) { *os << c.Nombre; }
};

class Sentencia : public Instalador, public ::testing::WithParamInterface<CasoSentencia> {};

TEST_P(Sentencia, FailureIsToldByItsNumberAndTheRunGoesOn) {
  const CasoSentencia& caso = GetParam();
  auto propia = Abre();
  std::string descripcion;
  EXPECT_EQ(ErrorNumberOf([&] {
              try {
                propia->Execute(caso.Sql);
              } catch (const vb::Error& e) {
                descripcion = e.Description();
                throw;
              }
            }),
            caso.Numero);
  std::vector<std::string> antes = Estado(*propia);
  if (caso.Numero == dao::ErrTableExists) {
    Usuario.ExpectMsgBox(forms::MessageBox{"\nLas tablas ya existen. Desea Sobreescribirlas?",
                                           forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2, "Mensaje"},
                         caso.Respuesta);
  } else if (caso.Numero != dao::ErrPrimaryKeyExists) {
    Usuario.ExpectMsgBox(forms::MessageBox{"Error Número : " + std::to_string(caso.Numero) + "\n" + descripcion,
                                           forms::vbCritical, "Error al Ejecutar Sentencia SQL"},
                         caso.Respuesta);
  }
  installer::G().BaseDatos = Abre();
  installer::EjecutaSQL(caso.Sql);
  Usuario.VerifyDone();
  EXPECT_EQ(installer::G().EstadoSalida, caso.Estado);
  EXPECT_EQ(Estado(*propia), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Instalador, Sentencia,
    ::testing::Values(CasoSentencia{"PrimaryKeyExists",
                                    "ALTER TABLE PARAM ADD CONSTRAINT PK_OTRA PRIMARY KEY ([Numero])",
                                    dao::ErrPrimaryKeyExists, 0, installer::kSalidaCorrecta},
                      CasoSentencia{"TableExistsAnsweredYes", "CREATE TABLE PARAM ([a] Byte)", dao::ErrTableExists,
                                    forms::vbYes, installer::kSalidaConFallas},
                      CasoSentencia{"TableExistsAnsweredNo", "CREATE TABLE PARAM ([a] Byte)", dao::ErrTableExists,
                                    forms::vbNo, installer::kSalidaConFallas},
                      CasoSentencia{"NoSuchTable", "Delete from NOHAY where codrep='RP0006'", dao::ErrNoSuchTable,
                                    forms::vbOK, installer::kSalidaConFallas}),
    [](const auto& caso) { return std::string(caso.param.Nombre); });

struct CasoSinTabla {
  const char* Tabla;
  const char* ComoLaNombra;  // as the failing statements write it
  int Cajas;
  long FilasParam;  // of the form's groups
  long FilasEnvio;
  friend void PrintTo(const CasoSinTabla& c, std::ostream* os) { *os << c.Tabla; }
};

class SinTablaDelHost : public Instalador, public ::testing::WithParamInterface<CasoSinTabla> {};

TEST_P(SinTablaDelHost, CostsOnlyItsOwnRows) {
  const CasoSinTabla& caso = GetParam();
  {
    auto db = Abre();
    db->Execute(std::string("DROP TABLE ") + caso.Tabla);
  }
  for (int i = 0; i < caso.Cajas; ++i) {
    Usuario.ExpectMsgBox(forms::MessageBox{"Error Número : 3078\n" + dao::JetErrorText(3078, {caso.ComoLaNombra}),
                                           forms::vbCritical, "Error al Ejecutar Sentencia SQL"},
                         forms::vbOK);
  }
  EXPECT_EQ(Ejecuta(), installer::kSalidaConFallas);
  Usuario.VerifyDone();
  auto db = Abre();
  EXPECT_TRUE(HayTabla(*db, "TMPF0917PATRIM"));
  auto cuenta = [&](const char* tabla, const char* sql) -> long {
    return HayTabla(*db, tabla) ? static_cast<long>(LeeFilas(*db, sql).size()) : 0;
  };
  EXPECT_EQ(cuenta("PARAM", "SELECT * FROM PARAM WHERE Numero IN ('992','996','979','883','884')"), caso.FilasParam);
  EXPECT_EQ(cuenta("envio_t", "SELECT * FROM envio_t"), caso.FilasEnvio);
}

INSTANTIATE_TEST_SUITE_P(Instalador, SinTablaDelHost,
                         ::testing::Values(CasoSinTabla{"reportes", "reportes", 4, 146, 4},
                                           CasoSinTabla{"PARAM", "Param", 1, 0, 4},
                                           CasoSinTabla{"envio_t", "envio_t", 1, 146, 0}),
                         [](const auto& caso) { return std::string(caso.param.Tabla); });

}  // namespace
}  // namespace kr::testing
