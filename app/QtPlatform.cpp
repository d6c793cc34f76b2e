#include "app/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QUrl>

namespace app {
namespace {

// The program's texts break lines the Windows way; a lone CR would show as
// a stray glyph in a Qt label.
QString DisplayText(const QString& text) {
    QString display = text;
    return display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, DisplayText(text), QMessageBox::Ok, parent);
    box.exec();
}

QString RunFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                      const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, QString(), QtPlatform::FileDialogFilter(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QString suffix = defaultSuffix;
    dialog.setDefaultSuffix(suffix.remove(QLatin1Char('*')).remove(QLatin1Char('.')));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

// "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*" becomes
// "Text Files (*.TXT);;All Files (*.*)".
QString QtPlatform::FileDialogFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString label = parts[i].section(QLatin1Char('('), 0, 0).trimmed();
        entries << QStringLiteral("%1 (%2)").arg(label, patterns);
    }
    return entries.join(QLatin1String(";;"));
}

QDate QtPlatform::Today() const {
    return QDate::currentDate();
}

void QtPlatform::Beep() {
    QApplication::beep();
}

void QtPlatform::ShowError(QWidget* parent, const QString& text) {
    ShowMessage(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtPlatform::ShowWarning(QWidget* parent, const QString& text) {
    ShowMessage(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& title, const QString& text) {
    // Every question asks before something is lost: Enter must not say yes.
    return QMessageBox::question(parent, title, DisplayText(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString QtPlatform::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) {
    return RunFileDialog(parent, QFileDialog::AcceptOpen, title, filter, defaultSuffix);
}

QString QtPlatform::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) {
    return RunFileDialog(parent, QFileDialog::AcceptSave, title, filter, defaultSuffix);
}

bool QtPlatform::OpenWebAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

// A browser handed a missing file would start only to show its own error.
bool QtPlatform::ShowHelp(const QString& helpFilePath) {
    if (!QFileInfo(helpFilePath).isFile()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(helpFilePath));
}

QStringList QtPlatform::PrinterNames() const {
    return QPrinterInfo::availablePrinterNames();
}

}  // namespace app
