#pragma once

#include "calc/protocol.h"

#include <QSizeF>
#include <QString>

#include <optional>

class QPagedPaintDevice;

namespace rv {

// The protocol as HTML for QTextDocument; the chart is the image resource "chart:earnings" of
// `chartSize`.
QString protocolHtml(const Protocol& protocol, QSizeF chartSize);

// Lays the protocol out on the pages of `device` (a QPdfWriter or a QPrinter, A4 and its margins
// set by the caller) with "Сторінка N з M" and the person's name under each page; returns the
// number of pages.
int paintProtocol(const Protocol& protocol, QPagedPaintDevice& device);

// Writes the protocol as an A4 PDF at `path` atomically (writeFileAtomically), so a failure
// leaves an existing file whole; the reason of a failure in Ukrainian, none on success.
std::optional<QString> writeProtocolPdf(const Protocol& protocol, const QString& path);

} // namespace rv
