#pragma once

#include <QColor>
#include <QPalette>

// The palette a dark desktop theme gives: light text on dark surfaces.
inline QPalette darkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 30), text(230, 230, 230);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::ToolTipBase, base);
        dark.setColor(group, QPalette::ToolTipText, text);
        dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    return dark;
}
