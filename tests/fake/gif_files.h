#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bar/skin_roles.h"

namespace zelvo::fake {

// Writes a valid GIF89a picture: a canvas of the given size whose image, every pixel
// of colour 0, covers `imageWidth` by `imageHeight` pixels from the top left (by
// default the whole canvas). The pixel data is LZW-coded at a constant 3-bit code
// width: a clear code before every pair of pixels keeps the code table from growing.
inline void WriteGif(const std::filesystem::path& path, int width, int height, int imageWidth = 0,
                     int imageHeight = 0) {
    if (imageWidth == 0 || imageHeight == 0) {
        imageWidth = width;
        imageHeight = height;
    }
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
    const long pixels = static_cast<long>(imageWidth) * imageHeight;
    for (long i = 0; i < pixels; ++i) {
        if (i % 2 == 0) {
            putCode(kClear);
        }
        putCode(0);
    }
    putCode(kEnd);
    if (bitCount > 0) {
        data.push_back(static_cast<unsigned char>(bits & 0xFF));
    }

    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    const auto put16 = [&out](int v) {
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>((v >> 8) & 0xFF));
    };
    out.write("GIF89a", 6);
    put16(width);
    put16(height);
    out.write("\x80\x00\x00", 3);              // 2-colour global table follows
    out.write("\x33\x66\x99\xFF\xFF\xFF", 6);  // the two colours
    out.put('\x2C');                           // image descriptor
    put16(0);
    put16(0);
    put16(imageWidth);
    put16(imageHeight);
    out.put('\x00');
    out.put('\x02');  // LZW minimum code size
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out.put(static_cast<char>(length));
        out.write(reinterpret_cast<const char*>(data.data() + at),
                  static_cast<std::streamsize>(length));
    }
    out.put('\x00');
    out.put('\x3B');
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
