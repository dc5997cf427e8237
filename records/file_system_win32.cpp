// The file system on Windows: wide-character calls throughout, a byte-range
// lock far past the end of the file held from the open to the close, the
// new file moved over the old one with MoveFileExW, and names converted from
// the process's ANSI code page (never taken as UTF-8).
//
// Every open shares reading, writing and deleting with other openers, as a
// POSIX descriptor does: what keeps them out is the lock (LockFileEx), and a
// file held open may still be renamed over or removed by the save.
//
// Every system call goes through the fault hook under the name of the POSIX
// call that does the same job ("open", "read", "write", "fsync", "rename",
// "flock", ...), and an injected errno value becomes the Windows error of the
// same meaning, so the same fault-injection tests run on both systems.
#include <windows.h>
// After windows.h:
#include <aclapi.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <cwctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "records/file_system.h"
#include "records/wide_text_win32.h"

namespace {

// The byte locked for a file's lock: far past any study's end, so that the
// lock keeps out other lockers but never another reader of the bytes.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
constexpr DWORD kLockOffsetLow = 0;

DWORD WindowsErrorOfErrno(int err) {
  switch (err) {
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case EROFS: return ERROR_WRITE_PROTECT;
    case ENOSPC: return ERROR_DISK_FULL;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case EWOULDBLOCK: return ERROR_LOCK_VIOLATION;
    case EMFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case EEXIST: return ERROR_FILE_EXISTS;
    case EIO:
    default: return ERROR_IO_DEVICE;
  }
}

// Whether the fault hook fails the call of that name (with the last error set).
bool Injected(const char* name) {
  TFaultHook hook = FaultHook();
  const int err = hook != nullptr ? hook(name) : 0;
  if (err != 0) ::SetLastError(WindowsErrorOfErrno(err));
  return err != 0;
}

// Runs one call that answers TRUE or FALSE through the fault hook.
template <class Call>
bool Sys(const char* name, Call call) {
  if (Injected(name)) return false;
  return call() != 0;
}

// CreateFileW through the fault hook ("open").
HANDLE OpenHandle(const std::wstring& name, DWORD access, DWORD disposition, DWORD flags) {
  if (Injected("open")) return INVALID_HANDLE_VALUE;
  return ::CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       disposition, flags, nullptr);
}

TFileProblem ProblemOfError(DWORD err) {
  switch (err) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return TFileProblem::InUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD: return TFileProblem::NoPermission;
    case ERROR_IO_DEVICE:
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE: return TFileProblem::IoError;
    case ERROR_DIRECTORY:
    case ERROR_BAD_FILE_TYPE: return TFileProblem::NotRegular;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: return TFileProblem::NameTooLong;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE: return TFileProblem::DiskFull;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_NO_UNICODE_TRANSLATION: return TFileProblem::BadName;
    default: return TFileProblem::Other;
  }
}

// A name in the ANSI code page as UTF-8, for messages; bytes the code page
// does not know stay as they are (the message escapes them).
std::string Shown(const std::string& name) {
  if (name.empty()) return name;
  const int n = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), nullptr, 0);
  if (n <= 0) return name;
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), wide.data(), n);
  return Utf8Of(wide);
}

std::string SystemText(DWORD err) {
  wchar_t* text = nullptr;
  const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, err, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = n > 0 && text != nullptr ? std::wstring(text, n) : std::wstring();
  if (text != nullptr) ::LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' ' || wide.back() == L'.'))
    wide.pop_back();
  return wide.empty() ? "error " + std::to_string(err) : Utf8Of(wide);
}

[[noreturn]] void ThrowError(DWORD err, const std::string& what, const std::string& name) {
  throw EStreamError(what + " " + Shown(name) + ": " + SystemText(err), ProblemOfError(err));
}

// Throws "<what> <name>: <the system's text>" with the problem of the last error.
[[noreturn]] void ThrowLastError(const std::string& what, const std::string& name) {
  ThrowError(::GetLastError(), what, name);
}

