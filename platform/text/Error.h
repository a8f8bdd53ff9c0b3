//===- Error.h - VB run-time errors as exceptions ------------------------===//
//
// A run-time error carries VB's (or the database engine's) number and its
// Spanish description. Code that the original guarded with an error handler
// catches vb::Error where the handler stood.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <stdexcept>
#include <string>

namespace vb {

/// A run-time error: `Err.Number` and `Err.Description`.
class Error : public std::runtime_error {
 public:
  Error(int number, std::string description);
  /// An error with the standard description of its number.
  explicit Error(int number);

  int Number() const { return Number_; }
  const std::string& Description() const { return Description_; }

 private:
  int Number_;
  std::string Description_;
};

/// The standard Spanish description of a VB run-time error number (the
/// database layer keeps its engine's 3xxx texts itself).
std::string ErrorText(int number);

/// Raises the error `number` with its standard description.
[[noreturn]] void Raise(int number);
[[noreturn]] void Raise(int number, const std::string& description);

// The VB error numbers the system meets.
inline constexpr int ErrInvalidCall = 5;
inline constexpr int ErrOverflow = 6;
inline constexpr int ErrOutOfMemory = 7;
inline constexpr int ErrSubscript = 9;
inline constexpr int ErrDivisionByZero = 11;
inline constexpr int ErrTypeMismatch = 13;
inline constexpr int ErrBadFileNumber = 52;
inline constexpr int ErrFileNotFound = 53;
inline constexpr int ErrFileAlreadyOpen = 55;
inline constexpr int ErrFileAlreadyExists = 58;
inline constexpr int ErrInputPastEnd = 62;
inline constexpr int ErrPathFileAccess = 75;
inline constexpr int ErrPathNotFound = 76;
inline constexpr int ErrInvalidNull = 94;
inline constexpr int ErrInvalidProperty = 380;
inline constexpr int ErrPrinter = 482;
inline constexpr int ErrPrintCancelled = 20545;

}  // namespace vb
