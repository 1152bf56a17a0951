#include "ui/win32/ChartGdi.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/SmoothPolyline.h"
#include "platform/win32/WideText.h"
#include "ui/win32/GdiDrawing.h"

namespace gb {

namespace {

HFONT ChartFace(int dpi, bool bold, bool rising) {
  const int escapement = rising ? 900 : 0;
  return CreateFontW(-MulDiv(8, dpi, 72), 0, escapement, escapement, bold ? FW_BOLD : FW_NORMAL,
                     FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Verdana");
}

COLORREF ToColorRef(ChartColour c) { return RGB(c.r, c.g, c.b); }

HPEN CreateChartPen(const ChartPen& pen, bool scaled) {
  const LOGBRUSH brush{BS_SOLID, ToColorRef(pen.colour), 0};
  if (scaled) {
    // Geometric pens scale with the world transform.
    return ExtCreatePen(PS_GEOMETRIC | (pen.dashed ? PS_DASH : PS_SOLID) |
                            (pen.flatCap ? PS_ENDCAP_FLAT : PS_ENDCAP_SQUARE) | PS_JOIN_MITER,
                        static_cast<DWORD>(std::max(1, pen.width)), &brush, 0, nullptr);
  }
  if (pen.width <= 1 && !pen.dashed) return CreatePen(PS_SOLID, 1, ToColorRef(pen.colour));
  if (pen.width <= 1) return ExtCreatePen(PS_COSMETIC | PS_DASH, 1, &brush, 0, nullptr);
  return ExtCreatePen(PS_GEOMETRIC | (pen.dashed ? PS_DASH : PS_SOLID) |
                          (pen.flatCap ? PS_ENDCAP_FLAT : PS_ENDCAP_SQUARE) | PS_JOIN_MITER,
                      static_cast<DWORD>(pen.width), &brush, 0, nullptr);
}

LONG Round(double v) { return static_cast<LONG>(std::floor(v + 0.5)); }

struct CommandPainter {
  HDC dc;
  const GdiChartFonts& fonts;
  bool scaled;
  const PixelSurface* pixels;

  // A pen for one command, put back and deleted after it.
  template <typename Draw>
  void WithPen(const ChartPen& pen, Draw draw) const {
    const HPEN created = CreateChartPen(pen, scaled);
    const HGDIOBJ old = SelectObject(dc, created);
    draw();
    SelectObject(dc, old);
    DeleteObject(created);
  }

  void operator()(const GradientCommand& c) const {
    const RECT r{c.rect.x, c.rect.y, c.rect.x + c.rect.width, c.rect.y + c.rect.height};
    if (c.stops.empty() || r.bottom <= r.top) return;
    const auto yAt = [&c](double at) { return c.fromY + at * (c.toY - c.fromY); };
    // Before the first stop and after the last the end colours; between two stops a gradient.
    const auto band = [&](double from, double to, ChartColour top, ChartColour bottom) {
      const LONG y0 = std::max<LONG>(r.top, Round(from)), y1 = std::min<LONG>(r.bottom, Round(to));
      if (y1 > y0)
        FillVerticalGradient(dc, {r.left, y0, r.right, y1}, ToColorRef(top), ToColorRef(bottom));
    };
    band(r.top, yAt(c.stops.front().at), c.stops.front().colour, c.stops.front().colour);
    for (std::size_t i = 1; i < c.stops.size(); ++i) {
      band(yAt(c.stops[i - 1].at), yAt(c.stops[i].at), c.stops[i - 1].colour, c.stops[i].colour);
    }
    band(yAt(c.stops.back().at), r.bottom, c.stops.back().colour, c.stops.back().colour);
  }
  void operator()(const LineCommand& c) const {
    WithPen(c.pen, [&] {
      MoveToEx(dc, c.from.x, c.from.y, nullptr);
      LineTo(dc, c.to.x, c.to.y);
      // GDI leaves out a line's last pixel; the chart's lines end on theirs.
      if (c.pen.width <= 1 && !c.pen.dashed)
        SetPixelV(dc, c.to.x, c.to.y, ToColorRef(c.pen.colour));
    });
  }
  void operator()(const PolylineCommand& c) const {
    if (c.points.empty()) return;
    // The curves on screen with smooth edges: GDI's own lines have none.
    if (!scaled && c.pen.hairline && c.pen.width <= 1 && !c.pen.dashed && DrawSmooth(c)) return;
    std::vector<POINT> points;
    points.reserve(c.points.size());
    for (const ChartPointF& p : c.points) points.push_back({Round(p.x), Round(p.y)});
    WithPen(c.pen, [&] {
      Polyline(dc, points.data(), static_cast<int>(points.size()));
      if (!scaled && c.pen.width <= 1) {
        SetPixelV(dc, points.back().x, points.back().y, ToColorRef(c.pen.colour));
      }
    });
  }
  bool DrawSmooth(const PolylineCommand& c) const {
    // Only where the logical pixels are the device's, moved, and the clip is a rectangle.
    if (pixels == nullptr || pixels->pixels == nullptr || GetMapMode(dc) != MM_TEXT ||
        GetGraphicsMode(dc) != GM_COMPATIBLE) {
      return false;
    }
    RECT box{};
    const int kind = GetClipBox(dc, &box);
    if (kind == NULLREGION) return true;
    if (kind != SIMPLEREGION) return false;
    // The buffer's logical coordinates are its pixels' moved by the window's origin.
    POINT window{}, viewport{};
    GetWindowOrgEx(dc, &window);
    GetViewportOrgEx(dc, &viewport);
    const double dx = viewport.x - window.x, dy = viewport.y - window.y;
    std::vector<ChartPointF> points;
    points.reserve(c.points.size());
    for (const ChartPointF& p : c.points) points.push_back({p.x + dx, p.y + dy});
    // GDI's pending steps reach the pixels before these do.
    GdiFlush();
    DrawSmoothPolyline(*pixels, points, c.pen.colour,
                       {box.left + static_cast<int>(dx), box.top + static_cast<int>(dy),
                        box.right - box.left, box.bottom - box.top});
    return true;
  }
  void operator()(const RectCommand& c) const {
    // An outline through the pixel edges, as wide and high as the rectangle plus the pen.
    const HBRUSH brush = c.filled ? CreateSolidBrush(ToColorRef(c.fill)) : nullptr;
    const HGDIOBJ oldBrush =
        SelectObject(dc, brush != nullptr ? brush : GetStockObject(NULL_BRUSH));
    WithPen(c.pen, [&] {
      Rectangle(dc, c.rect.x, c.rect.y, c.rect.x + c.rect.width + 1, c.rect.y + c.rect.height + 1);
    });
    SelectObject(dc, oldBrush);
    if (brush != nullptr) DeleteObject(brush);
  }
  void operator()(const TextCommand& c) const {
    const std::wstring text = WideFromUtf8(c.utf8);
    const TextMeasure& measure = fonts.Measure(c.font);
    const int width = measure.Width(c.utf8), height = measure.LineHeight();
    // The place in the text's own (possibly turned) coordinates.
    const int u = c.align == TextAlign::Left    ? c.rect.x
                  : c.align == TextAlign::Right ? c.rect.x + c.rect.width - width
                                                : c.rect.x + (c.rect.width - width) / 2;
    const int v = c.rect.y + (c.rect.height - height) / 2;
    const HGDIOBJ old = SelectObject(dc, fonts.Font(c.font, c.rising));
    SetTextColor(dc, ToColorRef(c.colour));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    if (c.rising) {
      // Turned a quarter anticlockwise about the origin: (u, v) lies at (x + v, y - u).
      TextOutW(dc, c.origin.x + v, c.origin.y - u, text.c_str(), static_cast<int>(text.size()));
    } else {
      TextOutW(dc, u, v, text.c_str(), static_cast<int>(text.size()));
    }
    SelectObject(dc, old);
  }
  void operator()(const ClipCommand& c) const {
    if (c.none) {
      RestoreDC(dc, -1);
    } else {
      SaveDC(dc);
      IntersectClipRect(dc, c.rect.x, c.rect.y, c.rect.x + c.rect.width, c.rect.y + c.rect.height);
    }
  }
};

}  // namespace

GdiTextMeasure::GdiTextMeasure(HDC dc, HFONT font) : dc_(dc), font_(font) {
  const HGDIOBJ old = SelectObject(dc_, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc_, &metrics);
  lineHeight_ = metrics.tmHeight;
  SelectObject(dc_, old);
}

int GdiTextMeasure::Width(std::string_view utf8) const {
  const std::wstring text = WideFromUtf8(utf8);
  const HGDIOBJ old = SelectObject(dc_, font_);
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc_, old);
  return size.cx;
}

GdiChartFonts::GdiChartFonts(int dpi)
    : dc_(CreateCompatibleDC(nullptr)),
      fonts_{{ChartFace(dpi, false, false), ChartFace(dpi, false, true)},
             {ChartFace(dpi, true, false), ChartFace(dpi, true, true)}},
      plain_(dc_, fonts_[0][0]),
      bold_(dc_, fonts_[1][0]) {}

GdiChartFonts::~GdiChartFonts() {
  for (auto& pair : fonts_) {
    for (HFONT font : pair) DeleteObject(font);
  }
  DeleteDC(dc_);
}

const TextMeasure& GdiChartFonts::Measure(ChartFont font) const {
  return font == ChartFont::Bold ? static_cast<const TextMeasure&>(bold_) : plain_;
}

HFONT GdiChartFonts::Font(ChartFont font, bool rising) const {
  return fonts_[font == ChartFont::Bold ? 1 : 0][rising ? 1 : 0];
}

void PaintDisplayList(HDC dc, const DisplayList& list, const GdiChartFonts& fonts, bool scaled,
                      const PixelSurface* pixels) {
  const CommandPainter painter{dc, fonts, scaled, pixels};
  for (const ChartCommand& command : list) std::visit(painter, command);
}

}  // namespace gb
