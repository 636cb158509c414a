#pragma once

#include <string>
#include <string_view>

#include "conversion/conversion_choice.h"
#include "platform/text_files.h"

namespace zelvo {

// The decimals and the pixel density that the bar would start with after reading
// this setting.ini text: read as LoadSettings reads it, stopping where a malformed
// value stops it and keeping what came before; what the text does not give keeps its
// initial value.
ConversionChoice ConversionChoiceFromSettings(std::string_view text);

// The same from the settings file at `path`; the initial choice when it is missing or
// cannot be read. The file is only read.
ConversionChoice StoredConversionChoice(TextFiles& files, const std::string& path);

}  // namespace zelvo
