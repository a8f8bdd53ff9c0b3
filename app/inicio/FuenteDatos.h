//===- FuenteDatos.h - The database that KR917's data sources open -------===//
#pragma once

#include <memory>
#include <string>

namespace dao {
class Database;
}

namespace app {

/// What a data source control of KR917 gets for its DatabaseName (the
/// application's database opener): the program's own connection BaseDatos
/// for RutaBase while it is open, else the file opened anew through the
/// program's engine (its engine errors raised as they come).
std::shared_ptr<dao::Database> AbreFuenteDatos(const std::string& ruta);

}  // namespace app
