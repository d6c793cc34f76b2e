#include "Master/TierColours.h"

#include "lottery/PrizeTier.h"

#include <array>

namespace master {

QColor TierColour(char tierCode) {
    static const std::array<QColor, lottery::kTierCount> kColours = {
        QColor(110, 0, 0), QColor(170, 0, 0), QColor(225, 0, 0), QColor(255, 80, 80), QColor(255, 155, 155),
        QColor(205, 220, 238)};
    return kColours[static_cast<std::size_t>(lottery::TierIndex(tierCode))];
}

QColor MissingResultColour() {
    return QColor(128, 128, 128);
}

}  // namespace master
