//===- SampleInstallation.h - What the host installs, in one folder -----===//
//
// The host program installs the database, the settings file, the workgroup
// file and the folders that the three programs share. This creates the same
// in one folder DIR, laid out so that scripts can rely on it:
//
//   DIR/WINDOWS/KR000.INI    the settings file (WINDIR points here)
//   DIR/KR/                  the program folder: SysPath and DBPath
//   DIR/KR/KR000.MDW         the workgroup file, with the programs' account
//   DIR/KR/KR000.DB          the database: the host's tables and rows
//   DIR/KR/RPT, TMP, BMP, ENV
//   DIR/KR/TMP/env917.txt    the host's list of tables to send
//   DIR/KR/0917/KR917        the help file
//
// Each piece is made only when it is missing, so running it again on an
// existing installation changes nothing.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace dexlora {

/// Where the pieces of an installation lie, as native paths.
struct SampleLayout {
  std::string Root;
  std::string WindowsFolder;
  std::string ProgramFolder;
  std::string Settings;
  std::string Workgroup;
  std::string Database;
  std::string SendTables;
  std::string HelpFile;
};

/// The layout of an installation in `dir` (made absolute).
SampleLayout LayoutOf(std::string_view dir);

/// Creates whatever of the installation is missing in `dir` and answers its layout.
SampleLayout CreateSampleInstallation(std::string_view dir);

}  // namespace dexlora
