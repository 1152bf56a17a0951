#include "text/CurrentError.h"

#include <exception>
#include <new>

namespace gb {

Exception CurrentError(bool keepForeignText) noexcept {
  try {
    throw;
  } catch (const Exception& error) {
    try {
      return error;
    } catch (...) {
      return Exception();
    }
  } catch (const std::bad_alloc&) {
    return EOutOfMemory();
  } catch (const std::exception& error) {
    try {
      return keepForeignText ? Exception(error.what()) : Exception();
    } catch (...) {
      return Exception();
    }
  } catch (...) {
    return Exception();
  }
}

}  // namespace gb
