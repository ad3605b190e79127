#pragma once

#include "calc/pension_right.h"

#include <string>

namespace rv {

// "з 60 років", "з 57 р. 6 міс.", or "незалежно від віку" for the way at any age.
std::string ageText(PensionAge age);
// Experience in whole months as "40 р. 1 міс." ("33 р." for whole years).
std::string experienceText(std::int32_t months);

// What the results panel says of the right (ст. 26): the way that gave it, or why there is none
// yet and from when it arises.
std::string rightSummary(const RightDecision& decision, const std::vector<RightPath>& paths,
                         std::int32_t insuranceMonths);

} // namespace rv
