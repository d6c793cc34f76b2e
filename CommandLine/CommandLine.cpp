#include "CommandLine/CommandLine.h"

#include "Master/ImportPage.h"
#include "PrintTickets/DrawRangePrinter.h"
#include "PrintTickets/DrawReport.h"
#include "app/ErrorReport.h"
#include "app/ProgramLottery.h"
#include "app/SingleCopyLock.h"
#include "app/TallimoApplication.h"
#include "lottery/DrawCalendar.h"
#include "lottery/TicketRow.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace commandline {
namespace {

const QString kUsage = QStringLiteral(
    "Usage: tallimo [OPTION]\n"
    "Without an option, or with /WARN, Tallimo starts its window.\n"
    "\n"
    "  --help                        show this help and exit\n"
    "  --version                     show the version and exit\n"
    "  --check [DRAW] [--all]        check the tickets against the result of draw number\n"
    "                                DRAW (by default the latest draw with a result);\n"
    "                                --all checks every ticket, not only those entered\n"
    "                                for the draw\n"
    "  --import FILE                 rebuild the results history from FILE\n"
    "  --pdf checklist FROM TO OUT   save the draw checklists from FROM to TO (short dates\n"
    "                                or draw numbers) as the PDF file OUT\n"
    "  --pdf results DRAW OUT        save the result sheet of draw number DRAW as the PDF\n"
    "                                file OUT\n"
    "\n"
    "Exit status: 0 done, 1 failed, 2 the command line was not understood.\n");

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

// A whole number from 1 up, or nothing.
std::optional<int> DrawNumberArgument(const QString& text) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber && number >= 1 ? std::optional<int>(number) : std::nullopt;
}

QString DrawLine(const lottery::THistoryLine& draw, const QString& longDate) {
    QStringList balls;
    for (int ball = 1; ball <= lottery::THistoryLine::kBallCount; ++ball)
        balls << QString::fromStdString(draw.NumberText(ball));
    return QStringLiteral("Draw %1 %2: %3 Bonus %4")
        .arg(lottery::DrawNumberOf(draw.DrawDate()))
        .arg(longDate, balls.join(QLatin1Char(' ')),
             QString::fromStdString(draw.NumberText(lottery::THistoryLine::kNumberCount)));
}

QString CheckRowLine(const lottery::CheckRow& row, const lottery::TLine& ticket) {
    QStringList numbers;
    for (int position = 1; position <= 6; ++position)
        numbers << QString::fromStdString(ticket.NumberText(row.Board(), position));
    return QStringList{QString(QLatin1Char(row.Tier())),
                       QString::fromStdString(lottery::TicketRowKey(row.TicketNumber(), row.Board())),
                       numbers.join(QLatin1Char(' ')), QString::fromStdString(lottery::ResultSheetTierText(row.Tier()))}
        .join(QLatin1Char('\t'));
}

}  // namespace

bool CommandLine::Wanted(int argc, char** argv) {
    return argc > 1 && QByteArray(argv[1]).startsWith("--");
}

int CommandLine::Run(int argc, char** argv) {
    // Fonts for the reports need a platform, and a script has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app::TallimoApplication application(argc, argv);
    CommandLine commandLine(app::DataFilePaths::ForInstalledExecutable(QApplication::applicationFilePath()));
    application.SetErrorReporter(&commandLine.platform_);
    int exitCode = kFailure;
    app::RunReportingFailure(commandLine.platform_, nullptr,
                             [&] { exitCode = commandLine.Execute(QApplication::arguments()); });
    Out().flush();
    return exitCode;
}

CommandLine::CommandLine(const app::DataFilePaths& paths)
    : paths_(paths),
      dates_(app::DateText::ForSystemLocale()),
      context_{platform_, settings_, dates_},
      lottery_(app::ProgramLottery(paths, platform_)) {}

int CommandLine::Execute(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption all(QStringLiteral("all"));
    const QCommandLineOption import(QStringLiteral("import"));
    const QCommandLineOption pdf(QStringLiteral("pdf"));
    parser.addOptions({help, version, check, all, import, pdf});
    if (!parser.parse(arguments)) return Usage(parser.errorText());

    const QStringList operands = parser.positionalArguments();
    const int commands = static_cast<int>(parser.isSet(help)) + parser.isSet(version) + parser.isSet(check) +
                         parser.isSet(import) + parser.isSet(pdf);
    if (commands != 1) return Usage(QStringLiteral("Give one of --help, --version, --check, --import and --pdf."));
    if (parser.isSet(all) && !parser.isSet(check)) return Usage(QStringLiteral("--all goes with --check."));
    if ((parser.isSet(help) || parser.isSet(version)) && !operands.isEmpty())
        return Usage(QStringLiteral("Unexpected argument: %1").arg(operands.first()));

    if (parser.isSet(help)) {
        Out() << kUsage;
        return kSuccess;
    }
    if (parser.isSet(version)) {
        Out() << QStringLiteral("Tallimo ") << QApplication::applicationVersion() << '\n';
        return kSuccess;
    }
    if (parser.isSet(check)) return Check(operands, parser.isSet(all));
    if (parser.isSet(import)) return Import(operands);
    return Pdf(operands);
}

