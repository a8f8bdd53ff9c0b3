#include "kr917/Capturas.h"

#include <QApplication>
#include <QDir>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/inicio/Compartidas.h"
#include "app/inicio/FuenteDatos.h"
#include "app/ventanas/FrmConsTasas.h"
#include "app/ventanas/MDIFrm.h"
#include "app/ventanas/ModGen00.h"
#include "app/ventanas/frmAbrirEnv.h"
#include "app/ventanas/frmAcercade.h"
#include "app/ventanas/frmBancos.h"
#include "app/ventanas/frmModFor.h"
#include "computation/Inconsistencias.h"
#include "kr917/Programa.h"
#include "platform/files/NativePath.h"
#include "platform/files/WholeFile.h"
#include "platform/forms/Application.h"
#include "platform/forms/Constants.h"
#include "platform/host/InstanceLock.h"
#include "platform/host/WindowList.h"
#include "platform/qt/FrontEndChoice.h"
#include "platform/qt/Pictures.h"
#include "platform/qt/QtFrontEnd.h"
#include "platform/qt/Screenshot.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"
#include "platform/text/Variant.h"
#include "printing/FrmConsist.h"
#include "printing/ImpRep.h"
#include "printing/frmImprimir.h"
#include "printing/frmImpxPag.h"
#include "printing/frmPreview.h"
#include "return/Frm0917.h"
#include "schedules/FrmAdicionalCab.h"
#include "schedules/FrmAdicionalDet.h"
#include "schedules/FrmDesglose.h"

namespace kr917 {
namespace {

// What a command sets before it opens its window.
using Orden = std::function<void(app::Compartidas&)>;

void Modifica(app::Compartidas& g) {
  g.Enviadas = false;
  g.Modo = 2;
}

void EliminaEnviada(app::Compartidas& g) {
  g.Enviadas = true;
  g.Modo = 3;
}

void Registra(app::Compartidas& g) {
  g.ModoRegistro = true;
  g.Modo = 2;
}

template <std::uint8_t Tipo>
void Consulta(app::Compartidas& g) {
  g.TipoConsulta = Tipo;
}

void ImprimeGuardadas(app::Compartidas& g) { g.Enviadas = false; }

void ImprimeEnviadas(app::Compartidas& g) { g.Enviadas = true; }

// The print window over the sample's sent returns, shown, with the first
// row (GARCIA 001) current.
app::frmImprimir& Enviadas() {
  ImprimeEnviadas(app::G());
  app::frmImprimir& imprimir = forms::Default<app::frmImprimir>();
  imprimir.Show();
  return imprimir;
}

// Every page and the annexes ticked, as the print window's last shot leaves them.
void TodoElReporte(app::frmImprimir& imprimir) {
  imprimir.OptImp(3).SetValue(true);
  imprimir.chkAnexos(3).SetValue(forms::vbChecked);
  imprimir.chkAnexos(4).SetValue(forms::vbChecked);
}

// The list of inconsistencies as the consistency check leaves it for a new
// return with its declarant chosen and nothing else.
void EscribeInconsistencias(const std::string& ruta) {
  const app::Inconsistencia mensajes[] = {
      app::Inconsistencia::Inmueble,
      app::Inconsistencia::SinImporte,
      app::Inconsistencia::SinRentas,
      app::Inconsistencia::SinFormaPago,
  };
  std::string bytes;
  for (app::Inconsistencia m : mensajes) bytes += vb::ToCp1252(app::TextoDe(m)) + "\r\n";
  vb::WriteFileAtomically(ruta, bytes);
}

void Nueva(app::Compartidas& g) { g.Modo = 1; }

// The sample's sent return GARCIA 001, to register its order number.
void RegistraGarcia(app::Compartidas& g) {
  Registra(g);
  g.RucDeclarante = "10076543211";
  g.NombreDeclarante = "GARCIA PEREZ JUAN CARLOS";
  g.Periodo = "2002";
  g.Correlativo = "001";
  g.NumeroControl = "40721385";
  g.NumeroOrden = "        ";
}

// The open return's work rows of a schedule subsection, as the return
// form's buttons leave them for its list window.
void Adicional(app::Compartidas& g, const char* clave, const char* pestana, const char* marco, long ayuda,
               std::initializer_list<const char*> filas) {
  g.Modo = 2;
  g.RucDeclarante = "10076543211";
  g.Periodo = "2002";
  g.ClaveAdicional = clave;
  g.MovimientoFijo = "";
  g.TituloAdicional = std::string("Información Adicional - ") + pestana;
  g.TituloMarcoAdicional = marco;
  g.AyudaAdicional = ayuda;
  g.BaseDatos->Execute("DELETE * FROM TMPF0917PATRIM");
  for (const char* fila : filas) g.BaseDatos->Execute(std::string("INSERT INTO TMPF0917PATRIM VALUES (") + fila + ")");
}

void Cuentas(app::Compartidas& g) {
  Adicional(g, "0101*", "Depósitos en el Sistema Financiero",
            "Depósitos en el Sistema Financiero  con saldo al 31/12/2002", 1045,
            {"'01','01','01','001','','','','12500','2'", "'01','01','02','002','','','','-1500','1'",
             "'01','01','06','001','FONDO DE SEPELIO','','','3200','1'"});
}

void Instrumentos(app::Compartidas& g) {
  Adicional(g, "0203*", "Compras y Gastos", "Compra o inversión en instrumentos financieros", 1038,
            {"'02','03','01','001','','','','45000','3'", "'02','03','06','003','','','','8000','1'"});
}

void Prestamos(app::Compartidas& g) {
  Adicional(g, "0401*", "Préstamos concedidos y/o Préstamos recibidos",
            "Saldos de préstamos concedidos pendientes de cobro al 01/01/2002 y/o 31/12/2002 (excluye emp. del "
            "Sistema Financiero)",
            1062, {"'04','01','01','001','','','20000','15000','2'"});
}

// The rows of a sent return, shown to register its order number.
void InstrumentosEnviada(app::Compartidas& g) {
  Instrumentos(g);
  Registra(g);
}

// A page of the return form: of tab0584, and of the inner strip it holds.
struct Pagina {
  int Exterior;
  forms::TabControl app::Frm0917::*Tira = nullptr;
  int Interior = 0;
};

// GARCIA chosen from the declarant list of a new return.
void EligeGarcia(app::Frm0917& f) {
  for (int i = 0; i < f.CmbRuc.ListCount(); ++i) {
    if (vb::Left(f.CmbRuc.List(i), 11) == "10076543211") f.CmbRuc.SetListIndex(i);
  }
}

// The identification of a new return answered (GARCIA, not a rectification),
// so that its other pages open without the identification check's message.
void IdentificaGarcia(app::Frm0917& f) {
  EligeGarcia(f);
  f.OptRectifica(0).SetValue(true);
}

// The debt page's scroll bar moved on to the balance and the payment.
void MuestraSaldo(app::Frm0917& f) {
  IdentificaGarcia(f);
  f.hsDeuda.SetValue(2);
}

class Estudio {
 public:
  Estudio(qtui::QtFrontEnd& frente, forms::Application& aplicacion, const std::string& carpetaBloqueo)
      : Frente_(frente), Aplicacion_(aplicacion), CarpetaBloqueo_(carpetaBloqueo) {}

