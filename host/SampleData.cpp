#include "host/SampleData.h"

#include <array>
#include <vector>

#include "host/TextoAyuda.h"

namespace dexlora {
namespace {

std::string Fit(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

// A document type's 130-character text: name 1-30, short name 32-42, number
// length 46-47, 49-54 the host's own flags, list order 56-57, usage flags
// 59-82 (this form offers the types with "1" at 81), data kind 128 and length
// kind 130.
std::string DocumentType(std::string_view name, std::string_view shortName, std::string_view length,
                         std::string_view order, char dataKind, char lengthKind) {
  std::string f = Fit(name, 31) + Fit(shortName, 14) + std::string(length) + " 000110 " + std::string(order) + " " +
                  "000001000001100111011111" + std::string(43, ' ') + "0 " + dataKind + " " + lengthKind;
  return f;
}

// A bank: name 1-36, short name 38-49.
std::string Bank(std::string_view name, std::string_view shortName) { return Fit(name, 37) + Fit(shortName, 12); }

// A rate of group 998: the rate at 2-7.
std::string Rate(std::string_view rate) { return " " + Fit(rate, 6); }

std::vector<ParamRow> BuildParams() {
  return {
      {"044", "1", DocumentType("DOC. NACIONAL DE IDENTIDAD", "DNI", "08", "02", '1', '1')},
      {"044", "4", DocumentType("CARNET DE EXTRANJERIA", "CARNET EXT.", "12", "03", '0', '0')},
      {"044", "6", DocumentType("REG. UNICO DE CONTRIBUYENTES", "RUC", "11", "01", '5', '1')},
      {"044", "7", DocumentType("PASAPORTE", "PASAPORTE", "12", "04", '0', '0')},
      {"004", "00", Bank("NINGUNO", "NINGUNO")},
      {"004", "02", Bank("BANCO ANDINO DE CREDITO", "B. ANDINO")},
      {"004", "03", Bank("BANCO INTERCONTINENTAL DEL SUR", "B. INTERSUR")},
      {"004", "09", Bank("BANCO DEL PACIFICO NORTE", "B. PACIFICO")},
      {"004", "11", Bank("BANCO DE LA NACION MINERA", "B. NAC. MIN.")},
      {"004", "18", Bank("BANCO AGRARIO DE LOS VALLES", "B. AGRARIO")},
      {"004", "23", Bank("CAJA MUNICIPAL DE AHORRO Y CREDITO", "CAJA MUNIC.")},
      {"404", "19990101", "2800"},
      {"404", "20000101", "2900"},
      {"404", "20010101", "3000"},
      {"404", "20020101", "3100"},
      {"404", "20030101", "3100"},
      // Rates valid from December 2001 or earlier count for 2002; the 2002
      // rows show that a later one is never read for the tax year.
      {"998", "050802 200001", Rate("0.1")},
      {"998", "050802 200112", Rate("0.1")},
      {"998", "020702 200001", Rate("0.1")},
      {"998", "020702 200207", Rate("0.12")},
      {"998", "020704 200001", Rate("0.2")},
      {"998", "020301 200101", Rate("0.3")},
      {"998", "020201 200001", Rate("0.17")},
      {"998", "020501 200001", Rate("0.1")},
  };
}

constexpr std::array<Taxpayer, 14> kTaxpayers = {{
    {6, "10076543211", "GARCIA", "PEREZ", "JUAN", "CARLOS", "AV. LOS ALAMOS 145 - LIMA", "ASESOR1", 2},
    {6, "10401234565", "QUISPE", "MAMANI", "ROSA", "ELENA", "JR. AYACUCHO 820 - CUSCO", "ASESOR1", 2},
    {6, "10098765439", "RODRIGUEZ", "SALAS", "MIGUEL", "ANGEL", "CALLE LAS BEGONIAS 33 - AREQUIPA", "ASESOR1", 2},
    {6, "10412345679", "FLORES", "", "CARMEN", "", "AV. GRAU 1020 - PIURA", "ASESOR1", 2},
    {6, "10065432108", "NUÑEZ", "CASTAÑEDA", "JOSÉ", "LUIS", "PASAJE LOS OLIVOS 7 - TRUJILLO", "ASESOR1", 2},
    {6, "10433221104", "TORRES", "VEGA", "ANA", "MARIA", "AV. BRASIL 2550 - LIMA", "ASESOR1", 2},
    {6, "10087654325", "MENDOZA", "RIOS", "PEDRO", "", "JR. LIMA 410 - HUANCAYO", "ASESOR1", 2},
    {6, "10455667785", "CHAVEZ", "LOPEZ", "LUCIA", "", "CALLE REAL 99 - ICA", "ASESOR1", 2},
    {6, "10023456783", "VARGAS", "HUAMAN", "JORGE", "ENRIQUE", "AV. ARENALES 1800 - LIMA", "SUPERV", 2},
    {6, "10477889901", "RAMIREZ", "SOTO", "ELENA", "", "JR. PUNO 230 - PUNO", "SUPERV", 2},
    {6, "10034567897", "DIAZ", "CRUZ", "RAUL", "", "AV. ESPAÑA 640 - TRUJILLO", "SUPERV", 2},
    {6, "10444556671", "SANCHEZ", "PAREDES", "MONICA", "", "CALLE SUCRE 15 - CHICLAYO", "SUPERV", 2},
    // Taxpayers this form never lists: another kind of income, and a DNI.
    {6, "10466778899", "MORALES", "LEON", "VICTOR", "", "AV. TACNA 500 - LIMA", "ASESOR1", 1},
    {1, "40123456", "ROJAS", "ALVA", "SILVIA", "", "JR. HUALLAGA 12 - LIMA", "ASESOR1", 2},
}};

constexpr std::array<User, 2> kUsers = {{
    {"ASESOR1", "1"},
    {"SUPERV", "0"},
}};

constexpr std::array<SentBox, 9> kGarcia1 = {{
    {"002", "10076543211"},
    {"007", "2002"},
    {"100", "24000"},
    {"501", "24000"},
    {"502", "-4800"},
    {"503", "19200"},
    {"113", "19200"},
    {"871", "0"},
    {"721", "1.0"},
}};

constexpr std::array<SentBox, 9> kGarcia2 = {{
    {"002", "10076543211"},
    {"007", "2002"},
    {"100", "26000"},
    {"501", "26000"},
    {"502", "-5200"},
    {"503", "20800"},
    {"113", "20800"},
    {"871", "1"},
    {"721", "1.0"},
}};

constexpr std::array<SentBox, 6> kVargas = {{
    {"002", "10023456783"},
    {"007", "2002"},
    {"107", "60000"},
    {"507", "-12000"},
    {"508", "48000"},
    {"721", "1.0"},
}};

constexpr std::array<SentReturn, 3> kSentReturns = {{
    {"10076543211", "001", "15/03/2003", "        ", "40721385", "0", kGarcia1},
    {"10076543211", "002", "28/03/2003", "        ", "40722190", "1", kGarcia2},
    {"10023456783", "001", "20/03/2003", "        ", "40721877", "0", kVargas},
}};

// TORRES pays in cash, CHAVEZ by a cheque of bank 02 and rectifies.
constexpr std::array<SentBox, 16> kTorres = {{
    {"002", "10433221104"}, {"007", "2002"}, {"100", "48000"}, {"501", "48000"}, {"502", "-9600"},
    {"503", "38400"},       {"113", "38400"}, {"146", "1250"}, {"180", "1250"},  {"598", "1250"},
    {"871", "0"},           {"896", "0"},    {"897", "0"},    {"898", "0"},     {"899", "0"},
    {"721", "1.0"},
}};

constexpr std::array<SentBox, 16> kChavez = {{
    {"002", "10455667785"}, {"007", "2002"}, {"100", "84000"}, {"501", "84000"}, {"502", "-16800"},
    {"503", "67200"},       {"113", "67200"}, {"146", "3480"}, {"180", "3480"},  {"598", "3480"},
    {"871", "1"},           {"896", "0"},    {"897", "0"},    {"898", "0"},     {"899", "0"},
    {"721", "1.0"},
}};

constexpr std::array<SavedSample, 2> kSavedSamples = {{
    {"10433221104", "02/04/2003", " ", " ", "1250", "0", 0, kTorres},
    {"10455667785", "03/04/2003", "02", "00458712", "3480", "1", 0, kChavez},
}};

// The tables that the host sends for this form: 13 fields, each ended by "|".
constexpr std::array<std::string_view, 4> kSendTables = {{
    "1|CAB|CAB0917|TXT|1|1|1|2|3|4|5|0|6|",
    "2|DET|DET0917|TXT|2|1|1|2|3|4|5|0|6|",
    "3|F0917PATRIM|PAT0917|TXT|3|0|1|2|3|4|0|0|0|",
    "4|HF0917PATRIM| |TXT|4|0|1|2|3|4|0|0|0|",
}};


}  // namespace

std::span<const ParamRow> ParamRows() {
  static const std::vector<ParamRow> rows = BuildParams();
  return rows;
}

std::span<const Taxpayer> Taxpayers() { return kTaxpayers; }
std::span<const User> Users() { return kUsers; }
std::span<const SentReturn> SentReturns() { return kSentReturns; }
std::span<const SavedSample> SavedSamples() { return kSavedSamples; }
std::span<const std::string_view> SendTableLines() { return kSendTables; }
std::string_view HelpText() { return kTextoAyuda; }

}  // namespace dexlora
