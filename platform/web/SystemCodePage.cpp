#include "platform/SystemCodePage.h"
#include "platform/web/PageCodePage.h"

namespace gb {

namespace {

std::string& PageCodePage() {
  static std::string codePage = "GBK";
  return codePage;
}

}  // namespace

void SetPageCodePage(std::string codePage) { PageCodePage() = std::move(codePage); }

std::string SystemCodePage() { return PageCodePage(); }

}  // namespace gb
