// The schedule row window over the sample's PARAM groups 883 (currencies)
// and 884 (types): its layout per kind, its lists, a row loaded for a
// change, the checks, the rows it stores and the keys its fields take.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/ventanas/NombresVentanas.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "schedules/FrmAdicionalCab.h"
#include "schedules/FrmAdicionalDet.h"
#include "tests/return/DeclaracionFixture.h"

namespace app::testing {
namespace {

constexpr char kTitulo[] = "Información Adicional - Detalles";
constexpr char kGrabada[] = "La información fue grabada satisfactoriamente. ";

class Detalle : public Declaracion {
 protected:
  /// The row window of schedule `clave` in `modo`, opened by name as its
  /// list window (loaded) opens it; `paso` acts in it and must close it.
  void Abre(const std::string& clave, const std::string& fijo, const std::string& modo,
            std::function<void(FrmAdicionalDet&)> paso) {
    Compartidas& g = G();
    g.ClaveAdicional = clave;
    g.MovimientoFijo = fijo;
    g.Periodo = "2002";
    g.TituloAdicional = kTitulo;
    g.TituloMarcoAdicional = "Cuentas bancarias";
    g.AyudaAdicional = 917;
    forms::Load(forms::Default<FrmAdicionalCab>());
    g.ModoDetalle = modo;
    User.ExpectModal<FrmAdicionalDet>(std::move(paso));
    g.Ventanas.Open(ventana::kFrmAdicionalDet);
  }

  /// A work row of the open return: kind, subsection, type, currency and
  /// the three amounts.
  void Fila(const std::string& codigos, const std::string& moneda, const std::string& m1, const std::string& m2,
            const std::string& cantidad, const std::string& descripcion = "") {
    Ejecuta(
        {"INSERT INTO TMPF0917PATRIM (tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, "
         "des_movimiento2, des_moneda, mto_01012002, mto_31122002, ctd_movimiento) VALUES ('" +
         codigos.substr(0, 2) + "','" + codigos.substr(2, 2) + "','" + codigos.substr(4, 2) + "','" + moneda + "','" +
         descripcion + "',''," + m1 + "," + m2 + "," + cantidad + ")"});
  }

  /// The rows of the list window's work table.
  std::vector<std::string> Lista() {
    return Filas(
        "SELECT tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, des_informacion, des_movimiento2, "
        "des_moneda1, des_moneda2, mto_01012002, mto_31122002, ctd_movimiento FROM TMPF0917PATRIM1 ORDER BY 1, 2, 3, "
        "4");
  }

  /// The item of `lista` that ends (types) or starts (currencies) with `codigo`.
  static int Item(const forms::ListControl& lista, const std::string& codigo) {
    for (int i = 0; i < lista.ListCount(); ++i) {
      const std::string item = lista.List(i);
      if (item.size() >= codigo.size() &&
          (item.compare(item.size() - codigo.size(), codigo.size(), codigo) == 0 || item.rfind(codigo, 0) == 0)) {
        return i;
      }
    }
    return -1;
  }

  /// The user chooses a type and a currency by their codes.
  void Elige(FrmAdicionalDet& d, const std::string& tipo, const std::string& moneda) {
    if (!tipo.empty()) User.Choose(d.CboTipoMovimiento2, Item(d.CboTipoMovimiento2, tipo));
    if (!moneda.empty()) User.Choose(d.Lstmoneda, Item(d.Lstmoneda, moneda));
  }

