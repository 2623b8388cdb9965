#include "platform/win32/win32_picture_decoder.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstddef>

#include "platform/win32/utf16.h"

namespace orvella {
namespace {

using Microsoft::WRL::ComPtr;

// Far beyond any screen; it keeps a careless caller from exhausting a 32-bit address space.
constexpr int kMaxSide = 8192;

// WIC also opens PNG, TIFF, ICO and more, but the program takes only these three.
bool IsAcceptedContainer(const GUID& container) {
    return IsEqualGUID(container, GUID_ContainerFormatJpeg) || IsEqualGUID(container, GUID_ContainerFormatGif) ||
           IsEqualGUID(container, GUID_ContainerFormatBmp);
}

// The first frame of a JPEG, GIF or BMP; WIC chooses the decoder by the file's first bytes.
ComPtr<IWICBitmapFrameDecode> OpenFirstFrame(IWICImagingFactory& factory, const std::wstring& path) {
    ComPtr<IWICBitmapDecoder> decoder;
    GUID container{};
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(factory.CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                 &decoder)) ||
        FAILED(decoder->GetContainerFormat(&container)) || !IsAcceptedContainer(container) ||
        FAILED(decoder->GetFrame(0, &frame))) {
        return nullptr;
    }
    return frame;
}

// Converted before scaling so that GIF palettes and transparency are averaged as colours, not as
// indices. Nothing is decoded yet: the rows are pulled through the chain when the result is
// copied, so no full-size copy of a huge source is ever made here.
ComPtr<IWICBitmapSource> ScaledPremultiplied(IWICImagingFactory& factory, IWICBitmapSource* frame, UINT width,
                                             UINT height) {
    ComPtr<IWICFormatConverter> converter;
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(factory.CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(factory.CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(converter.Get(), width, height, WICBitmapInterpolationModeFant))) {
        return nullptr;
    }
    return scaler;
}

// One row per call, top to bottom, as WIC recommends: a scaler asked for the whole picture at once
// may fetch the whole source at once (Wine's does), however huge. Damage in the data shows up
// here, when the decoder finally reads it.
bool CopyRowByRow(IWICBitmapSource& source, ui::Bitmap& bitmap) {
    const UINT stride = static_cast<UINT>(bitmap.width) * UINT{sizeof(std::uint32_t)};
    for (int y = 0; y < bitmap.height; ++y) {
        const WICRect row{0, y, bitmap.width, 1};
        auto* bytes = reinterpret_cast<BYTE*>(bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width);
        if (FAILED(source.CopyPixels(&row, stride, stride, bytes))) return false;
    }
    return true;
}

}  // namespace

std::shared_ptr<const ui::Bitmap> Win32PictureDecoder::Decode(const std::string& path, int width,
                                                              int height) const noexcept {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    try {
        ComPtr<IWICImagingFactory> factory;
        if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
            return nullptr;
        }
        const ComPtr<IWICBitmapFrameDecode> frame = OpenFirstFrame(*factory.Get(), ToUtf16(path));
        if (frame == nullptr) return nullptr;
        const ComPtr<IWICBitmapSource> scaled =
            ScaledPremultiplied(*factory.Get(), frame.Get(), static_cast<UINT>(width), static_cast<UINT>(height));
        if (scaled == nullptr) return nullptr;

        auto bitmap = std::make_shared<ui::Bitmap>();
        bitmap->width = width;
        bitmap->height = height;
        bitmap->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        if (!CopyRowByRow(*scaled.Get(), *bitmap)) return nullptr;
        return bitmap;
    } catch (...) {
        // Out of memory for the path or the pixels: no picture, as for any file that cannot be read.
        return nullptr;
    }
}

}  // namespace orvella
