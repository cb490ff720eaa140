#include "ui/main/form1_design.h"
#include "ui/main/pick_list_step.h"
#include "ui/main/pick_lists.h"

#include <gtest/gtest.h>

#include <string_view>

namespace corvald::ui {
namespace {

    constexpr PickListDesign kTemperatures { kTemperatureItemCount, temperatureItem };
    constexpr PickListDesign kDensities { kDensityItemCount, densityItem };

    struct Step {
        const PickListDesign* list;
        std::string_view typed;
        int step;
        std::string_view reached;
    };

    // The operator's sequences from the window: Down on an item, on a typed
    // item, on a number between or beyond the items, on no number at all.
    constexpr Step kSteps[] = {
        { &kDensities, "", 1, "0.7000" },
        { &kDensities, "", -1, "0.7000" },
        { &kDensities, "0.9000", 1, "0.9001" },
        { &kDensities, "0.9000", -1, "0.8999" },
        { &kTemperatures, "30.0", 1, "30.1" },
        { &kTemperatures, "-0.1", 1, "0.0" },
        { &kTemperatures, "30", 1, "30.1" }, // the value of an item, not its text
        { &kTemperatures, " 30.0 ", -1, "29.9" },
        { &kTemperatures, "30.04", 1, "30.1" }, // nearest is 30.0
        { &kTemperatures, "30.06", 1, "30.2" }, // nearest is 30.1
        { &kTemperatures, "30.05", 1, "30.1" }, // as near to both: the lower
        { &kDensities, "0.85", 1, "0.8501" },
        { &kTemperatures, "120", 1, "95.0" }, // beyond the last item
        { &kTemperatures, "120", -1, "94.9" },
        { &kTemperatures, "-40", -1, "-18.0" }, // before the first
        { &kTemperatures, "-40", 1, "-17.9" },
        { &kTemperatures, "95.0", 1, "95.0" }, // the ends hold
        { &kDensities, "0.7000", -1, "0.7000" },
        { &kTemperatures, "abc", 1, "-18.0" },
        { &kTemperatures, "20,5", -1, "-18.0" },
    };

    TEST(PickListStep, StepsFromTheItemTheTypedTextStandsAt)
    {
        for (const Step& step : kSteps) {
            const int reached = steppedItem(*step.list, step.typed, step.step);
            EXPECT_EQ(step.list->item(reached), step.reached)
                << '"' << step.typed << "\" by " << step.step;
        }
    }

} // namespace
} // namespace corvald::ui
