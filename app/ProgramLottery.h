#pragma once

#include "app/DataFilePaths.h"
#include "lottery/LotteryState.h"

namespace app {

class Platform;

// The run's lottery data over the program's data files, as the window and
// the command line both open them: today from the platform, saves written
// whole through WriteDataFile, and a file not yet saved per user read from
// where it stood before. Nothing is loaded yet.
lottery::LotteryState ProgramLottery(const DataFilePaths& paths, Platform& platform);

}  // namespace app
