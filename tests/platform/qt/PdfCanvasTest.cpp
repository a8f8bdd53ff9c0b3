#include "platform/qt/PdfCanvas.h"
#include "platform/qt/PrintJob.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <string>
#include <string_view>

#include "platform/text/Error.h"
#include "tests/platform/qt/SampleReport.h"
#include "tests/support/WaitLimit.h"

namespace qtui {
namespace {

// The standard output of a poppler tool run on `pdf`.
std::string Poppler(const QString& tool, const QStringList& args) {
  QProcess process;
  process.start(QStandardPaths::findExecutable(tool), args);
  const auto limit = static_cast<int>(std::chrono::milliseconds(kr::testing::kWaitLimit).count());
  if (!process.waitForFinished(limit) || process.exitCode() != 0) return "(" + tool.toStdString() + " failed)";
  // Runs of blanks as one, so the tests need not count pdfinfo's padding.
  return process.readAllStandardOutput().simplified().toStdString();
}

class PdfCanvasTest : public testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
        QStandardPaths::findExecutable("pdftotext").isEmpty()) {
      GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) is not installed";
    }
    ASSERT_TRUE(Dir.isValid());
    Path = Dir.filePath("report.pdf");
  }

  QTemporaryDir Dir;
  QString Path;
};

TEST_F(PdfCanvasTest, ReportGivesOneSheetPerPageInItsOrientation) {
  {
    PdfCanvas pdf(Path);
    test::DrawSampleReport(pdf);
    EXPECT_EQ(pdf.PageCount(), 3);
  }
  const std::string info = Poppler("pdfinfo", {"-f", "1", "-l", "3", Path});
  EXPECT_NE(info.find("Pages: 3 "), std::string::npos) << info;
  EXPECT_NE(info.find("Page 1 size: 612 x 792 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Page 2 size: 612 x 792 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Page 3 size: 792 x 612 pts"), std::string::npos) << info;
}

TEST_F(PdfCanvasTest, TextsAreInThePdfOnTheirPages) {
  {
    PdfCanvas pdf(Path);
    test::DrawSampleReport(pdf);
  }
  struct Case {
    const char* Page;
    const char* Text;
  };
  const Case cases[] = {{"1", "RESUMEN ANUAL"}, {"1", "Línea de ocho puntos"},
                        {"2", "Segunda hoja"},  {"3", "Hoja apaisada"}};
  for (const Case& c : cases) {
    const std::string text = Poppler("pdftotext", {"-f", c.Page, "-l", c.Page, "-enc", "UTF-8", Path, "-"});
    EXPECT_NE(text.find(c.Text), std::string::npos) << "page " << c.Page << ": " << text;
  }
}

// Positions count from the sheet's corner in a PDF: a text at x 1 inch
// starts 1 inch from the left edge.
TEST_F(PdfCanvasTest, PositionsCountFromTheSheetCorner) {
  {
    PdfCanvas pdf(Path);
    pdf.DrawText(1440, 2880, "MARCA", test::kBodyFont);
    pdf.EndDocument();
  }
  const std::string box = Poppler("pdftotext", {"-bbox", Path, "-"});
  // <word xMin="72.000000" yMin="144.000000" ...>MARCA</word>, in points
  auto attribute = [&box](std::string_view name) {
    const auto at = box.find(std::string(name) + "=\"");
    double value = -1;
    if (at != std::string::npos) {
      const char* first = box.data() + at + name.size() + 2;
      std::from_chars(first, box.data() + box.size(), value);
    }
    return value;
  };
  EXPECT_NEAR(attribute("xMin"), 72, 0.5) << box;
  EXPECT_NEAR(attribute("yMin"), 144, 0.5) << box;
}

TEST(PdfCanvas, UnwritableFileIsAPrinterError) {
  PdfCanvas pdf("/nonexistent-folder/report.pdf");
  for (int item = 0; item < 2; ++item) {  // the first item and those after it
    try {
      pdf.DrawText(0, 0, "x", test::kBodyFont);
      ADD_FAILURE() << "drawing on an unwritable PDF succeeded, item " << item;
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), 482);
    }
  }
}

// The print dialog's print to a file: the job writes a PDF, as PdfCanvas does.
TEST_F(PdfCanvasTest, AJobPrintedToAFileIsAPdf) {
  auto printer = std::make_unique<QPrinter>();
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(Path);
  std::shared_ptr<print::Canvas> job = PrintJobCanvas(std::move(printer));
  test::DrawSampleReport(*job);
  job.reset();
  const std::string info = Poppler("pdfinfo", {Path});
  EXPECT_NE(info.find("Pages: 3 "), std::string::npos) << info;
}

TEST(StartPrintJob, CancelledDialogStartsNoJob) {
  QTimer::singleShot(0, [] {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  EXPECT_EQ(StartPrintJob("00000001.PRN"), nullptr);
}

TEST(ChoosePrinter, CancelledDialogAnswersFalse) {
  QPrinter printer;
  QTimer::singleShot(0, [] {
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  EXPECT_FALSE(ChoosePrinter(printer));
}

// Qt's own dialogs speak the program's language: the print dialog's buttons in Spanish.
TEST(ChoosePrinter, TheDialogSpeaksSpanish) {
  const QDir translations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!translations.exists(QStringLiteral("qtbase_es.qm"))) {
    GTEST_SKIP() << "Qt's Spanish translations are not installed in " << translations.path().toStdString();
  }
  QPrinter printer;
  QStringList buttons;
  QTimer::singleShot(0, [&buttons] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr) return;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (button->isVisibleTo(dialog) && !button->text().isEmpty()) buttons << button->text().remove(QLatin1Char('&'));
    }
    dialog->close();
  });
  ChoosePrinter(printer);
  const std::string shown = buttons.join(QStringLiteral(", ")).toStdString();
  EXPECT_TRUE(buttons.contains(QStringLiteral("Imprimir"))) << shown;
  EXPECT_TRUE(buttons.contains(QStringLiteral("Cancelar"))) << shown;
  for (const char* english : {"Print", "Cancel", "Properties", "Options >>"}) {
    EXPECT_FALSE(buttons.contains(QLatin1String(english))) << english << " in " << shown;
  }
}

}  // namespace
}  // namespace qtui
