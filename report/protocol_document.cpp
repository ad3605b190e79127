#include "protocol_document.h"

#include "earnings_chart.h"
#include "engine/atomic_file.h"
#include "calc/messages.h"
#include "engine/save_failure.h"
#include "report/report_messages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cmath>
#include <filesystem>

namespace rv {

namespace {

const QString kChartResource = QStringLiteral("chart:earnings");
constexpr int kPdfResolution = 300;       // dots per inch of the PDF's layout
constexpr int kChartResolution = 200;     // dots per inch of the chart's picture
constexpr double kChartHeightShare = 0.3; // of the page's width
constexpr double kFooterLines = 2;
constexpr std::size_t kLongestCellTable = 60; // rows; a longer table becomes a listing

QString escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

const char* rowStyle(RowMark mark) {
    switch (mark) {
    case RowMark::EarlyWindow:
        return " style=\"background-color:#d0eccc\"";
    case RowMark::Excluded:
        return " style=\"background-color:#f7cece\"";
    case RowMark::NotCounted:
        return " style=\"color:#707070\"";
    case RowMark::Estimated:
        return " style=\"background-color:#fff0c0\"";
    case RowMark::None:
        break;
    }
    return "";
}

void appendFigures(QString& html, const std::vector<ProtocolFigure>& figures) {
    if (figures.empty())
        return;
    html += QStringLiteral("<table class=\"figures\" width=\"100%\" cellspacing=\"0\" "
                           "cellpadding=\"3\"><tr><th width=\"34%\">") +
            escaped(messages::kProtocolFigureColumn) + "</th><th width=\"16%\">" +
            escaped(messages::kProtocolValueColumn) + "</th><th width=\"30%\">" +
            escaped(messages::kProtocolFormulaColumn) + "</th><th width=\"20%\">" +
            escaped(messages::kProtocolArticleColumn) + "</th></tr>";
    for (const ProtocolFigure& figure : figures)
        html += "<tr><td>" + escaped(figure.caption) + "</td><td><b>" + escaped(figure.value) +
                "</b></td><td>" + escaped(figure.formula) + "</td><td>" + escaped(figure.article) +
                "</td></tr>";
    html += QStringLiteral("</table>");
}

// A long table as a fixed-width listing, one line a row: laying out thousands of table cells
// would take the document seconds, lines of text take it milliseconds.
void appendListing(QString& html, const ProtocolTable& table) {
    std::vector<qsizetype> widths(table.header.size(), 0);
    auto measure = [&widths](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], QString::fromStdString(cells[i]).size());
    };
    measure(table.header);
    for (const auto& row : table.rows)
        measure(row);
    auto line = [&widths](const std::vector<std::string>& cells) {
        QString text;
        for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
            // Numbers line up on the right; the month and the mark read from the left.
            text += i == 0 || i + 1 == cells.size()
                        ? QString::fromStdString(cells[i]).leftJustified(widths[i] + 2)
                        : QString::fromStdString(cells[i]).rightJustified(widths[i]) +
                              QStringLiteral("  ");
        return text.trimmed().toHtmlEscaped();
    };
    html += QStringLiteral("<pre class=\"listing\"><b>") + line(table.header) +
            QStringLiteral("</b>\n");
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const RowMark mark = row < table.marks.size() ? table.marks[row] : RowMark::None;
        html += QStringLiteral("<span") + rowStyle(mark) + ">" + line(table.rows[row]) +
                QStringLiteral("</span>\n");
    }
    html += QStringLiteral("</pre>");
}

void appendTable(QString& html, const std::string& title, const ProtocolTable& table) {
    html += "<p class=\"caption\">" + escaped(title) + "</p>";
    if (table.rows.size() > kLongestCellTable) {
        appendListing(html, table);
        return;
    }
    html += QStringLiteral("<table class=\"data\" width=\"100%\" cellspacing=\"0\" "
                           "cellpadding=\"2\"><thead><tr>");
    int totalWidth = 0;
    for (const int width : table.relativeWidths)
        totalWidth += width;
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        QString width;
        if (totalWidth > 0 && i < table.relativeWidths.size())
            width =
                QStringLiteral(" width=\"%1%\"").arg(table.relativeWidths[i] * 100 / totalWidth);
        html += "<th" + width + ">" + escaped(table.header[i]) + "</th>";
    }
    html += QStringLiteral("</tr></thead>");
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const RowMark mark = row < table.marks.size() ? table.marks[row] : RowMark::None;
        html += QStringLiteral("<tr") + rowStyle(mark) + ">";
        for (const std::string& cell : table.rows[row])
            html += "<td>" + escaped(cell) + "</td>";
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
}

// The chart as a picture of the page's width, at the layout's resolution.
QImage chartImage(const std::vector<LedgerMonthView>& months, int width, int dotsPerInch) {
    QImage image(width, int(std::lround(width * kChartHeightShare)), QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintEarningsChart(painter, QRectF(image.rect()), months);
    return image;
}

} // namespace

