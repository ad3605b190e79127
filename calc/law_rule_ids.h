#pragma once

#include <string_view>

// The names of the law's rules that the calculation applies, as refdata/law_rules*.csv spell
// them. The values, dates and sources live in the data only.
namespace rv::law::ids {

// ст. 26: the pension age and the experience it needs
inline constexpr std::string_view kMenAge = "A26.AGE.MEN";
inline constexpr std::string_view kExperienceAtPensionAgeBefore2011 = "A26.STAZH_MIN.ANY_AGE";
inline constexpr std::string_view kExperienceAtPensionAge = "A26.P1.AGE60.STAZH_MIN";
inline constexpr std::string_view kSecondAge = "A26.P2.AGE";
inline constexpr std::string_view kExperienceAtSecondAge = "A26.P2.AGE63.STAZH_MIN";
inline constexpr std::string_view kThirdAge = "A26.P3.AGE";
inline constexpr std::string_view kExperienceAtThirdAge = "A26.P3.AGE65.STAZH_MIN";
inline constexpr std::string_view kExperienceAtAnyAge = "A26.P5.ANY_AGE_STAZH";

// ст. 25: valuation of a year of experience and the cap of the experience coefficient
inline constexpr std::string_view kValuation = "A25.VS";
inline constexpr std::string_view kExperienceCoefficientCap = "A25.P2.KS_CAP.GENERAL";

// ст. 27 ч. 3: the ceiling, in subsistence minimums, in minimum pensions or in hryvnias
inline constexpr std::string_view kCeilingInSubsistenceMinimums = "A27.P3.MAX";
inline constexpr std::string_view kCeilingInHryvnias = "A27.P3.MAX.TEMP";

// ст. 28: full experience, the minimum, the 65+ minimum, the supplement, the proportional floor
inline constexpr std::string_view kFullExperienceMen = "A28.P1.FULL_STAZH.MEN";
inline constexpr std::string_view kFullExperienceWomen = "A28.P1.FULL_STAZH.WOMEN";
inline constexpr std::string_view kMinimumInSubsistenceMinimums = "A28.P1.MIN_AMOUNT";
// The subsistence minimum raised for the minimum pension (Закон 489-V ст. 62 в ред. 749-V).
inline constexpr std::string_view kMinimumSubsistenceRaise = "A28.P1.MIN_PM_PLUS1PCT";
inline constexpr std::string_view kSupplementRate = "A28.P1.SUPPLEMENT.RATE";
inline constexpr std::string_view kMinimumAt65Percent = "A28.P2.MIN_65";
inline constexpr std::string_view kMinimumAt65Age = "A28.P2.MIN_65.AGE";
inline constexpr std::string_view kProportionalMinimum = "A28.P3.PROPORTIONAL";
inline constexpr std::string_view kProportionalMinimumFromAge = "A28.P3.PROPORTIONAL.ONLY_FROM_65";

// ст. 40: the years of the average wage, the window before July 2000, the caps of a month
inline constexpr std::string_view kAverageWageYears = "A40.ZS.YEARS";
inline constexpr std::string_view kEarlyWindowEnd = "A40.P1.PRE2000.END";
inline constexpr std::string_view kEarlyCoefficientCap = "A40.P1.KZ_CAP_BEFORE_MAX_INCOME";
inline constexpr std::string_view kMaxIncomeFrom = "A40.P1.MAX_INCOME_FROM";

// ст. 24 ч. 3: a month's experience in proportion to its contributions
inline constexpr std::string_view kProportionalMonthCredit = "A24.P3.TP_FORMULA";

// Закон № 2464-VI ст. 8: the rate of the single contribution; the minimum insurance contribution
// is the minimum wage times it (ст. 1 Закону № 1058-IV)
inline constexpr std::string_view kSingleContributionRate = "ESV.RATE";

// КЗпП ст. 188: the youngest age of work
inline constexpr std::string_view kMinimumWorkingAge = "KZPP.188.MIN_WORK_AGE";

// Указ № 762/96: the hryvnia and its rate to the karbovanets (roubles went 1:1 into karbovanets)
inline constexpr std::string_view kHryvniaFrom = "UAH.1996.HRYVNIA_FROM";
inline constexpr std::string_view kKarbovanetsPerHryvnia = "UAH.1996.KARBOVANETS_PER_HRYVNIA";

// Periods credited without work: whole months, the right only, the minimum wage in Кз, the cap of
// the military pay (ст. 11, 24, 40 ч. 2, розд. XV п. 3-1)
inline constexpr std::string_view kCreditedInFullKinds = "KINDS.CREDITED_IN_FULL";
inline constexpr std::string_view kRightOnlyPeriods = "XV.3-1.RIGHT_PERIODS";
inline constexpr std::string_view kRightOnlyMilitary = "XV.3-1.P2.MILITARY";
inline constexpr std::string_view kRightOnlyMaternity = "XV.3-1.P3.MATERNITY";
inline constexpr std::string_view kRightOnlyChildCare = "XV.3-1.P4.CHILDCARE_TO_6";
inline constexpr std::string_view kMinimumWageKinds = "A40.P2.KZ_MINWAGE.KINDS";
inline constexpr std::string_view kMinimumWageLedgerScope = "A40.P2.KZ_MINWAGE.LEDGER_SCOPE";
inline constexpr std::string_view kMilitaryPayCap = "MAXINCOME.MILITARY";

// ст. 40 ч. 1 абз. 3, the second sentence: the months a person may leave out of Кз
inline constexpr std::string_view kNonWageExclusionKinds = "A40.P1.EXCL.PRE2005_NONWAGE.KINDS";
inline constexpr std::string_view kNonWageExclusionMonths = "A40.P1.EXCL.PRE2005_NONWAGE";
inline constexpr std::string_view kCategoryExclusionKinds = "A40.P1.EXCL.CATEGORIES.KINDS";
inline constexpr std::string_view kQuarantineExclusionOffered = "A40.P1.EXCL.COVID.OFFERED";
inline constexpr std::string_view kQuarantineExclusionMonths = "A40.P1.EXCL.COVID.WINDOW";
inline constexpr std::string_view kMartialLawExclusionOffered = "A40.P1.EXCL.MARTIAL.OFFERED";
inline constexpr std::string_view kMartialLawExclusionMonths = "A40.P1.EXCL.MARTIAL.WINDOW";
// The day martial law ends; while no row gives it, its window stays open.
inline constexpr std::string_view kMartialLawEnd = "MARTIAL_LAW.END";
inline constexpr std::string_view kFewestMonthsAfterExclusion = "A40.P1.EXCL.FLOOR_60";

} // namespace rv::law::ids
