#include "platform/files/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/NativePath.h"
#include "platform/files/Places.h"
#include "platform/files/SystemError.h"
#include "platform/text/Cp1252.h"
#include "platform/text/Error.h"

namespace vb {
namespace {

constexpr int kHighestNumber = 511;
constexpr int kHighestFreeFile = 255;
constexpr int ErrBadFileMode = 54;

[[noreturn]] void RaiseBadMode() { Raise(ErrBadFileMode); }

void CheckNumber(int number) {
  if (number < 1 || number > kHighestNumber) Raise(ErrBadFileNumber);
}

// Opens the native path `native` to write in place, in the folder reached as
// every write reaches it: the running user's or root's links lead on, even at
// the name, and any other refuses. Only a plain file is written; without
// O_NONBLOCK a pipe nobody reads would hold the open until somebody did.
int OpenToWrite(const std::string& native, OpenMode mode, struct stat& st) {
  const detail::WritePlace place = detail::FindWritePlace(native, mode != OpenMode::OutputNew);
  // Not truncated at open: a file already open under another number must be
  // refused before its content is lost.
  int flags = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  if (mode == OpenMode::Append) flags |= O_APPEND;
  if (mode == OpenMode::OutputNew) flags |= O_EXCL;
  const int fd = ::openat(place.Folder(), place.Name().c_str(), flags, 0666);
  if (fd < 0 && errno == EEXIST && mode == OpenMode::OutputNew) Raise(ErrFileAlreadyExists);
  if (fd < 0) detail::RaiseFileError(errno, native);
  detail::KeepPlainFile(fd, st, native);
  return fd;
}

// Bytes taken by the UTF-8 character whose first byte is `lead`.
std::size_t CharLength(unsigned char lead) {
  return lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
}

}  // namespace

Files::~Files() { Close(); }

Files::Files(Files&& other) noexcept : Open_(std::move(other.Open_)) { other.Open_.clear(); }

Files& Files::operator=(Files&& other) noexcept {
  if (this != &other) {
    Close();
    Open_ = std::move(other.Open_);
    other.Open_.clear();
  }
  return *this;
}

int Files::FreeFile() const {
  for (int n = 1; n <= kHighestFreeFile; ++n) {
    if (!Open_.contains(n)) return n;
  }
  Raise(67);
}

void Files::CheckNotOpenElsewhere(dev_t device, ino_t inode, OpenMode mode) const {
  for (const auto& [number, file] : Open_) {
    if (file.Device != device || file.Inode != inode) continue;
    if (mode != OpenMode::Input || file.Mode != OpenMode::Input) Raise(ErrFileAlreadyOpen);
  }
}

void Files::Open(std::string_view path, OpenMode mode, int number, FileFormat format) {
  CheckNumber(number);
  if (Open_.contains(number)) Raise(ErrFileAlreadyOpen);
  OpenFile file;
  file.Mode = mode;
  file.Format = format;
  file.NativePath = NativePath(path);

  struct stat st {};
  const int fd = mode == OpenMode::Input ? detail::OpenToRead(file.NativePath, st)
                                         : OpenToWrite(file.NativePath, mode, st);
  try {
    CheckNotOpenElsewhere(st.st_dev, st.st_ino, mode);
    file.Device = st.st_dev;
    file.Inode = st.st_ino;
    if (mode == OpenMode::Input) {
      file.Content = DecodeText(detail::ReadAll(fd, file.NativePath));
      ::close(fd);
    } else {
      if (mode == OpenMode::Output && ::ftruncate(fd, 0) != 0) detail::RaiseFileError(errno, file.NativePath);
      file.Fd = fd;
    }
  } catch (...) {
    ::close(fd);
    throw;
  }
  Open_.emplace(number, std::move(file));
}

Files::OpenFile& Files::Get(int number) {
  CheckNumber(number);
  auto it = Open_.find(number);
  if (it == Open_.end()) Raise(ErrBadFileNumber);
  return it->second;
}

const Files::OpenFile& Files::Get(int number) const {
  CheckNumber(number);
  auto it = Open_.find(number);
  if (it == Open_.end()) Raise(ErrBadFileNumber);
  return it->second;
}

Files::OpenFile& Files::GetForInput(int number) {
  OpenFile& file = Get(number);
  if (file.Mode != OpenMode::Input) RaiseBadMode();
  return file;
}

void Files::Print(int number, std::string_view text) {
  OpenFile& file = Get(number);
  if (file.Mode == OpenMode::Input) RaiseBadMode();
  std::string line = file.Format == FileFormat::Windows1252 ? ToCp1252(text) : std::string(text);
  line += "\r\n";
  detail::WriteAll(file.Fd, line, file.NativePath);
}

std::string Files::LineInput(int number) {
  OpenFile& file = GetForInput(number);
  const std::string& text = file.Content;
  if (file.Position >= text.size()) Raise(ErrInputPastEnd);
  std::size_t end = text.find_first_of("\r\n", file.Position);
  if (end == std::string::npos) end = text.size();
  std::string line = text.substr(file.Position, end - file.Position);
  if (end < text.size()) end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
  file.Position = end;
  return line;
}

std::string Files::Input(long count, int number) {
  OpenFile& file = GetForInput(number);
  if (count < 0) Raise(ErrInvalidCall);
  const std::string& text = file.Content;
  std::size_t end = file.Position;
  for (long n = 0; n < count; ++n) {
    if (end >= text.size()) Raise(ErrInputPastEnd);
    end += CharLength(static_cast<unsigned char>(text[end]));
  }
  std::string chars = text.substr(file.Position, end - file.Position);
  file.Position = end;
  return chars;
}

bool Files::Eof(int number) const {
  const OpenFile& file = Get(number);
  return file.Mode != OpenMode::Input || file.Position >= file.Content.size();
}

long Files::Lof(int number) const {
  const OpenFile& file = Get(number);
  if (file.Mode == OpenMode::Input) {
    long chars = 0;
    for (char c : file.Content) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return chars;
  }
  struct stat st {};
  if (::fstat(file.Fd, &st) != 0) detail::RaiseFileError(errno, file.NativePath);
  return static_cast<long>(st.st_size);
}

void Files::Close(int number) {
  auto it = Open_.find(number);
  if (it == Open_.end()) return;
  if (it->second.Fd >= 0) ::close(it->second.Fd);
  Open_.erase(it);
}

void Files::Close() {
  while (!Open_.empty()) Close(Open_.begin()->first);
}

}  // namespace vb
