#include "ui/win32/Application.h"

#include <commctrl.h>

#include "platform/LocaleSeparators.h"
#include "platform/win32/WideText.h"
#include "text/ErrorText.h"

namespace gb {

std::wstring TitleFromExecutableName(std::wstring path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  name = name.substr(0, name.find(L'.'));
  if (name.size() > 1) {
    // The first character keeps its case, a surrogate pair whole.
    const std::size_t first = IS_HIGH_SURROGATE(name[0]) ? 2 : 1;
    if (name.size() > first) {
      CharLowerBuffW(name.data() + first, static_cast<DWORD>(name.size() - first));
    }
  }
  return name;
}

TApplication::TApplication(HINSTANCE instance) : instance_(instance) {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  Title = TitleFromExecutableName(path);
}

TApplication::~TApplication() {
  mainForm_.reset();
  if (font_ != nullptr) DeleteObject(font_);
}

void TApplication::Initialize() {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // Tahoma 8 pt at 96 dpi, the window text's face.
  font_ =
      CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
  RefreshNumberSeparators();
}

void TApplication::Run(int showCommand) {
  const HWND main = MainWindow();
  if (main == nullptr) return;
  ShowWindow(main, showCommand == SW_SHOWMAXIMIZED || showCommand == SW_SHOWMINIMIZED ||
                           showCommand == SW_MINIMIZE || showCommand == SW_SHOWMINNOACTIVE
                       ? showCommand
                       : SW_SHOWNORMAL);
  UpdateWindow(main);
  const HACCEL accelerators = mainForm_->Accelerators();
  MSG msg;
  while (IsWindow(main) && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (accelerators != nullptr && TranslateAcceleratorW(main, accelerators, &msg)) continue;
    // The dialog manager moves the focus with Tab through the window's controls.
    if (IsWindow(main) && IsDialogMessageW(main, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TApplication::HandleException(const Exception& E) noexcept {
  try {
    // A drag in progress ends before the box takes the input.
    if (const HWND captured = GetCapture()) SendMessageW(captured, WM_CANCELMODE, 0, 0);
    ShowException(E);
  } catch (...) {
  }
}

void TApplication::ShowException(const Exception& E) {
  MessageBox(WideFromUtf8(ErrorBoxText(E.Message())), Title, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::wstring& Text, const std::wstring& Caption, UINT Flags) {
  return ::MessageBoxW(ActiveOwner(), Text.c_str(), Caption.c_str(), Flags);
}

void TApplication::ShowNotice(const std::wstring& Text) {
  // One push button captioned "OK" whatever the system's language, no icon; Enter, Escape and
  // the close box dismiss it.
  const TASKDIALOG_BUTTON ok{IDOK, L"OK"};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = ActiveOwner();
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = Title.c_str();
  config.pszContent = Text.c_str();
  config.cButtons = 1;
  config.pButtons = &ok;
  config.nDefaultButton = IDOK;
  if (FAILED(TaskDialogIndirect(&config, nullptr, nullptr, nullptr))) {
    MessageBox(Text, Title, MB_OK);  // without common controls 6
  }
}

HWND TApplication::ActiveOwner() const {
  const HWND active = GetActiveWindow();
  if (active != nullptr) return active;
  const HWND main = MainWindow();
  return main != nullptr && IsWindowVisible(main) ? main : nullptr;
}

}  // namespace gb
