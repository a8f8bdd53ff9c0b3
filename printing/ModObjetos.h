//===- ModObjetos.h - Previewing or printing a report file ---------------===//
#pragma once

#include <string>

namespace ModObjetos {

/// Shows the report `archivo` (a file name of the report folder) in a new
/// preview window until the user leaves it, when `modo` is "Vprevia", within
/// the page range when RangoPaginas is set; prints it whole otherwise.
void VistaPrevia(const std::string& archivo, const std::string& modo);

}  // namespace ModObjetos
