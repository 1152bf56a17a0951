#include "text/NumberSeparators.h"

namespace gb {

char16_t DecimalSeparator = u'.';
char16_t ThousandSeparator = u',';

}  // namespace gb
