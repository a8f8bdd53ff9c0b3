//===- Frm0917.h - The return form: one return of form 917 ---------------===//
//
// One window whose members belong to three folders: return/ holds the
// window itself (its boxes, load, entry, groups and saving), computation/
// its formulas and checks, schedules/ the storage of its schedules. The
// class is declared here once, its members grouped by the folder that
// defines them; the three folders feed one library.
//
// The boxes ("casillas") of the printed form are the text boxes of the
// array txtvalor, indexed by box number (txtvalor(507) is box 507); the
// other boxes stand as named controls (the declarant list, the document-type
// lists cmbtipdoc(n), the option pairs, the payment control). Which boxes
// exist, where they stand and of which kind they are is the table of
// DisenoCasillas.h; the constructor builds the window from it.
//
// The window is opened by name (ventana::kFrm0917, see Registro.h), modally,
// with the return named by the shared variables (Modo, RucDeclarante,
// ModoRegistro, Correlativo, ...). Its load fills it; every assignment of a
// box's text is a change of that box (txtvalor_Change), which does nothing
// but mark the return modified while CargandoFormulario is set.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/componentes/FormaDePagoQBX.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/HScrollBar.h"
#include "platform/forms/Label.h"
#include "platform/forms/MaskEdBox.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/TextBox.h"
#include "platform/text/Error.h"

namespace dao {
class Recordset;
}

namespace app {

/// The return form's caption: the form number, the product family, the tax
/// year and the kind of taxpayer. It titles every message of the form, and
/// the printed list of inconsistencies derives its title from it.
inline constexpr std::string_view kTituloFrm0917 = "Formulario 917 QBX Renta Anual 2002 Personas Naturales ";

enum class Contenedor : std::uint8_t;
struct CasillaEspecial;

class Frm0917 : public forms::Form {
 public:
  Frm0917();

  // ======================================================================
  // return/: the window, its boxes, load, entry, groups and saving
  // ======================================================================

  // --- Controls (Frm0917.cpp and Diseno.cpp build them) ---

  // The general buttons: 0 "V&alidar", 1 "&Grabar", 2 "&Salir"; and the two help lines.
  forms::ControlArray<forms::CommandButton> Cmdgeneral{this, "Cmdgeneral"};
  forms::TextBox TxtAyuda{this, "TxtAyuda"};
  forms::TextBox TxtAyuda1{this, "TxtAyuda1"};

  // The outer strip (five pages, the fifth switched off at every load) and
  // the three inner ones: SSTab2 on page 1, SSTab3 on page 3, SSTab1 on page 4.
  forms::TabControl tab0584{this, "tab0584"};
  forms::TabControl SSTab2{this, "SSTab2"};
  forms::TabControl SSTab3{this, "SSTab3"};
  forms::TabControl SSTab1{this, "SSTab1"};

  // Page 0, identification.
  forms::Frame Frame2{this, "Frame2"};
  forms::TextBox TxtNumRuc{this, "TxtNumRuc"};  // box 002 of a saved return
  forms::ComboBox CmbRuc{this, "CmbRuc"};       // the declarant of a new return
  forms::TextBox TxtTelefono{this, "TxtTelefono"};  // box 028
  forms::Frame fraProfesion{this, "fraProfesion"};
  forms::ComboBox cboProfesion{this, "cboProfesion"};  // box 025
  forms::TextBox txtProfesion{this, "txtProfesion"};
  forms::Frame Frame20{this, "Frame20"};
  forms::ControlArray<forms::OptionButton> optInmueble{this, "optInmueble"};  // box 027: 1 rented, 2 owned
  forms::Frame Frame22{this, "Frame22"};
  forms::ControlArray<forms::OptionButton> OptRectifica{this, "OptRectifica"};  // box 871: 0 No, 1 Si
  forms::TextBox txtRec{this, "txtRec"};
  forms::Frame frmOrden{this, "frmOrden"};  // shown only to register an order number
  forms::TextBox txtOrden{this, "txtOrden"};
  forms::TextBox txtVerifica{this, "txtVerifica"};

  // Page 2, the debt: the frames 1 and 2, or 3, brought into view by hsDeuda.
  forms::HScrollBar hsDeuda{this, "hsDeuda"};
  FormaDePagoQBX FormaDePagoQBX1{this, "FormaDePagoQBX1"};  // boxes 599 and 598
  forms::ControlArray<forms::Frame> fraDeuda{this, "fraDeuda"};

