#include "platform/SafeFileWrite.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/common/WriteErrorContext.h"
#include "platform/win32/WideText.h"
#include "text/Errors.h"

namespace gb {

namespace {

constexpr int kTempNameAttempts = 100;
constexpr DWORD kLargestWrite = 1u << 30;

// Names the path as the user gave it, made absolute.
[[noreturn]] void ThrowCreateError(const std::filesystem::path& path, DWORD error) {
  std::error_code ignored;
  std::filesystem::path shown = std::filesystem::absolute(path, ignored);
  if (shown.empty()) shown = path;
  throw EFCreateError("Cannot create file \"" + Utf8FromWide(shown.wstring()) + "\". " +
                      WindowsErrorText(error));
}

class Handle {
 public:
  explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  Handle& operator=(Handle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~Handle() { Close(); }
  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

void WriteAll(HANDLE file, std::string_view bytes, WriteCall write) {
  while (!bytes.empty()) {
    const std::ptrdiff_t written =
        write(reinterpret_cast<FileHandle>(file), bytes.data(), bytes.size());
    if (written <= 0) throw EWriteError(written < 0 ? static_cast<int>(GetLastError()) : 0);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string ReadAll(HANDLE file) {
  LARGE_INTEGER start{};
  SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
  std::string content;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    content.append(buffer, read);
  }
  return content;
}

// The file to replace, held while it is replaced: others may neither read nor write it
// meanwhile (a second writer gets a sharing violation), and its former content stays readable
// for a set that must call it back.
struct Target {
  std::filesystem::path path;  // absolute
  Handle held;                 // the former file; invalid where there was none
  bool inPlace = false;        // a device or pipe: written through `held`
};

Target OpenTarget(const std::filesystem::path& given) {
  Target target;
  std::error_code ignored;
  target.path = std::filesystem::absolute(given, ignored);
  if (target.path.empty()) target.path = given;
  HANDLE held = CreateFileW(target.path.c_str(), GENERIC_READ, FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (held == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return target;
    // A device refuses reading without sharing; it is written in place, as on Linux.
    held = CreateFileW(target.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE || GetFileType(held) == FILE_TYPE_DISK) {
      if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
      ThrowCreateError(given, error);
    }
    target.held = Handle(held);
    target.inPlace = true;
    return target;
  }
  target.held = Handle(held);
  if (GetFileType(held) != FILE_TYPE_DISK) {
    target.held =
        Handle(CreateFileW(target.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target.held.Valid()) ThrowCreateError(given, GetLastError());
    target.inPlace = true;
    return target;
  }
  // A file the user may not write to is refused, even where the folder would let it be replaced.
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(held, &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    ThrowCreateError(given, ERROR_ACCESS_DENIED);
  }
  return target;
}

std::wstring TemporaryName(const std::filesystem::path& target) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
  std::wstring name = L".gb18306-";
  for (int i = 0; i < 8; ++i) name += kLetters[random() % (std::size(kLetters) - 1)];
  return (target.parent_path() / (name + L".tmp")).wstring();
}

// The new file beside the target. Until it is put in place the system deletes it when its
// handle closes, so even a process ended outright leaves nothing; named, it is removed here.
class NewFile {
 public:
  NewFile(const std::filesystem::path& target, TemporaryKind kind) {
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
      name_ = TemporaryName(target);
      file_ = Handle(CreateFileW(name_.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (file_.Valid()) break;
      if (GetLastError() != ERROR_FILE_EXISTS) ThrowCreateError(target, GetLastError());
    }
    if (!file_.Valid()) ThrowCreateError(target, ERROR_FILE_EXISTS);
    if (kind == TemporaryKind::Unnamed) deleteOnClose_ = SetDeleteOnClose(true);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    if (!placed_ && file_.Valid()) {
      if (!deleteOnClose_) SetDeleteOnClose(true);
      file_.Close();
      DeleteFileW(name_.c_str());  // where the disposition could not be set
    }
  }

  HANDLE Get() const { return file_.Get(); }

  // Flushed to disk and renamed over the target with write-through; the target is let go just
  // before. Throws EWriteError when the flush fails, EFCreateError when the rename does.
  void PutInPlace(Target& target) {
    if (!FlushFileBuffers(file_.Get())) throw EWriteError(static_cast<int>(GetLastError()));
    if (deleteOnClose_ && !SetDeleteOnClose(false)) {
      throw EWriteError(static_cast<int>(GetLastError()));
    }
    deleteOnClose_ = false;
    if (!file_.Close()) throw EWriteError(static_cast<int>(GetLastError()));
    target.held.Close();
    if (!MoveFileExW(name_.c_str(), target.path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const DWORD error = GetLastError();
      DeleteFileW(name_.c_str());
      placed_ = true;  // nothing left to remove
      ThrowCreateError(target.path, error);
    }
    placed_ = true;
  }

 private:
  bool SetDeleteOnClose(bool remove) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = remove ? TRUE : FALSE;
    return SetFileInformationByHandle(file_.Get(), FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
  }

  std::wstring name_;
  Handle file_;
  bool deleteOnClose_ = false;
  bool placed_ = false;
};

// One file of a set on its way: the target held, its new content complete beside it.
struct Pending {
  Target target;
  std::unique_ptr<NewFile> file;
  std::optional<std::string> former;  // read before anything was put in place
};

// Puts every pending file in place; should one fail, those before it get their former content
// back or are removed again where they are new.
void PutAllInPlace(std::vector<Pending>& pending, WriteCall write) {
  // A lone file has nothing to put back: only a set reads its former contents.
  for (Pending& p : pending) {
    if (pending.size() > 1 && p.target.held.Valid() && !p.target.inPlace) {
      p.former = ReadAll(p.target.held.Get());
    }
  }
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (!pending[i].file) continue;
    try {
      NamingTheFile(pending[i].target.path,
                    [&] { pending[i].file->PutInPlace(pending[i].target); });
    } catch (...) {
      for (std::size_t j = 0; j < i; ++j) {
        if (!pending[j].file) continue;
        if (pending[j].former) {
          WriteFileSafely(pending[j].target.path, *pending[j].former, write);
        } else {
          DeleteFileW(pending[j].target.path.c_str());
        }
      }
      throw;
    }
  }
}

}  // namespace

std::ptrdiff_t SystemWrite(FileHandle file, const void* data, std::size_t size) {
  DWORD written = 0;
  const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, kLargestWrite));
  if (!WriteFile(reinterpret_cast<HANDLE>(file), data, chunk, &written, nullptr)) return -1;
  return static_cast<std::ptrdiff_t>(written);
}

void WriteFilesSafely(std::span<const FileToWrite> files, const std::function<void()>& beforeCommit,
                      WriteCall write, TemporaryKind kind) {
  std::vector<Pending> pending;
  for (const FileToWrite& f : files) pending.push_back({OpenTarget(f.path), nullptr, {}});
  // Devices and pipes first: their bytes cannot be called back.
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!pending[i].target.inPlace) continue;
    NamingTheFile(files[i].path,
                  [&] { WriteAll(pending[i].target.held.Get(), files[i].bytes, write); });
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (pending[i].target.inPlace) continue;
    NamingTheFile(files[i].path, [&] {
      pending[i].file = std::make_unique<NewFile>(pending[i].target.path, kind);
      WriteAll(pending[i].file->Get(), files[i].bytes, write);
    });
  }
  if (beforeCommit) beforeCommit();
  PutAllInPlace(pending, write);
}

void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes, WriteCall write,
                     TemporaryKind kind) {
  const FileToWrite file{path, bytes};
  WriteFilesSafely(std::span<const FileToWrite>(&file, 1), {}, write, kind);
}

void WriteFileSafelyFrom(const std::filesystem::path& path, const ContentProducer& produce,
                         WriteCall write, TemporaryKind kind) {
  NamingTheFile(path, [&] {
    std::vector<Pending> pending;
    pending.push_back({OpenTarget(path), nullptr, {}});
    Target& target = pending.front().target;
    const HANDLE into =
        target.inPlace
            ? target.held.Get()
            : (pending.front().file = std::make_unique<NewFile>(target.path, kind))->Get();
    produce([&](std::string_view piece) { WriteAll(into, piece, write); });
    if (!target.inPlace) PutAllInPlace(pending, write);
  });
}

std::filesystem::path WriteTargetOf(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  std::filesystem::path landing = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute : landing;
}

std::string WriteErrorReason(int systemError) {
  return WindowsErrorText(static_cast<DWORD>(systemError));
}

}  // namespace gb
