//===- SavedReturns.h - The returns KR917 saved, and 0917SND's command line ===//
//
// The host starts 0917SND for one saved return (a row of CAB) with a command
// line of fixed character positions, counted from 1:
//
//   1-2    not read by the program (two blanks)
//   3-17   the return's document number, left-aligned, blank-filled
//   18-21  the form number
//   22-27  the period: the tax year, then the rest of the stored period,
//          "00" when the period is a year alone
//   28     the week
//   29-36  the NC number, left-aligned, blank-filled
//
//===----------------------------------------------------------------------===//
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/SampleInstallation.h"

namespace dexlora {

/// A row of CAB with its taxpayer's name.
struct SavedReturn {
  int TipDoc = 0;
  std::string DocId;
  std::string Periodo;
  std::string Formulario;
  int Semana = 0;
  std::string Nombre;  // "" when the register has no such taxpayer
};

/// The saved returns of an installation's database, by document number and
/// period. Errors of the database are vb::Error.
std::vector<SavedReturn> ReadSavedReturns(const SampleLayout& layout);

/// The command line above for `saved` and the NC number `nc`; nothing when
/// a value does not fit its positions (a document number over 15
/// characters, a week over 9, an NC number over 8).
std::optional<std::string> SummaryCommandLine(const SavedReturn& saved, std::string_view nc);

}  // namespace dexlora
