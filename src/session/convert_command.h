#pragma once

#include <string>

#include "conversion/conversion_choice.h"
#include "platform/text_files.h"
#include "session/command_line.h"

namespace zelvo {

// The choice a --convert command converts with: the stored one, with the decimals
// of --decimals and the density of --ppi where they are given.
ConversionChoice ChoiceFor(const Command& command, ConversionChoice stored);

// The answer to --convert, converting with ChoiceFor(command, stored): six lines
// "VALUE UNIT" (mm, Q, pt, in, px, twip) on standard output, status 0; or the notice
// the bar would show, its lines ended by "\n", on standard error, status 1.
CommandLineAnswer AnswerConvert(const Command& command, const ConversionChoice& stored);

// The same with the choice stored in the settings file at `settingsFile`, which is
// only read.
CommandLineAnswer AnswerConvert(const Command& command, TextFiles& files,
                                const std::string& settingsFile);

}  // namespace zelvo
