#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/conversion_choice.h"

namespace zelvo {

// One result a desktop search shows for a length: the value in one unit.
struct SearchResult {
    std::string id;           // names the unit and the term, so it outlives the search
    std::string name;         // "72.02 pt"
    std::string description;  // the term as typed: "25.4mm"
    std::string value;        // what activating the result copies: "72.02"
};

// The words a search gave, as one term: GNOME Shell hands over "1 inch" as two words.
std::string JoinedTerms(const std::vector<std::string>& words);

// The results of a term that reads as a length: one for each unit other than the one
// typed (all six for a bare number or an expression), in the bar's order. None for a
// term that does not read as a length or that the conversion refuses.
std::vector<SearchResult> SearchResultsFor(std::string_view term, const ConversionChoice& choice);

// The result an id names, converted anew; none for an id no search made.
std::optional<SearchResult> SearchResultOf(std::string_view id, const ConversionChoice& choice);

// The notification after a result was copied: "72.02 をコピーしました", and the
// conversion it came from, "25.4mm = 72.02 pt".
std::string CopiedTitle(const SearchResult& result);
std::string CopiedLine(const SearchResult& result);

}  // namespace zelvo
