// A saved return printed the way a preparer prints it every day: KR917's
// print window, the print dialog, a CUPS queue; what comes out of the queue
// is a PDF of the pages the report asked for, each on the queue's A4 sheet
// in the orientation its page asked for.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/PrinterQueue.h"
#include "tests/e2e/Road.h"
#include "tests/support/TestSupport.h"

namespace kr::e2e {
namespace {

namespace fs = std::filesystem;

// How long the queue may take with a job on a loaded machine (its filters
// run Ghostscript twice).
constexpr std::chrono::seconds kJob{300};

std::string Output(const std::string& command) {
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return {};
  std::string text;
  char buffer[512];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  ::pclose(pipe);
  return text;
}

// A sheet of the PDF: its size as pdfinfo tells it, in points, with the
// page's rotation applied, and which way its text runs.
struct Sheet {
  double Width = 0, Height = 0;
  bool TextRunsDown = false;
  bool A4() const {
    auto near = [](double a, double b) { return a > b - 2 && a < b + 2; };
    return (near(Width, 595) && near(Height, 842)) || (near(Width, 842) && near(Height, 595));
  }
  /// A landscape page's lines run along the sheet's long side: on a
  /// landscape sheet, or turned on an upright one, as a printer fed with
  /// upright sheets prints it.
  bool Landscape() const { return (Width > Height) != TextRunsDown; }
};

// Whether most words of `page` are taller than they are wide, as pdftotext
// places them on the sheet.
bool TextRunsDown(const std::string& pdf, int page) {
  const std::string p = std::to_string(page);
  std::istringstream words(Output("pdftotext -f " + p + " -l " + p + " -bbox '" + pdf + "' -"));
  int down = 0, across = 0;
  for (std::string line; std::getline(words, line);) {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    char word[128] = {};
    if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%127[^<]", &x0, &y0, &x1,
                    &y1, word) != 5 ||
        std::string(word).size() < 3) {
      continue;
    }
    ++(y1 - y0 > x1 - x0 ? down : across);
  }
  return down > across;
}

std::vector<Sheet> SheetsOf(const std::string& pdf) {
  const std::string info = Output("pdfinfo '" + pdf + "'");
  const std::size_t at = info.find("Pages:");
  const int pages = at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
  std::vector<Sheet> sheets(static_cast<std::size_t>(pages));
  std::istringstream lines(Output("pdfinfo -f 1 -l " + std::to_string(pages) + " '" + pdf + "'"));
  for (std::string line; std::getline(lines, line);) {
    int page = 0, rotation = 0;
    double w = 0, h = 0;
    if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf", &page, &w, &h) == 3 && page >= 1 && page <= pages) {
      sheets[page - 1].Width = w;
      sheets[page - 1].Height = h;
    } else if (std::sscanf(line.c_str(), "Page %d rot: %d", &page, &rotation) == 2 && page >= 1 && page <= pages &&
               rotation % 180 != 0) {
      std::swap(sheets[page - 1].Width, sheets[page - 1].Height);
    }
  }
  for (int k = 0; k < pages; ++k) sheets[k].TextRunsDown = TextRunsDown(pdf, k + 1);
  return sheets;
}

TEST(PrinterQueue, ASavedReturnPrintedThroughTheDialogComesOutOfTheQueueOnA4) {
  PrinterQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.Why();
  // KR917 reaches the queue's server and finds the queue chosen in the print dialog.
  testing::ScopedEnv server("CUPS_SERVER", queue.Server());
  testing::ScopedEnv destination("LPDEST", queue.Name().c_str());
  Road road;
  if (!road.Ready()) GTEST_SKIP() << road.Why();
  ASSERT_TRUE(road.StartHost());
  ASSERT_TRUE(road.InstallTables());
  ASSERT_TRUE(road.StartKR917());

  // Declaraciones > Imprimir: the saved returns, TORRES (the first) chosen;
  // the return and both annexes asked for.
  ASSERT_TRUE(road.ChooseMenu("d", "i"));
  ScreenWindow imprimir;
  ASSERT_TRUE(road.WaitForWindow("Imprimir ", &imprimir));
  ASSERT_TRUE(road.ClickIn("Imprimir ", {40, 40}));
  road.Screen().Click(imprimir, CentreOfTwips(120 + 240, 3120 + 900, 2500, 255));   // Declaración y anexo
  road.Screen().Click(imprimir, CentreOfTwips(3120 + 240, 3120 + 360, 3000, 255));  // Rentas exoneradas
  road.Screen().Click(imprimir, CentreOfTwips(3120 + 240, 3120 + 720, 3000, 255));  // Información adicional
  road.Shot("imprimir");

  // Imprimir: the print dialog offers the queue; Print sends the job to it.
  road.Screen().Press("alt+i");
  ASSERT_TRUE(road.WaitForWindow("Print"));
  ASSERT_TRUE(road.ClickIn("Print", {10, 10}));
  road.Shot("dialogo-impresion");
  road.Screen().Press("Return");
  ASSERT_TRUE(road.WaitForNoWindow("Print"));

  const std::vector<std::string> pdfs = queue.WaitForPdfs(kJob);
  ASSERT_EQ(pdfs.size(), 1u) << "the queue's output in " << queue.Output() << "\n" << queue.Logs();
  const std::string pdf = road.OutputFolder() + "/cola.pdf";
  fs::copy_file(pdfs.front(), pdf, fs::copy_options::overwrite_existing);

  // The declarant, the typed amounts (boxes 100 and 180) and the computed ones.
  const std::string impreso = Output("pdftotext -layout '" + pdf + "' -");
  for (const char* visto : {"10433221104", "TORRES VEGA ANA MARIA", "48,000", "1,250", "(9,600)", "38,400"}) {
    EXPECT_NE(impreso.find(visto), std::string::npos) << visto << "\n" << impreso;
  }

  // The return's three pages and the exempt incomes' page upright, the
  // additional information in landscape.
  const std::vector<Sheet> sheets = SheetsOf(pdf);
  const std::vector<bool> landscape = {false, false, false, false, true};
  ASSERT_EQ(sheets.size(), landscape.size()) << Output("pdfinfo '" + pdf + "'");
  for (std::size_t k = 0; k < sheets.size(); ++k) {
    SCOPED_TRACE("page " + std::to_string(k + 1));
    EXPECT_TRUE(sheets[k].A4()) << sheets[k].Width << " x " << sheets[k].Height;
    EXPECT_EQ(sheets[k].Landscape(), landscape[k])
        << sheets[k].Width << " x " << sheets[k].Height << ", text " << (sheets[k].TextRunsDown ? "down" : "across");
  }
}

}  // namespace
}  // namespace kr::e2e
