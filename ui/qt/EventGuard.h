// The one route from an event handler to the user: Qt must never see an exception, so every
// handler runs inside Dispatch, which ends it at the failing step and passes the error to the
// application object's default handling. The event loop then goes on.
#pragma once

#include <QObject>
#include <functional>

namespace gb {

class TApplication;

void Dispatch(TApplication& application, QObject* sender,
              const std::function<void()>& handler) noexcept;

// A slot that runs form->handler(sender) through Dispatch; connect any signal to it.
template <class TForm>
auto Guarded(TApplication& application, TForm* form, QObject* sender,
             void (TForm::*handler)(QObject*)) {
  return [&application, form, sender, handler] {
    Dispatch(application, sender, [form, sender, handler] { (form->*handler)(sender); });
  };
}

}  // namespace gb
