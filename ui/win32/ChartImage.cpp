#include "ui/win32/ChartImage.h"

#include <wincodec.h>

#include <cstring>
#include <vector>

#include "platform/win32/WideText.h"
#include "text/Errors.h"
#include "ui/win32/ChartGdi.h"
#include "ui/win32/Clipboard.h"
#include "ui/win32/ComPointer.h"
#include "ui/win32/GdiDrawing.h"

namespace gb {

namespace {

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) {
    throw Exception(std::string("Cannot make the chart image (") + what + "). " +
                    WindowsErrorText(static_cast<unsigned long>(result)));
  }
}

}  // namespace

HBITMAP ChartBitmap(const ChartPlot& plot, ChartSize pixels, int scale) {
  void* bits = nullptr;
  const HBITMAP bitmap = CreateTopDownBitmap(pixels.width, pixels.height, &bits);
  if (bitmap == nullptr) throw EOutOfMemory();
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  // Drawn in chart pixels and scaled up: lines, texts and hairlines keep their share.
  SetGraphicsMode(dc, GM_ADVANCED);
  const XFORM zoom{static_cast<FLOAT>(scale), 0, 0, static_cast<FLOAT>(scale), 0, 0};
  SetWorldTransform(dc, &zoom);
  const GdiChartFonts fonts;
  const ChartSize layoutSize{pixels.width / scale, pixels.height / scale};
  DisplayList list;
  plot.Draw(list, layoutSize, fonts);
  PaintDisplayList(dc, list, fonts, scale != 1);
  GdiFlush();
  SelectObject(dc, old);
  DeleteDC(dc);
  // GDI leaves the alpha byte at 0; the picture is opaque.
  auto* pixel = static_cast<std::uint8_t*>(bits);
  for (long i = 0; i < static_cast<long>(pixels.width) * pixels.height; ++i) pixel[4 * i + 3] = 255;
  return bitmap;
}

std::string ChartPngBytes(const ChartPlot& plot, ChartSize pixels, int scale) {
  const HBITMAP bitmap = ChartBitmap(plot, pixels, scale);
  BITMAP described{};
  GetObjectW(bitmap, sizeof described, &described);
  ComPointer<IWICImagingFactory> factory;
  ComPointer<IStream> stream;
  ComPointer<IWICBitmapEncoder> encoder;
  ComPointer<IWICBitmapFrameEncode> frame;
  std::string bytes;
  try {
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          "imaging component");
    Check(CreateStreamOnHGlobal(nullptr, TRUE, &stream), "stream");
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "PNG encoder");
    Check(encoder->Initialize(stream.p, WICBitmapEncoderNoCache), "PNG encoder");
    Check(encoder->CreateNewFrame(&frame, nullptr), "PNG frame");
    Check(frame->Initialize(nullptr), "PNG frame");
    Check(frame->SetSize(static_cast<UINT>(pixels.width), static_cast<UINT>(pixels.height)),
          "PNG size");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    Check(frame->SetPixelFormat(&format), "PNG pixels");
    Check(frame->WritePixels(static_cast<UINT>(pixels.height),
                             static_cast<UINT>(described.bmWidthBytes),
                             static_cast<UINT>(described.bmWidthBytes * pixels.height),
                             static_cast<BYTE*>(described.bmBits)),
          "PNG pixels");
    Check(frame->Commit(), "PNG frame");
    Check(encoder->Commit(), "PNG file");
    HGLOBAL memory = nullptr;
    Check(GetHGlobalFromStream(stream.p, &memory), "stream");
    STATSTG stat{};
    Check(stream->Stat(&stat, STATFLAG_NONAME), "stream");
    const void* data = GlobalLock(memory);
    bytes.assign(static_cast<const char*>(data), static_cast<std::size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
  } catch (...) {
    DeleteObject(bitmap);
    throw;
  }
  DeleteObject(bitmap);
  return bytes;
}

void CopyChartImage(HWND owner, const ChartPlot& plot, ChartSize pixels, int scale) {
  const HBITMAP bitmap = ChartBitmap(plot, pixels, scale);
  BITMAP described{};
  GetObjectW(bitmap, sizeof described, &described);
  // A bottom-up DIB, as every program that pastes reads it.
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  const std::size_t row = static_cast<std::size_t>(described.bmWidthBytes);
  const std::size_t size = sizeof header + row * static_cast<std::size_t>(pixels.height);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory == nullptr) {
    DeleteObject(bitmap);
    throw EOutOfMemory();
  }
  auto* target = static_cast<std::uint8_t*>(GlobalLock(memory));
  std::memcpy(target, &header, sizeof header);
  const auto* source = static_cast<const std::uint8_t*>(described.bmBits);
  for (int y = 0; y < pixels.height; ++y) {
    std::memcpy(target + sizeof header + row * static_cast<std::size_t>(pixels.height - 1 - y),
                source + row * static_cast<std::size_t>(y), row);
  }
  GlobalUnlock(memory);
  DeleteObject(bitmap);
  PutOnClipboard(owner, CF_DIB, memory);
}

}  // namespace gb