// The result sheet's rows, in its order, one line each.
int CommandLine::Check(const QStringList& operands, bool allTickets) {
    if (operands.size() > 1) return Usage(QStringLiteral("Unexpected argument: %1").arg(operands.at(1)));
    const std::optional<int> drawNumber = operands.isEmpty() ? 0 : DrawNumberArgument(operands.first());
    if (!drawNumber) return Usage(QStringLiteral("Not a draw number: %1").arg(operands.first()));
    lottery_.LoadFiles();
    const lottery::THistoryLine* draw = RecordedDraw(*drawNumber);
    if (!draw) return kFailure;

    const auto day = lottery::WholeDayOf(draw->DrawDate());
    Out() << DrawLine(*draw, day ? dates_.Display(*day, app::DateText::kLongDisplay) : QString()) << '\n';
    const std::vector<lottery::CheckRow> rows = lottery_.FillCheckRows(*draw, !allTickets);
    for (const lottery::CheckRow& row : rows)
        Out() << CheckRowLine(row, lottery_.TicketList().TicketOf(row)) << '\n';
    const lottery::CheckCounts counts = lottery::CountCheckRows(rows);
    Out() << QStringLiteral("Checked: %1 boards; winning: %2\n").arg(counts.boardsChecked).arg(counts.winningBoards);
    return kSuccess;
}

const lottery::THistoryLine* CommandLine::RecordedDraw(int drawNumber) {
    const lottery::THistoryList& history = lottery_.DrawHistory();
    if (drawNumber == 0) {
        for (int index = 0; index < history.Count(); ++index)
            if (history.At(index).IsRecorded())
                drawNumber = std::max(drawNumber, lottery::DrawNumberOf(history.At(index).DrawDate()));
        if (drawNumber == 0) {
            platform_.ShowError(nullptr, QStringLiteral("No draw has a recorded result"));
            return nullptr;
        }
    }
    const lottery::THistoryLine* draw = history.FindDrawOn(lottery::DrawDateOf(drawNumber));
    if (draw && draw->IsRecorded()) return draw;
    platform_.ShowError(nullptr, QStringLiteral("Draw %1 has no recorded result").arg(drawNumber));
    return nullptr;
}

// The Import Numbers page's own import, with its messages on standard error.
int CommandLine::Import(const QStringList& operands) {
    if (operands.size() != 1) return Usage(QStringLiteral("--import takes one file name."));
    // The window would write its own history back over the imported one
    // when it closes.
    app::SingleCopyLock lock(paths_.ticketFilePath);
    if (!lock.Claim(platform_)) return kFailure;
    lottery_.LoadFiles();
    master::ImportPage page(platform_, lottery_, nullptr);
    page.Import(operands.first());
    return Finished();
}

int CommandLine::Pdf(const QStringList& operands) {
    const QString report = operands.value(0);
    if (report == QLatin1String("checklist") && operands.size() == 4)
        return PrintChecklist(operands.at(1), operands.at(2), operands.at(3));
    if (report == QLatin1String("results") && operands.size() == 3)
        return PrintResultSheet(operands.at(1), operands.at(2));
    return Usage(QStringLiteral("Use --pdf checklist FROM TO OUT.pdf or --pdf results DRAW OUT.pdf."));
}

// The print dialog's "Save as PDF..." for the tickets list's checklist.
int CommandLine::PrintChecklist(const QString& first, const QString& last, const QString& fileName) {
    auto range = printtickets::DrawRangePrinter::RangeOfDates(dates_, DateOrDrawNumber(first), DateOrDrawNumber(last));
    if (const QString* fault = std::get_if<QString>(&range)) {
        platform_.ShowError(nullptr, *fault);
        return kFailure;
    }
    lottery_.LoadFiles();
    printtickets::DrawReport report(context_, lottery_);
    report.SetChecklist(lottery_.FillTicketRows());
    printtickets::DrawRangePrinter(context_, report, nullptr).SaveAsPdf(fileName, std::get<printtickets::DrawRange>(range), 1);
    return Finished();
}

// The print dialog's "Save as PDF..." from the result sheet.
int CommandLine::PrintResultSheet(const QString& drawText, const QString& fileName) {
    const std::optional<int> drawNumber = DrawNumberArgument(drawText);
    if (!drawNumber) return Usage(QStringLiteral("Not a draw number: %1").arg(drawText));
    lottery_.LoadFiles();
    const lottery::THistoryLine* draw = RecordedDraw(*drawNumber);
    if (!draw) return kFailure;
    printtickets::DrawReport report(context_, lottery_);
    report.SetResultSheet(lottery_.FillCheckRows(*draw, true), *draw);
    printtickets::DrawRangePrinter(context_, report, nullptr).SaveAsPdf(fileName, {*drawNumber, *drawNumber}, 1);
    return Finished();
}

QString CommandLine::DateOrDrawNumber(const QString& text) const {
    const std::optional<int> drawNumber = DrawNumberArgument(text);
    return drawNumber ? dates_.ShortDateText(lottery::DrawDateOf(*drawNumber)) : text;
}

int CommandLine::Usage(const QString& message) {
    platform_.ShowError(nullptr, message + QStringLiteral("\nTry tallimo --help."));
    return kUsageError;
}

}  // namespace commandline
