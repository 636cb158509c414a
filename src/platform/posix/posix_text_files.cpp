#include "platform/posix/posix_text_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/posix/atomic_file.h"
#include "platform/posix/code_page_932.h"

namespace zelvo {

std::optional<std::string> PosixTextFiles::ReadText(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) ||
        std::filesystem::file_size(path, error) > static_cast<std::uintmax_t>(kMaxReadBytes) ||
        error) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return DecodeCodePage932(bytes);
}

bool PosixTextFiles::WriteText(const std::string& path, std::string_view text) {
    return WriteFileAtomically(path, EncodeCodePage932(text));
}

std::string PosixTextFiles::Unwritable(std::string_view text) const {
    return UnencodableCharacters(text);
}

}  // namespace zelvo