QString protocolHtml(const Protocol& protocol, QSizeF chartSize) {
    QString html = QStringLiteral(
        "<html><head><style>"
        "body { font-size: 9pt; }"
        "h1 { font-size: 14pt; margin-bottom: 2pt; }"
        "h2 { font-size: 11pt; margin-top: 12pt; margin-bottom: 4pt; }"
        "p.made { font-size: 8pt; color: #505050; }"
        "p.caption { font-weight: bold; margin-top: 6pt; margin-bottom: 2pt; }"
        "table { border-collapse: collapse; }"
        "th { background-color: #e8e8e8; text-align: left; }"
        "td, th { border: 1px solid #a0a0a0; vertical-align: top; }"
        "table.data { font-size: 7.5pt; }"
        "pre.listing { font-family: 'DejaVu Sans Mono', monospace; font-size: 6.5pt; }"
        "</style></head><body>");
    html += "<h1>" + escaped(protocol.title) + "</h1>";
    html += "<p class=\"made\">" + escaped(protocol.madeLine) + "</p>";
    for (const ProtocolSection& section : protocol.sections) {
        html += "<h2>" + escaped(section.title) + "</h2>";
        appendFigures(html, section.figures);
        if (section.chart)
            html += QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
                        .arg(kChartResource)
                        .arg(chartSize.width())
                        .arg(chartSize.height());
        for (const std::string& paragraph : section.paragraphs)
            html += "<p>" + escaped(paragraph) + "</p>";
        for (std::size_t i = 0; i < section.tables.size(); ++i)
            appendTable(html, i < section.tableTitles.size() ? section.tableTitles[i] : "",
                        section.tables[i]);
        for (const std::string& paragraph : section.closing)
            html += "<p>" + escaped(paragraph) + "</p>";
    }
    html += QStringLiteral("</body></html>");
    return html;
}

int paintProtocol(const Protocol& protocol, QPagedPaintDevice& device) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    QFont font = document.defaultFont();
    font.setPointSizeF(9);
    document.setDefaultFont(font);

    const QFontMetricsF metrics(font, &device);
    const double footerHeight = metrics.height() * kFooterLines;
    const QSizeF page(device.width(), device.height() - footerHeight);
    document.setPageSize(page);
    document.setDocumentMargin(0);
    // The layout scales a picture by the device's resolution over the screen's, so the chart's
    // size is given in the screen's units; it is drawn at no more than kChartResolution, which
    // prints sharp and keeps the PDF small and quick to write.
    const double scale = device.logicalDpiY() / 96.0;
    const int chartDpi = std::min(device.logicalDpiX(), kChartResolution);
    const QImage chart =
        chartImage(protocol.chart, int(page.width() * chartDpi / device.logicalDpiX()), chartDpi);
    const QSizeF chartSize(page.width() / scale, page.width() * kChartHeightShare / scale);
    document.addResource(QTextDocument::ImageResource, QUrl(kChartResource), chart);
    const QString html = protocolHtml(protocol, chartSize);
    document.setHtml(html);

    const int pages = document.pageCount();
    QPainter painter(&device);
    painter.setFont(font);
    const QString person = QString::fromStdString(protocol.personName);
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        const QRectF shown(0, page.height() * index, page.width(), page.height());
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        document.drawContents(&painter, shown);
        painter.restore();
        const QRectF footer(0, page.height() + footerHeight / 4, page.width(), metrics.height());
        painter.setPen(QColor(80, 80, 80));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(messages::kProtocolTitle) + QStringLiteral(" — ") +
                             person);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(messages::kProtocolPage) + QString::number(index + 1) +
                             QString::fromUtf8(messages::kProtocolPageOf) + QString::number(pages));
    }
    return pages;
}

std::optional<QString> writeProtocolPdf(const Protocol& protocol, const QString& path) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 12, 12, 12), QPageLayout::Millimeter));
        writer.setTitle(QString::fromUtf8(messages::kProtocolTitle) + QStringLiteral(" — ") +
                        QString::fromStdString(protocol.personName));
        writer.setCreator(QStringLiteral("Ravelta"));
        paintProtocol(protocol, writer);
    }
    // Written as every file of the program is: whole or not at all, with the cause in Ukrainian.
    try {
        writeFileAtomically(std::filesystem::path(path.toStdString()),
                            std::string_view(pdf.data().constData(), std::size_t(pdf.size())));
    } catch (const std::filesystem::filesystem_error& error) {
        return QString::fromUtf8(messages::kProtocolCannotWrite) + path + QStringLiteral(". ") +
               QString::fromStdString(saveFailureMessage(error.code()));
    }
    return std::nullopt;
}

} // namespace rv
