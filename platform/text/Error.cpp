#include "platform/text/Error.h"

#include <map>

namespace vb {
namespace {

const std::map<int, std::string> kTexts{
    {3, "Return sin GoSub"},
    {5, "Llamada a procedimiento o argumento no válidos"},
    {6, "Desbordamiento"},
    {7, "Memoria insuficiente"},
    {9, "El subíndice está fuera del intervalo"},
    {11, "División por cero"},
    {13, "No coinciden los tipos"},
    {52, "Nombre o número de archivo incorrecto"},
    {53, "No se ha encontrado el archivo"},
    {54, "Modo de archivo incorrecto"},
    {55, "El archivo ya está abierto"},
    {57, "Error de E/S de dispositivo"},
    {58, "El archivo ya existe"},
    {61, "Disco lleno"},
    {62, "La entrada pasa del final del archivo"},
    {67, "Demasiados archivos"},
    {70, "Permiso denegado"},
    {74, "No se puede cambiar nombre con una unidad diferente"},
    {75, "Error de acceso a la ruta o el archivo"},
    {76, "No se ha encontrado la ruta de acceso"},
    {91, "Variable de tipo Object o la variable de bloque With no está establecida"},
    {94, "Uso no válido de Null"},
    {380, "El valor de la propiedad no es válido"},
    {482, "Error de impresora"},
    {20545, "Se canceló la impresión"},
};

}  // namespace

Error::Error(int number, std::string description)
    : std::runtime_error(description), Number_(number), Description_(std::move(description)) {}

Error::Error(int number) : Error(number, ErrorText(number)) {}

std::string ErrorText(int number) {
  auto it = kTexts.find(number);
  if (it != kTexts.end()) return it->second;
  return "Error definido por la aplicación o el objeto";
}

void Raise(int number) { throw Error(number); }

void Raise(int number, const std::string& description) { throw Error(number, description); }

}  // namespace vb
