#include "AddLineDlg/TAddLineForm.h"
#include "FakePlatform.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/MainPage.h"
#include "Master/NumberBarChart.h"
#include "Master/RowListView.h"
#include "Master/RunRowDelegate.h"
#include "Master/RunStripChart.h"
#include "Master/StatisticsWindow.h"
#include "Master/TMasterForm.h"
#include "Master/TicketRunWindow.h"
#include "Master/TicketsPage.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"
#include "app/DateText.h"
#include "app/SettingsStore.h"
#include "datepicker/DateField.h"
#include "lottery/DrawCalendar.h"
#include "tests/lottery/RealDraws.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;
using testsupport::TicketFileBuilder;

namespace {

const lottery::THistoryLine::Numbers kResult{1, 2, 3, 4, 5, 6, 7};

// Runs the steps on a modal window of the kind as soon as it is shown, then
// closes it if the steps left it open.
template <typename Window>
void WhenOpens(std::function<void(Window&)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window) {
            WhenOpens<Window>(steps);
            return;
        }
        steps(*window);
        if (window->isVisible()) window->reject();
    });
}

QStringList Keys(const master::HeaderedList& list) {
    QStringList keys;
    const QAbstractItemModel* model = list.List()->Model();
    for (int row = 0; row < model->rowCount(); ++row) keys << model->index(row, 0).data().toString();
    return keys;
}

// The form over a ticket file and a history file holding the given results.
struct Fixture {
    FakePlatform platform;
    TestDataDir data;
    std::unique_ptr<TMasterForm> form;

    Fixture(const QByteArray& tickets, const std::vector<std::pair<int, lottery::THistoryLine::Numbers>>& results) {
        data.WriteTickets(tickets);
        lottery::THistoryList history;
        for (const auto& [drawNumber, numbers] : results) history.Add(numbers, lottery::DrawDateOf(drawNumber));
        lottery::ByteWriter writer;
        writer.WriteInt16(1);
        history.WriteTo(writer);
        QFile file(data.Paths().historyFilePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writer.Bytes().data(), static_cast<qint64>(writer.Bytes().size()));
        file.close();
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
    }
};

// A window's own context, as the main window hands it out.
struct Context {
    FakePlatform platform;
    app::SettingsStore settings;
    app::DateText dates{QLocale::c(), QStringLiteral("dd/MM/yyyy")};
    app::AppContext context{platform, settings, dates};
};

void CheckNoLabelCutShort(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->wordWrap()) QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
}

// The window as the user sees it, saved when TALLIMO_SHOTS_DIR names a folder.
void SaveShot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("TALLIMO_SHOTS_DIR");
    if (!folder.isEmpty()) QVERIFY(window.grab().save(folder + QLatin1Char('/') + name, "PNG"));
}

lottery::TLine Ticket(int firstDraw, int16_t weeks, int16_t drawDays,
                      std::initializer_list<lottery::TLine::Board> boards) {
    lottery::TLine ticket;
    lottery::TLine::BoardArray all{};
    std::copy(boards.begin(), boards.end(), all.begin());
    ticket.SetTicket(all, "", lottery::DrawDateOf(firstDraw), weeks, drawDays);
    return ticket;
}

}  // namespace

class RunAndStatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")).clear(); }

    // "Run..." stands on the display's button row where "Next >" stood and
    // opens the run over the program's history up to today; Esc closes it
    // and its place is kept in a section of its own.
    void runOpensFromTheTicketDisplay() {
        Fixture f(TicketFileBuilder().Add({{1, 2, 3, 40, 41, 42}, {1, 2, 3, 4, 41, 42}}, "", 35466, 2, 0).Bytes(),
                  {{117, kResult}, {120, kResult}});
        QTest::mouseClick(f.form->Main()->BitBtn1(), Qt::LeftButton);
        bool runShown = false;
        WhenOpens<addlinedlg::TAddLineForm>([&](addlinedlg::TAddLineForm& wizard) {
            QPushButton* run = wizard.RunButton();
            QVERIFY(run && run->isVisible());
            QCOMPARE(run->text(), QStringLiteral("&Run..."));
            for (QPushButton* other : wizard.findChildren<QPushButton*>())
                if (other != run && other->isVisible()) QVERIFY(!other->geometry().intersects(run->geometry()));
            WhenOpens<master::TicketRunWindow>([&](master::TicketRunWindow& window) {
                runShown = true;
                QCOMPARE(Keys(*window.RunList()), (QStringList{"19970205", "19970208", "19970212", "19970215"}));
                QCOMPARE(window.RunList()->SelectedRow(), 3);
                QCOMPARE(QAccessible::queryAccessibleInterface(window.RunList()->List())->child(2)->text(
                             QAccessible::Name),
                         QStringLiteral("Draw 119, Wed 12 Feb 1997, No result recorded"));
                QCOMPARE(window.Strip()->Current(), 3);
                QCOMPARE(window.Total(3)->text(), QStringLiteral("4 Balls: 2"));
                QCOMPARE(window.Total(4)->text(), QStringLiteral("3 Balls: 2"));
                QCOMPARE(window.Total(5)->text(), QStringLiteral("Nothing: 0"));
                QCOMPARE(window.Total(6)->text(), QStringLiteral("No result recorded: 2 draws"));
                window.move(140, 150);
                QTest::keyClick(&window, Qt::Key_Escape);
                QVERIFY(!window.isVisible());
            });
            SaveShot(wizard, QStringLiteral("ticket-display.png"));
            QTest::mouseClick(run, Qt::LeftButton);
        });
        QTest::mouseClick(f.form->Tickets()->Button9(), Qt::LeftButton);
        QVERIFY(runShown);
        QSettings settings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo"));
        QCOMPARE(settings.value(QStringLiteral("Run Window/Left")).toString(), QStringLiteral("140"));
        // Editing and deleting show no run.
        WhenOpens<addlinedlg::TAddLineForm>([](addlinedlg::TAddLineForm& wizard) { QVERIFY(!wizard.RunButton()); });
        QTest::mouseClick(f.form->Tickets()->Button21(), Qt::LeftButton);
    }

    // A click on a mark shows its draw in the list and a row picked in the
    // list is framed in the strip; thirty years of draws still fit the strip.
    void stripAndListFollowEachOther() {
        Context c;
        lottery::THistoryList history;
        const lottery::TLine ticket = Ticket(1, lottery::TLine::kUnlimitedWeeks, 0, {{1, 2, 3, 40, 41, 42}});
        master::TicketRunWindow window(c.context, ticket, history, lottery::DrawDateOf(3230), nullptr);
        window.show();
        master::RunStripChart* strip = window.Strip();
        QCOMPARE(window.Run().draws.size(), std::size_t(3230));
        QVERIFY(strip->contentsRect().contains(strip->MarkRect(3229)));
        QVERIFY(strip->MarkRect(3229).width() >= 2);
        QVERIFY(strip->MarkRect(3229).bottom() > strip->contentsRect().bottom() - strip->MarkRect(3229).height() - 8);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->MarkRect(1000).center());
        QCOMPARE(window.RunList()->SelectedRow(), 1000);
        window.RunList()->SelectRow(12);
        QCOMPARE(strip->Current(), 12);
        QCOMPARE(strip->MarkAt(strip->MarkRect(12).center()), 12);
        QCOMPARE(strip->MarkAt(QPoint(strip->width() - 2, strip->height() - 2)), -1);

        // A short run takes large marks.
        master::TicketRunWindow shortRun(c.context, Ticket(117, 2, 1, {{1, 2, 3, 4, 5, 6}}), history,
                                         lottery::DrawDateOf(400), nullptr);
        QCOMPARE(shortRun.Run().draws.size(), std::size_t(2));
        QVERIFY(shortRun.Strip()->MarkRect(0).width() >= 10);
    }

    void prizesInTheResultSheetWords() {
        lottery::RunDraw draw;
        QCOMPARE(master::RunRowDelegate::PrizesText(draw), QStringLiteral("No result recorded"));
        lottery::THistoryLine result;
        result.SetResult({1, 2, 3, 4, 5, 6, 7}, 35466);
        draw.result = &result;
        draw.tiers = {'5', lottery::RunDraw::kNoBoard, '6', '2', '6', '6', '6', '6', '6', '6'};
        QCOMPARE(master::RunRowDelegate::PrizesText(draw), QStringLiteral("A: 3 Balls, D: 5 and the Bonus"));
        draw.tiers.fill('6');
        QCOMPARE(master::RunRowDelegate::PrizesText(draw), QStringLiteral("Nothing"));
    }

    // From the history page's button: every recorded draw to begin with, a
    // bar's figures on a click, a date that is no date said in place.
    void statisticsOverTheRecordedDraws() {
        Fixture f(TicketFileBuilder().Bytes(), {{118, {1, 2, 3, 4, 5, 6, 7}}, {120, {1, 20, 21, 22, 23, 24, 2}}});
        QTest::mouseClick(f.form->Main()->BitBtn3(), Qt::LeftButton);
        master::HistoryPage* page = f.form->History();
        QPushButton* statistics = page->StatisticsButton();
        for (QPushButton* designed :
             {page->Button11(), page->Button15(), page->Button16(), page->Button13(), page->Button14()})
            QVERIFY(!designed->geometry().intersects(statistics->geometry()));
        QVERIFY(page->rect().contains(statistics->geometry()));
        QCOMPARE(statistics->text(), QStringLiteral("&Statistics..."));
        SaveShot(*f.form, QStringLiteral("history-page.png"));
        bool shown = false;
        WhenOpens<master::StatisticsWindow>([&](master::StatisticsWindow& window) {
            shown = true;
            QCOMPARE(window.DrawsLabel()->text(), QStringLiteral("2 recorded draws in this range"));
            master::NumberBarChart* chart = window.CountsChart();
            // A screen reader names each chart and says how to read it.
            for (master::NumberBarChart* named : {chart, window.SinceChart()}) {
                const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(named);
                QVERIFY(spoken && !spoken->text(QAccessible::Name).isEmpty());
                QVERIFY(!spoken->text(QAccessible::Description).isEmpty());
            }
            QTest::mouseClick(chart, Qt::LeftButton, {}, chart->Column(1).center());
            QVERIFY2(window.FiguresLabel()->text().startsWith(
                         QStringLiteral("Number 1: drawn 2 times and as the bonus ball 0 times, in 2 recorded draws. "
                                        "Last drawn on ")),
                     qPrintable(window.FiguresLabel()->text()));
            QVERIFY(window.FiguresLabel()->text().endsWith(QStringLiteral(", in the latest draw of the range.")));
            QCOMPARE(window.SinceChart()->Picked(), 1);
            QTest::mouseClick(window.SinceChart(), Qt::LeftButton, {}, window.SinceChart()->Column(4).center());
            QVERIFY(window.FiguresLabel()->text().endsWith(QStringLiteral(", 1 draw ago.")));
            // From the keyboard: the arrows step from the picked number, the
            // ends stop them.
            QTest::keyClick(window.SinceChart(), Qt::Key_Left);
            QCOMPARE(window.CountsChart()->Picked(), 3);
            QTest::keyClick(window.CountsChart(), Qt::Key_End);
            QTest::keyClick(window.CountsChart(), Qt::Key_Right);
            QCOMPARE(window.SinceChart()->Picked(), 49);
            QVERIFY(window.FiguresLabel()->text().startsWith(QStringLiteral("Number 49: drawn 0 times")));
            QVERIFY(window.FiguresLabel()->text().endsWith(QStringLiteral("Not drawn in this range.")));

            window.FromBox()->SetText(QStringLiteral("xx"));
            emit window.FromBox()->lineEdit()->editingFinished();
            QCOMPARE(window.DrawsLabel()->text(), QStringLiteral("'xx' is not a valid date"));
            QVERIFY(!window.Statistics());
            window.move(120, 110);
            QTest::keyClick(&window, Qt::Key_Escape);
        });
        QTest::mouseClick(statistics, Qt::LeftButton);
        QVERIFY(shown);
        QSettings settings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo"));
        QCOMPARE(settings.value(QStringLiteral("Statistics Window/Top")).toString(), QStringLiteral("110"));
    }

    // The range follows the date fields, ends included; a range the wrong
    // way round counts nothing and says why.
    void statisticsFollowTheRange() {
        Context c;
        lottery::THistoryList history;
        for (int drawNumber = 117; drawNumber <= 126; ++drawNumber)
            history.Add(kResult, lottery::DrawDateOf(drawNumber));
        master::StatisticsWindow window(c.context, history, nullptr);
        QCOMPARE(window.FromBox()->Text(), c.dates.ShortDateText(lottery::DrawDateOf(117)));
        QCOMPARE(window.ToBox()->Text(), c.dates.ShortDateText(lottery::DrawDateOf(126)));
        QCOMPARE(window.Statistics()->RecordedDraws(), 10);
        window.FromBox()->SetText(c.dates.ShortDateText(lottery::DrawDateOf(120)));
        window.ToBox()->SetText(c.dates.ShortDateText(lottery::DrawDateOf(122)));
        window.Recount();
        QCOMPARE(window.Statistics()->RecordedDraws(), 3);
        QCOMPARE(window.Statistics()->Of(7).asBonus, 3);
        window.ToBox()->SetText(c.dates.ShortDateText(lottery::DrawDateOf(119)));
        window.Recount();
        QVERIFY(!window.Statistics());
        QCOMPARE(window.DrawsLabel()->text(), QStringLiteral("The To date is before the From date"));
    }

    // Copy puts the charts' image on the clipboard; "Save as PNG..." writes
    // it where the user says, and a place that cannot be written is reported.
    void chartsCopiedAndSaved() {
        Context c;
        lottery::THistoryList history;
        history.Add(kResult, lottery::DrawDateOf(117));
        master::StatisticsWindow window(c.context, history, nullptr);
        window.show();
        const QImage image = window.ChartImage();
        QVERIFY(image.width() > 700 && image.height() > 350);
        QTest::mouseClick(window.CopyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), image.size());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        c.platform.fileAnswers.enqueue(path);
        QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
        QCOMPARE(c.platform.fileFilters.last(), QStringLiteral("PNG images (*.png)|*.png"));
        QImage saved;
        QVERIFY(saved.load(path, "PNG"));
        QCOMPARE(saved.size(), image.size());
        QVERIFY(c.platform.messages.isEmpty());

        const QString nowhere = dir.filePath(QStringLiteral("missing/chart.png"));
        c.platform.fileAnswers.enqueue(nowhere);
        QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
        QCOMPARE(c.platform.messages.size(), 1);
        QCOMPARE(c.platform.messages.first().text, QStringLiteral("Cannot create file %1").arg(nowhere));
        c.platform.fileAnswers.enqueue(QString());  // cancelled: nothing written, nothing said
        QTest::mouseClick(window.SaveButton(), Qt::LeftButton);
        QCOMPARE(c.platform.messages.size(), 1);
    }

    // The real results of every draw whose numbers are all 1..49, as a
    // history the program could hold, completed with empty entries up to
    // today as the program completes its own.
    void realHistoryInBothWindows() {
        const std::vector<lottery::test::RealDraw> draws =
            lottery::test::ReadRealDraws(TALLIMO_SHARED_DATA "/uk-lotto/lotto.csv");
        if (draws.empty()) QSKIP("the shared draw data is not beside this checkout");
        lottery::THistoryList history;
        for (const lottery::test::RealDraw& draw : draws)
            if (std::all_of(draw.numbers.begin(), draw.numbers.end(), [](int16_t number) { return number <= 49; }))
                history.Add(draw.numbers, draw.day);
        history.FillMissingDraws(3230);
        Context c;

        master::StatisticsWindow statistics(c.context, history, nullptr);
        statistics.show();
        // The 49-ball game: draws 1 to 2065.
        statistics.FromBox()->SetText(c.dates.ShortDateText(lottery::DrawDateOf(1)));
        statistics.ToBox()->SetText(c.dates.ShortDateText(lottery::DrawDateOf(2065)));
        statistics.Recount();
        QCOMPARE(statistics.Statistics()->RecordedDraws(), 2065);
        QCOMPARE(statistics.Statistics()->Of(23).asBall, 282);
        QCOMPARE(statistics.Statistics()->Of(13).asBall, 215);
        QCOMPARE(statistics.Statistics()->Of(20).asBall, 215);
        statistics.ShowFigures(23);
        CheckNoLabelCutShort(statistics);
        SaveShot(statistics, QStringLiteral("statistics-window.png"));
        if (!qEnvironmentVariable("TALLIMO_SHOTS_DIR").isEmpty())
            QVERIFY(statistics.ChartImage().save(qEnvironmentVariable("TALLIMO_SHOTS_DIR") + "/statistics-chart.png"));

        const lottery::TLine ticket = Ticket(117, lottery::TLine::kUnlimitedWeeks, 0,
                                             {{3, 5, 14, 22, 30, 44}, {7, 12, 23, 31, 40, 45}, {1, 9, 17, 26, 38, 49}});
        master::TicketRunWindow run(c.context, ticket, history, lottery::DrawDateOf(3230) + 3, nullptr);
        run.show();
        QCOMPARE(run.Run().draws.size(), std::size_t(3230 - 116));
        int recorded = 0;
        for (const lottery::RunDraw& draw : run.Run().draws) recorded += draw.Recorded();
        QCOMPARE(recorded + run.Run().missingResults, 3230 - 116);
        // Moved draws are recorded on their real days, not their calendar days.
        QVERIFY(!run.Run().draws[178 - 117].Recorded());
        QVERIFY(run.Run().draws[179 - 117].Recorded());
        const auto fourBalls = std::find_if(run.Run().draws.begin(), run.Run().draws.end(),
                                            [](const lottery::RunDraw& draw) { return draw.BestTier() == '4'; });
        QVERIFY(fourBalls != run.Run().draws.end());
        QTest::mouseClick(run.Strip(), Qt::LeftButton, {},
                          run.Strip()->MarkRect(static_cast<int>(fourBalls - run.Run().draws.begin())).center());
        QCOMPARE(master::RunRowDelegate::PrizesText(*fourBalls).contains(QStringLiteral("4 Balls")), true);
        CheckNoLabelCutShort(run);
        SaveShot(run, QStringLiteral("run-window.png"));
    }
};

QTEST_MAIN(RunAndStatisticsTest)
#include "RunAndStatisticsTest.moc"
