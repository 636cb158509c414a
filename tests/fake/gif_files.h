#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bar/skin_roles.h"

namespace zelvo::fake {

// A GIF89a picture of chosen pixels: a logical screen `width` by `height` holding one
// image at `left`, `top`, whose pixels (row by row) are indexes into a table of four
// colours (0xRRGGBB). `transparent` is the index that is see-through, -1 for none.
struct IndexedGif {
    int width = 0;
    int height = 0;
    std::array<std::uint32_t, 4> colours{};
    int transparent = -1;
    int left = 0;
    int top = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    std::vector<int> indexes;
};

// Writes `gif` to `path`. The pixel data is LZW-coded at a constant 3-bit code width:
// a clear code before every pair of pixels keeps the code table from growing.
inline void WriteIndexedGif(const std::filesystem::path& path, const IndexedGif& gif) {
    constexpr unsigned kClear = 4;
    constexpr unsigned kEnd = 5;
    std::vector<unsigned char> data;
    unsigned bits = 0;
    int bitCount = 0;
    const auto putCode = [&](unsigned code) {
        bits |= code << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            data.push_back(static_cast<unsigned char>(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    for (std::size_t i = 0; i < gif.indexes.size(); ++i) {
        if (i % 2 == 0) {
            putCode(kClear);
        }
        putCode(static_cast<unsigned>(gif.indexes[i]));
    }
    putCode(kEnd);
    if (bitCount > 0) {
        data.push_back(static_cast<unsigned char>(bits & 0xFF));
    }

    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    const auto put = [&out](int byte) { out.put(static_cast<char>(byte & 0xFF)); };
    const auto put16 = [&put](int value) {
        put(value);
        put(value >> 8);
    };
    out.write("GIF89a", 6);
    put16(gif.width);
    put16(gif.height);
    put(0x81);  // a global table of four colours follows
    put(0);
    put(0);
    for (const std::uint32_t colour : gif.colours) {
        put(static_cast<int>(colour >> 16));
        put(static_cast<int>(colour >> 8));
        put(static_cast<int>(colour));
    }
    if (gif.transparent >= 0) {
        // Graphic control extension: no delay, the transparent index.
        for (const int byte : {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00}) {
            put(byte);
        }
        put(gif.transparent);
        put(0);
    }
    put(0x2C);  // image descriptor
    put16(gif.left);
    put16(gif.top);
    put16(gif.imageWidth);
    put16(gif.imageHeight);
    put(0);
    put(2);  // LZW minimum code size
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        put(static_cast<int>(length));
        out.write(reinterpret_cast<const char*>(data.data() + at),
                  static_cast<std::streamsize>(length));
    }
    put(0);
    put(0x3B);
}

// Writes a valid GIF89a picture: a canvas of the given size whose image, every pixel
// of colour 0, covers `imageWidth` by `imageHeight` pixels from the top left (by
// default the whole canvas).
inline void WriteGif(const std::filesystem::path& path, int width, int height, int imageWidth = 0,
                     int imageHeight = 0) {
    if (imageWidth == 0 || imageHeight == 0) {
        imageWidth = width;
        imageHeight = height;
    }
    IndexedGif gif;
    gif.width = width;
    gif.height = height;
    gif.colours = {0x336699, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
    gif.imageWidth = imageWidth;
    gif.imageHeight = imageHeight;
    gif.indexes.assign(static_cast<std::size_t>(imageWidth) * static_cast<std::size_t>(imageHeight),
                       0);
    WriteIndexedGif(path, gif);
}

// A temporary program folder with a skin folder; removed at the end of the test.
class ProgramFolder {
  public:
    ProgramFolder()
        : root_(std::filesystem::temp_directory_path() /
                ("zelvo-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++))) {
        std::filesystem::create_directories(root_ / "skin");
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // Paths with "/", as the models write them on every system.
    std::string path() const { return root_.generic_string(); }
    std::filesystem::path SkinFolder(const std::string& name) const {
        return std::filesystem::path(path() + "/skin/" + name);
    }

    // A skin with all ten pictures at their usual sizes, separators `separatorWidth` wide.
    void WriteSkin(const std::string& name, int separatorWidth = 26) const {
        for (int slot = 1; slot <= 10; ++slot) {
            const bool separator = slot >= kSlotFirstSeparator && slot < kSlotRightEnd;
            const int width = slot == kSlotRightEnd ? 34 : separator ? separatorWidth : 26;
            WriteGif(SkinFile(name, slot), width, 33);
        }
    }
    std::filesystem::path SkinFile(const std::string& name, int slot) const {
        return std::filesystem::path(
            SkinFolder(name).string() + "/" +
            std::string(kSkinRoles.at(static_cast<std::size_t>(slot - 1))) + ".gif");
    }

  private:
    static inline int counter_ = 0;
    std::filesystem::path root_;
};

}  // namespace zelvo::fake
