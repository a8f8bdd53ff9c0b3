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

// The returns hold every row that KR917 stores for them: the declarant and
// the period, the rectification and premises answers, the boxes as typed and
// as its formulas compute them, the payment, the names from the register and
// the constant rows.
// clang-format off

// The original and the rectification of GARCIA, who pays the difference.
constexpr SentBox kGarcia1[] = {
    {"002", "10076543211"}, {"007", "2002"}, {"005", "0"}, {"871", "0"}, {"027", "2"},
    {"100", "24000"}, {"501", "24000"}, {"502", "-4800"}, {"503", "19200"}, {"113", "19200"},
    {"513", "19200"}, {"514", "19200"}, {"515", "19200"}, {"518", "19200"},
    {"120", "2880"}, {"516", "2880"}, {"133", "1680"}, {"141", "0"}, {"142", "1200"}, {"146", "1200"},
    {"180", "1200"}, {"598", "1200"}, {"599", "E"},
    {"801", "GARCIA"}, {"802", "PEREZ"}, {"803", "JUAN CARLOS"},
    {"721", "1.0"}, {"896", "0"}, {"897", "0"}, {"898", "0"}, {"899", "0"},
};

constexpr SentBox kGarcia2[] = {
    {"002", "10076543211"}, {"007", "2002"}, {"005", "1"}, {"871", "1"}, {"027", "2"},
    {"100", "26000"}, {"501", "26000"}, {"502", "-5200"}, {"503", "20800"}, {"113", "20800"},
    {"513", "20800"}, {"514", "20800"}, {"515", "20800"}, {"518", "20800"},
    {"120", "3120"}, {"516", "3120"}, {"133", "1680"}, {"141", "0"}, {"142", "1440"}, {"144", "1200"},
    {"146", "240"},
    {"180", "240"}, {"598", "240"}, {"599", "E"},
    {"801", "GARCIA"}, {"802", "PEREZ"}, {"803", "JUAN CARLOS"},
    {"721", "1.0"}, {"896", "0"}, {"897", "0"}, {"898", "0"}, {"899", "0"},
};

// VARGAS, an engineer (occupation 34), billed one client for his work.
constexpr SentBox kVargas[] = {
    {"002", "10023456783"}, {"007", "2002"}, {"005", "0"}, {"871", "0"}, {"027", "2"}, {"025", "34"},
    {"107", "60000"}, {"507", "-12000"}, {"508", "48000"}, {"509", "48000"}, {"510", "48000"},
    {"511", "-21700"}, {"512", "26300"}, {"113", "26300"},
    {"513", "26300"}, {"514", "26300"}, {"515", "26300"}, {"518", "26300"},
    {"822", "ESTUDIO ROCA"}, {"224", "6"}, {"215", "20503128749"}, {"220", "60000"},
    {"120", "3945"}, {"516", "3945"}, {"130", "3000"}, {"141", "0"}, {"142", "945"}, {"146", "945"},
    {"180", "945"}, {"598", "945"}, {"599", "E"},
    {"801", "VARGAS"}, {"802", "HUAMAN"}, {"803", "JORGE ENRIQUE"},
    {"721", "1.0"}, {"896", "0"}, {"897", "0"}, {"898", "0"}, {"899", "0"},
};

// TORRES pays in cash, CHAVEZ by a cheque of bank 02 and rectifies; both
// let their monthly payments of first-category tax count.
constexpr SentBox kTorres[] = {
    {"002", "10433221104"}, {"007", "2002"}, {"005", "0"}, {"871", "0"}, {"027", "2"},
    {"100", "48000"}, {"501", "48000"}, {"502", "-9600"}, {"503", "38400"}, {"113", "38400"},
    {"513", "38400"}, {"514", "38400"}, {"515", "38400"}, {"518", "38400"},
    {"120", "5760"}, {"516", "5760"}, {"133", "4510"}, {"141", "0"}, {"142", "1250"}, {"146", "1250"},
    {"180", "1250"}, {"598", "1250"}, {"599", "E"},
    {"801", "TORRES"}, {"802", "VEGA"}, {"803", "ANA MARIA"},
    {"721", "1.0"}, {"896", "0"}, {"897", "0"}, {"898", "0"}, {"899", "0"},
};

constexpr SentBox kChavez[] = {
    {"002", "10455667785"}, {"007", "2002"}, {"005", "1"}, {"871", "1"}, {"027", "2"},
    {"100", "84000"}, {"501", "84000"}, {"502", "-16800"}, {"503", "67200"}, {"113", "67200"},
    {"513", "67200"}, {"514", "67200"}, {"515", "67200"}, {"518", "67200"},
    {"120", "10080"}, {"516", "10080"}, {"133", "6600"}, {"141", "0"}, {"142", "3480"}, {"146", "3480"},
    {"180", "3480"}, {"598", "3480"}, {"599", "C"}, {"015", "02"}, {"012", "00458712"},
    {"801", "CHAVEZ"}, {"802", "LOPEZ"}, {"803", "LUCIA"},
    {"721", "1.0"}, {"896", "0"}, {"897", "0"}, {"898", "0"}, {"899", "0"},
};

// clang-format on

constexpr std::array<SentReturn, 3> kSentReturns = {{
    {"10076543211", "001", "15/03/2003", "        ", "40721385", "0", "1200", kGarcia1},
    {"10076543211", "002", "28/03/2003", "        ", "40722190", "1", "240", kGarcia2},
    {"10023456783", "001", "20/03/2003", "        ", "40721877", "0", "945", kVargas},
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
