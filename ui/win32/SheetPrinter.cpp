#include "ui/win32/SheetPrinter.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "chart/ChartPlot.h"
#include "platform/win32/WideText.h"
#include "text/Errors.h"
#include "ui/win32/ChartGdi.h"

namespace gb {

namespace {

constexpr COLORREF kRule = RGB(128, 128, 128);
constexpr COLORREF kHeaderFill = RGB(232, 232, 232);

int Px(double v) { return static_cast<int>(std::lround(v)); }

UINT FlowFlags(SheetFlow flow, bool cell) {
  switch (flow) {
    case SheetFlow::WordWrap:
      return DT_WORDBREAK;
    case SheetFlow::WrapAnywhere:
      return DT_WORDBREAK | DT_EDITCONTROL;
    case SheetFlow::OneLine:
      return cell ? DT_SINGLELINE : 0;
  }
  return 0;
}

UINT AlignFlags(SheetAlign align) {
  return align == SheetAlign::Left ? DT_LEFT : align == SheetAlign::Right ? DT_RIGHT : DT_CENTER;
}

}  // namespace

GdiSheet::GdiSheet(HDC dc) : dc_(dc), dpi_(GetDeviceCaps(dc, LOGPIXELSY)) {}

GdiSheet::~GdiSheet() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT GdiSheet::Font(const SheetFont& font) const {
  const std::pair<int, bool> key{Px(font.points * 10), font.bold};
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  // Tahoma for letters and digits; Windows links a Simplified Chinese face for the rest.
  const HFONT created =
      CreateFontW(-Px(font.points * dpi_ / 72), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                  FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
  fonts_[key] = created;
  return created;
}

double GdiSheet::WidthMm(const SheetFont& font, std::string_view utf8) const {
  const std::wstring text = WideFromUtf8(utf8);
  const HGDIOBJ old = SelectObject(dc_, Font(font));
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc_, old);
  return Mm(size.cx);
}

double GdiSheet::LineMm(const SheetFont& font) const {
  const HGDIOBJ old = SelectObject(dc_, Font(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  SelectObject(dc_, old);
  return Mm(metrics.tmHeight);
}

double GdiSheet::HeightMm(const SheetFont& font, double widthMm, std::string_view utf8,
                          SheetFlow flow) const {
  if (utf8.empty()) return LineMm(font);
  const std::wstring text = WideFromUtf8(utf8);
  const HGDIOBJ old = SelectObject(dc_, Font(font));
  RECT room{0, 0, Px(Dev(widthMm)), 0};
  DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &room,
            DT_CALCRECT | DT_NOPREFIX | FlowFlags(flow, false));
  SelectObject(dc_, old);
  return Mm(room.bottom - room.top);
}

void GdiSheet::PaintItems(const std::vector<SheetItem>& items, const ChartPlot& chart) const {
  const auto rect = [this](const SheetRect& r) {
    return RECT{Px(Dev(r.x)), Px(Dev(r.y)), Px(Dev(r.x + r.width)), Px(Dev(r.y + r.height))};
  };
  const auto pen = [this](double widthMm, COLORREF colour) {
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                        static_cast<DWORD>(std::max(1, Px(Dev(widthMm)))), &brush, 0, nullptr);
  };
  SetBkMode(dc_, TRANSPARENT);
  for (const SheetItem& item : items) {
    if (const auto* t = std::get_if<SheetText>(&item)) {
      RECT r = rect(t->rect);
      const std::wstring text = WideFromUtf8(t->utf8);
      const HGDIOBJ old = SelectObject(dc_, Font(t->font));
      SetTextColor(dc_, RGB(0, 0, 0));
      const UINT vertical = t->cell ? DT_VCENTER | DT_SINGLELINE | DT_NOCLIP : DT_TOP;
      DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                AlignFlags(t->align) | vertical | FlowFlags(t->flow, t->cell) | DT_NOPREFIX);
      SelectObject(dc_, old);
    } else if (const auto* l = std::get_if<SheetLine>(&item)) {
      const HPEN rule = pen(l->widthMm, l->black ? RGB(0, 0, 0) : kRule);
      const HGDIOBJ old = SelectObject(dc_, rule);
      MoveToEx(dc_, Px(Dev(l->x0)), Px(Dev(l->y0)), nullptr);
      LineTo(dc_, Px(Dev(l->x1)), Px(Dev(l->y1)));
      SelectObject(dc_, old);
      DeleteObject(rule);
    } else if (const auto* c = std::get_if<SheetCell>(&item)) {
      const RECT r = rect(c->rect);
      if (c->header) {
        const HBRUSH fill = CreateSolidBrush(kHeaderFill);
        FillRect(dc_, &r, fill);
        DeleteObject(fill);
      }
      const HPEN rule = pen(0.15, kRule);
      const HGDIOBJ oldPen = SelectObject(dc_, rule);
      const HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
      Rectangle(dc_, r.left, r.top, r.right, r.bottom);
      SelectObject(dc_, oldBrush);
      SelectObject(dc_, oldPen);
      DeleteObject(rule);
    } else if (const auto* chartPlace = std::get_if<SheetChart>(&item)) {
      // Chart pixels are 96-dpi pixels, scaled onto the page.
      const RECT where = rect(chartPlace->rect);
      const double scale = dpi_ / kChartDpi;
      const ChartSize size{Px((where.right - where.left) / scale),
                           Px((where.bottom - where.top) / scale)};
      const int saved = SaveDC(dc_);
      const XFORM local{static_cast<FLOAT>(scale),
                        0,
                        0,
                        static_cast<FLOAT>(scale),
                        static_cast<FLOAT>(where.left),
                        static_cast<FLOAT>(where.top)};
      ModifyWorldTransform(dc_, &local, MWT_LEFTMULTIPLY);
      IntersectClipRect(dc_, 0, 0, size.width, size.height);
      const GdiChartFonts fonts(kChartDpi);
      DisplayList list;
      chart.Draw(list, size, fonts);
      PaintDisplayList(dc_, list, fonts, true);
      RestoreDC(dc_, saved);
    }
  }
}

