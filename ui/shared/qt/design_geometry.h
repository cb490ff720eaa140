// Laying out a window from its design: twips to pixels, the Tab order by control
// names, and the engraved rules.
#pragma once

#include "ui/shared/design.h"

#include <QRect>

#include <span>
#include <string_view>

class QWidget;

namespace corvald::ui::qt {

QRect pixels(const Rect& rect);

// Chains the Tab order of the named children of `window`, in the order given.
void setFocusOrder(QWidget& window, std::span<const std::string_view> names);

// Paints each line of a rule onto `window`.
void paintRule(QWidget& window, std::span<const LineDesign> lines);

} // namespace corvald::ui::qt