  // SSTab3: the declarant's representative and spouse, other incomes and the
  // investment in the Amazon region, rents paid and fourth-category clients.
  forms::Frame Frame23{this, "Frame23"};
  forms::Frame Frame25{this, "Frame25"};
  forms::MaskEdBox MkeFecNac{this, "MkeFecNac"};  // box 234
  forms::Frame fraOtros{this, "fraOtros"};
  forms::Frame fraSolDev{this, "fraSolDev"};
  forms::ControlArray<forms::OptionButton> optDevolucion{this, "optDevolucion"};  // box 260: 0 No, 1 Si
  forms::Frame fraAmazonia{this, "fraAmazonia"};
  /// The document-type lists, indexed by the box of the type (204-206,
  /// 224-227, 235, 301); each goes with the box of the number (Identificacion.cpp).
  forms::ControlArray<forms::ComboBox> cmbtipdoc{this, "cmbtipdoc"};

  // SSTab1, the schedules of additional information: a Yes/No answer each
  // (index 0 No, 1 Si; boxes 896 to 899) and the buttons that open them.
  forms::Frame Frame5{this, "Frame5"};
  forms::ControlArray<forms::OptionButton> OptAdicionalBancarias{this, "OptAdicionalBancarias"};
  forms::ControlArray<forms::CommandButton> CmdCtasBancarias{this, "CmdCtasBancarias"};
  forms::ControlArray<forms::Label> LblCtasBancarias{this, "LblCtasBancarias"};
  forms::Frame Frame1{this, "Frame1"};
  forms::ControlArray<forms::OptionButton> OptEgresos{this, "OptEgresos"};
  forms::ControlArray<forms::CommandButton> CmdEgresos{this, "CmdEgresos"};
  forms::ControlArray<forms::Label> LblEgresos{this, "LblEgresos"};
  forms::Frame Frame3{this, "Frame3"};
  forms::ControlArray<forms::OptionButton> OptIngresos{this, "OptIngresos"};
  forms::ControlArray<forms::CommandButton> CmdIngresos{this, "CmdIngresos"};
  forms::ControlArray<forms::Label> LblIngresos{this, "LblIngresos"};
  forms::Frame Frame4{this, "Frame4"};
  forms::ControlArray<forms::OptionButton> OptPrestamos{this, "OptPrestamos"};
  forms::ControlArray<forms::CommandButton> CmdPrestamo{this, "CmdPrestamo"};
  forms::ControlArray<forms::Label> LblPrestamos{this, "LblPrestamos"};

  /// The boxes, indexed by box number: exactly the 113 of DisenoCasillas.h.
  forms::ControlArray<forms::TextBox> txtvalor{this, "txtvalor"};
  /// Beside each visible box its caption and its number, by box number.
  forms::ControlArray<forms::Label> lblCasilla{this, "lblCasilla"};
  forms::ControlArray<forms::Label> lblNumero{this, "lblNumero"};
  /// The other fixed texts of the window (questions, field names, column headings).
  forms::ControlArray<forms::Label> lblTexto{this, "lblTexto"};

  // --- Form state ---

  /// The return changed since it was loaded or saved (also the schedules'
  /// DeclaracionModificada).
  bool FormularioModificado = false;
  /// The form closes after the next completed save.
  bool SalirAlGrabar = false;
  /// The 86 boxes the save writes one by one and DesTodo locks, in their order; set by the load.
  std::vector<std::int16_t> ListaCasillas;
  /// Box changes since the last focus entry or since box 200's (201's) own
  /// recomputation; they keep a change made by Calcular200 (Calcular201)
  /// from running it again. Only "below 2" is asked, so they stop at 2.
  std::int16_t Reingreso200 = 0;
  std::int16_t Reingreso201 = 0;

  // --- Load (Carga.cpp, Cabecera.cpp) ---

  /// Reads the header of the saved or sent return: box 598 into the
  /// payment control's amount, its payment data, and the order number.
  void CargarCab();

  // --- Identification (Identificacion.cpp) ---

  /// Shows the declarant list (Modo 1) or the RUC of the return (Modo 2).
  void CargaIdent();
  /// Boxes 801-803 from the taxpayer register, when it holds the declarant.
  void CargaNombre();
  void cboProfesion_Click();
  void CmbRuc_Click();
  void CmbRuc_KeyDown(int& KeyCode, int Shift);
  void cmbtipdoc_Click(int Index);

  // --- Box groups (Grupos.cpp) ---

