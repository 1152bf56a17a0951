#include "ui/qt/EventGuard.h"

#include "text/CurrentError.h"
#include "text/Errors.h"
#include "ui/qt/Application.h"

namespace gb {

namespace {

void Handle(TApplication& application, QObject* sender, const Exception& error) noexcept {
  try {
    application.HandleException(sender, error);
  } catch (...) {
    // Showing the error failed as well (no memory for the box); there is no one left to tell.
  }
}

}  // namespace

void Dispatch(TApplication& application, QObject* sender,
              const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (...) {
    Handle(application, sender, CurrentError());
  }
}

}  // namespace gb
