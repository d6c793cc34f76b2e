#include "AddLineDlg/ChoicePanel.h"
#include "AddLineDlg/ConfirmPage.h"
#include "AddLineDlg/NumberField.h"
#include "AddLineDlg/TAddLineForm.h"
#include "AddLineDlg/TicketPage.h"
#include "FakePlatform.h"
#include "app/DateText.h"
#include "app/SettingsStore.h"
#include "datepicker/DateField.h"
#include "datepicker/TEPCalendar.h"
#include "datepicker/TEPCalendarFm.h"
#include "datepicker/TEPCalendarPopup.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <deque>
#include <set>

using addlinedlg::TAddLineForm;
using lottery::TLine;
using testsupport::FakePlatform;

namespace {

const QString kNotADrawDate =
    QStringLiteral("The Date specified is not a valid Lottery Draw date. Please re-specify before continuing");
const QString kMustBeWednesday =
    QStringLiteral("The Date specified must be a Wednesday for Wednesday Draws. Please re-specify before continuing");
const QString kMustBeSaturday =
    QStringLiteral("The Date specified must be a Saturday for Saturday Draws. Please re-specify before continuing");

// The program's wiring around one wizard: a recording platform, the settings
// and British short dates.
struct Wizard {
    FakePlatform platform;
    app::SettingsStore settings;
    app::DateText dates{QLocale(QLocale::English, QLocale::UnitedKingdom), QStringLiteral("dd/MM/yyyy")};
    app::AppContext context{platform, settings, dates};
    TAddLineForm form{context};

    addlinedlg::NumberField* Field(int board, int position) const { return form.Ticket()->NumberFields(board, position); }
    QPushButton* Button(const char* name) const { return form.findChild<QPushButton*>(QLatin1String(name)); }
    QLabel* Label(const QString& name) const { return form.findChild<QLabel*>(name); }
    QComboBox* DateBox() const { return form.Ticket()->DateBox(); }
    addlinedlg::ChoicePanel* Panel(const QString& name) const { return form.findChild<addlinedlg::ChoicePanel*>(name); }

    void TypeDate(const QString& text) {
        DateBox()->lineEdit()->clear();
        QTest::keyClicks(DateBox()->lineEdit(), text);
    }
    void TypeBoard(int board, const QStringList& texts) {
        for (int position = 1; position <= texts.size(); ++position)
            QTest::keyClicks(Field(board, position), texts[position - 1]);
    }
    void Click(const QString& panel) { QTest::mouseClick(Panel(panel), Qt::LeftButton); }
    void Next() { QTest::mouseClick(Button("Button3"), Qt::LeftButton); }
    QStringList BoardFields(int board) const {
        QStringList texts;
        for (int position = 1; position <= 6; ++position) texts << Field(board, position)->text();
        return texts;
    }
    QStringList FacsimileRow(int board) const {
        QStringList texts;
        for (int position = 1; position <= 6; ++position) {
            QLabel* number = form.Confirm()->FacsimileNumbers(board, position);
            texts << (number->isHidden() ? QString() : number->text());
        }
        return texts;
    }
    QStringList Messages() const {
        QStringList texts;
        for (const auto& message : platform.messages) texts << message.kind + QLatin1String(": ") + message.text;
        return texts;
    }
};

const QStringList kBoard1 = {"1", "2", "3", "4", "5", "6"};
const QStringList kBoard2 = {"11", "22", "33", "44", "45", "49"};

bool Yellow(const addlinedlg::ChoicePanel* panel) {
    return panel->palette().color(QPalette::Window) == QColor(Qt::yellow);
}

QStringList ChosenPanels(const Wizard& wizard) {
    QStringList chosen;
    for (const char* name : {"W1", "W2", "W3", "W4", "W5", "W6", "W7", "W8", "W9", "D1", "D2", "D3"})
        if (Yellow(wizard.Panel(QLatin1String(name)))) chosen << QLatin1String(name);
    return chosen;
}

TLine Ticket(const TLine::BoardArray& boards, const std::string& description, double startDate, int16_t weeks,
             int16_t drawDays) {
    TLine ticket;
    ticket.SetTicket(boards, description, static_cast<lottery::DayNumber>(startDate), weeks, drawDays);
    return ticket;
}

// Boards A and B in use, a ticket for Wed 5 Feb 1997, two weeks, both draws.
TLine TwoBoardTicket() {
    TLine::BoardArray boards{};
    boards[0] = {7, 12, 19, 23, 40, 49};
    boards[1] = {1, 2, 3, 4, 5, 6};
    return Ticket(boards, "Fish & Chips", 35466, 2, 0);
}

// A ball source that hands out a fixed sequence and counts what it gave.
struct ScriptedBalls {
    std::shared_ptr<std::deque<int>> balls;
    explicit ScriptedBalls(std::initializer_list<int> sequence) : balls(std::make_shared<std::deque<int>>(sequence)) {}
    addlinedlg::BallSource Source() const {
        return [queue = balls] {
            if (queue->empty()) return -1;  // shows up in the board instead of hanging
            const int ball = queue->front();
            queue->pop_front();
            return ball;
        };
    }
};

QVariant StoredPosition(const char* name) {
    return QSettings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")).value(QStringLiteral("Wizard Window/") + name);
}

}  // namespace

class TAddLineFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Brenwick"), QStringLiteral("Tallimo")).clear(); }

    void opensANewTicketWithItsDefaults() {
        Wizard wizard;  // today is Tue 8 Dec 2026
        QCOMPARE(wizard.form.windowTitle(), QStringLiteral("Add Lottery Ticket"));
        QCOMPARE(wizard.form.size(), QSize(591, 462));
        QCOMPARE(wizard.form.pos(), QPoint(30, 30));
        QCOMPARE(wizard.form.CurrentPage(), 0);
        QCOMPARE(wizard.DateBox()->currentText(), QStringLiteral("09/12/2026"));
        QCOMPARE(wizard.DateBox()->count(), 0);
        QCOMPARE(ChosenPanels(wizard), QStringList({"W9", "D1"}));
        QCOMPARE(wizard.Panel("W9")->text(), QStringLiteral("§"));
        QCOMPARE(wizard.form.EnteredWeeks(), 9);
        QCOMPARE(wizard.form.EnteredDrawDays(), 0);
        QCOMPARE(wizard.form.EnteredBoards(), TLine::BoardArray{});
        QCOMPARE(wizard.Button("Button3")->text(), QStringLiteral("Next >"));
        QVERIFY(wizard.Button("Button3")->isDefault());
        QCOMPARE(wizard.form.Ticket()->Comment()->maxLength(), 80);
        for (int board = 1; board <= 10; ++board) {
            QCOMPARE(wizard.form.Ticket()->LuckyDipButton(board)->text(), QStringLiteral("Lucky Dip"));
            QCOMPARE(wizard.form.Ticket()->LuckyDipButton(board)->focusPolicy(), Qt::NoFocus);
            for (int position = 1; position <= 6; ++position) {
                QCOMPARE(wizard.Field(board, position)->objectName(), QStringLiteral("Memo%1").arg(6 * (board - 1) + position));
                QVERIFY(wizard.Field(board, position)->text().isEmpty());
            }
        }
        QStringList captions;
        for (const QLabel* label : wizard.form.Ticket()->findChildren<QLabel*>())
            if (label->text().startsWith(QStringLiteral("£1"))) captions << label->text();
        QCOMPARE(captions.size(), 10);
        QVERIFY(captions.contains(QStringLiteral("£1  Board  A")));
        QVERIFY(captions.contains(QStringLiteral("£1  Board  J")));
    }

    void defaultStartDateIsTheComingDrawDay_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("startDate");
        QTest::newRow("Wednesday itself") << QDate(2026, 12, 9) << "09/12/2026";
        QTest::newRow("Thursday gives Saturday") << QDate(2026, 12, 10) << "12/12/2026";
        QTest::newRow("Saturday itself") << QDate(2026, 12, 12) << "12/12/2026";
        QTest::newRow("Sunday gives Wednesday") << QDate(2026, 12, 13) << "16/12/2026";
    }
    void defaultStartDateIsTheComingDrawDay() {
        QFETCH(QDate, today);
        QFETCH(QString, startDate);
        FakePlatform platform;
        platform.today = today;
        app::SettingsStore settings;
        const app::DateText dates(QLocale(QLocale::English, QLocale::UnitedKingdom), QStringLiteral("dd/MM/yyyy"));
        const app::AppContext context{platform, settings, dates};
        TAddLineForm form(context);
        QCOMPARE(form.StartDateText(), startDate);
    }

    void clickingAPanelChoosesItAlone() {
        Wizard wizard;
        wizard.Click("W3");
        wizard.Click("D3");
        QCOMPARE(ChosenPanels(wizard), QStringList({"W3", "D3"}));
        QCOMPARE(wizard.form.EnteredWeeks(), 3);
        QCOMPARE(wizard.form.EnteredDrawDays(), 2);
        wizard.Click("W1");
        wizard.Click("D2");
        QCOMPARE(ChosenPanels(wizard), QStringList({"W1", "D2"}));
        QCOMPARE(wizard.form.EnteredWeeks(), 1);
        QCOMPARE(wizard.form.EnteredDrawDays(), 1);
    }

    void positionIsReadFromAndWrittenToWizardWindowAtEveryClose() {
        {
            QSettings stored(QStringLiteral("Brenwick"), QStringLiteral("Tallimo"));
            stored.setValue(QStringLiteral("Wizard Window/Left"), QStringLiteral("120"));
            stored.setValue(QStringLiteral("Wizard Window/Top"), QStringLiteral("0x50"));
        }
        Wizard wizard;
        QCOMPARE(wizard.form.pos(), QPoint(120, 80));
        wizard.TypeBoard(1, kBoard1);
        wizard.Next();
        QCOMPARE(wizard.form.CurrentPage(), 1);
        wizard.form.move(64, 48);
        QTest::mouseClick(wizard.Button("Button5"), Qt::LeftButton);
        QCOMPARE(wizard.form.result(), int(QDialog::Rejected));
        QCOMPARE(StoredPosition("Left").toString(), QStringLiteral("64"));
        QCOMPARE(StoredPosition("Top").toString(), QStringLiteral("48"));

        Wizard escaped;
        escaped.form.show();
        escaped.form.move(70, 90);
        QTest::keyClick(&escaped.form, Qt::Key_Escape);
        QVERIFY(!escaped.form.isVisible());
        QCOMPARE(StoredPosition("Left").toString(), QStringLiteral("70"));
        QCOMPARE(StoredPosition("Top").toString(), QStringLiteral("90"));
    }

    void numberFieldsTakeTwoDigitsOnly() {
        Wizard wizard;
        QTest::keyClicks(wizard.Field(1, 1), QStringLiteral("a1 -b2"));
        QCOMPARE(wizard.Field(1, 1)->text(), QStringLiteral("12"));
        QTest::keyClicks(wizard.Field(1, 2), QStringLiteral("345"));
        QCOMPARE(wizard.Field(1, 2)->text(), QStringLiteral("34"));
        QTest::keyClick(wizard.Field(1, 2), Qt::Key_Backspace);
        QCOMPARE(wizard.Field(1, 2)->text(), QStringLiteral("3"));
        QCOMPARE(wizard.Field(1, 1)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QVERIFY(wizard.Field(1, 1)->font().bold());
    }

    void enterMovesOnThroughFilledFieldsAndActsAsNextElsewhere() {
        Wizard wizard;
        wizard.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&wizard.form));
        wizard.Field(1, 1)->setFocus();
        QTest::keyClicks(wizard.Field(1, 1), QStringLiteral("7"));
        QTest::keyClick(wizard.Field(1, 1), Qt::Key_Return);
        QVERIFY(wizard.Field(1, 2)->hasFocus());
        QTest::keyClicks(wizard.Field(1, 6), QStringLiteral("9"));
        wizard.Field(1, 6)->setFocus();
        QTest::keyClick(wizard.Field(1, 6), Qt::Key_Enter);
        QVERIFY(wizard.Field(2, 1)->hasFocus());
        QTest::keyClick(wizard.Field(2, 1), Qt::Key_Backtab);  // the Lucky Dip buttons take no focus
        QVERIFY(wizard.Field(1, 6)->hasFocus());
        QTest::keyClick(wizard.Field(1, 6), Qt::Key_Tab);
        QVERIFY(wizard.Field(2, 1)->hasFocus());
        QVERIFY(wizard.platform.messages.isEmpty());

        // An empty field: "Next >", which finds board A incomplete.
        QTest::keyClick(wizard.Field(2, 1), Qt::Key_Return);
        QCOMPARE(wizard.Messages(), QStringList({"Error: Board A is incomplete. Please complete before continuing"}));
        QCOMPARE(wizard.platform.beeps, 2);
        QCOMPARE(wizard.form.CurrentPage(), 0);
    }

    void enterInTheLastFieldAlwaysActsAsNext() {
        Wizard wizard;
        wizard.TypeBoard(1, kBoard1);
        QTest::keyClicks(wizard.Field(10, 6), QStringLiteral("8"));
        QTest::keyClick(wizard.Field(10, 6), Qt::Key_Return);
        QCOMPARE(wizard.Messages(), QStringList({"Error: Board J is incomplete. Please complete before continuing"}));
        wizard.Field(10, 6)->clear();
        QTest::keyClick(wizard.Field(10, 6), Qt::Key_Return);
        QCOMPARE(wizard.form.CurrentPage(), 1);
        QCOMPARE(wizard.Button("Button3")->text(), QStringLiteral("Finish"));
    }

    void enterInAnEmptyFieldOfAGoodTicketGoesToTheConfirmPage() {
        Wizard wizard;
        wizard.TypeBoard(1, kBoard1);
        QTest::keyClick(wizard.Field(2, 1), Qt::Key_Return);
        QCOMPARE(wizard.form.CurrentPage(), 1);
        QVERIFY(wizard.platform.messages.isEmpty());
        QCOMPARE(wizard.platform.beeps, 0);
    }

    void enterInTheDateOrDescriptionPressesNext() {
        Wizard wizard;
        wizard.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&wizard.form));
        wizard.TypeBoard(1, kBoard1);
        wizard.DateBox()->setFocus();
        wizard.TypeDate(QStringLiteral("04/02/1997"));
        QTest::keyClick(wizard.DateBox()->lineEdit(), Qt::Key_Return);
        QCOMPARE(wizard.Messages(), QStringList({QStringLiteral("Error: ") + kNotADrawDate}));
        QCOMPARE(wizard.DateBox()->count(), 0);
        wizard.TypeDate(QStringLiteral("05/02/1997"));
        QTest::keyClick(wizard.DateBox()->lineEdit(), Qt::Key_Tab);
        QVERIFY(wizard.form.Ticket()->Comment()->hasFocus());
        QTest::keyClick(wizard.form.Ticket()->Comment(), Qt::Key_Return);
        QCOMPARE(wizard.form.CurrentPage(), 1);
    }

    void boardMessagesComeBoardByBoardInCheckOrder_data() {
        QTest::addColumn<QList<QStringList>>("boards");
        QTest::addColumn<QString>("message");
        const QStringList empty;
        QTest::newRow("gap before board C")
            << QList<QStringList>{kBoard1, empty, kBoard2}
            << "Board B has not been completed. You can only complete this Board if all previous Boards have been completed";
        QTest::newRow("07 and 7 on board A")
            << QList<QStringList>{{"07", "12", "7", "30", "31", "32"}}
            << "Board A has duplicate numbers specified. Please correct before continuing";
        QTest::newRow("five numbers on board A")
            << QList<QStringList>{{"1", "2", "3", "4", "5"}} << "Board A is incomplete. Please complete before continuing";
        QTest::newRow("a 50 on board A")
            << QList<QStringList>{{"1", "2", "3", "4", "5", "50"}}
            << "Board A is incomplete. Please complete before continuing";
        QTest::newRow("incomplete before gap and duplicates")
            << QList<QStringList>{kBoard1, empty, {"5", "5", "", "1", "2", "3"}}
            << "Board C is incomplete. Please complete before continuing";
        QTest::newRow("gap before duplicates")
            << QList<QStringList>{kBoard1, empty, {"5", "5", "6", "1", "2", "3"}}
            << "Board B has not been completed. You can only complete this Board if all previous Boards have been completed";
        QTest::newRow("all empty") << QList<QStringList>{} << "Please complete a Board before continuing";
        QTest::newRow("all zero") << QList<QStringList>{{"0", "00", "0", "00", "0", "0"}}
                                  << "Please complete a Board before continuing";
        QTest::newRow("only board J") << QList<QStringList>{empty, empty, empty, empty, empty, empty, empty, empty, empty,
                                                            kBoard2}
                                      << "Board I has not been completed. You can only complete this Board if all "
                                         "previous Boards have been completed";
    }
    void boardMessagesComeBoardByBoardInCheckOrder() {
        QFETCH(QList<QStringList>, boards);
        QFETCH(QString, message);
        Wizard wizard;
        for (int board = 1; board <= boards.size(); ++board) wizard.TypeBoard(board, boards[board - 1]);
        wizard.Next();
        QCOMPARE(wizard.Messages(), QStringList({QStringLiteral("Error: ") + message}));
        QCOMPARE(wizard.platform.beeps, 2);  // one before the message, one after it
        QCOMPARE(wizard.form.CurrentPage(), 0);
        QCOMPARE(wizard.Button("Button3")->text(), QStringLiteral("Next >"));
    }

    void aPastedLetterIsReportedWithItsBoardAndColumn() {
        Wizard wizard;
        wizard.TypeBoard(1, kBoard1);
        wizard.TypeBoard(2, {"1", "2"});
        QApplication::clipboard()->setText(QStringLiteral("x"));
        QTest::keyClick(wizard.Field(2, 3), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(wizard.Field(2, 3)->text(), QStringLiteral("x"));
        wizard.Next();
        QCOMPARE(wizard.Messages(), QStringList({"Error: Invalid number specified on Board B Column 3"}));
        QCOMPARE(wizard.platform.beeps, 2);
    }

    void startDateIsCheckedBeforeTheBoards_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("drawDays");
        QTest::addColumn<QString>("message");
        QTest::newRow("Wednesday with Sat") << "05/02/1997" << "D3" << kMustBeSaturday;
        QTest::newRow("Saturday with Wed") << "08/02/1997" << "D2" << kMustBeWednesday;
        QTest::newRow("Wednesday before Wednesday draws") << "29/01/1997" << "D1" << kNotADrawDate;
        QTest::newRow("Wednesday before Wednesday draws, Wed") << "29/01/1997" << "D2" << kNotADrawDate;
        QTest::newRow("Tuesday") << "04/02/1997" << "D3" << kNotADrawDate;
        QTest::newRow("before the first draw") << "12/11/1994" << "D1" << kNotADrawDate;
        QTest::newRow("no date") << "next week" << "D1" << kNotADrawDate;
    }
    void startDateIsCheckedBeforeTheBoards() {
        QFETCH(QString, date);
        QFETCH(QString, drawDays);
        QFETCH(QString, message);
        Wizard wizard;
        wizard.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&wizard.form));
        wizard.TypeDate(date);
        wizard.Click(drawDays);
        wizard.Field(1, 1)->setFocus();
        wizard.Next();  // the boards are empty too, but the date is reported alone
        QCOMPARE(wizard.Messages(), QStringList({QStringLiteral("Error: ") + message}));
        QCOMPARE(wizard.platform.beeps, 1);
        QCOMPARE(wizard.form.CurrentPage(), 0);
        QVERIFY(wizard.DateBox()->hasFocus());
        QCOMPARE(wizard.DateBox()->currentText(), date);
    }

    void fittingStartDatesAreAccepted_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("drawDays");
        QTest::newRow("Wednesday with Both") << "05/02/1997" << "D1";
        QTest::newRow("Wednesday with Wed") << "05/02/1997" << "D2";
        QTest::newRow("Saturday with Sat") << "08/02/1997" << "D3";
        QTest::newRow("first draw, Both") << "19/11/1994" << "D1";
    }
    void fittingStartDatesAreAccepted() {
        QFETCH(QString, date);
        QFETCH(QString, drawDays);
        Wizard wizard;
        wizard.TypeDate(date);
        wizard.Click(drawDays);
        wizard.TypeBoard(1, kBoard1);
        wizard.Next();
        QVERIFY(wizard.platform.messages.isEmpty());
        QCOMPARE(wizard.form.CurrentPage(), 1);
        QCOMPARE(wizard.form.StartDateText(), date);
    }

    void theDateBoxDropsDownTheCalendarAndTakesThePick() {
        Wizard wizard;
        wizard.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wizard.form));
        auto* dateBox = qobject_cast<datepicker::DateField*>(wizard.DateBox());
        QVERIFY(dateBox);
        wizard.TypeDate(QStringLiteral("05/02/1997"));
        dateBox->showPopup();
        datepicker::TEPCalendarFm* calendar = dateBox->Cal()->DropDown();
        QVERIFY(calendar);
        QCOMPARE(calendar->CalendarCd()->SelectedDate(), QDate(1997, 2, 5));
        QCOMPARE(calendar->pos(), wizard.DateBox()->mapToGlobal(QPoint(0, wizard.DateBox()->height() - 1)));
        QCOMPARE(wizard.platform.beeps, 0);
        QTest::keyClick(calendar->CalendarCd(), Qt::Key_Right);
        QTest::keyClick(calendar->CalendarCd(), Qt::Key_Right);
        QTest::keyClick(calendar->CalendarCd(), Qt::Key_Right);
        QTest::keyClick(calendar->CalendarCd(), Qt::Key_Return);
        QCOMPARE(wizard.form.StartDateText(), QStringLiteral("08/02/1997"));
        QCOMPARE(wizard.DateBox()->count(), 0);

        // A text that is no date: a beep, and the calendar starts at today.
        wizard.TypeDate(QStringLiteral("soon"));
        dateBox->showPopup();
        QCOMPARE(wizard.platform.beeps, 1);
        QCOMPARE(dateBox->Cal()->DropDown()->CalendarCd()->SelectedDate(), wizard.platform.today);
        QVERIFY(wizard.platform.messages.isEmpty());
    }

    void luckyDipFillsOneBoardWithSixSortedDifferentBalls() {
        Wizard wizard;
        wizard.TypeBoard(2, {"30", "12", "5"});
        for (int round = 0; round < 200; ++round) {
            QTest::mouseClick(wizard.form.Ticket()->LuckyDipButton(1), Qt::LeftButton);
            const QStringList texts = wizard.BoardFields(1);
            std::set<int> balls;
            int previous = 0;
            for (const QString& text : texts) {
                const int ball = text.toInt();
                QVERIFY2(ball >= 1 && ball <= 49, qPrintable(text));
                QCOMPARE(text, QString::number(ball));  // no leading zero
                QVERIFY(ball > previous);
                previous = ball;
                balls.insert(ball);
            }
            QCOMPARE(balls.size(), std::size_t(6));
        }
        QCOMPARE(wizard.BoardFields(2), QStringList({"30", "12", "5", "", "", ""}));
        for (int board = 3; board <= 10; ++board) QCOMPARE(wizard.BoardFields(board), QStringList(6, QString()));
        QVERIFY(wizard.form.Ticket()->Comment()->text().isEmpty());
        QCOMPARE(wizard.form.EnteredBoards()[1], TLine::Board{});
    }

    // Every control of the ticket page that a screen reader can reach says
    // what it is, the board fields with their board and place.
    void everyControlOfTheTicketPageHasAName() {
        Wizard wizard;
        QCOMPARE(QAccessible::queryAccessibleInterface(wizard.Field(3, 4))->text(QAccessible::Name),
                 QStringLiteral("Board C, number 4"));
        QAccessibleInterface* unlimited = QAccessible::queryAccessibleInterface(wizard.Panel("W9"));
        QCOMPARE(unlimited->text(QAccessible::Name), QStringLiteral("Unlimited weeks"));
        // The chosen panel, shown by its colour alone, is a checked radio button.
        QCOMPARE(unlimited->role(), QAccessible::RadioButton);
        QVERIFY(unlimited->state().checked);
        QAccessibleInterface* twoWeeks = QAccessible::queryAccessibleInterface(wizard.Panel("W2"));
        QVERIFY(!twoWeeks->state().checked);
        twoWeeks->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(twoWeeks->state().checked);
        QVERIFY(!unlimited->state().checked);
        QCOMPARE(QAccessible::queryAccessibleInterface(wizard.Panel("D2"))->text(QAccessible::Name),
                 QStringLiteral("Wednesday"));
        QCOMPARE(QAccessible::queryAccessibleInterface(wizard.form.Ticket()->LuckyDipButton(10))
                     ->text(QAccessible::Name),
                 QStringLiteral("Lucky Dip, board J"));
        QStringList unnamed;
        for (QWidget* control : wizard.form.findChildren<QWidget*>()) {
            const bool reachable = control->focusPolicy() != Qt::NoFocus || qobject_cast<QToolButton*>(control);
            if (!reachable || !wizard.form.Ticket()->isAncestorOf(control) ||
                !control->isVisibleTo(wizard.form.Ticket()))
                continue;
            if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << control->objectName() + QLatin1Char('/') + control->metaObject()->className();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u' ')));
    }

    // The Lucky Dip buttons keep out of the tab order; Ctrl+L in a board's
    // field does their work for that board, and nothing in edit mode.
    void ctrlLInABoardsFieldIsItsLuckyDip() {
        Wizard wizard;
        wizard.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&wizard.form));
        wizard.Field(3, 2)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(!wizard.BoardFields(3).contains(QString()));
        QCOMPARE(wizard.BoardFields(2), QStringList(6, QString()));

        Wizard editing;
        editing.form.PrepareEdit(TwoBoardTicket());
        editing.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&editing.form));
        editing.Field(1, 1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(editing.BoardFields(1), QStringList({"07", "12", "19", "23", "40", "49"}));
    }

    void luckyDipRedrawsNumbersTheBoardStillHolds() {
        Wizard wizard;
        ScriptedBalls first{30, 12, 5, 49, 1, 2};
        wizard.form.SetBallSource(first.Source());
        QTest::mouseClick(wizard.form.Ticket()->LuckyDipButton(3), Qt::LeftButton);
        QCOMPARE(wizard.BoardFields(3), QStringList({"1", "2", "5", "12", "30", "49"}));
        QCOMPARE(wizard.form.EnteredBoards()[2], (TLine::Board{1, 2, 5, 12, 30, 49}));

        // Position 1 may not take 5 (still at position 3), position 2 not the
        // 7 just drawn, position 4 not 30 (still at position 5), while the
        // last position may take 30 once it has left position 5. Typed
        // numbers are not what the board holds.
        wizard.Field(3, 1)->setText(QStringLiteral("8"));
        ScriptedBalls second{5, 7, 7, 8, 9, 30, 11, 12, 30};
        wizard.form.SetBallSource(second.Source());
        QTest::mouseClick(wizard.form.Ticket()->LuckyDipButton(3), Qt::LeftButton);
        QVERIFY(second.balls->empty());
        QCOMPARE(wizard.BoardFields(3), QStringList({"7", "8", "9", "11", "12", "30"}));
    }

    void nextShowsSortedNumbersAndBackKeepsTheTypedOrder() {
        Wizard wizard;
        wizard.TypeDate(QStringLiteral("05/02/1997"));
        wizard.TypeBoard(1, {"30", "12", "5", "49", "01", "33"});
        wizard.TypeBoard(2, kBoard2);
        QTest::keyClicks(wizard.form.Ticket()->Comment(), QStringLiteral("Office syndicate"));
        wizard.Next();
        QCOMPARE(wizard.form.CurrentPage(), 1);
        QCOMPARE(wizard.FacsimileRow(1), QStringList({"01", "05", "12", "30", "33", "49"}));
        QCOMPARE(wizard.FacsimileRow(2), QStringList({"11", "22", "33", "44", "45", "49"}));
        QCOMPARE(wizard.Label("Label5")->text(), QStringLiteral("Office syndicate"));
        QCOMPARE(wizard.Label("Label13")->text(), QStringLiteral("Ticket Confirmation"));

        QTest::mouseClick(wizard.Button("Button4"), Qt::LeftButton);
        QCOMPARE(wizard.form.CurrentPage(), 0);
        QCOMPARE(wizard.Button("Button3")->text(), QStringLiteral("Next >"));
        QCOMPARE(wizard.BoardFields(1), QStringList({"30", "12", "5", "49", "01", "33"}));

        wizard.Next();
        wizard.Next();  // "Finish"
        QCOMPARE(wizard.form.result(), int(QDialog::Accepted));
        TLine::BoardArray expected{};
        expected[0] = {1, 5, 12, 30, 33, 49};
        expected[1] = {11, 22, 33, 44, 45, 49};
        QCOMPARE(wizard.form.EnteredBoards(), expected);
        QCOMPARE(wizard.form.CommentText(), QStringLiteral("Office syndicate"));
        QCOMPARE(wizard.form.StartDateText(), QStringLiteral("05/02/1997"));
        QCOMPARE(wizard.form.EnteredWeeks(), 9);
        QCOMPARE(wizard.form.EnteredDrawDays(), 0);
    }

    // The file keeps descriptions in Windows-1252: a character it cannot
    // hold is refused as it is typed or pasted, so what is confirmed is kept.
    void descriptionRefusesCharactersTheFileCannotHold() {
        Wizard wizard;
        QLineEdit* comment = wizard.form.Ticket()->Comment();
        for (const QChar c : QStringLiteral("Łódź € café"))
            QTest::sendKeyEvent(QTest::Click, comment, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(comment->text(), QStringLiteral("ód € café"));
        QCOMPARE(wizard.platform.beeps, 2);

        QGuiApplication::clipboard()->setText(QStringLiteral("Zürich ☘ £5"));
        comment->paste();
        QCOMPARE(comment->text(), QStringLiteral("ód € café"));
        QCOMPARE(wizard.platform.beeps, 3);
        QGuiApplication::clipboard()->setText(QStringLiteral(" – Zürich £5?"));
        comment->paste();
        QCOMPARE(comment->text(), QStringLiteral("ód € café – Zürich £5?"));
        QCOMPARE(wizard.platform.beeps, 3);
    }

    void weeksAndDrawDaysAreChosenByKeyboard() {
        Wizard wizard;
        addlinedlg::ChoicePanel* w9 = wizard.Panel(QStringLiteral("W9"));
        QCOMPARE(w9->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(w9, Qt::Key_Left);
        QTest::keyClick(wizard.Panel(QStringLiteral("W8")), Qt::Key_Up);
        QTest::keyClick(wizard.Panel(QStringLiteral("D1")), Qt::Key_Right);
        QCOMPARE(ChosenPanels(wizard), QStringList({"W7", "D2"}));
        QTest::keyClick(wizard.Panel(QStringLiteral("D3")), Qt::Key_Space);
        QTest::keyClick(wizard.Panel(QStringLiteral("D3")), Qt::Key_Right);  // the last stays chosen
        QCOMPARE(ChosenPanels(wizard), QStringList({"W7", "D3"}));
        QCOMPARE(wizard.form.EnteredDrawDays(), 2);
        QCOMPARE(wizard.form.EnteredWeeks(), 7);
    }

    void confirmPageShowsTheDateAndDrawLines_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("weeks");
        QTest::addColumn<QString>("drawDays");
        QTest::addColumn<QString>("dateLine");
        QTest::addColumn<QString>("drawLine");
        QTest::newRow("one Wednesday") << "05/02/1997" << "W1" << "D2" << "Wed 05 Feb 97 Only" << "For 01 Wednesday Draw";
        QTest::newRow("two weeks both") << "05/02/1997" << "W2" << "D1" << "Wed 05 Feb 97 thru Sat 15 Feb 97"
                                        << "For 04 Draws 02 Wed and 02 Sat";
        QTest::newRow("one week both") << "05/02/1997" << "W1" << "D1" << "Wed 05 Feb 97 thru Sat 08 Feb 97"
                                       << "For 02 Draws 01 Wed and 01 Sat";
        QTest::newRow("four weeks both") << "05/02/1997" << "W4" << "D1" << "Wed 05 Feb 97 thru Sat 01 Mar 97"
                                         << "For 08 Draws 04 Wed and 04 Sat";
        QTest::newRow("three Wednesdays") << "05/02/1997" << "W3" << "D2" << "Wed 05 Feb 97 thru Wed 19 Feb 97"
                                          << "For 03 Wednesday Draws";
        QTest::newRow("one Saturday") << "08/02/1997" << "W1" << "D3" << "Sat 08 Feb 97 Only" << "For 01 Saturday Draw";
        QTest::newRow("two Saturdays") << "08/02/1997" << "W2" << "D3" << "Sat 08 Feb 97 thru Sat 15 Feb 97"
                                       << "For 02 Saturday Draws";
        QTest::newRow("unlimited Saturdays") << "08/02/1997" << "W9" << "D3" << "Starting Sat 08 Feb 97 "
                                             << "For Unlimited Weeks";
        QTest::newRow("unlimited both") << "05/02/1997" << "W9" << "D1" << "Starting Wed 05 Feb 97 "
                                        << "For Unlimited Weeks";
    }
    void confirmPageShowsTheDateAndDrawLines() {
        QFETCH(QString, date);
        QFETCH(QString, weeks);
        QFETCH(QString, drawDays);
        QFETCH(QString, dateLine);
        QFETCH(QString, drawLine);
        Wizard wizard;
        wizard.TypeDate(date);
        wizard.Click(weeks);
        wizard.Click(drawDays);
        wizard.TypeBoard(1, kBoard1);
        wizard.Next();
        QCOMPARE(wizard.form.CurrentPage(), 1);
        QCOMPARE(wizard.Label("DateLabel")->text(), dateLine);
        QCOMPARE(wizard.Label("DrawLabel")->text(), drawLine);
    }

    void facsimileShowsOnlyTheBoardsInUseAndTheDescriptionAsTyped() {
        Wizard wizard;
        wizard.TypeBoard(1, kBoard1);
        wizard.TypeBoard(2, kBoard2);
        QTest::keyClicks(wizard.form.Ticket()->Comment(), QStringLiteral("Fish & <b>Chips</b>"));
        wizard.Next();
        ConfirmPageChecks(wizard, 2);
        QCOMPARE(wizard.Label("Label5")->text(), QStringLiteral("Fish & <b>Chips</b>"));
        QCOMPARE(wizard.Label("Label5")->textFormat(), Qt::PlainText);
        QCOMPARE(wizard.Label("L1")->font().family(), QFont(QStringLiteral("Courier")).family());
        QCOMPARE(wizard.Label("BA")->text(), QStringLiteral("A."));
    }

    void editModeShowsTheStoredTicket() {
        Wizard wizard;
        TLine ticket = TwoBoardTicket();
        ticket.SetDescription(std::string(200, 'x'));
        wizard.form.PrepareEdit(ticket);
        QCOMPARE(wizard.form.windowTitle(), QStringLiteral("Edit Lottery Ticket"));
        QCOMPARE(wizard.form.CurrentPage(), 0);
        QCOMPARE(wizard.DateBox()->currentText(), QStringLiteral("05/02/1997"));
        QCOMPARE(wizard.BoardFields(1), QStringList({"07", "12", "19", "23", "40", "49"}));
        QCOMPARE(wizard.BoardFields(3), QStringList(6, QString()));
        QCOMPARE(ChosenPanels(wizard), QStringList({"W2", "D1"}));
        for (int board = 1; board <= 10; ++board) QVERIFY(!wizard.form.Ticket()->LuckyDipButton(board)->isEnabled());
        // A description stored longer than can be typed is not cut short.
        QCOMPARE(wizard.form.CommentText(), QString(200, QLatin1Char('x')));

        wizard.Click("W5");
        wizard.Next();
        wizard.Next();
        QCOMPARE(wizard.form.result(), int(QDialog::Accepted));
        QCOMPARE(wizard.form.EnteredBoards(), ticket.Boards());
        QCOMPARE(wizard.form.EnteredWeeks(), 5);
    }

    void editModeKeepsTheDefaultsForValuesWithoutAPanel() {
        Wizard wizard;
        wizard.form.PrepareEdit(Ticket(TwoBoardTicket().Boards(), "", 35469, 0, 3));
        QCOMPARE(ChosenPanels(wizard), QStringList({"W9", "D1"}));
        QCOMPARE(wizard.form.EnteredWeeks(), 9);
        QCOMPARE(wizard.form.EnteredDrawDays(), 0);
        wizard.form.PrepareEdit(Ticket(TwoBoardTicket().Boards(), "", 35469, 10, 2));
        QCOMPARE(ChosenPanels(wizard), QStringList({"W9", "D3"}));
    }

    void displayModeShowsTheTicketWithOnlyAnOkButton() {
        Wizard wizard;
        wizard.form.PrepareDisplay(TwoBoardTicket());
        wizard.form.show();
        QCOMPARE(wizard.form.windowTitle(), QStringLiteral("Display of Lottery Ticket"));
        QCOMPARE(wizard.form.CurrentPage(), 1);
        QCOMPARE(wizard.Label("Label13")->text(), QStringLiteral("Ticket Details"));
        QCOMPARE(wizard.Label("Label14")->text(),
                 QStringLiteral("To change the the lottery ticket displayed, use the Edit button on the previous Window"));
        QVERIFY(wizard.Label("Label14")->isVisible());
        QVERIFY(!wizard.Button("Button4")->isVisible());
        QVERIFY(!wizard.Button("Button3")->isVisible());
        QCOMPARE(wizard.Button("Button5")->text(), QStringLiteral("OK"));
        ConfirmPageChecks(wizard, 2);
        QCOMPARE(wizard.FacsimileRow(1), QStringList({"07", "12", "19", "23", "40", "49"}));
        QCOMPARE(wizard.Label("Label5")->text(), QStringLiteral("Fish & Chips"));
        QCOMPARE(wizard.Label("DateLabel")->text(), QStringLiteral("Wed 05 Feb 97 thru Sat 15 Feb 97"));
        QCOMPARE(wizard.Label("DrawLabel")->text(), QStringLiteral("For 04 Draws 02 Wed and 02 Sat"));
        QVERIFY(!wizard.Label("InvalidTicket")->isVisible());
        QVERIFY(!wizard.Label("LineA")->isVisible());
        QTest::mouseClick(wizard.Button("Button5"), Qt::LeftButton);
        QCOMPARE(wizard.form.result(), int(QDialog::Rejected));
    }

    void deleteModeReturnsAcceptedOnlyFromDelete() {
        for (const char* button : {"Button3", "Button5"}) {
            Wizard wizard;
            wizard.form.PrepareDelete(TwoBoardTicket());
            wizard.form.show();
            QCOMPARE(wizard.form.windowTitle(), QStringLiteral("Delete Lottery Ticket"));
            QCOMPARE(wizard.Label("Label13")->text(), QStringLiteral("Delete Confirmation"));
            QCOMPARE(wizard.Label("Label14")->text(),
                     QStringLiteral("You have selected to delete the lottery ticket displayed.\n\n"
                                    "Click \"Delete\" to permanently delete all lines associated with this ticket"));
            QCOMPARE(wizard.Button("Button3")->text(), QStringLiteral("Delete"));
            QCOMPARE(wizard.Button("Button5")->text(), QStringLiteral("Cancel"));
            QVERIFY(!wizard.Button("Button4")->isVisible());
            QCOMPARE(wizard.FacsimileRow(2), QStringList({"01", "02", "03", "04", "05", "06"}));
            QTest::mouseClick(wizard.Button(button), Qt::LeftButton);
            QCOMPARE(wizard.form.result(), int(button == std::string("Button3") ? QDialog::Accepted : QDialog::Rejected));
            QVERIFY(StoredPosition("Left").isValid());
        }
    }

    void winningsModeShowsEachBoardsPrizeAndMarksTheDrawnNumbers() {
        TLine::BoardArray boards{};
        boards[0] = {7, 12, 19, 23, 40, 49};   // three balls
        boards[1] = {1, 2, 3, 4, 5, 6};        // nothing
        boards[2] = {11, 12, 13, 14, 15, 19};  // five and the bonus (15)
        boards[3] = {11, 12, 13, 14, 19, 23};  // six
        boards[4] = {11, 12, 13, 14, 19, 40};  // five
        boards[5] = {11, 12, 13, 14, 40, 41};  // four
        const TLine ticket = Ticket(boards, "Syndicate", 35466, 2, 0);
        Wizard wizard;
        wizard.form.PrepareWinnings(ticket, Draw({23, 11, 19, 12, 14, 13, 15}, 35469), 118);
        wizard.form.show();

        QCOMPARE(wizard.form.windowTitle(), QStringLiteral("Display of Lottery Ticket"));
        QCOMPARE(wizard.Label("Label13")->text(), QStringLiteral("Draw: 118 Ticket Winnings"));
        QVERIFY(!wizard.Label("Label14")->isVisible());
        QVERIFY(!wizard.Label("InvalidTicket")->isVisible());
        QVERIFY(!wizard.Button("Button3")->isVisible());
        QVERIFY(!wizard.Button("Button4")->isVisible());
        QCOMPARE(wizard.Button("Button5")->text(), QStringLiteral("OK"));
        const QStringList prizes = {"3 Balls", "Nothing", "5 Balls and the Bonus", "JACKPOT! 6 Numbers", "5 Balls", "4 Balls"};
        for (int board = 1; board <= 10; ++board) {
            const QString letter(QChar(u'A' + board - 1));
            const bool inUse = board <= prizes.size();
            QCOMPARE(wizard.Label(QStringLiteral("Line") + letter)->isVisible(), inUse);
            QCOMPARE(wizard.Label(QStringLiteral("Winnings") + letter)->isVisible(), inUse);
            if (inUse) QCOMPARE(wizard.Label(QStringLiteral("Winnings") + letter)->text(), prizes[board - 1]);
        }
        QCOMPARE(Inks(wizard, 1), QStringList({"grey", "red bold", "red bold", "red bold", "grey", "grey"}));
        QCOMPARE(Inks(wizard, 2), QStringList(6, QStringLiteral("grey")));
        QCOMPARE(Inks(wizard, 3), QStringList({"red bold", "red bold", "red bold", "red bold", "black bold", "red bold"}));
        QCOMPARE(Inks(wizard, 4), QStringList(6, QStringLiteral("red bold")));
        QCOMPARE(Inks(wizard, 5), QStringList({"red bold", "red bold", "red bold", "red bold", "red bold", "grey"}));
        QCOMPARE(wizard.FacsimileRow(3), QStringList({"11", "12", "13", "14", "15", "19"}));
        ConfirmPageChecks(wizard, 6);
        QVERIFY(DrawnInRed(wizard.Label("L2")));
        QVERIFY(!DrawnInRed(wizard.Label("L1")));
        QTest::mouseClick(wizard.Button("Button5"), Qt::LeftButton);
        QCOMPARE(wizard.form.result(), int(QDialog::Rejected));
    }

    void winningsModeWarnsOfATicketNotEnteredForTheDraw() {
        // Saturdays only from 8 Feb 1997 for two weeks; draw 119 is Wed 12 Feb.
        TLine::BoardArray boards{};
        boards[0] = {1, 2, 3, 4, 5, 6};
        Wizard wizard;
        wizard.form.PrepareWinnings(Ticket(boards, "", 35469, 2, 2), Draw({1, 2, 3, 10, 11, 12, 13}, 35473), 119);
        wizard.form.show();
        QVERIFY(wizard.Label("InvalidTicket")->isVisible());
        QCOMPARE(wizard.Label("InvalidTicket")->text(),
                 QStringLiteral("Warning: This ticket was not valid for the Draw Checked."));
        QCOMPARE(wizard.Label("InvalidTicket")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(wizard.Label("WinningsA")->text(), QStringLiteral("3 Balls"));
        QCOMPARE(wizard.Label("DateLabel")->text(), QStringLiteral("Sat 08 Feb 97 thru Sat 15 Feb 97"));
        QCOMPARE(wizard.Label("DrawLabel")->text(), QStringLiteral("For 02 Saturday Draws"));
    }

private:
    static lottery::THistoryLine Draw(const lottery::THistoryLine::Numbers& numbers, lottery::DayNumber date) {
        lottery::THistoryLine draw;
        draw.SetResult(numbers, date);
        return draw;
    }

    // What the screen shows, not only what the palette says.
    static bool DrawnInRed(QLabel* label) {
        const QImage image = label->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.red() > 200 && pixel.green() < 90 && pixel.blue() < 90) return true;
            }
        return false;
    }

    // How each facsimile number of a board is inked: "red bold", "grey",
    // "black bold" or "black".
    static QStringList Inks(const Wizard& wizard, int board) {
        QStringList inks;
        for (int position = 1; position <= 6; ++position) {
            const QLabel* number = wizard.form.Confirm()->FacsimileNumbers(board, position);
            const QColor colour = number->palette().color(QPalette::WindowText);
            QString ink = colour == QColor(Qt::red) ? QStringLiteral("red")
                          : colour == QColor(Qt::black) ? QStringLiteral("black")
                          : colour == QColor(128, 128, 128) ? QStringLiteral("grey") : colour.name();
            if (number->font().bold()) ink += QStringLiteral(" bold");
            inks << ink;
        }
        return inks;
    }

private:
    // Rows of boards beyond the ones in use are hidden, letters included.
    static void ConfirmPageChecks(const Wizard& wizard, int boardsInUse) {
        for (int board = 1; board <= 10; ++board) {
            const bool inUse = board <= boardsInUse;
            QCOMPARE(!wizard.form.Confirm()->BoardLetterLabel(board)->isHidden(), inUse);
            for (int position = 1; position <= 6; ++position)
                QCOMPARE(!wizard.form.Confirm()->FacsimileNumbers(board, position)->isHidden(), inUse);
        }
    }
};

QTEST_MAIN(TAddLineFormTest)
#include "TAddLineFormTest.moc"
