#include "tests/report/RecordedReport.h"

using namespace report;
using namespace report::testing;

namespace {

constexpr double kSixth = 1.0 / 6;
constexpr double kDescent = 20.0 / 600;  // Arial 12 on the recording surface

class LineLayout : public RecordedReport {};

TEST_F(LineLayout, HomeIsOneLineBelowTheSectionTopLessTheDescent) {
    PrintOnePage([](TReportEngine& report) {
        EXPECT_DOUBLE_EQ(report.BaselineY(), 1 + kSixth - kDescent);
        EXPECT_DOUBLE_EQ(report.CursorX(), 0.5);
        EXPECT_EQ(report.LineNumber(), 1);
    });
}

TEST_F(LineLayout, LinesPerInchFixesTheLineHeightWhateverTheFont) {
    std::vector<double> baselines;
    PrintOnePage([&](TReportEngine& report) {
        for (int size : {6, 24, 72}) {
            report.SelectFont(QStringLiteral("Times New Roman"), size, 0);
            const double before = report.BaselineY();
            report.StartNewLine();
            baselines.push_back(report.BaselineY() - before);
        }
        report.SetLinesPerInch(8);
        const double before = report.BaselineY();
        report.StartNewLine();
        baselines.push_back(report.BaselineY() - before);
        report.SetLinesPerInch(0);  // ignored
        EXPECT_EQ(report.LinesPerInch(), 8);
    });
    ASSERT_EQ(baselines.size(), 4u);
    EXPECT_NEAR(baselines[0], kSixth, 1e-12);
    EXPECT_NEAR(baselines[1], kSixth, 1e-12);
    EXPECT_NEAR(baselines[2], kSixth, 1e-12);
    EXPECT_NEAR(baselines[3], 0.125, 1e-12);
}

TEST_F(LineLayout, FontLineHeightIsTheSizeOverSixtyFromTheNextLine) {
    engine_.LineHeightMethod = lhmFont;
    PrintOnePage([](TReportEngine& report) {
        // Arial 12 was chosen before home: one line is 0.2 inch.
        EXPECT_DOUBLE_EQ(report.BaselineY(), 1 + 0.2 - kDescent);
        report.SelectFont(QStringLiteral("Arial"), 24, 0);
        EXPECT_DOUBLE_EQ(report.LineHeight(), 0.2);  // not before the next line
        report.StartNewLine();
        EXPECT_DOUBLE_EQ(report.LineHeight(), 0.4);
        EXPECT_DOUBLE_EQ(report.Descent(), 40.0 / 600);
    });
}

TEST_F(LineLayout, LinesRemainingCountsTheCurrentLineAndNeverTurnsThePage) {
    std::vector<int> remaining;
    PrintOnePage([&](TReportEngine& report) {
        // The section runs from 1 to 10 inches: 54 lines of 1/6 inch.
        remaining.push_back(report.LinesRemaining());
        for (int line = 1; line < 54; ++line) report.StartNewLine();
        remaining.push_back(report.LinesRemaining());
        report.StartNewLine();
        remaining.push_back(report.LinesRemaining());
        EXPECT_EQ(report.CurrentPage(), 1);
        EXPECT_EQ(report.LineNumber(), 55);
    });
    EXPECT_EQ(remaining, (std::vector<int>{54, 1, 0}));
    EXPECT_TRUE(Calls(Kind::NewSheet).empty());
}

TEST_F(LineLayout, FooterTextSitsOnTheSectionsLastLine) {
    PrintOnePage([](TReportEngine& report) {
        report.FooterText(QStringLiteral("Page 1"), tjRight);
        EXPECT_DOUBLE_EQ(report.BaselineY(), 10 - kDescent);
        report.FooterText(QStringLiteral("middle"), tjCenter);
        report.FooterText(QStringLiteral("left"), tjLeft);
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].align, tjRight);
    EXPECT_EQ(texts[0].from, QPoint(4650, 5830));  // ends at 8.0 inches
    EXPECT_EQ(texts[1].align, tjCenter);
    EXPECT_EQ(texts[1].from.x(), 2400);  // the middle of 0.5..8.0
    EXPECT_EQ(texts[2].align, tjLeft);
    EXPECT_EQ(texts[2].from.x(), 150);
}

TEST_F(LineLayout, TextMovesTheCursorByItsWidth) {
    std::vector<double> cursors;
    PrintOnePage([&](TReportEngine& report) {
        report.TextLeft(QStringLiteral("abc"), 1.0);  // 150 pixels
        cursors.push_back(report.CursorX());
        report.TextCentered(QStringLiteral("abc"), 2.0);  // half of 151, truncated
        cursors.push_back(report.CursorX());
        report.TextRight(QStringLiteral("abc"), 3.0);
        cursors.push_back(report.CursorX());
    });
    ASSERT_EQ(cursors.size(), 3u);
    EXPECT_DOUBLE_EQ(cursors[0], 1.25);
    EXPECT_DOUBLE_EQ(cursors[1], 2.0 + 75.0 / 600);
    EXPECT_DOUBLE_EQ(cursors[2], 3.0);
}

TEST_F(LineLayout, TextCarriesTheFontAndTheBackgroundMode) {
    engine_.TextBKMode = bkOpaque;
    PrintOnePage([](TReportEngine& report) {
        report.SelectFont(QStringLiteral("Arial"), 16, fsItalic);
        report.UnderlineOn(true);
        report.TextCentered(QStringLiteral("Title"), 4.25);
        report.ItalicOn(false);
        EXPECT_TRUE(report.UnderlineOn());
        EXPECT_FALSE(report.BoldOn());
        report.SelectFont(QStringLiteral("Arial"), 0, fsBold);  // ignored
        EXPECT_FALSE(report.BoldOn());
        EXPECT_EQ(report.Font().style, fsUnderline);
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.name, "Arial");
    EXPECT_EQ(texts[0].font.pixelHeight, 133);  // 16 x 600 / 72 = 133.3
    EXPECT_EQ(texts[0].font.style, fsItalic | fsUnderline);
    EXPECT_TRUE(texts[0].opaque);
    EXPECT_EQ(texts[0].from.x(), 2400);
}

TEST_F(LineLayout, FontHeightIsRoundedBeforeAndAfterScaling) {
    engine_.ScaleY = 50;
    engine_.SelectFont(QStringLiteral("Courier"), 8, 0);
    // 8 x 600 / 72 = 66.7 gives 67; half of 67 is 33.5, which goes to the even 34.
    EXPECT_EQ(engine_.Font().pixelHeight, 34);
    engine_.SelectFont(QString(300, QLatin1Char('x')), 8, 0);
    EXPECT_EQ(engine_.Font().name.size(), 255);
}

TEST(DeviceCoordinates, RoundHalvesToEven) {
    PageGeometry geometry;
    geometry.DpiX = geometry.DpiY = 2;
    TReportEngine engine(std::make_unique<RecordingSurface>(geometry));
    EXPECT_EQ(engine.DeviceX(0.25), 0);  // 0.5
    EXPECT_EQ(engine.DeviceX(0.75), 2);  // 1.5
    EXPECT_EQ(engine.DeviceX(1.25), 2);  // 2.5
    EXPECT_EQ(engine.DeviceY(-0.25), 0);
    EXPECT_EQ(engine.DeviceY(-0.75), -2);
    engine.ScaleX = 50;
    EXPECT_EQ(engine.DeviceX(1.5), 2);  // 0.75 inch: 1.5
    EXPECT_EQ(engine.DeviceX(2.5), 2);  // 1.25 inch: 2.5
}

TEST(DeviceCoordinates, SubtractTheUnprintableStrips) {
    TReportEngine engine(std::make_unique<RecordingSurface>());
    EXPECT_EQ(engine.DeviceX(0.25), 0);
    EXPECT_EQ(engine.DeviceX(1.0), 450);
    EXPECT_EQ(engine.DeviceY(0.0), -150);
    EXPECT_EQ(engine.DeviceY(11.0), 6450);
}

struct FactorCase {
    double factor;
    TPrintUnits units;
};

void PrintTo(const FactorCase& factor, std::ostream* out) { *out << "factor " << factor.factor; }

class UnitsFactorSetsUnits : public ::testing::TestWithParam<FactorCase> {};

TEST_P(UnitsFactorSetsUnits, ToTheMatchingUnit) {
    TReportEngine engine(std::make_unique<RecordingSurface>());
    engine.SetUnitsFactor(GetParam().factor);
    EXPECT_EQ(engine.Units(), GetParam().units);
    EXPECT_EQ(engine.UnitsFactor(), GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitsFactorSetsUnits,
                         ::testing::Values(FactorCase{1.0, unInch}, FactorCase{25.4, unMM},
                                           FactorCase{2.54, unCM}, FactorCase{72.0, unPoint},
                                           FactorCase{10.0, unUser}, FactorCase{0.5, unUser}));

TEST(Units, SettingUnitsSetsTheFactorAndUserKeepsIt) {
    TReportEngine engine(std::make_unique<RecordingSurface>());
    engine.SetUnits(unMM);
    EXPECT_EQ(engine.UnitsFactor(), 25.4);
    engine.SetUnits(unPoint);
    EXPECT_EQ(engine.UnitsFactor(), 72.0);
    engine.SetUnits(unUser);
    EXPECT_EQ(engine.UnitsFactor(), 72.0);
    engine.SetUnitsFactor(0);
    engine.SetUnitsFactor(-3);
    EXPECT_EQ(engine.UnitsFactor(), 72.0);
    EXPECT_EQ(engine.Units(), unUser);
}

TEST_F(LineLayout, PositionsAreTakenAndGivenInTheReportsUnits) {
    engine_.SetUnits(unMM);
    EXPECT_DOUBLE_EQ(engine_.PaperWidth(), 215.9);
    EXPECT_DOUBLE_EQ(engine_.LeftOffset(), 6.35);
    EXPECT_DOUBLE_EQ(engine_.MarginLeft(), 12.7);
    EXPECT_DOUBLE_EQ(engine_.SectionRight(), 203.2);
    PrintOnePage([](TReportEngine& report) {
        report.TextLeft(QStringLiteral("x"), 25.4);
        report.SetBaselineY(50.8);
        EXPECT_DOUBLE_EQ(report.BaselineY(), 50.8);
        report.TextLeft(QStringLiteral("y"), 25.4);
    });
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].from.x(), 450);
    EXPECT_EQ(texts[1].from, QPoint(450, 1050));
}

TEST_F(LineLayout, NewMarginsPullTheWritePositionInside) {
    PrintOnePage([](TReportEngine& report) {
        report.SetMarginLeft(2);
        EXPECT_DOUBLE_EQ(report.CursorX(), 2);
        report.TextLeft(QStringLiteral("abcdefghij"), 7.0);  // ends at 7 + 500/600
        report.SetMarginRight(1.5);
        EXPECT_DOUBLE_EQ(report.CursorX(), 7.0);
        report.SetMarginTop(2);
        EXPECT_DOUBLE_EQ(report.BaselineY(), 2);
        report.SetBaselineY(9.9);
        report.SetMarginBottom(3);
        EXPECT_DOUBLE_EQ(report.BaselineY(), 8);
        EXPECT_EQ(report.LinesRemaining(), 0);
    });
}

}  // namespace
