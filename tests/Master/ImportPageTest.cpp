#include "FakePlatform.h"
#include "Master/HistoryPage.h"
#include "Master/ImportPage.h"
#include "Master/TMasterForm.h"
#include "TestDataDir.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using master::TMasterForm;
using testsupport::FakePlatform;
using testsupport::TestDataDir;

namespace {

const QByteArray kDraw117 = "117      05-FEB-1997  01 02 03 04 05 06  07";
const QByteArray kDraw118 = "118      08-FEB-1997  49 03 27 01 12 30  05";

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A form whose history has draw 1 recorded and saved, and draw 2 recorded
// in memory only, opened on the "Import Numbers" page.
struct ImportFixture {
    FakePlatform platform;
    TestDataDir data;
    QTemporaryDir downloads;
    std::unique_ptr<TMasterForm> form;
    QByteArray savedHistory;

    ImportFixture() {
        platform.today = QDate(1997, 2, 20);  // the latest draw is 121
        form = std::make_unique<TMasterForm>(platform, data.Paths(), false);
        form->show();
        lottery::LotteryState& lottery = form->Lottery();
        lottery.SetDrawResult(lottery.DrawHistory().At(0), {1, 2, 3, 4, 5, 6, 7}, lottery::DrawDateOf(1));
        lottery.SaveHistory();
        savedHistory = ReadFile(data.Paths().historyFilePath);
        lottery.SetDrawResult(lottery.DrawHistory().At(1), {11, 12, 13, 14, 15, 16, 17}, lottery::DrawDateOf(2));
        form->ShowPage(TMasterForm::ImportPageIndex);
    }
    void Import(const QByteArray& content) {
        const QString path = downloads.filePath(QStringLiteral("results.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        platform.fileAnswers.enqueue(path);
        QTest::mouseClick(form->Import()->Button1(), Qt::LeftButton);
    }
    int Recorded() const { return form->Lottery().DrawHistory().Count() - form->Lottery().CountUnrecordedDraws(); }
    // Nothing of a failed import remains: the file and the unsaved result too.
    void ExpectUnchanged() const {
        QCOMPARE(ReadFile(data.Paths().historyFilePath), savedHistory);
        QCOMPARE(Recorded(), 2);
        QCOMPARE(form->Lottery().DrawHistory().At(1).Number(1), 11);
        QCOMPARE(form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
    }
    QString Message() const { return platform.messages.isEmpty() ? QString() : platform.messages.last().text; }
};

}  // namespace

class ImportPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cancellingTheDialogChangesNothing() {
        ImportFixture f;
        QTest::mouseClick(f.form->Import()->Button1(), Qt::LeftButton);
        QVERIFY(f.platform.messages.isEmpty());
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::ImportPageIndex));
        QCOMPARE(f.Recorded(), 2);
    }

