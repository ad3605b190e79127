#include "xlsx_writer.h"

#include "engine/atomic_file.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace rv {

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

// Writes each cell of a row from its first column; false when the library refuses one.
class SheetFiller {
public:
    SheetFiller(lxw_workbook* workbook, lxw_worksheet* sheet)
        : m_workbook(workbook), m_sheet(sheet) {}

    bool row(const std::vector<SheetCell>& cells) {
        for (std::size_t column = 0; column < cells.size(); ++column)
            if (!cell(static_cast<lxw_col_t>(column), cells[column]))
                return false;
        ++m_row;
        return true;
    }

private:
    bool cell(lxw_col_t column, const SheetCell& cell) {
        lxw_error error = LXW_NO_ERROR;
        if (const auto* text = std::get_if<std::string>(&cell))
            error = worksheet_write_string(m_sheet, m_row, column, text->c_str(), nullptr);
        else if (const auto* integer = std::get_if<std::int32_t>(&cell))
            error = worksheet_write_number(m_sheet, m_row, column, *integer, nullptr);
        else if (const auto* number = std::get_if<SheetNumber>(&cell))
            error = worksheet_write_number(m_sheet, m_row, column, number->value,
                                           format(number->format));
        else if (const auto* day = std::get_if<Date>(&cell))
            error = worksheet_write_number(m_sheet, m_row, column, day->serial,
                                           format(kSheetDateFormat));
        return error == LXW_NO_ERROR;
    }

    // The workbook's format of a number format code, made once; none for the general format.
    lxw_format* format(std::string_view code) {
        if (code.empty())
            return nullptr;
        const auto found = m_formats.find(std::string(code));
        if (found != m_formats.end())
            return found->second;
        lxw_format* made = workbook_add_format(m_workbook);
        if (made)
            format_set_num_format(made, std::string(code).c_str());
        m_formats.emplace(std::string(code), made);
        return made;
    }

    lxw_workbook* m_workbook;
    lxw_worksheet* m_sheet;
    lxw_row_t m_row = 0;
    std::map<std::string, lxw_format*, std::less<>> m_formats;
};

bool fill(lxw_workbook* workbook, lxw_worksheet* sheet, const Sheet& contents) {
    const std::vector<int> widths = sheetColumnWidths(contents);
    for (std::size_t column = 0; column < widths.size(); ++column)
        if (worksheet_set_column(sheet, static_cast<lxw_col_t>(column),
                                 static_cast<lxw_col_t>(column), widths[column],
                                 nullptr) != LXW_NO_ERROR)
            return false;
    SheetFiller filler(workbook, sheet);
    if (!contents.heading.empty() && !filler.row({contents.heading}))
        return false;
    if (!contents.titles.empty() &&
        !filler.row(std::vector<SheetCell>(contents.titles.begin(), contents.titles.end())))
        return false;
    for (const std::vector<SheetCell>& row : contents.rows)
        if (!filler.row(row))
            return false;
    return contents.totals.empty() || filler.row(contents.totals);
}

} // namespace

// The workbook is written in a private folder, then its bytes replace the target as every save
// of the program does (atomically, keeping the target's mode).
void saveXlsxFile(const std::filesystem::path& path, const Sheet& sheet) {
    const PrivateFolder folder;
    const std::filesystem::path temporary = folder.path() / "workbook.xlsx";
    const auto fail = [&](const char* what) {
        throw std::filesystem::filesystem_error(what, path,
                                                std::make_error_code(std::errc::io_error));
    };
    lxw_workbook* workbook = workbook_new(temporary.c_str());
    if (!workbook)
        fail("cannot create the workbook");
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
    const bool written = worksheet != nullptr && fill(workbook, worksheet, sheet);
    const lxw_error closed = workbook_close(workbook);
    if (!written || closed != LXW_NO_ERROR)
        fail("cannot write the workbook");
    writeFileAtomically(path, fileBytes(temporary));
}

} // namespace rv
