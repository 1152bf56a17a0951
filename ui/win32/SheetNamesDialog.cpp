#include "ui/win32/SheetNamesDialog.h"

#include <string>

#include "form/WindowCommands.h"
#include "platform/win32/WideText.h"
#include "text/Errors.h"
#include "ui/win32/Application.h"
#include "ui/win32/OwnWindow.h"
#include "ui/win32/resources/DialogIds.h"

namespace gb {

namespace {

struct SheetNamesState {
  TApplication& application;
  TSheetNames names;
};

std::wstring ItemText(HWND dialog, int id) {
  const HWND item = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return text;
}

void PlaceOverOwner(HWND dialog) {
  RECT box{};
  GetWindowRect(dialog, &box);
  const POINT at =
      PositionOverOwner(GetWindow(dialog, GW_OWNER), {box.right - box.left, box.bottom - box.top});
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK SheetNamesProcedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, l);
  auto* s = reinterpret_cast<SheetNamesState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (s == nullptr) return FALSE;
  INT_PTR handled = FALSE;
  s->application.Dispatch([&] {
    switch (message) {
      case WM_INITDIALOG:
        SetWindowTextW(dialog, WideFromUtf8(kSheetNamesDialog.Caption).c_str());
        SetDlgItemTextW(dialog, GB_IDC_PROJECT_LABEL,
                        WideFromUtf8(kSheetNamesDialog.ProjectLabel).c_str());
        SetDlgItemTextW(dialog, GB_IDC_SITE_LABEL,
                        WideFromUtf8(kSheetNamesDialog.SiteLabel).c_str());
        SetDlgItemTextW(dialog, IDOK, WideFromUtf8(kSheetNamesDialog.Ok).c_str());
        SetDlgItemTextW(dialog, IDCANCEL, WideFromUtf8(kSheetNamesDialog.Cancel).c_str());
        PlaceOverOwner(dialog);
        handled = TRUE;  // the focus on the first edit box
        break;
      case WM_COMMAND:
        if (LOWORD(w) == IDOK) {
          s->names = {Utf8FromWide(ItemText(dialog, GB_IDC_PROJECT)),
                      Utf8FromWide(ItemText(dialog, GB_IDC_SITE))};
          EndDialog(dialog, IDOK);
          handled = TRUE;
        } else if (LOWORD(w) == IDCANCEL) {
          EndDialog(dialog, IDCANCEL);
          handled = TRUE;
        }
        break;
      default:
        break;
    }
  });
  return handled;
}

}  // namespace

std::optional<TSheetNames> AskSheetNames(TApplication& Application, HWND Owner) {
  SheetNamesState state{Application, {}};
  const INT_PTR chosen =
      DialogBoxParamW(Application.Instance(), MAKEINTRESOURCEW(GB_IDD_SHEET_NAMES), Owner,
                      &SheetNamesProcedure, reinterpret_cast<LPARAM>(&state));
  if (chosen == -1) {
    throw Exception("Cannot open the dialog " + std::string(kSheetNamesDialog.Caption) + ". " +
                    WindowsErrorText(GetLastError()));
  }
  // Anything but OK (Cancel, Escape, the close box, or the program quitting meanwhile) prints
  // nothing.
  if (chosen != IDOK) return std::nullopt;
  return state.names;
}

}  // namespace gb
