#pragma once

#include "session/search_results.h"

namespace zelvo {

// Puts a result's value on the clipboard and says so in a desktop notification, which
// a desktop without a notification service simply leaves out.
void CopyResult(const SearchResult& result);

}  // namespace zelvo
