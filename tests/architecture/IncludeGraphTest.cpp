// The include graph of the source tree against the layers of the design:
// dependencies point down only, Qt stays in the front end, the build tools
// and the program mains, and KR917's frame never reaches up into the return
// form, its computation, schedules or printing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace kr::architecture {
namespace {

namespace fs = std::filesystem;

// The platform modules, lowest first: each may include those before it.
const std::vector<std::string> kPlatform = {"text", "files", "profile", "print", "db", "host", "forms", "qt"};

std::set<std::string> PlatformUpTo(const std::string& module, bool withQt) {
  std::set<std::string> allowed;
  for (const std::string& m : kPlatform) {
    if (m == "qt" && !withQt) continue;
    allowed.insert("platform/" + m);
    if (m == module) break;
  }
  return allowed;
}

std::set<std::string> Join(std::set<std::string> a, const std::set<std::string>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

// What a file may include: the layer names ("platform/db", "app", ...) it
// may reach, and whether it may include Qt.
struct Rule {
  std::set<std::string> Layers;
  bool Qt = false;
};

// The folders of the system and who may include what. A program's main
// (kr917/, installer/Main.cpp, summary/Main.cpp) may also use the Qt front end.
Rule RuleFor(const std::string& relative) {
  const std::string top = relative.substr(0, relative.find('/'));
  const std::set<std::string> platform = PlatformUpTo("forms", false);
  const bool main = relative == "installer/Main.cpp" || relative == "summary/Main.cpp";
  if (top == "platform") {
    const std::string module = relative.substr(9, relative.find('/', 9) - 9);
    return {PlatformUpTo(module, module == "qt"), module == "qt"};
  }
  if (top == "common") return {Join(platform, {"common"})};
  if (top == "app") return {Join(platform, {"common", "app"})};
  if (top == "return") return {Join(platform, {"common", "app", "return"})};
  if (top == "computation" || top == "schedules") {
    return {Join(platform, {"common", "app", "return", "computation", "schedules"})};
  }
  if (top == "printing") {
    return {Join(platform, {"common", "app", "return", "computation", "schedules", "printing"})};
  }
  if (top == "installer") {
    return {Join(main ? PlatformUpTo("qt", true) : platform, {"common", "installer"}), main};
  }
  if (top == "summary") return {Join(main ? PlatformUpTo("qt", true) : platform, {"common", "summary"}), main};
  if (top == "kr917") {
    return {Join(PlatformUpTo("qt", true),
                 {"common", "app", "return", "computation", "schedules", "printing", "kr917"}),
            true};
  }
  if (top == "host") return {Join(PlatformUpTo("qt", true), {"common", "host"}), true};
  if (top == "tools") return {{}, true};
  return {};
}

// The layer a quoted include names: "platform/db" for platform/db/X.h, the
// top folder otherwise.
std::string LayerOf(const std::string& include) {
  const std::string top = include.substr(0, include.find('/'));
  if (top != "platform") return top;
  const std::size_t slash = include.find('/', 9);
  return slash == std::string::npos ? include : include.substr(0, slash);
}

bool IsQtHeader(const std::string& angled) {
  return angled.size() > 1 && angled[0] == 'Q' && (std::isupper(static_cast<unsigned char>(angled[1])) ||
                                                   angled.rfind("Qt", 0) == 0);
}

TEST(IncludeGraph, EveryIncludePointsDownTheLayers) {
  const fs::path root(KR_SOURCE_DIR);
  const std::regex quoted(R"(^\s*#\s*include\s+"([^"]+)\")");
  const std::regex angled(R"(^\s*#\s*include\s+<([^>]+)>)");
  const std::vector<std::string> folders = {"platform", "common", "app", "return", "computation", "schedules",
                                            "printing", "installer", "summary", "kr917", "host", "tools"};
  std::vector<std::string> wrong;
  int files = 0;
  for (const std::string& folder : folders) {
    if (!fs::is_directory(root / folder)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const std::string relative = fs::relative(entry.path(), root).generic_string();
      if (relative.rfind("platform/forms/testing/", 0) == 0) continue;  // the test user, for tests only
      const Rule rule = RuleFor(relative);
      ++files;
      std::ifstream in(entry.path());
      std::string line;
      int number = 0;
      while (std::getline(in, line)) {
        ++number;
        std::smatch m;
        const std::string where = relative + ":" + std::to_string(number) + ": ";
        if (std::regex_search(line, m, quoted)) {
          const std::string layer = LayerOf(m[1]);
          if (!rule.Layers.count(layer)) wrong.push_back(where + "includes " + m[1].str());
        } else if (std::regex_search(line, m, angled) && IsQtHeader(m[1]) && !rule.Qt) {
          wrong.push_back(where + "includes Qt's <" + m[1].str() + ">");
        }
      }
    }
  }
  EXPECT_GT(files, 100);
  std::string list;
  for (const std::string& w : wrong) list += "\n  " + w;
  EXPECT_TRUE(wrong.empty()) << wrong.size() << " includes against the layers:" << list;
}

TEST(IncludeGraph, TheRulesThemselves) {
  struct Case {
    const char* File;
    const char* Include;
    bool Allowed;
  };
  const Case cases[] = {
      {"platform/forms/Form.cpp", "platform/print/Canvas.h", true},
      {"platform/print/Canvas.cpp", "platform/forms/Form.h", false},
      {"platform/forms/Form.cpp", "platform/qt/FormView.h", false},
      {"platform/db/Recordset.cpp", "app/inicio/Compartidas.h", false},
      {"common/Spool.cpp", "app/inicio/Compartidas.h", false},
      {"app/ventanas/MDIFrm.cpp", "return/Frm0917.h", false},
      {"app/ventanas/MDIFrm.cpp", "common/Spool.h", true},
      {"return/Carga.cpp", "computation/Formulas.h", false},
      {"computation/Vale.cpp", "return/Frm0917.h", true},
      {"printing/frmPreview.cpp", "return/Frm0917.h", true},
      {"installer/Tablas.cpp", "app/inicio/Compartidas.h", false},
      {"installer/Main.cpp", "platform/qt/FrontEndChoice.h", true},
      {"installer/Tablas.cpp", "platform/qt/FrontEndChoice.h", false},
      {"host/HostWindow.cpp", "app/ventanas/MDIFrm.h", false},
      {"kr917/Main.cpp", "printing/frmImprimir.h", true},
      {"kr917/Main.cpp", "host/HostWindow.h", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.File) + " -> " + c.Include);
    EXPECT_EQ(RuleFor(c.File).Layers.count(LayerOf(c.Include)) == 1, c.Allowed);
  }
  EXPECT_TRUE(IsQtHeader("QWidget"));
  EXPECT_TRUE(IsQtHeader("QtCore/QString"));
  EXPECT_FALSE(IsQtHeader("queue"));
  EXPECT_FALSE(RuleFor("app/ventanas/MDIFrm.cpp").Qt);
  EXPECT_TRUE(RuleFor("platform/qt/FormView.cpp").Qt);
}

}  // namespace
}  // namespace kr::architecture
