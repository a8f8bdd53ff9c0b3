// PARAM descriptions, the lists filled from them, and choosing an item by its code.
#include <gtest/gtest.h>

#include "app/servicios/ListasParametros.h"
#include "platform/text/Strings.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

class ListasParametros : public Servicios {
 protected:
  ListasParametros() {
    Run({"INSERT INTO PARAM VALUES ('884','010101','CUENTA DE AHORROS','')",
         "INSERT INTO PARAM VALUES ('884','010102','CUENTA CORRIENTE','')",
         "INSERT INTO PARAM VALUES ('884','010103','               DEPOSITO A PLAZO','')",
         "INSERT INTO PARAM VALUES ('884','020101','INMUEBLES','')",
         "INSERT INTO PARAM VALUES ('979','01','ZOOTECNISTA','')", "INSERT INTO PARAM VALUES ('979','02','ABOGADO','')",
         "INSERT INTO PARAM VALUES ('883','002','DOLAR - EE.UU.','002')",
         "INSERT INTO PARAM VALUES ('883','001','NUEVO SOL - PERU','001')"});
  }
};

TEST_F(ListasParametros, DescripcionParamGivesTheSliceAsStored) {
  EXPECT_EQ(DescripcionParam("004", "02", 36, 1), vb::Left("BANCO ANDINO DE CREDITO" + std::string(36, ' '), 36));
  EXPECT_EQ(DescripcionParam("004", "02", 12, 38), "B. ANDINO   ");
  EXPECT_EQ(DescripcionParam("884", "010101", 22, 1), "CUENTA DE AHORROS");
  EXPECT_EQ(DescripcionParam("884", "010199", 60, 1), "");
  EXPECT_EQ(DescripcionParam("004", "02' OR '1'='1", 36, 1), "");  // a stored code with a quote is one value
}

TEST_F(ListasParametros, EachFillerPutsTheCodeWhereItsReadersLook) {
  frmLista& f = Lista();
  f.cboLista.AddItem("de antes");
  LlenaComboParam(f.cboLista, "979", "*", 60, 1);
  EXPECT_EQ(Items(f.cboLista),
            (std::vector<std::string>{"de antes", "", "02     ABOGADO", "01     ZOOTECNISTA"}));  // by description

  f.cboLista.Clear();
  LlenaComboCodDesc(f.cboLista, "883", "*", 40, 1);
  EXPECT_EQ(Items(f.cboLista), (std::vector<std::string>{"001 - NUEVO SOL - PERU", "002 - DOLAR - EE.UU."}));

  f.cboLista.Clear();
  LlenaComboCodigo(f.cboLista, "884", "0101*", 80, 1);
  const std::vector<std::string> items = Items(f.cboLista);
  ASSERT_EQ(items.size(), 3u);
  const char* codigos[] = {"010101", "010102", "010103"};
  const char* descripciones[] = {"CUENTA DE AHORROS", "CUENTA CORRIENTE", ""};  // a slice blank for 15 is empty
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i], descripciones[i] + std::string(84, ' ') + codigos[i]);
    EXPECT_EQ(vb::Right(items[i], 2), vb::Right(codigos[i], 2));  // the movement type
    EXPECT_EQ(vb::Trim(vb::Right(items[i], 6)), codigos[i]);      // the whole code
  }
}

TEST_F(ListasParametros, AGroupWithoutRows) {
  frmLista& f = Lista();
  LlenaComboParam(f.cboLista, "777", "*", 60, 1);
  EXPECT_EQ(Items(f.cboLista), std::vector<std::string>{""});
  LlenaComboCodigo(f.cboLista, "777", "*", 80, 1);
  LlenaComboCodDesc(f.cboLista, "777", "*", 40, 1);
  EXPECT_EQ(f.cboLista.ListCount(), 1);
}

TEST_F(ListasParametros, SeleccionaComboMovesItemByItemToTheCode) {
  struct Case {
    const char* Codigo;
    int Antes;
    std::vector<int> Clicks;
  };
  const Case cases[] = {
      {"01", -1, {0, 1, 2}}, {" 01 ", -1, {0, 1, 2}},
      {"06", 3, {0, 1}},     {"09", -1, {0, 1, 2, 3}},  // no item has it: the last stays selected
      {"", 2, {0}},                                     // the blank item
  };
  frmLista& f = Lista();
  for (const char* item : {"     ", "06  -  REG. UNICO", "01  -  DOC. NACIONAL", "04  -  CARNET"}) {
    f.cboLista.AddItem(item);
  }
  for (const Case& c : cases) {
    f.cboLista.SetListIndex(c.Antes);
    f.Clicks.clear();
    SeleccionaCombo(f.cboLista, c.Codigo, 2);
    EXPECT_EQ(f.Clicks, c.Clicks) << c.Codigo;
    EXPECT_EQ(f.cboLista.ListIndex(), c.Clicks.back()) << c.Codigo;
  }

  f.cboLista.Clear();
  f.Clicks.clear();
  SeleccionaCombo(f.cboLista, "06", 2);
  EXPECT_EQ(f.cboLista.ListIndex(), -1);
  EXPECT_TRUE(f.Clicks.empty());
}

TEST_F(ListasParametros, DatabaseErrorsReachTheCaller) {
  Run({"DROP TABLE PARAM"});
  frmLista& f = Lista();
  EXPECT_EQ(ErrorNumberOf([&] { LlenaComboCodigo(f.cboLista, "884", "*", 80, 1); }), 3078);
  EXPECT_EQ(ErrorNumberOf([] { DescripcionParam("004", "02", 36, 1); }), 3078);
}

}  // namespace
}  // namespace app::testing
