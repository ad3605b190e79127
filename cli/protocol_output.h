#pragma once

#include "pipeline.h"

#include <optional>
#include <string>

namespace rv::cli {

// ravelta-calc --protocol OUT.pdf: the protocol of the calculated case as a PDF, laid out by Qt
// Gui on its offscreen platform, so it needs no display.
class ProtocolOutput {
public:
    explicit ProtocolOutput(std::string path) : m_path(std::move(path)) {}

    // Writes the PDF when the pipeline has calculated the case.
    CalculatedCase writer();
    // Why no protocol was written (the case was not calculated, or the file could not be
    // written); none after a written one.
    std::optional<std::string> failure() const;

private:
    std::string m_path;
    bool m_written = false;
    std::optional<std::string> m_failure;
};

} // namespace rv::cli
