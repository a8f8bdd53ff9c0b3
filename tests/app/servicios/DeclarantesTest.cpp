// The user's type and the declarant list: who sees which taxpayers, and the item layout.
#include <gtest/gtest.h>

#include "app/servicios/Declarantes.h"
#include "app/servicios/TipoUsuario.h"
#include "platform/text/Strings.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

class Declarantes : public Servicios {
 protected:
  /// The document numbers of the list's items (their first 13 characters, trimmed).
  std::vector<std::string> Documentos() {
    std::vector<std::string> docs;
    for (const std::string& item : Items(Lista().cboLista)) docs.push_back(vb::Trim(vb::Left(item, 13)));
    return docs;
  }
};

const std::vector<std::string> kDeAsesor1 = {"10065432108", "10076543211", "10087654325", "10098765439",
                                             "10401234565", "10412345679", "10433221104", "10455667785"};
const std::vector<std::string> kDeTodos = {"10023456783", "10034567897", "10065432108", "10076543211",
                                           "10087654325", "10098765439", "10401234565", "10412345679",
                                           "10433221104", "10444556671", "10455667785", "10477889901"};

TEST_F(Declarantes, WhoSeesWhichTaxpayers) {
  Run({"INSERT INTO CLAVES VALUES ('D''ANGELO','1','D''ANGELO')",
       "INSERT INTO CONT VALUES (6,'10488888881','D''ANGELO RUIZ ANA','AV. SOL 1','D''ANGELO','RUIZ','ANA',Null,"
       "'D''ANGELO',2)"});
  struct Case {
    const char* Usuario;
    const char* Tipo;
    std::string Sql;
    std::vector<std::string> Documentos;
  };
  std::vector<std::string> todos = kDeTodos;
  todos.push_back("10488888881");
  const std::string base = " SELECT * FROM CONT  WHERE Tip_doc_d=6  AND len(trim(Doc_id_d))=11  AND Tipo_Ingreso=2 ";
  const Case cases[] = {
      {"ASESOR1", "1", base + " AND Usuario ='ASESOR1' Order by Tip_doc_d, doc_id_d ", kDeAsesor1},
      {"SUPERV", "0", base + " ORDER BY Tip_doc_d, doc_id_d ", todos},
      {"NUEVO", "1", base + " AND Usuario ='NUEVO' Order by Tip_doc_d, doc_id_d ", {}},  // no CLAVES row
      {"D'ANGELO", "1", base + " AND Usuario ='D''ANGELO' Order by Tip_doc_d, doc_id_d ", {"10488888881"}},
      // A crafted name is one value: it neither makes the user type "0" nor lifts the filter.
      {"X' OR Tipo='0", "1", base + " AND Usuario ='X'' OR Tipo=''0' Order by Tip_doc_d, doc_id_d ", {}},
      {"X' OR '1'='1", "1", base + " AND Usuario ='X'' OR ''1''=''1' Order by Tip_doc_d, doc_id_d ", {}},
  };
  for (const Case& c : cases) {
    G().UsuarioSistema = c.Usuario;
    Lista().cboLista.Clear();
    EXPECT_EQ(TipoUsuario(), c.Tipo) << c.Usuario;
    AbreDeclarantes(Lista().cboLista);
    EXPECT_EQ(G().CadenaSQL, c.Sql) << c.Usuario;
    EXPECT_EQ(Documentos(), c.Documentos) << c.Usuario;
  }
}

TEST_F(Declarantes, ItemsHoldTheNumberTheNameAndThePartLengths) {
  AbreDeclarantes(Lista().cboLista);
  const std::vector<std::string> items = Items(Lista().cboLista);
  ASSERT_EQ(items.size(), kDeAsesor1.size());
  EXPECT_FALSE(G().RsConsulta);  // released after the rows
  EXPECT_EQ(items[1], "10076543211  GARCIA PEREZ JUAN" + std::string(10, ' ') + "060504");
  EXPECT_EQ(items[0], "10065432108  NUÑEZ CASTAÑEDA JOSÉ" + std::string(10, ' ') + "050904");  // characters, not bytes
  EXPECT_EQ(items[5], "10412345679  FLORES  CARMEN" + std::string(10, ' ') + "060006");  // a Null maternal surname
}

TEST_F(Declarantes, WithoutTheHostsRucRowAnyLengthIsListedInThirteenCharacters) {
  Run({"DELETE FROM PARAM WHERE Numero='044' AND Argumento='6'",
       "INSERT INTO CONT VALUES (6,'12345678','VEGA LUIS','AV. 1','VEGA','ROJAS','LUIS',Null,'ASESOR1',2)",
       "INSERT INTO CONT VALUES (6,' 1234567890123','PAZ EVA','AV. 2','PAZ','SOL','EVA',Null,'ASESOR1',2)"});
  EXPECT_EQ(SqlDeclarantes("0917"),
            " SELECT * FROM CONT  WHERE Tip_doc_d=6  AND Tipo_Ingreso=2  AND Usuario ='ASESOR1' Order by Tip_doc_d, "
            "doc_id_d ");
  AbreDeclarantes(Lista().cboLista);
  const std::vector<std::string> items = Items(Lista().cboLista);
  ASSERT_EQ(items.size(), kDeAsesor1.size() + 2);
  EXPECT_EQ(items.front(), "12345678901  PAZ SOL EVA" + std::string(10, ' ') + "030303");  // cut to 11
  EXPECT_EQ(items.back(), "12345678     VEGA ROJAS LUIS" + std::string(10, ' ') + "040504");
}

TEST_F(Declarantes, AnotherFormHasNoKindOfTaxpayerCondition) {
  EXPECT_EQ(SqlDeclarantes("0915"),
            " SELECT * FROM CONT  WHERE Tip_doc_d=6  AND len(trim(Doc_id_d))=11  AND Usuario ='ASESOR1' Order by "
            "Tip_doc_d, doc_id_d ");
}

TEST_F(Declarantes, NoDeclarantLeavesTheListAsItWas) {
  G().UsuarioSistema = "NUEVO";
  Lista().cboLista.AddItem("de antes");
  AbreDeclarantes(Lista().cboLista);
  EXPECT_EQ(Items(Lista().cboLista), std::vector<std::string>{"de antes"});
  ASSERT_TRUE(G().RsConsulta);  // open until its next use
  EXPECT_TRUE(G().RsConsulta->EOF_());
}

TEST_F(Declarantes, DatabaseErrorsReachTheCaller) {
  Run({"DROP TABLE CLAVES"});
  EXPECT_EQ(ErrorNumberOf([] { TipoUsuario(); }), 3078);
  EXPECT_EQ(ErrorNumberOf([this] { AbreDeclarantes(Lista().cboLista); }), 3078);
}

}  // namespace
}  // namespace app::testing
