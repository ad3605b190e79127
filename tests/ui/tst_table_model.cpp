// The grid model over an engine table: shape and texts of the rows, the suspension counter, the
// row being inserted, editing, all watched by QAbstractItemModelTester.

#include "ui/table_model.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace rv;

namespace {

// A small dated table with a looked-up month name, like the ledger and the reference tables.
struct Tables {
    Table months{"months", {integerField("month_id"), textField("month_name", 20)}};
    Table table{
        "periods",
        {dateField("date_begin", "Дата початку"), floatField("amount", "Сума"),
         integerField("year", "Рік"), textField("note", 20, "Примітка"), integerField("month"),
         lookupField("month_name", "Місяць", true, {"month", &months, "month_id", "month_name"})}};

    Tables() {
        months.create();
        for (const auto& [id, name] : {std::pair{0, "Січень"}, std::pair{11, "Грудень"}}) {
            months.append();
            months.setValue("month_id", id);
            months.setValue("month_name", std::string(name));
            months.post();
        }
        table.create();
    }

    void addRow(int year, double amount, int month = 0) {
        table.append();
        table.setValue("date_begin", dateFromCivil(year, month + 1, 1));
        table.setValue("amount", amount);
        table.setValue("year", year);
        table.setValue("month", month);
        table.post();
    }
};

std::vector<GridColumn> allColumns() {
    GridColumn date{.field = "date_begin", .alignment = Qt::AlignCenter};
    GridColumn amount{.field = "amount", .title = "Заробіток, грн", .displayFormat = "0.00"};
    return {date, amount, GridColumn{.field = "year"}, GridColumn{.field = "note"},
            GridColumn{.field = "month_name"}};
}

} // namespace

class TestTableModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void followsEveryKindOfTableChange();
    void cellsShowTheColumnFormats_data();
    void cellsShowTheColumnFormats();
    void columnsCarryTitlesAlignmentAndColours();
    void holdsItsShapeWhileViewsAreSuspended();
    void showsTheRowBeingInsertedAfterTheView();
    void editsOnlyWritableColumnsOfTheCurrentRow_data();
    void editsOnlyWritableColumnsOfTheCurrentRow();
    void reportsCursorMoves();

private:
    std::unique_ptr<Tables> m_tables;
    std::unique_ptr<TableModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestTableModel::initTestCase() {
    // A comma as the decimal separator, as the program shows numbers in Ukraine.
    QLocale::setDefault(QLocale(QLocale::Ukrainian, QLocale::Ukraine));
}

void TestTableModel::init() {
    m_tables = std::make_unique<Tables>();
    m_tables->addRow(1999, 120.5, 11);
    m_tables->addRow(2000, 0.125);
    m_model = std::make_unique<TableModel>(m_tables->table, allColumns());
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestTableModel::cleanup() {
    m_tester.reset();
    m_model.reset();
    m_tables.reset();
}

void TestTableModel::followsEveryKindOfTableChange() {
    Table& table = m_tables->table;
    QCOMPARE(m_model->rowCount(), 2);
    m_tables->addRow(2001, 7);
    QCOMPARE(m_model->rowCount(), 3);
    table.setRecNo(1);
    table.edit();
    table.setValue("amount", 99.0);
    table.post();
    QCOMPARE(m_model->index(0, 1).data().toString(), QStringLiteral("99,00"));
    table.setFilter("year >= 2000");
    table.setFiltered(true);
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(m_model->index(0, 2).data().toString(), QStringLiteral("2000"));
    table.remove();
    QCOMPARE(m_model->rowCount(), 1);
    table.setFiltered(false);
    QCOMPARE(m_model->rowCount(), 2);
    table.empty();
    QCOMPARE(m_model->rowCount(), 0);
}

void TestTableModel::cellsShowTheColumnFormats_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");
    QTest::newRow("date as dd.MM.yyyy") << 0 << 0 << QStringLiteral("01.12.1999");
    QTest::newRow("\"0.00\" pads to two decimals") << 0 << 1 << QStringLiteral("120,50");
    QTest::newRow("\"0.00\" rounds a half away from zero") << 1 << 1 << QStringLiteral("0,13");
    QTest::newRow("integer in decimal") << 1 << 2 << QStringLiteral("2000");
    QTest::newRow("empty text field") << 0 << 3 << QString();
    QTest::newRow("looked-up month name") << 0 << 4 << QStringLiteral("Грудень");
    QTest::newRow("looked-up name of January") << 1 << 4 << QStringLiteral("Січень");
}

void TestTableModel::cellsShowTheColumnFormats() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, shown);
    QCOMPARE(m_model->index(row, column).data(Qt::DisplayRole).toString(), shown);
}

