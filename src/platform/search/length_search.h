#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "conversion/conversion_choice.h"
#include "session/search_results.h"

namespace zelvo {

// The length search that the desktops' searches reach over D-Bus (GNOME Shell's
// search provider and KRunner's runner are two faces of it): it answers a term with
// its results, copies a result's value, opens the bar on a term, and says when it
// has been idle a while.
class LengthSearch : public QObject {
    Q_OBJECT

  public:
    struct Hooks {
        // The user's decimals and density, read anew for each search.
        std::function<ConversionChoice()> choice;
        // Puts a result's value on the clipboard and says so.
        std::function<void(const SearchResult&)> copy;
        // Opens the bar with the term entered and converted.
        std::function<void(const std::string& term)> open;
    };

    LengthSearch(Hooks hooks, std::chrono::milliseconds idleAfter);

    std::vector<SearchResult> Search(const std::string& term);
    std::optional<SearchResult> Result(const std::string& id);
    void Activate(const std::string& id);
    void Open(const std::string& term);
    // Starts the idle time anew.
    void KeepAlive();

  signals:
    // Nothing was asked for the idle time.
    void Idle();

  private:
    Hooks hooks_;
    QTimer idle_;
    // The choice of the search under way: results and their metas agree.
    ConversionChoice choice_;
};

}  // namespace zelvo
