#include "import/pdf_text.h"
#include "import/statement_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rv::import {
namespace {

// A small PDF of our own: each page prints its lines in Courier from the top left, one line
// every 14 points. The cross-reference table is computed, so poppler needs no repair.
std::string makePdf(const std::vector<std::vector<std::string>>& pages) {
    std::vector<std::string> objects;
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i)
        kids += std::to_string(4 + 2 * i) + " 0 R ";
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                      std::to_string(pages.size()) + " >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier >>");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources "
                          "<< /Font << /F1 3 0 R >> >> /Contents " +
                          std::to_string(5 + 2 * i) + " 0 R >>");
        std::string content = "BT /F1 9 Tf 30 800 Td 14 TL\n";
        for (const std::string& line : pages[i])
            content += "(" + line + ") Tj T*\n";
        content += "ET\n";
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                          content + "endstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        std::string number = std::to_string(offset);
        pdf += std::string(10 - number.size(), '0') + number + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

TEST(PdfTextTest, ReadsMonthLinesFromEveryPageKeepingColumns) {
    const std::string pdf = makePdf({
        {"Individual statement", "01.2012   11223344   TOV Zorya   3 500,00   1 260,00   1",
         "02.2012   11223344   TOV Zorya   3 600,00   1 296,00   1"},
        {"Individual statement", "03.2012   11223344   TOV Zorya   3 700,50   1 332,18   0,5"},
    });
    std::string failure;
    const std::string text = sourceText(pdf, failure);
    EXPECT_EQ(failure, "");
    EXPECT_NE(text.find('\f'), std::string::npos) << "pages are separated";
    const StatementReading reading = readStatement(text);
    ASSERT_EQ(reading.months.size(), 3u) << text;
    EXPECT_EQ(reading.months[0].amount, 3500);
    EXPECT_EQ(reading.months[2].amount, 3700.5);
    EXPECT_EQ(reading.months[2].experienceMonths, 0.5);
}

TEST(PdfTextTest, SaysWhyAPdfGivesNoText) {
    std::string failure;
    sourceText(makePdf({{}}), failure);
    EXPECT_EQ(failure, "у PDF-файлі немає тексту (можливо, це сканована копія; відкрийте її й "
                       "перепишіть суми)");
    sourceText("%PDF-1.4\nnot a document", failure);
    EXPECT_EQ(failure,
              "файл не вдалося відкрити як PDF (можливо, він пошкоджений або захищений паролем)");
    EXPECT_EQ(sourceText("2005;3;100", failure), "2005;3;100");
    EXPECT_EQ(failure, "");
}

} // namespace
} // namespace rv::import
