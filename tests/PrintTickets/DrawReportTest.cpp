#include "PrintTickets/DrawReport.h"
#include "report/RecordingSurface.h"
#include "tests/PrintTickets/PrintWorld.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>

using lottery::TLine;
using printtests::kDraw118;
using printtests::kSat8Feb1997;
using printtests::kWed5Feb1997;
using report::RecordingSurface;
using Call = RecordingSurface::Call;
using Kind = RecordingSurface::Kind;

namespace {

// Device rows of the recording surface: 600 per inch below a quarter-inch strip.
constexpr double kPixelsPerInch = 600;
constexpr int kLine = 100;  // one line of 1/6 inch

// Saturday 8 February 1997: balls 3 10 17 22 31 40, bonus 45.
constexpr lottery::THistoryLine::Numbers kDraw118Numbers = {3, 10, 17, 22, 31, 40, 45};

class DrawReportTest : public ::testing::Test {
protected:
    DrawReportTest() { report.Attach(engine); }

    void PrintChecklist(int drawNumber) {
        report.SetChecklist(world.lottery.FillTicketRows());
        report.PrintDraw(engine, drawNumber);
    }
    void PrintResultSheet(bool validOnly) {
        const lottery::THistoryLine& draw = world.lottery.AddDrawResult(kDraw118Numbers, kSat8Feb1997);
        report.SetResultSheet(world.lottery.FillCheckRows(draw, validOnly), draw);
        report.PrintDraw(engine, kDraw118);
    }

    std::vector<Call> Texts() const { return surface->CallsOf(Kind::Text); }
    QStringList TextList() const {
        QStringList texts;
        for (const Call& call : Texts()) texts << call.text;
        return texts;
    }
    int Count(const QString& text) const { return static_cast<int>(TextList().count(text)); }
    // The texts of one body row: its label and the texts that follow it on
    // the same baseline.
    std::vector<Call> Row(const QString& label) const {
        const std::vector<Call> texts = Texts();
        const auto start = std::find_if(texts.begin(), texts.end(), [&](const Call& call) { return call.text == label; });
        std::vector<Call> row;
        for (auto call = start; call != texts.end() && call->from.y() == start->from.y(); ++call) row.push_back(*call);
        return row;
    }
    int BaselineOf(const QString& text) const { return Row(text).at(0).from.y(); }

