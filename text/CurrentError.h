// The one ladder from whatever was thrown to the program's error, as a box or a message shows it.
#pragma once

#include "text/Errors.h"

namespace gb {

// The program's error for the exception being handled; call it inside a catch clause. The
// program's own errors come as they are (their message), running out of memory as EOutOfMemory,
// and anything else as an empty Exception, or, with `keepForeignText`, one with the foreign
// exception's own text where it has one (std::exception::what). Never throws: where even the
// copy cannot be made, an empty Exception.
Exception CurrentError(bool keepForeignText = false) noexcept;

}  // namespace gb
