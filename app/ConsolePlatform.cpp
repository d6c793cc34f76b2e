#include "app/ConsolePlatform.h"

#include <QTextStream>

namespace app {
namespace {

// The dialogs' texts break their lines as "\r\n".
void WriteToStandardError(const QString& text) {
    QTextStream error(stderr);
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    error << lines << '\n';
}

}  // namespace

void ConsolePlatform::ShowError(QWidget*, const QString& text) {
    errorShown_ = true;
    WriteToStandardError(text);
}

void ConsolePlatform::ShowWarning(QWidget*, const QString& text) {
    WriteToStandardError(QStringLiteral("Warning: ") + text);
}

}  // namespace app
