#pragma once

#include <array>
#include <string>

#include "conversion/unit_table.h"

namespace zelvo {

class form1;

// Decides when a view tells a screen reader what a conversion produced: when the
// boxes other than the focused one were filled with new results since the view last
// showed them. Typing into the focused box alone announces nothing.
class ResultsAnnouncer {
  public:
    // Called each time the view shows the bar's boxes, `focusedBox` the box with the
    // keyboard focus (-1 for none). The line to read out, or empty for nothing new.
    std::string Next(const form1& bar, int focusedBox);

  private:
    std::array<std::string, kUnitBoxCount> shown_{};
};

}  // namespace zelvo
