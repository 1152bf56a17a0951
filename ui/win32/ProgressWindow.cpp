#include "ui/win32/ProgressWindow.h"

#include <commctrl.h>

#include "platform/win32/WideText.h"
#include "ui/win32/Application.h"
#include "ui/win32/OwnWindow.h"

namespace gb {

namespace {

constexpr wchar_t kClassName[] = L"TProgressWindow";
constexpr int kWidth = 360, kHeight = 110;

}  // namespace

TProgressWindow::TProgressWindow(TApplication& application, HWND owner, const std::wstring& caption)
    : application_(application), owner_(owner), caption_(caption) {
  EnableWindow(owner_, FALSE);
}

TProgressWindow::~TProgressWindow() {
  EnableWindow(owner_, TRUE);
  if (window_ != nullptr) DestroyWindow(window_);
  SetActiveWindow(owner_);
}

void TProgressWindow::Create() {
  const HINSTANCE instance = application_.Instance();
  RegisterOwnClass(instance, kClassName, &Procedure, 0,
                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  RECT owner{};
  GetWindowRect(owner_, &owner);
  RECT outer{0, 0, kWidth, kHeight};
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName, caption_.c_str(),
                            style, owner.left + (owner.right - owner.left - width) / 2,
                            owner.top + (owner.bottom - owner.top - height) / 2, width, height,
                            owner_, nullptr, instance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  text_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 16, 20,
                          kWidth - 32, 20, window_, nullptr, instance, nullptr);
  const HWND cancel = CreateWindowExW(
      0, WC_BUTTONW, L"\u53D6\u6D88",  // 取消
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, (kWidth - 88) / 2, 64, 88, 25, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
  for (HWND control : {text_, cancel}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(application_.FormFont()), FALSE);
  }
  ShowWindow(window_, SW_SHOW);
  SetFocus(cancel);
}

LRESULT CALLBACK TProgressWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* progress = reinterpret_cast<TProgressWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (progress != nullptr &&
      ((message == WM_COMMAND && LOWORD(w) == IDCANCEL) || message == WM_CLOSE)) {
    progress->cancelled_ = true;
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

bool TProgressWindow::Update(const std::string& utf8) {
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now() - start_)
                           .count();
  if (!pacing_.Due(elapsed)) return !cancelled_;
  if (window_ == nullptr) Create();
  SetWindowTextW(text_, WideFromUtf8(utf8).c_str());
  // The window's own messages (Cancel, painting) between two steps of the command.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      cancelled_ = true;
      break;
    }
    if (IsDialogMessageW(window_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return !cancelled_;
}

}  // namespace gb
