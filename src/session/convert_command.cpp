#include "session/convert_command.h"

#include "conversion/text_replace.h"
#include "session/length_query.h"

namespace zelvo {

ConversionChoice ChoiceFor(const Command& command, ConversionChoice stored) {
    if (command.decimals) {
        stored.decimals = *command.decimals;
    }
    if (command.ppi) {
        stored.densityIndex = kDensityCustom;
        stored.customDensity = *command.ppi;
    }
    return stored;
}

CommandLineAnswer AnswerConvert(const Command& command, const ConversionChoice& stored) {
    const LengthAnswer answer = ConvertLength(command.expression, ChoiceFor(command, stored));
    if (!answer.ok()) {
        return {ReplaceAll(answer.message, "\r\n", "\n") + "\n", true, 1};
    }
    std::string lines;
    for (const LengthResult& result : answer.results) {
        lines += result.value + " " + result.unit + "\n";
    }
    return {lines, false, 0};
}

CommandLineAnswer AnswerConvert(const Command& command, TextFiles& files,
                                const std::string& settingsFile) {
    return AnswerConvert(command, StoredConversionChoice(files, settingsFile));
}

}  // namespace zelvo
