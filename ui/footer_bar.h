#pragma once

#include <QColor>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QTableView;

namespace rv {

// The footer row under a grid: one cell under each column, following the columns' widths, order
// and horizontal scrolling. Cells have a fixed text, an alignment, a bold font (unless set
// otherwise) and a background (the cream footer colour unless set otherwise). A cell may wrap its
// text over two lines, the footer growing to hold them. A text its cell cannot hold ends in "…"
// and shows whole as the cell's tooltip. Coordinates start at the grid's left edge.
class FooterBar : public QWidget {
    Q_OBJECT
public:
    // Paints over one footer cell after it was drawn the default way (logical column, its rect).
    using PaintHook = std::function<void(QPainter& painter, int column, const QRect& cell)>;

    static const QColor kCream;

    explicit FooterBar(QTableView* view, QWidget* parent = nullptr);

    void setCellText(int column, const QString& text);
    QString cellText(int column) const;
    void setCellAlignment(int column, Qt::Alignment alignment);
    void setCellBold(int column, bool bold);
    void setCellBackground(int column, const QColor& colour);
    void setCellWordWrap(int column, bool wrap);
    void setPaintHook(PaintHook hook);

    // The cell under a column in footer coordinates; empty for a hidden column.
    QRect cellRect(int column) const;
    // The cell's whole text where the cell shows it cut, else empty.
    QString cellToolTip(int column) const;
    // The lines the cell shows, the last ending in "…" where the text was cut.
    QStringList shownLines(int column) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Cell {
        QString text;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        bool bold = true;
        QColor background;
        bool wrap = false;
    };
    struct Shown {
        QStringList lines;
        bool cut = false;
    };

    int viewportLeft() const;
    QFont cellFont(const Cell& cell) const;
    static QRect textArea(const QRect& cell);
    Shown shown(int column) const;

    QTableView* m_view;
    QMap<int, Cell> m_cells;
    PaintHook m_paintHook;
};

} // namespace rv
