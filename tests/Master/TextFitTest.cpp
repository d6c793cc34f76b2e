#include "AddLineDlg/TAddLineForm.h"
#include "FakePlatform.h"
#include "Master/AboutWindow.h"
#include "Master/EditResultPage.h"
#include "Master/HeaderedList.h"
#include "Master/HistoryPage.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "PrintTickets/TPrintDlg.h"
#include "TestDataDir.h"
#include "app/DateText.h"
#include "datepicker/TEPCalendarFm.h"
#include "datepicker/TEPCalendarPopup.h"
#include "lottery/DrawCalendar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTest>

#include <functional>
#include <memory>

using testsupport::FakePlatform;

namespace {

// The longest descriptions the wizard takes: one of the widest letter, and
// one of words as a user would type them.
const QString kWideDescription(80, QLatin1Char('W'));
const QString kWordyDescription =
    QStringLiteral("Wednesday & Saturday syndicate: Mum, Dad, Gwendolyn, Maximilian and Mrs Woodward");
// The longest day and month names of the year, on a draw day.
const QDate kLongestDrawDate(2026, 9, 30);
constexpr int kTickets = 120;

// Controls that shorten a text that cannot fit with "…" on purpose; they
// must then carry the whole text in their tool tip.
const QStringList kElidingControls = {
    QStringLiteral("TCLabel"), QStringLiteral("CheckL5"), QStringLiteral("Label5")};

// Text as drawn: a label shows "&" literally unless it has a buddy.
QString DrawnText(QString text, bool mnemonic) {
    if (!mnemonic) return text;
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace('\x01', '&');
}

QString Misfit(const QSize& needed, const QRect& room) {
    if (needed.width() <= room.width() && needed.height() <= room.height()) return {};
    return QStringLiteral("needs %1x%2, has %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QString LabelMisfit(const QLabel& label) {
    const QString text = DrawnText(label.text(), label.buddy() != nullptr);
    const QFontMetrics metrics(label.font());
    const int margin = label.margin();
    const QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const int flags = Qt::TextWordWrap | (label.alignment() & Qt::AlignHorizontal_Mask);
    if (label.wordWrap())
        return Misfit(metrics.boundingRect(QRect(0, 0, room.width(), QWIDGETSIZE_MAX), flags, text).size(), room);
    return Misfit({metrics.horizontalAdvance(text), metrics.height()}, room);
}

// The room the style leaves for a button's caption and icon.
QRect ButtonRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    }
    if (qobject_cast<const QCheckBox*>(&button))
        return button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    if (qobject_cast<const QRadioButton*>(&button))
        return button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) / 2;
    return button.contentsRect().adjusted(margin, 0, -margin, 0);
}

QString ButtonMisfit(const QAbstractButton& button) {
    const QFontMetrics metrics(button.font());
    const bool beside = qobject_cast<const QPushButton*>(&button) && !button.icon().isNull();
    const int iconWidth = beside ? button.iconSize().width() + 4 : 0;
    return Misfit({metrics.horizontalAdvance(DrawnText(button.text(), true)) + iconWidth, metrics.height()},
                  ButtonRoom(button));
}

QString Caption(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    return {};
}

QString Misfit(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (kElidingControls.contains(label->objectName()) && label->text().contains(QChar(0x2026)) &&
            (label->toolTip().isEmpty() || label->toolTip() == label->text()))
            return QStringLiteral("shortened without the whole text in its tool tip");
        return LabelMisfit(*label);
    }
    return ButtonMisfit(*qobject_cast<const QAbstractButton*>(&control));
}

// Every visible label and button of the window whose text does not fit it.
QStringList CutTexts(const QString& scene, const QWidget& window) {
    QStringList cut;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || Caption(*control).isEmpty()) continue;
        if (const QString misfit = Misfit(*control); !misfit.isEmpty())
            cut << QStringLiteral("%1: %2 \"%3\" %4").arg(scene, control->objectName(), Caption(*control), misfit);
    }
    return cut;
}

lottery::TLine::BoardArray TenBoards(int ticket) {
    lottery::TLine::BoardArray boards{};
    boards[0] = {1, 2, 3, 4, 5, 7};  // five and the bonus of the draw below
    boards[1] = {1, 2, 3, 4, 5, 6};  // the jackpot
    for (std::size_t board = 2; board < boards.size(); ++board)
        for (std::size_t position = 0; position < 6; ++position)
            boards[board][position] = static_cast<int16_t>(10 + (ticket + board * 6 + position) % 40);
    return boards;
}

