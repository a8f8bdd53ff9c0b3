//===- Revision.h - One run of the consistency check --------------------===//
//
// The checks read the form and report each failure to the run: the listing
// run writes the failure's line into the inconsistency list, the silent run
// only remembers that the return is not consistent and ends at the next
// step. The checks are grouped in the files named below; the run takes them
// in its own order (ValidaTodo.cpp).
//
//===----------------------------------------------------------------------===//
#pragma once

#include <initializer_list>
#include <string_view>

#include "computation/Inconsistencias.h"
#include "return/Frm0917.h"

namespace app {

/// One run of the consistency check over the form `Form`.
class Revision {
 public:
  /// `listado`: every failure becomes a line of the inconsistency list;
  /// otherwise the first failure ends the run.
  Revision(Frm0917& form, bool listado) : Form(form), Listado(listado), Lista_(form) {}

  /// The form the checks read, through vacio and Vale.
  const Frm0917& Form;
  const bool Listado;

  /// A check failed: the return is not consistent; the listing run lists
  /// the message.
  void Falla(Inconsistencia mensaje, std::initializer_list<std::string_view> datos = {});
  /// A check that tells its failure itself failed: the return is not consistent.
  void Falla() { Consistente_ = false; }
  /// No check has failed so far.
  bool Consistente() const { return Consistente_; }
  /// The silent run stops at its first failure.
  bool Termina() const { return !Listado && !Consistente_; }

 private:
  Frm0917& Lista_;  // the same form, as the keeper of the list
  bool Consistente_ = true;
};

// The checks of the run, in the files of their groups; each reads the form
// and reports its failures to the run.

// FilasComplementarias.cpp
void ValidaInmueble(Revision& r);
void ValidaFilasAmazonia(Revision& r);
void ValidaFilasCuarta(Revision& r);
void ValidaSumaCuarta(Revision& r);
void ValidaAlquiler1(Revision& r);
void ValidaAlquiler2(Revision& r);
void ValidaAlquiler3(Revision& r);
void ValidaAmazoniaRequerida(Revision& r);
void ValidaAlquileresRequeridos(Revision& r);
void ValidaCuartaRequerida(Revision& r);
// DocumentosDistintos.cpp
void ValidaDocumentosDistintos(Revision& r);
// RepresentanteConyuge.cpp
void ValidaRepresentante(Revision& r);
void ValidaConyuge(Revision& r);
// Limites.cpp
void ValidaOcupacion(Revision& r);
void ValidaDeduccion117(Revision& r);
void ValidaRequeridasYLimite110(Revision& r);
void ValidaRentas(Revision& r);
// SaldoAPagar.cpp
void ValidaImporte(Revision& r);
void ValidaFormaPago(Revision& r);

}  // namespace app
