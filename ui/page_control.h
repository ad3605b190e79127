#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

class QStackedWidget;

namespace rv {

class PageControl;

// The tabs of a PageControl, drawn by the program: the active tab filled with a sand colour and
// its caption underlined, inactive captions dark grey, the captions of disabled pages light grey;
// each caption one line, centred. With multi-line tabs the tabs wrap into rows.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    static const QColor kActiveFill;
    static const QColor kInactiveText;
    static const QColor kDisabledText;

    explicit TabStrip(PageControl* pages);

    QRect tabRect(int index) const;
    int tabAt(const QPoint& position) const; // -1 outside every tab

    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class PageControl;
    std::vector<QRect> layoutTabs(int width) const;
    int tabWidth(int index) const;
    int rowHeight() const;
    void relayout();

    PageControl* m_pages;
    std::vector<QRect> m_rects;
};

// A page control: tabs over a stack of pages. A page can be disabled: its caption turns grey and
// the person cannot make it current, neither by a click on its tab nor from the keyboard
// (Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgUp/PgDn, arrows on the focused tabs); a refused change does
// nothing and says nothing. The program itself may show any page, a disabled one too.
class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    int addPage(QWidget* page, const QString& caption);
    int count() const { return static_cast<int>(m_pages.size()); }
    QWidget* page(int index) const;
    int indexOf(const QWidget* page) const;
    QString caption(int index) const;

    int currentIndex() const { return m_current; }
    QWidget* currentPage() const { return page(m_current); }
    // The program's own page change: not subject to the gating.
    void setCurrentIndex(int index);
    void setCurrentPage(QWidget* page) { setCurrentIndex(indexOf(page)); }

    void setPageEnabled(int index, bool enabled);
    bool isPageEnabled(int index) const;

    // Fixed width of every tab in pixels; 0: each tab as wide as its caption.
    void setTabWidth(int pixels);
    int tabWidth() const { return m_tabWidth; }
    void setMultiLine(bool multiLine);
    bool isMultiLine() const { return m_multiLine; }

    TabStrip* tabStrip() const { return m_tabs; }
    // Ctrl+Tab and Ctrl+PgDn (step 1), Ctrl+Shift+Tab and Ctrl+PgUp (step -1): the next enabled
    // page in that direction, wrapping, as if the person clicked its tab.
    void showAdjacentEnabledPage(int step) { userSelect(nextEnabled(step)); }

signals:
    void currentChanged(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TabStrip;
    struct Page {
        QWidget* widget = nullptr;
        QString caption;
        bool enabled = true;
    };

    // A change the person asked for: allowed only to an enabled page.
    bool userSelect(int index);
    // The next enabled page from the current one in the direction `step`, wrapping; -1 if none.
    int nextEnabled(int step) const;

    std::vector<Page> m_pages;
    int m_current = -1;
    int m_tabWidth = 0;
    bool m_multiLine = false;
    TabStrip* m_tabs;
    QStackedWidget* m_stack;
};

} // namespace rv
