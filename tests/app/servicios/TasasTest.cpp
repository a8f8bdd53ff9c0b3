// The UIT and the rates of the tax year, with the text comparisons of periods.
#include <gtest/gtest.h>

#include "app/servicios/Tasas.h"
#include "tests/app/servicios/ServiciosFixture.h"

namespace app::testing {
namespace {

using kr::testing::ErrorNumberOf;

class Tasas : public Servicios {};

TEST_F(Tasas, ARateHoldsForTheTaxYearOnlyFromAMonthBeforeIt) {
  struct Case {
    const char* Why;
    std::vector<const char*> Rows;  // Argumento|Funcion of group 998
    const char* Codigo;
    const char* Tasa;
  };
  const std::vector<Case> cases = {
      {"only months of 2002", {"999901 200201| 0.15", "999901 200212| 0.16"}, "999901", ""},
      {"the latest month up to 2001", {"999902 200001| 18", "999902 200112| 19", "999902 200207| 20"}, "999902", "19"},
      {"stored as 18.00 after a blank", {"999903 200001| 18.00"}, "999903", "18"},
      {"surrounded by blanks", {"999904 199912|  0.170"}, "999904", "0.17"},
      {"no row of the code", {}, "999905", ""},
      {"the sample's limit factor, from December 2001", {}, "050802", "0.1"},
  };
  for (const Case& c : cases) {
    for (std::string_view row : c.Rows) {
      const std::size_t bar = row.find('|');
      Run({"INSERT INTO PARAM VALUES ('998','" + std::string(row.substr(0, bar)) + "','" +
           std::string(row.substr(bar + 1)) + "','')"});
    }
    EXPECT_EQ(LeeTasa(c.Codigo), c.Tasa) << c.Why;
  }
}

TEST_F(Tasas, TheUitOfTheLatestDateUpToTheTaxYear) {
  struct Case {
    const char* Why;
    std::vector<std::string_view> Statements;
    const char* Uit;
  };
  const std::vector<Case> cases = {
      {"the sample: 2002's and not 2003's",
       {"UPDATE PARAM SET Funcion='9999' WHERE Numero='404' AND Argumento='20030101'"},
       "3100"},
      {"31 December 2002 still counts, and is the latest of its year",
       {"INSERT INTO PARAM VALUES ('404','20021231',' 3200 ','')"},
       "3200"},
      {"1 January 2003 does not", {"INSERT INTO PARAM VALUES ('404','20030102','3300','')"}, "3200"},
      {"no row up to 2002", {"DELETE FROM PARAM WHERE Numero='404' AND Argumento<'20030101'"}, ""},
  };
  for (const Case& c : cases) {
    for (std::string_view sql : c.Statements) Run({sql});
    EXPECT_EQ(LeeUit(), c.Uit) << c.Why;
  }
}

TEST_F(Tasas, CargaTasasSetsTheFiveRatesAndTheUit) {
  CargaTasas();
  EXPECT_EQ(G().Tasa020702, "0.1");  // its 2002 rate is never read
  EXPECT_EQ(G().Tasa020704, "0.2");
  EXPECT_EQ(G().Tasa020301, "0.3");
  EXPECT_EQ(G().Tasa020201, "0.17");
  EXPECT_EQ(G().Tasa020501, "0.1");
  EXPECT_EQ(G().Uit, "3100");
}

TEST_F(Tasas, DatabaseErrorsReachTheCaller) {
  Run({"DROP TABLE PARAM"});
  EXPECT_EQ(ErrorNumberOf([] { LeeTasa("050802"); }), 3078);
  EXPECT_EQ(ErrorNumberOf([] { CargaTasas(); }), 3078);
}

}  // namespace
}  // namespace app::testing