  /// The program as it stands after its start: the main window shown.
  void Arranca() {
    app::ReiniciaCompartidas();
    RegistraVentanas();
    Bloqueo_ = std::make_unique<host::InstanceLock>(CarpetaBloqueo_);
    ModGen00::Main(Escritorio_, *Bloqueo_);
  }

  /// The window of class F after its command `orden`, over the main window.
  template <class F>
  qtui::Shot Ventana(std::string nombre, Orden orden = {}) {
    return {std::move(nombre), [this, orden]() -> QWidget* {
              Arranca();
              if constexpr (std::is_same_v<F, app::MDIFrm>) {
                return Frente_.WindowOf(forms::Default<app::MDIFrm>());
              } else {
                if (orden) orden(app::G());
                F& ventana = forms::Default<F>();
                ventana.Show();
                return Frente_.WindowOf(ventana);
              }
            }};
  }

  /// The preview of the report of a sent return of the sample, as the print
  /// window writes it, its first page shown.
  qtui::Shot Preliminar(std::string nombre) {
    return {std::move(nombre), [this]() -> QWidget* {
              Arranca();
              const std::optional<std::string> archivo = Enviadas().EscribeReporte();
              if (!archivo) return nullptr;
              app::frmPreview& vista = forms::Default<app::frmPreview>();
              vista.Archivo = *archivo;
              vista.Show();
              return Frente_.WindowOf(vista);
            }};
  }

  /// The page-range dialog as the print window opens it over the report of
  /// a sent return of the sample.
  qtui::Shot RangoPaginas(std::string nombre) {
    return {std::move(nombre), [this]() -> QWidget* {
              Arranca();
              app::frmImprimir& imprimir = Enviadas();
              const std::optional<std::string> archivo = imprimir.EscribeReporte();
              if (!archivo) return nullptr;
              app::G().ImpRep.ImpLinea.RangoPaginas = true;
              imprimir.CargaRango(*archivo);
              app::frmImpxPag& rango = forms::Default<app::frmImpxPag>();
              rango.Show();
              return Frente_.WindowOf(rango);
            }};
  }

