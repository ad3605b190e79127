#include "engine/errors.h"
#include "engine/table.h"

#include <gtest/gtest.h>

#include <vector>

namespace rv {
namespace {

// A ledger-shaped table with a month-name lookup, enough to show every cursor and filter rule.
class LedgerTable : public testing::Test {
protected:
    LedgerTable()
        : months("months", {integerField("month_id"), textField("month_name", 20)}),
          ledger("ledger", {integerField("earning_id"), integerField("earning_person_id"),
                            integerField("earning_year"),
                            lookupField("earning_month_name", "Місяць", true,
                                        {"earning_month", &months, "month_id", "month_name"}),
                            integerField("earning_month"), floatField("earning_payment"),
                            textField("earning_opt1", 20)}) {
        months.create();
        const char* names[] = {"Січень", "Лютий",    "Березень", "Квітень",
                               "Травень", "Червень", "Липень",   "Серпень",
                               "Вересень", "Жовтень", "Листопад", "Грудень"};
        for (int i = 0; i < 12; ++i) {
            months.append();
            months.setValue("month_id", i);
            months.setValue("month_name", std::string(names[i]));
            months.post();
        }
        ledger.create();
        ledger.setIndexFieldNames("earning_id");
    }

    void addMonth(int person, int year, int month0, double payment = 0) {
        ledger.append();
        ledger.setValue("earning_id", person * 1000000 + year * 100 + month0);
        ledger.setValue("earning_person_id", person);
        ledger.setValue("earning_year", year);
        ledger.setValue("earning_month", month0);
        ledger.setValue("earning_payment", payment);
        ledger.post();
    }

    void addMonths(int person, int fromYear, int fromMonth0, int toYear, int toMonth0) {
        for (int y = fromYear, m = fromMonth0; y < toYear || (y == toYear && m <= toMonth0);) {
            addMonth(person, y, m);
            if (++m == 12) {
                m = 0;
                ++y;
            }
        }
    }

    std::vector<int> viewIds() {
        std::vector<int> ids;
        for (ledger.first(); !ledger.eof(); ledger.next())
            ids.push_back(ledger.asInteger("earning_id"));
        return ids;
    }

