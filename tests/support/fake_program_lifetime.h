#pragma once

#include "ui/main/host.h"

namespace corvald::fakes {

// Counts the requests to end the program; the program goes on.
class FakeProgramLifetime : public ui::ProgramLifetime {
public:
    void endProgram() override { ++endRequests; }
    int endRequests = 0;
};

} // namespace corvald::fakes
