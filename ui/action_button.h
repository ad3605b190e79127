#pragma once

class QAction;
class QPushButton;
class QWidget;

namespace rv {

// A push button named `name` that follows its action's text and enabled state and triggers it.
QPushButton* actionButton(QAction* action, const char* name, QWidget* parent);

} // namespace rv
