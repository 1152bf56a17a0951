// The status bar: its panes packed from the left, each a caption in its own bold face with its
// border, a gradient behind them, and the size grip at the right; the web-address pane reports
// clicks and pointer moves to the form and shows its hot state.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace gb {

class TApplication;

enum class TLinkState { Normal, Hot };

struct TRzFieldStatus {
  std::string Name;
  std::wstring Caption;
  int DesignLeft = 0, Width = 0, BorderWidth = 1;
  HFONT Font = nullptr, HotFont = nullptr;
  TLinkState Link = TLinkState::Normal;
  int Left = 0;  // where packing put it
};

class TRzStatusBar {
 public:
  static constexpr int kHeight = 26;
  static constexpr int kSizeGripWidth = 13;

  TRzStatusBar(TApplication& application, HWND parent);
  ~TRzStatusBar();
  TRzStatusBar(const TRzStatusBar&) = delete;
  TRzStatusBar& operator=(const TRzStatusBar&) = delete;

  HWND Handle() const { return handle_; }
  TRzFieldStatus& Pane(const char* name);
  // Normal: black, bold. Hot: blue, bold and underlined; an unchanged state costs no repaint.
  void SetLinkState(TRzFieldStatus& pane, TLinkState state);
  // The grip's rectangle in the bar's client area; empty while the window is maximised.
  RECT SizeGripRect() const;

  // The link pane's mouse events, as the form's handlers take them.
  std::function<void()> OnLinkClick;
  std::function<void(int x, int y)> OnLinkMouseMove;
  std::function<void()> OnLinkMouseLeave;

 private:
  template <class Control>
  friend LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void Paint(HDC dc, const RECT& client) const;
  bool OverLink(int x, int y) const;

  TApplication& application_;
  HWND handle_ = nullptr;
  std::vector<TRzFieldStatus> panes_;
  std::vector<HFONT> fonts_;
  bool pressedOnLink_ = false, overLink_ = false, tracking_ = false;
};

}  // namespace gb
