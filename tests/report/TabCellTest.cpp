#include "tests/report/RecordedReport.h"

using namespace report;
using namespace report::testing;

namespace {

constexpr int kAllLines = blLeft | blRight | blTop | blBottom;

class TabCells : public RecordedReport {
protected:
    // Two boxed half-inch cells, centred, at 1.0 and (following) 1.5 inch.
    void AddTwoBoxedCells(TReportEngine& report, int shade = 0) {
        report.AddTabStop(1.0, tjCenter, 0.5, 2, kAllLines, shade);
        report.AddTabStop(NoValue, tjCenter, 0.5, 2, kAllLines, shade);
    }

    std::vector<QString> TextsDrawn() const {
        std::vector<QString> texts;
        for (const Call& call : Calls(Kind::Text)) texts.push_back(call.text);
        return texts;
    }
};

TEST_F(TabCells, LeadingTabPutsTheFirstTextInTheFirstCell) {
    PrintOnePage([&](TReportEngine& report) {
        AddTwoBoxedCells(report);
        report.PrintTabbed(QStringLiteral("\tA\tB"));
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "A");
    EXPECT_EQ(texts[0].align, tjCenter);
    EXPECT_EQ(texts[0].from, QPoint(600, 530));  // centre of 1.0..1.5
    EXPECT_EQ(texts[1].text, "B");
    EXPECT_EQ(texts[1].from, QPoint(900, 530));
    EXPECT_EQ(Calls(Kind::Line).size(), 8u);
}

TEST_F(TabCells, TrailingTabDrawsAnEmptyCell) {
    PrintOnePage([&](TReportEngine& report) {
        AddTwoBoxedCells(report);
        report.PrintTabbed(QStringLiteral("\tA\t"));
    });
    EXPECT_EQ(TextsDrawn(), std::vector<QString>{"A"});
    const auto lines = Calls(Kind::Line);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[4].from, QPoint(750, 550));  // left edge of the second cell
}

TEST_F(TabCells, SurplusPiecesFollowTheCursorLeftAligned) {
    PrintOnePage([&](TReportEngine& report) {
        AddTwoBoxedCells(report);
        report.PrintTabbed(QStringLiteral("\tA\tB\tC"));
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    // B is 50 pixels wide, centred on 900: the cursor moves on by 51 / 2.
    EXPECT_EQ(texts[2].text, "C");
    EXPECT_EQ(texts[2].align, tjLeft);
    EXPECT_EQ(texts[2].from, QPoint(925, 530));
    EXPECT_EQ(Calls(Kind::Line).size(), 8u);
}

TEST_F(TabCells, TextBeforeTheFirstTabGoesToTheCursor) {
    PrintOnePage([&](TReportEngine& report) {
        AddTwoBoxedCells(report);
        report.PrintTabbed(QStringLiteral("X\tA"));
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].from, QPoint(150, 530));  // the section's left, 0.5 inch
    EXPECT_EQ(texts[1].from, QPoint(600, 530));
}

TEST_F(TabCells, ZeroWidthStopOnlyPositions) {
    PrintOnePage([&](TReportEngine& report) {
        report.SetTabShade(50);
        report.AddTabStop(2.0, tjCenter, 0, 2, kAllLines, 50);
        report.AddTabStop(3.0, tjRight, 0, 10, kAllLines, 50);
        report.AddTabStop(4.0, tjLeft, 0, 10, kAllLines, 50);
        report.PrintTabbed(QStringLiteral("\tmid\tend\tstart"));
    });
    EXPECT_TRUE(Calls(Kind::Line).empty());
    EXPECT_TRUE(Calls(Kind::Fill).empty());
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].align, tjCenter);
    EXPECT_EQ(texts[0].from.x(), 1050);
    EXPECT_EQ(texts[1].align, tjRight);
    EXPECT_EQ(texts[1].from.x(), 1650);  // no margin without a cell
    EXPECT_EQ(texts[2].from.x(), 2250);
}

TEST_F(TabCells, CellMarginsPlaceLeftAndRightText) {
    PrintOnePage([&](TReportEngine& report) {
        report.AddTabStop(1.0, tjLeft, 1.0, 5, 0, 0);
        report.AddTabStop(NoValue, tjRight, 1.0, 10, 0, 0);
        report.PrintTabbed(QStringLiteral("\tleft\tright"));
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].from.x(), 480);   // 1.0 + 0.05
    EXPECT_EQ(texts[1].from.x(), 1590);  // 3.0 - 0.1
    EXPECT_TRUE(Calls(Kind::Line).empty());
}

TEST_F(TabCells, StopsFollowFromTheLeftMarginAndTakeMarginsInHundredths) {
    engine_.SetUnits(unMM);
    engine_.SetMarginLeft(12.7);
    PrintOnePage([](TReportEngine& report) {
        report.AddTabStop(NoValue, tjLeft, 25.4, 5, kAllLines, 10);
        report.AddTabStop(NoValue, tjCenter, 0, 5, kAllLines, 10);
        report.AddTabStop(-1, tjCenter, 12.7, 5, blTop, 0);
    });
    const auto& stops = engine_.TabStops();
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_DOUBLE_EQ(stops[0].Pos, 0.5);
    EXPECT_DOUBLE_EQ(stops[0].Width, 1.0);
    EXPECT_DOUBLE_EQ(stops[0].Margin, 0.05);
    EXPECT_TRUE(stops[0].LineLeft && stops[0].LineBottom);
    EXPECT_EQ(stops[0].Shade, 10);
    EXPECT_DOUBLE_EQ(stops[1].Pos, 1.5);
    EXPECT_EQ(stops[1].Margin, 0);
    EXPECT_EQ(stops[1].Shade, 0);
    EXPECT_FALSE(stops[1].LineLeft);
    EXPECT_DOUBLE_EQ(stops[2].Pos, 1.5);
    EXPECT_TRUE(stops[2].LineTop);
    EXPECT_FALSE(stops[2].LineBottom);
}

TEST_F(TabCells, ShadeTenPaintsLightGreyOverTheBandEnlargedByAPixel) {
    PrintOnePage([&](TReportEngine& report) {
        report.AddTabStop(1.0, tjCenter, 0.5, 2, 0, 10);
        report.PrintTabbed(QStringLiteral("\tA"));
    });
    const auto fills = Calls(Kind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, QColor(230, 230, 230));
    EXPECT_EQ(fills[0].rect, QRect(QPoint(449, 449), QPoint(751, 551)));
    // The shade goes under the text, which is drawn last before the end.
    const auto& calls = surface_->Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].kind, Kind::Text);
}