  /// The user types `texto` into an empty `caja` and leaves it with Tab.
  void Escribe(forms::TextBox& caja, std::string_view texto) {
    User.Focus(caja);
    EXPECT_TRUE(forms::Input::Select(caja, 0, static_cast<long>(caja.Text().size())));
    if (caja.Text().empty() && texto.empty()) return User.Tab();
    if (texto.empty()) {
      User.Press(forms::vbKeyBack);
    } else {
      User.Type(texto);
    }
    User.Tab();
  }
};

TEST_F(Detalle, EachKindHasItsCaptionsFieldsAndGeometry) {
  struct Caso {
    const char* Clave;
    const char* Fijo;
    bool FilaTipo, Monto1, Monto2, EtiquetaMonto2;
    const char *Movimiento1, *Monto1Caption, *Monto2Caption, *Cantidad;
    long TopMoneda, TopMonto1, TopMonto2, TopCantidad;  // label tops
    long CampoCantidad;                                 // the count's top
    long Marco, Botones, Ventana;
  };
  const Caso casos[] = {
      {"0101*", "", true, false, true, true, "Tipo de cuenta", "Saldo al 01/01/2002", "Saldo al 31/12/2002",
       "Cantidad total de cuentas", 1080, 3120, 3120, 3840, 4080, 4695, 4920, 5855},
      {"0201*", "", true, true, false, true, "Tipo", "Importe total por tipo y moneda", " ", "Cantidad", 1080, 3120,
       3840, 3720, 3960, 4375, 4600, 5600},
      {"0203*", "", true, true, false, true, "Tipo de instrumento financiero", "Importe total por tipo y moneda", " ",
       "Cantidad total de compras", 1080, 3120, 3840, 3720, 3960, 4375, 4600, 5600},
      {"0301*", "01", false, true, false, false, "Tipo de cuenta", "Importe total por moneda", " ",
       "Cantidad total de ventas", 360, 2280, 3840, 2880, 3120, 3650, 3930, 4880},
      {"0401*", "01", false, true, true, true, "Tipo de cuenta", "Saldo de préstamos concedidos al 01/01/2002",
       "Saldo de préstamos concedidos al 31/12/2002", "Número de préstamos concedidos en el año 2002", 360, 2380, 3020,
       3620, 3820, 4290, 4530, 5420},
      {"0402*", "02", false, true, true, true, "Tipo de cuenta", "Saldo de préstamos recibidos al 01/01/2002",
       "Saldo de préstamos recibidos al 31/12/2002", "Número de préstamos recibidos el año 2002", 360, 2380, 3020, 3620,
       3820, 4290, 4530, 5420},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Clave);
    Abre(c.Clave, c.Fijo, "NUEVO", [&](FrmAdicionalDet& d) {
      EXPECT_EQ(d.Caption(), kTitulo);
      EXPECT_EQ(d.FrameDetalle.Caption(), "Cuentas bancarias");
      EXPECT_EQ(d.HelpContextID(), 917);
      EXPECT_EQ(d.LblMoneda.Caption(), "Moneda");
      EXPECT_EQ(d.CboTipoMovimiento2.Visible(), c.FilaTipo);
      EXPECT_EQ(d.LblMovimiento1.Visible(), c.FilaTipo);
      EXPECT_EQ(d.TxtMonto1.Visible(), c.Monto1);
      EXPECT_EQ(d.LblMonto1.Visible(), c.Monto1);
      EXPECT_EQ(d.TxtMonto2.Visible(), c.Monto2);
      EXPECT_EQ(d.LblMonto2.Visible(), c.EtiquetaMonto2);
      EXPECT_FALSE(d.TxtMovimiento2.Visible());
      EXPECT_EQ(d.LblMovimiento1.Caption(), c.Movimiento1);
      EXPECT_EQ(d.LblMonto1.Caption(), c.Monto1Caption);
      EXPECT_EQ(d.LblMonto2.Caption(), c.Monto2Caption);
      EXPECT_EQ(d.LblCantidad.Caption(), c.Cantidad);
      EXPECT_EQ(d.LblMoneda.Top(), c.TopMoneda);
      EXPECT_EQ(d.Lstmoneda.Top(), c.TopMoneda + 240);
      EXPECT_EQ(d.LblMonto1.Top(), c.TopMonto1);
      EXPECT_EQ(d.LblMonto2.Top(), c.TopMonto2);
      EXPECT_EQ(d.LblCantidad.Top(), c.TopCantidad);
      EXPECT_EQ(d.TxtCantidad.Top(), c.CampoCantidad);
      EXPECT_EQ(d.FrameDetalle.Height(), c.Marco);
      EXPECT_EQ(d.CmdAceptaDet.Top(), c.Botones);
      EXPECT_EQ(d.LblAyuda.Top(), c.Botones);
      EXPECT_EQ(d.Height(), c.Ventana);
      User.Click(d.CmdSalirDet);
    });
  }
}

TEST_F(Detalle, AnOtherTypeAsksForItsDescription) {
  Abre("0101*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    d.TxtMovimiento2.SetText("x");
    User.Choose(d.CboTipoMovimiento2, Item(d.CboTipoMovimiento2, "010106"));
    EXPECT_TRUE(d.TxtMovimiento2.Visible());
    EXPECT_TRUE(d.LblOtroTipo.Visible());
    EXPECT_EQ(d.LblOtroTipo.Caption(), "Descripción de otros tipos de cuenta");
    EXPECT_EQ(d.TxtMovimiento2.Text(), "x");
    User.Choose(d.CboTipoMovimiento2, Item(d.CboTipoMovimiento2, "010101"));
    EXPECT_FALSE(d.TxtMovimiento2.Visible());
    EXPECT_FALSE(d.LblOtroTipo.Visible());
    EXPECT_EQ(d.TxtMovimiento2.Text(), "");
    User.Click(d.CmdSalirDet);
  });
  Abre("0202*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    ASSERT_GT(d.CboTipoMovimiento2.ListCount(), 0);
    for (int i = 0; i < d.CboTipoMovimiento2.ListCount(); ++i) {
      User.Choose(d.CboTipoMovimiento2, i);
      EXPECT_FALSE(d.TxtMovimiento2.Visible()) << d.CboTipoMovimiento2.List(i);
    }
    User.Click(d.CmdSalirDet);
  });
}

