// How many terminal columns a UTF-8 text takes.
#pragma once

#include <string_view>

namespace gb {

// East Asian wide and fullwidth characters (the Chinese level labels among them) take two
// columns, every other character one; a byte that does not start a UTF-8 character counts as one.
int DisplayWidth(std::string_view utf8);

}  // namespace gb
