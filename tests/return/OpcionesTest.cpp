// The schedule answers, the rectification reminder, and a box change while
// nothing computes yet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/JetError.h"
#include "platform/forms/Constants.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

using forms::MessageBox;

const MessageBox kRecuerde{
    "Recuerde que debe consignar información en todas las casillas inclusive aquellas que no está rectificando.",
    forms::vbExclamation, std::string(kTituloFrm0917)};

using Opciones = Declaracion;

TEST_F(Opciones, ALoadedRectificationGivesNoReminderTheUsersYesDoes) {
  Guarda(kGarcia, {{"871", "1"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    EXPECT_TRUE(f.OptRectifica(1).Value());
    EXPECT_TRUE(User.Messages().empty());
    User.Click(f.OptRectifica(0));
    EXPECT_TRUE(f.FormularioModificado);
    EXPECT_TRUE(User.Messages().empty());
    User.ExpectMsgBox(kRecuerde, forms::vbOK);
    User.Click(f.OptRectifica(1));
    EXPECT_EQ(User.Messages().size(), 1u);
    Cierra(f);
  });
}

TEST_F(Opciones, NoToAScheduleEmptiesItsKindAndYesOpensItsButtonsAgain) {
  GuardaAnexo(kGarcia, "01", "001");
  GuardaAnexo(kGarcia, "02", "001");
  GuardaAnexo(kGarcia, "02", "002");
  Guarda(kGarcia, {{"896", "1"}, {"897", "1"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(f.CmdEgresos(i).Enabled()) << i;
    f.OptEgresos(0).SetValue(true);
    EXPECT_EQ(Trabajo(), std::vector<std::string>{"01|01|01|001|CUENTA"});
    EXPECT_TRUE(f.FormularioModificado);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(f.CmdEgresos(i).Enabled()) << i;
    f.OptEgresos(1).SetValue(true);
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(f.CmdEgresos(i).Enabled()) << i;
    EXPECT_EQ(Trabajo().size(), 1u);  // what No deleted stays deleted
    EXPECT_TRUE(f.CmdCtasBancarias(1).Enabled());
    Cierra(f);
  });
}

TEST_F(Opciones, AFailedDeleteIsToldAndTheReturnIsNotTakenForChanged) {
  Guarda(kGarcia, {{"898", "1"}});
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Ejecuta({"DROP TABLE TMPF0917PATRIM", "DROP TABLE TMPF0917PATRIM"});  // the private copy and the file's
    User.ExpectMsgBox({"Error : 3078 Descripción : " + dao::JetErrorText(dao::ErrNoSuchTable, {"TMPF0917PATRIM"}) +
                           " ",
                       forms::vbInformation, "Error"},
                      forms::vbOK);
    f.OptIngresos(0).SetValue(true);
    EXPECT_FALSE(f.FormularioModificado);
    EXPECT_FALSE(f.CmdIngresos(1).Enabled());
    Cierra(f);
  });
}

TEST_F(Opciones, TypingInABoxMarksTheReturnChangedAndRecomputesIt) {
  AbreNueva([&](Frm0917& f) {
    User.SelectTab(f.tab0584, 1);
    User.Type(f.txtvalor(100), "1000");
    EXPECT_EQ(f.txtvalor(100).Text(), "1000");
    EXPECT_TRUE(f.FormularioModificado);
    EXPECT_EQ(f.txtvalor(501).Text(), "1,000");
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
