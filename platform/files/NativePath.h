//===- NativePath.h - The program's paths at the operating-system boundary -===//
//
// The program builds its paths the Windows way, with backslashes, from
// folders it read from its settings (`RutaSistema & "RPT\" & name`). They stay
// like that inside the program; only here, just before the operating system
// sees them, are they turned into native paths. Windows finds a file whatever
// the case of its name, so a component that does not exist as spelled is
// looked up ignoring case in its folder.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <string_view>

namespace vb {

/// The native path of a program path: each "\" becomes "/", and each
/// component that does not exist with its exact case is replaced by the entry
/// of its folder that matches it ignoring case (accented letters included; of
/// several such entries the first in byte order). From the first component
/// that matches nothing on, the rest stays as written, so a file about to be
/// created keeps its given name. A relative path stays relative to the
/// current folder.
std::string NativePath(std::string_view path);

/// True when two file names are equal ignoring case, as Windows compares them.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vb