// The names Windows gives to devices in every folder, with any extension.
bool IsDeviceName(const std::wstring& part) {
  std::wstring base = part.substr(0, part.find(L'.'));
  while (!base.empty() && (base.back() == L' ')) base.pop_back();
  for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
  static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
  for (const wchar_t* device : kDevices)
    if (base == device) return true;
  return base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
         base[3] >= L'1' && base[3] <= L'9';
}

std::wstring LastPart(const std::wstring& name) {
  const std::size_t slash = name.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? name : name.substr(slash + 1);
}

// A name longer than the old limit of Windows (MAX_PATH, less the room a
// short name may need) in the form that has none: the full name after
// "\\?\", with back slashes only.
std::wstring LongForm(const std::wstring& wide, const std::string& name) {
  constexpr std::size_t kLongest = 32000;
  std::wstring full(kLongest, L'\0');
  const DWORD n = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (n == 0 || n >= full.size()) throw EStreamError("name too long: " + Shown(name), TFileProblem::NameTooLong);
  full.resize(n);
  for (wchar_t& c : full)
    if (c == L'/') c = L'\\';
  if (full.rfind(L"\\\\?\\", 0) == 0) return full;
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// The wide name of a name in the ANSI code page. A name the code page cannot
// read, one that names a device, and one too long for the system are refused
// with what is wrong with them.
std::wstring Wide(const std::string& name) {
  if (name.empty()) throw EStreamError("no file name", TFileProblem::NoName);
  const int n = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), nullptr, 0);
  if (n <= 0)
    throw EStreamError("the name is not text of this system's code page: " + name, TFileProblem::BadName);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), wide.data(), n);
  if (wide.find(L'\0') != std::wstring::npos)
    throw EStreamError("the name holds a null character: " + Shown(name), TFileProblem::BadName);
  std::size_t start = 0;
  for (std::size_t end = 0; end <= wide.size(); ++end) {
    if (end < wide.size() && wide[end] != L'\\' && wide[end] != L'/') continue;
    if (end - start > 255) throw EStreamError("name too long: " + Shown(name), TFileProblem::NameTooLong);
    start = end + 1;
  }
  return wide.size() < MAX_PATH - 12 ? wide : LongForm(wide, name);
}

// The name of a file found in a folder, in the ANSI code page; empty when
// the code page cannot hold it (such a file was made by none of us).
std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  BOOL lossy = FALSE;
  const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr,
                                      0, nullptr, &lossy);
  if (n <= 0 || lossy) return {};
  std::string out(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                        &lossy);
  return out;
}

std::time_t TimeOf(const FILETIME& ft) {
  const std::uint64_t ticks = (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  constexpr std::uint64_t kEpochTicks = 116444736000000000ull;  // 1601-01-01 to 1970-01-01 in 100 ns
  return ticks < kEpochTicks ? 0 : static_cast<std::time_t>((ticks - kEpochTicks) / 10000000ull);
}

TFileInfo OtherKind() {
  TFileInfo info;
  info.kind = TFileInfo::TKind::Other;
  return info;
}

TFileInfo InfoOf(const BY_HANDLE_FILE_INFORMATION& fi, DWORD fileType) {
  TFileInfo info;
  const bool regular = fileType == FILE_TYPE_DISK &&
                       (fi.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
  info.kind = regular ? TFileInfo::TKind::Regular : TFileInfo::TKind::Other;
  info.id = {fi.dwVolumeSerialNumber, (static_cast<std::uint64_t>(fi.nFileIndexHigh) << 32) | fi.nFileIndexLow};
  info.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(fi.nFileSizeHigh) << 32) | fi.nFileSizeLow);
  info.modified = TimeOf(fi.ftLastWriteTime);
  info.names = fi.nNumberOfLinks;
  return info;
}

// What an open handle is (false with the last error set when it cannot tell).
bool InfoOfHandle(HANDLE h, TFileInfo* info) {
  BY_HANDLE_FILE_INFORMATION fi{};
  if (!Sys("fstat", [&] { return ::GetFileInformationByHandle(h, &fi); })) return false;
  *info = InfoOf(fi, ::GetFileType(h));
  return true;
}

