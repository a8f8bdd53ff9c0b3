// The lists of sent returns as the user sees them when they open: the
// control number, which tells one sent return from another, is whole in
// view, in a column as wide as its heading and its values need.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "kr917/Capturas.h"
#include "platform/db/Engine.h"
#include "platform/db/Quote.h"
#include "tests/support/BaseInstalada.h"
#include "tests/support/CaptionFit.h"
#include "tests/support/SampleFixture.h"
#include "tests/support/TestSupport.h"

namespace kr917 {
namespace {

// The column of the grid whose heading is `heading`; -1 when none shows it.
int Columna(const QTableView& rejilla, const QString& heading) {
  for (int c = 0; c < rejilla.model()->columnCount(); ++c) {
    if (!rejilla.isColumnHidden(c) && rejilla.model()->headerData(c, Qt::Horizontal).toString() == heading) return c;
  }
  return -1;
}

// The sample's names, and a name as long as the register keeps one: a long
// name is cut in its own column (the status bar shows it whole), never
// pushes the control number out of view.
class ColumnaControl : public ::testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(Nombres, ColumnaControl,
                         ::testing::Values("", "GARCIA PEREZ DE LA CRUZ Y MONTENEGRO VDA. DE SALAZAR MARIA DEL CARMEN "
                                               "ESPERANZA DE LOS ANGELES"));

TEST_P(ColumnaControl, TheSentListsShowTheControlColumnWholeWhenTheyOpen) {
  ASSERT_FALSE(kr::testing::BaseInstalada().empty()) << "LUD917 did not install the form's tables";
  kr::testing::SampleInstallation instalacion;
  kr::testing::CopiaBaseInstalada(instalacion.Layout().Database);
  const std::string nombre = GetParam();
  if (!nombre.empty()) {
    dao::DBEngine motor;
    instalacion.Open(motor)->Execute("UPDATE CONT SET NOMBRE = " + dao::Quote(nombre) +
                                     " WHERE Doc_id_d IN (SELECT Doc_id_d FROM HCAB)");
  }
  kr::testing::TempFolder bloqueo;
  const std::map<std::string, QString> listas = {
      {"kr917-registrar-orden", QStringLiteral("Control")},
      {"kr917-eliminar-enviadas", QStringLiteral("Nro. Control")},
  };
  std::set<std::string> vistas;
  RecorreVentanas(bloqueo.Path(), [&](const qtui::Shot& captura, QWidget& ventana) {
    const auto lista = listas.find(captura.Name);
    if (lista == listas.end()) return true;
    SCOPED_TRACE(captura.Name);
    vistas.insert(captura.Name);
    auto* rejilla = ventana.findChild<QTableView*>(QStringLiteral("grdContrib"));
    if (rejilla == nullptr) {
      ADD_FAILURE() << "no grid";
      return true;
    }
    const int c = Columna(*rejilla, lista->second);
    if (c < 0) {
      ADD_FAILURE() << "no column " << lista->second.toStdString();
      return true;
    }
    const int ancho = rejilla->columnWidth(c);
    const int desde = rejilla->columnViewportPosition(c);
    EXPECT_EQ(rejilla->horizontalScrollBar()->value(), 0);
    EXPECT_GE(desde, 0);
    EXPECT_LE(desde + ancho, rejilla->viewport()->width()) << "the column ends past the grid's edge";

    // Its heading, on the grid's heading lines, and each of its values fit
    // inside the style's margins.
    const QHeaderView* cabecera = rejilla->horizontalHeader();
    for (const kr::testing::CutCaption& cortada : kr::testing::CutCaptions(ventana)) {
      if (cortada.Control == "grdContrib column " + std::to_string(c)) ADD_FAILURE() << kr::testing::Describe(cortada);
    }
    const int margenCelda = rejilla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, rejilla) + 1;
    EXPECT_GT(rejilla->model()->rowCount(), 0);
    for (int fila = 0; fila < rejilla->model()->rowCount(); ++fila) {
      const QString valor = rejilla->model()->index(fila, c).data().toString();
      EXPECT_FALSE(valor.trimmed().isEmpty()) << "row " << fila;
      EXPECT_LE(rejilla->fontMetrics().horizontalAdvance(valor) + 2 * margenCelda, ancho) << valor.toStdString();
    }
    // And no wider.
    const QAbstractItemView& vista = *rejilla;
    EXPECT_LE(ancho, std::max(cabecera->sectionSizeHint(c), vista.sizeHintForColumn(c)));
    return true;
  });
  EXPECT_EQ(vistas.size(), listas.size());
}

}  // namespace
}  // namespace kr917
