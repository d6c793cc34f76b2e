#pragma once

#include <stdexcept>

namespace lottery {

// A failure that the user must see, carrying the message to show.
class LotteryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace lottery
