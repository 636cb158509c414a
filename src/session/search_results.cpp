#include "session/search_results.h"

#include "session/length_query.h"

namespace zelvo {
namespace {

// An id is the unit box's digit, a colon, and the term.
constexpr char kIdSeparator = ':';

SearchResult ResultFor(const std::string& term, const LengthResult& result) {
    return {std::to_string(result.box) + kIdSeparator + term, result.value + ' ' + result.unit,
            term, result.value};
}

}  // namespace

std::string JoinedTerms(const std::vector<std::string>& words) {
    std::string term;
    for (const std::string& word : words) {
        if (!term.empty()) {
            term += ' ';
        }
        term += word;
    }
    return term;
}

std::vector<SearchResult> SearchResultsFor(std::string_view term, const ConversionChoice& choice) {
    std::vector<SearchResult> results;
    if (!ReadsAsLength(term)) {
        return results;
    }
    const LengthAnswer answer = ConvertLength(term, choice);
    if (!answer.ok()) {
        return results;
    }
    const std::string typed(term);
    for (const LengthResult& result : answer.results) {
        if (result.box != answer.typedBox) {
            results.push_back(ResultFor(typed, result));
        }
    }
    return results;
}

std::optional<SearchResult> SearchResultOf(std::string_view id, const ConversionChoice& choice) {
    if (id.size() < 3 || id[0] < '1' || id[0] > '6' || id[1] != kIdSeparator) {
        return std::nullopt;
    }
    const int box = id[0] - '0';
    const std::string_view term = id.substr(2);
    if (!ReadsAsLength(term)) {
        return std::nullopt;
    }
    const LengthAnswer answer = ConvertLength(term, choice);
    for (const LengthResult& result : answer.results) {
        if (result.box == box) {
            return ResultFor(std::string(term), result);
        }
    }
    return std::nullopt;
}

std::string CopiedTitle(const SearchResult& result) {
    return result.value + " をコピーしました";
}

std::string CopiedLine(const SearchResult& result) {
    return result.description + " = " + result.name;
}

}  // namespace zelvo
