#include "extended/Extended.h"

// Everything is inline (ExtendedArithmetic.h); this unit checks that the header stands alone.
