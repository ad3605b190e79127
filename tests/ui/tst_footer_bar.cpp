// The footer row under a grid: its cells follow the columns, and it draws what it was given.

#include "ui/footer_bar.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using rv::FooterBar;

namespace {

constexpr int kColumns = 4;

// A grid of four 100-pixel columns with a footer under it, as the data grid lays them out.
struct Grid {
    QWidget window;
    QStandardItemModel model{3, kColumns};
    QTableView* view = new QTableView(&window);
    FooterBar* footer = new FooterBar(view, &window);

    Grid() {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(view);
        layout->addWidget(footer);
        view->setModel(&model);
        view->horizontalHeader()->setStretchLastSection(false);
        for (int column = 0; column < kColumns; ++column)
            view->horizontalHeader()->resizeSection(column, 100);
        window.resize(300, 200);
        window.show();
    }

    // Where the column's header section starts, in footer coordinates.
    int headerLeft(int column) const {
        QHeaderView* header = view->horizontalHeader();
        return header->mapTo(&window, QPoint(header->sectionViewportPosition(column), 0)).x() -
               footer->x();
    }

    // The colour of the footer at a point, as it is drawn.
    QColor pixel(const QPoint& at) const { return footer->grab().toImage().pixelColor(at); }
};

int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 100)
                ++count;
    return count;
}

} // namespace

class TestFooterBar : public QObject {
    Q_OBJECT

private slots:
    void cellsFollowColumnWidthsOrderAndScrolling();
    void paintHookSeesEveryVisibleCell();
    void cellsAreDrawnWithTheirAttributes();
};

void TestFooterBar::cellsFollowColumnWidthsOrderAndScrolling() {
    Grid grid;
    QVERIFY(QTest::qWaitForWindowExposed(&grid.window));
    QHeaderView* header = grid.view->horizontalHeader();
    auto checkAll = [&](const char* step) {
        for (int column = 0; column < kColumns; ++column) {
            const QRect cell = grid.footer->cellRect(column);
            QVERIFY2(cell.left() == grid.headerLeft(column) &&
                         cell.width() == header->sectionSize(column),
                     qPrintable(QStringLiteral("%1, column %2: cell %3+%4, header %5+%6")
                                    .arg(step)
                                    .arg(column)
                                    .arg(cell.left())
                                    .arg(cell.width())
                                    .arg(grid.headerLeft(column))
                                    .arg(header->sectionSize(column))));
        }
    };
    checkAll("at start");
    header->resizeSection(1, 160);
    checkAll("after a resize");
    header->moveSection(0, 2);
    checkAll("after a move");
    grid.view->horizontalScrollBar()->setValue(grid.view->horizontalScrollBar()->maximum());
    QVERIFY(grid.view->horizontalScrollBar()->value() > 0);
    checkAll("scrolled");
    header->hideSection(3);
    QVERIFY(grid.footer->cellRect(3).isEmpty());
}

void TestFooterBar::paintHookSeesEveryVisibleCell() {
    Grid grid;
    QVERIFY(QTest::qWaitForWindowExposed(&grid.window));
    grid.view->horizontalHeader()->hideSection(2);
    QMap<int, QRect> seen;
    grid.footer->setPaintHook(
        [&](QPainter&, int column, const QRect& cell) { seen.insert(column, cell); });
    grid.footer->grab();
    QCOMPARE(seen.keys(), QList<int>({0, 1, 3}));
    for (int column : seen.keys())
        QCOMPARE(seen.value(column), grid.footer->cellRect(column));
}

void TestFooterBar::cellsAreDrawnWithTheirAttributes() {
    Grid grid;
    QVERIFY(QTest::qWaitForWindowExposed(&grid.window));
    const QColor grey(233, 233, 233);
    grid.footer->setCellBackground(2, grey);
    QCOMPARE(grid.pixel(grid.footer->cellRect(0).center()), FooterBar::kCream);
    QCOMPARE(grid.pixel(grid.footer->cellRect(2).center()), grey);

    grid.footer->setCellText(0, QStringLiteral("2/0/5"));
    grid.footer->setCellText(1, QStringLiteral("2/0/5"));
    grid.footer->setCellBold(1, false);
    const QImage image = grid.footer->grab().toImage();
    const int boldInk = darkPixels(image, grid.footer->cellRect(0).adjusted(1, 1, -2, -1));
    const int plainInk = darkPixels(image, grid.footer->cellRect(1).adjusted(1, 1, -2, -1));
    QVERIFY2(boldInk > plainInk && plainInk > 0,
             qPrintable(QStringLiteral("bold %1, plain %2").arg(boldInk).arg(plainInk)));
    QCOMPARE(grid.footer->cellText(0), QStringLiteral("2/0/5"));

    // A right-aligned text ends near the right edge of its cell.
    grid.footer->setCellAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    const QRect cell = grid.footer->cellRect(1);
    const QImage aligned = grid.footer->grab().toImage();
    const QRect leftHalf(cell.left() + 1, cell.top() + 1, cell.width() / 2, cell.height() - 2);
    const QRect rightHalf(cell.center().x(), cell.top() + 1, cell.width() / 2 - 2,
                          cell.height() - 2);
    QCOMPARE(darkPixels(aligned, leftHalf), 0);
    QVERIFY(darkPixels(aligned, rightHalf) > 0);
}

QTEST_MAIN(TestFooterBar)
#include "tst_footer_bar.moc"
