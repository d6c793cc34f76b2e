#pragma once

#include "lottery/LotteryError.h"

#include <string>

namespace lottery {

// A data file's reading put off until its contents are first used, and the
// one check that first use makes: a file that was there when the reading was
// put off and cannot be opened by then is reported, never taken for an empty
// list that the next save would write over it.
class FirstUseRead {
public:
    // fileThere: whether the file could be opened as the reading was put off.
    void PutOff(bool fileThere) {
        pending_ = true;
        fileThere_ = fileThere;
    }
    // The list is read or replaced now, whatever the file held.
    void Drop() { pending_ = false; }
    bool Pending() const { return pending_; }
    // Called as the file is read, with whether it opened.
    void Reading(bool opened, const std::string& path) {
        if (pending_ && fileThere_ && !opened) throw LotteryError("Cannot open file " + path);
        pending_ = false;
    }

private:
    bool pending_ = false;
    bool fileThere_ = false;
};

}  // namespace lottery
