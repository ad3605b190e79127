#include "tools/refpack/provenance.h"

#include "protect/embedded_provenance.h"
#include "protect/source_flags.h"

#include <gtest/gtest.h>

#include <string>

namespace rv::refdata {
namespace {

TEST(SourceFlagsTest, ReadsTheFlagsAsWholeWordsAndRefusesUnknownMarkers) {
    const struct {
        const char* name;
        const char* source;
        unsigned flags;
    } readable[] = {
        {"a plain source", "bank.gov.ua, table 3", 0},
        {"a flag opening the note", "FILL: the yearly value", kFlagFill},
        {"two flags joined", "DERIVED+ASSUMPTION: 15 x ПМ", kFlagDerived | kFlagAssumption},
        {"a flag with words after it", "ESTIMATE END DATE: next value", kFlagEstimate},
        {"a flag in brackets", "ukrstat (VERIFY)", kFlagVerify},
        {"a flag of two words", "SERIES SWITCH: Ukrstat month", kFlagSeriesSwitch},
        {"a flag inside a longer word is none", "UNVERIFYABLE ESTIMATES", 0},
        {"a known note", "CONFIRMED: budget law | WEAK SOURCE: essay", 0},
        {"a short name before a colon", "PFU: hrliga.com", 0},
        {"a Roman number after a law's number", "Закон 2148-VIII: text", 0},
    };
    for (const auto& c : readable)
        EXPECT_EQ(sourceFlags(c.source, "x.csv:2"), c.flags) << c.name;

    for (const char* unreadable : {"ESTIMTE: interpolated", "a note | GUESS: 5 %"}) {
        try {
            sourceFlags(unreadable, "MinZP.csv:9");
            ADD_FAILURE() << unreadable << " was read";
        } catch (const RefdataError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("MinZP.csv:9: unknown flag", 0), 0u)
                << error.what();
        }
    }
}

TEST(ProvenanceTextTest, ListsEachSourceOnceAndRefusesARowWithout) {
    ReferenceTableLayout layout{"Koeff.csv", {}, "type"};
    CsvFile csv = parseCsv("begin;end;value;type;source\n"
                           "01.01.2004;31.12.2007;1;1;law A\n"
                           "01.01.2004;;1;2;ESTIMATE: law B\n"
                           "01.01.2008;;1.35;1;law A\n",
                           "Koeff.csv");
    EXPECT_EQ(provenanceText(csv, layout), "01.01.2004;31.12.2007;1;0;0\n"
                                           "01.01.2004;;2;2;1\n"
                                           "01.01.2008;;1;0;0\n"
                                           "\n"
                                           "law A\n"
                                           "ESTIMATE: law B\n");
    csv.rows[1].back().clear();
    EXPECT_THROW(provenanceText(csv, layout), RefdataError);
}

TEST(ProvenanceTextTest, TheProgramEmbedsTheProvenanceOfEveryReferenceTable) {
    for (const ReferenceTableLayout& layout : referenceTableLayouts()) {
        const CsvFile csv =
            readCsvFile(std::string(RV_REFDATA_DIR) + "/" + std::string(layout.fileName));
        EXPECT_EQ(EmbeddedProvenance(layout.fileName), provenanceText(csv, layout))
            << layout.fileName;
    }
    EXPECT_TRUE(EmbeddedProvenance("unknown.csv").empty());
}

} // namespace
} // namespace rv::refdata
