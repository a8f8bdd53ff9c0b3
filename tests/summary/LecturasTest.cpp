// On an office's database of many returns, 0917SND reads the return it
// summarises, its taxpayer and the spool's numbers by the tables' keys, not
// by reading them whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "summary/Compartidas.h"
#include "tests/summary/ResumenFixture.h"
#include "tests/support/Oficina.h"
#include "tests/support/Planes.h"

namespace kr::testing {
namespace {

using ::testing::IsEmpty;

TEST_F(Resumen, OnAnOfficesDatabaseItReadsOneReturnByItsKeys) {
  ASSERT_FALSE(BaseOficina().empty()) << "the office's database could not be made";
  CopiaBaseOficina(Muestra.Layout().Database);
  const std::string ruc = RucOficina(kDeclaracionesOficina / 2);
  const std::string linea = "  " + ruc + Sp(15 - static_cast<int>(ruc.size())) + "0917200200012345678";
  Consultas vistas(summary::G().Motor);
  ASSERT_EQ(Corre(linea), 0);
  EXPECT_GT(vistas.Veces("FROM \"DET\""), 0);
  EXPECT_GT(vistas.Veces("FROM \"SPOOL\""), 0);
  EXPECT_THAT(LecturasCompletas(Muestra.Layout().Database, vistas.Textos(), {"CAB", "DET", "CONT", "SPOOL"}),
              IsEmpty());
  EXPECT_NE(Lee("TMP/0917200200012345678.txt").find(ruc), std::string::npos);
}

}  // namespace
}  // namespace kr::testing