  /// Switches box n on: enabled, white, editable; its text stays.
  void Habcasilla(std::int16_t n);
  /// Empties box n (a change of the box) and switches it off.
  void Descasilla(std::int16_t n);
  void HabAmazonia();
  void DesAmazonia();
  void HabCuarta();
  void DesCuarta();
  void HabAlquiler();
  void DesAlquiler();
  /// Locks the whole form to register the order number of a sent return.
  void DesTodo();
  /// Chooses the option that stands for the stored box `casilla` (three
  /// digits: "871", "260", "027") with the stored `valor`.
  void ActivaBotonesForm(std::string_view casilla, std::string_view valor);

  // --- Working in the boxes: focus, keys, tabs, the debt frames, the birth
  // date (Foco.cpp, Teclas.cpp, Pestanas.cpp, MarcosDeuda.cpp, FechaNacimiento.cpp) ---

  /// The box shows its raw number for editing, and takes its typing limit.
  void txtvalor_GotFocus(int Index);
  /// The box shows its display form; leaving 107 or 108 switches the
  /// fourth-category detail on or off.
  void txtvalor_LostFocus(int Index);
  /// The key rules of the box's family; Enter moves on, or opens the
  /// breakdown of box 200 or 201.
  void txtvalor_KeyPress(int Index, int& KeyAscii);
  void TxtTelefono_KeyPress(int& KeyAscii);
  void txtOrden_KeyPress(int& KeyAscii);
  void txtVerifica_KeyPress(int& KeyAscii);

  /// Each strip's page gives its help topic.
  void SSTab1_Click(int PreviousTab);
  void SSTab2_Click(int PreviousTab);
  void SSTab3_Click(int PreviousTab);
  /// Leaving page 0 of the outer strip checks the identification first.
  void tab0584_Click(int PreviousTab);

  void hsDeuda_Change();
  void hsDeuda_Scroll();
  /// The debt frames for the scroll bar's value: 1 the tax and credits, 2 the balance.
  void Arregla(int Posicion);

  /// A birth date that is no date from 1850 to 2500 empties the box.
  void MkeFecNac_LostFocus();

  // --- Options (Opciones.cpp) ---

  void OptAdicionalBancarias_Click(int Index);
  void OptEgresos_Click(int Index);
  void OptIngresos_Click(int Index);
  void OptPrestamos_Click(int Index);
  void optInmueble_Click(int Index);
  void OptRectifica_Click(int Index);

  // --- Box change: the steps of the recalculation besides the formulas (Entrada.cpp) ---

  /// Box 114 on while box 100 or 102 holds an income, off (emptied) otherwise.
  void ConmutaPerdidas();
  /// The Amazonia group on while box 117 holds an investment, off otherwise.
  void ConmutaAmazonia();
  /// Box 145 off (emptied) when box 141 holds a balance in favour, or when
  /// neither 141 nor 142 holds a balance.
  void ConmutaInteresPor141();
  /// Box 145 on when box 142 holds a balance owed, off when neither 141
  /// nor 142 holds a balance.
  void ConmutaInteresPor142();
  /// Calcular200 (Calcular201), unless this change is one that its own run made.
  void Reingresa200();
  void Reingresa201();

  // --- The general buttons, leaving the form, the schedule buttons
  // (Botones.cpp, Salida.cpp, BotonesAdicionales.cpp) ---

  /// 0 "V&alidar" lists the inconsistencies; 1 "&Grabar" saves the return;
  /// 2 "&Salir" leaves the form.
  void Cmdgeneral_Click(int Index);
  /// Leaves the form; a changed return, or a typed order number, asks first
  /// whether to save it.
  void Salir();
  /// Each opens the list window of its schedule for its index's line.
  void CmdCtasBancarias_Click(int Index);
  void CmdEgresos_Click(int Index);
  void CmdIngresos_Click(int Index);
  void CmdPrestamo_Click(int Index);

  // --- Saving (Grabacion.cpp, RegistroOrden.cpp) ---

  /// Saves the return: its header, its box rows and its schedules in one
  /// transaction, then its state (0 consistent, 9 not) and the message that
  /// says which; a sent return (ModoRegistro) gets only its order number.
  /// A failure writes nothing and leaves the form open. After a completed
  /// save the form closes when SalirAlGrabar is set, else it goes on as a
  /// saved return. True when the save completed.
  bool GrabarForm();

  // --- Box entry (Entrada.cpp) ---

  /// A box's text changed, typed or set by code: the return is modified.
  /// While the load fills the form nothing more happens; the recalculation
  /// of the dependent boxes hangs here.
  void txtvalor_Change(int Index);

