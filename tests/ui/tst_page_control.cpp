// The page control: the person never reaches a disabled page, the program may; the tabs are drawn
// by state.

#include "ui/page_control.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using rv::PageControl;
using rv::TabStrip;

namespace {

// Five pages like pcMain: the last three disabled, 120-pixel tabs.
struct Pages {
    PageControl control;
    QLabel* focusTarget[5] = {};

    Pages() {
        const char* captions[] = {"Довідники", "Інформація", "Трудовий стаж", "Заробітки",
                                  "Розрахунок"};
        for (int i = 0; i < 5; ++i) {
            focusTarget[i] = new QLabel(QString::fromUtf8(captions[i]));
            control.addPage(focusTarget[i], QString::fromUtf8(captions[i]));
        }
        control.setTabWidth(120);
        for (int i = 2; i < 5; ++i)
            control.setPageEnabled(i, false);
        control.resize(700, 300);
        control.show();
    }

    void click(int index) {
        QTest::mouseClick(control.tabStrip(), Qt::LeftButton, {},
                          control.tabStrip()->tabRect(index).center());
    }
};

bool hasPixel(const QImage& image, const QRect& area, const QColor& colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestPageControl : public QObject {
    Q_OBJECT

private slots:
    void clickOnADisabledTabDoesNothing_data();
    void clickOnADisabledTabDoesNothing();
    void keyboardNeverEntersADisabledPage_data();
    void keyboardNeverEntersADisabledPage();
    void programMayShowADisabledPage();
    void tabsAreDrawnByState();
    void multiLineTabsWrapIntoRows();
};

void TestPageControl::clickOnADisabledTabDoesNothing_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("expected");
    QTest::newRow("enabled page") << 1 << 1;
    QTest::newRow("Трудовий стаж") << 2 << 0;
    QTest::newRow("Заробітки") << 3 << 0;
    QTest::newRow("Розрахунок") << 4 << 0;
}

void TestPageControl::clickOnADisabledTabDoesNothing() {
    QFETCH(int, clicked);
    QFETCH(int, expected);
    Pages pages;
    QVERIFY(QTest::qWaitForWindowExposed(&pages.control));
    QSignalSpy changes(&pages.control, &PageControl::currentChanged);
    pages.click(clicked);
    QCOMPARE(pages.control.currentIndex(), expected);
    QCOMPARE(changes.size(), expected == 0 ? 0 : 1);
}

void TestPageControl::keyboardNeverEntersADisabledPage_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("onTabs"); // pressed on the focused tabs, else inside the page
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+Shift+Tab")
        << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+PgDn") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << false;
    QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << false;
    QTest::newRow("Right on the tabs") << int(Qt::Key_Right) << int(Qt::NoModifier) << true;
    QTest::newRow("Left on the tabs") << int(Qt::Key_Left) << int(Qt::NoModifier) << true;
}

void TestPageControl::keyboardNeverEntersADisabledPage() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, onTabs);
    Pages pages;
    QVERIFY(QTest::qWaitForWindowExposed(&pages.control));
    QList<int> visited;
    for (int press = 0; press < 6; ++press) {
        QWidget* target =
            onTabs ? static_cast<QWidget*>(pages.control.tabStrip()) : pages.control.currentPage();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        visited.append(pages.control.currentIndex());
    }
    // Only the two enabled pages take turns.
    QCOMPARE(visited, QList<int>({1, 0, 1, 0, 1, 0}));
}

void TestPageControl::programMayShowADisabledPage() {
    Pages pages;
    pages.control.setCurrentIndex(3);
    QCOMPARE(pages.control.currentIndex(), 3);
    QCOMPARE(pages.control.currentPage(), pages.focusTarget[3]);
    QVERIFY(!pages.focusTarget[3]->isEnabled());
    pages.control.setPageEnabled(3, true);
    QVERIFY(pages.control.isPageEnabled(3));
    QVERIFY(pages.focusTarget[3]->isEnabled());
}

void TestPageControl::tabsAreDrawnByState() {
    Pages pages;
    QVERIFY(QTest::qWaitForWindowExposed(&pages.control));
    TabStrip* strip = pages.control.tabStrip();
    for (int i = 0; i < pages.control.count(); ++i)
        QCOMPARE(strip->tabRect(i).width(), 120);

    const QImage image = strip->grab().toImage();
    const QRect active = strip->tabRect(0);
    const QRect inactive = strip->tabRect(1);
    const QRect disabled = strip->tabRect(2);
    // Fills: sand for the active tab, the normal background for the others.
    QCOMPARE(image.pixelColor(active.left() + 3, active.top() + 3), TabStrip::kActiveFill);
    QCOMPARE(image.pixelColor(inactive.left() + 3, inactive.top() + 3),
             strip->palette().color(QPalette::Window));
    // Captions: dark grey when inactive, light grey when the page is disabled.
    QVERIFY(hasPixel(image, inactive, TabStrip::kInactiveText));
    QVERIFY(!hasPixel(image, inactive, TabStrip::kDisabledText));
    QVERIFY(hasPixel(image, disabled, TabStrip::kDisabledText));
    QVERIFY(!hasPixel(image, disabled, TabStrip::kInactiveText));
    // The active caption is underlined: one row of the text colour wider than any letter.
    const QColor text = strip->palette().color(QPalette::WindowText);
    int longestRun = 0;
    for (int y = active.top(); y <= active.bottom(); ++y) {
        int run = 0;
        for (int x = active.left(); x <= active.right(); ++x) {
            run = image.pixelColor(x, y) == text ? run + 1 : 0;
            longestRun = std::max(longestRun, run);
        }
    }
    QVERIFY2(longestRun > 30, qPrintable(QString::number(longestRun)));
}

void TestPageControl::multiLineTabsWrapIntoRows() {
    PageControl control;
    control.setMultiLine(true);
    for (const char* caption :
         {"Середня ЗП по Україні (місячний)", "Середня ЗП по Україні (річний)",
          "Мінімальна ЗП в Україні", "Коефіцієнти оцінки стажу", "Мінімальні пенсії за віком",
          "Параметри розрахунку", "Максимальний дохід, з якого сплачуються СВ"})
        control.addPage(new QWidget, QString::fromUtf8(caption));
    control.resize(500, 300);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    TabStrip* strip = control.tabStrip();
    QSet<int> rows;
    for (int i = 0; i < control.count(); ++i) {
        const QRect tab = strip->tabRect(i);
        QVERIFY2(tab.left() >= 0 && tab.right() < strip->width(),
                 qPrintable(QStringLiteral("tab %1 at %2..%3 of %4")
                                .arg(i)
                                .arg(tab.left())
                                .arg(tab.right())
                                .arg(strip->width())));
        QVERIFY(strip->height() > tab.bottom());
        const QFontMetrics metrics(strip->font());
        QVERIFY(tab.width() >= metrics.horizontalAdvance(control.caption(i)));
        rows.insert(tab.top());
    }
    QVERIFY(rows.size() > 1);
    QCOMPARE(strip->tabAt(strip->tabRect(6).center()), 6);
}

QTEST_MAIN(TestPageControl)
#include "tst_page_control.moc"
