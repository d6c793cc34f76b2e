#include "app/ProgramLottery.h"

#include "app/DataFileWriter.h"
#include "app/DateText.h"
#include "app/Platform.h"

namespace app {

lottery::LotteryState ProgramLottery(const DataFilePaths& paths, Platform& platform) {
    lottery::LotteryState lottery(paths.ticketFilePath.toStdString(), paths.historyFilePath.toStdString(),
                                  [&platform] { return DateText::FromQDate(platform.Today()); }, WriteDataFile);
    lottery.ReadUnsavedFilesFrom(paths.formerTicketFilePath.toStdString(), paths.formerHistoryFilePath.toStdString());
    return lottery;
}

}  // namespace app