TEST_F(Detalle, ACurrencyShowsItsCodeNameAndCountry) {
  Abre("0101*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    const int dolar = Item(d.Lstmoneda, "002");
    ASSERT_GE(dolar, 0);
    EXPECT_EQ(d.Lstmoneda.List(dolar), "002 - Dólar de EE.UU.-EE.UU.");
    User.Choose(d.Lstmoneda, dolar);
    EXPECT_EQ(d.TxtCodigoMoneda.Text(), "002");
    EXPECT_EQ(d.TxtMoneda.Text(), "Dólar de EE.UU.");
    EXPECT_EQ(d.TxtPais.Text(), "EE.UU.");
    // A description without "-" is the name alone.
    d.Lstmoneda.AddItem("099 - Oro");
    User.Choose(d.Lstmoneda, d.Lstmoneda.ListCount() - 1);
    EXPECT_EQ(d.TxtMoneda.Text(), "Oro");
    EXPECT_EQ(d.TxtPais.Text(), "");
    User.Click(d.CmdSalirDet);
  });
}

TEST_F(Detalle, ARowToChangeIsLoadedWithItsKeyLocked) {
  Fila("010106", "002", "'0'", "'-1500'", "'2'", "CUENTA ESPECIAL");
  Compartidas& g = G();
  g.ClaveAdicional = "0101*";
  g.MovimientoFijo = "";
  g.Periodo = "2002";
  forms::Load(forms::Default<FrmAdicionalCab>());
  g.ModoDetalle = "MODIFICA";
  // As loaded, before the focus comes to the balance.
  FrmAdicionalDet& d = forms::Default<FrmAdicionalDet>();
  forms::Load(d);
  EXPECT_EQ(d.CboTipoMovimiento2.ListIndex(), Item(d.CboTipoMovimiento2, "010106"));
  EXPECT_EQ(d.TxtCodigoMoneda.Text(), "002");
  EXPECT_EQ(d.TxtMovimiento2.Text(), "CUENTA ESPECIAL");
  EXPECT_TRUE(d.TxtMovimiento2.Visible());
  EXPECT_EQ(d.LblOtroTipo.Caption(), "Otro tipo de cuenta");  // the layout runs after the load
  EXPECT_EQ(d.TxtMonto2.Text(), "(1,500)");
  EXPECT_EQ(d.TxtMonto2.MaxLength(), 17);
  EXPECT_EQ(d.TxtCantidad.Text(), "2");
  EXPECT_EQ(d.TxtCantidad.MaxLength(), 15);
  for (forms::Control* c :
       std::initializer_list<forms::Control*>{&d.CboTipoMovimiento2, &d.Lstmoneda, &d.TxtMovimiento2, &d.TxtMoneda}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
  }
  EXPECT_TRUE(d.TxtMonto2.Enabled());
  EXPECT_TRUE(d.TxtCantidad.Enabled());
  forms::Unload(d);
}

