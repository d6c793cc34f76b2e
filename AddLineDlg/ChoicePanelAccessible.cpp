#include "AddLineDlg/ChoicePanelAccessible.h"

#include "AddLineDlg/ChoicePanel.h"

namespace addlinedlg {

ChoicePanelAccessible::ChoicePanelAccessible(ChoicePanel* panel) : QAccessibleWidget(panel, QAccessible::RadioButton) {}

QAccessibleInterface* ChoicePanelAccessible::Create(const QString& className, QObject* object) {
    auto* panel = qobject_cast<ChoicePanel*>(object);
    return panel && className == QLatin1String(ChoicePanel::staticMetaObject.className())
               ? new ChoicePanelAccessible(panel)
               : nullptr;
}

ChoicePanel* ChoicePanelAccessible::Panel() const {
    return static_cast<ChoicePanel*>(widget());
}

QAccessible::State ChoicePanelAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Panel()->Chosen();
    return state;
}

QStringList ChoicePanelAccessible::actionNames() const {
    return {pressAction()};
}

void ChoicePanelAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) emit Panel()->clicked();
}

}  // namespace addlinedlg