void TestTableModel::columnsCarryTitlesAlignmentAndColours() {
    QCOMPARE(m_model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Дата початку")); // the field's label
    QCOMPARE(m_model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Заробіток, грн")); // the column's own title
    QCOMPARE(m_model->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::Alignment(Qt::AlignCenter));
    QVERIFY(!m_model->index(0, 1).data(Qt::BackgroundRole).isValid());

    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    const QColor grey(233, 233, 233);
    m_model->setColumnColour(1, grey);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_model->index(1, 1).data(Qt::BackgroundRole).value<QBrush>().color(), grey);
    m_model->setTitleColour(QColor(244, 243, 234));
    QCOMPARE(m_model->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
             QColor(244, 243, 234));

    m_model->setForegroundHook([](int row, int column) -> std::optional<QColor> {
        if (row == 1 && column == 2)
            return QColor(255, 0, 0);
        return std::nullopt;
    });
    QCOMPARE(m_model->index(1, 2).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(255, 0, 0));
    QVERIFY(!m_model->index(0, 2).data(Qt::ForegroundRole).isValid());
}

void TestTableModel::holdsItsShapeWhileViewsAreSuspended() {
    QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy changes(m_model.get(), &QAbstractItemModel::dataChanged);
    {
        BoundViewsSuspension outer(m_tables->table);
        {
            BoundViewsSuspension inner(m_tables->table);
            m_tables->addRow(2001, 1);
            m_tables->addRow(2002, 2);
        }
        m_tables->table.first();
        QCOMPARE(m_model->rowCount(), 2);
        QCOMPARE(resets.size(), 0);
        // A row the model still counts reads safely even though the table moved on.
        QCOMPARE(m_model->index(1, 2).data().toString(), QStringLiteral("2000"));
    }
    QCOMPARE(resets.size(), 1);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(m_model->rowCount(), 4);
}

void TestTableModel::showsTheRowBeingInsertedAfterTheView() {
    Table& table = m_tables->table;
    table.append();
    QCOMPARE(m_model->rowCount(), 3);
    table.setValue("year", 2005);
    QCOMPARE(m_model->index(2, 2).data().toString(), QStringLiteral("2005"));
    table.cancel();
    QCOMPARE(m_model->rowCount(), 2);

    table.setRecNo(2);
    table.edit();
    table.setValue("year", 2010); // the edit buffer shows before the row is stored
    QCOMPARE(m_model->index(1, 2).data().toString(), QStringLiteral("2010"));
    table.cancel();
    QCOMPARE(m_model->index(1, 2).data().toString(), QStringLiteral("2000"));
}

void TestTableModel::editsOnlyWritableColumnsOfTheCurrentRow_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("gridReadOnly");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("float with a comma") << 1 << "1234,5" << false << true << "1234,50";
    QTest::newRow("float with a point") << 1 << "0.5" << false << true << "0,50";
    QTest::newRow("date") << 0 << "05.03.1958" << false << true << "05.03.1958";
    QTest::newRow("emptied integer") << 2 << "" << false << true << "";
    QTest::newRow("letters in a float") << 1 << "abc" << false << false << "0,13";
    QTest::newRow("impossible date") << 0 << "31.02.2001" << false << false << "01.01.2000";
    QTest::newRow("looked-up column") << 4 << "Грудень" << false << false << "Січень";
    QTest::newRow("read-only grid") << 1 << "5" << true << false << "0,13";
}

void TestTableModel::editsOnlyWritableColumnsOfTheCurrentRow() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, gridReadOnly);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);

    m_model->setReadOnly(gridReadOnly);
    Table& table = m_tables->table;
    table.setRecNo(2);
    const QModelIndex current = m_model->index(1, column);
    QCOMPARE(bool(m_model->flags(current) & Qt::ItemIsEditable), !gridReadOnly && column != 4);
    QCOMPARE(m_model->setData(current, typed, Qt::EditRole), accepted);
    QCOMPARE(table.isEditing(), accepted);
    QCOMPARE(current.data().toString(), shown);
    // Another row than the table's current one is never written.
    QVERIFY(!m_model->setData(m_model->index(0, 2), QStringLiteral("1990"), Qt::EditRole));
}

void TestTableModel::reportsCursorMoves() {
    QSignalSpy moves(m_model.get(), &TableModel::cursorMoved);
    m_tables->table.first();
    m_tables->table.next();
    QCOMPARE(moves.size(), 2);
    QCOMPARE(moves.at(0).at(0).toInt(), 0);
    QCOMPARE(moves.at(1).at(0).toInt(), 1);
}

QTEST_MAIN(TestTableModel)
#include "tst_table_model.moc"
