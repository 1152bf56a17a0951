#include "ui/win32/SaveDialog.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/WideText.h"
#include "text/Errors.h"

namespace gb {

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/"));
}

namespace {

std::wstring DocumentsFolder() {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

// The filter as the dialogs take it: caption and patterns, each ended by a NUL, and one more.
std::wstring DialogFilter(const std::wstring& filter) {
  std::wstring list;
  for (const FileFilterItem& item : ParseFileFilter(Utf8FromWide(filter))) {
    list += WideFromUtf8(item.Text) + L'\0' + WideFromUtf8(item.Patterns) + L'\0';
  }
  return list + L'\0';
}

}  // namespace

void TSaveDialog::Design(const FileDialogDesign& design) {
  Filter = WideFromUtf8(design.Filter);
  DefaultExt = WideFromUtf8(design.DefaultExt);
  FileName = WideFromUtf8(design.FileName);
  if (design.Folder == DialogFolder::ProgramFolder) InitialDir = ProgramFolder();
  if (design.Folder == DialogFolder::Documents) InitialDir = DocumentsFolder();
}

std::optional<std::wstring> AskOpenFileName(HWND owner, const FileDialogDesign& design) {
  const std::wstring filter = DialogFilter(WideFromUtf8(design.Filter));
  std::vector<wchar_t> file(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING |
              OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) {
    const DWORD error = CommDlgExtendedError();
    if (error != 0) throw Exception("The open dialog failed (error " + std::to_string(error) + ")");
    return std::nullopt;
  }
  return std::wstring(file.data());
}

bool TSaveDialog::Execute(HWND owner) {
  const std::wstring filter = DialogFilter(Filter);
  std::vector<wchar_t> file(32768, L'\0');
  FileName.copy(file.data(), std::min(FileName.size(), file.size() - 1));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags =
      OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&ofn)) {
    const DWORD error = CommDlgExtendedError();
    if (error != 0) throw Exception("The save dialog failed (error " + std::to_string(error) + ")");
    return false;
  }
  FileName = file.data();
  return true;
}

}  // namespace gb
