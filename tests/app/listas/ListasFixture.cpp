#include "tests/app/listas/ListasFixture.h"

#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Form.h"
#include "platform/text/Variant.h"
#include "tests/support/Filas.h"

namespace app::testing {
namespace {

struct Guardada {
  const char* Ruc;
  const char* Formulario;
  int Semana;
  int Estado;
};
constexpr Guardada kGuardadas[] = {
    {"10076543211", "0917", 0, 0}, {"10098765439", "0917", 2, 1}, {"10401234565", "0917", 0, 9},
    {"10023456783", "0917", 0, 0}, {"10076543211", "0916", 0, 0},
};

// The schedule rows of the sent returns, by RUC and Correl.
constexpr const char* kEnviadas[][2] = {{"10076543211", "001"}, {"10076543211", "002"}, {"10023456783", "001"}};

// The schedule tables as LUD917 creates them.
constexpr const char* kTablasPatrimonio[] = {
    "CREATE TABLE F0917PATRIM( [tip_doc_d] Byte, [doc_id_d] text(15),[periodo] Text(6),  [formulario] Text (4),  "
    "[tip_informacion] Text (2),  [tip_movimiento1] Text (2),  [tip_movimiento2] Text (2),  [ind_moneda] Text (3),  "
    "[des_movimiento2] Text (20),  [mto_01012002] Text (15),  [mto_31122002] Text (15),  [ctd_movimiento] Text (15), "
    " [cnumero] Text(6));",
    "ALTER TABLE F0917PATRIM ADD CONSTRAINT PK_F0917PATRIM  PRIMARY KEY ([tip_doc_d],[doc_id_d],[periodo],"
    "[Formulario],[tip_informacion],  [tip_movimiento1],[tip_movimiento2],[ind_moneda] )",
    "CREATE TABLE HF0917PATRIM( [tip_doc_d] Byte, [doc_id_d] text(15),[periodo] Text(6),  [formulario] Text (4),  "
    "[Correl] Text (3),  [tip_informacion] Text (2),  [tip_movimiento1] Text (2),  [tip_movimiento2] Text (2),  "
    "[ind_moneda] Text (3),  [des_movimiento2] Text (20),  [mto_01012002] Text (15),  [mto_31122002] Text (15),  "
    "[ctd_movimiento] Text (15),  [cnumero] Text(6));",
    "ALTER TABLE HF0917PATRIM ADD CONSTRAINT PK_HF0917PATRIM  PRIMARY KEY ([tip_doc_d],[doc_id_d],[periodo],"
    "[Formulario],[Correl],[tip_informacion],  [tip_movimiento1],[tip_movimiento2],[ind_moneda] )",
};

// A few professions as LUD917 loads them, and a "00" row the lookup leaves out.
constexpr const char* kProfesiones[] = {
    "INSERT INTO PARAM VALUES ('979','00','NINGUNA','')",
    "INSERT INTO PARAM VALUES ('979','01','ABOGADO','')",
    "INSERT INTO PARAM VALUES ('979','02','ACTOR,ARTISTA Y DIRECTOR DE ESPECTACULOS','')",
    "INSERT INTO PARAM VALUES ('979','17','CONTADOR','')",
};

std::string Clave(const std::string& ruc, const std::string& formulario) {
  return "6," + dao::Quote(ruc) + ",'2002'," + dao::Quote(formulario);
}

}  // namespace

void Listas::SetUp() {
  ASSERT_TRUE(Arranca());
  // One transaction: the rows are many, and each commit waits for the disk.
  dao::Workspace& espacio = G().Motor.Workspaces(0);
  espacio.BeginTrans();
  for (const char* sql : kTablasPatrimonio) G().BaseDatos->Execute(sql, dao::dbFailOnError);
  // The returns below are all there are: the sample's own saved ones go.
  Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
  for (const char* sql : kProfesiones) G().BaseDatos->Execute(sql, dao::dbFailOnError);
  for (const Guardada& r : kGuardadas) {
    const std::string clave = Clave(r.Ruc, r.Formulario);
    const std::string semana = std::to_string(r.Semana);
    Ejecuta({
        "INSERT INTO CAB VALUES (" + clave + "," + semana + ",'20/03/2003',' ',' ',' ',' ','0'," +
            std::to_string(r.Estado) + ",'000000')",
        "INSERT INTO DET VALUES (" + clave + "," + semana + ",'100','24000','01',0,'000000')",
        "INSERT INTO DET VALUES (" + clave + "," + semana + ",'113','19200','01',0,'000000')",
        "INSERT INTO F0917PATRIM VALUES (" + clave + ",'01','01','01','001','AHORROS','1000','2000','1','000000')",
    });
  }
  for (const auto& [ruc, correl] : kEnviadas) {
    Ejecuta({"INSERT INTO HF0917PATRIM VALUES (" + Clave(ruc, "0917") + "," + dao::Quote(correl) +
             ",'01','01','01','001','AHORROS','1000','2000','1','000000')"});
  }
  Ejecuta(
      {"INSERT INTO HCAB VALUES (6,'10401234565','2002','0917',0,'001','21/03/2003',' ',' ',' ',' ','0',0,"
       "#03/21/2003#,'        ','40721999','000000')"});
  espacio.CommitTrans();
}

void Listas::Ejecuta(std::initializer_list<std::string> sentencias) {
  for (const std::string& sql : sentencias) G().BaseDatos->Execute(sql, dao::dbFailOnError);
}

std::vector<std::string> Listas::Filas(const std::string& sql) { return kr::testing::Filas(*G().BaseDatos, sql); }

std::vector<std::string> Listas::Vista(const forms::DataGrid& grid) {
  std::vector<std::string> filas;
  for (long r = 0; r < grid.RowCount(); ++r) {
    std::string fila;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
      if (!grid.Columns(c).Visible()) continue;
      const std::string imagen = grid.CellPicture(r, c);
      fila += (fila.empty() ? "" : "|") + (imagen.empty() ? grid.CellText(r, c) : "[" + imagen + "]");
    }
    filas.push_back(fila);
  }
  return filas;
}

std::string Listas::Encabezados(const forms::DataGrid& grid) {
  std::string encabezados;
  for (int c = 0; c < grid.ColumnCount(); ++c) {
    if (grid.Columns(c).Visible()) encabezados += (encabezados.empty() ? "" : "|") + grid.Columns(c).Caption();
  }
  return encabezados;
}

void Listas::RegistraFormulario(std::function<void()> accion) {
  G().Ventanas.Register("Frm0917", [this, accion] {
    const Compartidas& g = G();
    Entregas.push_back({"Frm0917", g.RucDeclarante, g.NombreDeclarante, g.Periodo, g.Formulario, g.Semana,
                        g.Correlativo, g.NumeroOrden, g.NumeroControl, g.Modo, g.ModoRegistro, g.OrdenModificado});
    if (accion) accion();
  });
}

void Listas::RegistraFormularioModal() {
  G().Ventanas.Register("Frm0917", [] {
    forms::Form formulario("Frm0917");
    formulario.Show(forms::vbModal);
  });
}

void Listas::TipoDeUsuario(const std::string& tipo) {
  Ejecuta({"UPDATE CLAVES SET Tipo=" + dao::Quote(tipo) + " WHERE Usuario=" + dao::Quote(G().UsuarioSistema)});
}

}  // namespace app::testing
