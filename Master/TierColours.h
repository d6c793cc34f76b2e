#pragma once

#include <QColor>

namespace master {

// The colours the run of a ticket gives the prize tiers: the result sheet's
// red for balls drawn, deeper the better the prize; a pale blue for no
// prize, so that wins stand out; the result sheet's grey for a draw whose
// result is not there.
QColor TierColour(char tierCode);
QColor MissingResultColour();

}  // namespace master
