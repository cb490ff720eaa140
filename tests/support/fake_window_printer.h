#pragma once

#include "ui/main/form1.h"
#include "ui/main/host.h"

#include <vector>

namespace corvald::fakes {

// A printer that fails a given number of times, then prints: each page is the
// window's model as it stood at the moment of printing.
class FakeWindowPrinter : public ui::WindowPicturePrinter {
public:
    explicit FakeWindowPrinter(const ui::Form1& form, int failures = 0)
        : form_(form)
        , failuresLeft(failures)
    {
    }
    bool printWindowPicture() override
    {
        ++attempts;
        if (failuresLeft != 0) {
            if (failuresLeft > 0)
                --failuresLeft;
            return false;
        }
        pages.push_back(form_);
        return true;
    }

    static constexpr int kAlwaysFails = -1;

private:
    const ui::Form1& form_;

public:
    int failuresLeft;
    int attempts = 0;
    std::vector<ui::Form1> pages;
};

} // namespace corvald::fakes