// The main window over a hundred and more tickets of ten boards with the
// longest descriptions, half of them expired, and the draw of the longest
// date recorded.
struct World {
    FakePlatform platform;
    testsupport::TestDataDir data;
    master::TMasterForm form{platform, data.Paths(), false};
    std::unique_ptr<QWidget> dialog;
    std::unique_ptr<datepicker::TEPCalendarPopup> calendar;

    World() {
        const lottery::DayNumber longest = app::DateText::FromQDate(kLongestDrawDate);
        for (int ticket = 0; ticket < kTickets; ++ticket) {
            const std::string description = (ticket % 2 ? kWordyDescription : kWideDescription).toStdString();
            const bool expired = ticket % 4 == 3;
            form.Lottery().AddTicket(TenBoards(ticket), description, expired ? 35466 : longest, expired ? 1 : 8, 0);
        }
        form.Lottery().SetDrawResult(Draw(), {1, 2, 3, 4, 5, 6, 7}, longest);
        form.UpdateMainCounters();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.History()->FillHistoryPage();
        form.History()->HistoryList()->SelectRow(lottery::DrawNumberOf(longest) - 1);
    }

    const lottery::THistoryLine& Draw() {
        const lottery::DayNumber longest = app::DateText::FromQDate(kLongestDrawDate);
        return form.Lottery().DrawHistory().At(lottery::DrawNumberOf(longest) - 1);
    }
    const lottery::TLine& Ticket(int index) { return form.Lottery().TicketList().At(index); }

    QWidget* Page(int index) {
        form.ShowPage(index);
        return &form;
    }
    QWidget* Wizard(const std::function<void(addlinedlg::TAddLineForm&)>& prepare) {
        auto wizard = std::make_unique<addlinedlg::TAddLineForm>(form.Context(), &form);
        prepare(*wizard);
        return Shown(std::move(wizard));
    }
    QWidget* PrintDialog(bool resultSheet) {
        auto print = std::make_unique<printtickets::TPrintDlg>(form.Context(), form.Lottery(), &form);
        if (resultSheet)
            print->PrepareResultSheet(form.ResultSheet()->Rows().Rows(), Draw());
        else
            print->PrepareChecklist(form.Tickets()->Rows().Rows());
        return Shown(std::move(print));
    }
    QWidget* Calendar() {
        calendar = std::make_unique<datepicker::TEPCalendarPopup>([this] { return platform.today; }, &form);
        calendar->Popup(40, 40, kLongestDrawDate);
        return calendar->DropDown();
    }
    QWidget* Shown(std::unique_ptr<QWidget> window) {
        dialog = std::move(window);
        dialog->show();
        return dialog.get();
    }
};

using Opener = std::function<QWidget*(World&)>;

}  // namespace

Q_DECLARE_METATYPE(Opener)

class TextFitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The data is the worst case, and what is too long for its room is
    // shortened with its whole text at hand.
    void longestTextsAreShownOrShortened() {
        World world;
        world.form.ResultSheet()->MoveToDraw(0);
        QCOMPARE(world.form.findChild<QLabel*>(QStringLiteral("CheckL4"))->text(),
                 QStringLiteral("Wednesday 30 September 2026"));
        world.form.Main()->BitBtn1()->click();
        const QLabel* description = world.form.findChild<QLabel*>(QStringLiteral("TCLabel"));
        QVERIFY(description->text().endsWith(QChar(0x2026)));
        QCOMPARE(description->toolTip(), kWideDescription);

        addlinedlg::TAddLineForm wizard(world.form.Context(), &world.form);
        wizard.PrepareWinnings(world.Ticket(1), world.Draw(), lottery::DrawNumberOf(world.Draw().DrawDate()));
        QVERIFY(wizard.findChild<QLabel*>(QStringLiteral("Label13"))->text().contains(QRegularExpression("^Draw: \\d{4} ")));
        const QLabel* facsimile = wizard.findChild<QLabel*>(QStringLiteral("Label5"));
        QCOMPARE(facsimile->text().count(QLatin1Char('\n')), 1);
        QVERIFY(facsimile->text().startsWith(QStringLiteral("Wednesday & Saturday")));
        QVERIFY(facsimile->text().endsWith(QChar(0x2026)));
        QCOMPARE(facsimile->toolTip(), kWordyDescription);
    }

    void everyTextFitsWithTheLongestData_data() {
        QTest::addColumn<Opener>("open");
        using Index = master::TMasterForm::PageIndex;
        QTest::newRow("main") << Opener([](World& w) { return w.Page(Index::MainPageIndex); });
        for (int ticket : {0, 1}) {
            const char* kind = ticket ? "wordy" : "wide";
            QTest::addRow("tickets %s", kind) << Opener([ticket](World& w) {
                w.form.Main()->BitBtn1()->click();
                w.form.Tickets()->LinesList()->SelectRow(ticket * 10);
                return &w.form;
            });
            QTest::addRow("result sheet %s", kind) << Opener([ticket](World& w) {
                w.form.ResultSheet()->MoveToDraw(0);
                w.form.ResultSheet()->CheckList()->SelectRow(ticket);
                return &w.form;
            });
            QTest::addRow("wizard confirm %s", kind) << Opener([ticket](World& w) {
                return w.Wizard([&w, ticket](addlinedlg::TAddLineForm& wizard) {
                    wizard.PrepareEdit(w.Ticket(ticket));
                    wizard.findChild<QPushButton*>(QStringLiteral("Button3"))->click();
                });
            });
            QTest::addRow("wizard display %s", kind) << Opener([ticket](World& w) {
                return w.Wizard(
                    [&w, ticket](addlinedlg::TAddLineForm& wizard) { wizard.PrepareDisplay(w.Ticket(ticket)); });
            });
            QTest::addRow("wizard winnings %s", kind) << Opener([ticket](World& w) {
                return w.Wizard([&w, ticket](addlinedlg::TAddLineForm& wizard) {
                    wizard.PrepareWinnings(w.Ticket(ticket), w.Draw(), lottery::DrawNumberOf(w.Draw().DrawDate()));
                });
            });
        }
        QTest::newRow("wizard winnings not valid") << Opener([](World& w) {
            return w.Wizard([&w](addlinedlg::TAddLineForm& wizard) {
                wizard.PrepareWinnings(w.Ticket(3), w.Draw(), lottery::DrawNumberOf(w.Draw().DrawDate()));
                QVERIFY(wizard.findChild<QLabel*>(QStringLiteral("InvalidTicket"))->isVisibleTo(&wizard));
            });
        });
        QTest::newRow("import") << Opener([](World& w) { return w.Page(Index::ImportPageIndex); });
        QTest::newRow("history") << Opener([](World& w) { return w.Page(Index::HistoryPageIndex); });
        QTest::newRow("edit result") << Opener([](World& w) {
            w.form.History()->Button11()->click();
            return &w.form;
        });
        QTest::newRow("about") << Opener(
            [](World& w) { return w.Shown(std::make_unique<master::AboutWindow>(w.platform, &w.form)); });
        QTest::newRow("wizard entry") << Opener([](World& w) {
            return w.Wizard([&w](addlinedlg::TAddLineForm& wizard) { wizard.PrepareEdit(w.Ticket(1)); });
        });
        QTest::newRow("wizard delete") << Opener([](World& w) {
            return w.Wizard([&w](addlinedlg::TAddLineForm& wizard) { wizard.PrepareDelete(w.Ticket(1)); });
        });
        QTest::newRow("calendar") << Opener([](World& w) { return w.Calendar(); });
        QTest::newRow("print checklist") << Opener([](World& w) { return w.PrintDialog(false); });
        QTest::newRow("print result sheet") << Opener([](World& w) { return w.PrintDialog(true); });
    }

    void everyTextFitsWithTheLongestData() {
        QFETCH(Opener, open);
        World world;
        QWidget* window = open(world);
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Set, the pictures of what was checked are kept for a person to look at.
        const QString scene = QString::fromLatin1(QTest::currentDataTag());
        if (const QString shots = qEnvironmentVariable("TALLIMO_TEXTFIT_SHOTS"); !shots.isEmpty())
            window->grab().save(QDir(shots).filePath(QString(scene).replace(' ', '-') + ".png"));
        const QStringList cut = CutTexts(scene, *window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

// British day and month names and short dates, as the testers run it.
int main(int argc, char** argv) {
    qputenv("LC_ALL", "en_GB.UTF-8");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    TextFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TextFitTest.moc"