TEST_F(Detalle, EachCheckTellsItsFaultAndFocusesItsField) {
  struct Caso {
    const char* Clave;
    const char* Fijo;
    const char* Tipo;  // "" none chosen
    const char* Otro;  // the free description
    const char* Moneda;
    const char* Monto1;
    const char* Monto2;
    const char* Cantidad;
    const char* Mensaje;  // "" stored
    const char* Campo;
  };
  const Caso casos[] = {
      {"0101*", "", "", "", "001", "", "100", "1", "Debe seleccionar el tipo de cuenta", "CboTipoMovimiento2"},
      {"0204*", "", "020405", "", "001", "100", "", "1",
       "Registre la descripción de otro tipo de bien cuyo valor sea mayor a 3 UIT", "TxtMovimiento2"},
      {"0101*", "", "010101", "", "", "", "100", "1", "Debe seleccionar el tipo de moneda", "Lstmoneda"},
      {"0101*", "", "010101", "", "001", "", "", "1", "Registre el saldo al 31/12/2002", "TxtMonto2"},
      {"0101*", "", "010101", "", "001", "", "-", "1", "Registre correctamente el saldo al 31/12/2002", "TxtMonto2"},
      {"0101*", "", "010101", "", "001", "", "0", "0", "La cantidad total de cuentas debe ser mayor a cero",
       "TxtCantidad"},
      {"0201*", "", "020101", "", "001", "", "", "1", "Registre el importe total por tipo y moneda", "TxtMonto1"},
      {"0201*", "", "020101", "", "001", "0", "", "1", "El importe total por tipo y moneda debe ser mayor a cero",
       "TxtMonto1"},
      {"0301*", "01", "", "", "001", "100", "", "", "Registre la cantidad total de ventas", "TxtCantidad"},
      {"0401*", "01", "", "", "001", "", "1", "1", "Registre el saldo de préstamos concedidos al 01/01/2002",
       "TxtMonto1"},
      {"0402*", "02", "", "", "001", "1", "", "1", "Registre el saldo de préstamos recibidos al 31/12/2002",
       "TxtMonto2"},
      {"0402*", "02", "", "", "001", "1", "1", "", "Registre el número de préstamos recibidos el año 2002",
       "TxtCantidad"},
      {"0401*", "01", "", "", "001", "0", "0", "0", "Saldo de préstamos o número de préstamos debe ser mayor a cero",
       "TxtCantidad"},
      {"0401*", "01", "", "", "001", "0", "1", "0", "", ""},
      {"0101*", "", "010101", "", "001", "", "1-5", "1", "Registre correctamente el saldo al 31/12/2002", "TxtMonto2"},
      {"0204*", "", "020405", "   ", "001", "100", "", "1", "", ""},  // a description of blanks passes
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(std::string(c.Clave) + " " + c.Mensaje);
    Abre(c.Clave, c.Fijo, "NUEVO", [&](FrmAdicionalDet& d) {
      Elige(d, c.Tipo, c.Moneda);
      d.TxtMovimiento2.SetText(c.Otro);
      if (d.TxtMonto1.Visible()) d.TxtMonto1.SetText(c.Monto1);
      if (d.TxtMonto2.Visible()) d.TxtMonto2.SetText(c.Monto2);
      d.TxtCantidad.SetText(c.Cantidad);
      if (c.Mensaje[0] != '\0') {
        User.ExpectMsgBox({c.Mensaje, forms::vbCritical | forms::vbOKOnly, kTitulo}, forms::vbOK);
      } else {
        User.ExpectMsgBox(kGrabada, forms::vbOK);
      }
      User.Click(d.CmdAceptaDet);
      if (c.Mensaje[0] != '\0') {
        ASSERT_NE(d.ActiveControl(), nullptr);
        EXPECT_EQ(d.ActiveControl()->Name(), c.Campo);
      }
      User.Click(d.CmdSalirDet);
    });
    EXPECT_EQ(Lista().size(), c.Mensaje[0] == '\0' ? 1u : 0u);
    Ejecuta({"DELETE FROM TMPF0917PATRIM1"});
  }
}