    void aFileThatCannotBeOpenedIsNamed() {
        ImportFixture f;
        const QString missing = f.downloads.filePath(QStringLiteral("missing.txt"));
        f.platform.fileAnswers.enqueue(missing);
        QTest::mouseClick(f.form->Import()->Button1(), Qt::LeftButton);
        QCOMPARE(f.Message(), QStringLiteral("Cannot open file ") + missing);
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::ImportPageIndex));
        QCOMPARE(f.Recorded(), 2);
    }

    void anEmptyFileIsReportedAndChangesNothing() {
        ImportFixture f;
        f.Import(QByteArray());
        QCOMPARE(f.platform.beeps, 1);
        QCOMPARE(f.Message(), QStringLiteral("Import Failed:\r\n\r\nImport File is Empty or its Format is Invalid"));
        f.ExpectUnchanged();
    }

    void aFormatErrorOnTheThirdLineChangesNothing() {
        ImportFixture f;
        f.Import(kDraw117 + "\r\n" + kDraw118 + "\r\nABC" + kDraw117.mid(3) + "\r\n");
        QCOMPARE(f.platform.beeps, 1);
        QCOMPARE(f.Message(), QStringLiteral("Import Failed:\r\n\r\nThere is a format error in the Import File"));
        f.ExpectUnchanged();
    }

    void anUnreadableDateChangesNothing() {
        ImportFixture f;
        QByteArray badMonth = kDraw118;
        badMonth.replace(12, 3, "FEX");
        f.Import(kDraw117 + "\n" + badMonth);
        QCOMPARE(f.platform.beeps, 0);
        QCOMPARE(f.Message(), QStringLiteral("'' is not a valid date"));
        f.ExpectUnchanged();
    }

    void aGoodFileReplacesTheHistoryAndIsSaved() {
        ImportFixture f;
        f.Import("\n" + kDraw117 + "\r" + kDraw118 + "\n\n");
        QVERIFY(f.platform.messages.isEmpty());
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
        const lottery::THistoryList& history = f.form->Lottery().DrawHistory();
        QCOMPARE(history.Count(), 121);
        QCOMPARE(f.Recorded(), 2);  // 117 and 118: the results typed by hand are gone
        QCOMPARE(history.At(1).Number(1), 1);
        QCOMPARE(history.At(1).Number(6), 49);
        QCOMPARE(f.form->findChild<QLabel*>(QStringLiteral("ResultsL2"))->text(), QStringLiteral("2"));
        const QByteArray file = ReadFile(f.data.Paths().historyFilePath);
        QCOMPARE(file.left(4), QByteArray("\x01\x00\x79\x00", 4));
        QCOMPARE(file.size(), 4 + 121 * 22);
        QCOMPARE(file.mid(4, 22).toHex(' '), QByteArray("01 00 02 00 03 00 04 00 05 00 06 00 07 00 00 00 00 00 "
                                                        "40 51 e1 40"));
    }

    // Newest first as downloaded; the balls above 49 in the last row make a
    // later game, left out and told after the import.
    void aCsvImportTellsWhatItLeftOut() {
        ImportFixture f;
        f.Import("DrawNo,Day,DD,MMM,YYYY,N1,N2,N3,N4,N5,N6,BonusBall\r\n"
                 "120,Sat,15,Feb,1997,01,02,03,04,05,55,07\r\n"
                 "119,Wed,12,Feb,1997,01,02,03,04,05,06,07\r\n"
                 "118,Sat,8,Feb,1997,49,03,27,01,12,30,05\r\n"
                 "117,Wed,5,Feb,1997,01,02,03,04,05,06,07\r\n");
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
        QCOMPARE(f.Recorded(), 3);
        QCOMPARE(f.form->Lottery().DrawHistory().At(1).Number(6), 49);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages.last().kind, QStringLiteral("Warning"));
        QCOMPARE(f.Message(), QStringLiteral("3 draws imported; 1 draw with balls above 49 left out (from 15-Feb-1997 "
                                             "on, when the game changed)."));
    }

    // 32766 lines leave room for one of the 120 draws the file lacks.
    void drawsLeftOutAreToldAfterTheImport() {
        ImportFixture f;
        f.Import((kDraw117 + "\r\n").repeated(lottery::THistoryList::kMaxEntries - 1));
        QCOMPARE(f.form->CurrentPage(), int(TMasterForm::HistoryPageIndex));
        QCOMPARE(f.form->Lottery().DrawHistory().Count(), lottery::THistoryList::kMaxEntries);
        QCOMPARE(ReadFile(f.data.Paths().historyFilePath).size(), 4 + lottery::THistoryList::kMaxEntries * 22);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages.last().kind, QStringLiteral("Warning"));
        QCOMPARE(f.Message(),
                 QStringLiteral("119 draws could not be kept: Tallimo can keep at most 32767 draw results."));
    }
};

QTEST_MAIN(ImportPageTest)
#include "ImportPageTest.moc"
