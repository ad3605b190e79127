// The kinds of periods and the choice of the extra exclusions in the case file, and the files of
// the first version, which hold neither.
#include "case_builders.h"
#include "value_cases.h"

#include "calc/calculation.h"
#include "protect/case_file.h"
#include "store/case_file_values.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::enteredCase;
using testing_support::lawReference;
using testing_support::timesTheAverageWage;

std::string tempPath(const char* name) {
    return ::testing::TempDir() + "ravelta_" + name + "_" + std::to_string(getpid()) + ".csf";
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A woman with a child-care leave inside her work and a year of study, applying in 2024.
Case caseWithKinds() {
    const Reference& reference = *lawReference();
    Case person = enteredCase({"Олена Коваль", day("14.03.1962"), 1, day("20.03.2024")},
                              {{day("01.09.1979"), day("30.06.1983"), PeriodKind::Study},
                               {day("01.08.1983"), day("29.02.2024"), PeriodKind::Work},
                               {day("10.05.1990"), day("09.05.1993"), PeriodKind::ChildCare}},
                              reference);
    testing_support::earnEveryMonth(person, reference, timesTheAverageWage(0.9));
    return person;
}

TEST(PeriodKindsFileTest, KindsAndTheChoiceOfExclusionsSurviveSavingAndLoading) {
    for (const bool extra : {true, false}) {
        SCOPED_TRACE(extra ? "with the extra exclusions" : "without them");
        Case person = caseWithKinds();
        person.extraExclusions = extra;
        const std::string path = tempPath("kinds");
        ASSERT_TRUE(saveCaseFile(person, path).empty());
        const LoadedCaseFile file = loadCaseFile(path);
        std::filesystem::remove(path);
        ASSERT_TRUE(file.loaded) << (file.texts.empty() ? "" : file.texts.front());
        const Case& loaded = *file.loaded;
        EXPECT_EQ(loaded.extraExclusions, extra);
        ASSERT_EQ(loaded.periods.size(), person.periods.size());
        for (std::size_t i = 0; i < person.periods.size(); ++i)
            EXPECT_EQ(loaded.periods[i].kind, person.periods[i].kind) << i;
        ASSERT_EQ(loaded.months.size(), person.months.size());
        for (std::size_t i = 0; i < person.months.size(); ++i)
            EXPECT_EQ(loaded.months[i].kind, person.months[i].kind) << i;
    }
}

// The table as the first version wrote it: the same rows without the fields added since.
std::string firstVersionSnapshot(const Table& current, std::string_view snapshot,
                                 const std::vector<std::string>& added) {
    std::vector<FieldDef> all;
    std::vector<FieldDef> kept;
    for (int i = 0; i < current.fieldCount(); ++i) {
        const FieldDef& field = current.field(i);
        if (field.isLookup())
            continue;
        all.push_back(field);
        if (std::find(added.begin(), added.end(), field.name) == added.end())
            kept.push_back(field);
    }
    Table now("now", all);
    now.create();
    now.loadSnapshot(snapshot);
    Table before("before", kept);
    before.create();
    for (now.first(); !now.eof(); now.next()) {
        before.append();
        for (const FieldDef& field : kept)
            before.setValue(field.name, now.value(field.name));
        before.post();
    }
    return before.saveSnapshot();
}

TEST(PeriodKindsFileTest, AFileOfTheFirstVersionLoadsAsWorkWithTheExclusionsMade) {
    Case person = caseWithKinds();
    for (CasePeriod& period : person.periods)
        period.kind = PeriodKind::Work;
    person.periods.erase(person.periods.begin() + 2); // the care lay on the work
    const Reference& reference = *lawReference();
    person = enteredCase(person.person, person.periods, reference);
    testing_support::earnEveryMonth(person, reference, timesTheAverageWage(0.9));

    const std::string path = tempPath("first_version");
    ASSERT_TRUE(saveCaseFile(person, path).empty());
    const UnpackedCaseFile unpacked = UnpackCaseFile(fileBytes(path));
    ASSERT_TRUE(unpacked.unpacked());
    TdMain layout;
    const std::string old = PackCaseFile(
        firstVersionSnapshot(layout.cdsPerson, unpacked.person(), {"person_extra_excl"}),
        firstVersionSnapshot(layout.cdsExp, unpacked.periods(), {"exp_kind"}),
        firstVersionSnapshot(layout.cdsEarning, unpacked.ledger(),
                             {"earning_kind", "earning_excl"}));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << old;

    const LoadedCaseFile file = loadCaseFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(file.loaded) << (file.texts.empty() ? "" : file.texts.front());
    Case loaded = *file.loaded;
    EXPECT_TRUE(loaded.extraExclusions);
    for (const CasePeriod& period : loaded.periods)
        EXPECT_EQ(period.kind, PeriodKind::Work);

    const Date application = *person.person.applicationDate;
    const CalculationResult expected = calculate(person, reference, application);
    const CalculationResult got = calculate(loaded, reference, application);
    EXPECT_EQ(got.insuranceText, expected.insuranceText);
    EXPECT_EQ(got.extraExcluded, expected.extraExcluded);
    EXPECT_GT(got.extraExcluded, 0); // the quarantine's and the war's months below the average
    EXPECT_EQ(got.formula.totalPension, expected.formula.totalPension);
}

} // namespace
} // namespace rv