bool LockHandle(HANDLE h, TLock lock) {
  OVERLAPPED at{};
  at.Offset = kLockOffsetLow;
  at.OffsetHigh = kLockOffsetHigh;
  const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (lock == TLock::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
  return Sys("flock", [&] { return ::LockFileEx(h, flags, 0, 1, 0, &at); });
}

void Lock(HANDLE h, TLock lock, const std::string& name) {
  if (LockHandle(h, lock)) return;
  const DWORD err = ::GetLastError();
  if (err == ERROR_LOCK_VIOLATION || err == ERROR_SHARING_VIOLATION || err == ERROR_IO_PENDING)
    throw EStreamError("file is in use: " + Shown(name), TFileProblem::InUse);
  ThrowError(err, "cannot lock", name);
}

// A handle of its own: closed, and with it its lock, when it ends.
class TWin32File final : public TFile {
 public:
  TWin32File(HANDLE h, std::string name) : TFile(std::move(name)), h_(h) {
    // The volume a file is on cannot change while it is open, but what
    // Windows (or wine) says of it can fail once the file is renamed: it is
    // taken now.
    BY_HANDLE_FILE_INFORMATION fi{};
    if (::GetFileInformationByHandle(h, &fi)) volume_ = fi.dwVolumeSerialNumber;
  }
  ~TWin32File() override {
    if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
  }
  TWin32File(const TWin32File&) = delete;
  TWin32File& operator=(const TWin32File&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
      DWORD n = 0;
      if (!Sys("read", [&] { return ::ReadFile(Handle(), out + done, chunk, &n, nullptr); }))
        ThrowLastError("cannot read", Name());
      if (n == 0) break;
      done += n;
    }
    return done;
  }

  void Write(const void* buffer, std::size_t count) override {
    const auto* in = static_cast<const char*>(buffer);
    while (count > 0) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
      DWORD n = 0;
      if (!Sys("write", [&] { return ::WriteFile(Handle(), in, chunk, &n, nullptr); }))
        ThrowLastError("cannot write", Name());
      if (n == 0) throw EStreamError("cannot write " + Shown(Name()) + ": no progress", TFileProblem::DiskFull);
      in += n;
      count -= n;
    }
  }

  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override {
    const DWORD how = origin == TSeekOrigin::Begin ? FILE_BEGIN : origin == TSeekOrigin::Current ? FILE_CURRENT : FILE_END;
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    LARGE_INTEGER at{};
    if (!Sys("lseek", [&] { return ::SetFilePointerEx(Handle(), to, &at, how); })) ThrowLastError("cannot seek in", Name());
    return at.QuadPart;
  }

  void Flush() override {
    if (!Sys("fsync", [&] { return ::FlushFileBuffers(Handle()); })) ThrowLastError("cannot flush", Name());
  }

  TFileInfo Info() override {
    TFileInfo info;
    if (!InfoOfHandle(Handle(), &info)) ThrowLastError("cannot examine", Name());
    if (volume_ != 0) info.id.volume = volume_;
    return info;
  }

  void Close() override {
    if (h_ == INVALID_HANDLE_VALUE) return;
    const HANDLE h = std::exchange(h_, INVALID_HANDLE_VALUE);
    // The handle is gone whatever CloseHandle says; an injected fault only
    // changes what is reported.
    const BOOL closed = ::CloseHandle(h);
    if (Injected("close") || !closed) ThrowLastError("cannot close", Name());
  }

  // Lets the handle go without a word: the file it held is being replaced.
  void LetGo() {
    if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(std::exchange(h_, INVALID_HANDLE_VALUE));
  }

  HANDLE Handle() const {
    if (h_ == INVALID_HANDLE_VALUE) throw EStreamError("the file is closed: " + Shown(Name()));
    return h_;
  }

 private:
  HANDLE h_;
  std::uint64_t volume_ = 0;
};

// Renames flush their own metadata (MOVEFILE_WRITE_THROUGH): nothing is
// left to flush in the folder afterwards.
class TWin32Folder final : public TFolder {
 public:
  void Flush() override {}
};

