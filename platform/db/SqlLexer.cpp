#include "platform/db/SqlLexer.h"

#include <charconv>

#include "platform/db/JetError.h"
#include "platform/text/DateTime.h"

namespace dao::detail {
namespace {

bool IsWordStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool IsWordChar(unsigned char c) { return IsWordStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// True when a "." here qualifies a name ("A.x", "[T].x", "(...).x") rather than starting ".5".
bool FollowsName(const std::vector<Token>& tokens) {
  if (tokens.empty()) return false;
  const Token& last = tokens.back();
  return last.Kind == TokenKind::Word || last.Kind == TokenKind::Bracketed || last.Text == ")";
}

[[noreturn]] void SyntaxError(std::string_view sql) { RaiseJet(ErrSyntax, {sql}); }

// Reads the whole numbers of a date or time text separated by `separators`.
std::vector<int> NumbersOf(std::string_view text, std::string_view separators, std::string_view sql) {
  std::vector<int> out;
  std::size_t i = 0;
  while (i <= text.size()) {
    std::size_t end = text.find_first_of(separators, i);
    if (end == std::string_view::npos) end = text.size();
    std::string_view part = text.substr(i, end - i);
    int value = 0;
    auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (part.empty() || ec != std::errc() || ptr != part.data() + part.size()) SyntaxError(sql);
    out.push_back(value);
    i = end + 1;
  }
  return out;
}

// A "#...#" literal's serial day number: #m/d/yyyy#, #yyyy-m-d#, each with an optional " h:m[:s]".
double DateLiteral(std::string_view body, std::string_view sql) {
  std::size_t blank = body.find(' ');
  std::string_view datePart = body.substr(0, blank);
  std::string_view timePart = blank == std::string_view::npos ? std::string_view() : body.substr(blank + 1);
  while (!timePart.empty() && timePart.front() == ' ') timePart.remove_prefix(1);
  int year, month, day;
  if (datePart.find('-') != std::string_view::npos) {
    std::vector<int> n = NumbersOf(datePart, "-", sql);
    if (n.size() != 3) SyntaxError(sql);
    year = n[0], month = n[1], day = n[2];
  } else {
    std::vector<int> n = NumbersOf(datePart, "/", sql);
    if (n.size() != 3) SyntaxError(sql);
    month = n[0], day = n[1], year = n[2];
    if (year < 100) year += year < 30 ? 2000 : 1900;
  }
  if (!vb::IsValidDate(year, month, day)) SyntaxError(sql);
  int hour = 0, minute = 0, second = 0;
  if (!timePart.empty()) {
    std::vector<int> t = NumbersOf(timePart, ":", sql);
    if (t.size() < 2 || t.size() > 3 || t[0] > 23 || t[1] > 59 || (t.size() == 3 && t[2] > 59)) SyntaxError(sql);
    hour = t[0], minute = t[1], second = t.size() == 3 ? t[2] : 0;
  }
  return vb::DateTimeSerial(year, month, day, hour, minute, second).Serial;
}

Literal NumberLiteral(std::string_view text, bool real, std::string_view sql) {
  Literal lit;
  if (!real) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), lit.IntValue);
    if (ec == std::errc() && ptr == text.data() + text.size()) {
      lit.Type = Literal::Kind::Integer;
      return lit;
    }
  }
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), lit.RealValue);
  if (ec != std::errc() || ptr != text.data() + text.size()) SyntaxError(sql);
  lit.Type = Literal::Kind::Real;
  return lit;
}

}  // namespace

bool IsKeyword(std::string_view word, std::string_view upper) {
  if (word.size() != upper.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != upper[i]) return false;
  }
  return true;
}

