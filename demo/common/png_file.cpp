#include "png_file.h"

#include <wincodec.h>

#include <vector>

#include "com_error.h"

#include "host/win32/com_ptr.h"

namespace zelvane::demo {

using win32::com_ptr;

namespace {

com_ptr<IWICImagingFactory> ImagingFactory() {
  com_ptr<IWICImagingFactory> factory;
  ThrowIfFailed(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   factory.put_void()),
                "creating the WIC imaging factory");
  return factory;
}

}  // namespace

void WritePng(const ScreenImage& image, const std::wstring& path) {
  auto factory = ImagingFactory();
  com_ptr<IWICStream> stream;
  ThrowIfFailed(factory->CreateStream(stream.put()), "IWICImagingFactory::CreateStream");
  ThrowIfFailed(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), "opening the PNG file");
  com_ptr<IWICBitmapEncoder> encoder;
  ThrowIfFailed(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()), "creating the PNG encoder");
  ThrowIfFailed(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "IWICBitmapEncoder::Initialize");
  com_ptr<IWICBitmapFrameEncode> frame;
  ThrowIfFailed(encoder->CreateNewFrame(frame.put(), nullptr), "IWICBitmapEncoder::CreateNewFrame");
  ThrowIfFailed(frame->Initialize(nullptr), "IWICBitmapFrameEncode::Initialize");
  ThrowIfFailed(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)), "SetSize");
  // The screen has no alpha: 24-bit BGR keeps the file small and opaque.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  ThrowIfFailed(frame->SetPixelFormat(&format), "SetPixelFormat");
  // The frame converts from the capture's 32-bit layout to the format it settled on.
  com_ptr<IWICBitmap> bitmap;
  ThrowIfFailed(factory->CreateBitmapFromMemory(static_cast<UINT>(image.width), static_cast<UINT>(image.height),
                                                GUID_WICPixelFormat32bppBGR, static_cast<UINT>(image.width) * 4,
                                                static_cast<UINT>(image.bgra.size()),
                                                const_cast<BYTE*>(image.bgra.data()), bitmap.put()),
                "CreateBitmapFromMemory");
  ThrowIfFailed(frame->WriteSource(bitmap.get(), nullptr), "WriteSource");
  ThrowIfFailed(frame->Commit(), "committing the PNG frame");
  ThrowIfFailed(encoder->Commit(), "committing the PNG file");
}

bool IsValidPng(const std::wstring& path) {
  try {
    auto factory = ImagingFactory();
    com_ptr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.put())))
      return false;
    GUID container{};
    if (FAILED(decoder->GetContainerFormat(&container)) || container != GUID_ContainerFormatPng) return false;
    com_ptr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(0, frame.put())) || FAILED(frame->GetSize(&width, &height))) return false;
    // Decoding every pixel proves the data past the header is whole.
    std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 4);
    com_ptr<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
      return false;
    return width > 0 && height > 0 &&
           SUCCEEDED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()), pixels.data()));
  } catch (const ComError&) {
    return false;
  }
}

}  // namespace zelvane::demo