class TWin32FileSystem final : public TFileSystem {
 public:
  // A link (a symbolic link or junction) is followed to the file it stands
  // for; anything else comes back as it was.
  std::string Target(const std::string& name) override {
    const std::wstring wide = Wide(name);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return name;
    const HANDLE h = OpenHandle(wide, 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE) return name;  // a link to nothing yet: saved as a new file under the name
    std::wstring path(32768, L'\0');
    const DWORD n = ::GetFinalPathNameByHandleW(h, path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
    ::CloseHandle(h);
    if (n == 0 || n >= path.size()) ThrowLastError("cannot read the link", name);
    path.resize(n);
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
      path = L"\\" + path.substr(7);
    } else if (path.rfind(L"\\\\?\\", 0) == 0) {
      path = path.substr(4);
    }
    const std::string target = Narrow(path);
    if (target.empty())
      throw EStreamError("the link leads to a name this system's code page cannot hold: " + Shown(name),
                         TFileProblem::BadName);
    return target;
  }

  TFileInfo Examine(const std::string& name) override {
    const std::wstring wide = Wide(name);
    if (IsDeviceName(LastPart(wide))) return OtherKind();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!Sys("lstat", [&] { return ::GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data); })) {
      const DWORD err = ::GetLastError();
      if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) return {};
      ThrowError(err, "cannot examine", name);
    }
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE))
      return OtherKind();
    // Its id, size and names come from the file itself, opened without any
    // access to its bytes (which no sharing mode and no lock refuses).
    const HANDLE h = OpenHandle(wide, FILE_READ_ATTRIBUTES, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT);
    if (h == INVALID_HANDLE_VALUE) {
      const DWORD err = ::GetLastError();
      if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) return {};
      ThrowError(err, "cannot examine", name);
    }
    TFileInfo info;
    const bool known = InfoOfHandle(h, &info);
    const DWORD err = ::GetLastError();
    ::CloseHandle(h);
    if (!known) ThrowError(err, "cannot examine", name);
    return info;
  }

  std::unique_ptr<TFile> Open(const std::string& name, TLock lock) override {
    if (name.empty()) throw EStreamError("cannot open a file without a name", TFileProblem::NoName);
    // Anything but a regular file is refused before it is opened: a device
    // may act when it is opened.
    const TFileInfo seen = Examine(name);
    if (seen.kind == TFileInfo::TKind::Missing) ThrowError(ERROR_FILE_NOT_FOUND, "cannot open", name);
    if (seen.kind != TFileInfo::TKind::Regular)
      throw EStreamError("not a regular file: " + Shown(name), TFileProblem::NotRegular);
    const HANDLE h = OpenHandle(Wide(name), GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE) ThrowLastError("cannot open", name);
    auto file = std::make_unique<TWin32File>(h, name);
    if (file->Info().kind != TFileInfo::TKind::Regular)
      throw EStreamError("not a regular file: " + Shown(name), TFileProblem::NotRegular);
    Lock(h, lock, name);
    return file;
  }

  std::unique_ptr<TFile> CreateNew(const std::string& name) override {
    const std::wstring wide = Wide(name);
    if (IsDeviceName(LastPart(wide))) throw EStreamError("not a regular file: " + Shown(name), TFileProblem::NotRegular);
    const HANDLE h = OpenHandle(wide, GENERIC_READ | GENERIC_WRITE, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE) {
      const DWORD err = ::GetLastError();
      if (err == ERROR_FILE_EXISTS || err == ERROR_ALREADY_EXISTS) return nullptr;
      ThrowError(err, "cannot create", name);
    }
    auto file = std::make_unique<TWin32File>(h, name);
    if (!LockHandle(h, TLock::Exclusive)) {
      const DWORD err = ::GetLastError();
      file.reset();
      Remove(name);  // what failed leaves nothing behind
      if (err == ERROR_LOCK_VIOLATION) throw EStreamError("file is in use: " + Shown(name), TFileProblem::InUse);
      ThrowError(err, "cannot lock", name);
    }
    return file;
  }

  // A new file takes the old one's hidden and archive attributes; what may
  // be done with it comes from its folder, as for every new file there.
  void CopyAccess(TFile& file, TFile& like) override {
    FILE_BASIC_INFO old{};
    if (!Sys("fstat", [&] {
          return ::GetFileInformationByHandleEx(static_cast<TWin32File&>(like).Handle(), FileBasicInfo, &old, sizeof old);
        }))
      ThrowLastError("cannot examine", like.Name());
    FILE_BASIC_INFO now{};
    const HANDLE h = static_cast<TWin32File&>(file).Handle();
    if (!Sys("fstat", [&] { return ::GetFileInformationByHandleEx(h, FileBasicInfo, &now, sizeof now); }))
      ThrowLastError("cannot examine", file.Name());
    constexpr DWORD kCopied = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = (now.FileAttributes & ~kCopied) | (old.FileAttributes & kCopied);
    if (attributes == now.FileAttributes) return;
    FILE_BASIC_INFO set{};
    set.FileAttributes = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
    if (!Sys("fchmod", [&] { return ::SetFileInformationByHandle(h, FileBasicInfo, &set, sizeof set); }))
      ThrowLastError("cannot set the attributes of", file.Name());
  }

  // A file with the read-only attribute is not written, nor replaced.
  void CheckWritable(const std::string& name) override {
    const std::wstring wide = Wide(name);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
      ThrowError(ERROR_ACCESS_DENIED, "cannot write", name);
    const HANDLE h = OpenHandle(wide, GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE) ThrowLastError("cannot write", name);
    ::CloseHandle(h);
  }

  // Windows replaces no file that is open, even one opened to share its
  // deletion: the caller's own handle on the old file is let go when that
  // is what stands in the way, then once more. An opener of another program
  // makes the study in use.
  void Replace(const std::string& from, const std::string& to, TFile& old) override {
    const std::wstring wideFrom = Wide(from);
    const std::wstring wideTo = Wide(to);
    auto move = [&] {
      return Sys("rename", [&] {
        return ::MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
      });
    };
    if (move()) return;
    DWORD err = ::GetLastError();
    if (err != ERROR_ACCESS_DENIED && err != ERROR_SHARING_VIOLATION) ThrowError(err, "cannot replace", to);
    static_cast<TWin32File&>(old).LetGo();
    if (move()) return;
    err = ::GetLastError();
    if (err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION)
      throw EStreamError("file is in use: " + Shown(to), TFileProblem::InUse);
    ThrowError(err, "cannot replace", to);
  }

  void MoveNew(const std::string& from, const std::string& to) override {
    const std::wstring wideTo = Wide(to);
    if (Sys("rename", [&] { return ::MoveFileExW(Wide(from).c_str(), wideTo.c_str(), MOVEFILE_WRITE_THROUGH); })) return;
    const DWORD err = ::GetLastError();
    if (err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS)
      throw EStreamError("created meanwhile by another: " + Shown(to), TFileProblem::InUse);
    ThrowError(err, "cannot create", to);
  }

  TLinkResult Link(const std::string& existing, const std::string& newName) override {
    if (Sys("link", [&] { return ::CreateHardLinkW(Wide(newName).c_str(), Wide(existing).c_str(), nullptr); }))
      return TLinkResult::Linked;
    const DWORD err = ::GetLastError();
    return err == ERROR_ALREADY_EXISTS || err == ERROR_FILE_EXISTS ? TLinkResult::NameTaken : TLinkResult::NotPossible;
  }

  bool Remove(const std::string& name) override {
    try {
      const std::wstring wide = Wide(name);
      return Sys("unlink", [&] { return ::DeleteFileW(wide.c_str()); });
    } catch (const EStreamError&) {
      return false;
    }
  }

  std::unique_ptr<TFolder> OpenFolder(const std::string& folder) override {
    const std::wstring wide = Wide(folder);
    const HANDLE h = OpenHandle(wide, FILE_READ_ATTRIBUTES, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
    if (h == INVALID_HANDLE_VALUE) ThrowLastError("cannot open the folder", folder);
    BY_HANDLE_FILE_INFORMATION fi{};
    const bool isFolder = ::GetFileInformationByHandle(h, &fi) && (fi.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    ::CloseHandle(h);
    if (!isFolder) ThrowError(ERROR_DIRECTORY, "cannot open the folder", folder);
    return std::make_unique<TWin32Folder>();
  }

  std::vector<std::string> List(const std::string& folder) override {
    std::vector<std::string> names;
    std::wstring pattern;
    try {
      pattern = Wide(folder + "\\*");
    } catch (const EStreamError&) {
      return names;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE h = Injected("opendir") ? INVALID_HANDLE_VALUE : ::FindFirstFileW(pattern.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring wide = found.cFileName;
      if (wide == L"." || wide == L"..") continue;
      const std::string name = Narrow(wide);
      if (!name.empty()) names.push_back(name);
    } while (::FindNextFileW(h, &found));
    ::FindClose(h);
    return names;
  }

  // Opened for deletion and locked; removed through that very handle, so it
  // is the file that was examined that goes, or nothing.
  bool RemoveUnheld(const std::string& name, const TFileId& seen) override {
    std::wstring wide;
    try {
      wide = Wide(name);
    } catch (const EStreamError&) {
      return false;
    }
    const HANDLE h = OpenHandle(wide, GENERIC_READ | DELETE, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT);
    if (h == INVALID_HANDLE_VALUE) return false;
    TWin32File file(h, name);
    TFileInfo now;
    if (!LockHandle(h, TLock::Exclusive) || !InfoOfHandle(h, &now)) return false;
    if (now.kind != TFileInfo::TKind::Regular || now.id != seen || !OwnedByUser(h)) return false;
    FILE_DISPOSITION_INFO gone{};
    gone.DeleteFile = TRUE;
    return Sys("unlink", [&] { return ::SetFileInformationByHandle(h, FileDispositionInfo, &gone, sizeof gone); });
  }

  std::string LocalTimestamp() override {
    SYSTEMTIME t{};
    ::GetLocalTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04u%02u%02u-%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    return text;
  }

 private:
  // Whether the file's owner is the user this process runs as (or the
  // administrators' group, the owner Windows gives to files an administrator
  // makes).
  static bool OwnedByUser(HANDLE file);
};

bool TWin32FileSystem::OwnedByUser(HANDLE file) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &descriptor) != ERROR_SUCCESS)
    return false;
  bool mine = false;
  HANDLE token = nullptr;
  if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) {
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> buffer(size);
    if (size > 0 && ::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
      const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
      mine = ::EqualSid(owner, user->User.Sid) != 0;
    }
    if (!mine) {
      unsigned char admins[SECURITY_MAX_SID_SIZE];
      DWORD adminsSize = sizeof admins;
      BOOL member = FALSE;
      mine = ::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &adminsSize) &&
             ::EqualSid(owner, admins) && ::CheckTokenMembership(nullptr, admins, &member) && member;
    }
    ::CloseHandle(token);
  }
  ::LocalFree(descriptor);
  return mine;
}

}  // namespace

// Code page 1253, like every single-byte code page, never has a slash as a
// part of another character.
std::string FolderOfName(const std::string& name) {
  const std::size_t slash = name.find_last_of("\\/");
  if (slash == std::string::npos) {
    const bool drive = name.size() >= 2 && name[1] == ':';
    return drive ? name.substr(0, 2) : std::string(".");
  }
  std::size_t end = slash;
  while (end > 0 && (name[end - 1] == '\\' || name[end - 1] == '/')) --end;
  // The root of a drive, or of the current drive, keeps its slash.
  if (end == 0 || (end == 2 && name[1] == ':')) return name.substr(0, slash + 1);
  return name.substr(0, end);
}

std::string LastPartOfName(const std::string& name) {
  const std::size_t slash = name.find_last_of("\\/:");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

TFileSystem& SystemFileSystem() {
  static TWin32FileSystem fileSystem;
  return fileSystem;
}

std::string Utf8Of(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring WideOfUtf8(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}
