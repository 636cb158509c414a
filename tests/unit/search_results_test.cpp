#include "session/search_results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvo {
namespace {

std::vector<std::string> Names(const std::vector<SearchResult>& results) {
    std::vector<std::string> names;
    for (const SearchResult& result : results) {
        names.push_back(result.name);
    }
    return names;
}

// A number with a unit gives the other five units, in the bar's order; each result
// carries the term as typed, and its value alone is what gets copied.
TEST(SearchResultsTest, ALengthGivesTheOtherUnits) {
    const ConversionChoice choice;
    const auto results = SearchResultsFor("25.4mm", choice);
    EXPECT_EQ(Names(results), (std::vector<std::string>{"101.60 Q", "72.02 pt", "1.00 in",
                                                        "96.00 px", "1440.18 twip"}));
    ASSERT_EQ(results.size(), 5U);
    EXPECT_EQ(results[1].id, "3:25.4mm");
    EXPECT_EQ(results[1].description, "25.4mm");
    EXPECT_EQ(results[1].value, "72.02");

    // GNOME Shell splits "1 inch" into two words.
    EXPECT_EQ(
        Names(SearchResultsFor(JoinedTerms({"1", "inch"}), choice)),
        (std::vector<std::string>{"25.40 mm", "101.60 Q", "72.02 pt", "96.00 px", "1440.18 twip"}));
}

// An expression of several units has no one unit typed: all six come.
TEST(SearchResultsTest, AnExpressionGivesAllSix) {
    EXPECT_EQ(Names(SearchResultsFor("10+5q", ConversionChoice{})),
              (std::vector<std::string>{"11.25 mm", "45.00 Q", "31.90 pt", "0.44 in", "42.52 px",
                                        "637.88 twip"}));
}

// The user's decimals and density carry into the results.
TEST(SearchResultsTest, TheStoredChoiceIsUsed) {
    const ConversionChoice threeAt72{3, kDensity72, "0000"};
    const auto results = SearchResultsFor("72px", threeAt72);
    ASSERT_FALSE(results.empty());
    EXPECT_EQ(results[0].name, "25.400 mm");
    const ConversionChoice custom{1, kDensityCustom, "300"};
    EXPECT_EQ(SearchResultsFor("1in", custom).back().name, "1440.2 twip");
    EXPECT_EQ(SearchResultsFor("1in", custom)[3].name, "300.0 px");
}

// What is no length gives nothing, nor does a length the conversion refuses: the
// overview is never littered with messages.
TEST(SearchResultsTest, NoResultsForTermsThatAreNoLengths) {
    for (const char* term : {"", "hello", "42", "2026-12-09", "1.2.3", "12:30", "mm", "1/0mm"}) {
        EXPECT_TRUE(SearchResultsFor(term, ConversionChoice{}).empty()) << term;
    }
}

// An id names its result for as long as it is asked about, and nothing else.
TEST(SearchResultsTest, AnIdNamesItsResultAgain) {
    const ConversionChoice choice;
    for (const SearchResult& result : SearchResultsFor("12q", choice)) {
        const auto again = SearchResultOf(result.id, choice);
        ASSERT_TRUE(again.has_value()) << result.id;
        EXPECT_EQ(again->name, result.name);
        EXPECT_EQ(again->value, result.value);
    }
    EXPECT_EQ(SearchResultOf("1:12q", choice)->name, "3.00 mm");
    for (const char* id : {"", "1:", "0:12q", "7:12q", "1-12q", "12q", "1:hello", "1:1/0mm"}) {
        EXPECT_FALSE(SearchResultOf(id, choice).has_value()) << id;
    }
}

TEST(SearchResultsTest, TheCopyIsToldInTheUsersWords) {
    const SearchResult result{"3:25.4mm", "72.02 pt", "25.4mm", "72.02"};
    EXPECT_EQ(CopiedTitle(result), "72.02 をコピーしました");
    EXPECT_EQ(CopiedLine(result), "25.4mm = 72.02 pt");
}

}  // namespace
}  // namespace zelvo
