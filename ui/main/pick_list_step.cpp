#include "ui/main/pick_list_step.h"

#include "calc/failure.h"
#include "calc/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace corvald::ui {

namespace {

    std::optional<double> valueOf(std::string_view typed)
    {
        try {
            return calc::readNumber(typed);
        } catch (const calc::TypeMismatch&) {
            return std::nullopt;
        }
    }

    double itemValue(const PickListDesign& list, int index)
    {
        return calc::readNumber(list.item(index));
    }

    // The item nearest to value in a list that ascends; of two as near, the lower.
    int nearestItem(const PickListDesign& list, double value)
    {
        int low = 0;
        int high = list.itemCount - 1;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (itemValue(list, middle) < value)
                low = middle + 1;
            else
                high = middle;
        }
        const bool lowerIsNearer = low > 0
            && std::abs(value - itemValue(list, low - 1)) <= std::abs(itemValue(list, low) - value);
        return lowerIsNearer ? low - 1 : low;
    }

    // The item the typed text stands at, or none.
    std::optional<int> standingItem(const PickListDesign& list, std::string_view typed)
    {
        for (int i = 0; i < list.itemCount; ++i)
            if (list.item(i) == typed)
                return i;
        if (const std::optional<double> value = valueOf(typed))
            return nearestItem(list, *value);
        return std::nullopt;
    }

} // namespace

int steppedItem(const PickListDesign& list, std::string_view typed, int step)
{
    const std::optional<int> standing = standingItem(list, typed);
    if (!standing)
        return 0;
    return std::clamp(*standing + step, 0, list.itemCount - 1);
}

} // namespace corvald::ui
