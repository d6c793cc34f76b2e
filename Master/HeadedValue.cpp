#include "Master/HeadedValue.h"

#include "Master/PageWidgets.h"

#include <QLabel>

namespace master {

HeadedValue HeadedValue::Make(QWidget* parent, const QString& heading, int left, int top, int width) {
    HeadedValue made{MakeBoldLabel(parent, heading, QRect(left, top, width, 16)),
                     MakeLabel(parent, QString(), QRect(left, top + 18, width, 16))};
    made.value->setTextFormat(Qt::PlainText);
    // A screen reader reads the value with what it is, as the eye takes both in.
    made.value->setAccessibleDescription(heading);
    return made;
}

void HeadedValue::SetNames(const QString& headingName, const QString& valueName) const {
    heading->setObjectName(headingName);
    value->setObjectName(valueName);
}

void HeadedValue::ShowWhenNotEmpty(const QString& text) const {
    SetElidedText(value, text);
    heading->setVisible(!text.isEmpty());
}

}  // namespace master
