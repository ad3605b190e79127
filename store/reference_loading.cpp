#include "reference_loading.h"

#include "engine/reference_text.h"
#include "store/fixed_lists.h"

#include <string>
#include <vector>

namespace rv {

bool FillParamTable(Table& cdsParam, const ReferenceData& reference) {
    const std::int32_t values[] = {reference.MinInsuranceYears, reference.FullInsuranceYearsFemale,
                                   reference.FullInsuranceYearsMale, reference.PensionAgeFemale,
                                   reference.PensionAgeMale};
    for (std::size_t row = 0; row < kParameterNames.size(); ++row) {
        cdsParam.append();
        cdsParam.setValue("p_name", std::string(kParameterNames[row]));
        cdsParam.setValue("p_val", std::to_string(values[row]));
        cdsParam.post();
    }
    return true;
}

bool LoadReferenceText(Table& table, std::string_view text) {
    table.empty();
    std::vector<std::string> names;
    for (int i = 0; i < table.fieldCount(); ++i)
        names.push_back(table.field(i).name);
    return readReferenceRows(text, names, [&table](const ReferenceRowValues& values) {
        table.append();
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i].empty())
                continue;
            try {
                table.setText(table.field(static_cast<int>(i)).name, values[i]);
            } catch (const ConversionError&) {
                table.cancel();
                return false;
            }
        }
        table.post();
        return true;
    });
}

} // namespace rv
