// Tooltips stay up for the program's time, the cell tooltips of grids too.

#include "ui/tooltip_duration.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

class TestToolTipDuration : public QObject {
    Q_OBJECT

private slots:
    void widgetAndCellTooltipsUseTheDuration();
};

void TestToolTipDuration::widgetAndCellTooltipsUseTheDuration() {
    rv::ToolTipDuration duration(20000);
    qApp->installEventFilter(&duration);

    QWidget window;
    auto* label = new QLabel(QStringLiteral("Дата звернення *"), &window);
    label->setToolTip(QStringLiteral("Дата звернення за призначенням пенсії"));
    QStandardItemModel model(1, 1);
    auto* item = new QStandardItem(QStringLiteral("Пенсійний вік чоловіка"));
    item->setToolTip(item->text());
    model.setItem(0, 0, item);
    auto* view = new QTableView(&window);
    view->setModel(&model);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(view);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QHelpEvent labelHelp(QEvent::ToolTip, label->rect().center(),
                         label->mapToGlobal(label->rect().center()));
    QApplication::sendEvent(label, &labelHelp);
    QCOMPARE(label->toolTipDuration(), 20000);

    const QPoint cell = view->visualRect(model.index(0, 0)).center();
    QHelpEvent cellHelp(QEvent::ToolTip, cell, view->viewport()->mapToGlobal(cell));
    QApplication::sendEvent(view->viewport(), &cellHelp);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Пенсійний вік чоловіка"));
}

QTEST_MAIN(TestToolTipDuration)
#include "tst_tooltip_duration.moc"
