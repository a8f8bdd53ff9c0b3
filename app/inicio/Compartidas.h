//===- Compartidas.h - The shared run-time variables of KR917 -----------===//
//
// Every window and module of KR917 reads and writes these variables, which
// live for the whole run. They are one object, created at start by Main and
// made anew between tests (ReiniciaCompartidas); G() is the program's one.
//
//   G().Modo = 1;
//   auto rs = G().BaseDatos->OpenRecordset(G().CadenaSQL, dao::dbOpenSnapshot);
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/EstadoReporte.h"
#include "platform/db/Engine.h"
#include "platform/files/Files.h"
#include "platform/forms/WindowRegistry.h"

namespace app {

class cValidador;

struct Compartidas {
  Compartidas();
  ~Compartidas();

  // The database: the engine, its one connection, the table `error` held open.
  dao::DBEngine Motor;
  std::shared_ptr<dao::Database> BaseDatos;
  std::shared_ptr<dao::Recordset> RsError;

  // Settings and folders.
  std::string RutaSistema;
  std::string RutaBase;
  std::string RutaReportes;
  std::string UsuarioSistema;

  // The key and headings of the return at hand.
  std::string Periodo;
  std::string Formulario;
  std::string RucDeclarante;
  std::string NombreDeclarante;
  std::int16_t Semana = 0;
  std::string Correlativo;
  std::string NumeroOrden;
  std::string NumeroControl;

  // What the commands set: 1 new, 2 modify (register, print), 3 delete.
  std::int16_t Modo = 0;
  bool Enviadas = false;
  bool ModoRegistro = false;
  bool OrdenModificado = false;
  std::uint8_t TipoConsulta = 0;
  bool CargandoFormulario = false;

  // Schedules.
  std::string ClaveAdicional;
  std::string MovimientoFijo;
  std::string ModoDetalle;
  bool AdicionalModificado = false;
  // What the return form's schedule buttons give the schedule list window,
  // which applies them at its load: its caption, its frame's caption and its
  // help topic.
  std::string TituloAdicional;
  std::string TituloMarcoAdicional;
  long AyudaAdicional = 0;

  // The UIT and rates of the tax year.
  std::string Uit;
  /// The rate that limits box 110; nothing when the period has none.
  std::optional<double> FactorLimite110;
  std::string Tasa020702;
  std::string Tasa020704;
  std::string Tasa020301;
  std::string Tasa020201;
  std::string Tasa020501;

  // Printing: what is printed, the report file being written, the report
  // module (the writer's state, the page range the preview applies and the
  // printed return's boxes) and the printed return's header fields.
  std::int16_t ModoImpresion = 0;
  std::string ArchivoSalida;
  common::EstadoReporte ImpRep{common::kLineasKR917};
  std::string BancoCheque;
  std::string NumeroCheque;
  std::string Rectificatoria;

  // Scratch: the statement being built and the shared snapshot.
  std::string CadenaSQL;
  std::shared_ptr<dao::Recordset> RsConsulta;

  // The validation component, made by Main.
  std::unique_ptr<cValidador> Validador;

  // The program's numbered files.
  vb::Files Archivos;

  // The windows opened by name (app/ventanas/NombresVentanas.h).
  forms::WindowRegistry Ventanas;
};

/// The shared variables of the running program.
Compartidas& G();

/// The program's one validation component (G().Validador); error 91 when
/// Main has not made it.
cValidador& Validador();

/// Replaces the shared variables by new, empty ones (at start and between tests).
void ReiniciaCompartidas();

}  // namespace app
