// On a web page the "system" code page is the one the user chose on the page: there is no locale
// to read it from.
#pragma once

#include <string>

namespace gb {

// GBK until the page sets another, what Excel on Simplified-Chinese Windows reads.
void SetPageCodePage(std::string codePage);

}  // namespace gb
