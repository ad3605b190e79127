#include "right_text.h"

#include "calc/messages.h"

namespace rv {

std::string ageText(PensionAge age) {
    if (age.years == 0 && age.months == 0)
        return messages::kRightAtAnyAge;
    if (age.months == 0)
        return "з " + std::to_string(age.years) + " років";
    return "з " + std::to_string(age.years) + " р. " + std::to_string(age.months) + " міс.";
}

std::string experienceText(std::int32_t months) {
    std::string text = std::to_string(months / 12) + " р.";
    if (months % 12 != 0)
        text += " " + std::to_string(months % 12) + " міс.";
    return text;
}

std::string rightSummary(const RightDecision& decision, const std::vector<RightPath>& paths,
                         std::int32_t insuranceMonths) {
    if (!decision.path || !decision.rightDate)
        return messages::kRightNoRule;
    const RightPath& path = *decision.path;
    const std::string way = ageText(path.age) + ": потрібно " +
                            experienceText(path.requiredMonths) + " стажу, є " +
                            experienceText(insuranceMonths);
    if (!decision.projected) {
        std::string text =
            decision.hasRight
                ? way
                : "Право виникне з " + formatDate(*decision.rightDate) + " (" + way + ")";
        if (decision.hasRight && *decision.rightDate != path.from)
            text += ", право з " + formatDate(*decision.rightDate);
        return text;
    }

    std::string text = "Стажу недостатньо: потрібно ";
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i != 0)
            text += ", ";
        const std::string from =
            paths[i].age.years == 0 ? "з " + formatDate(paths[i].from) : formatDate(paths[i].from);
        text +=
            ageText(paths[i].age) + " (" + from + ") — " + experienceText(paths[i].requiredMonths);
    }
    text += "; є " + experienceText(insuranceMonths) + ", бракує " +
            std::to_string(decision.shortfallMonths) +
            " міс. Якщо працювати далі, право виникне з " + formatDate(*decision.rightDate) + " (" +
            ageText(path.age) + ").";
    return text;
}

} // namespace rv
