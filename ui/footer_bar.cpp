#include "footer_bar.h"

#include "contrast.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

namespace rv {

namespace {

constexpr int kTextMargin = 4;

} // namespace

const QColor FooterBar::kCream(255, 251, 240);

FooterBar::FooterBar(QTableView* view, QWidget* parent) : QWidget(parent), m_view(view) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHeaderView* header = view->horizontalHeader();
    auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::sectionCountChanged, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void FooterBar::setCellText(int column, const QString& text) {
    m_cells[column].text = text;
    update();
}

QString FooterBar::cellText(int column) const {
    return m_cells.value(column).text;
}

void FooterBar::setCellAlignment(int column, Qt::Alignment alignment) {
    m_cells[column].alignment = alignment;
    update();
}

void FooterBar::setCellBold(int column, bool bold) {
    m_cells[column].bold = bold;
    update();
}

void FooterBar::setCellBackground(int column, const QColor& colour) {
    m_cells[column].background = colour;
    update();
}

void FooterBar::setPaintHook(PaintHook hook) {
    m_paintHook = std::move(hook);
    update();
}

int FooterBar::viewportLeft() const {
    return m_view->viewport()->mapTo(m_view, QPoint(0, 0)).x() + m_view->x() - x();
}

QRect FooterBar::cellRect(int column) const {
    const QHeaderView* header = m_view->horizontalHeader();
    if (column < 0 || column >= header->count() || header->isSectionHidden(column))
        return {};
    return QRect(viewportLeft() + header->sectionViewportPosition(column), 0,
                 header->sectionSize(column), height());
}

QSize FooterBar::sizeHint() const {
    QFont bold = font();
    bold.setBold(true);
    return {0, QFontMetrics(bold).height() + 2 * kTextMargin};
}

void FooterBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kCream);
    const int left = viewportLeft();
    painter.setClipRect(QRect(left, 0, m_view->viewport()->width(), height()));
    const QHeaderView* header = m_view->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        const QRect cell = cellRect(column);
        if (cell.isEmpty())
            continue;
        const Cell content = m_cells.value(column);
        if (content.background.isValid())
            painter.fillRect(cell, content.background);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        QFont cellFont = font();
        cellFont.setBold(content.bold);
        painter.setFont(cellFont);
        painter.setPen(readableOn(content.background.isValid() ? content.background : kCream,
                                  palette().color(QPalette::WindowText)));
        painter.drawText(cell.adjusted(kTextMargin, 0, -kTextMargin, 0), content.alignment,
                         content.text);
        if (m_paintHook) {
            painter.save();
            m_paintHook(painter, column, cell);
            painter.restore();
        }
    }
    painter.setClipping(false);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().topLeft(), rect().topRight());
}

} // namespace rv
