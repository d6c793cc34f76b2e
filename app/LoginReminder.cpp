#include "app/LoginReminder.h"

#include "app/DataFileWriter.h"
#include "lottery/LotteryError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace app {
namespace {

// The Exec key's quoting: an argument holding a reserved character is
// quoted, and inside the quotes ", `, $ and \ take a backslash. A literal
// % is written %% so that it is not read as a field code.
QString ExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");
    QString text = argument;
    text.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return reserved.contains(c); })) return text;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (escapedInQuotes.contains(c)) quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// A string value's own escapes, which a reader undoes before the quoting.
QString StringValue(const QString& text) {
    QString value;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n')) value += QLatin1String("\\n");
        else if (c == QLatin1Char('\t')) value += QLatin1String("\\t");
        else if (c == QLatin1Char('\r')) value += QLatin1String("\\r");
        else value += c;
    }
    return value;
}

}  // namespace

LoginReminder::LoginReminder(QString executablePath) : executablePath_(std::move(executablePath)) {}

QString LoginReminder::EntryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation))
        .filePath(QStringLiteral("autostart/tallimo-reminder.desktop"));
}

bool LoginReminder::IsOn() {
    return QFileInfo::exists(EntryPath());
}

bool LoginReminder::SetOn(bool on) const {
    const QString path = EntryPath();
    if (!on) return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    try {
        WriteDataFile(path.toStdString(), EntryText().toUtf8().toStdString());
    } catch (const lottery::LotteryError&) {
        return false;
    }
    return true;
}

QString LoginReminder::EntryText() const {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Tallimo reminder\n"
                          "Comment=Warns of expired lottery tickets\n"
                          "Exec=%1 /WARN\n"
                          "Icon=example.brenwick.tallimo\n"
                          "Terminal=false\n")
        .arg(StringValue(ExecArgument(executablePath_)));
}

}  // namespace app
