#include "ui/win32/Chart.h"

#include <windowsx.h>

#include "ui/win32/Application.h"
#include "ui/win32/OwnWindow.h"

namespace gb {

namespace {

constexpr wchar_t kClassName[] = L"TChart";

ChartPoint PointOf(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }

ChartButtons Held(WPARAM w) { return {(w & MK_LBUTTON) != 0, (w & MK_RBUTTON) != 0}; }

}  // namespace

TChart::TChart(TApplication& application, HWND parent, const wchar_t* name)
    : application_(application), view_(plot_, *this) {
  RegisterOwnClass(application.Instance(), kClassName);
  handle_ =
      CreateWindowExW(0, kClassName, name, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0,
                      0, 10, 10, parent, nullptr, application.Instance(), nullptr);
  AttachOwnControl(handle_, this);
  // A re-plot appends hundreds of points; one invalidation covers them all (each is a trip to
  // the window manager), painted once the handler has returned to the message loop.
  plot_.SetChangeHandler([this] {
    if (redrawPending_) return;
    redrawPending_ = true;
    InvalidateRect(handle_, nullptr, FALSE);
  });
}

TChart::~TChart() {
  plot_.SetChangeHandler({});
  if (IsWindow(handle_)) SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
}

TChartSeries* TChart::AddSeries(const std::string& titleUtf8, ChartColour colour) {
  series_.push_back(std::make_unique<TChartSeries>(*plot_.AddSeries(titleUtf8, colour)));
  return series_.back().get();
}

void TChart::SetReader(ChartReader reader) {
  view_.SetReader(std::move(reader));
  InvalidateRect(handle_, nullptr, FALSE);
}

ChartSize TChart::Size() const {
  RECT client{};
  GetClientRect(handle_, &client);
  return {client.right, client.bottom};
}

void TChart::Respond(const ChartResponse& response, LPARAM l) {
  if (response.repaint) InvalidateRect(handle_, nullptr, FALSE);
  if (response.contextMenu && OnContextMenu) {
    POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    ClientToScreen(handle_, &at);
    OnContextMenu(at);
  }
}

LRESULT TChart::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT:
      redrawPending_ = false;
      PaintClient(handle_, [this](HDC buffer, const RECT&, const PixelSurface& pixels) {
        DisplayList list;
        view_.Paint(list);
        PaintDisplayList(buffer, list, fonts_, false, &pixels);
      });
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      InvalidateRect(handle_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetFocus(handle_);
      SetCapture(handle_);
      Respond(view_.Press(message == WM_LBUTTONDOWN   ? ChartButton::Left
                          : message == WM_RBUTTONDOWN ? ChartButton::Right
                                                      : ChartButton::Other,
                          PointOf(l), Held(w)),
              l);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if ((w & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == handle_) {
        ReleaseCapture();
      }
      Respond(view_.Release(message == WM_LBUTTONUP   ? ChartButton::Left
                            : message == WM_RBUTTONUP ? ChartButton::Right
                                                      : ChartButton::Other,
                            PointOf(l)),
              l);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
        tracking_ = TrackMouseEvent(&track) != 0;
      }
      Respond(view_.Move(PointOf(l)), l);
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      Respond(view_.Leave(), l);
      return 0;
    case WM_MOUSEWHEEL: {
      const ChartResponse response = view_.Wheel(GET_WHEEL_DELTA_WPARAM(w), GetFocus() == handle_);
      if (!response.accepted) return DefWindowProcW(handle_, message, w, l);
      Respond(response, l);
      return 0;
    }
    case WM_CONTEXTMENU:
      // The mouse's menu comes with the release of a right click that did not scroll; here only
      // the keyboard's (Menu key, Shift+F10), at the middle of the chart.
      if (l == -1 && OnContextMenu) {
        RECT client;
        GetClientRect(handle_, &client);
        POINT centre{client.right / 2, client.bottom / 2};
        ClientToScreen(handle_, &centre);
        OnContextMenu(centre);
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return 0;
    default:
      return DefWindowProcW(handle_, message, w, l);
  }
}

}  // namespace gb
