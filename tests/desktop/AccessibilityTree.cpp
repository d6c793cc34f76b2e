// Prints what a screen reader is told about the main window, the ticket
// wizard with its drop-down calendar and the result sheet: every object shown, with its role, name,
// description and state, and for the lists their row count and first rows.
// With a folder it also grabs those windows there, in a dark palette with
// --dark, to see that the program reads in a dark desktop theme.
//
//   accessibility_tree [--dark] [<folder for pictures>]

#include "AddLineDlg/TAddLineForm.h"
#include "AddLineDlg/TicketPage.h"
#include "FakePlatform.h"
#include "Master/HeaderedList.h"
#include "Master/MainPage.h"
#include "Master/ResultSheetPage.h"
#include "Master/TMasterForm.h"
#include "Master/TicketsPage.h"
#include "TestDataDir.h"
#include "TicketFileBuilder.h"
#include "app/TallimoApplication.h"
#include "datepicker/TEPCalendarFm.h"
#include "lottery/LotteryState.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QMetaEnum>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kRowsShown = 3;

QString StateText(const QAccessible::State& state) {
    QStringList flags;
    if (state.focusable) flags << QStringLiteral("focusable");
    if (state.focused) flags << QStringLiteral("focused");
    if (state.checkable) flags << (state.checked ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    if (state.selected) flags << QStringLiteral("selected");
    if (state.disabled) flags << QStringLiteral("disabled");
    return flags.join(u',');
}

void Dump(QTextStream& out, QAccessibleInterface* node, int depth) {
    if (!node || node->state().invisible) return;
    const QString indent(depth * 2, u' ');
    out << indent << QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role()) << " \""
        << node->text(QAccessible::Name) << '"';
    const QString description = node->text(QAccessible::Description);
    if (!description.isEmpty()) out << " (" << description << ')';
    const QString value = node->text(QAccessible::Value);
    if (!value.isEmpty()) out << " value \"" << value << '"';
    const QString state = StateText(node->state());
    if (!state.isEmpty()) out << " [" << state << ']';
    const int children = node->childCount();
    const bool list = node->role() == QAccessible::List;
    if (list) out << ", " << children << " rows";
    out << '\n';
    const int shown = list ? std::min(children, kRowsShown) : children;
    for (int i = 0; i < shown; ++i) Dump(out, node->child(i), depth + 1);
    if (shown < children) out << indent << "  ...\n";
    if (QAccessibleInterface* focus = list ? node->focusChild() : nullptr; focus && node->indexOfChild(focus) >= shown)
        Dump(out, focus, depth + 1);
}

void DumpWindow(QTextStream& out, const QString& title, QWidget& window) {
    QApplication::processEvents();
    out << "=== " << title << " ===\n";
    Dump(out, QAccessible::queryAccessibleInterface(&window), 0);
    out << '\n';
}

void Grab(const QString& folder, QWidget& window, const QString& name) {
    if (folder.isEmpty()) return;
    QApplication::processEvents();
    if (!window.grab().save(QDir(folder).filePath(name))) std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
}

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(225, 225, 225));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(225, 225, 225));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(225, 225, 225));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Light, QColor(80, 80, 84));
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return dark;
}

// Two tickets, one expired, and the latest draw with a winning board.
QByteArray SampleTickets() {
    return testsupport::TicketFileBuilder()
        .Add({{3, 11, 17, 24, 38, 45}, {7, 12, 19, 23, 31, 40}}, "Office syndicate", 46298, 9, 0)
        .Add({{1, 6, 15, 27, 30, 42}}, "Birthday numbers", 46333, 1, 2)
        .Bytes();
}

void ShowAll(master::TMasterForm& form, const QString& folder) {
    QTextStream out(stdout);
    form.show();
    DumpWindow(out, QStringLiteral("Main window, main page"), form);
    Grab(folder, form, QStringLiteral("main.png"));
    QTest::mouseClick(form.Main()->BitBtn1(), Qt::LeftButton);
    form.Tickets()->LinesList()->SelectRow(2);
    DumpWindow(out, QStringLiteral("Main window, tickets page"), form);
    Grab(folder, form, QStringLiteral("tickets.png"));
    {
        addlinedlg::TAddLineForm wizard(form.Context(), &form);
        wizard.show();
        DumpWindow(out, QStringLiteral("Ticket wizard"), wizard);
        Grab(folder, wizard, QStringLiteral("wizard.png"));
        wizard.Ticket()->DateBox()->showPopup();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* calendar = qobject_cast<datepicker::TEPCalendarFm*>(window); calendar && calendar->isVisible()) {
                DumpWindow(out, QStringLiteral("Drop-down calendar of the start date"), *calendar);
                Grab(folder, *calendar, QStringLiteral("calendar.png"));
                calendar->close();
            }
    }
    QTest::mouseClick(form.Tickets()->Button5(), Qt::LeftButton);
    lottery::LotteryState& lottery = form.Lottery();
    const lottery::THistoryList& history = lottery.DrawHistory();
    lottery.SetDrawResult(history.At(history.Count() - 1), {3, 11, 17, 24, 5, 6, 38},
                          static_cast<lottery::DayNumber>(history.At(history.Count() - 1).DrawDate()));
    QTest::mouseClick(form.Main()->BitBtn5(), Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button10")), Qt::LeftButton);
    DumpWindow(out, QStringLiteral("Main window, result sheet"), form);
    Grab(folder, form, QStringLiteral("result-sheet.png"));
}

}  // namespace

int main(int argc, char** argv) {
    app::TallimoApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark")) > 0) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    if (arguments.size() > 1) {
        std::fprintf(stderr, "usage: %s [--dark] [<folder for pictures>]\n", argv[0]);
        return 2;
    }
    // Settings go to a test area, not the user's own.
    QStandardPaths::setTestModeEnabled(true);
    testsupport::FakePlatform platform;
    testsupport::TestDataDir data;
    data.WriteTickets(SampleTickets());
    master::TMasterForm form(platform, data.Paths(), false);
    ShowAll(form, arguments.value(0));
    return 0;
}
