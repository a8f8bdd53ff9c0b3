// The checks of the consistency check, each group on the consistent return
// with a few rows changed: the exact lines of the list, in the order of the
// run. The sample's RUC type is "06" (11 digits), its DNI "01" (8 digits),
// its foreigner's card "04" (free text up to 12); its rate of box 110 is 0.1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/testing/ScriptedUser.h"
#include "tests/computation/ConsistenciaFixture.h"
#include "tests/computation/RecalculoFixture.h"

namespace app::testing {
namespace {

using Chequeos = Consistencia;

std::vector<Fila> Con(std::vector<Fila> a, const std::vector<Fila>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Three fourth-category payers with one RUC; the third's type is `tipo3`.
std::vector<Fila> TresPagadores(const char* tipo2, const char* tipo3) {
  return Con(kCuarta, {{"823", "BENITES"}, {"225", tipo2}, {"217", kQuispe}, {"221", "1000"},
                       {"824", "CASTRO"},  {"226", tipo3}, {"218", kQuispe}, {"222", "1000"}});
}

// One rented premises, its landlord's document of type `tipo` numbered `numero`.
std::vector<Fila> Alquiler(const char* tipo, const char* numero) {
  return {{"027", "1"}, {"819", "ALVAREZ"}, {"204", tipo}, {"208", numero}, {"212", "6000"}};
}

TEST_F(Chequeos, EachGroupListsItsFailuresInTheRunsOrder) {
  Comprueba({
      {"the consistent return", {}, {}},
      {"fourth-category income with its occupation, payer and limit", kCuarta, {}},
      {"an Amazonia row with only its amount 0",
       {{"117", "100"}, {"231", "0"}},
       {"Consigne los apellidos y nombres, denominación o razón social en la Amazonía",
        "Ingrese el RUC en la casilla 229" + kAmazonia,
        "El monto invertido de la casilla 231 debe ser mayor a cero" + kAmazonia}},
      {"one payer's RUC three times under one type",
       TresPagadores("06", "06"),
       {"Los números de documentos de la casilla 215 y la casilla 217 no pueden ser iguales" + kAlquileres,
        "Los números de documentos de la casilla 217 y la casilla 218 no pueden ser iguales" + kAlquileres}},
      {"the same number under other types is another party",
       TresPagadores("04", "04"),
       {"Los números de documentos de la casilla 217 y la casilla 218 no pueden ser iguales" + kAlquileres}},
      {"the landlord is the declarant", Alquiler("06", kGarcia),
       {"El número de RUC de la casilla 208 no puede ser igual al del declarante" + kAlquileres}},
      {"the declarant's number under a DNI is only a wrong DNI", Alquiler("01", kGarcia),
       {"El número de documento de la casilla 208 no es valido" + kAlquileres}},
      {"a landlord with a valid RUC", Alquiler("06", kQuispe), {}},
      {"only the spouse's birth date",
       {{"234", "15/03/1970"}},
       {"Ingrese Apellido Paterno del Cónyuge" + kRepresentanteConyuge, "Ingrese Apellido Materno del Cónyuge" + kRepresentanteConyuge,
        "Ingrese Nombres del cónyuge" + kRepresentanteConyuge, "Ingrese el tipo de documento del cónyuge" + kRepresentanteConyuge,
        "Ingrese número de documento del cónyuge" + kRepresentanteConyuge}},
      {"a spouse without a birth date",
       {{"814", "PAZ"}, {"815", "SOTO"}, {"890", "ANA"}, {"235", "01"}, {"236", "40123456"}},
       {"La fecha de nacimiento del Cónyuge no es valida" + kRepresentanteConyuge}},
      {"a representative whose RUC has a wrong check digit",
       {{"811", "PAZ"}, {"813", "LUIS"}, {"301", "06"}, {"302", "10401234566"}},
       {"El número de RUC del Representante Legal no es valido" + kRepresentanteConyuge}},
      {"box 117 above 20 % of box 514",
       {{"117", "2001"}},
       {"El valor ingresado en la casilla 117 no puede ser mayor al 20% del valor consignado en la casilla 514 : "
        "2000" + kRentaNeta,
        "Ingrese información en la sección de Inversión en la Amazonía"}},
      {"box 117 at 20 % of box 514", {{"117", "2000"}},
       {"Ingrese información en la sección de Inversión en la Amazonía"}},
      {"box 110 above its limit", Con(kCuarta, {{"110", "1001"}}),
       {"La casilla 110 no puede ser mayor a la (Casilla 107 + Casilla 108)* 0.1" + kCuartaQuinta}},
      {"a balance in favour without its indicator",
       {{"141", "-755"}, {"142", "0"}, {"146", "0"}, {"180", "0"}},
       {"Seleccione Indicador de Utilización de Saldo a Favor casilla 140" + kDeuda}},
      {"no income box", {{"100", ""}}, {kSinRentas}},
      {"a cheque of no bank, numbered 000, of 0",
       {{"146", ""}, {"180", ""}, {"599", "C"}},
       {"Ingrese el banco" + kDatoDeuda, "No puede girar un cheque con monto cero" + kDatoDeuda,
        "El número de cheque no puede ser cero" + kDatoDeuda},
       [&](Frm0917& f) {
         MuestraPaginas(f.FormaDePagoQBX1.txtCheque);
         User.Type(f.FormaDePagoQBX1.txtCheque, "000");
         Teclea(f, 180, "0");
       }},
      {"a cheque without its number",
       {{"146", ""}, {"180", ""}, {"599", "C"}},
       {"Ingrese el banco" + kDatoDeuda, "Ingrese el Número del cheque" + kDatoDeuda,
        "No puede girar un cheque con monto cero" + kDatoDeuda},
       [&](Frm0917& f) { Teclea(f, 180, "0"); }},
  });
}

// The limits as the user meets them: the amounts typed into a return that
// has no other income, each limit crossed by one unit and then met.
TEST_F(Chequeos, TheLimitsHoldOnTheAmountsAsTyped) {
  struct Caso {
    const char* Nombre;
    std::vector<Texto> Tecleadas;
    std::vector<Texto> Corregidas;
    std::vector<std::string> Lineas;
  };
  const Caso casos[] = {
      {"box 117",
       {{116, "10000"}, {117, "2001"}},
       {{117, "2000"}},
       {"El valor ingresado en la casilla 117 no puede ser mayor al 20% del valor consignado en la casilla 514 : "
        "2000" + kRentaNeta}},
      // The tax on 28,300 is 4,245: its share for 20,000 of foreign income
      // is 1,698, and a tenth of it for the donations 240.
      {"boxes 122 and 123",
       {{111, "30000"}, {116, "20000"}, {117, "0"}, {122, "1699"}, {123, "241"}},
       {{122, "1698"}, {123, "240"}},
       {"El valor de la casilla 122 no puede ser mayor a S/.1698" + kDeuda,
        "El valor de la casilla 123 no puede ser mayor a S/.240" + kDeuda}},
      {"box 110", {{107, "10000"}, {110, "1001"}}, {{110, "1000"}},
       {"La casilla 110 no puede ser mayor a la (Casilla 107 + Casilla 108)* 0.1" + kCuartaQuinta}},
      // A tax of 1,245 against a payment of 2,000: 755 in favour.
      {"box 140", {{111, "30000"}, {131, "2000"}}, {{131, "1245"}},
       {"Seleccione Indicador de Utilización de Saldo a Favor casilla 140" + kDeuda}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.Nombre);
    Ejecuta({"DELETE * FROM DET", "DELETE * FROM CAB"});
    Guarda(kGarcia, {kNoRectifica, {"027", "2"}, {"599", "E"}});
    AbreGuardada(kGarcia, [&](Frm0917& f) {
      for (const Texto& t : c.Tecleadas) Teclea(f, t.Casilla, t.Valor);
      Valida(f);
      const std::vector<std::string> antes = Lineas();
      for (const std::string& l : c.Lineas) EXPECT_TRUE(Tiene(antes, l)) << l;
      for (const Texto& t : c.Corregidas) Teclea(f, t.Casilla, t.Valor);
      Valida(f);
      const std::vector<std::string> despues = Lineas();
      for (const std::string& l : c.Lineas) EXPECT_FALSE(Tiene(despues, l)) << l;
      EXPECT_EQ(despues.size() + c.Lineas.size(), antes.size());
      Cierra(f);
    });
  }
}

TEST_F(Chequeos, WithoutTheRateOfBox110TheReturnIsNeverConsistent) {
  Ejecuta({"DELETE * FROM PARAM WHERE Numero='998' AND Argumento LIKE '050802*'"});
  Guarda(kGarcia, Consistente(kCuarta));
  User.ExpectMsgBox(
      "No se encontró para el ejercicio 2002:\n- la tasa límite de la casilla 110 (código 050802)\nLas casillas que "
      "dependen de ellos no se calcularán.",
      forms::vbOK);
  AbreGuardada(kGarcia, [&](Frm0917& f) {
    Valida(f);
    EXPECT_EQ(Lineas(), std::vector<std::string>{"No se puede verificar el límite de la casilla 110: falta la tasa "
                                                 "límite (código 050802) del ejercicio 2002" +
                                                 kCuartaQuinta});
    EXPECT_FALSE(f.ValidaTodo("2"));
    Cierra(f);
  });
}

}  // namespace
}  // namespace app::testing
