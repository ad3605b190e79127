#include "page_control.h"

#include "contrast.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

#include <algorithm>

namespace rv {

namespace {

constexpr int kCaptionPadding = 12; // each side of a caption in a tab as wide as its caption
constexpr int kMargin = 2;

} // namespace

const QColor TabStrip::kActiveFill(230, 225, 200);
const QColor TabStrip::kInactiveText(50, 50, 50);
const QColor TabStrip::kDisabledText(128, 128, 128);

TabStrip::TabStrip(PageControl* pages) : QWidget(pages), m_pages(pages) {
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int TabStrip::rowHeight() const {
    return fontMetrics().height() + 10;
}

int TabStrip::tabWidth(int index) const {
    if (m_pages->tabWidth() > 0)
        return m_pages->tabWidth();
    return fontMetrics().horizontalAdvance(m_pages->caption(index)) + 2 * kCaptionPadding;
}

std::vector<QRect> TabStrip::layoutTabs(int width) const {
    std::vector<QRect> rects;
    const int count = m_pages->count();
    if (count == 0)
        return rects;
    const int available = std::max(width - 2 * kMargin, 1);
    // Rows of tab indexes; a single row unless the tabs wrap.
    std::vector<std::vector<int>> rows(1);
    int used = 0;
    for (int i = 0; i < count; ++i) {
        const int w = tabWidth(i);
        if (m_pages->isMultiLine() && used > 0 && used + w > available) {
            rows.emplace_back();
            used = 0;
        }
        rows.back().push_back(i);
        used += w;
    }
    rects.resize(static_cast<std::size_t>(count));
    const int height = rowHeight();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        int natural = 0;
        for (int i : rows[row])
            natural += tabWidth(i);
        // Wrapped rows are stretched to the full width, as a multi-line tab control does.
        const int extra = rows.size() > 1 ? std::max(available - natural, 0) : 0;
        const int tabs = static_cast<int>(rows[row].size());
        int x = kMargin;
        for (int k = 0; k < tabs; ++k) {
            const int i = rows[row][static_cast<std::size_t>(k)];
            const int w = tabWidth(i) + extra / tabs + (k < extra % tabs ? 1 : 0);
            rects[static_cast<std::size_t>(i)] =
                QRect(x, kMargin + static_cast<int>(row) * height, w, height);
            x += w;
        }
    }
    return rects;
}

// The strip is as high as its rows of tabs at its current width.
void TabStrip::relayout() {
    m_rects = layoutTabs(width());
    setFixedHeight(heightForWidth(width()));
    update();
}

int TabStrip::heightForWidth(int width) const {
    int bottom = kMargin + rowHeight();
    for (const QRect& rect : layoutTabs(width))
        bottom = std::max(bottom, rect.bottom() + 1);
    return bottom;
}

QSize TabStrip::sizeHint() const {
    int width = 2 * kMargin;
    for (int i = 0; i < m_pages->count(); ++i)
        width += tabWidth(i);
    return {width, heightForWidth(width)};
}

QSize TabStrip::minimumSizeHint() const {
    if (!m_pages->isMultiLine())
        return sizeHint();
    int widest = 0;
    for (int i = 0; i < m_pages->count(); ++i)
        widest = std::max(widest, tabWidth(i));
    return {widest + 2 * kMargin, rowHeight() + kMargin};
}

QRect TabStrip::tabRect(int index) const {
    if (index < 0 || index >= static_cast<int>(m_rects.size()))
        return {};
    return m_rects[static_cast<std::size_t>(index)];
}

int TabStrip::tabAt(const QPoint& position) const {
    for (std::size_t i = 0; i < m_rects.size(); ++i)
        if (m_rects[i].contains(position))
            return static_cast<int>(i);
    return -1;
}

void TabStrip::resizeEvent(QResizeEvent*) {
    relayout();
}

void TabStrip::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const QColor border = palette().color(QPalette::Mid);
    for (int i = 0; i < m_pages->count(); ++i) {
        const QRect rect = tabRect(i);
        const bool active = i == m_pages->currentIndex();
        painter.fillRect(rect, active ? kActiveFill : palette().color(QPalette::Window));
        painter.setPen(border);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));

        QFont captionFont = font();
        captionFont.setUnderline(active);
        painter.setFont(captionFont);
        QColor text = active ? readableOn(kActiveFill, palette().color(QPalette::WindowText))
                             : readableOn(palette().color(QPalette::Window), kInactiveText);
        if (!m_pages->isPageEnabled(i))
            text = kDisabledText;
        painter.setPen(text);
        const QRect captionRect = rect.adjusted(4, 0, -4, 0);
        const QString caption =
            QFontMetrics(captionFont)
                .elidedText(m_pages->caption(i), Qt::ElideRight, captionRect.width());
        painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine, caption);

        if (active && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect.adjusted(3, 3, -3, -3);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The tab under the pointer decides; a disabled page refuses the change silently.
    const int index = tabAt(event->position().toPoint());
    if (index >= 0)
        m_pages->userSelect(index);
    event->accept();
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() != Qt::NoModifier) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_pages->userSelect(m_pages->nextEnabled(-1));
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_pages->userSelect(m_pages->nextEnabled(1));
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), m_tabs(new TabStrip(this)), m_stack(new QStackedWidget(this)) {
    m_stack->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_stack, 1);
}

int PageControl::addPage(QWidget* page, const QString& caption) {
    m_pages.push_back({page, caption, true});
    m_stack->addWidget(page);
    if (m_current < 0)
        setCurrentIndex(0);
    m_tabs->relayout();
    return count() - 1;
}

QWidget* PageControl::page(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return m_pages[static_cast<std::size_t>(index)].widget;
}

int PageControl::indexOf(const QWidget* page) const {
    for (int i = 0; i < count(); ++i)
        if (m_pages[static_cast<std::size_t>(i)].widget == page)
            return i;
    return -1;
}

QString PageControl::caption(int index) const {
    return m_pages.at(static_cast<std::size_t>(index)).caption;
}

void PageControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    m_stack->setCurrentWidget(page(index));
    m_tabs->update();
    emit currentChanged(index);
}

void PageControl::setPageEnabled(int index, bool enabled) {
    Page& entry = m_pages.at(static_cast<std::size_t>(index));
    entry.enabled = enabled;
    entry.widget->setEnabled(enabled);
    m_tabs->update(); // the caption colours follow
}

bool PageControl::isPageEnabled(int index) const {
    return m_pages.at(static_cast<std::size_t>(index)).enabled;
}

void PageControl::setTabWidth(int pixels) {
    m_tabWidth = pixels;
    m_tabs->relayout();
}

void PageControl::setMultiLine(bool multiLine) {
    m_multiLine = multiLine;
    m_tabs->relayout();
}

bool PageControl::userSelect(int index) {
    if (index < 0 || index >= count() || !isPageEnabled(index))
        return false;
    setCurrentIndex(index);
    return true;
}

int PageControl::nextEnabled(int step) const {
    for (int k = 1; k < count(); ++k) {
        const int index = ((m_current + step * k) % count() + count()) % count();
        if (isPageEnabled(index))
            return index;
    }
    return -1;
}

void PageControl::keyPressEvent(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    int step = 0;
    if (control && event->key() == Qt::Key_Tab)
        step = shift ? -1 : 1;
    else if (control && event->key() == Qt::Key_Backtab)
        step = -1;
    else if (control && event->key() == Qt::Key_PageDown)
        step = 1;
    else if (control && event->key() == Qt::Key_PageUp)
        step = -1;
    if (step == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    userSelect(nextEnabled(step));
    event->accept();
}

} // namespace rv