struct ShadeCase {
    int stopShade;
    int tabShade;
    int shadeOverride;
    int expectedGrey;  // -1: nothing painted
};

void PrintTo(const ShadeCase& shade, std::ostream* out) {
    *out << "stop " << shade.stopShade << ", TabShade " << shade.tabShade << ", override " << shade.shadeOverride;
}

class CellShade : public TabCells, public ::testing::WithParamInterface<ShadeCase> {};

TEST_P(CellShade, PaintsTheGreyOfTheChosenShade) {
    const ShadeCase shade = GetParam();
    engine_.SetTabShade(shade.tabShade);
    PrintOnePage([&](TReportEngine& report) {
        report.AddTabStop(1.0, tjCenter, 0.5, 0, 0, shade.stopShade);
        report.NextTabCell(NoValue, NoValue, shade.shadeOverride);
    });
    const auto fills = Calls(Kind::Fill);
    if (shade.expectedGrey < 0) {
        EXPECT_TRUE(fills.empty());
        return;
    }
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, QColor(shade.expectedGrey, shade.expectedGrey, shade.expectedGrey));
}

INSTANTIATE_TEST_SUITE_P(
    TabCells, CellShade,
    ::testing::Values(ShadeCase{100, 0, NoValue, 0},      // black
                      ShadeCase{0, 10, NoValue, 230},     // TabShade stands in
                      ShadeCase{0, 150, NoValue, 0},      // TabShade clamped to 100
                      ShadeCase{0, -5, NoValue, -1},      // TabShade clamped to 0
                      ShadeCase{0, 0, NoValue, -1},       // no shade at all
                      ShadeCase{25, 10, NoValue, 192},    // the cell's own shade wins
                      ShadeCase{10, 0, 50, 128},          // the override wins
                      ShadeCase{10, 20, 0, -1},           // an override of 0 paints nothing
                      ShadeCase{0, 0, 300, 0}));          // an override beyond 100 is black

TEST_F(TabCells, BoxLinesRunAlongTheLineBand) {
    PrintOnePage([&](TReportEngine& report) {
        report.AddTabStop(1.0, tjCenter, 0.5, 2, kAllLines, 0);
        report.NextTabCell();
    });
    const auto lines = Calls(Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].from, QPoint(450, 550));  // left, upwards
    EXPECT_EQ(lines[0].to, QPoint(450, 450));
    EXPECT_EQ(lines[1].from, QPoint(750, 550));  // right
    EXPECT_EQ(lines[1].to, QPoint(750, 450));
    EXPECT_EQ(lines[2].from, QPoint(450, 450));  // top
    EXPECT_EQ(lines[2].to, QPoint(750, 450));
    EXPECT_EQ(lines[3].from, QPoint(450, 550));  // bottom
    EXPECT_EQ(lines[3].to, QPoint(750, 550));
    for (const Call& line : lines) EXPECT_EQ(line.value, 1);
}

TEST_F(TabCells, LineOverridesChooseTheEdgesAndTheirPens) {
    PrintOnePage([&](TReportEngine& report) {
        report.AddTabStop(1.0, tjCenter, 0.5, 2, blLeft | blBottom, 0);
        // left: none; right: 3 pixels although the stop has none; bottom: 2/100
        // inch; top: the stop has none.
        report.NextTabCell(0, 3, NoValue, -2, NoValue);
    });
    const auto lines = Calls(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, QPoint(750, 550));
    EXPECT_EQ(lines[0].value, 3);
    EXPECT_EQ(lines[1].to, QPoint(750, 550));
    EXPECT_EQ(lines[1].value, 12);
}

TEST_F(TabCells, ANewLineStartsAgainAtTheFirstCell) {
    PrintOnePage([&](TReportEngine& report) {
        AddTwoBoxedCells(report);
        report.PrintTabbedLine(QStringLiteral("\tA\tB"));
        report.PrintTabbed(QStringLiteral("\tC"));
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2].from, QPoint(600, 630));  // one sixth inch lower
}

TEST_F(TabCells, ClearedStopsLeaveTextAtTheCursor) {
    PrintOnePage([&](TReportEngine& report) {
        AddTwoBoxedCells(report);
        report.ClearTabStops();
        report.PrintTabbed(QStringLiteral("\tA"));
    });
    EXPECT_TRUE(Calls(Kind::Line).empty());
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].from, QPoint(150, 530));
}

}  // namespace
