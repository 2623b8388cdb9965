#include "fakeshell/wallpaper.h"

#include <wincodec.h>

namespace fakeshell {
namespace {

template <typename T>
struct Released {
    T* pointer = nullptr;
    ~Released() {
        if (pointer) pointer->Release();
    }
    T** operator&() { return &pointer; }
    T* operator->() const { return pointer; }
};

}  // namespace

HBITMAP LoadWallpaper() {
    // From the registry: Wine keeps SPI_GETDESKWALLPAPER per process and would not see another
    // process's change.
    wchar_t path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"Wallpaper", RRF_RT_REG_SZ, nullptr, path, &size) !=
            ERROR_SUCCESS ||
        !path[0])
        return nullptr;
    const UINT width = static_cast<UINT>(GetSystemMetrics(SM_CXSCREEN));
    const UINT height = static_cast<UINT>(GetSystemMetrics(SM_CYSCREEN));

    Released<IWICImagingFactory> factory;
    Released<IWICBitmapDecoder> decoder;
    Released<IWICBitmapFrameDecode> frame;
    Released<IWICBitmapScaler> scaler;
    Released<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(frame.pointer, width, height, WICBitmapInterpolationModeLinear)) ||
        FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(scaler.pointer, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap) return nullptr;
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(pixels)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace fakeshell
