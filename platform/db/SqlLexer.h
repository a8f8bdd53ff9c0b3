//===- SqlLexer.h - Tokens of the Jet SQL dialect (internal) ---------------===//
//
// Splits a statement into words, [bracketed names], literals and symbols.
// Literals are taken out of the statement: each one is decoded once into the
// statement's literal list, and the statement's shape (its text with every
// literal replaced by "?") names its translation in the statement cache, so
// "... WHERE Numero='004'" and "... WHERE Numero='979'" share one prepared
// statement and differ only in what is bound.
//
// Strings stand between single or double quotes, the quote doubled inside;
// dates between "#" (month/day/year or year-month-day, with an optional
// time) become their serial day number. There are no comments in the
// dialect: "--" is two minus signs.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dao::detail {

enum class TokenKind { Word, Bracketed, Literal, Symbol, End };

struct Token {
  TokenKind Kind = TokenKind::End;
  /// The word or symbol as written; the name inside [ ]; the literal's source text.
  std::string_view Text;
  /// Index into Lexed::Literals for a literal.
  int Literal = -1;
};

/// A literal's decoded value.
struct Literal {
  enum class Kind { Text, Integer, Real } Type = Kind::Text;
  std::string TextValue;
  std::int64_t IntValue = 0;
  double RealValue = 0;
};

struct Lexed {
  std::vector<Token> Tokens;  // ends with an End token
  std::vector<Literal> Literals;
  std::string Shape;
};

/// The tokens, literals and shape of `sql`. Error 3075 on a character or
/// literal that the dialect does not have (an unclosed quote, a bad date).
Lexed Lex(std::string_view sql);

/// What makes two statements the same: their words in capitals, whatever
/// the blanks between them, and their literals' values.
std::string Normalized(const Lexed& lexed);

/// A statement's text with its tokens, which point into that text: kept and
/// shared whole, so the tokens stay good as long as it is held.
struct LexedSql {
  explicit LexedSql(std::string_view sql) : Text(sql), Tokens(Lex(Text)), Normal(Normalized(Tokens)) {}
  LexedSql(const LexedSql&) = delete;
  LexedSql& operator=(const LexedSql&) = delete;
  const std::string Text;
  const Lexed Tokens;
  const std::string Normal;
};

/// True when `word` equals the keyword `upper` (given in upper case), ignoring case.
bool IsKeyword(std::string_view word, std::string_view upper);

}  // namespace dao::detail
