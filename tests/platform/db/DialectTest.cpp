// The Jet dialect as the system writes it: each rule and each statement the
// system's code builds, run on a small copy of the host's tables.
#include <gtest/gtest.h>

#include "platform/db/Quote.h"
#include "tests/platform/db/DbTestSupport.h"

namespace dao::testing {
namespace {

// `text` placed at 1-based positions of a line of `width` blanks.
std::string Slices(int width, std::initializer_list<std::pair<int, std::string>> parts) {
  std::string line(static_cast<std::size_t>(width), ' ');
  for (const auto& [position, text] : parts) line.replace(static_cast<std::size_t>(position - 1), text.size(), text);
  return line;
}

class Dialect : public DbTest {
 protected:
  Dialect() {
    Run({
        "CREATE TABLE PARAM ([Numero] Text(3), [Argumento] Text(20), [Funcion] Text(255), [Correl_Param] Text(3))",
        "CREATE TABLE CONT (tip_doc_d Byte, Doc_id_d Text(15), NOMBRE Text(60), Direccion Text(60), "
        "Apellido_p Text(30), Apellido_m Text(30), Nombre_1 Text(30), nombre_2 Text(30), USUARIO Text(20), "
        "Tipo_Ingreso Byte)",
        "CREATE TABLE CLAVES (Usuario Text(20), Tipo Text(1))",
        "CREATE TABLE CAB (Doc_id_d Text(15), tip_doc_d Byte, PERIODO Text(6), Formulario Text(4), Semana Short, "
        "fec_pro Text(10), estado Byte, rectifica Text(1), cNumero Text(6))",
        "CREATE TABLE HCAB (Doc_id_d Text(15), tip_doc_d Byte, PERIODO Text(6), Formulario Text(4), Semana Short, "
        "correl Text(3), fec_env DateTime, norden Text(8), control Text(8), estado Byte, rectifica Text(1), "
        "cNumero Text(6))",
        "CREATE TABLE DET (Doc_id_d Text(15), tip_doc_d Byte, PERIODO Text(6), Formulario Text(4), Semana Short, "
        "Casilla Text(3), i_valor Text(60), idcasilla Text(2), estado Byte, cNumero Text(6))",
        "CREATE TABLE HDET (Doc_id_d Text(15), tip_doc_d Byte, PERIODO Text(6), Formulario Text(4), Semana Short, "
        "Correl Text(3), Casilla Text(3), i_valor Text(60), idcasilla Text(2), estado Byte, cNumero Text(6))",
        "CREATE TABLE SPOOL (CodRep Text(6), Secuencia Text(6), Archivo Text(12), Fecha DateTime, Usuario Text(20), "
        "tip_doc_d Byte, Doc_id_d Text(15))",
        "CREATE TABLE TMPF0917PATRIM ([tip_informacion] Text (2), [tip_movimiento1] Text (2), "
        "[tip_movimiento2] Text (2), [ind_moneda] Text (3), [des_movimiento2] Text (40))",
        "CREATE TABLE UNO (t Text(20), n Long, d Double, z Text(5), f DateTime, b YesNo)",
    });
    Db->TableDefs("PARAM")->Fields("Correl_Param").SetAllowZeroLength(true);
    const std::string ruc = Slices(130, {{1, "REG. UNICO DE CONTRIBUYENTES"}, {32, "RUC"}, {46, "11"},
                                         {49, "000110"}, {56, "01"}, {59, "000001000001100111011111"},
                                         {126, "0"}, {128, "5"}, {130, "1"}});
    const std::string dni = Slices(130, {{1, "DOC. NACIONAL DE IDENTIDAD"}, {32, "DNI"}, {46, "08"}, {56, "02"},
                                         {59, "000000000000000000000010"}, {128, "5"}, {130, "1"}});
    const std::string ce = Slices(130, {{1, "CARNET DE EXTRANJERIA"}, {32, "CE"}, {46, "12"}, {56, "03"},
                                        {59, "000000000000000000000000"}, {128, "0"}, {130, "0"}});
    const std::string bank = Slices(49, {{1, "BANCO DE CREDITO DEL PERU"}, {38, "BCP"}});
    const struct {
      const char* Numero;
      const char* Argumento;
      std::string Funcion;
    } params[] = {
        {"004", "00", "NINGUNO"},         {"004", "02", bank},          {"044", "6", ruc},
        {"044", "1", dni},                {"044", "4", ce},             {"979", "01", "ABOGADO"},
        {"979", "02", "ACTOR"},           {"979", "61", "archivero"},   {"979", "09", "ARQUITECTO"},
        {"979", "00", "NO ESPECIFICADA"}, {"404", "20010101", "3000"},  {"404", "20020101", " 3100 "},
        {"404", "20030101", "3200"},      {"998", "020702 200001", " 18.00"},
        {"998", "020702 200112", " 19"},  {"998", "020702 200201", " 20"},
    };
    for (const auto& p : params) {
      Db->Execute("INSERT INTO PARAM VALUES (" + Quote(p.Numero) + ", " + Quote(p.Argumento) + ", " +
                  Quote(p.Funcion) + ", '')");
    }
    Run({
        "INSERT INTO CONT VALUES (6, '20100000001', 'GARCIA PEREZ JUAN', 'AV. LIMA 1', 'GARCIA', 'PEREZ', 'JUAN', "
        "Null, 'JUAN', 2)",
        "INSERT INTO CONT VALUES (6, '10200000002', 'QUISPE ROSA', 'JR. CUZCO 2', 'QUISPE', Null, 'ROSA', 'MARIA', "
        "'ana', 2)",
        "INSERT INTO CONT VALUES (6, '10300000003', 'EMPRESA SAC', Null, 'EMPRESA', Null, Null, Null, 'JUAN', 1)",
        "INSERT INTO CONT VALUES (1, '12345678', 'PERSONA DNI', Null, 'LOPEZ', Null, 'LUIS', Null, 'JUAN', 2)",
        "INSERT INTO CLAVES VALUES ('JUAN', '1')",
        "INSERT INTO CLAVES VALUES ('ANA', '0')",
        "INSERT INTO CAB VALUES ('20100000001', 6, '2001', '0917', 0, '15/03/2002', 0, '0', '000000')",
        "INSERT INTO CAB VALUES ('20100000001', 6, '2002', '0917', 0, '31/12/2002', 0, '0', '000000')",
        "INSERT INTO CAB VALUES ('10200000002', 6, '2002', '0917', 0, '02/01/2003', 9, '1', '000000')",
        "INSERT INTO HCAB VALUES ('20100000001', 6, '2002', '0917', 0, '001', #01/15/2003#, '00001234', "
        "'12345678', 1, '0', '000000')",
        "INSERT INTO HCAB VALUES ('20100000001', 6, '2002', '0917', 0, '002', #2003-02-01 10:30#, Null, "
        "'12345679', 0, '1', '000000')",
        "INSERT INTO DET VALUES ('20100000001', 6, '2002', '0917', 0, '100', '1500', '01', 0, '000000')",
        "INSERT INTO DET VALUES ('20100000001', 6, '2002', '0917', 0, '598', '350', '01', 0, '000000')",
        "INSERT INTO HDET VALUES ('20100000001', 6, '2002', '0917', 0, '001', '598', '200', '01', 0, '000000')",
        "INSERT INTO HDET VALUES ('20100000001', 6, '2002', '0917', 0, '002', '598', '300', '01', 0, '000000')",
        "INSERT INTO SPOOL VALUES ('RP0007', '000003', '00000041.PRN', #12/01/2002#, 'JUAN', 6, '20100000001')",
        "INSERT INTO SPOOL VALUES ('RP0006', '000007', '00000040.PRN', #12/02/2002#, 'JUAN', 6, '20100000001')",
        "INSERT INTO TMPF0917PATRIM VALUES ('01', '01', '01', '001', 'AHORROS')",
        "INSERT INTO TMPF0917PATRIM VALUES ('01', '01', '02', '002', 'CORRIENTE')",
        "INSERT INTO TMPF0917PATRIM VALUES ('02', '01', '01', '001', 'PREDIO')",
        "INSERT INTO UNO VALUES ('  Peña Díaz ', 1234, 3.5, Null, #12/31/2002#, True)",
    });
  }
};

struct QueryCase {
  const char* Sql;
  std::vector<std::string> Expected;
};

class DialectCases : public Dialect {
 protected:
  void ExpectRows(const std::vector<QueryCase>& cases) {
    for (const QueryCase& c : cases) {
      SCOPED_TRACE(c.Sql);
      try {
        EXPECT_EQ(Rows(c.Sql), c.Expected);
      } catch (const vb::Error& e) {
        ADD_FAILURE() << e.Number() << " " << e.Description();
      }
    }
  }
};

// The statements the system's code builds, with the values it puts in them.
TEST_F(DialectCases, SystemQueriesGiveTheirRows) {
  const std::string bankName = Slices(36, {{1, "BANCO DE CREDITO DEL PERU"}});
  const std::string rucName = Slices(30, {{1, "REG. UNICO DE CONTRIBUYENTES"}});
  const std::string dniName = Slices(30, {{1, "DOC. NACIONAL DE IDENTIDAD"}});
  const std::vector<QueryCase> cases = {
      // LeeTasa, LeeUit: periods compared as texts ("200112" <= "2002", "200201" is not).
      {"SELECT MID(ARGUMENTO,8,6) AS PER, mid(FUNCION,2,6) AS IGV FROM PARAM WHERE numero='998' AND "
       "MID(ARGUMENTO,8,6)<= '2002' AND MID(ARGUMENTO,1,6)='020702' order by MID(ARGUMENTO,8,6)",
       {"200001|18.00", "200112|19"}},
      {"SELECT MID(ARGUMENTO,1,4) AS PER, trim(FUNCION) AS UIT FROM PARAM WHERE numero='404' AND "
       "MID(ARGUMENTO,1,4)<= '2002' order by MID(ARGUMENTO,1,4)",
       {"2001|3000", "2002|3100"}},
      // DescripcionDocumento, LongitudDocumento, DescripcionParam.
      {" Select mid(Param.Funcion,1,30) as DescDoc From Param Where Numero='044' AND Argumento='6'", {rucName}},
      {" Select mid(Param.Funcion,32,11) as DescDoc From Param Where Numero='044' AND Argumento='6'",
       {"RUC        "}},
      {" Select mid(Param.Funcion,46,2) as LenDoc From Param Where Numero='044' AND Argumento='6'", {"11"}},
      {" Select Argumento,mid(Funcion, 1,36) as Func From Param  Where Numero = '004' and Argumento ='02'",
       {"02|" + bankName}},
      // The list fillers: Order By 2 orders by the description ignoring case, Order By 1 by the code.
      {" Select Argumento,mid(Funcion, 1,60) as Func From Param  Where Numero = '979' and Argumento Like '*' "
       "Order By 2",
       {"01|ABOGADO", "02|ACTOR", "61|archivero", "09|ARQUITECTO", "00|NO ESPECIFICADA"}},
      {" Select Argumento,mid(Funcion, 1,40) as Func From Param  Where Numero = '979' and Argumento Like '0*' "
       "Order By 1",
       {"00|NO ESPECIFICADA", "01|ABOGADO", "02|ACTOR", "09|ARQUITECTO"}},
      // LlenaTiposDocumento.
      {" SELECT format(trim(Par1.Argumento),'00') as Codigo,mid(Par1.Funcion,1,30) as TipoDoc, "
       "mid(Par1.Funcion,46,2) as LenDoc , mid(Par1.Funcion,128,1) as TipoDato, mid(Par1.Funcion,130,1) as "
       "TipoLongitud FROM Param as Par1  WHERE Par1.Numero = '044' and mid(Funcion,81,1)='1'  Order By "
       "mid(Funcion,56,2)",
       {"06|" + rucName + "|11|5|1", "01|" + dniName + "|08|5|1"}},
      // TipoUsuario: the user name compared ignoring case.
      {"SELECT * FROM CLAVES WHERE Usuario='juan'", {"JUAN|1"}},
      // SqlDeclarantes, with the length condition, for a user of type 1 and of type 0.
      {" SELECT * FROM CONT  WHERE Tip_doc_d=6  AND len(trim(Doc_id_d))=11  AND Tipo_Ingreso=2  AND Usuario "
       "='JUAN' Order by Tip_doc_d, doc_id_d ",
       {"6|20100000001|GARCIA PEREZ JUAN|AV. LIMA 1|GARCIA|PEREZ|JUAN|Null|JUAN|2"}},
      {" SELECT * FROM CONT  WHERE Tip_doc_d=6  AND len(trim(Doc_id_d))=11  AND Tipo_Ingreso=2  ORDER BY "
       "Tip_doc_d, doc_id_d ",
       {"6|10200000002|QUISPE ROSA|JR. CUZCO 2|QUISPE|Null|ROSA|MARIA|ana|2",
        "6|20100000001|GARCIA PEREZ JUAN|AV. LIMA 1|GARCIA|PEREZ|JUAN|Null|JUAN|2"}},
      // RegistraSpool: maxima over texts; Null for a code without rows.
      {"SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = 'RP0006'", {"000007"}},
      {"SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = 'RP9999'", {"Null"}},
      {"SELECT max(left(Archivo,8)) as SecRep FROM SPOOL", {"00000041"}},
      // The saved-returns and sent-returns lists.
      {"SELECT A.DOC_ID_D, B.NOMBRE, mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODO, A.FORMULARIO, "
       "a.estado,a.semana FROM CAB AS A, CONT AS B WHERE A.DOC_ID_D=B.DOC_ID_D AND A.FORMULARIO= '0917' and "
       "B.USUARIO='JUAN' ORDER BY A.DOC_ID_D ASC, A.PERIODO DESC, A.FORMULARIO ASC",
       {"20100000001|GARCIA PEREZ JUAN|2002|0917|0|0", "20100000001|GARCIA PEREZ JUAN|2001|0917|0|0"}},
      {"SELECT A.DOC_ID_D, B.NOMBRE, a.fec_env, mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO, "
       "A.FORMULARIO,a.correl,a.norden,a.control,a.estado,a.rectifica,a.semana FROM HCAB AS A, CONT AS B WHERE "
       "A.DOC_ID_D=B.DOC_ID_D AND A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND A.FORMULARIO='0917' and a.estado=1 "
       "ORDER BY A.DOC_ID_D ASC",
       {"20100000001|GARCIA PEREZ JUAN|15/01/2003|2002|0917|001|00001234|12345678|1|0|0"}},
      {"SELECT A.DOC_ID_D, B.NOMBRE, A.PERIODO, A.FORMULARIO, A.NORDEN, A.FEC_ENV, A.CONTROL, A.CORREL, "
       "A.RECTIFICA,a.semana,mid$(A.PERIODO,5,2) & mid$(A.PERIODO,1,4) as PERIODOf FROM HCAB AS A, CONT AS B "
       "WHERE A.DOC_ID_D=B.DOC_ID_D AND A.TIP_DOC_D=6 AND B.TIP_DOC_D=6 AND A.FORMULARIO='0917' ORDER BY "
       "A.DOC_ID_D ASC, A.PERIODO",
       {"20100000001|GARCIA PEREZ JUAN|2002|0917|00001234|15/01/2003|12345678|001|0|0|2002",
        "20100000001|GARCIA PEREZ JUAN|2002|0917|Null|01/02/2003 10:30:00|12345679|002|1|0|2002"}},
      // The lookup window.
      {"SELECT MID(ARGUMENTO,1,2) as codigo,mid(FUNCION,1,36) as descrip FROM PARAM WHERE NUMERO='004' AND "
       "TRIM(ARGUMENTO)<> '00'",
       {"02|" + bankName}},
      {"SELECT MID(ARGUMENTO,7,2) &  MID(ARGUMENTO,5,2) & MID(ARGUMENTO,1,4) as codigo,  VAL(trim(FUNCION)) as "
       "Descrip FROM PARAM WHERE NUMERO='404' ORDER BY argumento desc  ",
       {"01012003|3200", "01012002|3100", "01012001|3000"}},
      // Loading and printing a return; the summary program's name lookup (no blank before "and").
      {"SELECT CASILLA, I_VALOR FROM DET WHERE DOC_ID_D='20100000001' AND PERIODO='2002' AND SEMANA=0 AND "
       "FORMULARIO='0917'",
       {"100|1500", "598|350"}},
      {"SELECT  I_VALOR FROM hDET WHERE DOC_ID_D='20100000001' AND PERIODO='2002' AND FORMULARIO='0917' AND "
       "SEMANA=0 AND CORREL='002' AND CASILLA='598'",
       {"300"}},
      {"Select * from  cab  WHERE DOC_ID_D='10200000002' AND PERIODO='2002' AND FORMULARIO='0917' AND SEMANA=0 "
       "AND TIP_DOC_D=6",
       {"10200000002|6|2002|0917|0|02/01/2003|9|1|000000"}},
      {"Select nombre from cont where doc_id_d= '20100000001'and tip_doc_d=6", {"GARCIA PEREZ JUAN"}},
      // The schedule windows: the engine cuts the key itself.
      {"SELECT * FROM TMPF0917PATRIM WHERE tip_informacion =Left('0101*',2) AND tip_movimiento1 =Mid('0101*',3,2) ",
       {"01|01|01|001|AHORROS", "01|01|02|002|CORRIENTE"}},
      {"Select count(*) As nReg from TMPF0917PATRIM  WHERE TIP_INFORMACION = '01'  AND TIP_MOVIMIENTO1 = '01' ",
       {"2"}},
      {"SELECT * FROM PARAM WHERE Numero ='044' AND Argumento='9' ", {}},
  };
  ExpectRows(cases);
}

TEST_F(Dialect, SystemActionStatements) {
  Run({
      "DELETE * FROM hDET WHERE DOC_ID_D='20100000001' AND PERIODO='2002' AND FORMULARIO='0917' AND SEMANA=0 "
      "and CORREL ='001' AND TIP_DOC_D=6",
      " DELETE *  FROM TMPF0917PATRIM  WHERE TIP_INFORMACION = '02' ",
      "DELETE FROM TMPF0917PATRIM WHERE tip_informacion =Left('0101*',2) AND tip_movimiento1 =Mid('0101*',3,2) ",
      "Update Param Set Funcion='Nuevos Soles-Perú', Correl_param='001' Where Numero='979' AND Argumento='01'",
      "insert into Param values ('883','040','Won-Corea','040')",
      "Delete from PARAM where Numero='004'",
  });
  EXPECT_EQ(Rows("SELECT Correl, I_VALOR FROM HDET"), std::vector<std::string>{"002|300"});
  EXPECT_EQ(Rows("SELECT count(*) As nReg FROM TMPF0917PATRIM"), std::vector<std::string>{"0"});
  EXPECT_EQ(Rows("SELECT Funcion, Correl_Param FROM PARAM WHERE Numero='979' AND Argumento='01'"),
            std::vector<std::string>{"Nuevos Soles-Perú|001"});
  EXPECT_EQ(Rows("SELECT count(*) FROM PARAM WHERE Numero='883' OR Numero='004'"), std::vector<std::string>{"1"});
}

// One table of Jet text and result per rule, on the one-row table UNO.
TEST_F(Dialect, ExpressionRules) {
  struct Case {
    const char* Expression;
    const char* Expected;
  };
  const Case cases[] = {
      // & joins texts, Null as "", numbers in their VB text; Null & Null stays Null.
      {"t & z & n", "  Peña Díaz 1234"},
      {"z & z", "Null"},
      {"d & ''", "3.5"},
      {"val('18.00') & ''", "18"},
      // The functions, with VB's semantics and their $ forms.
      {"mid(t, 3, 4)", "Peña"},
      {"mid$(t, 8)", "Díaz "},
      {"left(t, 3)", "  P"},
      {"left$(t, 3)", "  P"},
      {"right(t, 4)", "íaz "},
      {"trim(t)", "Peña Díaz"},
      {"ltrim(t)", "Peña Díaz "},
      {"rtrim(t)", "  Peña Díaz"},
      {"len(t)", "12"},
      {"len(z)", "Null"},
      {"val('  12.5abc')", "12.5"},
      {"val('1,234')", "1"},
      {"format(n, '###,###')", "1,234"},
      {"format(3, '00')", "03"},
      {"format(f, 'dd/mm/yyyy')", "31/12/2002"},
      {"iif(n > 1000, 'big', 'small')", "big"},
      {"iif(z, 'a', 'b')", "b"},
      {"ucase(t)", "  PEÑA DÍAZ "},
      {"lcase('ÁRBOL')", "árbol"},
      {"cstr(d)", "3.5"},
      {"clng(2.5)", "2"},
      {"cint(3.5)", "4"},
      {"cdbl('1.5') * 2", "3"},
      {"nz(z, 'none')", "none"},
      {"nz(z)", ""},
      {"instr(t, 'DÍAZ')", "8"},
      {"instr(1, t, 'DÍAZ', 0)", "0"},
      {"str(n)", " 1234"},
      // VB's arithmetic: / always divides, \ and Mod on whole numbers.
      {"7 / 2", "3.5"},
      {"7 \\ 2", "3"},
      {"7 Mod 3", "1"},
      {"-n + 1", "-1233"},
      // True is -1; dates are dates.
      {"True", "-1"},
      {"False", "0"},
      {"b", "True"},
      {"f", "31/12/2002"},
      {"#12/31/2002# = f", "1"},
      {"#2002-12-31# = f", "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Expression);
    try {
      auto rs = Db->OpenRecordset(std::string("SELECT ") + c.Expression + " AS x FROM UNO", dbOpenSnapshot);
      EXPECT_EQ(Show(rs->Fields("x").Value()), c.Expected);
    } catch (const vb::Error& e) {
      ADD_FAILURE() << e.Number() << " " << e.Description();
    }
  }
}

// Null in a query, as the language has it: a function of a text gives Null
// for a Null text; where a number or a text must be given, Null is error 94.
TEST_F(Dialect, NullGoesThroughWhereTheLanguageSaysSo) {
  struct Case {
    const char* Expression;
    const char* Expected;  // nullptr: error 94
  };
  const Case cases[] = {
      {"str(z)", "Null"},
      {"nz('Value is' + str(z), 'No value')", "No value"},
      {"mid(z, 2)", "Null"},
      {"mid(z, 1, 2)", "Null"},
      {"left(z, 1)", "Null"},
      {"right(z, 1)", "Null"},
      {"trim(z)", "Null"},
      {"ltrim(z)", "Null"},
      {"rtrim(z)", "Null"},
      {"ucase(z)", "Null"},
      {"lcase(z)", "Null"},
      {"format(z)", "Null"},
      {"format(z, '00')", "Null"},
      {"instr(z, 'a')", "Null"},
      {"instr(t, z)", "Null"},
      {"instr(1, z, 'a', 1)", "Null"},
      {"z Like '*'", "Null"},
      {"z / 2", "Null"},
      {"7 \\ z", "Null"},
      {"z Mod 3", "Null"},
      {"-z + 1", "Null"},
      {"nz(z, 0) + 1", "1"},
      {"iif(z = 'a', 'a', 'no')", "no"},
      {"max(z)", "Null"},
      {"sum(z)", "Null"},
      {"count(z)", "0"},
      // Where a number or a text is wanted.
      {"val(z)", nullptr},
      {"cstr(z)", nullptr},
      {"clng(z)", nullptr},
      {"cint(z)", nullptr},
      {"cdbl(z)", nullptr},
      {"mid(t, z)", nullptr},
      {"mid(t, 1, z)", nullptr},
      {"left(t, z)", nullptr},
      {"right(t, z)", nullptr},
      {"instr(z, t, 'a')", nullptr},
      {"instr(1, t, 'a', z)", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Expression);
    std::string shown;
    const int error = ErrorNumberOf([&] {
      auto rs = Db->OpenRecordset(std::string("SELECT ") + c.Expression + " AS x FROM UNO", dbOpenSnapshot);
      shown = Show(rs->Fields("x").Value());
    });
    if (c.Expected == nullptr) {
      EXPECT_EQ(error, vb::ErrInvalidNull);
    } else {
      EXPECT_EQ(error, 0);
      EXPECT_EQ(shown, c.Expected);
    }
  }
}

// Like compares as text: a range takes the letters that sort between its
// ends, an accented one after its plain letter; "[]" is the empty text.
TEST_F(Dialect, LikeRangesFollowTheTextOrder) {
  struct Case {
    const char* Value;
    const char* Pattern;
    bool Matches;
  };
  const Case cases[] = {
      // "[]" is the empty text.
      {"ab", "a[]b", true},
      {"ab", "ab[]", true},
      {"ab", "[]ab", true},
      {"ab", "*[]b", true},
      {"", "[]", true},
      {"ab", "a[]", false},
      {"a", "[]", false},
      // [A-E] takes A, a, À, à, B, b, E, e; not Ê or ê.
      {"A", "[A-E]", true},
      {"a", "[A-E]", true},
      {"À", "[A-E]", true},
      {"à", "[A-E]", true},
      {"B", "[A-E]", true},
      {"b", "[A-E]", true},
      {"E", "[A-E]", true},
      {"e", "[A-E]", true},
      {"Ê", "[A-E]", false},
      {"ê", "[A-E]", false},
      // An accented letter sorts right after its own (é before f), and ñ between n and o.
      {"é", "[A-F]", true},
      {"ê", "[!A-E]", true},
      {"à", "[!A-E]", false},
      {"ñ", "[m-o]", true},
      {"ñ", "[a-n]", false},
      {"peña", "pe[m-o]a", true},
      {"5", "[0-9]", true},
      // A set outside a range still tells the accent, but not the case.
      {"á", "[a]", false},
      {"Á", "[á]", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Value) + " Like " + c.Pattern);
    auto rs =
        Db->OpenRecordset("SELECT " + Quote(c.Value) + " Like " + Quote(c.Pattern) + " AS x FROM UNO", dbOpenSnapshot);
    EXPECT_EQ(Show(rs->Fields("x").Value()), c.Matches ? "-1" : "0");
  }
}

TEST_F(DialectCases, ConditionRules) {
  const std::vector<QueryCase> cases = {
      // Like: * any text, ? one character, # a digit, [..] a set, [!..] its complement, case ignored.
      {"SELECT Argumento FROM PARAM WHERE Argumento Like '0207*'", {"020702 200001", "020702 200112", "020702 200201"}},
      {"SELECT Argumento FROM PARAM WHERE Numero='979' AND Argumento Like '?1'", {"01", "61"}},
      {"SELECT Argumento FROM PARAM WHERE Numero='044' AND Argumento Like '#'", {"6", "1", "4"}},
      {"SELECT Argumento FROM PARAM WHERE Numero='979' AND Argumento Like '[0-1]*'", {"01", "02", "09", "00"}},
      {"SELECT Argumento FROM PARAM WHERE Numero='979' AND Argumento Like '[!0]*'", {"61"}},
      {"SELECT Doc_id_d FROM CONT WHERE NOMBRE Like 'garcia*'", {"20100000001"}},
      {"SELECT Doc_id_d FROM CONT WHERE NOMBRE Not Like '*u*' AND tip_doc_d = 6", {"10300000003"}},
      // Text comparisons and names ignore case; numbers compare with numeric columns unquoted.
      {"SELECT doc_id_d FROM cont WHERE usuario = 'Ana'", {"10200000002"}},
      {"SELECT DOC_ID_D FROM CONT WHERE Tipo_Ingreso=1", {"10300000003"}},
      {"SELECT [Numero], [Param].[Argumento] FROM [Param] WHERE [Numero]='004' ORDER BY 2", {"004|00", "004|02"}},
      {"SELECT B.Doc_id_d FROM CONT B WHERE B.tip_doc_d = 1", {"12345678"}},
      // IN, BETWEEN, IS NULL, a subquery; True as -1 in a comparison.
      {"SELECT Usuario FROM CLAVES WHERE Usuario IN ('ana', 'PEDRO')", {"ANA"}},
      {"SELECT Doc_id_d FROM CONT WHERE Doc_id_d BETWEEN '10' AND '11' ", {"10200000002", "10300000003"}},
      {"SELECT Doc_id_d FROM CONT WHERE Apellido_m IS NULL AND tip_doc_d = 6 ORDER BY 1 DESC",
       {"10300000003", "10200000002"}},
      {"SELECT Doc_id_d FROM CONT WHERE USUARIO IN (SELECT Usuario FROM CLAVES WHERE Tipo = '0')", {"10200000002"}},
      {"SELECT n FROM UNO WHERE b = True AND NOT (b = False)", {"1234"}},
      // Dates compare as dates.
      {"SELECT correl FROM HCAB WHERE fec_env >= #01/20/2003#", {"002"}},
      {"SELECT correl FROM HCAB WHERE fec_env < #2003-01-20#", {"001"}},
      // Joins in Jet's parentheses, INNER and LEFT.
      {"SELECT A.Doc_id_d, C.Tipo FROM (CAB AS A INNER JOIN CONT AS B ON A.Doc_id_d = B.Doc_id_d) LEFT JOIN "
       "CLAVES AS C ON B.USUARIO = C.Usuario WHERE A.PERIODO = '2002' ORDER BY A.Doc_id_d",
       {"10200000002|0", "20100000001|1"}},
      {"SELECT B.Doc_id_d, A.PERIODO FROM CONT AS B LEFT JOIN CAB AS A ON A.Doc_id_d = B.Doc_id_d WHERE "
       "B.tip_doc_d = 1",
       {"12345678|Null"}},
      // Grouping and ordering by an expression.
      {"SELECT Numero, count(*) AS nReg FROM PARAM GROUP BY Numero HAVING count(*) > 2 ORDER BY count(*) DESC, "
       "Numero",
       {"979|5", "044|3", "404|3", "998|3"}},
      {"SELECT DISTINCT tip_doc_d FROM CONT ORDER BY tip_doc_d", {"1", "6"}},
      {"SELECT * FROM CLAVES ORDER BY 2 DESC, 1", {"JUAN|1", "ANA|0"}},
  };
  ExpectRows(cases);
}

TEST_F(Dialect, TextOrderIgnoresCaseAndPutsAccentsAfterTheirLetter) {
  Run({"CREATE TABLE W (w Text(10))"});
  for (const char* w : {"O", "ña", "NZ", "árbol", "Arbol", "b", "A", "peña", "PENA"}) {
    Db->Execute("INSERT INTO W VALUES (" + Quote(w) + ")");
  }
  EXPECT_EQ(Rows("SELECT w FROM W ORDER BY w"),
            (std::vector<std::string>{"A", "Arbol", "árbol", "b", "NZ", "ña", "O", "PENA", "peña"}));
  EXPECT_EQ(Rows("SELECT w FROM W WHERE w = 'PEÑA'"), std::vector<std::string>{"peña"});
  EXPECT_EQ(Rows("SELECT w FROM W WHERE w = 'ARBOL'"), std::vector<std::string>{"Arbol"});
  EXPECT_EQ(Rows("SELECT w FROM W WHERE ucase(w) Like 'ÁR*'"), std::vector<std::string>{"árbol"});
}

TEST_F(Dialect, FieldsAreNamedAsJetNamesThem) {
  auto rs = Db->OpenRecordset("SELECT A.DOC_ID_D, mid(A.PERIODO, 1, 2), count(*) As nReg, A.PERIODO & '' FROM CAB AS A "
                              "GROUP BY A.DOC_ID_D, A.PERIODO");
  std::vector<std::string> names;
  for (int i = 0; i < rs->Fields().Count(); ++i) names.push_back(rs->Fields(i).Name());
  EXPECT_EQ(names, (std::vector<std::string>{"DOC_ID_D", "Expr1000", "nReg", "Expr1001"}));
  EXPECT_EQ(Show(rs->Fields("nreg").Value()), "1");
}

TEST_F(Dialect, StatementErrors) {
  struct Case {
    const char* Sql;
    int Error;
  };
  const Case cases[] = {
      {"SELECT * FROM PARAM;", 0},
      {"SELECT * FROM PARAM; DROP TABLE PARAM", ErrTextAfterStatement},
      {"SELECT * FROM PARAM WHERE Numero = '004' --'", ErrSyntax},
      {"SELECT * FROM PARAM WHERE Numero = '004", ErrSyntax},
      {"SELECT * FROM PARAM WHERE", ErrSyntax},
      {"SELECT * FROM PARAM WHERE Numero = #13/45/2002#", ErrSyntax},
      {"SELECT foo(Numero) FROM PARAM", ErrUndefinedFunction},
      {"SELECT mid(Numero) FROM PARAM", ErrSyntax},
      {"SELECT * FROM NOHAY", ErrNoSuchTable},
      {"SELECT NoHay FROM PARAM", ErrTooFewParameters},
      {"SELECT val(z) FROM UNO", vb::ErrInvalidNull},
      {"SELECT 1 / 0 FROM UNO", vb::ErrDivisionByZero},
      // The smallest Long has no quotient by -1: VB's overflow, never the processor's trap.
      {"SELECT -2147483648 \\ -1 FROM UNO", vb::ErrOverflow},
      {"SELECT -2147483648 Mod -1 FROM UNO", vb::ErrOverflow},
      {"SELECT -2147483647 \\ -1 FROM UNO", 0},
      {"SELECT mid(t, 0) FROM UNO", vb::ErrInvalidCall},
      {"EXPLAIN SELECT 1", ErrInvalidStatement},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Sql);
    EXPECT_EQ(ErrorNumberOf([&] { Rows(c.Sql); }), c.Error);
  }
  // Nesting without end is too complex, never a stack spent.
  const auto nested = [](const std::string& open, int depth, const std::string& close) {
    std::string sql = "SELECT ";
    for (int i = 0; i < depth; ++i) sql += open;
    sql += "1";
    for (int i = 0; i < depth; ++i) sql += close;
    return sql + " FROM UNO";
  };
  EXPECT_EQ(ErrorNumberOf([&] { Rows(nested("(", 60, ")")); }), 0);
  EXPECT_EQ(ErrorNumberOf([&] { Rows(nested("(", 100000, ")")); }), ErrQueryTooComplex);
  EXPECT_EQ(ErrorNumberOf([&] { Rows(nested("NOT ", 100000, "")); }), ErrQueryTooComplex);
  EXPECT_EQ(ErrorNumberOf([&] { Rows(nested("-", 100000, "")); }), ErrQueryTooComplex);
  EXPECT_EQ(ErrorNumberOf([&] { Rows(nested("(SELECT ", 100000, " FROM UNO)")); }), ErrQueryTooComplex);
  EXPECT_EQ(ErrorNumberOf([&] { Rows("SELECT * FROM " + std::string(100000, '(') + "UNO" + std::string(100000, ')')); }),
            ErrQueryTooComplex);
  const Case actions[] = {
      {"SELECT * FROM PARAM", ErrExecuteSelect},
      {"INSERT INTO CLAVES VALUES ('X')", ErrValueCount},
      {"INSERT INTO CLAVES (Usuario, Clave) VALUES ('X', 'Y')", ErrUnknownInsertField},
      {"INSERT INTO NOHAY VALUES ('X')", ErrNoSuchTable},
      {"UPDATE CLAVES SET Clave = 'x'", ErrTooFewParameters},
      {"DELETE FROM CLAVES WHERE Usuario = 'ANA'; DELETE FROM CLAVES", ErrTextAfterStatement},
  };
  for (const Case& c : actions) {
    SCOPED_TRACE(c.Sql);
    EXPECT_EQ(ErrorNumberOf([&] { Db->Execute(c.Sql); }), c.Error);
  }
  EXPECT_EQ(Rows("SELECT count(*) FROM CLAVES"), std::vector<std::string>{"2"});
}

// A statement met again with other values is bound, not translated again, and gives the new values' rows.
TEST_F(Dialect, RepeatedShapesBindTheirOwnValues) {
  for (const char* user : {"JUAN", "ana", "NADIE", "Juan"}) {
    auto rs = Db->OpenRecordset("SELECT Tipo FROM CLAVES WHERE Usuario=" + Quote(user));
    std::string expected = std::string(user) == "NADIE" ? "" : (std::string(user) == "ana" ? "0" : "1");
    EXPECT_EQ(rs->EOF_() ? "" : Show(rs->Fields("Tipo").Value()), expected) << user;
  }
  EXPECT_EQ(Rows("SELECT Argumento FROM PARAM WHERE Numero='004' ORDER BY 1"), (std::vector<std::string>{"00", "02"}));
  EXPECT_EQ(Rows("SELECT Argumento, Funcion FROM PARAM WHERE Numero='979' ORDER BY 2")[0], "01|ABOGADO");
  EXPECT_EQ(Rows("SELECT Argumento, Funcion FROM PARAM WHERE Numero='979' ORDER BY 1")[0], "00|NO ESPECIFICADA");
  // A whole number written into the statement is not taken for a text or a
  // fraction in its place.
  for (const auto& [sql, row] : {std::pair{"SELECT left(Usuario, 0) FROM CLAVES WHERE Usuario='JUAN'", ""},
                                 {"SELECT left(Usuario, '2') FROM CLAVES WHERE Usuario='JUAN'", "JU"},
                                 {"SELECT left(Usuario, 0.6) FROM CLAVES WHERE Usuario='JUAN'", "J"},
                                 {"SELECT left(Usuario, 0) FROM CLAVES WHERE Usuario='JUAN'", ""}}) {
    EXPECT_EQ(Rows(sql), std::vector<std::string>{row}) << sql;
  }
}

}  // namespace
}  // namespace dao::testing
