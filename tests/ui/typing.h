#pragma once

#include <QString>
#include <QWidget>
#include <QtTest>

// Types a text key by key, Cyrillic letters too (QTest::keyClicks knows only ASCII keys).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
}
