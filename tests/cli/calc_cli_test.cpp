#include "cli_run.h"

#include "calc/tables/registry.h"

#include <gtest/gtest.h>

#include <cctype>

#include <streambuf>

namespace corvald::cli {
namespace {

    std::vector<std::string_view> example(std::vector<std::string_view> extra = {})
    {
        std::vector<std::string_view> args
            = { "--quantity", "1000", "--temperature", "20.0", "--density", "0.8500" };
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    TEST(CalcCli, PrintsTheFourResultsAsTheWindowShowsThem)
    {
        CliRun r = run(example());
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_EQ(r.out,
            "Density (air)  at  15 °C  0.8489 kg/lit\n"
            "V.C.F.  0.9957\n"
            "Volume at 15 °C  995.700 m3\n"
            "Tonnes  846.345 mt\n");
        EXPECT_EQ(r.err, "");
        r = run({ "--quantity=850", "--temperature=20.0", "--density=0.8500", "--from=mt" });
        EXPECT_NE(r.out.find("Volume at 15 °C  1,000.000 m3\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("Volume at observed temp.  1,004.319 m3\n"), std::string::npos);
    }

    TEST(CalcCli, ARejectedInputGivesTheMessageBoxNamedForTheProgram)
    {
        CliRun r = run({ "--quantity", "-1", "--temperature", "20.0", "--density", "0.85" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "corvald-calc: Check inputed value: Enter quantity of product.\n");
        r = run({ "--quantity", "", "--temperature", "20.0", "--density", "0.85" });
        EXPECT_EQ(r.err, "corvald-calc: Enter Value: Enter quantity of product.\n");
        r = run({ "--quantity", "1000", "--temperature", "-18.1", "--density", "0.85" });
        EXPECT_EQ(r.err,
            "corvald-calc: Check inputed value: Enter temperature from -18 to +95 Celsium "
            "degrees.\n");
    }

    TEST(CalcCliJson, WritesTheWindowsDigitsAsNumbers)
    {
        CliRun r = run(example({ "--json", "--basis", "air" }));
        EXPECT_EQ(r.out,
            "{\"density_air\": 0.8489, \"vcf\": 0.9957, \"volume_15\": 995.700, "
            "\"result\": 845.250, \"result_unit\": \"mt\"}\n");
        r = run({ "--json", "--quantity", "850", "--temperature", "20.0", "--density", "0.8500",
            "--from", "mt" });
        EXPECT_EQ(r.out,
            "{\"density_air\": 0.8489, \"vcf\": 0.9957, \"volume_15\": 1000.000, "
            "\"result\": 1004.319, \"result_unit\": \"m3\"}\n");
    }

    TEST(CalcCliJson, ARejectionIsAnObjectWithTitleAndPrompt)
    {
        const CliRun r
            = run({ "--json", "--quantity", "-1", "--temperature", "20.0", "--density", "0.85" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out,
            "{\"title\": \"Check inputed value\", \"prompt\": \"Enter quantity of product.\"}\n");
        EXPECT_NE(r.err.find("Enter quantity of product."), std::string::npos);
    }

    TEST(CalcCliUsage, AWrongCommandLineIsOneLineExitTwoNothingWritten)
    {
        const std::vector<std::pair<std::vector<std::string_view>, std::string>> wrong = {
            { {}, "missing --quantity, --temperature, --density" },
            { { "--quantity", "1000", "--temperature", "20.0" }, "missing --density" },
            { example({ "--from", "kg" }), "--from takes m3 or mt, not 'kg'" },
            { example({ "--basis", "water" }), "--basis takes vacuum or air, not 'water'" },
            { { "--quantity", "1", "--temperature", "2", "--density" },
                "option '--density' needs a value" },
            { example({ "--verbose" }), "unknown option '--verbose'" },
            { example({ "-x" }), "unknown option '-x'" },
            { example({ "--json=yes" }), "option '--json' takes no value" },
            { example({ "--density", "0.9" }), "option '--density' is given twice" },
            { example({ "--json", "--json" }), "option '--json' is given twice" },
            { { "--csv", "--quantity", "1" }, "--quantity cannot be used with --csv" },
            { { "--csv", "--product" }, "--csv and --product exclude each other" },
            { { "--product", "--density", "700", "--temperature", "3", "--from", "mt" },
                "--from cannot be used with --product" },
            { { "--product-exact", "--density", "700", "--temperature", "3", "--basis", "air" },
                "--basis cannot be used with --product-exact" },
            { { "--product", "--quantity", "1", "--density", "700", "--temperature", "3" },
                "--quantity cannot be used with --product" },
            { { "--csv", "a.csv", "b.csv" }, "unexpected argument 'b.csv'" },
            { example({ "1000" }), "unexpected argument '1000'" },
            { { "--table", "53A", "--csv" }, "--csv and --table exclude each other" },
            { { "--table", "53A", "--quantity", "1", "--temperature", "25" },
                "--quantity cannot be used with --table" },
            { { "--table", "6A", "--api", "27.1" }, "missing --temperature" },
            { { "--api", "27.1", "--temperature", "60" },
                "--api cannot be used with the crude calculation" },
        };
        for (const auto& [args, reason] : wrong) {
            const CliRun r = run(args);
            EXPECT_EQ(r.status, kExitUsage) << reason;
            EXPECT_EQ(r.err, "corvald-calc: " + reason + ". Try 'corvald-calc --help'\n");
            EXPECT_EQ(r.out, "");
        }
    }

    TEST(CalcCliUsage, HelpAndVersionInBothSpellings)
    {
        for (const std::string_view help : { "--help", "-h" }) {
            const CliRun r = run({ help });
            EXPECT_EQ(r.status, kExitComputed);
            for (const char* documented : { "--quantity", "--temperature", "--density", "--from",
                     "--basis", "--json", "--csv [FILE]", "100 bytes", "--version", "Exit status" })
                EXPECT_NE(r.out.find(documented), std::string::npos) << documented;
        }
        for (const std::string_view version : { "--version", "-V" }) {
            const CliRun r = run({ version });
            EXPECT_EQ(r.status, kExitComputed);
            EXPECT_TRUE(r.out.starts_with("corvald-calc (CORVALD) ")) << r.out;
        }
    }

    TEST(CalcCliProduct, PrintsTheFactorOnTheGridAndExact)
    {
        CliRun r = run({ "--product", "--density", "700", "--temperature", "30.1" });
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_EQ(r.out, "Grid density  700 kg/m3\nGrid temperature  30 °C\nV.C.F. 54B  0.9799\n");
        EXPECT_EQ(run({ "--product", "--density", "701.3", "--temperature", "-3.3", "--json" }).out,
            "{\"grid_density\": 702, \"grid_temperature\": -3.25, \"vcf\": 1.0241}\n");
        r = run({ "--product-exact", "--density", "1000", "--temperature", "60" });
        EXPECT_TRUE(r.out.starts_with("V.C.F. 54B exact  0.96944964301")) << r.out;
        const std::string factor = r.out.substr(r.out.rfind(' ') + 1);
        EXPECT_EQ(factor.size(), std::string("0.").size() + 15 + 1) << factor; // and the newline
    }

    TEST(CalcCliProduct, AFailureNamesWhatFailedAndWritesNoHalfLine)
    {
        const std::vector<std::pair<std::vector<std::string_view>, std::string>> failing = {
            { { "--product", "--density", "heavy", "--temperature", "30" },
                "the density is not a number" },
            { { "--product-exact", "--density", "700", "--temperature", "warm" },
                "the temperature is not a number" },
            { { "--product", "--density", "700", "--temperature", "1E+400" },
                "the temperature is out of range" },
            { { "--product-exact", "--density", "700", "--temperature", "1E+200" },
                "the V.C.F. is beyond the range of a double" },
            { { "--product", "--density", "700", "--temperature", "1E+200" },
                "the V.C.F. is beyond the range of a double" },
            { { "--product", "--density", "1.7976931348623157E+308", "--temperature", "20" },
                "the grid density is beyond the range of a double" },
        };
        for (const auto& [args, prompt] : failing) {
            CliRun r = run(args);
            EXPECT_EQ(r.status, kExitRejected) << prompt;
            EXPECT_EQ(r.out, "") << prompt;
            EXPECT_EQ(r.err, "corvald-calc: Check inputed value: " + prompt + "\n");
            std::vector<std::string_view> json = args;
            json.push_back("--json");
            r = run(json);
            EXPECT_EQ(
                r.out, "{\"title\": \"Check inputed value\", \"prompt\": \"" + prompt + "\"}\n");
        }
    }

    // The help is written from the registry: every table, its range and its resolution
    // (compared with the blanks and line breaks of the wrapping taken as one blank).
    TEST(CalcCliTable, HelpListsEveryTableWithItsRangeAndResolution)
    {
        std::string help;
        for (const char c : run({ "--help" }).out)
            if (!std::isspace(static_cast<unsigned char>(c))
                || (!help.empty() && help.back() != ' '))
                help += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
        for (const char* entry : {
                 " 53B 1980 edition: density at 15 °C from --density, observed at T °C "
                 "(generalized products), in kg/m3; prints 0.1 kg/m3; density at 15 °C 654 to "
                 "1074.9 kg/m3, T -18 to 150 °C. ",
                 " 6B 1980 edition: V.C.F. to 60 °F for --api at 60 °F, at T °F (generalized "
                 "products), in °API; prints 4 decimals; API gravity at 60 °F 0 to 85 °API, T 0 "
                 "to 300 °F; T at most 300 °F up to 40 °API, 250 °F up to 50 °API, 200 °F above. ",
                 " 23B 2004 edition: relative density at 60 °F from --api, --relative-density "
                 "or --density, observed at T °F and P psig (refined products); prints 4 "
                 "decimals; density at 60 °F 610.6 to 1163.5 kg/m3, T -58 to 302 °F, P -14.696 "
                 "to 1500 psig. ",
                 " 60A 2004 edition: CTL, CPL and CTPL to 20 °C for --density at 20 °C, at T °C "
                 "and P kPa (crude oils); prints 5 decimals; density at 60 °F 610.6 to 1163.5 "
                 "kg/m3, T -50 to 150 °C, P -101.3 to 10342.1 kPa. ",
             })
            EXPECT_NE(help.find(entry), std::string::npos) << entry;
        // The 2004 mode offers these and finds them in the registry that writes the help.
        for (const std::string name :
            { "5A", "5B", "5D", "6A", "6B", "6D", "23A", "23B", "23D", "24A", "24B", "24D", "53A",
                "53B", "53D", "54A", "54B", "54D", "59A", "59B", "59D", "60A", "60B", "60D" }) {
            EXPECT_NE(calc::tables::findTable("2004", name), nullptr) << name;
            EXPECT_NE(help.find(" " + name + " 2004 edition: "), std::string::npos) << name;
        }
    }

    TEST(CalcCliProduct, RefusesADensityInNoBandRatherThanPrintAFactorOfOne)
    {
        const std::string bands
            = " the product bands 654 to 770.7, 770.8 to 787.4, 787.5 to 838.4, 838.5 to 1074.9 "
              "kg/m3";
        const std::vector<std::pair<std::vector<std::string_view>, std::string>> refused = {
            { { "--product-exact", "--density", "770.75", "--temperature", "60" },
                "the density 770.75 kg/m3 is between" + bands
                    + "; --table 54B takes the band of its nearest tenth" },
            { { "--product", "--density", "1075", "--temperature", "20" },
                "the grid density 1076 of the density 1075 kg/m3 is outside" + bands },
            { { "--product", "--density", "652.9", "--temperature", "20" },
                "the grid density 652 of the density 652.9 kg/m3 is outside" + bands },
            { { "--product-exact", "--density", "0", "--temperature", "20" },
                "the density 0 kg/m3 is outside" + bands },
            { { "--product", "--density", "2000", "--temperature", "20" },
                "the grid density 2000 of the density 2000 kg/m3 is outside" + bands },
        };
        for (const auto& [args, prompt] : refused) {
            const CliRun r = run(args);
            EXPECT_EQ(r.status, kExitRejected) << prompt;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "corvald-calc: Check inputed value: " + prompt + "\n");
        }
    }

    // An output whose every write fails, as on a full disk.
    class FullDisk : public std::streambuf {
    protected:
        int_type overflow(int_type) override { return traits_type::eof(); }
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    };

    // The companion tables from the command line: the result on the last line,
    // the table named on the first, and the window's number reading.
    TEST(CalcCliTable, EndsWithTheResultOfTheTableNamedFirst)
    {
        const std::pair<std::vector<std::string_view>, std::string> tables[] = {
            { { "--table", "53A", "--density", "779.0", "--temperature", "25" },
                "Density at 15 °C  786.6 kg/m3\n" },
            { { "--table", "53A", "--density", "779.0", "--temperature", "25", "--decimals", "2" },
                "Density at 15 °C  786.65 kg/m3\n" },
            { { "--table", "6A", "--api", "27.1", "--temperature", "112.1" }, "  0.9775\n" },
            { { "--table", "54A", "--density", "850", "--temperature", "20.0" }, "  0.9957\n" },
        };
        for (const auto& [args, lastLine] : tables) {
            const CliRun r = run(args);
            EXPECT_EQ(r.status, kExitComputed) << r.err;
            EXPECT_EQ(r.out.rfind("Table " + std::string(args[1]), 0), 0U) << r.out;
            EXPECT_TRUE(r.out.ends_with(lastLine)) << r.out;
        }
        const CliRun json
            = run({ "--table", "6B", "--api", "56.5", "--temperature", "67.5", "--json" });
        EXPECT_NE(json.out.find("\"table\": \"6B\""), std::string::npos) << json.out;
        EXPECT_NE(json.out.find("\"rounded\": 0.9950"), std::string::npos) << json.out;
        const CliRun rejected
            = run({ "--table", "53A", "--density", "779,0", "--temperature", "25" });
        EXPECT_EQ(rejected.status, kExitRejected);
        EXPECT_EQ(rejected.out, "");
    }

    TEST(CalcCli, AFailedWriteIsReportedAndExitsNonZero)
    {
        for (const std::vector<std::string_view>& args : { example(), { "--help" }, { "--csv" } }) {
            FullDisk disk;
            std::ostream out(&disk);
            std::istringstream in("quantity,temperature,density\n1000,20.0,0.8500\n");
            std::ostringstream err;
            EXPECT_EQ(runCalcCli(args, { in, out, err, false }), kExitRejected) << args.front();
            EXPECT_TRUE(err.str().starts_with("corvald-calc: write error")) << err.str();
        }
    }

} // namespace
} // namespace corvald::cli
