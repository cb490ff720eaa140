#include "cli/table_mode.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace corvald::cli {
namespace {

    struct Outcome {
        TableStatus status;
        std::string out;
        std::string err;
    };

    Outcome run(const TableRequest& request)
    {
        std::ostringstream out;
        std::ostringstream err;
        const TableStatus status = runTableMode(request, out, err);
        return { status, out.str(), err.str() };
    }

    using Text = std::optional<std::string_view>;

    TableRequest ask(std::string_view table, Text density, Text api, Text temperature,
        Text hydrometer = std::nullopt)
    {
        TableRequest request;
        request.table = table;
        request.density = density;
        request.api = api;
        request.temperature = temperature;
        request.hydrometer = hydrometer;
        return request;
    }

    std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

    std::string lastLine(const std::string& text)
    {
        const std::string body = text.substr(0, text.size() - 1);
        return body.substr(body.rfind('\n') + 1);
    }

    TEST(TableMode, PrintsEachTableNamedFirstWithItsResultLast)
    {
        struct Case {
            TableRequest request;
            const char* first;
            const char* last;
        };
        const Case cases[] = {
            { ask("53A", "779.0", std::nullopt, "25"),
                "Table 53A: Density at 15 °C from an observed density",
                "Density at 15 °C  786.65 kg/m3" },
            { ask("53B", "1008.0", std::nullopt, "4.5"),
                "Table 53B: Density at 15 °C from an observed density",
                "Density at 15 °C  1001.19 kg/m3" },
            { ask("54A", "850", std::nullopt, "30"), "Table 54A: Volume correction factor to 15 °C",
                "V.C.F. to 15 °C  0.9872" },
            { ask("54B", "700", std::nullopt, "30"), "Table 54B: Volume correction factor to 15 °C",
                "V.C.F. to 15 °C  0.9799" },
            { ask("5A", std::nullopt, "8.5", "210"),
                "Table 5A: API gravity at 60 °F from an observed",
                "API gravity at 60 °F  2.28 °API" },
            { ask("5B", std::nullopt, "10.5", "135"),
                "Table 5B: API gravity at 60 °F from an observed",
                "API gravity at 60 °F  6.74 °API" },
            { ask("6A", std::nullopt, "27.1", "112.1"),
                "Table 6A: Volume correction factor to 60 °F", "V.C.F. to 60 °F  0.9775" },
            { ask("6b", std::nullopt, "56.5", "67.5"),
                "Table 6B: Volume correction factor to 60 °F", "V.C.F. to 60 °F  0.9950" },
        };
        for (const Case& c : cases) {
            const Outcome r = run(c.request);
            EXPECT_EQ(r.status, TableStatus::computed) << c.request.table << r.err;
            EXPECT_EQ(firstLine(r.out).rfind(c.first, 0), 0U) << r.out;
            EXPECT_EQ(lastLine(r.out), c.last) << r.out;
            EXPECT_EQ(r.err, "");
        }
    }

    TEST(TableMode, TakesADensityMeasuredOtherwiseThanByHydrometer)
    {
        const Outcome glass = run(ask("53A", "779.0", std::nullopt, "25", "glass"));
        const Outcome none = run(ask("53A", "779.0", std::nullopt, "25", "none"));
        EXPECT_NE(glass.out.find("Hydrometer  glass\n"), std::string::npos);
        EXPECT_NE(none.out.find("Hydrometer  none\n"), std::string::npos);
        EXPECT_EQ(lastLine(glass.out), "Density at 15 °C  786.65 kg/m3");
        EXPECT_EQ(lastLine(none.out), "Density at 15 °C  786.83 kg/m3");
        EXPECT_EQ(run(ask("53A", "779.0", std::nullopt, "25")).out, glass.out);
    }

