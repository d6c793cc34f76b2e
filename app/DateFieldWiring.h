#pragma once

#include "datepicker/DateFieldServices.h"

namespace app {

class DateText;
class Platform;

// What every date field of the program runs on: the machine's today and
// beep, and the program's short-date text in both directions.
datepicker::DateFieldServices DateFieldServicesFor(Platform& platform, const DateText& dates);

}  // namespace app