  // ======================================================================
  // computation/: the box formulas and the checks
  // ======================================================================

  // --- Box operands (Operandos.cpp): the only way to read and show an amount box ---

  /// True when the box holds nothing but blanks.
  bool vacio(std::int16_t casilla) const;
  /// The box's value: whole, 0 for a blank box or a text that is no number;
  /// the boxes held negative (deductions, credits, 141) as absolute values.
  double Vale(std::int16_t casilla) const;
  /// Rewrites the box in its display form: "1,234", "(1,234)", or "" for a
  /// text that is no number. The rewrite is a change of the box.
  void Forma(std::int16_t casilla);

  /// Vale's reading of `texto` as the text of box `casilla`.
  static double ValeTexto(std::int16_t casilla, std::string_view texto);
  /// The text that Forma puts into box `casilla` holding `texto`.
  static std::string FormaTexto(std::int16_t casilla, std::string_view texto);

  // --- The taxable income (RentaImponible.cpp) ---
  // Each writes its box from others, blank when all of those are blank; the
  // write is a change of that box, so the chain goes on from it.

  void CalcularA();    // 501, gross first-category income
  void CalcularB();    // 502, its deduction of 20 %
  void CalcularC();    // 503, first-category income
  void CalcularD();    // 504, gross second-category income
  void CalcularE();    // 505, its deduction of 10 %
  void CalcularF();    // 506, second-category income
  void CalcularG();    // 507, deduction on box 107: 20 %, at most 24 UIT
  void CalcularH();    // 508, net income from individual work
  void CalcularI();    // 509, fourth-category income
  void CalcularJ();    // 510, fourth- and fifth-category income
  void CalcularK();    // 511, deduction of 7 UIT
  void CalcularL();    // 512, net fourth- and fifth-category income
  void Calcular113();  // 113, net domestic-source income
  void CalcularM();    // 513, after the losses; never below 0
  void CalcularN();    // 514, with the foreign-source income
  void CalcularO();    // 515, net taxable income

  // --- The debt (Deuda.cpp) ---

  void Calcular120();     // 120, the tax by the UIT bands
  void CalcularP();       // 516, after the credits without refund; never below 0
  /// Boxes 141 (in favour, negative) and 142 (owed); box 140 on only for a
  /// balance in favour.
  void Calcular141142();
  void Calcular146();     // 146, the balance of the debt; never below 0
  /// Box 518, the year's total income. The breakdown windows call it.
  void CalcularR();
  /// Box 200, the sum of its parts 535-539. Its breakdown window calls it.
  void Calcular200();
  /// Box 201, the sum of its parts 530-534 and 540. Its breakdown window calls it.
  void Calcular201();
  /// Box 180 into the payment control's amount, in display form; "" when
  /// box 180 is blank or no number.
  void CalcularImporteTotal();
  /// The upper limit of the credit of box 122 (123) as whole-number text,
  /// "" when it cannot be computed. Writes no box.
  std::string Calcular122() const;
  std::string Calcular123() const;

  // --- The consistency check (ValidaTodo.cpp, ValIdent.cpp, SaldoAPagar.cpp;
  // its groups of checks in computation/, Inconsistencias.h) ---

  /// Checks the whole return. Mode "0" lists every inconsistency in
  /// RutaSistema & "Mens.txt" and shows the list, or says there is none;
  /// mode "2" stops at the first. Either shows first the warnings on the
  /// amount paid and on the spouse's age. True when nothing failed.
  bool ValidaTodo(std::string_view modo);
  /// Checks the identification page: a new return not saved already, its
  /// declarant, the rectification answer, the telephone. Mode "0" lists
  /// its failures in the open inconsistency list; any other mode shows the
  /// first in a box, on page 0. True when nothing failed.
  bool ValIdent(std::string_view modo);
  /// The warning on the amount `pagado` against the balance `adeudado`
  /// (texts as the boxes show them), or "" when they agree.
  static std::string SaldoaPagar(std::string_view adeudado, std::string_view pagado, std::string_view etiqueta);
  /// Writes one line into the open inconsistency list. A failure to write
  /// is kept in Mens and ends the writing.
  void EscribeMens(std::string_view linea);

  /// The inconsistency list while a check writes it: its file number (0
  /// when none is open), the lines written, and what failed writing it.
  struct ListaInconsistencias {
    int Archivo = 0;
    long Lineas = 0;
    std::optional<vb::Error> Fallo;
  } Mens;

  // ======================================================================
  // schedules/: the storage of the return's schedules
  // ======================================================================

