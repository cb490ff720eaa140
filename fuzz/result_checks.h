// What holds of the window after a command, checked without deriving its
// captions again: a computed run's results shown with their decimals and
// consistent with each other and the inputs within the rounding of the
// display, and the direction's captions in one of its two states.
#pragma once

#include "calc/number_text.h"
#include "ui/main/calculation_limits.h"
#include "ui/main/direction.h"
#include "ui/main/form1.h"

#include <cmath>
#include <string>

namespace corvald::fuzz {

// A shown result read back: the digit grouping dropped, parentheses as a minus.
inline double shownValue(std::string text)
{
    std::erase(text, ',');
    if (text.starts_with('(') && text.ends_with(')'))
        text = "-" + text.substr(1, text.size() - 2);
    return calc::readNumber(text);
}

inline bool hasDecimals(const std::string& text, std::size_t decimals)
{
    const std::size_t point = text.find('.');
    const std::size_t end = text.ends_with(')') ? text.size() - 1 : text.size();
    return point != std::string::npos && end - point - 1 == decimals;
}

// a and b agree to within `absolute`, or to 12 digits where they are large.
inline bool near(double a, double b, double absolute)
{
    return std::fabs(a - b) <= absolute + 1e-12 * std::fmax(std::fabs(a), std::fabs(b));
}

inline bool computedRunHolds(const ui::Form1& form)
{
    if (!hasDecimals(form.Label10.Caption, 4) || !hasDecimals(form.Label13.Caption, 3)
        || !hasDecimals(form.Label14.Caption, 3))
        return false;
    const double factor = shownValue(form.Label10.Caption);
    const double volume15 = shownValue(form.Label13.Caption);
    const double result = shownValue(form.Label14.Caption);
    const double quantity = calc::readNumber(form.Text1.Text);
    const double used = calc::readNumber(form.Label22.Caption);
    const double entered = calc::readNumber(form.Combo2.Text);
    if (!near(calc::readNumber(form.Label23.Caption), entered - ui::kAirBuoyancy, 1e-15)
        || !(factor >= 0))
        return false;
    // The shown volume is off by up to half its last digit, which the factor divides.
    if (ui::isMassDirection(form))
        return near(volume15, quantity / used, 0.0005)
            && near(result, volume15 / factor, 0.0005 + 0.0005 / factor);
    return near(volume15, quantity * factor, 0.0005) && near(result, used * volume15, 0.0011);
}

// The four captions of the direction always form one of its two states.
inline bool directionIsConsistent(const ui::Form1& form)
{
    const bool mass = form.Label1.Caption == ui::kMassCaption
        && form.Label7.Caption == ui::kMassUnit && form.Label6.Caption == ui::kVolumeCaption
        && form.Label12.Caption == ui::kVolumeUnit;
    const bool volume = form.Label1.Caption == ui::kVolumeCaption
        && form.Label7.Caption == ui::kVolumeUnit && form.Label6.Caption == ui::kMassCaption
        && form.Label12.Caption == ui::kMassUnit;
    return mass || volume;
}

} // namespace corvald::fuzz
