// The reference rows a run writes into PARAM and the report catalogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/Strings.h"
#include "tests/installer/InstaladorFixture.h"

namespace kr::testing {
namespace {

// The rows every installation must hold, written out here apart from the
// installer's own table, so that a slip in either shows.
constexpr std::string_view kProfesiones =
    "01 ABOGADO; 02 ACTOR,ARTISTA Y DIRECTOR DE ESPECTACULOS; "
    "03 ADMINISTRADOR DE EMPRESAS (PROFESIONAL); 04 AGRIMENSOR Y TOPOGRAFO; 05 AGRONOMO; "
    "06 ALBANIL; 07 ANALISTAS DE SISTEMA Y COMPUTACION; 08 ANTROPOLOGO, ARQUEOLOGO Y ETNOLOGO; "
    "09 ARQUITECTO; 10 ARTESANO DE CUERO; 11 ARTESANO TEXTIL; "
    "12 AUTOR LITERARIO, ESCRITOR Y CRITICO; 13 BACTERIOLOGO, FARMACOLOGO; 14 BIOLOGO; "
    "15 CARPINTERO; 16 CONDUCTOR DE VEHICULOS DE MOTOR; 17 CONTADOR; 18 COREOGRAFO Y BAILARINES; "
    "19 COSMETOLOGO, PELUQUERO Y BARBERO; 20 DECORADOR,DIBUJ,PUBLICISTA,DISEN.DE PUB.; "
    "21 DEPORTISTA PROFESIONAL Y ATLETA; 22 DIRECTOR DE EMPRESAS; 23 ECONOMISTA; "
    "24 ELECTRICISTA (TECNICO); 25 ENFERMERO; 26 ENTRENADOR DEPORTIVO; 27 ESCENOGRAFO; 28 ESCULTOR; "
    "29 ESPECIALISTA EN TRATAMIENTO DE BELLEZA; 30 FARMACEUTICO; "
    "31 FOTOGRAFO Y OPERADORES CAMARA,CINE Y TV; 32 GASFITERO; 33 GEOGRAFO; 34 INGENIERO; "
    "35 INTERPRETE, TRADUCTOR, FILOSOFO; 36 JOYERO Y/O PLATERO; 37 LABORATORISTA (TECNICO); "
    "38 LOCUTOR DE RADIO, TV; 39 MECANICO MOTORES AVIONES Y NAVES MARINAS; "
    "40 MECANICO DE VEHICULOS DE MOTOR; 41 MEDICO Y CIRUJANO; 42 MODELO; 43 MUSICO; "
    "44 NUTRICIONISTA; 45 OBSTETRIZ; 46 ODONTOLOGO; 47 PERIODISTA; 48 PILOTO DE AERONAVES; "
    "49 PINTOR; 50 PROFESOR; 51 PSICOLOGO; 52 RADIO TECNICO; 53 REGIDORES DE MUNICIPALIDADES; "
    "54 RELACIONISTA PUBLICO E INDUSTRIAL; 55 SASTRE; 56 SOCIOLOGO; 57 TAPICERO; "
    "58 TAXIDERMISTA, DISECADOR DE ANIMALES; 59 VETERINARIO; 60 PODOLOGOS; 61 ARCHIVERO; "
    "62 ALBACEA; 63 GESTOR DE NEGOCIO; 64 MANDATARIO; 65 SINDICO; "
    "99 PROFESION U OCUPACION NO ESPECIFICADA";

// Currencies: code (also Correl_Param) and name.
constexpr std::string_view kMonedas = R"(
| "001" | "Nuevos Soles-Perú" |
| "002" | "Dólar de EE.UU.-EE.UU." |
| "003" | "Euro-Unión Europea" |
| "004" | "Libra Esterlina-Inglaterra" |
| "005" | "Yen-Japón" |
| "006" | "Franco Suizo-Suiza" |
| "007" | "Corona-Dinamarca" |
| "008" | "Corona-Noruega" |
| "009" | "Baht-Tailandia" |
| "010" | "Balboa-Panamá" |
| "011" | "Bolívar-Venezuela" |
| "012" | "Boliviano-Bolivia" |
| "013" | "Corona-Suecia" |
| "014" | "Dinar de Kuwait-Kuwait" |
| "015" | "Dólar-Hong Kong" |
| "016" | "Dólar Australiano-Australia" |
| "017" | "Dólar Canadiense-Canadá" |
| "018" | "Dólar de Barbados-Barbados" |
| "019" | "Dólar de Fiji-Fiji" |
| "020" | "Dólar de Singapur-Singapur" |
| "021" | "Dólar Malasio O Ringgit-Malasia" |
| "022" | "Dólar Neozelandés-Nueva Zelandia" |
| "023" | "Guaraní-Paraguay" |
| "024" | "Libra Siria-Siria" |
| "025" | "Nuevo Dólar de Taiwan-Taiwan" |
| "026" | "Nuevo Peso-México" |
| "027" | "Nuevo Shekel-Israel" |
| "028" | "Peso-Argentina" |
| "029" | "Peso-Colombia" |
| "030" | "Peso-Chile" |
| "031" | "Peso-Uruguay" |
| "032" | "Peso Andino-Comunidad Andina" |
| "033" | "Rand-Sud-Africa, República de" |
| "034" | "Real-Brasil" |
| "035" | "Rublo-Rusia" |
| "036" | "Rupia-India" |
| "037" | "Rupia-Indonesia" |
| "038" | "Rupia Paquistaní-Pakistán" |
| "039" | "Sucre-Ecuador" |
| "040" | "Won-Corea" |
)";

// Types of the schedule items: six-digit code and description.
constexpr std::string_view kTipos = R"(
| "010101" | "CUENTAS DE AHORROS" |
| "010102" | "CUENTAS CORRIENTES" |
| "010103" | "CUENTAS CTS" |
| "010104" | "CUENTAS A PLAZO FIJO" |
| "010105" | "CERTIFICADOS BANCARIOS" |
| "010106" | "OTROS" |
| "020101" | "COMPRA DE PREDIOS EN EL EXTRANJERO" |
| "020102" | "AMPLIACIONES Y/O REMODELACIONES DE PREDIOS EN EL PERÚ Y/O EN EL EXTRANJERO" |
| "020201" | "VEHÍCULOS" |
| "020202" | "NAVES" |
| "020203" | "AERONAVES" |
| "020301" | "ACCIONES" |
| "020302" | "BONOS" |
| "020303" | "PARTICIPACIONES" |
| "020304" | "FONDOS MUTUOS" |
| "020305" | "PAPELES COMERCIALES" |
| "020306" | "OTROS" |
| "020401" | "JOYAS" |
| "020402" | "OBRAS DE ARTE" |
| "020403" | "CABALLOS DE CARRERA" |
| "020404" | "CABALLOS DE PASO" |
| "020405" | "OTROS CUYO VALOR SEA MAYOR A 3 UIT" |
| "020501" | "EDUCACIÓN FUERA DEL PAÍS" |
| "020502" | "TURISMO FUERA DEL PAÍS" |
| "030201" | "VEHÍCULOS" |
| "030202" | "NAVES" |
| "030203" | "AERONAVES" |
| "030301" | "ACCIONES" |
| "030302" | "BONOS" |
| "030303" | "PARTICIPACIONES" |
| "030304" | "FONDOS MUTUOS" |
| "030305" | "PAPELES COMERCIALES" |
| "030306" | "OTROS" |
| "030401" | "JOYAS" |
| "030402" | "OBRAS DE ARTE" |
| "030403" | "CABALLOS DE CARRERA" |
| "030404" | "CABALLOS DE PASO" |
| "030405" | "OTROS CUYO VALOR SEA MAYOR A 3 UIT" |

)";

