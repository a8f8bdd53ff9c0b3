// A saved return printed the way a preparer prints it every day: KR917's
// print window, the print dialog, a CUPS queue; what comes out of the queue
// is a PDF of the pages the report asked for, each on the queue's A4 sheet
// in the orientation its page asked for.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
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

// The number in `text` after `key`; 0 for none. Read as the tools write it,
// whatever the test's locale says of decimal points.
double NumberAfter(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return 0;
  const char* start = text.data() + at + key.size();
  while (*start == ' ') ++start;
  double value = 0;
  std::from_chars(start, text.data() + text.size(), value);
  return value;
}

// Whether most words of `page` are taller than they are wide, as pdftotext
// places them on the sheet.
bool TextRunsDown(const std::string& pdf, int page) {
  const std::string p = std::to_string(page);
  std::istringstream words(Output("pdftotext -f " + p + " -l " + p + " -bbox '" + pdf + "' -"));
  int down = 0, across = 0;
  for (std::string line; std::getline(words, line);) {
    const std::size_t start = line.find("\">"), end = line.find("</word>");
    if (start == std::string::npos || end == std::string::npos || end < start + 2 + 3) continue;  // too short to tell
    const double width = NumberAfter(line, "xMax=\"") - NumberAfter(line, "xMin=\"");
    const double height = NumberAfter(line, "yMax=\"") - NumberAfter(line, "yMin=\"");
    ++(height > width ? down : across);
  }
  return down > across;
}

std::vector<Sheet> SheetsOf(const std::string& pdf) {
  const int pages = static_cast<int>(NumberAfter(Output("pdfinfo '" + pdf + "'"), "Pages:"));
  std::vector<Sheet> sheets(static_cast<std::size_t>(std::max(pages, 0)));
  std::istringstream lines(Output("pdfinfo -f 1 -l " + std::to_string(pages) + " '" + pdf + "'"));
  for (std::string line; std::getline(lines, line);) {
    const int page = static_cast<int>(NumberAfter(line, "Page"));
    if (line.rfind("Page ", 0) != 0 || page < 1 || page > pages) continue;
    Sheet& sheet = sheets[static_cast<std::size_t>(page - 1)];
    if (line.find("size:") != std::string::npos) {
      sheet.Width = NumberAfter(line, "size:");
      sheet.Height = NumberAfter(line, " x ");
    } else if (static_cast<int>(NumberAfter(line, "rot:")) % 180 != 0) {
      std::swap(sheet.Width, sheet.Height);
    }
  }
  for (int k = 0; k < pages; ++k) sheets[static_cast<std::size_t>(k)].TextRunsDown = TextRunsDown(pdf, k + 1);
  return sheets;
}

class PrinterQueueOnScreen : public ::testing::TestWithParam<testing::Manager> {};

TEST_P(PrinterQueueOnScreen, ASavedReturnPrintedThroughTheDialogComesOutOfTheQueueOnA4) {
  PrinterQueue queue;
  if (!queue.Ready()) GTEST_SKIP() << queue.Why();
  // KR917 reaches the queue's server and finds the queue chosen in the print dialog.
  testing::ScopedEnv server("CUPS_SERVER", queue.Server());
  testing::ScopedEnv destination("LPDEST", queue.Name().c_str());
  Road road(GetParam());
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
  ASSERT_TRUE(road.WaitForWindow("Imprimir"));
  ASSERT_TRUE(road.ClickIn("Imprimir", {10, 10}));
  road.Shot("dialogo-impresion");
  road.Screen().Press("Return");
  ASSERT_TRUE(road.WaitForNoWindow("Imprimir"));

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

INSTANTIATE_TEST_SUITE_P(Desktops, PrinterQueueOnScreen, testing::kManagers, testing::ManagerName);

}  // namespace
}  // namespace kr::e2e