void GdiSheet::Paint(const SheetPage& page, const ChartPlot& chart, int leftPx, int topPx) const {
  SetGraphicsMode(dc_, GM_ADVANCED);
  const int saved = SaveDC(dc_);
  const XFORM body{static_cast<FLOAT>(page.scale),
                   0,
                   0,
                   static_cast<FLOAT>(page.scale),
                   static_cast<FLOAT>(leftPx),
                   static_cast<FLOAT>(topPx)};
  SetWorldTransform(dc_, &body);
  PaintItems(page.body, chart);
  RestoreDC(dc_, saved);
  const XFORM footer{1, 0, 0, 1, static_cast<FLOAT>(leftPx), static_cast<FLOAT>(topPx)};
  SetWorldTransform(dc_, &footer);
  PaintItems(page.footer, chart);
  ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
}

bool PrintCalculationSheet(HWND owner, const CalculationSheet& sheet) {
  // A4 portrait asked of the printer's driver.
  const HGLOBAL mode = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEW));
  if (mode == nullptr) throw EOutOfMemory();
  auto* devmode = static_cast<DEVMODEW*>(GlobalLock(mode));
  devmode->dmSize = sizeof(DEVMODEW);
  devmode->dmFields = DM_PAPERSIZE | DM_ORIENTATION;
  devmode->dmPaperSize = DMPAPER_A4;
  devmode->dmOrientation = DMORIENT_PORTRAIT;
  GlobalUnlock(mode);
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner;
  pd.hDevMode = mode;
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  const BOOL chosen = PrintDlgW(&pd);
  const DWORD error = chosen ? 0 : CommDlgExtendedError();
  if (pd.hDevMode != nullptr) GlobalFree(pd.hDevMode);
  if (pd.hDevNames != nullptr) GlobalFree(pd.hDevNames);
  if (!chosen) {
    // Without a printer the dialog itself has told the user so.
    if (error != 0 && error != PDERR_NODEFAULTPRN)
      throw Exception("The print dialog failed (error " + std::to_string(error) + ")");
    return false;
  }
  const HDC dc = pd.hDC;
  const std::wstring name = WideFromUtf8(kSheetTitle);
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = name.c_str();
  bool printed = false;
  if (StartDocW(dc, &doc) > 0) {
    if (StartPage(dc) > 0) {
      const GdiSheet device(dc);
      const SheetPage page =
          LayOutSheet(sheet, device, kSheetPageWidth - kSheetMarginLeft - kSheetMarginRight,
                      kSheetPageHeight - kSheetMarginTop - kSheetMarginBottom);
      ChartPlot chart;
      PlotSheetChart(chart, sheet);
      // The margins are from the paper's edge; the device's origin is its printable area's.
      device.Paint(page, chart,
                   Px(device.Dev(kSheetMarginLeft)) - GetDeviceCaps(dc, PHYSICALOFFSETX),
                   Px(device.Dev(kSheetMarginTop)) - GetDeviceCaps(dc, PHYSICALOFFSETY));
      printed = EndPage(dc) > 0;
    }
    printed = EndDoc(dc) > 0 && printed;
  }
  DeleteDC(dc);
  if (!printed) throw Exception("The printer did not accept the calculation sheet");
  return true;
}

}  // namespace gb
