#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace master {

// A bold heading with its value label just below it, as the pages show
// their details and counts.
struct HeadedValue {
    QLabel* heading = nullptr;
    QLabel* value = nullptr;

    static HeadedValue Make(QWidget* parent, const QString& heading, int left, int top, int width);
    void SetNames(const QString& headingName, const QString& valueName) const;
    // Sets the value, shortened with "…" when too wide for its label; the
    // heading shows only while the value has text.
    void ShowWhenNotEmpty(const QString& text) const;
};

}  // namespace master
