#include "platform/SystemCodePage.h"

#include <windows.h>

namespace gb {

// The ANSI code page files are written in, by the name the rest of the program and Linux use.
std::string SystemCodePage() {
  const UINT codePage = GetACP();
  switch (codePage) {
    case CP_UTF8:
      return "UTF-8";
    case 936:
      return "GBK";
    case 950:
      return "BIG5";
    case 932:
      return "SHIFT_JIS";
    case 949:
      return "EUC-KR";
    default:
      return "CP" + std::to_string(codePage);
  }
}

}  // namespace gb
