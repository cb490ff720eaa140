#include "cli/calc_cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace corvald::cli {
namespace {

    struct CliRun {
        int status;
        std::string out;
        std::string err;
    };

    CliRun run(std::vector<std::string_view> args, const std::string& input = "")
    {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = runCalcCli(args, in, out, err);
        return { status, out.str(), err.str() };
    }

    TEST(CalcCli, PrintsTheFourResultsOfTheWorkedExample)
    {
        const CliRun r
            = run({ "--quantity", "1000", "--temperature", "20.0", "--density", "0.8500" });
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_EQ(r.out,
            "Density (air)  at  15 °C  0.8489 kg/lit\n"
            "V.C.F.  0.9957\n"
            "Volume at 15 °C  995.700 m3\n"
            "Tonnes  846.345 mt\n");
        EXPECT_EQ(r.err, "");
    }

    TEST(CalcCli, FromAMassSwapsTheResultRow)
    {
        const CliRun r
            = run({ "--quantity=850", "--temperature=20.0", "--density=0.8500", "--from=mt" });
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_NE(r.out.find("Volume at 15 °C  1,000.000 m3\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("Volume at observed temp.  1,004.319 m3\n"), std::string::npos);
    }

    TEST(CalcCli, PrintsJsonWithTheDisplayCaptions)
    {
        const CliRun r = run({ "--json", "--quantity", "1000", "--temperature", "20.0", "--density",
            "0.8500", "--basis", "air" });
        EXPECT_EQ(r.out,
            "{\"density_air\": \"0.8489\", \"vcf\": \"0.9957\", \"volume_15\": \"995.700\", "
            "\"result\": \"845.250\", \"result_unit\": \"mt\"}\n");
    }

    TEST(CalcCli, ARejectedInputGivesTheMessageBoxOnStandardError)
    {
        const CliRun r = run({ "--quantity", "-1", "--temperature", "20.0", "--density", "0.85" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Check inputed value: Enter quantity of product.\n");
    }

    TEST(CalcCli, TakesEmptyAndNegativeTextsAsTyped)
    {
        CliRun r = run({ "--quantity", "", "--temperature", "20.0", "--density", "0.85" });
        EXPECT_EQ(r.err, "Enter Value: Enter quantity of product.\n");
        r = run({ "--quantity", "1000", "--temperature", "-18.1", "--density", "0.85" });
        EXPECT_EQ(
            r.err, "Check inputed value: Enter temperature from -18 to +95 Celsium degrees.\n");
    }

    TEST(CalcCli, UsageErrorsExitTwoWithTheUsage)
    {
        const std::vector<std::vector<std::string_view>> wrong = {
            {},
            { "--quantity", "1000", "--temperature", "20.0" },
            { "--quantity", "1", "--temperature", "2", "--density", "0.8", "--from", "kg" },
            { "--quantity", "1", "--temperature", "2", "--density", "0.8", "--basis", "water" },
            { "--quantity", "1", "--temperature", "2", "--density" },
            { "--quantity", "1", "--temperature", "2", "--density", "0.8", "--verbose" },
            { "--csv", "--quantity", "1" },
            { "--csv", "--json" },
            { "1000" },
        };
        for (const auto& args : wrong) {
            const CliRun r = run(args);
            EXPECT_EQ(r.status, kExitUsage);
            EXPECT_NE(r.err.find("Usage:"), std::string::npos);
            EXPECT_EQ(r.out, "");
        }
    }

    TEST(CalcCli, PrintsTheProductFactorOnTheGrid)
    {
        const CliRun r = run({ "--product", "--density", "700", "--temperature", "30.1" });
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_EQ(r.out,
            "Grid density  700 kg/m3\n"
            "Grid temperature  30 °C\n"
            "V.C.F. 54B  0.9799\n");
        EXPECT_EQ(run({ "--product", "--density", "701.3", "--temperature", "-3.3" }).out,
            "Grid density  702 kg/m3\nGrid temperature  -3.25 °C\nV.C.F. 54B  1.0241\n");
    }

    TEST(CalcCli, PrintsTheExactProductFactorWithFifteenDigits)
    {
        const CliRun r = run({ "--product-exact", "--density", "1000", "--temperature", "60" });
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_TRUE(r.out.starts_with("V.C.F. 54B exact  0.96944964301")) << r.out;
        const std::string factor = r.out.substr(r.out.rfind(' ') + 1);
        EXPECT_EQ(factor.size(), std::string("0.").size() + 15 + 1) << factor; // and the newline
    }

    TEST(CalcCli, RejectsProductInputsThatAreNoNumbers)
    {
        CliRun r = run({ "--product", "--density", "heavy", "--temperature", "30" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.err, "Check inputed value: the density is not a number\n");
        r = run({ "--product-exact", "--density", "700", "--temperature", "warm" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.err, "Check inputed value: the temperature is not a number\n");
        EXPECT_EQ(run({ "--product", "--quantity", "1", "--density", "700", "--temperature", "3" })
                      .status,
            kExitUsage);
    }

    TEST(CalcCli, HelpDocumentsEveryOption)
    {
        const CliRun r = run({ "--help" });
        EXPECT_EQ(r.status, kExitComputed);
        for (const char* option : { "--quantity", "--temperature", "--density", "--from", "--basis",
                 "--json", "--csv", "Exit status" })
            EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }

} // namespace
} // namespace corvald::cli
