#include "tests/report/RecordedReport.h"

#include <QString>

#include <stdexcept>

using namespace report;
using namespace report::testing;

namespace {

// Logs the events of a job as "before", "new 1", "header 1", "page 1", ...
class PrintJob : public RecordedReport {
protected:
    void LogEvents() {
        engine_.OnBeforePrint = [this](TReportEngine&) { Log("before"); };
        engine_.OnAfterPrint = [this](TReportEngine&) { Log("after"); };
        engine_.OnNewPage = [this](TReportEngine& report) { Log("new", report.CurrentPage()); };
        engine_.OnPrintHeader = [this](TReportEngine& report) { Log("header", report.CurrentPage()); };
        engine_.OnPrintFooter = [this](TReportEngine& report) { Log("footer", report.CurrentPage()); };
    }

    // Pages that print their number and answer whether another follows.
    void PrintPages(int pageCount) {
        engine_.OnPrintPage = [this, pageCount](TReportEngine& report, int& pageNum) {
            Log("page", pageNum);
            report.TextLeft(QStringLiteral("page %1").arg(pageNum), 1.0);
            return pageNum < pageCount;
        };
        engine_.PrintReport();
    }

    void Log(const std::string& event, int page = 0) {
        events_.push_back(page ? event + " " + std::to_string(page) : event);
    }

    std::vector<QString> TextsDrawn() const {
        std::vector<QString> texts;
        for (const Call& call : Calls(Kind::Text)) texts.push_back(call.text);
        return texts;
    }

    std::vector<std::string> events_;
};

TEST_F(PrintJob, EveryPageSeesNewPageHeaderBodyAndFooterInOrder) {
    LogEvents();
    engine_.Title = QStringLiteral("Tallimo");
    PrintPages(3);
    EXPECT_EQ(events_, (std::vector<std::string>{"before", "new 1", "header 1", "page 1", "footer 1", "new 2",
                                                 "header 2", "page 2", "footer 2", "new 3", "header 3",
                                                 "page 3", "footer 3", "after"}));
    const auto& calls = surface_->Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().kind, Kind::Begin);
    EXPECT_EQ(calls.front().text, "Tallimo");
    EXPECT_EQ(calls.back().kind, Kind::End);
    EXPECT_EQ(Calls(Kind::NewSheet).size(), 2u);
    EXPECT_FALSE(engine_.Printing());
}

TEST_F(PrintJob, OnPrintTurnsItsOwnPages) {
    LogEvents();
    engine_.OnPrint = [this](TReportEngine& report) {
        Log("print");
        report.StartNewPage();
    };
    engine_.PrintReport();
    EXPECT_EQ(events_, (std::vector<std::string>{"before", "new 1", "header 1", "print", "footer 1", "new 2",
                                                 "header 2", "footer 2", "after"}));
}

TEST_F(PrintJob, WithoutABodyNothingIsPrinted) {
    LogEvents();
    engine_.PrintReport();
    EXPECT_EQ(events_, (std::vector<std::string>{"before", "after"}));
    EXPECT_TRUE(surface_->Calls().empty());
}

TEST_F(PrintJob, WithoutPrintersTheJobIsRefusedWithAMessage) {
    surface_->available = false;
    std::vector<QString> messages;
    engine_.ShowError = [&messages](const QString& message) { messages.push_back(message); };
    LogEvents();
    engine_.OnPrintPage = [](TReportEngine&, int&) { return false; };
    engine_.PrintReport();
    EXPECT_EQ(messages, std::vector<QString>{"No printers are defined, aborting print job."});
    EXPECT_TRUE(events_.empty());
    EXPECT_TRUE(surface_->Calls().empty());
}

TEST(PrintJobWithoutPrinters, UsesTheStandInPaper) {
    auto surface = std::make_unique<RecordingSurface>();
    surface->available = false;
    TReportEngine engine(std::move(surface));
    EXPECT_EQ(engine.PaperWidth(), 8.5);
    EXPECT_EQ(engine.LeftOffset(), 0);
    EXPECT_EQ(engine.DeviceX(1.0), 96);
}

TEST_F(PrintJob, AFailingHandlerStillEndsTheDocumentAndRaisesAfterPrint) {
    LogEvents();
    engine_.OnPrintPage = [this](TReportEngine&, int& pageNum) -> bool {
        Log("page", pageNum);
        if (pageNum == 2) throw std::runtime_error("handler failed");
        return true;
    };
    EXPECT_THROW(engine_.PrintReport(), std::runtime_error);
    EXPECT_EQ(events_, (std::vector<std::string>{"before", "new 1", "header 1", "page 1", "footer 1", "new 2",
                                                 "header 2", "page 2", "after"}));
    EXPECT_EQ(surface_->Calls().back().kind, Kind::End);
    EXPECT_FALSE(engine_.Printing());
    EXPECT_FALSE(surface_->DocumentOpen());

    // The engine is ready for the next job.
    events_.clear();
    PrintPages(1);
    EXPECT_EQ(events_.back(), "after");
}

TEST_F(PrintJob, ADocumentThatCannotBeOpenedIsAFailure) {
    LogEvents();
    surface_->beginFails = true;
    engine_.OnPrintPage = [](TReportEngine&, int&) { return false; };
    EXPECT_EQ(FailureOf([this] { engine_.PrintReport(); }), "The print job could not be started.");
    EXPECT_EQ(events_, (std::vector<std::string>{"before", "after"}));
    EXPECT_FALSE(engine_.Printing());
}

