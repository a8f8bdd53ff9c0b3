// The sent-returns window: the list per user, the key handed to the return
// form for registering an order number, the list read again when the window
// comes back, and the registration mode it leaves however it closes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/ventanas/frmAbrirEnv.h"
#include "platform/db/JetError.h"
#include "tests/app/listas/ListasFixture.h"

namespace app::testing {
namespace {

const char* const kGarcia1 = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|        |15/03/2003|40721385|001|0| ";
const char* const kGarcia2 = "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|        |28/03/2003|40722190|002|1| ";
const char* const kQuispe1 = "10401234565|QUISPE MAMANI ROSA ELENA|2002|0917|        |21/03/2003|40721999|001|0| ";
const char* const kVargas1 = "10023456783|VARGAS HUAMAN JORGE ENRIQUE|2002|0917|        |20/03/2003|40721877|001|0| ";

class AbrirEnv : public Listas {
 protected:
  /// Chooses Registrar número de orden and runs `paso` in the list window.
  void Abre(std::function<void(frmAbrirEnv&)> paso) {
    User.ExpectModal<frmAbrirEnv>(std::move(paso));
    User.ChooseMenu(Principal().mnuRegistrar);
  }
};

TEST_F(AbrirEnv, ShowsItsTextsAndColumns) {
  Abre([&](frmAbrirEnv& f) {
    EXPECT_EQ(f.Caption(), "Registrar número de orden");
    EXPECT_EQ(f.Frame1.Caption(), "Declaraciones Enviadas");
    EXPECT_EQ(f.Label1.Caption(),
              "Seleccione la Declaración en la que  desea registrar el numero de orden asignado por VELTA :");
    EXPECT_EQ(f.CmdOpciones(0).Caption(), "&Registrar");
    EXPECT_EQ(f.CmdOpciones(1).Caption(), "&Salir");
    EXPECT_EQ(f.Width(), 9195);
    EXPECT_EQ(f.Height(), 4530);
    std::vector<std::string> columnas;
    for (int c = 0; c < f.grdContrib.ColumnCount(); ++c) {
      const forms::GridColumn& col = f.grdContrib.Columns(c);
      std::string items;
      for (const forms::ValueItem& v : col.ValueItems()) items += " " + v.Value + "='" + v.DisplayValue + "'";
      columnas.push_back(col.Caption() + "|" + col.DataField() + "|" + col.NumberFormat() +
                         (col.Visible() ? "" : "|hidden") + items);
    }
    EXPECT_EQ(columnas, (std::vector<std::string>{"RUC|doc_id_d|", "Razón Social|Nombre|", "Ejercicio|Periodof|####",
                                                  "Formulario|Formulario|", "N. Orden|norden|",
                                                  "Fecha Env.|fec_env|dd/mm/yyyy", "Control|Control|", "Correl|Correl|",
                                                  "Rectifica|rectifica|", "Semana|Semana| 0=' '"}));
    User.Click(f.CmdOpciones(1));
  });
}

TEST_F(AbrirEnv, ListsTheUsersSentReturnsWhateverTheirEstado) {
  struct Caso {
    const char* Tipo;
    std::vector<std::string> Filas;
  };
  for (const Caso& c :
       {Caso{"1", {kGarcia1, kGarcia2, kQuispe1}}, Caso{"0", {kVargas1, kGarcia1, kGarcia2, kQuispe1}}}) {
    SCOPED_TRACE(c.Tipo);
    TipoDeUsuario(c.Tipo);
    Abre([&](frmAbrirEnv& f) {
      EXPECT_EQ(Vista(f.grdContrib), c.Filas);
      EXPECT_EQ(f.grdContrib.Row(), 0);
      User.Click(f.CmdOpciones(1));
    });
  }
}

TEST_F(AbrirEnv, RegistrarHandsTheChosenSentReturnToTheReturnForm) {
  RegistraFormulario();
  G().Semana = 5;
  Abre([&](frmAbrirEnv& f) {
    G().OrdenModificado = true;
    User.ChooseRow(f.grdContrib, 1);
    User.Click(f.CmdOpciones(0));
    ASSERT_EQ(Entregas.size(), 1u);
    const Entrega& e = Entregas[0];
    EXPECT_EQ(e.RucDeclarante, "10076543211");
    EXPECT_EQ(e.NombreDeclarante, "GARCIA PEREZ JUAN CARLOS");
    EXPECT_EQ(e.Periodo, "2002");
    EXPECT_EQ(e.Correlativo, "002");
    EXPECT_EQ(e.NumeroControl, "40722190");
    EXPECT_EQ(e.NumeroOrden, "        ");  // as shown, blanks and all
    EXPECT_EQ(e.Semana, 5);                // not the window's to change
    EXPECT_EQ(e.Modo, 2);
    EXPECT_TRUE(e.ModoRegistro);
    EXPECT_FALSE(e.OrdenModificado);
    // The window stays for the next return, still registering.
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(G().ModoRegistro);
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
    User.Click(f.CmdOpciones(1));
  });
  EXPECT_FALSE(G().ModoRegistro);
}

TEST_F(AbrirEnv, ARecordedNumberShowsAndTheChosenRowIsCurrentAgain) {
  RegistraFormularioModal();
  Abre([&](frmAbrirEnv& f) {
    User.ExpectModal("Frm0917", [&](forms::Form& formulario) {
      Ejecuta({"UPDATE HCAB SET norden='12345678' WHERE Doc_id_d='10076543211' AND correl='002'"});
      forms::Unload(formulario);
    });
    User.ChooseRow(f.grdContrib, 1);
    User.DblClick(f.grdContrib);
    EXPECT_EQ(Vista(f.grdContrib)[1],
              "10076543211|GARCIA PEREZ JUAN CARLOS|2002|0917|12345678|28/03/2003|40722190|002|1| ");
    EXPECT_EQ(f.grdContrib.Row(), 1);
    User.Click(f.CmdOpciones(1));
  });
}

TEST_F(AbrirEnv, HoweverItClosesItLeavesNoRegistrationPending) {
  const std::vector<std::function<void(frmAbrirEnv&)>> cierres = {
      [&](frmAbrirEnv& f) { User.Click(f.CmdOpciones(1)); },
      [&](frmAbrirEnv& f) { User.Close(f); },
  };
  for (const auto& cierra : cierres) {
    Abre([&](frmAbrirEnv& f) {
      EXPECT_TRUE(G().ModoRegistro);
      G().OrdenModificado = true;
      cierra(f);
    });
    EXPECT_FALSE(G().ModoRegistro);
    EXPECT_FALSE(G().OrdenModificado);
    EXPECT_FALSE(Aplicacion.HasInstance<frmAbrirEnv>());
  }
}

TEST_F(AbrirEnv, AnEmptyListDisablesTheGridAndRegistrarOnlyCopiesTheEmptyRow) {
  Ejecuta({"DELETE * FROM HCAB"});
  RegistraFormulario();
  G().Correlativo = "001";
  Abre([&](frmAbrirEnv& f) {
    EXPECT_FALSE(f.grdContrib.Enabled());
    User.Click(f.CmdOpciones(0));
    EXPECT_EQ(G().RucDeclarante, "");
    EXPECT_EQ(G().Correlativo, "");
    EXPECT_TRUE(f.Visible());
    User.Click(f.CmdOpciones(1));
  });
  EXPECT_TRUE(Entregas.empty());
}

TEST_F(AbrirEnv, AMoveToAnotherRowShowsItInTheStatusBar) {
  BarradeEstadoQBX& barra = Principal().BarradeEstadoQBX1;
  barra.Setnumdoc("antes");
  G().Periodo = "1999";
  Abre([&](frmAbrirEnv& f) {
    EXPECT_EQ(barra.numdoc(), "antes");  // not on activation
    User.ChooseRow(f.grdContrib, 2);
    EXPECT_EQ(barra.numdoc(), "10401234565");
    EXPECT_EQ(barra.razonsocial(), "QUISPE MAMANI ROSA ELENA");
    EXPECT_EQ(barra.formulario(), "0917");
    EXPECT_EQ(barra.periodo_ejercicio(), "1999");
    User.Click(f.CmdOpciones(1));
  });
  EXPECT_EQ(barra.numdoc(), "10401234565");  // nor emptied on closing
}

TEST_F(AbrirEnv, AFailureWhenItComesBackIsToldAndTheWindowStays) {
  RegistraFormularioModal();
  Abre([&](frmAbrirEnv& f) {
    User.ExpectModal("Frm0917", [&](forms::Form& formulario) {
      Ejecuta({"DROP TABLE HCAB"});
      User.ExpectMsgBox({dao::JetErrorText(dao::ErrNoSuchTable, {"HCAB"}) + "\n 3078", forms::vbOKOnly, "Error"},
                        forms::vbOK);
      forms::Unload(formulario);
    });
    User.Click(f.CmdOpciones(0));
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.grdContrib.Row(), 0);
    User.Click(f.CmdOpciones(1));
  });
}

}  // namespace
}  // namespace app::testing