  /// The inconsistencies of a return, as the consistency check lists them.
  qtui::Shot Inconsistencias(std::string nombre) {
    return {std::move(nombre), [this]() -> QWidget* {
              Arranca();
              app::G().ArchivoSalida = app::G().RutaSistema + "Mens.txt";
              EscribeInconsistencias(app::G().ArchivoSalida);
              app::FrmConsist& lista = forms::Default<app::FrmConsist>();
              lista.Show();
              return Frente_.WindowOf(lista);
            }};
  }

  /// The return form after its command `orden`, on `pagina`, after `accion`.
  qtui::Shot Declaracion(std::string nombre, Orden orden, Pagina pagina,
                         std::function<void(app::Frm0917&)> accion = {}) {
    return {std::move(nombre), [this, orden, pagina, accion]() -> QWidget* {
              Arranca();
              orden(app::G());
              app::Frm0917& f = forms::Default<app::Frm0917>();
              f.Show();
              if (!f.Loaded()) return nullptr;
              if (accion) accion(f);
              f.tab0584.SetTab(pagina.Exterior);
              if (pagina.Tira != nullptr) (f.*pagina.Tira).SetTab(pagina.Interior);
              return Frente_.WindowOf(f);
            }};
  }

  /// The breakdown F over a new return whose part boxes hold `partes`.
  template <class F>
  qtui::Shot Desglose(std::string nombre, std::vector<std::pair<std::int16_t, const char*>> partes) {
    return {std::move(nombre), [this, partes]() -> QWidget* {
              Arranca();
              Nueva(app::G());
              app::Frm0917& f = forms::Default<app::Frm0917>();
              f.Show();
              if (!f.Loaded()) return nullptr;
              for (const auto& [casilla, texto] : partes) f.txtvalor(casilla).SetText(texto);
              F& desglose = forms::Default<F>();
              desglose.Show();
              return Frente_.WindowOf(desglose);
            }};
  }

  /// The row window of schedule `clave` for a new row, as its list window
  /// opens it from the schedule button of `pestana` and `marco`.
  qtui::Shot Detalle(std::string nombre, std::string clave, std::string fijo, std::string pestana, std::string marco) {
    return {std::move(nombre), [this, clave, fijo, pestana, marco]() -> QWidget* {
              Arranca();
              app::Compartidas& g = app::G();
              g.ClaveAdicional = clave;
              g.MovimientoFijo = fijo;
              g.Periodo = "2002";
              g.TituloAdicional = "Información Adicional - " + pestana;
              g.TituloMarcoAdicional = marco;
              g.AyudaAdicional = 1045;
              forms::Load(forms::Default<app::FrmAdicionalCab>());
              g.ModoDetalle = "NUEVO";
              app::FrmAdicionalDet& detalle = forms::Default<app::FrmAdicionalDet>();
              detalle.Show();
              return Frente_.WindowOf(detalle);
            }};
  }

  /// Puts the program back before the next shot.
  void Limpia() {
    Aplicacion_.Reset();
    Bloqueo_.reset();
  }

