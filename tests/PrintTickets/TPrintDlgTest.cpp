#include "PrintTickets/TPrintDlg.h"
#include "FileSizeLimit.h"
#include "PdfPageCount.h"
#include "datepicker/DateField.h"
#include "datepicker/TEPCalendarPopup.h"
#include "report/RecordingSurface.h"
#include "tests/PrintTickets/PrintWorld.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using printtests::kDraw118;
using printtests::kSat1Feb1997;
using printtests::kSat8Feb1997;
using printtests::kWed5Feb1997;
using printtickets::TPrintDlg;
using report::RecordingSurface;

namespace {

// One dialog with two tickets to print, printing on a recording printer or,
// for systemPrinter, on the printer the platform reports.
struct PrintDialog {
    printtests::PrintWorld world;
    RecordingSurface* printer;  // owned by the dialog's engine
    TPrintDlg dialog;

    explicit PrintDialog(QDate today = QDate(2026, 12, 8), bool systemPrinter = false)
        : world(today),
          printer(systemPrinter ? nullptr : new RecordingSurface),
          dialog(world.context, world.lottery, nullptr, std::unique_ptr<report::ReportSurface>(printer)) {
        world.AddTicket({{1, 2, 3, 4, 5, 6}}, "Both draws", kWed5Feb1997 - 4, 9, 0);
        world.AddTicket({{7, 8, 9, 10, 11, 12}}, "Saturdays", kSat1Feb1997, 9, 2);
    }

    void TypeRange(const QString& first, const QString& last) {
        for (auto [box, text] : {std::pair(dialog.SDateBox(), first), std::pair(dialog.EDateBox(), last)}) {
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), text);
        }
    }
    void Show() {
        dialog.PrepareChecklist(world.lottery.FillTicketRows());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    void TypeCopies(const QString& copies) {
        dialog.SpinEdit1()->selectAll();
        QTest::keyClicks(dialog.SpinEdit1(), copies);
    }
    void Print() { QTest::mouseClick(dialog.Button1(), Qt::LeftButton); }
    QStringList Jobs() const {
        QStringList draws;
        if (!printer) return draws;
        for (const RecordingSurface::Call& call : printer->CallsOf(RecordingSurface::Kind::Text))
            if (call.text.startsWith(QStringLiteral("Draw: "))) draws << call.text;
        return draws;
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& message : world.platform.messages) texts << message.kind + QLatin1String(": ") + message.text;
        return texts;
    }
};


}  // namespace

class TPrintDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheNextDraw_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Thursday: the coming Saturday") << QDate(2026, 12, 10) << "12/12/2026";
        QTest::newRow("Wednesday: that Wednesday") << QDate(2026, 12, 9) << "09/12/2026";
    }
    void opensOnTheNextDraw() {
        QFETCH(QDate, today);
        QFETCH(QString, shown);
        PrintDialog print(today);
        print.Show();
        QCOMPARE(print.dialog.SDateBox()->Text(), shown);
        QCOMPARE(print.dialog.EDateBox()->Text(), shown);
        QVERIFY(print.dialog.SDateBox()->isEnabled());
        QCOMPARE(print.dialog.windowTitle(), "Print Draw Checklist");
        QCOMPARE(print.dialog.GroupBox1()->title(), "Checklists to be Printed");
        QCOMPARE(print.dialog.SDateBox()->Cal()->FirstYear(), 1994);
        QCOMPARE(print.dialog.SpinEdit1()->value(), 1);
        QCOMPARE(print.dialog.ReportEngine1().Title, "Tallimo");
    }

    void rejectsTheRange_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message");
        QTest::newRow("first no date") << "32/01/1997" << "08/02/1997"
            << "The First Draw Date is not a valid date. Please re-specify before continuing";
        QTest::newRow("31 February") << "01/02/1997" << "31/02/1997"
            << "The Last Draw Date is not a valid date. Please re-specify before continuing";
        QTest::newRow("Wednesday before 5 Feb 1997") << "29/01/1997" << "08/02/1997"
            << "The First Draw Date is not a valid Lottery Draw date. Please re-specify before continuing";
        QTest::newRow("Monday") << "01/02/1997" << "10/02/1997"
            << "The Last Draw Date is not a valid Lottery Draw date. Please re-specify before continuing";
        QTest::newRow("reversed") << "08/02/1997" << "01/02/1997"
            << "The Last Draw Date cannot be before the First Draw Date. Please re-specify before continuing";
    }
    void rejectsTheRange() {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, message);
        PrintDialog print;
        print.Show();
        print.TypeRange(first, last);
        print.dialog.EDateBox()->setFocus();
        print.Print();
        QCOMPARE(print.Messages(), QStringList{"Error: " + message});
        QCOMPARE(print.world.platform.beeps, 1);
        QVERIFY(print.dialog.isVisible());
        QCOMPARE(print.dialog.result(), 0);
        QCOMPARE(print.dialog.SDateBox()->lineEdit()->text(), first);
        QCOMPARE(print.dialog.EDateBox()->lineEdit()->text(), last);
        QVERIFY(print.dialog.SDateBox()->hasFocus());
        QVERIFY(print.Jobs().isEmpty());
    }

    void printsOneJobPerDrawOfTheRange() {
        PrintDialog print;
        print.Show();
        print.TypeRange("01/02/1997", "08/02/1997");
        print.TypeCopies("3");
        print.Print();
        QCOMPARE(print.Jobs(), (QStringList{"Draw: 116", "Draw: 117", "Draw: 118"}));
        QCOMPARE(print.printer->CallsOf(RecordingSurface::Kind::Begin).size(), 3u);
        QCOMPARE(print.printer->CallsOf(RecordingSurface::Kind::Begin).front().text, "Tallimo");
        QCOMPARE(print.dialog.ReportEngine1().Copies(), 3);
        QCOMPARE(print.dialog.result(), int(QDialog::Accepted));
        QVERIFY(!print.dialog.isVisible());
        QVERIFY(print.Messages().isEmpty());
    }

    // Enter in the spin box pulls a typed 0 into range before "Print" reads it.
    void enterPrintsWithTheCopiesPulledIntoRange() {
        PrintDialog print;
        print.Show();
        print.dialog.SpinEdit1()->setFocus();
        print.dialog.SpinEdit1()->selectAll();
        QTest::keyClicks(print.dialog.SpinEdit1(), "0");
        QTest::keyClick(print.dialog.SpinEdit1(), Qt::Key_Return);
        QCOMPARE(print.dialog.SpinEdit1()->text(), "1");
        QCOMPARE(print.dialog.ReportEngine1().Copies(), 1);
        QCOMPARE(print.Jobs().size(), 1);
    }

    void copiesTakeTwoCharactersAndBeepAtOthers() {
        PrintDialog print;
        print.Show();
        QSpinBox* copies = print.dialog.SpinEdit1();
        copies->setFocus();
        copies->selectAll();
        QTest::keyClicks(copies, "x15a7");
        QCOMPARE(print.world.platform.beeps, 2);  // the x and the a
        QCOMPARE(copies->text(), "15");          // two characters at most
        QTest::keyClick(copies, Qt::Key_Up);
        QCOMPARE(copies->value(), 16);
    }

    void withoutAPrinterEachDrawShowsTheMessage() {
        PrintDialog print(QDate(2026, 12, 8), true);  // the platform names no printer
        print.Show();
        print.TypeRange("01/02/1997", "08/02/1997");
        print.Print();
        QCOMPARE(print.Messages(), QStringList(3, "Error: No printers are defined, aborting print job."));
        QCOMPARE(print.dialog.result(), int(QDialog::Accepted));
    }

    void aFailedJobEndsTheRange() {
        PrintDialog print;
        print.printer->beginFails = true;
        print.Show();
        print.TypeRange("01/02/1997", "08/02/1997");
        print.Print();
        QCOMPARE(print.Messages(), QStringList{"Error: The print job could not be started."});
        QCOMPARE(print.dialog.result(), int(QDialog::Accepted));
    }

    void resultSheetPrintsExactlyTheSelectedDraw() {
        PrintDialog print;
        const lottery::THistoryLine& draw = print.world.lottery.AddDrawResult({1, 2, 3, 7, 8, 9, 10}, kSat8Feb1997);
        print.dialog.PrepareResultSheet(print.world.lottery.FillCheckRows(draw, true), draw);
        print.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&print.dialog));
        QCOMPARE(print.dialog.windowTitle(), "Print Draw Result Sheet");
        QCOMPARE(print.dialog.GroupBox1()->title(), "Result Sheets to be Printed");
        QCOMPARE(print.dialog.SDateBox()->Text(), "08/02/1997");
        QCOMPARE(print.dialog.EDateBox()->Text(), "08/02/1997");
        QVERIFY(!print.dialog.SDateBox()->isEnabled());
        QVERIFY(!print.dialog.EDateBox()->isEnabled());
        print.Print();
        QCOMPARE(print.Jobs(), QStringList{"Draw: 118"});
        QVERIFY(!print.dialog.ChecklistMode());
    }

    // Each draw's page twice over for two copies.
    void savesEveryDrawOfTheRangeInOnePdf() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString fileName = dir.filePath(QStringLiteral("checklists.pdf"));
        PrintDialog print(QDate(2026, 12, 8), true);  // no printer is needed for a file
        print.world.platform.fileAnswers.enqueue(fileName);
        print.Show();
        print.TypeRange("01/02/1997", "08/02/1997");
        print.TypeCopies("2");
        QTest::mouseClick(print.dialog.SaveAsPdfButton(), Qt::LeftButton);
        QVERIFY(print.Messages().isEmpty());
        QCOMPARE(print.world.platform.fileFilters, QStringList{"PDF files (*.pdf)|*.pdf"});
        QCOMPARE(testsupport::PdfPageCount(fileName), 6);
        QCOMPARE(print.dialog.result(), int(QDialog::Accepted));
    }

    void aPdfNotWrittenWholeIsReportedAndTheDialogStays_data() {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("diskRoom");  // bytes; 0 for no limit
        QTest::newRow("no such folder") << "missing/checklists.pdf" << 0;
        QTest::newRow("a file for a folder") << "file/checklists.pdf" << 0;
        QTest::newRow("disk full") << "checklists.pdf" << 16384;
    }
    void aPdfNotWrittenWholeIsReportedAndTheDialogStays() {
        QFETCH(QString, place);
        QFETCH(int, diskRoom);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString fileName = dir.filePath(place);
        PrintDialog print(QDate(2026, 12, 8), true);
        print.world.platform.fileAnswers.enqueue(fileName);
        print.Show();
        print.TypeRange("01/02/1997", "08/02/1997");
        print.TypeCopies("2");
        {
            std::optional<testsupport::FileSizeLimit> full;
            if (diskRoom > 0) full.emplace(rlim_t(diskRoom));
            QTest::mouseClick(print.dialog.SaveAsPdfButton(), Qt::LeftButton);
        }
        QCOMPARE(print.Messages(), QStringList{"Error: Cannot create file " + fileName});
        QVERIFY(!QFile::exists(fileName));
        QVERIFY(print.dialog.isVisible());
        QCOMPARE(print.dialog.result(), 0);
        QCOMPARE(print.dialog.SDateBox()->lineEdit()->text(), "01/02/1997");
        QCOMPARE(print.dialog.EDateBox()->lineEdit()->text(), "08/02/1997");
        QCOMPARE(print.dialog.SpinEdit1()->text(), "2");
    }

    // Wider than the design where it must be, never narrower.
    void captionsFitTheWindow() {
        PrintDialog print;
        const lottery::THistoryLine& draw = print.world.lottery.AddDrawResult({1, 2, 3, 7, 8, 9, 10}, kSat8Feb1997);
        print.dialog.PrepareResultSheet(print.world.lottery.FillCheckRows(draw, true), draw);
        print.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&print.dialog));
        QVERIFY(print.dialog.width() >= 303);
        const QPushButton* save = print.dialog.SaveAsPdfButton();
        QVERIFY(save->width() >= save->sizeHint().width());
        QVERIFY(save->geometry().right() < print.dialog.Button1()->x());
        QVERIFY(print.dialog.Button1()->geometry().right() < print.dialog.Button2()->x());
        QVERIFY(print.dialog.Button2()->geometry().right() < print.dialog.width());
    }

    void saveAsPdfChecksTheRangeAndCanBeCancelled() {
        PrintDialog print;
        print.Show();
        print.TypeRange("08/02/1997", "01/02/1997");
        QTest::mouseClick(print.dialog.SaveAsPdfButton(), Qt::LeftButton);
        QCOMPARE(print.Messages(), QStringList{"Error: The Last Draw Date cannot be before the First Draw Date. "
                                               "Please re-specify before continuing"});
        print.TypeRange("01/02/1997", "08/02/1997");
        QTest::mouseClick(print.dialog.SaveAsPdfButton(), Qt::LeftButton);  // the save dialog answers cancel
        QVERIFY(print.dialog.isVisible());
        QCOMPARE(print.Messages().size(), 1);
    }

    void labelsAndTabOrderReachTheFields() {
        PrintDialog print;
        print.Show();
        print.dialog.Button2()->setFocus();
        QTest::keyClick(&print.dialog, Qt::Key_L, Qt::AltModifier);
        QVERIFY(print.dialog.EDateBox()->hasFocus());
        QTest::keyClick(&print.dialog, Qt::Key_C, Qt::AltModifier);
        QVERIFY(print.dialog.SpinEdit1()->hasFocus());
        QTest::keyClick(&print.dialog, Qt::Key_F, Qt::AltModifier);
        QVERIFY(print.dialog.SDateBox()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(print.dialog.EDateBox()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(print.dialog.Button1()->hasFocus());
    }

    void escapeCancelsWithoutPrinting() {
        PrintDialog print;
        print.Show();
        QTest::keyClick(&print.dialog, Qt::Key_Escape);
        QCOMPARE(print.dialog.result(), int(QDialog::Rejected));
        QVERIFY(print.Jobs().isEmpty());
    }
};

QTEST_MAIN(TPrintDlgTest)
#include "TPrintDlgTest.moc"