std::vector<std::string_view> Parte(std::string_view texto, std::string_view separador) {
  std::vector<std::string_view> partes;
  std::size_t desde = 0;
  while (desde <= texto.size()) {
    std::size_t fin = texto.find(separador, desde);
    if (fin == std::string_view::npos) fin = texto.size();
    partes.push_back(texto.substr(desde, fin - desde));
    desde = fin + separador.size();
  }
  return partes;
}

// The rows of a table written as lines of | "code" | "text" |.
void AgregaTabla(Filas& filas, std::string_view numero, std::string_view tabla, bool correlEsCodigo) {
  for (std::string_view linea : Parte(tabla, "\n")) {
    if (linea.empty()) continue;
    std::vector<std::string_view> celdas = Parte(linea, "\"");
    ASSERT_EQ(celdas.size(), 5u) << linea;
    std::string codigo(celdas[1]);
    filas.push_back({std::string(numero), codigo, std::string(celdas[3]), correlEsCodigo ? codigo : ""});
  }
}

Filas FilasEsperadas() {
  Filas filas = {
      {"992", "0917", "1", ""},
      {"996", "174", "F917PATRIM     R 1000   8", ""},
  };
  for (std::string_view profesion : Parte(kProfesiones, "; ")) {
    filas.push_back({"979", std::string(profesion.substr(0, 2)), std::string(profesion.substr(3)), ""});
  }
  AgregaTabla(filas, "883", kMonedas, true);
  AgregaTabla(filas, "884", kTipos, false);
  std::sort(filas.begin(), filas.end());
  return filas;
}

const char* const kFilasDelFormulario =
    "SELECT Numero, Argumento, Funcion, Correl_Param FROM PARAM "
    "WHERE Numero IN ('992','996','979','883','884')";

TEST_F(Instalador, FirstRunWritesEveryReferenceRow) {
  ASSERT_EQ(Ejecuta(), 0);
  EXPECT_TRUE(Usuario.Messages().empty());
  auto db = Abre();
  Filas esperadas = FilasEsperadas();
  ASSERT_EQ(esperadas.size(), 146u);
  EXPECT_EQ(LeeFilas(*db, kFilasDelFormulario), esperadas);
  // The host's own groups are left as they were.
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM PARAM WHERE Numero NOT IN ('992','996','979','883','884')").size(), 24u);
}

TEST_F(Instalador, ReportCatalogueEndsWithOneRowPerReportOfTheForm) {
  {
    auto db = Abre();
    db->Execute("INSERT INTO reportes VALUES ('RP0007','Otro resumen',2)");
    db->Execute("INSERT INTO reportes VALUES ('RP0007','Otro resumen más',3)");
  }
  ASSERT_EQ(Ejecuta(), 0);
  auto db = Abre();
  EXPECT_EQ(LeeFilas(*db, "SELECT * FROM reportes"),
            (Filas{{"RP0001", "Reporte de declaraciones registradas", "1"},
                   {"RP0006", "Reporte del formulario 917", "1"},
                   {"RP0007", "Resumen de envío de información -  Formulario 917", "1"}}));
}

}  // namespace
}  // namespace kr::testing
