#include "ui/win32/SheetNamesDialog.h"

#include <string>

#include "form/WindowCommands.h"
#include "platform/win32/WideText.h"
#include "ui/win32/ModalDialog.h"
#include "ui/win32/resources/DialogIds.h"

namespace gb {

namespace {

std::string ItemText(HWND dialog, int id) {
  const HWND item = GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return Utf8FromWide(text);
}

}  // namespace

std::optional<TSheetNames> AskSheetNames(TApplication& Application, HWND Owner) {
  const SheetNamesDialogDesign& design = kSheetNamesDialog;
  TSheetNames names;
  const bool chosen = RunModalDialog(
      Application, Owner,
      {GB_IDD_SHEET_NAMES,
       design.Caption,
       [&](HWND dialog) {
         SetDlgItemTextW(dialog, GB_IDC_PROJECT_LABEL, WideFromUtf8(design.ProjectLabel).c_str());
         SetDlgItemTextW(dialog, GB_IDC_SITE_LABEL, WideFromUtf8(design.SiteLabel).c_str());
         SetDlgItemTextW(dialog, IDOK, WideFromUtf8(design.Ok).c_str());
         SetDlgItemTextW(dialog, IDCANCEL, WideFromUtf8(design.Cancel).c_str());
       },
       [&](HWND dialog) {
         names = {ItemText(dialog, GB_IDC_PROJECT), ItemText(dialog, GB_IDC_SITE)};
       },
       {}});
  // Anything but OK prints nothing.
  if (!chosen) return std::nullopt;
  return names;
}

}  // namespace gb
