#include "host/ControlGallery.h"

#include "platform/forms/Application.h"

namespace dexlora {

frmMuestrario::frmMuestrario() : Form("frmMuestrario") {
  SetCaption("Muestrario de controles");
  Move(0, 0, 10200, 8100);

  mnuArchivo.SetCaption("&Archivo");
  for (forms::Menu* item : {&mnuNuevo, &mnuRaya, &mnuSalir}) item->SetContainer(mnuArchivo);
  mnuNuevo.SetCaption("&Nueva declaración");
  mnuRaya.SetCaption("-");
  mnuSalir.SetCaption("&Salir");
  mnuAyuda.SetCaption("A&yuda");

  tlbBotones.Move(0, 0, 10080, 420);
  tlbBotones.SetImageList(&imlBotones);
  tlbBotones.AddButton("Nueva");
  tlbBotones.AddButton("Modificar");
  tlbBotones.AddButton("", 0, forms::tbrSeparator);
  tlbBotones.AddButton("Imprimir");

  lblNombre.SetCaption("&Nombre:");
  lblNombre.Move(120, 600, 1200, 255);
  txtNombre.Move(1320, 540, 3000, 315);
  lblFecha.SetCaption("&Fecha:");
  lblFecha.Move(120, 1000, 1200, 255);
  mskFecha.Move(1320, 940, 1500, 315);
  mskFecha.SetMask("##/##/####");
  lblBanco.SetCaption("&Banco:");
  lblBanco.Move(120, 1400, 1200, 255);
  cboBanco.Move(1320, 1340, 3000, 315);
  lstDocumentos.Move(120, 1800, 2200, 1000);
  chkRectifica.SetCaption("&Rectificatoria");
  chkRectifica.Move(2520, 1800, 1800, 255);

  fraPago.SetCaption("Forma de pago");
  fraPago.Move(4560, 540, 2400, 1100);
  optPago.Add(0).SetCaption("&Cheque");
  optPago.Add(1).SetCaption("&Efectivo");
  for (int i : {0, 1}) {
    optPago(i).SetContainer(fraPago);
    optPago(i).Move(180, 300 + 360 * i, 1800, 255);
  }

  tabSecciones.Move(4560, 1740, 5400, 1400);
  tabSecciones.SetTabs(3);
  tabSecciones.SetTabCaption(0, "&Identificación");
  tabSecciones.SetTabCaption(1, "Re&ntas");
  tabSecciones.SetTabCaption(2, "&Deuda");
  lblSeccion.SetContainer(tabSecciones, 0);
  lblSeccion.Move(180, 480, 3000, 255);
  lblSeccion.SetCaption("Datos del declarante");
  txtNotas.SetContainer(tabSecciones, 0);
  txtNotas.SetMultiLine(true);
  txtNotas.Move(180, 780, 5000, 500);

  picHoja.Move(120, 3300, 4200, 2400);
  hsbPagina.Move(120, 5760, 4200, 255);
  hsbPagina.SetRange(1, 3);
  imgLogo.Move(4560, 3300, 600, 600);
  linRaya.SetPoints(4560, 4020, 9960, 4020);

  grdBancos.Move(4560, 4140, 5400, 1860);
  grdBancos.SetDataSource(&datBancos);
  grdBancos.AddColumn("Código", "codigo").SetWidth(700);
  grdBancos.AddColumn("Banco", "nombre").SetWidth(3600);
  grdBancos.AddColumn("Corto", "corto").SetVisible(false);
  datBancos.SetVisible(false);

  cmdAceptar.SetCaption("&Aceptar");
  cmdAceptar.SetDefault(true);
  cmdAceptar.Move(7200, 6180, 1300, 375);
  cmdCancelar.SetCaption("&Cancelar");
  cmdCancelar.SetCancel(true);
  cmdCancelar.Move(8660, 6180, 1300, 375);

  sbrEstado.Move(0, 6720, 10080, 330);
  sbrEstado.AddPanel("RUC: 10076543211", 3000);
  sbrEstado.AddPanel("Formulario 0917", 2400);
  sbrEstado.AddPanel("Periodo 2002", 2400);
}

void frmMuestrario::Form_Load() {
  txtNombre.SetText("GARCIA PEREZ JUAN CARLOS");
  mskFecha.SetText("15/03/2003");
  for (const char* bank : {"BANCO ANDINO DE CREDITO", "BANCO INTERCONTINENTAL DEL SUR", "BANCO DEL PACIFICO NORTE"}) {
    cboBanco.AddItem(bank);
  }
  cboBanco.SetListIndex(0);
  for (const char* type : {"RUC", "DNI", "CARNET EXT.", "PASAPORTE"}) lstDocumentos.AddItem(type);
  lstDocumentos.SetListIndex(0);
  chkRectifica.SetValue(forms::vbChecked);
  optPago(0).SetValue(true);
  txtNotas.SetText("Renta de cuarta categoría\r\nsin retenciones");
  hsbPagina.SetValue(1);

  print::Page sheet;
  sheet.DrawText(150, 150, "DECLARACION ANUAL 2002", print::Font{"Courier New", 10, true});
  sheet.DrawRect(150, 600, 3900, 1800);
  sheet.DrawText(300, 750, "Casilla 100       24,000", print::Font{});
  sheet.DrawText(300, 1050, "Casilla 113       19,200", print::Font{});
  sheet.DrawLine(150, 1500, 3900, 1500);
  picHoja.SetDrawing(sheet);

  if (!Database.empty() && forms::Application::Current().Opener()) {
    datBancos.SetDatabaseName(Database);
    datBancos.SetRecordSource(
        "SELECT Argumento AS codigo, Trim(Mid(Funcion, 1, 36)) AS nombre, Trim(Mid(Funcion, 38, 12)) AS corto "
        "FROM PARAM WHERE Numero = '004' AND Argumento <> '00' ORDER BY Argumento");
    datBancos.Refresh();
  }
}

}  // namespace dexlora
