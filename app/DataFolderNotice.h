#pragma once

#include "app/DataFilePaths.h"

class QWidget;

namespace app {

class Platform;

// Says once where the data files are now kept, when an installed program
// starts keeping them per user: the files the user knew beside the program
// are read but no longer written there, and from the first save on the
// data lives in the per-user folder.
class DataFolderNotice {
public:
    // Due when a former file is there and no file has been kept per user yet.
    explicit DataFolderNotice(const DataFilePaths& paths);

    // After a save: when it was the first to reach the per-user folder, a
    // "Warning" names that folder. Nothing more after that.
    void AfterSave(Platform& platform, QWidget* parent);
    // The program is being ended: nothing is to hold it up.
    void Drop() { due_ = false; }

private:
    DataFilePaths paths_;
    bool due_;
};

}  // namespace app
