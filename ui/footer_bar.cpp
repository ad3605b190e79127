#include "footer_bar.h"

#include "contrast.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace rv {

namespace {

constexpr int kTextMargin = 4;
constexpr int kWrappedLines = 2; // of a cell that wraps its text

} // namespace

const QColor FooterBar::kCream(255, 251, 240);

FooterBar::FooterBar(QTableView* view, QWidget* parent) : QWidget(parent), m_view(view) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHeaderView* header = view->horizontalHeader();
    // A wrapped cell's lines follow its width.
    auto repaint = [this] {
        updateGeometry();
        update();
    };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::sectionCountChanged, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void FooterBar::setCellText(int column, const QString& text) {
    m_cells[column].text = text;
    updateGeometry();
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

void FooterBar::setCellWordWrap(int column, bool wrap) {
    m_cells[column].wrap = wrap;
    updateGeometry();
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

QFont FooterBar::cellFont(const Cell& cell) const {
    QFont shown = font();
    shown.setBold(cell.bold);
    return shown;
}

QRect FooterBar::textArea(const QRect& cell) {
    return cell.adjusted(kTextMargin, 0, -kTextMargin, 0);
}

FooterBar::Shown FooterBar::shown(int column) const {
    const Cell content = m_cells.value(column);
    const QRect cell = cellRect(column);
    if (cell.isEmpty() || content.text.isEmpty())
        return {};
    const QFont font = cellFont(content);
    const QFontMetrics metrics(font);
    const int width = std::max(textArea(cell).width(), 1);
    Shown lines;
    if (content.wrap) {
        QTextLayout layout(content.text, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.lines.append(content.text.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    } else {
        lines.lines.append(content.text);
    }
    const int most = content.wrap ? kWrappedLines : 1;
    if (lines.lines.size() > most) {
        const QString rest = lines.lines.mid(most - 1).join(QString());
        lines.lines = lines.lines.mid(0, most - 1);
        lines.lines.append(rest);
    }
    QString& last = lines.lines.last();
    const QString fitted = metrics.elidedText(last.trimmed(), Qt::ElideRight, width);
    lines.cut = fitted != last.trimmed();
    last = fitted;
    return lines;
}

QStringList FooterBar::shownLines(int column) const {
    return shown(column).lines;
}

QString FooterBar::cellToolTip(int column) const {
    return shown(column).cut ? m_cells.value(column).text : QString();
}

bool FooterBar::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QHeaderView* header = m_view->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const QRect cell = cellRect(column);
        if (!cell.contains(help->pos()))
            continue;
        if (const QString whole = cellToolTip(column); !whole.isEmpty()) {
            QToolTip::showText(help->globalPos(), whole, this, cell);
            return true;
        }
        break;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

QSize FooterBar::sizeHint() const {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    qsizetype lines = 1;
    for (auto cell = m_cells.cbegin(); cell != m_cells.cend(); ++cell)
        if (cell->wrap)
            lines = std::max(lines, shown(cell.key()).lines.size());
    return {0, metrics.height() + int(lines - 1) * metrics.lineSpacing() + 2 * kTextMargin};
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
        const QFont shownFont = cellFont(content);
        painter.setFont(shownFont);
        painter.setPen(readableOn(content.background.isValid() ? content.background : kCream,
                                  palette().color(QPalette::WindowText)));
        painter.drawText(textArea(cell), content.alignment,
                         shown(column).lines.join(QLatin1Char('\n')));
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
