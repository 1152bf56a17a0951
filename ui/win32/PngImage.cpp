#include "ui/win32/PngImage.h"

#include "ui/win32/ComPointer.h"
#include "ui/win32/GdiDrawing.h"

#include <wincodec.h>

#include <cstring>

namespace gb {

namespace {}  // namespace

HBITMAP LoadPngResource(HINSTANCE instance, const wchar_t* name, COLORREF background, SIZE& size) {
  const HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  const HGLOBAL loaded = LoadResource(instance, found);
  const auto* bytes = static_cast<BYTE*>(LockResource(loaded));
  const DWORD length = SizeofResource(instance, found);
  if (bytes == nullptr || length == 0) return nullptr;

  ComPointer<IWICImagingFactory> factory;
  ComPointer<IWICStream> stream;
  ComPointer<IWICBitmapDecoder> decoder;
  ComPointer<IWICBitmapFrameDecode> frame;
  ComPointer<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), length)) ||
      FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnLoad,
                                              &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0, height = 0;
  converter->GetSize(&width, &height);
  void* pixels = nullptr;
  const HBITMAP bitmap =
      CreateTopDownBitmap(static_cast<int>(width), static_cast<int>(height), &pixels);
  if (bitmap == nullptr) return nullptr;
  if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                   static_cast<BYTE*>(pixels)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  // Premultiplied pixels over the background: what shows through is the background's share.
  auto* pixel = static_cast<BYTE*>(pixels);
  const BYTE under[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
  for (UINT i = 0; i < width * height; ++i, pixel += 4) {
    const int through = 255 - pixel[3];
    for (int c = 0; c < 3; ++c) pixel[c] = static_cast<BYTE>(pixel[c] + under[c] * through / 255);
    pixel[3] = 255;
  }
  size = {static_cast<LONG>(width), static_cast<LONG>(height)};
  return bitmap;
}

}  // namespace gb
