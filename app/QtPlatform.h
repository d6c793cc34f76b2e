#pragma once

#include "app/Platform.h"

namespace app {

class QtPlatform : public Platform {
public:
    QDate Today() const override;
    void Beep() override;
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowWarning(QWidget* parent, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& title, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    bool OpenWebAddress(const QString& address) override;
    bool ShowHelp(const QString& helpFilePath) override;
    QStringList PrinterNames() const override;

    // The file dialogs' filter in Qt's form: "Label (*.ext)" entries
    // separated by ";;".
    static QString FileDialogFilter(const QString& filter);
};

}  // namespace app
