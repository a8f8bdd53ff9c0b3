#include "platform/db/JetError.h"

#include <map>

#include "platform/text/Error.h"

namespace dao {
namespace {

const std::map<int, std::string_view> kTexts{
    {3000, "Error reservado (|); no hay ningún mensaje para este error."},
    {3001, "Argumento no válido."},
    {3003, "No se pueden iniciar más transacciones porque hay demasiadas anidadas."},
    {3010, "La tabla '|' ya existe."},
    {3020, "Update o CancelUpdate sin AddNew o Edit."},
    {3021, "No hay ningún registro activo."},
    {3022, "Los cambios solicitados en la tabla no se realizaron correctamente porque crearían valores duplicados "
           "en el índice, clave principal o relación. Cambie los datos en el campo o los campos que contienen datos "
           "duplicados, quite el índice o vuelva a definirlo para permitir entradas duplicadas e inténtelo de nuevo."},
    {3024, "No se pudo encontrar el archivo '|'."},
    {3026, "No hay suficiente espacio en disco."},
    {3027, "No se puede actualizar. La base de datos o el objeto es de sólo lectura."},
    {3028, "No se puede iniciar la aplicación. Falta el archivo de información del grupo de trabajo o está abierto "
           "en modo exclusivo por otro usuario."},
    {3029, "No es una cuenta válida o la contraseña no es correcta."},
    {3033, "No tiene los permisos necesarios para usar el objeto '|'. Pida al administrador del sistema o a la "
           "persona que creó este objeto que le otorgue los permisos adecuados."},
    {3034, "Ha intentado confirmar o deshacer una transacción sin haberla iniciado."},
    {3043, "Error en el disco o en la red."},
    {3044, "'|' no es una ruta válida. Asegúrese de que el nombre de la ruta se ha escrito correctamente y de que "
           "está conectado al servidor en el que reside el archivo."},
    {3051, "El motor de base de datos no puede abrir el archivo '|'. Otro usuario lo tiene abierto en modo "
           "exclusivo o bloqueado, o usted no tiene permiso para ver sus datos."},
    {3058, "El índice o la clave principal no puede contener un valor Null."},
    {3061, "Pocos parámetros. Se esperaba |."},
    {3065, "No se puede ejecutar una consulta de selección."},
    {3075, "Error de sintaxis (falta operador) en la expresión de consulta '|'."},
    {3078, "El motor de base de datos no puede encontrar la tabla o consulta de entrada '|'. Asegúrese de que existe "
           "y de que su nombre está escrito correctamente."},
    {3085, "Función '|' no definida en la expresión."},
    {3125, "'|' no es un nombre válido. Asegúrese de que no incluye caracteres o signos de puntuación no válidos y "
           "de que no es demasiado largo."},
    {3127, "La instrucción INSERT INTO contiene el siguiente nombre de campo desconocido: '|'. Asegúrese de que ha "
           "escrito el nombre correctamente e inténtelo de nuevo."},
    {3129, "Instrucción SQL no válida; se esperaba 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT' o 'UPDATE'."},
    {3142, "Se encontraron caracteres después del final de la instrucción SQL."},
    {3159, "No es un marcador válido."},
    {3163, "El campo es demasiado pequeño para aceptar la cantidad de datos que intentó agregar. Intente insertar o "
           "pegar menos datos."},
    {3164, "No se puede actualizar el campo."},
    {3167, "El registro se ha eliminado."},
    {3170, "No se encontró un ISAM instalable."},
    {3186, "No se pudo guardar; actualmente bloqueado por otro usuario."},
    {3191, "No se puede definir el campo '|' más de una vez."},
    {3201, "No se puede agregar, modificar o eliminar el registro porque se necesita un registro relacionado en "
           "la tabla '|' o porque la tabla '|' contiene registros relacionados con él."},
    {3204, "La base de datos ya existe."},
    {3219, "Operación no válida."},
    {3251, "La operación no es válida para este tipo de objeto."},
    {3260, "No se pudo actualizar; actualmente bloqueado por otro usuario."},
    {3265, "Elemento no encontrado en esta colección."},
    {3281, "No se puede eliminar este índice o esta tabla. Es el índice actual o se usa en una relación."},
    {3283, "Ya existe la clave principal."},
    {3290, "Error de sintaxis en la instrucción CREATE TABLE."},
    {3292, "Error de sintaxis en la definición del campo."},
    {3293, "Error de sintaxis en la instrucción ALTER TABLE."},
    {3314, "El campo '|' no puede contener un valor Null porque la propiedad Required para este campo está "
           "establecida a True. Escriba un valor en este campo."},
    {3315, "El campo '|' no puede ser una cadena de longitud cero."},
    {3316, "|"},
    {3317, "No se puede guardar el registro porque la tabla no admite uno o más de sus valores."},
    {3343, "Formato de base de datos '|' no reconocido."},
    {3346, "El número de valores de la consulta y el número de campos de destino son diferentes."},
    {3349, "Desbordamiento de campo numérico."},
    {3360, "Consulta demasiado compleja."},
    {3374, "Los campos especificados no están indexados de forma única en la tabla '|', a la que hace referencia "
           "la tabla '|'."},
    {3375, "La tabla '|' ya tiene un índice llamado '|'."},
    {3376, "La tabla '|' no existe."},
    {3420, "El objeto no es válido o ya no está establecido."},
    {3421, "Error de conversión de tipo de datos."},
};

}  // namespace

std::string JetErrorText(int number, std::initializer_list<std::string_view> args) {
  auto it = kTexts.find(number);
  if (it == kTexts.end()) return JetErrorText(ErrReserved, {std::to_string(number)});
  std::string out;
  auto arg = args.begin();
  for (char c : it->second) {
    if (c == '|' && arg != args.end()) {
      out += *arg++;
    } else {
      out += c;
    }
  }
  return out;
}

void RaiseJet(int number, std::initializer_list<std::string_view> args) {
  throw vb::Error(number, JetErrorText(number, args));
}

}  // namespace dao