Lexed Lex(std::string_view sql) {
  Lexed out;
  out.Shape.reserve(sql.size() + sql.size() / 4);
  out.Tokens.reserve(sql.size() / 3 + 2);
  out.Literals.reserve(8);
  auto addLiteral = [&](std::string_view source, Literal lit) {
    out.Tokens.push_back({TokenKind::Literal, source, static_cast<int>(out.Literals.size())});
    out.Literals.push_back(std::move(lit));
    out.Shape += "? ";
  };
  std::size_t i = 0;
  const std::size_t n = sql.size();
  while (i < n) {
    const char c = sql[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    const std::size_t start = i;
    if (IsWordStart(static_cast<unsigned char>(c))) {
      while (i < n && IsWordChar(static_cast<unsigned char>(sql[i]))) ++i;
      std::string_view word = sql.substr(start, i - start);
      out.Tokens.push_back({TokenKind::Word, word});
      out.Shape.append(word).push_back(' ');
    } else if (c == '[') {
      std::size_t close = sql.find(']', i + 1);
      if (close == std::string_view::npos || close == i + 1) SyntaxError(sql);
      std::string_view name = sql.substr(i + 1, close - i - 1);
      out.Tokens.push_back({TokenKind::Bracketed, name});
      out.Shape.append("[").append(name).append("] ");
      i = close + 1;
    } else if (c == '\'' || c == '"') {
      Literal lit;
      ++i;
      for (;;) {
        const std::size_t quote = sql.find(c, i);
        if (quote == std::string_view::npos) SyntaxError(sql);
        lit.TextValue.append(sql.substr(i, quote - i));
        i = quote + 1;
        if (i < n && sql[i] == c) {  // a doubled quote stands for one
          lit.TextValue += c;
          ++i;
          continue;
        }
        break;
      }
      addLiteral(sql.substr(start, i - start), std::move(lit));
    } else if (c == '#') {
      std::size_t close = sql.find('#', i + 1);
      if (close == std::string_view::npos) SyntaxError(sql);
      Literal lit;
      lit.Type = Literal::Kind::Real;
      lit.RealValue = DateLiteral(sql.substr(i + 1, close - i - 1), sql);
      i = close + 1;
      addLiteral(sql.substr(start, i - start), std::move(lit));
    } else if (IsDigit(c) || (c == '.' && i + 1 < n && IsDigit(sql[i + 1]) && !FollowsName(out.Tokens))) {
      bool real = false;
      while (i < n && IsDigit(sql[i])) ++i;
      if (i < n && sql[i] == '.') {
        real = true;
        ++i;
        while (i < n && IsDigit(sql[i])) ++i;
      }
      if (i < n && (sql[i] == 'e' || sql[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (sql[j] == '+' || sql[j] == '-')) ++j;
        if (j < n && IsDigit(sql[j])) {
          real = true;
          i = j;
          while (i < n && IsDigit(sql[i])) ++i;
        }
      }
      if (i < n && IsWordChar(static_cast<unsigned char>(sql[i]))) SyntaxError(sql);
      std::string_view text = sql.substr(start, i - start);
      // from_chars reads no leading "."; give it the "0" that Jet takes for granted.
      if (text.front() == '.') {
        addLiteral(text, NumberLiteral("0" + std::string(text), true, sql));
      } else {
        addLiteral(text, NumberLiteral(text, real, sql));
      }
    } else {
      static constexpr std::string_view kTwo[] = {"<=", ">=", "<>"};
      std::size_t length = 0;
      for (std::string_view two : kTwo) {
        if (sql.substr(i, 2) == two) length = 2;
      }
      if (length == 0) {
        if (std::string_view("=<>+-*/\\&(),.;").find(c) == std::string_view::npos) SyntaxError(sql);
        length = 1;
      }
      std::string_view symbol = sql.substr(i, length);
      out.Tokens.push_back({TokenKind::Symbol, symbol});
      out.Shape.append(symbol).push_back(' ');
      i += length;
    }
  }
  out.Tokens.push_back({TokenKind::End, {}});
  return out;
}

std::string Normalized(const Lexed& lexed) {
  std::string key;
  key.reserve(lexed.Shape.size() + 16 * lexed.Literals.size());
  for (char ch : lexed.Shape) key += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
  for (const Literal& l : lexed.Literals) {
    key += '\x1f';
    switch (l.Type) {
      case Literal::Kind::Text:
        key += 'T';
        key += l.TextValue;
        break;
      case Literal::Kind::Integer:
        key += 'I';
        key += std::to_string(l.IntValue);
        break;
      case Literal::Kind::Real:
        key += 'R';
        key += std::to_string(l.RealValue);
        break;
    }
  }
  return key;
}

}  // namespace dao::detail
