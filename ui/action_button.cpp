#include "action_button.h"

#include <QAction>
#include <QPushButton>

namespace rv {

QPushButton* actionButton(QAction* action, const char* name, QWidget* parent) {
    auto* button = new QPushButton(action->text(), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, button, [button, action] {
        button->setText(action->text());
        button->setEnabled(action->isEnabled());
    });
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

} // namespace rv
