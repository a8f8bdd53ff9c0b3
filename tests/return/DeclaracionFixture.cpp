#include "tests/return/DeclaracionFixture.h"

#include <utility>
#include <vector>

#include "app/ventanas/NombresVentanas.h"
#include "platform/db/Constants.h"
#include "platform/db/Database.h"
#include "platform/db/Quote.h"
#include "platform/db/Transaction.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Input.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "return/Registro.h"
#include "schedules/FrmAdicionalCab.h"
#include "schedules/FrmAdicionalDet.h"
#include "schedules/FrmDesglose.h"
#include "tests/support/BaseInstalada.h"
#include "tests/support/Filas.h"

namespace app::testing {

void Declaracion::SetUp() {
  PonBase();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(Arranca());
  RegistraFrm0917();
  RegistraDesgloses();
  RegistraFrmAdicionalCab();
  RegistraFrmAdicionalDet();
  G().Ventanas.Register(ventana::kFrmConsist, [this] {
    ++ListasMostradas;
    ListaAlAbrir = vb::ReadFileBytes(G().ArchivoSalida);
  });
}

void Declaracion::PonBase() {
  ASSERT_FALSE(kr::testing::BaseInstalada().empty()) << "LUD917 did not install the form's tables";
  kr::testing::CopiaBaseInstalada(Instalacion.Layout().Database);
}

void Declaracion::Ejecuta(std::initializer_list<std::string> sentencias) {
  for (const std::string& sql : sentencias) G().BaseDatos->Execute(sql, dao::dbFailOnError);
}

std::vector<std::string> Declaracion::Filas(const std::string& sql) { return kr::testing::Filas(*G().BaseDatos, sql); }

void Declaracion::Guarda(const std::string& ruc, const std::vector<Fila>& casillas, const std::string& cheque,
                         const std::string& banco, const std::string& nrocheque) {
  const std::string clave = "6," + dao::Quote(ruc) + ",'2002','0917',0";
  // One commit for the return: a test stores many.
  dao::Transaction guarda(G().Motor.Workspaces(0));
  Ejecuta({"INSERT INTO CAB VALUES (" + clave + ",'20/03/2003'," + dao::Quote(banco) + "," + dao::Quote(nrocheque) +
           "," + dao::Quote(cheque) + ",' ','0',0,'000000')"});
  for (const auto& [casilla, valor] : casillas) {
    Ejecuta({"INSERT INTO DET VALUES (" + clave + "," + dao::Quote(casilla) + "," + dao::Quote(valor) +
             ",'01',0,'000000')"});
  }
  guarda.Commit();
}

void Declaracion::GuardaAnexo(const std::string& ruc, const std::string& tipo, const std::string& moneda) {
  Ejecuta({"INSERT INTO F0917PATRIM VALUES (6," + dao::Quote(ruc) + ",'2002','0917'," + dao::Quote(tipo) +
           ",'01','01'," + dao::Quote(moneda) + ",'CUENTA','1000','2000','1','000000')"});
}

std::vector<std::string> Declaracion::Trabajo() {
  return Filas(
      "SELECT tip_informacion, tip_movimiento1, tip_movimiento2, ind_moneda, des_movimiento2 FROM TMPF0917PATRIM "
      "ORDER BY 1, 2, 3, 4");
}

void Declaracion::AbreNueva(std::function<void(Frm0917&)> paso) {
  User.ExpectModal<Frm0917>(std::move(paso));
  User.ChooseMenu(Principal().mnuNueva);
}

void Declaracion::AbreGuardada(const std::string& ruc, std::function<void(Frm0917&)> paso) {
  Compartidas& g = G();
  g.Modo = 2;
  g.ModoRegistro = false;
  g.RucDeclarante = ruc;
  g.Periodo = "2002";
  g.Semana = 0;
  Abre(std::move(paso));
}

void Declaracion::Abre(std::function<void(Frm0917&)> paso) {
  User.ExpectModal<Frm0917>(std::move(paso));
  G().Ventanas.Open(ventana::kFrm0917);
}

void Declaracion::Cierra(Frm0917& f) {
  const bool registro = G().ModoRegistro && G().Modo == 2;
  if (registro ? G().OrdenModificado : f.FormularioModificado) {
    User.ExpectMsgBox(registro ? kPreguntaOrden : kPreguntaGuardar, forms::vbNo);
  }
  User.Close(f);
}

void Declaracion::MuestraPaginas(forms::Control& control) {
  std::vector<std::pair<forms::TabControl*, int>> paginas;
  for (forms::Control* c = &control; c->Container() != nullptr; c = c->Container()) {
    if (auto* pestanas = dynamic_cast<forms::TabControl*>(c->Container())) {
      paginas.emplace_back(pestanas, c->ContainerPage());
    }
  }
  for (auto p = paginas.rbegin(); p != paginas.rend(); ++p) {
    if (p->first->Tab() != p->second) User.SelectTab(*p->first, p->second);
  }
}

void Declaracion::Teclea(Frm0917& f, std::int16_t casilla, std::string_view texto) {
  forms::TextBox& caja = f.txtvalor(casilla);
  MuestraPaginas(caja);
  // The debt tab shows frames 1 and 2, or frame 3, as its scroll bar says.
  for (int i = 1; i <= 3; ++i) {
    if (caja.Container() != &f.fraDeuda(i)) continue;
    const int posicion = i == 3 ? 2 : 1;
    if (f.hsDeuda.Value() != posicion) User.Scroll(f.hsDeuda, posicion);
  }
  User.Focus(caja);
  EXPECT_TRUE(forms::Input::Select(caja, 0, vb::Len(caja.Text()))) << casilla;
  if (texto.empty()) {
    User.Press(forms::vbKeyBack);
  } else {
    User.Type(texto);
  }
  User.Tab();
}

void Declaracion::Identifica(Frm0917& f, const std::string& ruc) {
  if (f.tab0584.Tab() != 0) User.SelectTab(f.tab0584, 0);
  User.Choose(f.CmbRuc, ItemDe(f.CmbRuc, ruc));
  User.Click(f.OptRectifica(0));
}

int Declaracion::ItemDe(const forms::ComboBox& lista, const std::string& ruc) {
  for (int i = 0; i < lista.ListCount(); ++i) {
    if (vb::Left(lista.List(i), 11) == ruc) return i;
  }
  return -1;
}

}  // namespace app::testing
