#include "controls/text_box.h"

namespace zelvo {

int CharacterCount(const std::string& text) {
    int count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

}  // namespace zelvo
