#pragma once

#include <QAccessibleWidget>

namespace addlinedlg {

class ChoicePanel;

// A ChoicePanel as assistive technology sees it: a radio button, checked
// when it is the chosen one of its group (which the screen shows only by
// its yellow), that can be pressed.
class ChoicePanelAccessible : public QAccessibleWidget {
public:
    explicit ChoicePanelAccessible(ChoicePanel* panel);

    // The factory Qt asks for the interface of a ChoicePanel.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    ChoicePanel* Panel() const;
};

}  // namespace addlinedlg
