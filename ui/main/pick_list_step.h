// Where Up and Down lead in a closed pick list: one item on from the item
// equal to the typed text, so that the arrows and the opened list agree on
// where the operator stands. A text that names no item but reads as a number
// stands at the item nearest to its value; an empty field or a text that is
// no number stands before the list, and either arrow then gives the first item.
#pragma once

#include "ui/main/form1_design.h"

#include <string_view>

namespace corvald::ui {

// The index of the item reached from `typed` by `step` items (-1 up, +1 down),
// held within the list.
int steppedItem(const PickListDesign& list, std::string_view typed, int step);

} // namespace corvald::ui
