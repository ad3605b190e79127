#pragma once

// Looks inside an .xlsx workbook for the tests: its members through `unzip -p`, the cells of the
// worksheet's XML and the number format of a cell style.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace rv::testing_support {

inline bool unzipInstalled() {
    return std::system("unzip -v >/dev/null 2>&1") == 0;
}

// One member of the workbook's zip container, as text; empty when it cannot be read.
inline std::string zipMember(const std::filesystem::path& file, const char* name) {
    const std::string command = "unzip -p '" + file.string() + "' " + name + " 2>/dev/null";
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    pclose(pipe);
    return text;
}

// The first group of every match of `pattern`, in order.
inline std::vector<std::string> regexGroups(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

// The worksheet, its shared strings and its styles.
struct XlsxContents {
    std::string cells;
    std::string texts;
    std::string styles;

    explicit XlsxContents(const std::filesystem::path& file)
        : cells(zipMember(file, "xl/worksheets/sheet1.xml")),
          texts(zipMember(file, "xl/sharedStrings.xml")), styles(zipMember(file, "xl/styles.xml")) {
    }

    // The number format code of a cell style ("s" of a cell); "built-in N" for a built-in one.
    std::string formatOfStyle(int style) const {
        const auto at = styles.find("<cellXfs");
        const std::vector<std::string> ids =
            regexGroups(at == std::string::npos ? std::string() : styles.substr(at),
                        "<xf numFmtId=\"([0-9]+)\"");
        if (style < 0 || static_cast<std::size_t>(style) >= ids.size())
            return "no such style";
        const std::string& id = ids[static_cast<std::size_t>(style)];
        const std::vector<std::string> codes =
            regexGroups(styles, "<numFmt numFmtId=\"" + id + "\" formatCode=\"([^\"]*)\"");
        return codes.empty() ? "built-in " + id : codes[0];
    }

    // The format of the cell at `reference` holding the number `value` ("no such cell" when none).
    std::string numberFormat(const std::string& reference, const std::string& value) const {
        const std::vector<std::string> found = regexGroups(
            cells, "<c r=\"" + reference + "\" s=\"([0-9]+)\"><v>" + value + "</v></c>");
        return found.empty() ? std::string("no such cell") : formatOfStyle(std::stoi(found[0]));
    }

    // The number of a cell at `reference` with any style ("no such cell" when none).
    std::string value(const std::string& reference) const {
        const std::vector<std::string> found =
            regexGroups(cells, "<c r=\"" + reference + "\"(?: s=\"[0-9]+\")?><v>([^<]*)</v></c>");
        return found.empty() ? std::string("no such cell") : found[0];
    }

    // The text of a shared-string cell ("no such cell" when none).
    std::string text(const std::string& reference) const {
        const std::vector<std::string> index =
            regexGroups(cells, "<c r=\"" + reference + "\" t=\"s\"><v>([0-9]+)</v></c>");
        if (index.empty())
            return "no such cell";
        const std::vector<std::string> all = regexGroups(texts, "<t[^>]*>([^<]*)</t>");
        const auto at = static_cast<std::size_t>(std::stoi(index[0]));
        return at < all.size() ? all[at] : "no such text";
    }

    // The column widths, in characters with Excel's padding.
    std::vector<double> widths() const {
        std::vector<double> found;
        for (const std::string& width : regexGroups(cells, "<col [^>]*width=\"([0-9.]+)\""))
            found.push_back(std::stod(width));
        return found;
    }
};

} // namespace rv::testing_support
