#include "import/pdf_text.h"

#include "calc/messages.h"
#include "import/import_messages.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <climits>
#include <memory>

namespace rv::import {

namespace {

// Poppler reports damaged streams on standard error; the reader says what it could not read.
void ignorePopplerMessage(const std::string&, void*) {}

} // namespace

bool looksLikePdf(std::string_view bytes) {
    return bytes.substr(0, 5) == "%PDF-";
}

std::optional<std::string> pdfText(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    poppler::set_debug_error_function(ignorePopplerMessage, nullptr);
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
    if (!document || document->is_locked())
        return std::nullopt;
    std::string text;
    for (int index = 0; index < document->pages(); ++index) {
        const std::unique_ptr<poppler::page> page(document->create_page(index));
        if (!page)
            continue;
        const poppler::byte_array utf8 =
            page->text(poppler::rectf(), poppler::page::physical_layout).to_utf8();
        if (index > 0)
            text.push_back('\f');
        text.append(utf8.begin(), utf8.end());
    }
    return text;
}

std::string sourceText(std::string_view bytes, std::string& failure) {
    failure.clear();
    if (!looksLikePdf(bytes))
        return std::string(bytes);
    const std::optional<std::string> text = pdfText(bytes);
    if (!text) {
        failure = messages::kImportPdfUnreadable;
        return {};
    }
    if (text->find_first_not_of(" \t\r\n\f") == std::string::npos)
        failure = messages::kImportPdfWithoutText;
    return *text;
}

} // namespace rv::import
