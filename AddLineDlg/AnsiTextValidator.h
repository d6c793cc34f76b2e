#pragma once

#include <QValidator>

namespace app {
class Platform;
}

namespace addlinedlg {

// Refuses, with the beep of a refused key, typed or pasted text holding a
// character the ticket file cannot store: the description the user confirms
// must be the one the file keeps.
class AnsiTextValidator : public QValidator {
    Q_OBJECT
public:
    AnsiTextValidator(app::Platform& platform, QObject* parent);

    State validate(QString& text, int& position) const override;

private:
    app::Platform& platform_;
};

}  // namespace addlinedlg
