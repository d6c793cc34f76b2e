#pragma once

#include "app/Platform.h"

#include <QString>

#include <exception>

namespace app {

// Runs an action whose failure the user must see: a failure is shown in an
// "Error" dialog with its own text and stops the action there. True when
// the action completed.
template <typename Action>
bool RunReportingFailure(Platform& platform, QWidget* parent, Action&& action) {
    try {
        action();
        return true;
    } catch (const std::exception& failure) {
        platform.ShowError(parent, QString::fromLocal8Bit(failure.what()));
        return false;
    }
}

}  // namespace app
