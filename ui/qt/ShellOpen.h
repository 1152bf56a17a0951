// Handing a web address to the desktop's default browser.
#pragma once

#include <QString>

namespace gb {

// Opens `address` (a bare host name is taken as http) in the default browser. Whether a browser
// came up is not reported: the caller has nothing to do about it either way.
void ShellOpenWebAddress(const QString& address);

}  // namespace gb
