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

namespace {

// One run of the system's open or save dialog; the chosen path, or nothing when the user
// cancelled.
std::optional<std::wstring> RunFileDialog(HWND owner, const std::wstring& filter,
                                          const std::wstring& name, const std::wstring& folder,
                                          const std::wstring& defaultExt, bool save) {
  const std::wstring list = DialogFilter(filter);
  std::vector<wchar_t> file(32768, L'\0');
  name.copy(file.data(), std::min(name.size(), file.size() - 1));
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = list.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) {
    const DWORD error = CommDlgExtendedError();
    if (error != 0) {
      throw Exception(std::string(save ? "The save" : "The open") + " dialog failed (error " +
                      std::to_string(error) + ")");
    }
    return std::nullopt;
  }
  return std::wstring(file.data());
}

}  // namespace

std::optional<std::wstring> AskOpenFileName(HWND owner, const FileDialogDesign& design) {
  return RunFileDialog(owner, WideFromUtf8(design.Filter), L"", L"", L"", false);
}

bool TSaveDialog::Execute(HWND owner) {
  const std::optional<std::wstring> chosen =
      RunFileDialog(owner, Filter, FileName, InitialDir, DefaultExt, true);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

}  // namespace gb
