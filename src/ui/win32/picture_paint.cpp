#include "ui/win32/picture_paint.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/win32/win32_picture.h"

namespace zelvo {
namespace {

constexpr BLENDFUNCTION kSourceOver = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

// Where a destination pixel takes its colour from along one axis when filtering: the
// two neighbouring source pixels and the weight of the second, in 1/256.
struct Tap {
    int first;
    int second;
    std::uint32_t weight;
};

std::vector<Tap> Taps(int sourceSize, int destinationSize) {
    std::vector<Tap> taps(static_cast<std::size_t>(destinationSize));
    const double scale = static_cast<double>(sourceSize) / destinationSize;
    for (int d = 0; d < destinationSize; ++d) {
        const double at = std::clamp((d + 0.5) * scale - 0.5, 0.0, sourceSize - 1.0);
        const int first = static_cast<int>(at);
        taps[static_cast<std::size_t>(d)] = {
            first, std::min(first + 1, sourceSize - 1),
            static_cast<std::uint32_t>(std::lround((at - first) * 256.0))};
    }
    return taps;
}

// Premultiplied pixels blend channel by channel; weights are in 1/256 and add up to
// 256, so no channel can go past 255.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t weightB) {
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t channelA = (a >> shift) & 0xFFU;
        const std::uint32_t channelB = (b >> shift) & 0xFFU;
        const std::uint32_t channel = (channelA * (256 - weightB) + channelB * weightB + 128) >> 8;
        mixed |= channel << shift;
    }
    return mixed;
}

void CopyExact(const Win32Picture& source, std::uint32_t* out) {
    std::memcpy(out, source.pixels.data(), source.pixels.size() * sizeof(std::uint32_t));
}

void ScaleByBlocks(const Win32Picture& source, std::uint32_t* out, int width, int height) {
    const int factorX = width / source.width;
    const int factorY = height / source.height;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row =
            source.pixels.data() + static_cast<std::size_t>(y / factorY) * source.width;
        for (int x = 0; x < width; ++x) {
            *out++ = row[x / factorX];
        }
    }
}

void ScaleSmoothly(const Win32Picture& source, std::uint32_t* out, int width, int height) {
    const std::vector<Tap> columns = Taps(source.width, width);
    const std::vector<Tap> rows = Taps(source.height, height);
    const auto at = [&source](int x, int y) {
        return source.pixels[static_cast<std::size_t>(y) * source.width + x];
    };
    for (const Tap& row : rows) {
        for (const Tap& column : columns) {
            const std::uint32_t upper =
                Mix(at(column.first, row.first), at(column.second, row.first), column.weight);
            const std::uint32_t lower =
                Mix(at(column.first, row.second), at(column.second, row.second), column.weight);
            *out++ = Mix(upper, lower, row.weight);
        }
    }
}

}  // namespace

void PaintPicture(HDC target, const Picture* picture, const RECT& destination) {
    const auto* source = dynamic_cast<const Win32Picture*>(picture);
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    if (source == nullptr || source->width <= 0 || source->height <= 0 || width <= 0 ||
        height <= 0 ||
        source->pixels.size() != static_cast<std::size_t>(source->width) * source->height) {
        return;
    }
    const DibSection scaled(width, height);
    if (!scaled.valid()) {
        return;
    }
    if (width == source->width && height == source->height) {
        CopyExact(*source, scaled.pixels());
    } else if (width % source->width == 0 && height % source->height == 0) {
        ScaleByBlocks(*source, scaled.pixels(), width, height);
    } else {
        ScaleSmoothly(*source, scaled.pixels(), width, height);
    }
    ::AlphaBlend(target, destination.left, destination.top, width, height, scaled.dc(), 0, 0, width,
                 height, kSourceOver);
}

DibSection::DibSection(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = ::CreateCompatibleDC(nullptr);
    if (bitmap_ == nullptr || bits == nullptr || dc_ == nullptr) {
        return;
    }
    previous_ = ::SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    pixels_ = static_cast<std::uint32_t*>(bits);
}

DibSection::~DibSection() {
    if (previous_ != nullptr) {
        ::SelectObject(dc_, previous_);
    }
    if (dc_ != nullptr) {
        ::DeleteDC(dc_);
    }
    if (bitmap_ != nullptr) {
        ::DeleteObject(bitmap_);
    }
}

std::uint32_t* DibSection::pixels() const {
    ::GdiFlush();
    return pixels_;
}

std::uint32_t DibSection::Pixel(int x, int y) const {
    if (!valid() || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    return pixels()[static_cast<std::size_t>(y) * width_ + x];
}

BackBuffer::BackBuffer(HDC target, int width, int height)
    : target_(target), buffer_(width, height) {}

BackBuffer::~BackBuffer() {
    if (buffer_.valid()) {
        ::BitBlt(target_, 0, 0, buffer_.width(), buffer_.height(), buffer_.dc(), 0, 0, SRCCOPY);
    }
}

}  // namespace zelvo
