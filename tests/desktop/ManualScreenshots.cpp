// Takes the manual's pictures from the real windows, filled with sample
// tickets and results, so that the manual shows the program as it is.
// scripts/manual-screenshots.sh builds and runs it.

#include "AddLineDlg/NumberField.h"
#include "AddLineDlg/TAddLineForm.h"
#include "AddLineDlg/TicketPage.h"
#include "FakePlatform.h"
#include "Master/AboutWindow.h"
#include "Master/EditResultPage.h"
#include "Master/HistoryPage.h"
#include "Master/ImportPage.h"
#include "Master/MainPage.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "PrintTickets/TPrintDlg.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"
#include "app/TallimoApplication.h"
#include "lottery/LotteryState.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

double Day(int year, int month, int day) {
    return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(year, month, day)));
}

// Three tickets, the second of them expired.
QByteArray SampleTickets() {
    testsupport::TicketFileBuilder builder;
    builder.Add({{3, 11, 17, 24, 38, 45}, {7, 12, 19, 23, 31, 40}, {2, 9, 21, 28, 36, 44}, {5, 14, 22, 33, 41, 49}},
                "Office syndicate", Day(2026, 10, 3), 9, 0);
    builder.Add({{1, 6, 15, 27, 30, 42}, {4, 10, 18, 25, 39, 47}}, "Birthday numbers", Day(2026, 11, 7), 2, 2);
    builder.Add({{8, 13, 20, 26, 34, 43}, {16, 29, 32, 35, 46, 48}, {2, 12, 23, 31, 37, 45}}, "Lucky Dip",
                Day(2026, 11, 25), 4, 1);
    return builder.Bytes();
}

// Every draw but the latest gets numbers, the same ones on every run.
void RecordPastDraws(lottery::LotteryState& lottery) {
    QRandomGenerator balls(49);
    const lottery::THistoryList& history = lottery.DrawHistory();
    for (int i = 0; i < history.Count(); ++i) {
        const lottery::THistoryLine& draw = history.At(i);
        if (draw.IsRecorded() || draw.DrawDate() >= Day(2026, 12, 5)) continue;
        lottery::THistoryLine::Numbers numbers{};
        for (std::size_t n = 0; n < numbers.size(); ++n) {
            int ball = 0;
            do ball = balls.bounded(1, 50);
            while (std::find(numbers.begin(), numbers.end(), ball) != numbers.end());
            numbers[n] = static_cast<int16_t>(ball);
        }
        lottery.SetDrawResult(draw, numbers, static_cast<lottery::DayNumber>(draw.DrawDate()));
    }
}

class Camera {
public:
    explicit Camera(QString folder) : folder_(std::move(folder)) {}

    void Take(QWidget& window, const QString& name) {
        QApplication::processEvents();
        const QString path = QDir(folder_).filePath(name);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            failed_ = true;
        }
    }
    bool Failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

void Click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void TakeWizard(master::TMasterForm& form, Camera& camera) {
    addlinedlg::TAddLineForm wizard(form.Context(), &form);
    wizard.show();
    QTest::keyClicks(wizard.Ticket()->Comment(), QStringLiteral("Christmas syndicate"));
    const std::array<const char*, 6> numbers = {"04", "09", "17", "26", "33", "48"};
    for (int position = 1; position <= 6; ++position)
        QTest::keyClicks(wizard.Ticket()->NumberFields(1, position), QLatin1String(numbers[position - 1]));
    camera.Take(wizard, QStringLiteral("wizard.png"));
}

void TakePrintDialog(master::TMasterForm& form, Camera& camera) {
    printtickets::TPrintDlg dialog(form.Context(), form.Lottery(), &form);
    dialog.PrepareChecklist(form.Tickets()->Rows().Rows());
    dialog.show();
    camera.Take(dialog, QStringLiteral("print.png"));
}

void TakeAbout(testsupport::FakePlatform& platform, master::TMasterForm& form, Camera& camera) {
    master::AboutWindow about(platform, &form);
    about.show();
    camera.Take(about, QStringLiteral("about.png"));
}

// The way a user goes through the program: the main page, the tickets and
// the wizard, the history and its import, then "Have you Won?" to the result sheet.
void TakeEveryScreen(testsupport::FakePlatform& platform, master::TMasterForm& form, Camera& camera) {
    form.show();
    camera.Take(form, QStringLiteral("main.png"));
    Click(form.Main()->BitBtn1());
    camera.Take(form, QStringLiteral("tickets.png"));
    TakeWizard(form, camera);
    TakePrintDialog(form, camera);
    Click(form.Tickets()->Button5());
    Click(form.Main()->BitBtn3());
    camera.Take(form, QStringLiteral("history.png"));
    Click(form.History()->Button15());
    camera.Take(form, QStringLiteral("import.png"));
    Click(form.Import()->Button8());
    Click(form.History()->Button13());
    Click(form.Main()->BitBtn5());
    const std::array<const char*, 7> winning = {"07", "12", "23", "31", "08", "44", "19"};
    for (int memo = 1; memo <= 7; ++memo) {
        QLineEdit* field = form.EditResult()->Memo(memo);
        field->setFocus();
        field->selectAll();  // typing replaces the "00" of a draw not yet recorded
        QTest::keyClicks(field, QLatin1String(winning[memo - 1]));
    }
    camera.Take(form, QStringLiteral("edit-result.png"));
    Click(form.EditResult()->Button10());
    camera.Take(form, QStringLiteral("result-sheet.png"));
    TakeAbout(platform, form, camera);
}

}  // namespace

int main(int argc, char** argv) {
    app::TallimoApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder for the pictures>\n", argv[0]);
        return 2;
    }
    // Settings and the reminder entry go to a test area, not the user's own.
    QStandardPaths::setTestModeEnabled(true);
    testsupport::FakePlatform platform;
    testsupport::TestDataDir data;
    data.WriteTickets(SampleTickets());
    master::TMasterForm form(platform, data.Paths(), false);
    RecordPastDraws(form.Lottery());
    form.UpdateMainCounters();
    Camera camera(QString::fromLocal8Bit(argv[1]));
    TakeEveryScreen(platform, form, camera);
    return camera.Failed() ? 1 : 0;
}
