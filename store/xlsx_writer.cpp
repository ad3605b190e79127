#include "xlsx_writer.h"

#include "atomic_file.h"

#include <xlsxwriter.h>

#include <system_error>

namespace rv {

void XlsxWriter::label(std::string_view utf8) {
    m_rows.back().emplace_back(std::string(utf8));
}

void XlsxWriter::number(double value) {
    m_rows.back().emplace_back(value);
}

void XlsxWriter::integer(std::int32_t value) {
    m_rows.back().emplace_back(static_cast<double>(value));
}

void XlsxWriter::blank() {
    m_rows.back().emplace_back(std::monostate{});
}

void XlsxWriter::endRow() {
    m_rows.emplace_back();
}

void XlsxWriter::save(const std::filesystem::path& path) const {
    const std::filesystem::path temporary = temporaryPathFor(path);
    const auto fail = [&](const char* what) {
        std::error_code ignored; // the temporary file may not exist
        std::filesystem::remove(temporary, ignored);
        throw std::filesystem::filesystem_error(what, path,
                                                std::make_error_code(std::errc::io_error));
    };
    lxw_workbook* workbook = workbook_new(temporary.c_str());
    if (!workbook)
        fail("cannot create the workbook");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    bool written = sheet != nullptr;
    for (std::size_t row = 0; written && row < m_rows.size(); ++row)
        for (std::size_t column = 0; written && column < m_rows[row].size(); ++column) {
            const Cell& cell = m_rows[row][column];
            const auto r = static_cast<lxw_row_t>(row);
            const auto c = static_cast<lxw_col_t>(column);
            lxw_error error = LXW_NO_ERROR;
            if (const auto* text = std::get_if<std::string>(&cell))
                error = worksheet_write_string(sheet, r, c, text->c_str(), nullptr);
            else if (const auto* value = std::get_if<double>(&cell))
                error = worksheet_write_number(sheet, r, c, *value, nullptr);
            written = error == LXW_NO_ERROR;
        }
    const lxw_error closed = workbook_close(workbook);
    if (!written || closed != LXW_NO_ERROR)
        fail("cannot write the workbook");
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed)
        fail("cannot replace the file");
}

} // namespace rv
