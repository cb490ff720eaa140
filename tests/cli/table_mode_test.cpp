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
                "Density at 15 °C  786.6 kg/m3" },
            { ask("53B", "1008.0", std::nullopt, "4.5"),
                "Table 53B: Density at 15 °C from an observed density",
                "Density at 15 °C  1001.2 kg/m3" },
            { ask("54A", "850", std::nullopt, "30"), "Table 54A: Volume correction factor to 15 °C",
                "V.C.F. to 15 °C  0.9872" },
            { ask("54B", "700", std::nullopt, "30"), "Table 54B: Volume correction factor to 15 °C",
                "V.C.F. to 15 °C  0.9799" },
            { ask("5A", std::nullopt, "8.5", "210"),
                "Table 5A: API gravity at 60 °F from an observed",
                "API gravity at 60 °F  2.3 °API" },
            { ask("5B", std::nullopt, "10.5", "135"),
                "Table 5B: API gravity at 60 °F from an observed",
                "API gravity at 60 °F  6.7 °API" },
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
        EXPECT_EQ(lastLine(glass.out), "Density at 15 °C  786.6 kg/m3");
        EXPECT_EQ(lastLine(none.out), "Density at 15 °C  786.8 kg/m3");
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
        EXPECT_NE(
            r.out.find("\"rounded\": 786.6, \"decimals\": 1, \"iterations\": "), std::string::npos);
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
        EXPECT_EQ(density.err,
            "corvald-calc: Check inputed value: the density \"0,779\" is not a number\n");
        EXPECT_EQ(density.out, "");
        TableRequest asJson = ask("53A", "0,779", std::nullopt, "25");
        asJson.json = true;
        EXPECT_EQ(run(asJson).out,
            "{\"title\": \"Check inputed value\", \"prompt\": \"the density \\\"0,779\\\" is "
            "not a number\"}\n");
        const Outcome api = run(ask("6A", std::nullopt, "", "60"));
        EXPECT_EQ(
            api.err, "corvald-calc: Check inputed value: the API gravity \"\" is not a number\n");
        const Outcome temperature = run(ask("54B", "800", std::nullopt, "30 C"));
        EXPECT_EQ(temperature.err,
            "corvald-calc: Check inputed value: the temperature \"30 C\" is not a number\n");
        EXPECT_EQ(run(ask("54A", "1e999", std::nullopt, "30")).status, TableStatus::rejected);
    }

    TEST(TableMode, RejectsAValueOutsideTheTablesRangeNamingTheRange)
    {
        const Outcome r = run(ask("54A", "1100", std::nullopt, "30"));
        EXPECT_EQ(r.status, TableStatus::rejected);
        EXPECT_EQ(r.err,
            "corvald-calc: Check inputed value: density at 15 °C 1100 kg/m3 is outside table 54A: "
            "610 to 1075 "
            "kg/m3\n");
        EXPECT_EQ(run(ask("6B", std::nullopt, "60", "301")).err,
            "corvald-calc: Check inputed value: temperature 301 °F is outside table 6B: 0 to 300 "
            "°F\n");
    }

    TEST(TableMode, SaysWhichBandWasTakenWhereTwoBandsMeet)
    {
        TableRequest between = ask("53B", "766.4", std::nullopt, "20.0");
        const Outcome text = run(between);
        EXPECT_NE(text.out.find("Band choice  no band's answer lies in its band: the one straying "
                                "least was taken\nOther band  gasolines 770.8 kg/m3\n"),
            std::string::npos)
            << text.out;
        EXPECT_EQ(lastLine(text.out), "Density at 15 °C  770.7 kg/m3");
        between.json = true;
        EXPECT_NE(
            run(between).out.find(
                "\"band_choice\": \"between bands\", \"other_bands\": {\"gasolines\": 770.76"),
            std::string::npos);
        TableRequest two = ask("53B", "799.1", std::nullopt, "-18");
        EXPECT_NE(run(two).out.find("Also fits  gasolines 770.7 kg/m3\n"), std::string::npos);
        two.json = true;
        EXPECT_NE(run(two).out.find("\"band_choice\": \"two fit\""), std::string::npos);
        TableRequest one = ask("53B", "800", std::nullopt, "20");
        one.json = true;
        EXPECT_NE(run(one).out.find("\"band_choice\": \"one fits\", \"other_bands\": {}}"),
            std::string::npos);
    }

    TEST(TableMode, PrintsTheDecimalsAskedForFromTheTablesOwnUpToSix)
    {
        TableRequest request = ask("53A", "779.0", std::nullopt, "25");
        request.decimals = "2";
        EXPECT_EQ(lastLine(run(request).out), "Density at 15 °C  786.65 kg/m3");
        request = ask("6A", std::nullopt, "93.5", "92");
        request.decimals = "5";
        EXPECT_EQ(lastLine(run(request).out), "V.C.F. to 60 °F  0.97213");
        for (const char* refused : { "3", "7", "x", "5.0", "" }) {
            request.decimals = refused;
            const Outcome r = run(request);
            EXPECT_EQ(r.status, TableStatus::usage) << refused;
            EXPECT_EQ(r.err,
                "corvald-calc: --decimals \"" + std::string(refused)
                    + "\": table 6A prints 4 to 6 decimals. Try 'corvald-calc --help'\n");
        }
    }

    TEST(TableMode, RefusesARequestTheTableCannotTake)
    {
        const std::pair<TableRequest, const char*> cases[] = {
            { ask("7A", "800", std::nullopt, "30"),
                "corvald-calc: --table \"7A\": give 53A, 53B, 54A, 54B, 5A, 5B, 6A or 6B. Try "
                "\'corvald-calc --help\'\n" },
            { ask("53A", std::nullopt, "30", "30"),
                "corvald-calc: table 53A takes --density in kg/m3, not --api. Try \'corvald-calc "
                "--help\'\n" },
            { ask("6A", "800", std::nullopt, "30"),
                "corvald-calc: table 6A takes --api in °API, not --density. Try \'corvald-calc "
                "--help\'\n" },
            { ask("54A", std::nullopt, std::nullopt, "30"),
                "corvald-calc: table 54A needs --density. Try \'corvald-calc --help\'\n" },
            { ask("5B", std::nullopt, "30", std::nullopt),
                "corvald-calc: table 5B needs --temperature. Try \'corvald-calc --help\'\n" },
            { ask("54B", "800", std::nullopt, "30", "glass"),
                "corvald-calc: table 54B takes no --hydrometer: its input is no reading. Try "
                "\'corvald-calc --help\'\n" },
            { ask("53B", "800", std::nullopt, "30", "steel"),
                "corvald-calc: --hydrometer \"steel\": give glass or none. Try \'corvald-calc "
                "--help\'\n" },
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
