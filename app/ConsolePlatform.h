#pragma once

#include "app/QtPlatform.h"

namespace app {

// The machine for a run from the command line: the messages the window
// would show in dialogs go to standard error instead, as lines of text,
// and there is no beep. The run ends in failure once an error was told.
class ConsolePlatform : public QtPlatform {
public:
    void Beep() override {}
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowWarning(QWidget* parent, const QString& text) override;

    bool ErrorShown() const { return errorShown_; }

private:
    bool errorShown_ = false;
};

}  // namespace app