TEST_F(Detalle, NewRowsAreStoredAsEachKindHasThem) {
  struct Caso {
    const char* Clave;
    const char* Fijo;
    const char* Tipo;
    const char* Moneda;
    const char* Monto1;
    const char* Monto2;
    const char* Cantidad;
    const char* Fila;
    const char* Grilla;  // the list's amount column
  };
  const Caso casos[] = {
      // a typed "-" goes in front; the hidden 1 January balance stores ""
      {"0101*", "", "010101", "001", "", "1500-", "1",
       "01|01|01|001|CUENTAS DE AHORROS||Nuevos Soles-Perú|Nuevos Soles||-1500|1", "(1,500)"},
      {"0201*", "", "020101", "002", "25000", "", "3",
       "02|01|01|002|COMPRA DE PREDIOS EN EL EXTRANJERO||Dólar de EE.UU.-EE.UU.|Dólar de EE.UU.|Null|25000|3",
       "25,000"},
      {"0401*", "01", "", "001", "1000", "500", "2", "04|01|01|001|||Nuevos Soles-Perú|Nuevos Soles|1000|500|2", "500"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Clave);
    Abre(c.Clave, c.Fijo, "NUEVO", [&](FrmAdicionalDet& d) {
      Elige(d, c.Tipo, c.Moneda);
      if (d.TxtMonto1.Visible()) Escribe(d.TxtMonto1, c.Monto1);
      if (d.TxtMonto2.Visible()) Escribe(d.TxtMonto2, c.Monto2);
      Escribe(d.TxtCantidad, c.Cantidad);
      User.ExpectMsgBox(kGrabada, forms::vbOK);
      User.Click(d.CmdAceptaDet);
      EXPECT_EQ(forms::Default<FrmAdicionalCab>().GrdAdicional.CellText(0, 7), c.Grilla);
      // Cleared for the next row, the focus on its first choice.
      EXPECT_EQ(d.Lstmoneda.ListIndex(), -1);
      EXPECT_EQ(d.TxtCantidad.Text(), "");
      EXPECT_EQ(d.ActiveControl(),
                d.CboTipoMovimiento2.Visible() ? static_cast<forms::Control*>(&d.CboTipoMovimiento2) : &d.Lstmoneda);
      User.Click(d.CmdSalirDet);
    });
    EXPECT_EQ(Lista(), std::vector<std::string>{c.Fila});
    EXPECT_TRUE(G().AdicionalModificado);
    Ejecuta({"DELETE FROM TMPF0917PATRIM1"});
    G().AdicionalModificado = false;
  }
}

TEST_F(Detalle, TheSameKeyTwiceIsRefusedAndTheDialogKeepsItsFields) {
  Abre("0101*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    for (int vez = 0; vez < 2; ++vez) {
      Elige(d, "010102", "001");
      d.TxtMonto2.SetText("10");
      d.TxtCantidad.SetText("1");
      User.ExpectMsgBox(vez == 0 ? kGrabada : "Datos ya fueron ingresados. ", forms::vbOK);
      User.Click(d.CmdAceptaDet);
    }
    EXPECT_EQ(d.TxtCodigoMoneda.Text(), "001");
    EXPECT_EQ(d.TxtMonto2.Text(), "10");
    EXPECT_EQ(d.ActiveControl(), &d.CboTipoMovimiento2);
    User.Click(d.CmdSalirDet);
  });
  EXPECT_EQ(Lista().size(), 1u);
}

TEST_F(Detalle, AChangedRowIsFoundByItsListedCodesEvenWhenItsTypeLeftTheList) {
  Fila("010103", "002", "''", "'700'", "'1'");
  Ejecuta({"DELETE FROM PARAM WHERE Numero = '884' AND Argumento = '010103'"});
  Abre("0101*", "", "MODIFICA", [&](FrmAdicionalDet& d) {
    EXPECT_EQ(d.CboTipoMovimiento2.ListIndex(), -1);
    Escribe(d.TxtMonto2, "800");
    Escribe(d.TxtCantidad, "4");
    User.ExpectMsgBox(kGrabada, forms::vbOK);
    User.Click(d.CmdAceptaDet);
    EXPECT_FALSE(d.Loaded());
  });
  EXPECT_EQ(Filas("SELECT tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, mto_01012002, "
                  "mto_31122002, ctd_movimiento FROM TMPF0917PATRIM1"),
            std::vector<std::string>{"01|01|03|002||800|4"});
}

