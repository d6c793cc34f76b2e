// Inputs the loaders' fuzzers found faults with, kept so the faults stay mended.
#include "tests/lottery/LotteryTestSupport.h"

using namespace lottery;
using namespace lottery::test;

namespace {

class FuzzFindingsTest : public DataFileTest {};

}  // namespace

// A damaged ticket file whose board B starts with -1 (FF FF): the Main page's
// count of lines counted it while no list showed it.
TEST_F(FuzzFindingsTest, NegativeFirstNumberIsNoBoardInUse) {
    WriteBytes(TicketPath(), Hex("01 00 01 00 01 00 02 00 03 00 04 00 05 00 06 00 FF FF 07 00 ") +
                                 std::string(104, '\0') + Hex("00 00 00 00 00 00 40 51 E1 40 01 00 00 00 "));
    LotteryState state = State();
    state.LoadTickets();
    ASSERT_EQ(state.TicketCount(), 1);
    EXPECT_EQ(state.TicketList().At(0).Number(2, 1), -1);
    EXPECT_EQ(state.FillTicketRows().size(), 1u);
    EXPECT_EQ(state.TicketList().At(0).CountBoards(), 1);
    EXPECT_EQ(state.CountTickets().boards, 1);
}
