// On an office's database of many returns, every read the return form makes
// of one return (its load, its header, the save's key, its schedule rows,
// a sent return's rows) is answered by the tables' keys, not by reading
// them whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/NumeroOrden.h"
#include "platform/db/Quote.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/text/Strings.h"
#include "tests/return/DeclaracionFixture.h"
#include "tests/support/Oficina.h"
#include "tests/support/Planes.h"

namespace app::testing {
namespace {

using ::testing::IsEmpty;

constexpr char kInconsistente[] =
    "La información del formulario fue grabada con inconsistencias.\nEn estas condiciones no podrá ser enviado a "
    "VELTA.";

class EnOficina : public Declaracion {
 protected:
  void PonBase() override {
    ASSERT_FALSE(kr::testing::BaseOficina().empty()) << "the office's database could not be made";
    kr::testing::CopiaBaseOficina(Instalacion.Layout().Database);
  }
  std::vector<std::string> Completas(const kr::testing::Consultas& vistas) {
    return kr::testing::LecturasCompletas(Instalacion.Layout().Database, vistas.Textos(),
                                          {"CAB", "DET", "HCAB", "HDET", "F0917PATRIM", "HF0917PATRIM", "SPOOL"});
  }
};

TEST_F(EnOficina, ASavedReturnIsOpenedAndSavedByItsKeys) {
  const std::string ruc = kr::testing::RucOficina(kr::testing::kDeclaracionesOficina / 2);
  kr::testing::Consultas vistas(G().Motor);
  AbreGuardada(ruc, [&](Frm0917& f) {
    EXPECT_EQ(Filas("SELECT count(*) FROM TMPF0917PATRIM"), std::vector<std::string>{"4"});
    User.ExpectMsgBox(kInconsistente, forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    Cierra(f);
  });
  User.VerifyDone();
  EXPECT_GT(vistas.Veces("FROM \"DET\""), 0);
  EXPECT_THAT(Completas(vistas), IsEmpty());
  EXPECT_EQ(Filas("SELECT count(*) FROM F0917PATRIM WHERE Doc_id_d=" + dao::Quote(ruc)), std::vector<std::string>{"4"});
}

TEST_F(EnOficina, ASentReturnIsOpenedAndItsOrderNumberRecordedByItsKeys) {
  Compartidas& g = G();
  const std::string ruc = kr::testing::RucOficina(kr::testing::kDeclaracionesOficina / 2);
  g.Modo = 2;
  g.ModoRegistro = true;
  g.RucDeclarante = ruc;
  g.Periodo = "2002";
  g.Correlativo = "001";
  g.NumeroControl = "12345678";
  kr::testing::Consultas vistas(g.Motor);
  Abre([&](Frm0917& f) {
    EXPECT_EQ(Filas("SELECT count(*) FROM TMPF0917PATRIM"), std::vector<std::string>{"2"});
    User.Focus(f.txtOrden);
    EXPECT_TRUE(forms::Input::Select(f.txtOrden, 0, vb::Len(f.txtOrden.Text())));
    User.Type("00001234");
    f.txtVerifica.SetText(common::VerificadorOrden(g.NumeroControl, "00001234"));
    User.ExpectMsgBox("El número de orden y el digito verificador fueron grabados satisfactoriamente.", forms::vbOK);
    User.Click(f.Cmdgeneral(1));
    User.Click(f.Cmdgeneral(2));
  });
  User.VerifyDone();
  EXPECT_GT(vistas.Veces("FROM \"HDET\""), 0);
  EXPECT_THAT(Completas(vistas), IsEmpty());
  EXPECT_EQ(Filas("SELECT norden FROM HCAB WHERE Doc_id_d=" + dao::Quote(ruc)), std::vector<std::string>{"00001234"});
}

}  // namespace
}  // namespace app::testing
