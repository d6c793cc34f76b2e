#pragma once

#include "lottery/CivilDate.h"

#include <QString>

namespace app {
class DateText;
}

namespace addlinedlg {

// The two lines under the ticket facsimile's boards. Weeks above 8 mean an
// unlimited ticket; draw days are 0 both, 1 Wednesday, 2 Saturday.
// "Wed 05 Feb 97 thru Sat 15 Feb 97", "Wed 05 Feb 97 Only", "Starting Wed 05 Feb 97 ".
QString DateLine(const app::DateText& dates, lottery::DayNumber start, int drawDays, int weeks);
// "For 04 Draws 02 Wed and 02 Sat", "For 01 Wednesday Draw", "For Unlimited Weeks".
QString DrawLine(int drawDays, int weeks);

}  // namespace addlinedlg
