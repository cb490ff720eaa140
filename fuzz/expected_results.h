// The results of a computed run derived again, step by step, straight from the
// inputs, to hold the window's captions against.
#pragma once

#include "calc/number_text.h"
#include "calc/vcf53a.h"
#include "ui/main/direction.h"
#include "ui/main/form1.h"

#include <string>

namespace corvald::fuzz {

struct ExpectedResults {
    std::string densityInAir, factor, volume15, result;
};

inline ExpectedResults expectedResults(const ui::Form1& form)
{
    using namespace calc;
    const double density = readNumber(form.Combo2.Text);
    const std::string densityUsed
        = form.Option3.Value ? form.Combo2.Text : writeNumber(density - 0.0011);
    const double used = readNumber(densityUsed);
    const std::string factor = writeNumber(VCF53A(used * 1000, readNumber(form.Combo1.Text)));
    const double rounded = roundToFourDecimals(readNumber(factor));
    const double quantity = readNumber(form.Text1.Text);
    std::string volume15, result;
    if (ui::isMassDirection(form)) {
        volume15 = writeNumber(quantity / used);
        result = writeNumber(readNumber(volume15) / rounded);
    } else {
        volume15 = writeNumber(rounded * quantity);
        result = writeNumber(used * readNumber(volume15));
    }
    return { writeNumber(density - 0.0011), displayFormat(readNumber(factor), 4),
        displayFormat(readNumber(volume15), 3), displayFormat(readNumber(result), 3) };
}

// The four captions of the direction always form one of its two states.
inline bool directionIsConsistent(const ui::Form1& form)
{
    const bool mass = form.Label1.Caption == "Tonnes" && form.Label7.Caption == "mt"
        && form.Label6.Caption == "Volume at observed temp." && form.Label12.Caption == "m3";
    const bool volume = form.Label1.Caption == "Volume at observed temp."
        && form.Label7.Caption == "m3" && form.Label6.Caption == "Tonnes"
        && form.Label12.Caption == "mt";
    return mass || volume;
}

} // namespace corvald::fuzz
