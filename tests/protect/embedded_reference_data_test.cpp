// The container built into the program, unpacked through the real start-up code and compared
// with the CSVs it was packed from.

#include "protect/reference_container.h"
#include "tools/refpack/refdata_csv.h"

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>

namespace rv {
namespace {

const std::filesystem::path kRefdataDir = RV_REFDATA_DIR;

class EmbeddedReferenceDataTest : public testing::Test {
protected:
    static void SetUpTestSuite() { UnpackReferenceData(EmbeddedReferenceData(), s_unpacked); }

    static ReferenceData s_unpacked;
};

ReferenceData EmbeddedReferenceDataTest::s_unpacked;

TEST_F(EmbeddedReferenceDataTest, TextsEqualTheTextsBuiltFromTheCsvs) {
    const auto& layouts = refdata::referenceTableLayouts();
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        SCOPED_TRACE(layouts[i].fileName);
        const refdata::CsvFile csv = refdata::readCsvFile(kRefdataDir / layouts[i].fileName);
        ASSERT_FALSE(csv.rows.empty());
        EXPECT_EQ(s_unpacked.texts[i], refdata::referenceText(csv, layouts[i]));
    }
}

TEST_F(EmbeddedReferenceDataTest, ParametersEqualParametersCsv) {
    const auto texts = refdata::storedParameterTexts(
        refdata::readCsvFile(kRefdataDir / refdata::kParametersFileName));
    const std::int32_t ReferenceData::*const parameters[] = {
        &ReferenceData::MinInsuranceYears, &ReferenceData::FullInsuranceYearsMale,
        &ReferenceData::FullInsuranceYearsFemale, &ReferenceData::PensionAgeMale,
        &ReferenceData::PensionAgeFemale};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(refdata::kStoredParameterNames[i]);
        std::int32_t expected = 0;
        std::from_chars(texts[i].data(), texts[i].data() + texts[i].size(), expected);
        EXPECT_EQ(s_unpacked.*parameters[i], expected) << "csv text \"" << texts[i] << '"';
    }
    EXPECT_EQ(s_unpacked.Opt1WindowMonths, s_unpacked.PensionAgeMale);
    EXPECT_EQ(s_unpacked.Opt2MaxExcludedMonths, s_unpacked.PensionAgeMale);
    EXPECT_EQ(s_unpacked.Opt2MinKeptMonths, s_unpacked.PensionAgeMale);
}

} // namespace
} // namespace rv
