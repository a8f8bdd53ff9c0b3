#include "tests/support/FullDisk.h"

#include <sqlite3.h>

#include <atomic>
#include <cstdlib>

namespace kr::testing {
namespace {

std::atomic<bool> g_full{false};
sqlite3_vfs* g_real = nullptr;

// A file of the layer: SQLite's own file follows it in the same allocation.
struct File {
  sqlite3_file Base;
  sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

File* Of(sqlite3_file* f) { return reinterpret_cast<File*>(f); }
const sqlite3_io_methods* RealMethods(sqlite3_file* f) { return Of(f)->Real()->pMethods; }

int Write(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
  if (g_full) {
    sqlite3_int64 size = 0;
    if (RealMethods(f)->xFileSize(Of(f)->Real(), &size) != SQLITE_OK || offset + amount > size) return SQLITE_FULL;
  }
  return RealMethods(f)->xWrite(Of(f)->Real(), data, amount, offset);
}

int Close(sqlite3_file* f) { return RealMethods(f)->xClose(Of(f)->Real()); }
int Read(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
  return RealMethods(f)->xRead(Of(f)->Real(), data, amount, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) { return RealMethods(f)->xTruncate(Of(f)->Real(), size); }
int Sync(sqlite3_file* f, int flags) { return RealMethods(f)->xSync(Of(f)->Real(), flags); }
int FileSize(sqlite3_file* f, sqlite3_int64* size) { return RealMethods(f)->xFileSize(Of(f)->Real(), size); }
int Lock(sqlite3_file* f, int lock) { return RealMethods(f)->xLock(Of(f)->Real(), lock); }
int Unlock(sqlite3_file* f, int lock) { return RealMethods(f)->xUnlock(Of(f)->Real(), lock); }
int CheckReservedLock(sqlite3_file* f, int* out) { return RealMethods(f)->xCheckReservedLock(Of(f)->Real(), out); }
int FileControl(sqlite3_file* f, int op, void* arg) { return RealMethods(f)->xFileControl(Of(f)->Real(), op, arg); }
int SectorSize(sqlite3_file* f) { return RealMethods(f)->xSectorSize(Of(f)->Real()); }
int DeviceCharacteristics(sqlite3_file* f) { return RealMethods(f)->xDeviceCharacteristics(Of(f)->Real()); }
int ShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
  return RealMethods(f)->xShmMap(Of(f)->Real(), page, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
  return RealMethods(f)->xShmLock(Of(f)->Real(), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) { RealMethods(f)->xShmBarrier(Of(f)->Real()); }
int ShmUnmap(sqlite3_file* f, int remove) { return RealMethods(f)->xShmUnmap(Of(f)->Real(), remove); }
int Fetch(sqlite3_file* f, sqlite3_int64 offset, int amount, void** out) {
  return RealMethods(f)->xFetch(Of(f)->Real(), offset, amount, out);
}
int Unfetch(sqlite3_file* f, sqlite3_int64 offset, void* p) { return RealMethods(f)->xUnfetch(Of(f)->Real(), offset, p); }

const sqlite3_io_methods kMethods = {3,        Close,       Read,        Write,     Truncate,   Sync,
                                     FileSize, Lock,        Unlock,      CheckReservedLock,     FileControl,
                                     SectorSize, DeviceCharacteristics, ShmMap, ShmLock, ShmBarrier, ShmUnmap,
                                     Fetch,    Unfetch};

int Open(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
  File* file = Of(f);
  file->Base.pMethods = nullptr;
  const int rc = g_real->xOpen(g_real, name, file->Real(), flags, outFlags);
  if (rc == SQLITE_OK && file->Real()->pMethods != nullptr) file->Base.pMethods = &kMethods;
  return rc;
}

sqlite3_vfs g_vfs;

// Put in place before main, so that every connection of the program uses it.
const bool g_installed = [] {
  sqlite3_initialize();
  g_real = sqlite3_vfs_find(nullptr);
  if (g_real == nullptr) std::abort();
  g_vfs = *g_real;
  g_vfs.zName = "kr-fillable";
  g_vfs.szOsFile = static_cast<int>(sizeof(File)) + g_real->szOsFile;
  g_vfs.xOpen = Open;
  return sqlite3_vfs_register(&g_vfs, 1) == SQLITE_OK;
}();

}  // namespace

FullDisk::FullDisk() {
  if (!g_installed) std::abort();
  g_full = true;
}

FullDisk::~FullDisk() { g_full = false; }

}  // namespace kr::testing
