// A search term or a --convert expression of any bytes: no crash; the answer is six
// results or one of the conversion's notices; a term that reads as a length never
// meets the notice of a malformed expression, at 96 ppi and at 72.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "conversion/notices.h"
#include "session/length_query.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const bool length = zelvo::ReadsAsLength(text);
    for (const int density : {zelvo::kDensity96, zelvo::kDensity72}) {
        const zelvo::LengthAnswer answer = zelvo::ConvertLength(text, {2, density, "0000"});
        if (answer.ok() != (answer.results.size() == 6)) {
            std::abort();
        }
        const std::string_view message = answer.message;
        if (!answer.ok() && message != zelvo::notice::kEnterNumber &&
            message != zelvo::notice::kMalformedExpression &&
            message != zelvo::notice::kUnknownError) {
            std::abort();
        }
        if (length && (message == zelvo::notice::kMalformedExpression ||
                       message == zelvo::notice::kEnterNumber)) {
            std::abort();
        }
        if (answer.typedBox != 0 && !length) {
            std::abort();
        }
    }
    return 0;
}
