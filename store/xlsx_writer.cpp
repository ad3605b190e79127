#include "xlsx_writer.h"

#include "atomic_file.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
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

namespace {

// A folder only this user can enter, removed with what it holds when the scope ends: the
// library writes its workbook by name, so the name must be where nobody else can plant a link.
class PrivateFolder {
public:
    PrivateFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ravelta-xlsx-XXXXXX");
        if (!mkdtemp(pattern.data()))
            throw std::filesystem::filesystem_error(
                "cannot create a private folder", std::error_code(errno, std::generic_category()));
        m_path = pattern;
    }
    ~PrivateFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file && !file.eof())
        throw std::filesystem::filesystem_error("cannot read the workbook", path,
                                                std::make_error_code(std::errc::io_error));
    return bytes;
}

} // namespace

// The workbook is written in a private folder, then its bytes replace the target as every save
// of the program does (atomically, keeping the target's mode).
void XlsxWriter::save(const std::filesystem::path& path) const {
    const PrivateFolder folder;
    const std::filesystem::path temporary = folder.path() / "workbook.xlsx";
    const auto fail = [&](const char* what) {
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
    writeFileAtomically(path, fileBytes(temporary));
}

} // namespace rv