  // --- Patrimonio.cpp ---

  /// Copies the return's schedule rows (F0917PATRIM, or the sent return's
  /// HF0917PATRIM rows of its Correl) into the work table TMPF0917PATRIM.
  /// Errors reach the caller, the load.
  void Carga_DATA_Patrimonial();
  /// Deletes the work rows of the schedule kind `tipo` ("01" to "04") and
  /// marks the return modified; a failure is told and changes nothing.
  void Elimina_Adicional(std::string_view tipo);
  /// Replaces the return's stored schedule rows (F0917PATRIM) by the work
  /// table's. It runs inside the save's transaction: errors reach the save.
  void Graba_Patrimonial();

 protected:
  void Form_Load() override;
  /// The close box asks what Salir asks; Cancel keeps the form.
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 private:
  // --- Saving (Grabacion.cpp, RegistroOrden.cpp) ---
  /// The save of a sent return: its order number into HCAB.
  bool GrabaNumeroOrden();
  /// The header row (CAB), added or edited.
  void GrabaCabecera();
  /// The return's box rows (DET), deleted and written again.
  void GrabaCasillas();
  /// Writes one box row, when `valor` is a value; true when it did. Only
  /// while GrabaCasillas has CasillasDet open.
  bool GrabarCasilla(std::string_view casilla, std::string_view valor);
  /// The value of a box that the save writes apart from ListaCasillas.
  std::string ValorEspecial(const CasillaEspecial& casilla) const;
  /// The first box, in the order the save writes them, whose amount is
  /// beyond what its row holds (CabeEnFila); 0 when there is none.
  int CasillaDesbordada() const;
  /// CAB's state after the consistency check; false when the header is not there.
  bool GrabaEstado(bool consistente);
  /// After a completed save: the form closes (SalirAlGrabar), or stays as a saved return.
  void CierreGrabacion();
  /// The DET rows being written by the save.
  dao::Recordset* CasillasDet = nullptr;

  // --- Leaving (Salida.cpp) and the schedule buttons (BotonesAdicionales.cpp) ---
  /// What the questions of leaving left: the form stays, may go, or went
  /// already (the save on Yes closed it).
  enum class Salida : std::uint8_t { Queda, Sale, Cerrada };
  /// Asks what leaving the form asks, and saves on Yes.
  Salida ConfirmaSalida();
  /// Opens the list window of schedule `adicional` (kAdicionales) for button `Index`.
  void AbreAdicional(std::size_t adicional, int Index);

  // --- Building the window (Diseno.cpp) ---
  void DisenaMarcos();
  void DisenaCasillas();
  void DisenaControles();
  void DisenaTextos();
  /// Orders the tab stops by where the controls stand.
  void OrdenaTabulacion();
  /// Puts `control` into the tab page or frame `donde`.
  void Coloca(forms::Control& control, Contenedor donde);
  /// The frame that `donde` names.
  forms::Frame& Marco(Contenedor donde);

  // --- The help topics (Pestanas.cpp) ---
  /// Sets the help topic of the strip's current page, when it has one.
  void TemaDePagina(forms::TabControl& tira);

  // --- The load's own steps (Carga.cpp) ---
  /// The form's whole load; a database failure leaves it half filled.
  void CargaFormulario();
  /// The stored box rows into the window.
  void CargaCasillas();
  /// One stored box row.
  void CargaCasilla(const std::string& casilla, const std::string& valor);
  /// The box groups by the values now present, once the boxes are loaded.
  void ConmutaGrupos();
  /// One information box naming what the period lacks (the rate of box
  /// 110, the UIT), when it lacks anything.
  void AvisaTasasFaltantes();
  /// The form shows a sent return to register its order number: ModoRegistro
  /// counts only for a return opened from a list (Modo 2).
  bool EnRegistro() const;

  /// A schedule answer: Si enables the buttons, No empties the schedule's
  /// work rows (not while loading) and disables them.
  void RespuestaAdicional(std::size_t adicional, int Index);

  // --- The steps every formula shares (computation/PasosComunes.cpp) ---
  /// True when every box of `presencia` is blank.
  bool TodasVacias(std::initializer_list<std::int16_t> presencia) const;
  /// Writes `valor` into the box as plain number text ("-100.5").
  void EscribeNumero(std::int16_t casilla, double valor);
  /// Writes the empty text into the box.
  void Blanquea(std::int16_t casilla);
  /// The UIT of the tax year; nothing when Uit holds no number.
  static std::optional<double> ValorUit();
};

}  // namespace app
