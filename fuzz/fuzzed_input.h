// Reading the fuzzer's bytes as choices and texts, and the window's triggers.
#pragma once

#include "ui/main/calculation.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvald::fuzz {

class FuzzedInput {
public:
    FuzzedInput(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size)
    {
    }
    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }
    // A text up to the next 0xFF byte (or the end).
    std::string text()
    {
        std::string text;
        while (!empty() && data_[position_] != 0xFF)
            text += static_cast<char>(data_[position_++]);
        ++position_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// One of the four triggers of the calculation.
inline void runCalculationTrigger(ui::Form1& form, ui::MessageBoxes& messages, unsigned choice)
{
    switch (choice % 4) {
    case 0:
        ui::Command3_Click(form, messages);
        break;
    case 1:
        form.choose(&ui::Form1::Option3);
        ui::Option3_Click(form, messages);
        break;
    case 2:
        form.choose(&ui::Form1::Option4);
        ui::Option4_Click(form, messages);
        break;
    default:
        ui::mnuCalculateItem_Click(form, messages);
    }
}

} // namespace corvald::fuzz
