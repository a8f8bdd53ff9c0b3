//===- Muestras.h - The sample's returns printed to PDF (make demo) ------===//
#pragma once

#include <string>

namespace kr917 {

/// Starts the program as the host would (the settings file of WINDIR, its
/// database) with the host's window pretended and no display, and prints
/// every return of the print window's two lists through it, sent returns
/// first, as a user would: the row chosen, "&Imprimir". The printer is a PDF
/// file in `carpeta` named after the return (RUC, and "-" and the
/// correlativo for a sent one), each sheet also a PNG (NAME-1.png, ...).
/// Answers the exit status: 1 when a message was shown or nothing printed.
int ImprimeMuestras(int& argc, char** argv, const std::string& carpeta);

}  // namespace kr917
