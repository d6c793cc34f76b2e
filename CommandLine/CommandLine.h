#pragma once

#include "app/AppContext.h"
#include "app/ConsolePlatform.h"
#include "app/DataFilePaths.h"
#include "app/DateText.h"
#include "app/SettingsStore.h"
#include "lottery/LotteryState.h"

#include <QStringList>

#include <optional>

namespace commandline {

// The program run from a script: one command on the window's data files,
// its results on standard output and its messages on standard error, with
// no window. Exit codes: 0 done, 1 failed, 2 not understood.
class CommandLine {
public:
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kUsageError = 2;

    // A first argument starting with "--" asks for the command line; none,
    // or "/WARN", starts the window.
    static bool Wanted(int argc, char** argv);
    // Makes the application object, with no display unless a platform was
    // named, runs the command and gives the process's exit code.
    static int Run(int argc, char** argv);

private:
    explicit CommandLine(const app::DataFilePaths& paths);

    int Execute(const QStringList& arguments);
    int Check(const QStringList& operands, bool allTickets);
    int Import(const QStringList& operands);
    int Pdf(const QStringList& operands);
    int PrintChecklist(const QString& first, const QString& last, const QString& fileName);
    int PrintResultSheet(const QString& draw, const QString& fileName);

    // The recorded result of the draw, or of the latest recorded draw for
    // 0; nothing after telling why there is none.
    const lottery::THistoryLine* RecordedDraw(int drawNumber);
    // A draw number stands for its draw's date.
    QString DateOrDrawNumber(const QString& text) const;
    int Usage(const QString& message);
    int Finished() const { return platform_.ErrorShown() ? kFailure : kSuccess; }

    app::DataFilePaths paths_;
    app::ConsolePlatform platform_;
    app::SettingsStore settings_;
    app::DateText dates_;
    app::AppContext context_;
    lottery::LotteryState lottery_;
};

}  // namespace commandline
