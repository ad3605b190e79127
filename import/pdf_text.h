#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rv::import {

// True when the bytes start as a PDF file does ("%PDF-").
bool looksLikePdf(std::string_view bytes);

// The text of every page of a PDF, laid out as printed (columns kept by spaces), pages
// separated by form feeds, in UTF-8. nullopt when the bytes are not a PDF poppler can open
// (damaged, or locked by a password); an empty text when the pages carry no text (a scan).
std::optional<std::string> pdfText(std::string_view bytes);

// The text of an import source: a PDF's laid-out text, or the bytes themselves. Sets
// `failure` to the reason (completing "У тексті не знайдено ...") when a PDF gives no text.
std::string sourceText(std::string_view bytes, std::string& failure);

} // namespace rv::import
