#include "store/dmMain.h"
#include "engine/errors.h"
#include "calc/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rv {
namespace {

class RecordingListener : public DataModuleListener {
public:
    void periodStored() override { calls.push_back("periodStored"); }
    void ledgerRowStored() override { calls.push_back("ledgerRowStored"); }
    void ledgerDataChanged() override { calls.push_back("ledgerDataChanged"); }
    std::vector<std::string> calls;
};

class DataModuleTest : public testing::Test {
protected:
    void addPerson(std::optional<std::int32_t> id) {
        dm.cdsPerson.append();
        dm.cdsPerson.setValue("person_name", std::string("Особа"));
        if (id)
            dm.cdsPerson.setValue("person_id", *id);
        dm.cdsPerson.post();
    }

    RecordingListener listener;
    TdMain dm{EmbeddedReferenceData(), &listener};
};

TEST_F(DataModuleTest, StartsWithItsCountersAndFixedLists) {
    EXPECT_EQ(dm.currentPersonId(), -1);
    EXPECT_EQ(dm.lastPersonId(), 0);
    EXPECT_FALSE(dm.superState());
    EXPECT_EQ(dm.cdsGender.recordCount(), 2);
    EXPECT_EQ(dm.cdsMonth.recordCount(), 12);
    EXPECT_TRUE(dm.cdsMonth.locate("month_id", 11));
    EXPECT_EQ(dm.cdsMonth.asText("month_name"), "Грудень");
    EXPECT_TRUE(dm.cdsGender.locate("gender_id", 1));
    EXPECT_EQ(dm.cdsGender.asText("gender_name"), "Жінка");
    for (Table* table : {&dm.cdsPerson, &dm.cdsExp, &dm.cdsEarning, &dm.cdsEarningCopy,
                         &dm.cdsEarningOpt1, &dm.cdsEarningOpt2})
        EXPECT_EQ(table->recordCount(), 0) << table->name();
    EXPECT_EQ(dm.cdsEarning.indexFieldNames(), "earning_id");
}

TEST_F(DataModuleTest, NewPersonIdCountsFromOne) {
    EXPECT_EQ(dm.NewPersonId(), 1);
    EXPECT_EQ(dm.NewPersonId(), 2);
}

TEST_F(DataModuleTest, ApplyPersonFilterOnAnEmptyPersonTableFiltersToZero) {
    dm.ApplyPersonFilter();
    EXPECT_EQ(dm.currentPersonId(), 0);
    EXPECT_EQ(dm.cdsExp.filter(), "exp_person_id=0");
    EXPECT_EQ(dm.cdsEarning.filter(), "earning_person_id=0");
    EXPECT_TRUE(dm.cdsExp.filtered());
    EXPECT_TRUE(dm.cdsEarning.filtered());

    dm.cdsExp.setFilter("exp_person_id=9"); // unchanged id: the filters are left alone
    dm.ApplyPersonFilter();
    EXPECT_EQ(dm.cdsExp.filter(), "exp_person_id=9");
}

TEST_F(DataModuleTest, PostingThePersonFiltersTheCaseToItsIdentity) {
    addPerson(4);
    EXPECT_EQ(dm.currentPersonId(), 4);
    EXPECT_EQ(dm.cdsExp.filter(), "exp_person_id=4");
    EXPECT_EQ(dm.cdsEarning.filter(), "earning_person_id=4");
}

TEST_F(DataModuleTest, LoadedIdentitiesRaiseTheCounterPastThem) {
    struct Case {
        const char* name;
        int issuedBefore;
        std::int32_t loadedId;
        std::int32_t expectedLast;
    };
    const Case cases[] = {
        {"no person confirmed yet", 0, 5, 6},
        {"loaded id below the counter", 10, 3, 10},
        {"loaded id above the counter", 10, 12, 13},
        {"loaded id equal to the counter", 10, 10, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TdMain module;
        for (int i = 0; i < c.issuedBefore; ++i)
            module.NewPersonId();
        module.cdsPerson.append();
        module.cdsPerson.setValue("person_id", c.loadedId);
        module.cdsPerson.post();
        module.AdoptLoadedPersonIds();
        EXPECT_EQ(module.currentPersonId(), c.loadedId);
        EXPECT_EQ(module.lastPersonId(), c.expectedLast);
    }
    TdMain fresh;
    fresh.cdsPerson.append();
    fresh.cdsPerson.setValue("person_id", 5);
    fresh.cdsPerson.post();
    fresh.AdoptLoadedPersonIds();
    EXPECT_EQ(fresh.NewPersonId(), 7) << "the next person after a loaded 5 is 7";
}

TEST_F(DataModuleTest, APersonWithoutIdentityCannotBeAdopted) {
    addPerson(std::nullopt);
    EXPECT_THROW(dm.AdoptLoadedPersonIds(), TableError);
}

TEST_F(DataModuleTest, TableHooksTellTheWindow) {
    listener.calls.clear();
    dm.cdsExp.append();
    dm.cdsExp.setValue("exp_date_begin", dateFromCivil(2000, 1, 1));
    dm.cdsExp.setValue("exp_date_finish", dateFromCivil(2000, 12, 31));
    dm.cdsExp.post();
    EXPECT_EQ(listener.calls, std::vector<std::string>{"periodStored"});

    dm.setSuperState(true); // the row is stored as set, without its evaluation
    listener.calls.clear();
    dm.cdsEarning.append();
    dm.cdsEarning.setValue("earning_id", 1);
    listener.calls.clear();
    dm.cdsEarning.post();
    ASSERT_FALSE(listener.calls.empty());
    EXPECT_EQ(listener.calls.back(), "ledgerRowStored");
    EXPECT_NE(std::find(listener.calls.begin(), listener.calls.end(), "ledgerDataChanged"),
              listener.calls.end());

    listener.calls.clear();
    {
        BoundViewsSuspension suspended(dm.cdsEarning);
        dm.cdsEarning.first();
    }
    EXPECT_EQ(listener.calls, std::vector<std::string>{"ledgerDataChanged"})
        << "one change after the views resume";
}

TEST_F(DataModuleTest, OnlyTheLedgerNumberFieldsRestrictTyping) {
    for (const char* field : {"earning_payment", "earning_avg_zp", "earning_k", "earning_min_zp"}) {
        EXPECT_FALSE(dm.cdsEarning.acceptsTyped(field, U'-')) << field;
        EXPECT_FALSE(dm.cdsEarning.acceptsTyped(field, U'a')) << field;
        EXPECT_TRUE(dm.cdsEarning.acceptsTyped(field, U',')) << field;
        EXPECT_TRUE(dm.cdsEarning.acceptsTyped(field, U'7')) << field;
    }
    EXPECT_TRUE(dm.cdsEarning.acceptsTyped("earning_year", U'-'));
    EXPECT_TRUE(dm.cdsEarningOpt1.acceptsTyped("earning_payment", U'-'));
}

TEST_F(DataModuleTest, LedgerMonthNameComesFromTheMonthList) {
    dm.cdsEarning.append();
    dm.cdsEarning.setValue("earning_month", 11);
    EXPECT_EQ(dm.cdsEarning.asText("earning_month_name"), "Грудень");
}

TEST_F(DataModuleTest, WorkingCopiesCarryThePositionFieldFirstAndLast) {
    EXPECT_EQ(dm.cdsEarningOpt1.field(0).name, "earning_num");
    EXPECT_EQ(dm.cdsEarningOpt2.field(dm.cdsEarningOpt2.fieldCount() - 1).name, "earning_num");
    EXPECT_EQ(dm.cdsEarningOpt1.fieldCount(), dm.cdsEarning.fieldCount() + 1);
    EXPECT_EQ(dm.cdsEarningOpt1.field("earning_opt1").label, "");
    EXPECT_EQ(dm.cdsEarning.field("earning_opt1").label, "Враховано заробітки пісоя 1 оптимізаці");
}

TEST(DataModuleCreationTest, UnpackFailureStopsCreationWithTheMessage) {
    StoredReferenceData damaged = EmbeddedReferenceData();
    damaged.scalars[2] = "not base64!";
    try {
        TdMain module(damaged);
        FAIL() << "creation went on";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), messages::kCannotUnpackReference);
    }
}

TEST(DataModuleCreationTest, AnEmptyReferenceTextLeavesOnlyItsTableEmpty) {
    StoredReferenceData stored = EmbeddedReferenceData();
    stored.blocks[2] = ""; // the minimum wage
    TdMain module(stored);
    EXPECT_EQ(module.cdsMinZP.recordCount(), 0);
    EXPECT_GT(module.cdsKoeff.recordCount(), 0);
    EXPECT_GT(module.cdsMaxIncome.recordCount(), 0);
}

} // namespace
} // namespace rv
