// Every reading of the product tables' grids, at the resolution a surveyor reads
// them, gives a figure or a refusal that says which range it misses.
#include "calc/failure.h"
#include "table_call.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace corvald::calc::tables {
namespace {

    struct Grid {
        const char* table;
        double lowest, highest, valueStep;
        double coldest, hottest, temperatureStep;
    };

    struct Tally {
        long figures = 0, refused = 0, betweenBands = 0, twoFit = 0;
    };

    bool namesTheRange(const std::string& message)
    {
        return message.find(", outside table ") != std::string::npos
            || message.find(" is above the limit of table ") != std::string::npos;
    }

    Tally scan(const Grid& g)
    {
        Tally tally;
        const long values = std::lround((g.highest - g.lowest) / g.valueStep);
        const long temperatures = std::lround((g.hottest - g.coldest) / g.temperatureStep);
        for (long i = 0; i <= values; ++i)
            for (long j = 0; j <= temperatures; ++j) {
                const double value = g.lowest + static_cast<double>(i) * g.valueStep;
                const double t = g.coldest + static_cast<double>(j) * g.temperatureStep;
                try {
                    const TableResult r = table(g.table, value, t);
                    ++tally.figures;
                    tally.betweenBands += r.choice == BaseChoice::betweenBands;
                    tally.twoFit += r.choice == BaseChoice::twoFit;
                } catch (const OutOfRange& e) {
                    ++tally.refused;
                    if (!namesTheRange(e.what()))
                        ADD_FAILURE() << value << " at " << t << ": " << e.what();
                }
            }
        return tally;
    }

    TEST(WholeGrid, GivesEveryReadingAFigureOrTheRangeItMisses)
    {
        const Grid grids[] = {
            { "53B", 654, 1074.9, 0.1, -18, 150, 0.25 },
            { "5B", 0, 85, 0.1, 0, 300, 0.5 },
        };
        for (const Grid& g : grids) {
            const Tally t = scan(g);
            // Readings fall where two bands' factors leave a jump, and where two meet.
            EXPECT_GT(t.betweenBands, 0) << g.table;
            RecordProperty(std::string(g.table) + "_figures", std::to_string(t.figures));
            RecordProperty(std::string(g.table) + "_refused", std::to_string(t.refused));
            RecordProperty(std::string(g.table) + "_between", std::to_string(t.betweenBands));
            RecordProperty(std::string(g.table) + "_two_fit", std::to_string(t.twoFit));
        }
    }

} // namespace
} // namespace corvald::calc::tables
