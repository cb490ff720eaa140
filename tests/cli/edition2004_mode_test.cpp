// corvald-calc --edition 2004 as a shell runs it: the choice of edition, the worked
// examples on the command line, the JSON, and the requests the tables cannot take.
#include "cli_run.h"

#include <gtest/gtest.h>

namespace corvald::cli {
namespace {

    std::string lastLine(const std::string& text)
    {
        const std::string body = text.substr(0, text.size() - 1);
        return body.substr(body.rfind('\n') + 1);
    }

    TEST(Edition2004Cli, EndsWithTheResultOfTheTable)
    {
        struct Case {
            std::vector<std::string_view> args;
            const char* last;
        };
        const Case cases[] = {
            { { "--table", "6A", "--api", "17.785", "--temperature", "-27.7", "--exact" },
                "CTPL  1.03301" },
            { { "--table", "6b", "--density", "657.3", "--temperature", "27.3", "--pressure",
                  "1234.5", "--exact" },
                "CTPL  1.03922" },
            { { "--table", "5A", "--density", "823.7", "--temperature", "80.3", "--pressure", "-5",
                  "--exact" },
                "Density at 60 °F  832.0 kg/m3" },
            { { "--table", "23B", "--relative-density", "0.8039", "--temperature", "25.3",
                  "--pressure", "267" },
                "Relative density at 60 °F  0.7882" },
            { { "--table", "54A", "--density", "850", "--temperature", "30" }, "CTPL  0.98720" },
        };
        for (const Case& c : cases) {
            std::vector<std::string_view> args = { "--edition", "2004" };
            args.insert(args.end(), c.args.begin(), c.args.end());
            const CliRun r = run(args);
            EXPECT_EQ(r.status, kExitComputed) << r.err;
            EXPECT_EQ(lastLine(r.out), c.last) << r.out;
        }
    }

    TEST(Edition2004Cli, ExactPrintsTheUnroundedFiguresAndTheJsonHoldsThemAlways)
    {
        const CliRun exact = run({ "--edition", "2004", "--table", "6A", "--api", "17.785",
            "--temperature", "-27.7", "--exact" });
        EXPECT_NE(exact.out.find("CTL unrounded  1.03301159195793\n"), std::string::npos)
            << exact.out;
        EXPECT_EQ(exact.out.find(" rounded  "), std::string::npos) << exact.out;
        const CliRun json = run({ "--edition", "2004", "--table", "6A", "--api", "17.78",
            "--temperature", "-27.7", "--json" });
        EXPECT_EQ(json.status, kExitComputed);
        for (const char* piece :
            { "\"edition\": \"2004\"", "\"group\": \"crude oils\"", "\"inputs\": {\"api\": 17.78,",
                "\"inputs_used\": {\"api\": 17.8,", "\"ctpl\": {\"unrounded\": 1.033018",
                "\"rounded\": 1.03302}", "\"iterations\": 0}" })
            EXPECT_NE(json.out.find(piece), std::string::npos) << piece << '\n' << json.out;
    }

    TEST(Edition2004Cli, TheEditionOf1980StaysTheDefault)
    {
        const std::vector<std::string_view> args
            = { "--table", "54A", "--density", "850", "--temperature", "30" };
        std::vector<std::string_view> chosen = { "--edition", "1980" };
        chosen.insert(chosen.end(), args.begin(), args.end());
        EXPECT_EQ(lastLine(run(args).out), "V.C.F. to 15 °C  0.9872");
        EXPECT_EQ(run(chosen).out, run(args).out);
    }

    TEST(Edition2004Cli, RequestsTheTablesCannotTakeAreUsageErrors)
    {
        struct Case {
            std::vector<std::string_view> args;
            const char* reason;
        };
        const Case cases[] = {
            { { "--table", "54A", "--density", "850", "--temperature", "30", "--pressure", "5" },
                "--pressure belongs to the 2004 edition: add --edition 2004" },
            { { "--edition", "2007", "--table", "54A", "--density", "850", "--temperature", "30" },
                "--edition \"2007\": give 1980 or 2004" },
            { { "--edition", "2004", "--table", "54C", "--density", "850", "--temperature", "30" },
                "--table \"54C\" of the 2004 edition: give 5A, 5B, 5D, 6A, 6B, 6C, 6D, 23A, 23B, "
                "23D, 24A, 24B, 24C, 24D, 53A, 53B, 53D, 54A, 54B, 54D, 59A, 59B, 59D, 60A, 60B or "
                "60D" },
            { { "--edition", "2004", "--table", "6C", "--api", "35", "--temperature", "30" },
                "table 6C of the 2004 edition needs --alpha, the thermal expansion coefficient at "
                "60 °F in 1/°F" },
            { { "--edition", "2004", "--table", "6A", "--api", "35", "--alpha", "0.0005",
                  "--temperature", "30" },
                "table 6A of the 2004 edition takes no --alpha: its commodity group gives α60" },
            { { "--table", "6A", "--api", "35", "--alpha", "0.0005", "--temperature", "30" },
                "--alpha belongs to the 2004 edition: add --edition 2004" },
            { { "--edition", "2004", "--table", "54A", "--api", "35", "--temperature", "30" },
                "table 54A of the 2004 edition takes --density in kg/m3" },
            { { "--edition", "2004", "--table", "6A", "--api", "35", "--density", "850",
                  "--temperature", "30" },
                "table 6A of the 2004 edition takes one of --api, --relative-density and "
                "--density" },
            { { "--edition", "2004", "--quantity", "1", "--density", "0.85", "--temperature",
                  "30" },
                "--edition cannot be used with the crude calculation" },
        };
        for (const Case& c : cases) {
            const CliRun r = run(c.args);
            EXPECT_EQ(r.status, kExitUsage);
            EXPECT_EQ(
                r.err, "corvald-calc: " + std::string(c.reason) + ". Try 'corvald-calc --help'\n");
        }
    }

    TEST(Edition2004Cli, AReadingOutsideTheRangeIsRejectedWithIt)
    {
        const CliRun r = run({ "--edition", "2004", "--table", "6A", "--api", "30", "--temperature",
            "303", "--json" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.err,
            "corvald-calc: Check inputed value: temperature 303 °F is outside table 6A: -58 to "
            "302 °F\n");
        EXPECT_NE(r.out.find("\"prompt\": \"temperature 303 °F"), std::string::npos) << r.out;
        EXPECT_EQ(run({ "--edition", "2004", "--table", "6C", "--api", "30", "--alpha", "0.00094",
                          "--temperature", "80" })
                      .err,
            "corvald-calc: Check inputed value: thermal expansion coefficient 0.00094 1/°F is "
            "outside table 6C: 0.00023 to 0.00093 1/°F\n");
    }

    TEST(Edition2004Cli, TheJsonOfAGivenAlphaHoldsItAmongTheInputs)
    {
        const CliRun r = run(
            { "--edition", "2004", "--table", "24C", "--relative-density", "1.0537", "--alpha",
                "0.000732185", "--temperature", "97.7", "--pressure", "287.4", "--json" });
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("\"inputs\": {\"relative_density\": 1.0537, \"temperature\": 97.7, "
                             "\"pressure\": 287.4, \"alpha60\": 0.000732185}"),
            std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("\"group\": \"special applications\""), std::string::npos) << r.out;
    }

} // namespace
} // namespace corvald::cli
