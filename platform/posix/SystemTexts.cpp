#include "platform/SystemTexts.h"

#include <errno.h>
#include <langinfo.h>
#include <locale.h>
#include <string.h>

#include "platform/SystemCodePage.h"
#include "platform/common/SystemTextDecoding.h"

namespace gb {

namespace {

// GNU's strerror_r returns the text; the POSIX one (musl's, in WebAssembly) fills the buffer.
[[maybe_unused]] const char* ErrorTextOf(const char* text, const char*) { return text; }
[[maybe_unused]] const char* ErrorTextOf(int, const char* buffer) { return buffer; }

#if !defined(__GLIBC__)
// glibc's English texts of the faults a save can meet, for C libraries that word them otherwise
// (musl, WebAssembly's: "Filename too long"): a message reads the same on every processor.
struct ErrorText {
  int error;
  const char* text;
};
constexpr ErrorText kGlibcErrorTexts[] = {
    {EPERM, "Operation not permitted"},
    {ENOENT, "No such file or directory"},
    {ESRCH, "No such process"},
    {EINTR, "Interrupted system call"},
    {EIO, "Input/output error"},
    {ENXIO, "No such device or address"},
    {E2BIG, "Argument list too long"},
    {ENOEXEC, "Exec format error"},
    {EBADF, "Bad file descriptor"},
    {ECHILD, "No child processes"},
    {EAGAIN, "Resource temporarily unavailable"},
    {ENOMEM, "Cannot allocate memory"},
    {EACCES, "Permission denied"},
    {EFAULT, "Bad address"},
    {EBUSY, "Device or resource busy"},
    {EEXIST, "File exists"},
    {EXDEV, "Invalid cross-device link"},
    {ENODEV, "No such device"},
    {ENOTDIR, "Not a directory"},
    {EISDIR, "Is a directory"},
    {EINVAL, "Invalid argument"},
    {ENFILE, "Too many open files in system"},
    {EMFILE, "Too many open files"},
    {ENOTTY, "Inappropriate ioctl for device"},
    {ETXTBSY, "Text file busy"},
    {EFBIG, "File too large"},
    {ENOSPC, "No space left on device"},
    {ESPIPE, "Illegal seek"},
    {EROFS, "Read-only file system"},
    {EMLINK, "Too many links"},
    {EPIPE, "Broken pipe"},
    {EDOM, "Numerical argument out of domain"},
    {ERANGE, "Numerical result out of range"},
    {EDEADLK, "Resource deadlock avoided"},
    {ENAMETOOLONG, "File name too long"},
    {ENOLCK, "No locks available"},
    {ENOSYS, "Function not implemented"},
    {ENOTEMPTY, "Directory not empty"},
    {ELOOP, "Too many levels of symbolic links"},
    {EOVERFLOW, "Value too large for defined data type"},
    {EILSEQ, "Invalid or incomplete multibyte or wide character"},
    {EOPNOTSUPP, "Operation not supported"},
    {ECANCELED, "Operation canceled"},
    {EDQUOT, "Disk quota exceeded"},
    {ESTALE, "Stale file handle"},
    {ETIMEDOUT, "Connection timed out"},
    {ENOBUFS, "No buffer space available"},
    {ECONNREFUSED, "Connection refused"},
};

const char* GlibcErrorText(int error) {
  for (const ErrorText& e : kGlibcErrorTexts) {
    if (e.error == error) return e.text;
  }
  return nullptr;
}
#endif

}  // namespace

std::string SystemErrorText(int error) {
#if !defined(__GLIBC__)
  if (const char* text = GlibcErrorText(error)) return text;
#endif
  // The translation comes in the character set of the same locale's LC_CTYPE.
  const locale_t locale = newlocale(LC_CTYPE_MASK | LC_MESSAGES_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    char buffer[256];
    return TrimSentenceEnd(ErrorTextOf(strerror_r(error, buffer, sizeof buffer), buffer));
  }
  const std::string text = strerror_l(error, locale);
  const std::string codePage = CodePageForCodeset(nl_langinfo_l(CODESET, locale));
  freelocale(locale);
  return TrimSentenceEnd(DecodeOrKeep(text, codePage));
}

}  // namespace gb
