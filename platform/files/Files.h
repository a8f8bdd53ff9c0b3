//===- Files.h - VB's numbered files: Open, Print #, Line Input #, Close --===//
//
// The files a program has open under numbers are that program's state, so
// they live in a Files object owned by whoever runs the program's code (its
// shared run-time state), not in a global. Lines end with CR LF. A file whose
// format is Windows-1252 gets its text converted on write; on read, a file
// that is valid UTF-8 is taken as is and anything else as Windows-1252, so a
// file from either world reads right.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <string_view>

namespace vb {

/// `Open ... For Input | Output | Append`; OutputNew is Output to a file
/// that must not exist yet, made by this open and by nobody else.
enum class OpenMode { Input, Output, Append, OutputNew };

/// The bytes a file holds on disk: Windows-1252 (the format of the files the
/// system shares with other programs) or UTF-8.
enum class FileFormat { Windows1252, Utf8 };

/// The numbered files of one program.
class Files {
 public:
  Files() = default;
  Files(const Files&) = delete;
  Files& operator=(const Files&) = delete;
  /// Takes over the other table's open files.
  Files(Files&& other) noexcept;
  /// Closes this table's files, then takes over the other's.
  Files& operator=(Files&& other) noexcept;
  /// Closes every file still open.
  ~Files();

  /// The lowest number from 1 to 255 not in use; error 67 when all are.
  int FreeFile() const;

  /// `Open path For mode As #number`. Input reads the whole file now; Output
  /// creates or empties it; Append creates it or writes at its end; OutputNew
  /// creates it. Nothing that stands at the name makes it wait. The writing
  /// modes reach the file as every write does (see WholeFile.h): a link of
  /// another user's on the way, or at the name, refuses them. Errors: 52
  /// number outside 1-511, 55 number in use or the same file already open
  /// (several Input opens of one file are allowed), 53 file not found
  /// (Input), 58 the file exists (OutputNew), 76 path not found, 75 no plain
  /// file (a folder, a pipe, a socket, a device), another user's link or
  /// access refused.
  void Open(std::string_view path, OpenMode mode, int number, FileFormat format = FileFormat::Windows1252);

  /// `Print #number, text`: writes the text and CR LF. Errors: 52 not open, 54 opened for Input.
  void Print(int number, std::string_view text);

  /// `Line Input #number`: the next line without its end (CR LF, LF or CR).
  /// Errors: 52 not open, 54 not opened for Input, 62 past the end.
  std::string LineInput(int number);

  /// `Input(count, #number)`: the next `count` characters, line ends included.
  /// Errors as LineInput.
  std::string Input(long count, int number);

  /// `EOF(number)`: True when nothing is left to read (always for Output and
  /// Append). Error 52 when not open.
  bool Eof(int number) const;

  /// `LOF(number)`: the file's length; for an Input file in characters as
  /// read, so `Input(Lof(n), n)` reads it whole. Error 52 when not open.
  long Lof(int number) const;

  /// `Close #number`; a number not open is ignored, as VB does.
  void Close(int number);

  /// `Close`: closes every open file.
  void Close();

 private:
  struct OpenFile {
    OpenMode Mode = OpenMode::Input;
    FileFormat Format = FileFormat::Windows1252;
    int Fd = -1;          // Output and Append
    std::string Content;  // Input: the whole text, decoded
    std::size_t Position = 0;
    dev_t Device = 0;
    ino_t Inode = 0;
    std::string NativePath;
  };

  OpenFile& Get(int number);
  const OpenFile& Get(int number) const;
  OpenFile& GetForInput(int number);
  void CheckNotOpenElsewhere(dev_t device, ino_t inode, OpenMode mode) const;

  std::map<int, OpenFile> Open_;
};

}  // namespace vb
