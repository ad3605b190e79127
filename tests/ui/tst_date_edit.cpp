// The date editor: empty at start, typed through its mask, or picked from the calendar.

#include "ui/date_edit.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using rv::Date;
using rv::DateEdit;

class TestDateEdit : public QObject {
    Q_OBJECT

private slots:
    void startsBlank();
    void readsWhatIsTyped_data();
    void readsWhatIsTyped();
    void showsAndClearsAGivenDate();
    void calendarPicksADate_data();
    void calendarPicksADate();
};

void TestDateEdit::startsBlank() {
    DateEdit editor;
    QVERIFY(editor.isBlank());
    QVERIFY(!editor.date());
}

void TestDateEdit::readsWhatIsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("blank");
    QTest::addColumn<QString>("date"); // empty: no date
    QTest::newRow("a full date") << "05031958" << false << "05.03.1958";
    QTest::newRow("the points are part of the mask") << "05.03.1958" << false << "05.03.1958";
    QTest::newRow("a leap day") << "29022000" << false << "29.02.2000";
    QTest::newRow("no such day") << "31022001" << false << "";
    QTest::newRow("half typed") << "0503" << false << "";
    QTest::newRow("letters are refused by the mask") << "ab" << true << "";
}

void TestDateEdit::readsWhatIsTyped() {
    QFETCH(QString, typed);
    QFETCH(bool, blank);
    QFETCH(QString, date);
    DateEdit editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QSignalSpy edited(&editor, &DateEdit::edited);
    editor.lineEdit()->setFocus();
    editor.lineEdit()->home(false);
    QTest::keyClicks(editor.lineEdit(), typed);

    QCOMPARE(editor.isBlank(), blank);
    const std::optional<Date> read = editor.date();
    QCOMPARE(read ? QString::fromStdString(rv::formatDate(*read)) : QString(), date);
    if (!blank)
        QVERIFY(!edited.isEmpty());
    // A text that is neither blank nor a date is tinted.
    const bool tinted = editor.lineEdit()->palette().color(QPalette::Base) !=
                        editor.palette().color(QPalette::Base);
    QCOMPARE(tinted, !blank && date.isEmpty());
}

void TestDateEdit::showsAndClearsAGivenDate() {
    DateEdit editor;
    QSignalSpy edited(&editor, &DateEdit::edited);
    editor.setDate(rv::dateFromCivil(2011, 8, 25));
    QCOMPARE(editor.lineEdit()->text(), QStringLiteral("25.08.2011"));
    QCOMPARE(editor.date(), std::optional<Date>(rv::dateFromCivil(2011, 8, 25)));
    editor.setDate(std::nullopt);
    QVERIFY(editor.isBlank());
    QVERIFY(edited.isEmpty());
}

void TestDateEdit::calendarPicksADate_data() {
    QTest::addColumn<bool>("byKeyboard"); // Alt+Down, else the button
    QTest::newRow("button") << false;
    QTest::newRow("Alt+Down") << true;
}

void TestDateEdit::calendarPicksADate() {
    QFETCH(bool, byKeyboard);
    DateEdit editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setDate(rv::dateFromCivil(1958, 3, 5));
    QSignalSpy edited(&editor, &DateEdit::edited);

    if (byKeyboard)
        QTest::keyClick(editor.lineEdit(), Qt::Key_Down, Qt::AltModifier);
    else
        QTest::mouseClick(editor.calendarButton(), Qt::LeftButton);
    QCalendarWidget* calendar = editor.calendar();
    QTRY_VERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(1958, 3, 5)); // opens on the shown date

    calendar->setSelectedDate(QDate(1958, 3, 12));
    QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Return);
    QTRY_VERIFY(!calendar->isVisible());
    QCOMPARE(editor.date(), std::optional<Date>(rv::dateFromCivil(1958, 3, 12)));
    QCOMPARE(edited.size(), 1);
}

QTEST_MAIN(TestDateEdit)
#include "tst_date_edit.moc"