TEST_F(Detalle, ARowGoneMeanwhileIsToldAndTheDialogCloses) {
  Fila("010101", "001", "''", "'700'", "'1'");
  Abre("0101*", "", "MODIFICA", [&](FrmAdicionalDet& d) {
    Ejecuta({"DELETE FROM TMPF0917PATRIM1"});
    d.TxtCantidad.SetText("4");
    User.ExpectMsgBox("Registro ha sido eliminado por otro usuario", forms::vbOK);
    User.Click(d.CmdAceptaDet);
    EXPECT_FALSE(d.Loaded());
  });
  EXPECT_TRUE(Lista().empty());
  EXPECT_FALSE(G().AdicionalModificado);
}

TEST_F(Detalle, BankAccountAmountsTakeTheirMinusInFront) {
  Abre("0101*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    forms::TextBox& saldo = d.TxtMonto2;
    User.Focus(saldo);
    User.Type("250");
    User.Type("-");
    EXPECT_EQ(saldo.Text(), "-250");
    User.Type("-");
    EXPECT_EQ(saldo.Text(), "-250");
    User.Tab();
    EXPECT_EQ(saldo.Text(), "(250)");
    User.Focus(saldo);
    EXPECT_EQ(saldo.Text(), "-250");
    EXPECT_EQ(saldo.SelLength(), 4);
    // "-" into an empty box is its first character.
    EXPECT_TRUE(forms::Input::Select(saldo, 0, 4));
    User.Press(forms::vbKeyBack);
    User.Type("-7a");
    EXPECT_EQ(saldo.Text(), "-7");
    // Twelve characters: a letter over the selection is still refused.
    saldo.SetText("123456789012");
    EXPECT_TRUE(forms::Input::Select(saldo, 0, 12));
    User.Type("x");
    EXPECT_EQ(saldo.Text(), "123456789012");
    User.Click(d.CmdSalirDet);
  });
}

TEST_F(Detalle, OtherAmountsAndCountsShowUnsignedRawNumbers) {
  Abre("0201*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    d.TxtMonto1.SetText("(1,500)");
    User.Focus(d.TxtMonto1);
    EXPECT_EQ(d.TxtMonto1.Text(), "1500");
    EXPECT_EQ(d.TxtMonto1.MaxLength(), 12);
    User.Tab();
    EXPECT_EQ(d.TxtMonto1.Text(), "1,500");
    User.Focus(d.TxtCantidad);
    User.Type("0");
    User.Tab();
    User.Focus(d.TxtCantidad);
    EXPECT_EQ(d.TxtCantidad.Text(), "0");
    User.Type("12a");
    EXPECT_EQ(d.TxtCantidad.Text(), "12");
    User.Enter();
    EXPECT_EQ(d.ActiveControl(), &d.CmdAceptaDet);
    User.Click(d.CmdSalirDet);
  });
}

TEST_F(Detalle, PastingInsertsNothingAndLeavesTheClipboardAlone) {
  Abre("0101*", "", "NUEVO", [&](FrmAdicionalDet& d) {
    User.Choose(d.CboTipoMovimiento2, Item(d.CboTipoMovimiento2, "010106"));
    forms::Clipboard().SetText("999");
    for (forms::TextBox* caja : {&d.TxtMonto2, &d.TxtCantidad, &d.TxtMovimiento2}) {
      SCOPED_TRACE(caja->Name());
      User.Focus(*caja);
      User.Press(forms::vbKeyInsert, forms::vbShiftMask);
      User.Press('V', forms::vbCtrlMask);
      User.Press(93);  // the menu key
      User.RightClick(*caja);
      EXPECT_TRUE(forms::Input::Paste(*caja));  // the context menu's Paste
      EXPECT_EQ(caja->Text(), "");
      EXPECT_EQ(forms::Clipboard().GetText(), "999");
    }
    User.Click(d.CmdSalirDet);
  });
}

}  // namespace
}  // namespace app::testing