TEST_F(PrintJob, OperationsOutsideAJobFailWithNotPrinting) {
    const QString notPrinting = QStringLiteral("Invalid method call.  ReportEngine is not printing.");
    engine_.AddTabStop(1, tjLeft, 1, 0, 0, 0);
    EXPECT_EQ(FailureOf([this] { engine_.TextLeft(QStringLiteral("x"), 1); }), notPrinting);
    EXPECT_EQ(FailureOf([this] { engine_.TextCentered(QStringLiteral("x"), 1); }), notPrinting);
    EXPECT_EQ(FailureOf([this] { engine_.NextTabCell(); }), notPrinting);
    EXPECT_EQ(FailureOf([this] { engine_.PrintTabbed(QStringLiteral("x")); }), notPrinting);
    EXPECT_EQ(FailureOf([this] { engine_.StartNewPage(); }), notPrinting);
    EXPECT_EQ(FailureOf([this] { engine_.HomePosition(); }), "Error!  Canvas not yet active.");
    EXPECT_EQ(FailureOf([this] { engine_.ReportCanvas(); }), "Error!  Canvas not yet active.");
}

TEST_F(PrintJob, ARunningJobRefusesAnotherJobAndPrinterChanges) {
    const QString alreadyPrinting = QStringLiteral("Invalid method call.  ReportEngine already printing.");
    std::vector<QString> failures;
    engine_.OnPrintPage = [&](TReportEngine& report, int&) {
        failures.push_back(FailureOf([&] { report.PrintReport(); }));
        failures.push_back(FailureOf([&] { report.SetCopies(2); }));
        failures.push_back(FailureOf([&] { report.SetOrientation(poLandScape); }));
        return false;
    };
    engine_.PrintReport();
    EXPECT_EQ(failures, std::vector<QString>(3, alreadyPrinting));
    EXPECT_EQ(engine_.Copies(), 1);
    EXPECT_EQ(engine_.Orientation(), poPortrait);
    EXPECT_EQ(surface_->CallsOf(Kind::Begin).size(), 1u);
}

TEST_F(PrintJob, OnlyPagesFromFirstToLastAreDrawn) {
    engine_.FirstPage = 2;
    engine_.LastPage = 3;
    PrintPages(5);
    EXPECT_EQ(TextsDrawn(), (std::vector<QString>{"page 2", "page 3"}));
    EXPECT_EQ(Calls(Kind::NewSheet).size(), 1u);  // between pages 2 and 3 only
}

TEST_F(PrintJob, EachPageStartsAtHomeWithTheSameTabStops) {
    std::vector<QPoint> anchors;
    engine_.OnPrintHeader = [](TReportEngine& report) {
        if (report.CurrentPage() == 1) report.AddTabStop(2.0, tjLeft, 1.0, 0, 0, 0);
    };
    engine_.OnPrintPage = [](TReportEngine& report, int& pageNum) {
        report.SetMarginTop(2);
        report.HomePosition();
        report.PrintTabbedLine(QStringLiteral("\tA"));
        report.PrintTabbed(QStringLiteral("\tB"));
        return pageNum < 2;
    };
    engine_.PrintReport();
    const auto texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    // Baselines at 2 + 1/6 - 13/600 and the next line; the default font is
    // 8 point, 67 pixels high.
    EXPECT_EQ(texts[0].from, QPoint(1050, 1137));
    EXPECT_EQ(texts[1].from, QPoint(1050, 1237));
    EXPECT_EQ(texts[3].from, texts[1].from);
    EXPECT_EQ(engine_.TabStops().size(), 1u);
}

TEST_F(PrintJob, EveryJobStartsWithoutTabStops) {
    engine_.OnPrintPage = [](TReportEngine& report, int&) {
        EXPECT_TRUE(report.TabStops().empty());
        report.AddTabStop(1, tjLeft, 1, 0, 0, 0);
        return false;
    };
    engine_.PrintReport();
    engine_.PrintReport();
    EXPECT_EQ(engine_.TabStops().size(), 1u);
}

TEST_F(PrintJob, CopiesReachThePrinterOnlyWhenPositive) {
    engine_.SetCopies(3);
    engine_.SetCopies(0);
    EXPECT_EQ(engine_.Copies(), 0);
    const auto copies = Calls(Kind::Copies);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].value, 3);

    surface_->available = false;
    engine_.SetCopies(5);
    EXPECT_EQ(engine_.Copies(), 5);
    EXPECT_EQ(Calls(Kind::Copies).size(), 1u);
}

TEST_F(PrintJob, LandscapeRereadsThePaperAndKeepsTheMargins) {
    engine_.SetOrientation(poLandScape);
    EXPECT_EQ(engine_.Orientation(), poLandScape);
    EXPECT_EQ(engine_.PaperWidth(), 11);
    EXPECT_EQ(engine_.SectionRight(), 10.5);
    engine_.SetOrientation(poDefault);
    EXPECT_EQ(engine_.Orientation(), poDefault);
    EXPECT_EQ(engine_.PaperWidth(), 11);
    EXPECT_EQ(Calls(Kind::Orientation).size(), 1u);
}

TEST_F(PrintJob, TheStatusLabelShowsEveryPage) {
    std::vector<QString> shown;
    engine_.StatusLabel = [&shown](const QString& status) { shown.push_back(status); };
    PrintPages(2);
    EXPECT_EQ(shown, (std::vector<QString>{"Printing page 1", "Printing page 2"}));
}

TEST(StatusText, ExpandsEveryCode) {
    TReportEngine engine(std::make_unique<RecordingSurface>());
    engine.FirstPage = 3;
    engine.LastPage = 7;
    engine.StatusText = QStringList{"zero", "one"};
    engine.StatusFormat = QStringLiteral("%p/%F-%l %d %R %t [%0|%1|%9] %%p %x %");
    EXPECT_EQ(engine.ExpandStatus(), "0/3-7 Recorder RecordingSurface LPT1: [zero|one|] %p <ERROR-%X> %");
}

}  // namespace
