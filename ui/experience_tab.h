#pragma once

#include <QWidget>

#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QModelIndex;
class QPainter;
class QPushButton;

namespace rv {

class DataGrid;
class Prompt;
class Table;

// The experience tab tsExp "Трудовий стаж": the period grid grdExp over cdsExp with the total
// experience in its footer (and the part of it credited without work), the buttons "Очистити",
// "Зберегти в xls" and "Підтвердити стаж" and the two notes on how the periods count.
//
// The grid: masked dates "##.##.####" in the first two columns, the length, and the kind of the
// period, chosen from a drop-down list (a new row starts as work). Tab and Enter go to the next
// cell that can be typed into and on to the next row; Down on the last row (or Tab and Enter past
// its last cell) appends a row; Insert appends one too; Delete and Ctrl+Delete delete the row
// after the question "Delete record?"; Escape drops the changes of the row. On the kind, F4,
// Alt+Down, a typed letter or a click on the current kind opens the list (letters find the kind
// they start), and Enter or a click chooses. A row is stored when the person leaves it for another
// row or leaves the grid; a refused row stays in editing. A new row nothing was typed into is
// dropped instead. Clicking a title sorts by that column (the kind: grouped by kind; again: the
// other way); Ctrl and a click add the column to the sort.
class ExperienceTab : public QWidget {
    Q_OBJECT
public:
    // The grid's columns.
    enum Column { BeginColumn, FinishColumn, LengthColumn, KindColumn };

    // The sort marker of one column title.
    struct SortMarker {
        int column = 0;
        bool descending = false;
        bool operator==(const SortMarker&) const = default;
    };

    ExperienceTab(Prompt& prompt, QAction* aClearExp, QAction* aPrintExp, QAction* aVerifyExp,
                  QWidget* parent = nullptr);
    ~ExperienceTab() override;

    // Binds grdExp to the period table and sorts it ascending by "Дата зарахування".
    void bind(Table& cdsExp);

    // Sums the periods' exp_day_str lengths (years/months/days, normalised; the days a credited
    // period shares with work once) into the footer, and names beside it the periods credited
    // without work. A length that is not three whole numbers throws ConversionError; the footer
    // keeps its texts.
    void RefreshExpTotal();
    // Deletes every period of the view, a row being typed included, without storing any; the
    // grid does not follow the single deletions.
    void deleteAllPeriods();

    // The markers in the order the sort applies them.
    const std::vector<SortMarker>& sortMarkers() const { return m_sortMarkers; }

    DataGrid* grdExp;
    QWidget* pExpBottomAll;
    QPushButton* bbClearExp;
    QPushButton* bExpPrint;
    QPushButton* bbVerifyExp;
    QWidget* pExpInfo;
    QLabel* lExpInfoAfter2004;
    QLabel* lExpInfoBefore2004;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A period was deleted: the total and the case's saved state are out of date.
    void periodDeleted();

private:
    // Paints the label "Трудовий стаж складає:" over the footer of the two date columns.
    void grdExpDrawFooterCell(QPainter& painter, int column, const QRect& cell);
    // Enables "Очистити" and "Підтвердити стаж" exactly when the person has a stored period.
    void grdExpKeyUp();
    // Grid navigation and commands; true when the key was taken.
    bool grdExpKeyDown(const QKeyEvent& key);

    void moveToNextCell();
    void moveToPreviousCell();
    // The next column from `column` in the direction `step` that can be typed into; -1 past the
    // row's end.
    int nextTypedColumn(int column, int step) const;
    // A click on the kind that is already the current cell (a second click, or a double click)
    // opens its list: the press notes where it went down, the release on the same cell opens.
    void kindPressed(const QModelIndex& pressed);
    void kindReleased(const QModelIndex& released);
    void appendRow(int column);
    void deleteCurrentRow();
    void cancelRow();
    void setCurrentCell(int row, int column);

    // The row being inserted has neither date yet.
    bool isUntouchedNewRow() const;
    void dropUntouchedNewRow();
    // The focus went from the grid to another control of the window.
    void focusLeftGrid();
    bool holdsFocus(const QWidget* widget) const;
    // Writes the text of an open cell editor into the row and closes the editor; false when the
    // text was refused and the editor stays open.
    bool commitOpenEditor();

    void titleClicked(int column);
    bool applySort(const std::vector<SortMarker>& markers);

    Prompt& m_prompt;
    QAction* m_aClearExp;
    QAction* m_aVerifyExp;
    Table* m_table = nullptr;
    std::vector<SortMarker> m_sortMarkers;
    Qt::KeyboardModifiers m_titleClickModifiers;
    bool m_kindPressedWhenCurrent = false;
    QMetaObject::Connection m_focusWatch;
};

} // namespace rv
