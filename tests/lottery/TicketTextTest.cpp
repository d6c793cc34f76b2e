#include "lottery/TicketText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using lottery::TicketText;

namespace {

// Texts either side of the room kept inside the ticket and of the longest
// text a file can hold.
std::string Text(std::size_t length) {
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>('a' + i % 26));
    return text;
}

TicketText Holding(const std::string& text) {
    TicketText held;
    held.Assign(text);
    return held;
}

}  // namespace

TEST(TicketText, KeepsEveryLengthUpToTheLimitAndCutsLongerText) {
    for (std::size_t length : {0u, 1u, 29u, 30u, 31u, 32u, 254u, 255u}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(Holding(Text(length)).View(), Text(length));
    }
    EXPECT_EQ(Holding(Text(256)).View(), Text(255));
    EXPECT_EQ(Holding(Text(1000)).View(), Text(255));
}

TEST(TicketText, ShortAndLongTextsReplaceEachOther) {
    TicketText text = Holding(Text(200));
    text.Assign("short");
    EXPECT_EQ(text.View(), "short");
    text.Assign(Text(40));
    EXPECT_EQ(text.View(), Text(40));
    text.Assign(Text(100));
    EXPECT_EQ(text.View(), Text(100));
    text.Assign("");
    EXPECT_EQ(text.View(), "");
}

// Editing a description down to a part of itself hands it its own bytes.
TEST(TicketText, APartOfItsOwnTextCanBeAssigned) {
    TicketText longer = Holding(Text(100));
    longer.Assign(longer.View().substr(50));
    EXPECT_EQ(longer.View(), Text(100).substr(50));
    longer.Assign(longer.View().substr(30));
    EXPECT_EQ(longer.View(), Text(100).substr(80));
    TicketText shorter = Holding(Text(20));
    shorter.Assign(shorter.View().substr(5));
    EXPECT_EQ(shorter.View(), Text(20).substr(5));
}

TEST(TicketText, CopiesAreApartAndMovesLeaveNothingBehind) {
    for (std::size_t length : {10u, 100u}) {
        SCOPED_TRACE(length);
        TicketText original = Holding(Text(length));
        TicketText copy = original;
        original.Assign("changed");
        EXPECT_EQ(copy.View(), Text(length));

        TicketText assigned;
        assigned = copy;
        EXPECT_EQ(assigned, copy);

        TicketText moved = std::move(copy);
        EXPECT_EQ(moved.View(), Text(length));
        EXPECT_EQ(copy.View(), "");  // NOLINT(bugprone-use-after-move): moved-from texts are empty
        TicketText target = Holding(Text(50));
        target = std::move(moved);
        EXPECT_EQ(target.View(), Text(length));
        EXPECT_EQ(moved.View(), "");  // NOLINT(bugprone-use-after-move)
    }
}