    printtests::PrintWorld world;
    RecordingSurface* surface = new RecordingSurface;  // owned by engine
    report::TReportEngine engine{std::unique_ptr<report::ReportSurface>(surface)};
    printtickets::DrawReport report{world.context, world.lottery};
};

TEST_F(DrawReportTest, ChecklistGroupsTheBoardsOfATicket) {
    world.AddTicket({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, "First", kWed5Feb1997, 2, 0);
    world.AddTicket({{13, 14, 15, 16, 17, 18}, {19, 20, 21, 22, 23, 24}}, "Second", kWed5Feb1997, 2, 0);
    PrintChecklist(kDraw118);

    // A row is a line plus its gap: 0.05 inch within a ticket, 0.1 between two.
    const int rowA1 = BaselineOf(QStringLiteral("01-A"));
    EXPECT_NEAR(BaselineOf(QStringLiteral("01-B")) - rowA1, kLine + 0.05 * kPixelsPerInch, 1);
    EXPECT_NEAR(BaselineOf(QStringLiteral("02-A")) - rowA1, 2 * kLine + 0.15 * kPixelsPerInch, 1);
    EXPECT_NEAR(BaselineOf(QStringLiteral("02-B")) - rowA1, 3 * kLine + 0.2 * kPixelsPerInch, 1);
    // The first row lies a line and 0.05 inch below the column headings.
    EXPECT_NEAR(rowA1 - BaselineOf(QStringLiteral("Line")), kLine + 0.05 * kPixelsPerInch, 1);

    QStringList rowTexts;
    for (const Call& call : Row(QStringLiteral("02-A"))) rowTexts << call.text;
    EXPECT_EQ(rowTexts, (QStringList{"02-A", "13", "14", "15", "16", "17", "18", "15 Feb 1997", "Second"}));
    for (const Call& call : Row(QStringLiteral("02-A"))) {
        EXPECT_EQ(call.font.name, "MS Sans Serif");
        EXPECT_EQ(call.font.size, 8);
        EXPECT_EQ(call.font.style, 0);
    }
}

TEST_F(DrawReportTest, ChecklistHeaderLeavesTheDrawnBoxesEmpty) {
    world.AddTicket({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0);
    PrintChecklist(kDraw118);
    const QStringList texts = TextList();
    EXPECT_EQ(texts.mid(0, 3), (QStringList{"Lottery Ticket Checklist", "Draw: 118", "Balls:-"}));
    EXPECT_TRUE(texts.contains("Date: Saturday 08 February 1997"));
    EXPECT_TRUE(texts.contains("Renewal"));
    const Call title = Texts().front();
    EXPECT_EQ(title.font.name, "Arial");
    EXPECT_EQ(title.font.size, 16);
    EXPECT_EQ(title.font.style, report::fsItalic | report::fsUnderline);
    EXPECT_EQ(title.align, report::tjCenter);
    // Drawn:- stands alone in its row of boxes, on the line of the date.
    EXPECT_EQ(Row(QStringLiteral("Drawn:-")).size(), 1u);
    EXPECT_EQ(BaselineOf(QStringLiteral("Drawn:-")), BaselineOf(QStringLiteral("Date: Saturday 08 February 1997")));
    EXPECT_NEAR(BaselineOf(QStringLiteral("Drawn:-")) - BaselineOf(QStringLiteral("Balls:-")),
                kLine + 0.05 * kPixelsPerInch, 1);
}

TEST_F(DrawReportTest, UnlimitedTicketHasAnEmptyRenewalCell) {
    world.AddTicket({{1, 2, 3, 4, 5, 6}}, "Forever", kWed5Feb1997, TLine::kUnlimitedWeeks, 0);
    PrintChecklist(kDraw118);
    const std::vector<Call> row = Row(QStringLiteral("01-A"));
    ASSERT_EQ(row.size(), 8u);  // label, six numbers, description
    EXPECT_EQ(row.back().text, "Forever");
    // The description still stands in the ninth cell, 0.05 inch into it.
    EXPECT_EQ(row.back().from.x(), qRound((4.5 + 0.05) * kPixelsPerInch));
}

TEST_F(DrawReportTest, ResultSheetMarksDrawnNumbersAndTheBonus) {
    world.AddTicket({{1, 2, 3, 10, 17, 45}, {3, 10, 17, 22, 31, 40}, {3, 10, 17, 22, 31, 45}}, "Syndicate",
                    kWed5Feb1997, 2, 0);
    PrintResultSheet(true);

    QStringList labels;
    for (const Call& call : Texts())
        if (call.text.contains(QLatin1Char('-')) && call.text.size() == 4 && call.text[0].isDigit()) labels << call.text;
    EXPECT_EQ(labels, (QStringList{"01-B", "01-C", "01-A"}));  // jackpot, five and the bonus, three balls

    auto fontsOf = [this](const QString& label) {
        QStringList fonts;
        const std::vector<Call> row = Row(label);
        for (std::size_t number = 1; number <= 6; ++number)
            fonts << QStringLiteral("%1/%2").arg(row.at(number).font.size).arg(row.at(number).font.style);
        return fonts;
    };
    const QString bold = QStringLiteral("10/%1").arg(report::fsBold);
    const QString italic = QStringLiteral("10/%1").arg(report::fsItalic);
    const QString small = QStringLiteral("6/0");
    EXPECT_EQ(fontsOf("01-B"), QStringList(6, bold));
    EXPECT_EQ(fontsOf("01-C"), (QStringList{bold, bold, bold, bold, bold, italic}));
    // The bonus ball is marked only on "5 and the Bonus" rows.
    EXPECT_EQ(fontsOf("01-A"), (QStringList{small, small, bold, bold, bold, small}));

    EXPECT_EQ(Row("01-B").at(7).text, "Jackpot! 6 Balls");
    EXPECT_EQ(Row("01-C").at(7).text, "5 and the Bonus");
    EXPECT_EQ(Row("01-A").at(7).text, "3 Balls");
    // Result sheet rows of one ticket are not set apart.
    EXPECT_NEAR(BaselineOf("01-C") - BaselineOf("01-B"), kLine + 0.05 * kPixelsPerInch, 1);

    QStringList drawnRow;
    for (const Call& call : Row(QStringLiteral("Drawn:-"))) drawnRow << call.text;
    EXPECT_EQ(drawnRow, (QStringList{"Drawn:-", "03", "10", "17", "22", "31", "40", "45"}));
    EXPECT_TRUE(TextList().contains("Lottery Result"));
    EXPECT_TRUE(TextList().contains("Winnings"));
}

TEST_F(DrawReportTest, ResultSheetLeavesOutTicketsNotEnteredForTheDraw) {
    world.AddTicket({{1, 2, 3, 4, 5, 6}}, "Wednesdays", kWed5Feb1997, 4, 1);
    world.AddTicket({{3, 10, 17, 4, 5, 6}}, "Both", kWed5Feb1997, 4, 0);
    PrintResultSheet(false);
    EXPECT_EQ(Count("01-A"), 0);
    EXPECT_EQ(Count("02-A"), 1);
    EXPECT_EQ(report.RowIndex(), 1);  // both rows looked at
}

TEST_F(DrawReportTest, NoTicketForTheDrawPrintsOnePageWithoutRows) {
    world.AddTicket({{1, 2, 3, 4, 5, 6}}, "Later", kSat8Feb1997 + 7, 1, 0);
    PrintChecklist(kDraw118);
    EXPECT_EQ(Count("01-A"), 0);
    EXPECT_EQ(Count("Description"), 1);
    EXPECT_EQ(Count("Page 1"), 1);
    EXPECT_TRUE(surface->CallsOf(Kind::NewSheet).empty());
}

TEST_F(DrawReportTest, ALongChecklistRepeatsTheHeaderOnEveryPage) {
    for (int ticket = 1; ticket <= 40; ++ticket) world.AddTicket({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0);
    PrintChecklist(kDraw118);

    ASSERT_EQ(surface->CallsOf(Kind::NewSheet).size(), 1u);
    for (const QString& header : {QStringLiteral("Lottery Ticket Checklist"), QStringLiteral("Draw: 118"),
                                  QStringLiteral("Date: Saturday 08 February 1997"), QStringLiteral("Balls:-"),
                                  QStringLiteral("Drawn:-"), QStringLiteral("Renewal"), QStringLiteral("Courtesy of Brenwick")})
        EXPECT_EQ(Count(header), 2) << header.toStdString();
    EXPECT_EQ(Count("Page 1"), 1);
    EXPECT_EQ(Count("Page 2"), 1);
    EXPECT_EQ(Count("40-A"), 1);
    // Page 2 starts its rows where page 1 left off, below its own header.
    const QStringList texts = TextList();
    const int secondTitle = static_cast<int>(texts.lastIndexOf("Lottery Ticket Checklist"));
    const int lastRowOfPage1 = static_cast<int>(texts.lastIndexOf(QRegularExpression("^\\d\\d-A$"), secondTitle));
    const int firstRowOfPage2 = static_cast<int>(texts.indexOf(QRegularExpression("^\\d\\d-A$"), secondTitle));
    EXPECT_EQ(texts[lastRowOfPage1].left(2).toInt() + 1, texts[firstRowOfPage2].left(2).toInt());
    // Rows stop while three lines still fit above the area's bottom, 1 inch up.
    const int lastBaseline = BaselineOf(texts[lastRowOfPage1]);
    EXPECT_LT(lastBaseline, qRound((11 - 1 - 0.25 - 2.0 / 6 + 0.1) * kPixelsPerInch));
}

// A Letter page holds this many rows below the header.
constexpr int kRowsOnAPage = 30;

TEST_F(DrawReportTest, RowsLeftOutAfterAFullPageStartNoPage) {
    for (int ticket = 1; ticket <= kRowsOnAPage; ++ticket) world.AddTicket({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0);
    for (int ticket = 1; ticket <= 3; ++ticket) world.AddTicket({{1, 2, 3, 4, 5, 6}}, "Wednesdays", kWed5Feb1997, 9, 1);
    PrintChecklist(kDraw118);
    EXPECT_TRUE(surface->CallsOf(Kind::NewSheet).empty());
    EXPECT_EQ(Count("Page 2"), 0);
    EXPECT_EQ(Count(QString::fromStdString(lottery::TicketRowKey(kRowsOnAPage, 1))), 1);

    // One more row that prints does need a second page: the first was full.
    world.AddTicket({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0);
    surface->ClearCalls();
    PrintChecklist(kDraw118);
    EXPECT_EQ(surface->CallsOf(Kind::NewSheet).size(), 1u);
    EXPECT_EQ(Count("Page 2"), 1);
}

TEST_F(DrawReportTest, FooterNumbersThePagesOfEachJobFromOne) {
    world.AddTicket({{1, 2, 3, 4, 5, 6}}, "", kWed5Feb1997, 9, 0);
    PrintChecklist(kDraw118);
    PrintChecklist(kDraw118 + 1);
    EXPECT_EQ(Count("Page 1"), 2);
    EXPECT_EQ(Count("As of 08/12/2026"), 2);
    const Call footer = Row(QStringLiteral("As of 08/12/2026")).front();
    EXPECT_EQ(footer.font.name, "Times New Roman");
    EXPECT_EQ(footer.font.style, report::fsItalic);
    // Its descenders end half an inch above the bottom edge (8 point: 13 pixels).
    EXPECT_EQ(footer.from.y(), qRound((11 - 0.5 - 0.25) * kPixelsPerInch) - 13);
}

}  // namespace
