//===- SampleData.h - The rows of the sample installation ---------------===//
//
// Realistic host data for a fresh installation: document types, banks, UIT
// values and rates, two users and a dozen taxpayers of theirs, two returns
// saved in KR917 and not sent yet, and a few returns the host has already
// sent. Names and numbers are invented.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace dexlora {

/// One row of the host's reference table PARAM.
struct ParamRow {
  std::string_view Numero;
  std::string_view Argumento;
  std::string Funcion;
};

/// A taxpayer of the host's register CONT.
struct Taxpayer {
  int TipDoc;
  std::string_view DocId;
  std::string_view ApellidoP;
  std::string_view ApellidoM;  // empty: Null in the register
  std::string_view Nombre1;
  std::string_view Nombre2;
  std::string_view Direccion;
  std::string_view Usuario;
  int TipoIngreso;
};

/// A host user of CLAVES.
struct User {
  std::string_view Usuario;
  std::string_view Tipo;
};

/// A box of a saved or sent return.
struct SentBox {
  std::string_view Casilla;
  std::string_view Valor;
};

/// A return the host has sent (HCAB with its HDET rows).
struct SentReturn {
  std::string_view DocId;
  std::string_view Correl;
  std::string_view FecEnv;  // dd/mm/yyyy
  std::string_view NOrden;  // 8 characters, blank until registered
  std::string_view Control;
  std::string_view Rectifica;
  std::string_view Paid;  // paid in cash: HCAB's efectivo column
  std::span<const SentBox> Boxes;
};

/// A return saved in KR917 (CAB with its DET rows), week 0 of 2002.
struct SavedSample {
  std::string_view DocId;
  std::string_view FecPro;  // dd/mm/yyyy
  std::string_view Bank;    // bcolibrad; blank when paid in cash
  std::string_view Cheque;  // nrocheque; blank when paid in cash
  std::string_view Paid;    // the amount, in CAB's cheque or efectivo column
  std::string_view Rectifica;
  int Estado;  // 0 consistent, 9 with inconsistencies
  std::span<const SentBox> Boxes;
};

/// The PARAM rows of the host: groups 044, 004, 404 and 998.
std::span<const ParamRow> ParamRows();
std::span<const Taxpayer> Taxpayers();
std::span<const User> Users();
std::span<const SentReturn> SentReturns();
/// One return paid in cash and one by cheque.
std::span<const SavedSample> SavedSamples();

/// The user that the settings file names (SysUser): a user of type "1".
inline constexpr std::string_view kSettingsUser = "ASESOR1";

/// The host's send-table list for the form, as the host writes it.
std::span<const std::string_view> SendTableLines();

/// The help file of the program: topics by context id.
std::string_view HelpText();

}  // namespace dexlora
