#include "ui/win32/ModalDialog.h"

#include <string>

#include "platform/win32/WideText.h"
#include "text/Errors.h"
#include "ui/win32/Application.h"
#include "ui/win32/OwnWindow.h"

namespace gb {

namespace {

struct DialogState {
  TApplication& application;
  const TModalDialog& dialog;
};

INT_PTR CALLBACK ModalProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, l);
  auto* s = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (s == nullptr) return FALSE;
  INT_PTR handled = FALSE;
  s->application.Dispatch([&] {
    if (message == WM_INITDIALOG) {
      SetWindowTextW(dialog, WideFromUtf8(s->dialog.Caption).c_str());
      if (s->dialog.Open) s->dialog.Open(dialog);
      PlaceDialogOverOwner(dialog);
      handled = TRUE;  // the focus on the first control
    } else if (message == WM_COMMAND && LOWORD(w) == IDOK) {
      if (s->dialog.Accept) s->dialog.Accept(dialog);
      EndDialog(dialog, IDOK);
      handled = TRUE;
    } else if (message == WM_COMMAND && LOWORD(w) == IDCANCEL) {
      EndDialog(dialog, IDCANCEL);
      handled = TRUE;
    } else if (message == WM_COMMAND && s->dialog.Command) {
      s->dialog.Command(dialog, w);
    }
  });
  return handled;
}

}  // namespace

bool RunModalDialog(TApplication& application, HWND owner, const TModalDialog& dialog) {
  DialogState state{application, dialog};
  const INT_PTR chosen = DialogBoxParamW(application.Instance(), MAKEINTRESOURCEW(dialog.Resource),
                                         owner, &ModalProcedure, reinterpret_cast<LPARAM>(&state));
  if (chosen == -1) {
    throw Exception("Cannot open the dialog " + std::string(dialog.Caption) + ". " +
                    WindowsErrorText(GetLastError()));
  }
  return chosen == IDOK;
}

}  // namespace gb
