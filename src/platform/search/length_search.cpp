#include "platform/search/length_search.h"

#include <utility>

namespace zelvo {

LengthSearch::LengthSearch(Hooks hooks, std::chrono::milliseconds idleAfter)
    : hooks_(std::move(hooks)), choice_(hooks_.choice()) {
    idle_.setSingleShot(true);
    idle_.setInterval(idleAfter);
    connect(&idle_, &QTimer::timeout, this, &LengthSearch::Idle);
    idle_.start();
}

void LengthSearch::KeepAlive() {
    idle_.start();
}

std::vector<SearchResult> LengthSearch::Search(const std::string& term) {
    KeepAlive();
    choice_ = hooks_.choice();
    return SearchResultsFor(term, choice_);
}

std::optional<SearchResult> LengthSearch::Result(const std::string& id) {
    KeepAlive();
    return SearchResultOf(id, choice_);
}

void LengthSearch::Activate(const std::string& id) {
    if (const auto result = Result(id)) {
        hooks_.copy(*result);
    }
}

void LengthSearch::Open(const std::string& term) {
    KeepAlive();
    hooks_.open(term);
}

}  // namespace zelvo
