#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class QWidget;

namespace app {

// Everything the program asks of the machine. The program runs on the Qt
// implementation; tests install a recording fake so that today's date, file
// dialogs and message boxes are under their control.
class Platform {
public:
    virtual ~Platform() = default;

    virtual QDate Today() const = 0;
    virtual void Beep() = 0;
    // Modal message dialogs with one "OK" button: "Error" and "Warning".
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
    // A modal question with "Yes" and "No", "No" the default; true for "Yes".
    virtual bool AskYesNo(QWidget* parent, const QString& title, const QString& text) = 0;
    // The chosen path, or empty when the user cancels. The filter pairs a
    // label with its patterns: "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*".
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // False when no browser could be started.
    virtual bool OpenWebAddress(const QString& address) = 0;
    virtual bool ShowHelp(const QString& helpFilePath) = 0;
    virtual QStringList PrinterNames() const = 0;
};

}  // namespace app