 private:
  qtui::QtFrontEnd& Frente_;
  forms::Application& Aplicacion_;
  std::string CarpetaBloqueo_;
  host::FixedWindowList Escritorio_{{"Dexlora"}};
  std::unique_ptr<host::InstanceLock> Bloqueo_;
};

// KR917's front end and application, set up as its main sets them up, on a running Qt.
struct Programa {
  Programa() {
    Frente.SetPictureResolver(qtui::PictureFolder(CarpetaImagenes()));
    Aplicacion.App().SetTitle("KR917");
    Aplicacion.SetDatabaseOpener(app::AbreFuenteDatos);
  }
  qtui::QtFrontEnd Frente;
  forms::Application Aplicacion{Frente};
};

}  // namespace

int RecorreVentanas(const std::string& carpetaBloqueo, const qtui::ShotVisitor& mira) {
  Programa programa;
  Estudio estudio(programa.Frente, programa.Aplicacion, carpetaBloqueo);

  // One line per picture: its name and the window in its state.
  const std::vector<qtui::Shot> capturas = {
      estudio.Ventana<app::MDIFrm>("kr917-principal"),
      estudio.Ventana<app::frmAcercade>("kr917-acercade"),
      estudio.Ventana<app::frmModFor>("kr917-modificar", Modifica),
      estudio.Ventana<app::frmModFor>("kr917-eliminar-enviadas", EliminaEnviada),
      estudio.Ventana<app::frmAbrirEnv>("kr917-registrar-orden", Registra),
      estudio.Ventana<app::frmBancos>("kr917-profesiones", Consulta<1>),
      estudio.Ventana<app::frmBancos>("kr917-bancos", Consulta<2>),
      estudio.Ventana<app::frmBancos>("kr917-uit", Consulta<3>),
      estudio.Ventana<app::FrmConsTasas>("kr917-tasas"),
      estudio.Ventana<app::frmImprimir>("kr917-imprimir", ImprimeGuardadas),
      estudio.Ventana<app::frmImprimir>("kr917-imprimir-enviadas", ImprimeEnviadas),
      estudio.Preliminar("kr917-vista-previa"),
      estudio.RangoPaginas("kr917-rango-paginas"),
      estudio.Inconsistencias("kr917-inconsistencias"),
      estudio.Declaracion("kr917-declaracion-identificacion", Nueva, {0}, EligeGarcia),
      estudio.Declaracion("kr917-declaracion-primera", Nueva, {1, &app::Frm0917::SSTab2, 0}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-segunda", Nueva, {1, &app::Frm0917::SSTab2, 1}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-cuarta-quinta", Nueva, {1, &app::Frm0917::SSTab2, 2}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-renta-neta", Nueva, {1, &app::Frm0917::SSTab2, 3}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-deuda", Nueva, {2}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-deuda-saldo", Nueva, {2}, MuestraSaldo),
      estudio.Declaracion("kr917-declaracion-datos", Nueva, {3, &app::Frm0917::SSTab3, 0}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-otros-ingresos", Nueva, {3, &app::Frm0917::SSTab3, 1}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-detalles", Nueva, {3, &app::Frm0917::SSTab3, 2}, IdentificaGarcia),
      estudio.Declaracion("kr917-declaracion-enviada", RegistraGarcia, {0}),
      estudio.Declaracion("kr917-declaracion-enviada-primera", RegistraGarcia, {1, &app::Frm0917::SSTab2, 0}),
      estudio.Ventana<app::FrmAdicionalCab>("kr917-adicional-cuentas", Cuentas),
      estudio.Ventana<app::FrmAdicionalCab>("kr917-adicional-instrumentos", Instrumentos),
      estudio.Ventana<app::FrmAdicionalCab>("kr917-adicional-prestamos", Prestamos),
      estudio.Ventana<app::FrmAdicionalCab>("kr917-adicional-enviada", InstrumentosEnviada),
      estudio.Desglose<app::FrmExoneradas>("kr917-exoneradas", {{535, "12,000"}, {537, "850"}}),
      estudio.Detalle("kr917-adicional-fila-cuentas", "0101*", "", "Depósitos en el Sistema Financiero",
                      "Depósitos en el Sistema Financiero  con saldo al 31/12/2002"),
      estudio.Detalle("kr917-adicional-fila-instrumentos", "0203*", "", "Compras y Gastos",
                      "Compra o inversión en instrumentos financieros"),
      estudio.Detalle("kr917-adicional-fila-ventas-predios", "0301*", "01", "Ventas",
                      "Venta de predios en el extranjero"),
      estudio.Detalle("kr917-adicional-fila-prestamos", "0401*", "01", "Préstamos concedidos y/o Préstamos recibidos",
                      "Saldos de préstamos concedidos pendientes de cobro"),
      estudio.Desglose<app::FrmInafectas>("kr917-inafectas", {{530, "1,000"}, {531, "2,500"}, {540, "500"}}),
  };
  return qtui::VisitShots(capturas, mira, [&] { estudio.Limpia(); });
}

int GuardaCapturas(int& argc, char** argv, const std::string& carpeta) {
  qtui::QuietOffscreenNotes();
  auto qt = qtui::StartQt(argc, argv);

  // The shots' own lock, so a KR917 running beside them does not refuse them.
  const QString bloqueo = QDir(QString::fromStdString(carpeta)).filePath(QStringLiteral(".bloqueo"));
  QDir().mkpath(bloqueo);
  int fallidas = RecorreVentanas(bloqueo.toStdString(), qtui::SavePngIn(QString::fromStdString(carpeta)));

  Programa programa;
  Estudio estudio(programa.Frente, programa.Aplicacion, bloqueo.toStdString());
  // The whole report of that return as a file, which DibujaReporte draws to a PDF and a PNG a page.
  estudio.Arranca();
  const std::string reporte = carpeta + "/kr917-reporte.PRN";
  app::frmImprimir& imprimir = Enviadas();
  TodoElReporte(imprimir);
  const std::optional<std::string> archivo = imprimir.EscribeReporte();
  std::error_code ec;
  if (archivo && std::filesystem::copy_file(vb::NativePath(app::G().ArchivoSalida), reporte,
                                            std::filesystem::copy_options::overwrite_existing, ec)) {
    std::printf("%s\n", reporte.c_str());
  } else {
    std::fprintf(stderr, "%s: the report was not written\n", reporte.c_str());
    ++fallidas;
  }
  estudio.Limpia();
  QDir(bloqueo).removeRecursively();
  return fallidas == 0 ? 0 : 1;
}

}  // namespace kr917
