#include "datepicker/DateField.h"
#include "datepicker/TEPCalendar.h"
#include "datepicker/TEPCalendarFm.h"
#include "datepicker/TEPCalendarPopup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <stdexcept>

using namespace datepicker;

namespace {

const QDate kToday(2026, 12, 8);
const QString kFormat = QStringLiteral("dd/MM/yyyy");

}  // namespace

class DateFieldTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        beeps_ = 0;
        dialog_ = std::make_unique<QWidget>();
        dialog_->setGeometry(100, 100, 400, 300);
        field_ = new DateField(Services(), dialog_.get());
        field_->setGeometry(20, 30, 145, 21);
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

    void cleanup() { dialog_.reset(); }

    void opensJustBelowTheFieldOnItsDate() {
        field_->SetText("16/02/1995");
        field_->showPopup();
        TEPCalendarFm* window = field_->Cal()->DropDown();
        QVERIFY(window);
        QCOMPARE(window->pos(), field_->mapToGlobal(QPoint(0, field_->height() - 1)));
        QCOMPARE(window->CalendarCd()->SelectedDate(), QDate(1995, 2, 16));
        QCOMPARE(window->MonthCb()->currentText(), QLocale().standaloneMonthName(2));
        QCOMPARE(window->YearCb()->currentText(), "1995");
        QCOMPARE(beeps_, 0);
        QCOMPARE(field_->count(), 0);
    }

    void aTextThatIsNoDateBeepsAndOpensAtToday() {
        field_->SetText("next Wednesday");
        field_->showPopup();
        QCOMPARE(beeps_, 1);
        QCOMPARE(field_->Cal()->DropDown()->CalendarCd()->SelectedDate(), kToday);
        QCOMPARE(field_->Text(), "next Wednesday");
    }

    void thePickedDateBecomesTheText() {
        QSignalSpy picks(field_, &DateField::datePicked);
        field_->SetText("16/02/1995");
        field_->showPopup();
        TEPCalendarFm* window = field_->Cal()->DropDown();
        QTest::keyClick(window->CalendarCd(), Qt::Key_Down);
        QTest::keyClick(window->CalendarCd(), Qt::Key_Return);
        QCOMPARE(field_->Text(), "23/02/1995");
        QCOMPARE(picks.count(), 1);
        QCOMPARE(field_->count(), 0);
    }

    void closingWithoutAPickKeepsTheText() {
        field_->SetText("16/02/1995");
        field_->showPopup();
        QPointer<TEPCalendarFm> window = field_->Cal()->DropDown();
        QTest::keyClick(window->CalendarCd(), Qt::Key_Down);
        QTest::keyClick(window->CalendarCd(), Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(field_->Text(), "16/02/1995");
    }

    void theDropDownKeyOpensTheCalendarAndEnterAddsNoEntry() {
        field_->setFocus();
        field_->lineEdit()->setText("01/03/2000");
        QTest::keyClick(field_->lineEdit(), Qt::Key_Return);
        QCOMPARE(field_->count(), 0);
        QTest::keyClick(field_, Qt::Key_F4);
        QVERIFY(field_->Cal()->DropDown());
        QCOMPARE(field_->Cal()->DropDown()->CalendarCd()->SelectedDate(), QDate(2000, 3, 1));
    }

    void everyServiceIsRequired() {
        for (int missing = 0; missing < 4; ++missing) {
            DateFieldServices services = Services();
            if (missing == 0) services.today = nullptr;
            if (missing == 1) services.beep = nullptr;
            if (missing == 2) services.dateFromText = nullptr;
            if (missing == 3) services.textFromDate = nullptr;
            QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DateField field(services));
        }
    }

private:
    DateFieldServices Services() {
        return {
            [] { return kToday; },
            [this] { ++beeps_; },
            [](const QString& text) -> std::optional<QDate> {
                const QDate date = QDate::fromString(text, kFormat);
                return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
            },
            [](const QDate& date) { return date.toString(kFormat); },
        };
    }

    std::unique_ptr<QWidget> dialog_;
    DateField* field_ = nullptr;
    int beeps_ = 0;
};

QTEST_MAIN(DateFieldTest)
#include "DateFieldTest.moc"
