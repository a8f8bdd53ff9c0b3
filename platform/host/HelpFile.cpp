#include "platform/host/HelpFile.h"

#include <charconv>
#include <optional>
#include <vector>

#include "platform/files/NativePath.h"
#include "platform/files/WholeFile.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"
#include "platform/text/Number.h"
#include "platform/text/Strings.h"

namespace host {
namespace {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  return lines;
}

struct Header {
  long ContextId = 0;
  std::string Title;
};

// "[1041] Title" at the start of a line.
std::optional<Header> ParseHeader(std::string_view line) {
  if (line.size() < 3 || line.front() != '[') return std::nullopt;
  std::size_t close = line.find(']');
  if (close == std::string_view::npos || close == 1) return std::nullopt;
  Header header;
  auto [end, ec] = std::from_chars(line.data() + 1, line.data() + close, header.ContextId);
  if (ec != std::errc() || end != line.data() + close) return std::nullopt;
  header.Title = vb::Trim(line.substr(close + 1));
  return header;
}

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

HelpPage NotFound(std::string text) {
  HelpPage page;
  page.Text = std::move(text);
  return page;
}

}  // namespace

HelpPage ReadHelpTopic(std::string_view path, long contextId) {
  std::string native = vb::NativePath(path);
  std::string bytes;
  try {
    bytes = vb::ReadFileBytes(path);
  } catch (const vb::Error& e) {
    if (e.Number() == vb::ErrFileNotFound || e.Number() == vb::ErrPathNotFound) {
      return NotFound("No se encuentra el archivo de ayuda: " + native);
    }
    return NotFound("No se puede leer el archivo de ayuda: " + native);
  }

  std::vector<std::string> lines = SplitLines(vb::DecodeText(bytes));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto header = ParseHeader(lines[i]);
    if (!header || (contextId != kHelpContents && header->ContextId != contextId)) continue;
    std::size_t from = i + 1, to = from;
    while (to < lines.size() && !ParseHeader(lines[to])) ++to;
    while (from < to && IsBlank(lines[from])) ++from;
    while (to > from && IsBlank(lines[to - 1])) --to;
    HelpPage page;
    page.Found = true;
    page.ContextId = header->ContextId;
    page.Title = header->Title;
    for (std::size_t k = from; k < to; ++k) page.Text += (k > from ? "\n" : "") + lines[k];
    return page;
  }
  if (contextId == kHelpContents) return NotFound("El archivo de ayuda no tiene temas: " + native);
  return NotFound("No se encuentra el tema de ayuda " + vb::NumberText(contextId) + " en el archivo de ayuda: " + native);
}

}  // namespace host
