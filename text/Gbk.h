// GBK, the code page of Simplified-Chinese Windows and of zh_CN.GBK, converted by the program
// itself exactly as glibc's iconv converts it: the same bytes on every system, also where the C
// library has no GBK encoder (WebAssembly's).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gb {

// Whether `codePage` names GBK ("GBK" in any case).
bool IsGbkName(std::string_view codePage);

// UTF-8 into GBK. Each character GBK cannot represent and each broken UTF-8 sequence becomes one
// "?", and sets `lost` where given; Unicode's language tags (U+E0000 to U+E007F) are left out,
// as iconv leaves them out.
std::string EncodeGbk(std::string_view utf8, bool* lost = nullptr);

// GBK into UTF-8. A byte that starts no character (or a character cut off at the end) becomes
// one "?" and the next byte is read afresh, or, `strict`, the whole text is refused.
std::optional<std::string> DecodeGbk(std::string_view bytes, bool strict);

}  // namespace gb
