// The bound grid: its current row and the table's cursor follow each other, and a row the table
// refuses to store keeps the grid where it is.

#include "scripted_prompt.h"
#include "engine/errors.h"
#include "ui/data_grid.h"

#include <QHeaderView>
#include <QTableView>
#include <QtTest>

using namespace rv;

namespace {

// Periods whose end may not come before their start, as the experience tab's table refuses.
struct Periods {
    Table table{"periods", {integerField("begin_year", "Початок"), integerField("end_year")}};

    Periods() {
        table.create();
        for (int year : {1990, 2000, 2010}) {
            table.append();
            table.setValue("begin_year", year);
            table.setValue("end_year", year + 5);
            table.post();
        }
        table.BeforePost = [](Table& t) {
            if (t.asInteger("end_year") < t.asInteger("begin_year"))
                throw UserError("Дата зарахування не може бути більшою за дату звільнення");
        };
        table.first();
    }
};

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private slots:
    void currentRowAndCursorFollowEachOther();
    void aRefusedRowKeepsTheGridOnIt();
    void columnsTakeTheirWidths();
};

void TestDataGrid::currentRowAndCursorFollowEachOther() {
    Periods periods;
    ScriptedPrompt script;
    Prompt prompt(nullptr, &script);
    DataGrid grid(prompt);
    grid.setReadOnly(true);
    grid.setTable(periods.table, {GridColumn{.field = "begin_year"}});
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QCOMPARE(grid.view()->currentIndex().row(), 0);

    periods.table.setRecNo(3);
    QCOMPARE(grid.view()->currentIndex().row(), 2);

    QTableView* view = grid.view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(grid.model()->index(1, 0)).center());
    QCOMPARE(periods.table.recNo(), 2);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(periods.table.recNo(), 3);
    QVERIFY(script.messages.isEmpty());
}

void TestDataGrid::aRefusedRowKeepsTheGridOnIt() {
    Periods periods;
    ScriptedPrompt script;
    Prompt prompt(nullptr, &script);
    DataGrid grid(prompt);
    grid.setTable(periods.table,
                  {GridColumn{.field = "begin_year"}, GridColumn{.field = "end_year"}});
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QVERIFY(grid.model()->setData(grid.model()->index(0, 1), QStringLiteral("1980"), Qt::EditRole));
    QTableView* view = grid.view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(grid.model()->index(2, 0)).center());

    QCOMPARE(script.messages.size(), 1);
    QCOMPARE(script.messages.first().icon, PromptIcon::Warning);
    QCOMPARE(script.messages.first().text,
             QStringLiteral("Дата зарахування не може бути більшою за дату звільнення"));
    QVERIFY(periods.table.isEditing());
    QCOMPARE(periods.table.recNo(), 1);
    QCOMPARE(view->currentIndex().row(), 0);
}

void TestDataGrid::columnsTakeTheirWidths() {
    Periods periods;
    Prompt prompt(nullptr, nullptr);
    DataGrid grid(prompt);
    grid.setTable(periods.table,
                  {GridColumn{.field = "begin_year", .width = 140, .fixedWidth = true},
                   GridColumn{.field = "end_year", .width = 90}});
    QHeaderView* header = grid.view()->horizontalHeader();
    QCOMPARE(header->sectionSize(0), 140);
    QCOMPARE(header->sectionResizeMode(0), QHeaderView::Fixed);
    QCOMPARE(header->sectionResizeMode(1), QHeaderView::Interactive);
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Початок"));
}

QTEST_MAIN(TestDataGrid)
#include "tst_data_grid.moc"
