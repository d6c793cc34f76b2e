#include "AddLineDlg/AnsiTextValidator.h"

#include "app/AnsiText.h"
#include "app/Platform.h"

namespace addlinedlg {

AnsiTextValidator::AnsiTextValidator(app::Platform& platform, QObject* parent)
    : QValidator(parent), platform_(platform) {}

QValidator::State AnsiTextValidator::validate(QString& text, int&) const {
    if (app::FitsAnsi(text)) return Acceptable;
    platform_.Beep();
    return Invalid;
}

}  // namespace addlinedlg