    TEST(TableMode, WritesTheWholeResultAsJson)
    {
        TableRequest request = ask("53A", "779.0", std::nullopt, "25");
        request.json = true;
        const Outcome r = run(request);
        EXPECT_EQ(r.status, TableStatus::computed);
        EXPECT_EQ(
            r.out.rfind("{\"table\": \"53A\", \"inputs\": {\"observed density\": 779, "
                        "\"temperature\": 25, \"hydrometer\": \"glass\"}, \"band\": \"crude "
                        "oils\", \"constants\": {\"K0\": 613.9723, \"K1\": 0}, \"alpha\": 0.000992",
                0),
            0U)
            << r.out;
        EXPECT_NE(r.out.find("\"result\": \"density at 15 °C\", \"unit\": \"kg/m3\", "
                             "\"unrounded\": 786.64"),
            std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("\"rounded\": 786.65, \"iterations\": "), std::string::npos);
        EXPECT_EQ(r.out.back(), '\n');

        TableRequest transition = ask("6B", std::nullopt, "50", "100");
        transition.json = true;
        const Outcome t = run(transition);
        EXPECT_NE(
            t.out.find("\"constants\": {\"A\": -0.0018684, \"B\": 1489.067}"), std::string::npos)
            << t.out;
        EXPECT_NE(t.out.find("\"alpha_unit\": \"1/°F\""), std::string::npos);
    }

    TEST(TableMode, RejectsWhatTheWindowRejectsNamingTheInput)
    {
        const Outcome density = run(ask("53A", "0,779", std::nullopt, "25"));
        EXPECT_EQ(density.status, TableStatus::rejected);
        EXPECT_EQ(density.err, "Check inputed value: the density \"0,779\" is not a number\n");
        EXPECT_EQ(density.out, "");
        const Outcome api = run(ask("6A", std::nullopt, "", "60"));
        EXPECT_EQ(api.err, "Check inputed value: the API gravity \"\" is not a number\n");
        const Outcome temperature = run(ask("54B", "800", std::nullopt, "30 C"));
        EXPECT_EQ(
            temperature.err, "Check inputed value: the temperature \"30 C\" is not a number\n");
        EXPECT_EQ(run(ask("54A", "1e999", std::nullopt, "30")).status, TableStatus::rejected);
    }

    TEST(TableMode, RejectsAValueOutsideTheTablesRangeNamingTheRange)
    {
        const Outcome r = run(ask("54A", "1100", std::nullopt, "30"));
        EXPECT_EQ(r.status, TableStatus::rejected);
        EXPECT_EQ(r.err,
            "Check inputed value: density at 15 °C 1100 kg/m3 is outside table 54A: 610 to 1075 "
            "kg/m3\n");
        EXPECT_EQ(run(ask("6B", std::nullopt, "60", "301")).err,
            "Check inputed value: temperature 301 °F is outside table 6B: 0 to 300 °F\n");
        const Outcome jump = run(ask("53B", "693.6", std::nullopt, "100", "none"));
        EXPECT_EQ(jump.status, TableStatus::rejected);
        EXPECT_EQ(jump.err.rfind("Table 53B: no density at the base temperature", 0), 0U);
    }

    TEST(TableMode, RefusesARequestTheTableCannotTake)
    {
        const std::pair<TableRequest, const char*> cases[] = {
            { ask("7A", "800", std::nullopt, "30"),
                "corvald-calc: --table \"7A\": give 53A, 53B, 54A, 54B, 5A, 5B, 6A or 6B\n" },
            { ask("53A", std::nullopt, "30", "30"),
                "corvald-calc: table 53A takes --density in kg/m3, not --api\n" },
            { ask("6A", "800", std::nullopt, "30"),
                "corvald-calc: table 6A takes --api in °API, not --density\n" },
            { ask("54A", std::nullopt, std::nullopt, "30"),
                "corvald-calc: table 54A needs --density\n" },
            { ask("5B", std::nullopt, "30", std::nullopt),
                "corvald-calc: table 5B needs --temperature\n" },
            { ask("54B", "800", std::nullopt, "30", "glass"),
                "corvald-calc: table 54B takes no --hydrometer: its input is no reading\n" },
            { ask("53B", "800", std::nullopt, "30", "steel"),
                "corvald-calc: --hydrometer \"steel\": give glass or none\n" },
        };
        for (const auto& [request, message] : cases) {
            const Outcome r = run(request);
            EXPECT_EQ(r.status, TableStatus::usage) << message;
            EXPECT_EQ(r.err, message);
            EXPECT_EQ(r.out, "");
        }
    }

} // namespace
} // namespace corvald::cli
