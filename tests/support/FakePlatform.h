#pragma once

#include "app/Platform.h"

#include <QList>
#include <QQueue>

namespace testsupport {

// A platform whose clock, dialogs and answers the test controls and which
// records every beep and message the program gives.
class FakePlatform : public app::Platform {
public:
    struct Message {
        QString kind;  // "Error", "Warning" or "Question"
        QString text;
    };

    QDate today = QDate(2026, 12, 8);
    int beeps = 0;
    QList<Message> messages;
    QQueue<QString> fileAnswers;  // empty text answers as a cancel
    QStringList fileFilters;      // the filter of every file dialog asked for
    bool answerYes = true;
    bool browserStarts = true;
    QStringList openedAddresses;
    QStringList helpFiles;
    QStringList printers;

    QDate Today() const override { return today; }
    void Beep() override { ++beeps; }
    void ShowError(QWidget*, const QString& text) override { messages.append({QStringLiteral("Error"), text}); }
    void ShowWarning(QWidget*, const QString& text) override {
        messages.append({QStringLiteral("Warning"), text});
    }
    bool AskYesNo(QWidget*, const QString&, const QString& text) override {
        messages.append({QStringLiteral("Question"), text});
        return answerYes;
    }
    QString OpenFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        return NextFileAnswer(filter);
    }
    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString&) override {
        return NextFileAnswer(filter);
    }
    bool OpenWebAddress(const QString& address) override {
        openedAddresses << address;
        return browserStarts;
    }
    bool ShowHelp(const QString& helpFilePath) override {
        helpFiles << helpFilePath;
        return true;
    }
    QStringList PrinterNames() const override { return printers; }

private:
    QString NextFileAnswer(const QString& filter) {
        fileFilters << filter;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
};

}  // namespace testsupport
