// libFuzzer target for the earnings import reader. The first input byte picks what the rest is
// fed to:
//   0: readStatement on the bytes as text, then the reference flags of what it read;
//   1: the same behind "%PDF-", so poppler's text of a damaged PDF reaches the reader;
//   2: tokenise and parseAmount on every normalised line, and the row's cells: the money split,
//      and the readings of its integers as thirteen cells.
#include "calc/reference.h"
#include "import/amount_cells.h"
#include "import/import_preview.h"
#include "import/import_text.h"
#include "import/pdf_text.h"
#include "import/statement_reading.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

const rv::Reference& reference() {
    // Unpacking the reference data takes milliseconds: once per run.
    static const auto stored = rv::Reference::fromStored(rv::EmbeddedReferenceData());
    return *stored;
}

void readText(std::string_view bytes) {
    const rv::import::StatementReading reading = rv::import::readStatement(bytes, &reference());
    rv::import::previewFlags(reference(), reading, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        readText(bytes);
        break;
    case 1: {
        std::string failure;
        readText(rv::import::sourceText("%PDF-" + std::string(bytes), failure));
        break;
    }
    default:
        for (const rv::import::Line& line : rv::import::normaliseStatement(bytes)) {
            std::vector<rv::import::Token> cells;
            for (const rv::import::Token& token : rv::import::tokenise(line)) {
                rv::import::parseAmount(token.text);
                if (token.kind != rv::import::Token::Kind::Word)
                    cells.push_back(token);
            }
            rv::import::moneyCells(cells);
            rv::import::integerSplits(cells, 13, 4);
        }
        break;
    }
    return 0;
}
