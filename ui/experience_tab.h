#pragma once

#include <QWidget>

#include <vector>

class QAction;
class QKeyEvent;
class QLabel;
class QPainter;
class QPushButton;

namespace rv {

class DataGrid;
class Prompt;
class Table;

// The experience tab tsExp "Трудовий стаж": the period grid grdExp over cdsExp with the total
// experience in its footer, the buttons "Очистити", "Зберегти в xls" and "Підтвердити стаж" and
// the two notes on how the periods count.
//
// The grid: masked dates "##.##.####" in the first two columns; Tab and Enter go to the next
// cell and on to the next row; Down on the last row (or Tab and Enter past its last cell)
// appends a row; Insert appends one too; Delete and Ctrl+Delete delete the row after the question
// "Delete record?"; Escape drops the changes of the row. A row is stored when the person leaves
// it for another row or leaves the grid; a refused row stays in editing. A new row nothing was
// typed into is dropped instead. Clicking a title sorts by that column (again: the other way);
// Ctrl and a click add the column to the sort.
class ExperienceTab : public QWidget {
    Q_OBJECT
public:
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

    // Sums the periods' exp_day_str lengths (years/months/days, normalised) into the footer.
    // A length that is not three whole numbers throws ConversionError; the footer keeps its text.
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
    QMetaObject::Connection m_focusWatch;
};

} // namespace rv
