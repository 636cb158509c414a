#include "platform/win32/picture_decoder.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <optional>
#include <vector>

#include "platform/win32/win32_picture.h"

namespace zelvo {
namespace {

using Microsoft::WRL::ComPtr;

// The size of the picture and where its first frame lies on it.
struct Layout {
    UINT width = 0;
    UINT height = 0;
    UINT left = 0;
    UINT top = 0;
};

std::optional<UINT> MetadataNumber(IWICMetadataQueryReader& reader, const wchar_t* name) {
    PROPVARIANT value;
    ::PropVariantInit(&value);
    std::optional<UINT> number;
    if (SUCCEEDED(reader.GetMetadataByName(name, &value)) && value.vt == VT_UI2) {
        number = value.uiVal;
    }
    ::PropVariantClear(&value);
    return number;
}

// Most formats are as large as their first frame. A GIF has a logical screen, and its
// image descriptor may place a smaller image anywhere on it.
Layout LayoutOf(IWICBitmapDecoder& decoder, IWICBitmapFrameDecode& frame, UINT frameWidth,
                UINT frameHeight) {
    Layout layout{frameWidth, frameHeight, 0, 0};
    GUID container{};
    if (FAILED(decoder.GetContainerFormat(&container)) || container != GUID_ContainerFormatGif) {
        return layout;
    }
    ComPtr<IWICMetadataQueryReader> screen;
    if (SUCCEEDED(decoder.GetMetadataQueryReader(screen.GetAddressOf()))) {
        layout.width = MetadataNumber(*screen.Get(), L"/logscrdesc/Width").value_or(frameWidth);
        layout.height = MetadataNumber(*screen.Get(), L"/logscrdesc/Height").value_or(frameHeight);
    }
    ComPtr<IWICMetadataQueryReader> image;
    if (SUCCEEDED(frame.GetMetadataQueryReader(image.GetAddressOf()))) {
        layout.left = MetadataNumber(*image.Get(), L"/imgdesc/Left").value_or(0);
        layout.top = MetadataNumber(*image.Get(), L"/imgdesc/Top").value_or(0);
    }
    return layout;
}

}  // namespace

PictureDecoder::PictureDecoder() {
    comJoined_ = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                       IID_PPV_ARGS(factory_.GetAddressOf()));
}

PictureDecoder::~PictureDecoder() {
    factory_.Reset();
    if (comJoined_) {
        ::CoUninitialize();
    }
}

PictureRef PictureDecoder::Decode(std::span<const BYTE> bytes, std::string origin) const {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT frameWidth = 0;
    UINT frameHeight = 0;
    // The stream only reads the bytes it is given.
    if (!factory_ || bytes.empty() || bytes.size() > MAXDWORD ||
        FAILED(factory_->CreateStream(stream.GetAddressOf())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                            static_cast<DWORD>(bytes.size()))) ||
        FAILED(factory_->CreateDecoderFromStream(
            stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.GetAddressOf())) ||
        FAILED(decoder->GetFrame(0, frame.GetAddressOf())) ||
        FAILED(frame->GetSize(&frameWidth, &frameHeight))) {
        return nullptr;
    }
    const Layout layout = LayoutOf(*decoder.Get(), *frame.Get(), frameWidth, frameHeight);
    if (layout.width == 0 || layout.height == 0 ||
        std::max({layout.width, layout.height, frameWidth, frameHeight}) > kMaxPictureSide) {
        return nullptr;
    }
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(factory_->CreateFormatConverter(converter.GetAddressOf())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return nullptr;
    }
    // The part of the frame that lies on the picture; a GIF's image may reach past its
    // logical screen.
    const UINT partWidth =
        layout.left < layout.width ? std::min(frameWidth, layout.width - layout.left) : 0;
    const UINT partHeight =
        layout.top < layout.height ? std::min(frameHeight, layout.height - layout.top) : 0;
    try {
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(layout.width) * layout.height);
        if (partWidth > 0 && partHeight > 0) {
            const WICRect part = {0, 0, static_cast<INT>(partWidth), static_cast<INT>(partHeight)};
            const std::size_t start =
                static_cast<std::size_t>(layout.top) * layout.width + layout.left;
            const auto room = static_cast<UINT>((pixels.size() - start) * sizeof(std::uint32_t));
            if (FAILED(converter->CopyPixels(&part, layout.width * sizeof(std::uint32_t), room,
                                             reinterpret_cast<BYTE*>(pixels.data() + start)))) {
                return nullptr;
            }
        }
        return std::make_shared<const Win32Picture>(static_cast<int>(layout.width),
                                                    static_cast<int>(layout.height),
                                                    std::move(origin), std::move(pixels));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace zelvo