    Table months;
    Table ledger;
};

TEST_F(LedgerTable, EmptyViewSetsBothFlagsAndReadsEmpty) {
    ledger.first();
    EXPECT_TRUE(ledger.eof());
    EXPECT_TRUE(ledger.bof());
    EXPECT_EQ(ledger.recordCount(), 0);
    EXPECT_EQ(ledger.recNo(), 0);
    EXPECT_TRUE(ledger.isNull("earning_id"));
    EXPECT_EQ(ledger.asInteger("earning_id"), 0);
}

TEST_F(LedgerTable, WalkSetsEndFlagOnlyWhenMovingPastTheLastRow) {
    addMonths(1, 2000, 0, 2000, 2);
    ledger.first();
    EXPECT_TRUE(ledger.bof());
    EXPECT_FALSE(ledger.eof());
    ledger.next();
    EXPECT_FALSE(ledger.bof());
    ledger.last();
    EXPECT_FALSE(ledger.eof()) << "moving to the last row is not moving past it";
    EXPECT_EQ(ledger.recNo(), 3);
    ledger.next();
    EXPECT_TRUE(ledger.eof());
    EXPECT_EQ(ledger.recNo(), 3) << "next on the last row does not move";
    ledger.setRecNo(2);
    EXPECT_EQ(ledger.asInteger("earning_month"), 1);
}

TEST_F(LedgerTable, IndexKeepsKeyOrderWhateverTheOrderOfPosting) {
    addMonth(1, 2005, 2);
    addMonth(1, 1999, 11);
    addMonth(1, 2000, 0);
    EXPECT_EQ(viewIds(), (std::vector<int>{1199911, 1200000, 1200502}));

    addMonth(1, 1990, 0); // lower than every key: becomes the first row
    ledger.first();
    EXPECT_EQ(ledger.asInteger("earning_id"), 1199000);
}

TEST_F(LedgerTable, PostLeavesTheCursorOnThePostedRowAtItsKeyPosition) {
    addMonths(1, 2000, 0, 2000, 5);
    addMonth(1, 1999, 6);
    EXPECT_EQ(ledger.recNo(), 1);
    EXPECT_EQ(ledger.asInteger("earning_id"), 1199906);
}

TEST_F(LedgerTable, WithoutIndexRowsKeepTheOrderTheyWereAdded) {
    ledger.setIndexFieldNames("");
    addMonth(1, 2005, 2);
    addMonth(1, 1999, 11);
    EXPECT_EQ(viewIds(), (std::vector<int>{1200502, 1199911}));
}

TEST_F(LedgerTable, IndexOverSeveralFieldsEachAscendingOrDescending) {
    ledger.setIndexFieldNames("");
    addMonth(1, 2000, 5);
    addMonth(1, 1999, 5);
    addMonth(1, 2000, 1);
    addMonth(2, 1999, 1);
    ledger.setIndex({{"earning_month", false}, {"earning_year", true}});
    EXPECT_EQ(ledger.indexFieldNames(), "earning_month;earning_year");
    EXPECT_EQ(viewIds(), (std::vector<int>{1200001, 2199901, 1200005, 1199905}));
    ledger.setIndex({{"earning_month", true}});
    EXPECT_EQ(viewIds(), (std::vector<int>{1200005, 1199905, 1200001, 2199901}))
        << "equal months keep the order of adding";
    EXPECT_TRUE(ledger.locate("earning_id", 1200001)) << "a scan when the key is not first";
    EXPECT_EQ(ledger.recNo(), 3);
}

TEST_F(LedgerTable, RecordCountOfAYearFilter) {
    addMonths(1, 2000, 2, 2001, 11);
    ledger.setFilter("earning_year = 2000");
    ledger.setFiltered(true);
    EXPECT_EQ(ledger.recordCount(), 10);
}

TEST_F(LedgerTable, DeletingAFilteredViewLeavesOtherPersonsRows) {
    addMonths(1, 2000, 0, 2000, 3);
    addMonths(2, 2000, 0, 2000, 2);
    ledger.setFilter("earning_person_id=1");
    ledger.setFiltered(true);
    for (ledger.first(); !ledger.eof();)
        ledger.remove();
    EXPECT_EQ(ledger.recordCount(), 0);
    ledger.setFiltered(false);
    EXPECT_EQ(viewIds(), (std::vector<int>{2200000, 2200001, 2200002}));
}

TEST_F(LedgerTable, EmptyRemovesRowsOutsideTheFilterAndKeepsTheFilter) {
    addMonths(1, 2000, 0, 2000, 3);
    addMonths(2, 2000, 0, 2000, 2);
    ledger.setFilter("earning_person_id=1");
    ledger.setFiltered(true);
    ledger.empty();
    EXPECT_TRUE(ledger.filtered());
    EXPECT_EQ(ledger.filter(), "earning_person_id=1");
    ledger.setFiltered(false);
    EXPECT_EQ(ledger.recordCount(), 0);
}

TEST_F(LedgerTable, FilterTextAndSwitchAreIndependent) {
    addMonths(1, 2000, 0, 2000, 3);
    addMonths(2, 2000, 0, 2000, 2);
    ledger.setFilter("earning_person_id=2");
    EXPECT_EQ(ledger.recordCount(), 7) << "an expression without the switch changes nothing";
    ledger.setFiltered(true);
    EXPECT_EQ(ledger.recordCount(), 3);
    ledger.setFiltered(false);
    EXPECT_EQ(ledger.filter(), "earning_person_id=2") << "switching off keeps the expression";
    ledger.setFiltered(true);
    ledger.setFilter("earning_person_id=1");
    EXPECT_EQ(ledger.recordCount(), 4) << "with the switch on a new expression applies at once";
    EXPECT_TRUE(ledger.bof());
    EXPECT_EQ(ledger.recNo(), 1);
}

TEST_F(LedgerTable, FilterMatchingNothingSetsTheEndFlagAtOnce) {
    addMonths(1, 2000, 0, 2000, 3);
    ledger.setFilter("earning_person_id=9");
    ledger.setFiltered(true);
    EXPECT_TRUE(ledger.eof());
    EXPECT_EQ(ledger.recordCount(), 0);
}

TEST_F(LedgerTable, LocateSearchesOnlyTheView) {
    addMonths(1, 2000, 0, 2000, 3);
    addMonths(2, 2000, 0, 2000, 2);
    ledger.setFilter("earning_person_id=1");
    ledger.setFiltered(true);
    EXPECT_FALSE(ledger.locate("earning_id", 2200001));
    EXPECT_TRUE(ledger.locate("earning_id", 1200002));
    EXPECT_EQ(ledger.recNo(), 3);
}

TEST_F(LedgerTable, DeleteMovesToTheNextRowOrTheNewLastRow) {
    addMonths(1, 2000, 0, 2000, 3);
    ledger.setRecNo(2);
    ledger.remove();
    EXPECT_EQ(ledger.asInteger("earning_month"), 2) << "the next row takes the place";
    ledger.last();
    ledger.remove();
    EXPECT_EQ(ledger.asInteger("earning_month"), 2) << "the new last row";
    EXPECT_FALSE(ledger.eof());
    ledger.remove();
    ledger.remove();
    EXPECT_TRUE(ledger.eof());
    EXPECT_TRUE(ledger.bof());
}

TEST_F(LedgerTable, LookupFieldReadsTheResultOrEmpty) {
    addMonth(1, 2000, 11);
    EXPECT_EQ(std::get<std::string>(ledger.value("earning_month_name")), "Грудень");
    ledger.edit();
    ledger.setValue("earning_month", 12);
    EXPECT_TRUE(ledger.isNull("earning_month_name")) << "no month 12 in the list";
    ledger.clearValue("earning_month");
    EXPECT_TRUE(ledger.isNull("earning_month_name"));
    EXPECT_THROW(ledger.setValue("earning_month_name", std::string("x")), TableError);
}

TEST_F(LedgerTable, EditOnAnEmptyViewStartsANewRowAndCancelDropsIt) {
    ledger.edit();
    EXPECT_EQ(ledger.state(), TableState::Insert);
    ledger.setValue("earning_id", 5);
    ledger.cancel();
    EXPECT_EQ(ledger.state(), TableState::Browse);
    EXPECT_EQ(ledger.recordCount(), 0);
}

TEST_F(LedgerTable, SetValueOutsideEditingIsRefused) {
    addMonth(1, 2000, 0);
    EXPECT_THROW(ledger.setValue("earning_year", 1999), TableError);
    EXPECT_THROW(ledger.value("no_such_field"), TableError);
}

TEST_F(LedgerTable, TextsAreConvertedToTheFieldType) {
    Table dated("dated", {dateField("d"), floatField("f"), integerField("i"), textField("t", 3)});
    dated.create();
    dated.append();
    dated.setText("d", "01.02.2003");
    dated.setText("f", "123.45");
    dated.setText("i", "-7");
    dated.setText("t", "Київщина");
    dated.post();
    EXPECT_EQ(dated.asDate("d"), dateFromCivil(2003, 2, 1));
    EXPECT_DOUBLE_EQ(dated.asFloat("f"), 123.45);
    EXPECT_EQ(dated.asInteger("i"), -7);
    EXPECT_EQ(dated.asText("t"), "Киї") << "text(3) keeps three characters, not three bytes";

    dated.edit();
    for (const char* bad : {"abc", "1,5", "12x", ""})
        EXPECT_THROW(dated.setText("f", bad), ConversionError) << bad;
    EXPECT_THROW(dated.setText("d", "31.02.2003"), ConversionError);
    EXPECT_THROW(dated.setText("i", "1.5"), ConversionError);
}

// ---- hooks

TEST_F(LedgerTable, RefusingBeforePostKeepsTheRowInEditing) {
    int afterPosts = 0;
    ledger.BeforePost = [](Table& t) {
        if (t.asFloat("earning_payment") > 100)
            throw UserError("too much");
    };
    ledger.AfterPost = [&](Table&) { ++afterPosts; };
    ledger.append();
    ledger.setValue("earning_id", 1);
    ledger.setValue("earning_payment", 500.0);
    EXPECT_THROW(ledger.post(), UserError);
    EXPECT_EQ(ledger.state(), TableState::Insert);
    EXPECT_DOUBLE_EQ(ledger.asFloat("earning_payment"), 500.0) << "the typed value survives";
    EXPECT_EQ(afterPosts, 0);
    ledger.setValue("earning_payment", 50.0);
    ledger.post();
    EXPECT_EQ(afterPosts, 1);
    EXPECT_EQ(ledger.recordCount(), 1);
}

TEST_F(LedgerTable, BeforePostMayCompleteTheRow) {
    ledger.BeforePost = [](Table& t) {
        if (t.isNull("earning_payment"))
            t.setValue("earning_payment", 0.0);
    };
    ledger.append();
    ledger.setValue("earning_id", 1);
    ledger.post();
    EXPECT_FALSE(ledger.isNull("earning_payment"));
}

TEST_F(LedgerTable, PendingEditIsPostedBeforeFilterEmptyAndSnapshot) {
    int posts = 0;
    ledger.BeforePost = [&](Table&) { ++posts; };
    struct Step {
        const char* name;
        bool filterOn;
        std::function<void(Table&)> run;
    };
    const Step steps[] = {
        {"set Filtered", false, [](Table& t) { t.setFiltered(true); }},
        {"set Filter while on", true, [](Table& t) { t.setFilter("earning_year > 0"); }},
        {"empty", false, [](Table& t) { t.empty(); }},
        {"save snapshot", false, [](Table& t) { t.saveSnapshot(); }},
        {"first", false, [](Table& t) { t.first(); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ledger.setFilter("");
        ledger.setFiltered(step.filterOn);
        addMonth(1, 2000, 0);
        ledger.edit();
        ledger.setValue("earning_payment", 42.0);
        posts = 0;
        step.run(ledger);
        EXPECT_EQ(posts, 1);
        EXPECT_EQ(ledger.state(), TableState::Browse);
        ledger.setFiltered(false);
        ledger.empty();
    }
}

TEST_F(LedgerTable, AfterScrollFollowsEveryMove) {
    addMonths(1, 2000, 0, 2000, 3);
    int scrolls = 0;
    ledger.AfterScroll = [&](Table&) { ++scrolls; };
    ledger.first();
    ledger.next();
    ledger.last();
    ledger.setRecNo(1);
    ledger.locate("earning_id", 1200002);
    ledger.remove();
    ledger.append();
    EXPECT_EQ(scrolls, 7);
    ledger.cancel();
    ledger.last();
    scrolls = 0;
    ledger.next(); // past the end: no move
    EXPECT_EQ(scrolls, 0);
}

TEST_F(LedgerTable, AfterOpenRunsAtCreateAndSnapshotLoad) {
    int opens = 0;
    ledger.AfterOpen = [&](Table&) { ++opens; };
    ledger.create();
    addMonth(1, 2000, 0);
    const std::string snapshot = ledger.saveSnapshot();
    ledger.loadSnapshot(snapshot);
    EXPECT_EQ(opens, 2);
}

// ---- bound views

TEST_F(LedgerTable, SuspendedViewsHearOneChangeOnTheLastResume) {
    DataSource source(ledger);
    int changes = 0;
    source.OnDataChange = [&] { ++changes; };
    addMonth(1, 2000, 0);
    EXPECT_GT(changes, 0);

    changes = 0;
    {
        BoundViewsSuspension outer(ledger);
        {
            BoundViewsSuspension inner(ledger);
            addMonths(1, 2001, 0, 2001, 11);
            ledger.first();
        }
        EXPECT_EQ(changes, 0) << "still suspended by the outer guard";
    }
    EXPECT_EQ(changes, 1);
}

TEST_F(LedgerTable, DataChangeFollowsCursorAndFieldChanges) {
    addMonths(1, 2000, 0, 2000, 1);
    ledger.first();
    DataSource source(ledger);
    int changes = 0;
    source.OnDataChange = [&] { ++changes; };
    ledger.next();
    EXPECT_EQ(changes, 1);
    ledger.edit();
    ledger.setValue("earning_payment", 1.0);
    EXPECT_EQ(changes, 2);
}

TEST_F(LedgerTable, TypedInputRestriction) {
    ledger.setTypedInput("earning_payment", "0123456789.,");
    for (char32_t accepted : {U'0', U'9', U'.', U','})
        EXPECT_TRUE(ledger.acceptsTyped("earning_payment", accepted));
    for (char32_t refused : {U'-', U'a', U'e', U' ', U'ю'})
        EXPECT_FALSE(ledger.acceptsTyped("earning_payment", refused));
    EXPECT_TRUE(ledger.acceptsTyped("earning_year", U'-')) << "other fields are unrestricted";
}

} // namespace
} // namespace rv
