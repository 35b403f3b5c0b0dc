#include "preview/win32/wic_png.h"

#include <windows.h>
#include <objidl.h>
#include <wincodec.h>
#include <wrl/client.h>

namespace ostrel {

namespace {

using Microsoft::WRL::ComPtr;

// COM for the length of one encoding; a thread that has it already keeps it.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

// The encoder writes into a stream on global memory; its bytes are the file.
std::string StreamBytes(IStream* stream) {
  HGLOBAL memory = nullptr;
  STATSTG stat = {};
  if (FAILED(GetHGlobalFromStream(stream, &memory)) ||
      FAILED(stream->Stat(&stat, STATFLAG_NONAME))) {
    return std::string();
  }
  const char* bytes = static_cast<const char*>(GlobalLock(memory));
  std::string file(bytes, static_cast<size_t>(stat.cbSize.QuadPart));
  GlobalUnlock(memory);
  return file;
}

}  // namespace

// The pixels' 0x00RRGGBB words lie in memory as WIC's 32-bit BGR; the frame
// converts them to the 24-bit form it negotiates.
std::string WicPng(const Image& image) {
  ComScope com;
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICBitmap> bitmap;
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  const UINT width = static_cast<UINT>(image.width);
  const UINT height = static_cast<UINT>(image.height);
  const UINT stride = width * sizeof(uint32_t);
  BYTE* pixels = reinterpret_cast<BYTE*>(const_cast<uint32_t*>(image.pixels.data()));
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  const bool encoded =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(factory.GetAddressOf()))) &&
      SUCCEEDED(factory->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGR,
                                                stride, stride * height, pixels,
                                                bitmap.GetAddressOf())) &&
      SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.GetAddressOf())) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr,
                                       encoder.GetAddressOf())) &&
      SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(frame.GetAddressOf(), nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
      SUCCEEDED(frame->SetPixelFormat(&format)) &&
      SUCCEEDED(frame->WriteSource(bitmap.Get(), nullptr)) && SUCCEEDED(frame->Commit()) &&
      SUCCEEDED(encoder->Commit());
  return encoded ? StreamBytes(stream.Get()) : std::string();
}

}  // namespace ostrel
