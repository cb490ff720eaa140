#include "../cli_run.h"

#include <gtest/gtest.h>

namespace corvald::cli {
namespace {

    constexpr std::string_view kColumns = "tank,grade,tov,free_water,temperature,density,sw,table,"
                                          "edition\n";
    constexpr std::string_view kGoodTank = "K1,Crude,1000,,20,0.8500,,,\n"; // NSV 995.700

    struct Refused {
        std::string_view row; // the third line of the file, after kGoodTank
        std::string_view reason;
    };

    // Each row that gives no figures: the reason names the input as typed, its
    // unit and the range; the totals hold the good tank only and say what they miss.
    TEST(CargoRejections, ARowLeftOutIsNamedInEveryTotalItIsMissingFrom)
    {
        const Refused cases[] = {
            { "K2,Crude,,,20,0.85,,,", "tov is missing" },
            { "K2,Crude,1000,,,0.85,,,", "temperature is missing" },
            { "K2,Crude,1000,,20,,,,", "density is missing" },
            { ",Crude,1000,,20,0.85,,,", "tank is missing" },
            { "K2,Crude,1O00,,20,0.85,,,", "tov '1O00' is not a number" },
            { "K2,Crude,1000,,20,0.85,185,,", "sw 185 % is outside 0 to 100 %" },
            { "K2,Crude,1000,,20,0.85,-0.1,,", "sw -0.1 % is outside 0 to 100 %" },
            { "K2,Crude,1000,,20,0.85,100.01,,", "sw 100.01 % is outside 0 to 100 %" },
            { "K2,Crude,-1,,20,0.85,,,", "tov -1 m3 is outside 0 to 999999999.999 m3" },
            { "K2,Crude,1000,-0.5,20,0.85,,,",
                "free_water -0.5 m3 is outside 0 to 999999999.999 m3" },
            { "K2,Crude,1000,1000.001,20,0.85,,,", "free_water 1000.001 m3 is above tov 1000 m3" },
            { "K2,Crude,1000,,20,1.0751,,,",
                "density 1.0751 kg/litre is outside table 54A: 0.61 to 1.075 kg/litre" },
            { "K2,Crude,1000,,20,0.6535,,54B,",
                "density 0.6535 kg/litre is outside table 54B: 0.654 to 1.0749 kg/litre" },
            { "K2,Crude,1000,,150.5,0.85,,,",
                "temperature 150.5 °C is outside table 54A: -18 to 150 °C" },
            { "K2,Crude,1000,,-18.1,0.85,,,",
                "temperature -18.1 °C is outside table 54A: -18 to 150 °C" },
            { "K2,Crude,1000,,20,0.85,,53A,",
                "table 53A is not a volume correction table to 15 °C of edition 1980: 54A or 54B" },
            { "K2,Crude,1000,,20,0.85,,,1990",
                "edition 1990 is not available: the tables are those of 1980 and 2004" },
            { "K1,Crude,1000,,20,0.85,,,",
                "tank K1 is named twice in grade 'Crude': first on line 2" },
        };
        for (const Refused& c : cases) {
            const std::string input
                = std::string(kColumns) + std::string(kGoodTank) + std::string(c.row) + "\n";
            const std::string tankName(c.row.substr(0, c.row.find(',')));
            const std::string note = "incomplete: leaves out "
                + (tankName.empty() ? "line 3" : tankName + " (line 3)");

            const CliRun csv = run({ "--cargo", "--csv" }, input);
            EXPECT_EQ(csv.status, kExitRejected) << c.row;
            EXPECT_NE(csv.out.find("left out,3,Crude," + tankName + ",,,,,,,,,,,,,,,"
                          + std::string(c.reason) + "\n"),
                std::string::npos)
                << csv.out;
            EXPECT_NE(csv.out.find(",995.700,846.345,845.250," + note + "\n"), std::string::npos)
                << csv.out;
            EXPECT_NE(csv.out.find("cargo total,,,,,,1000.000,0.000,1000.000,,,,995.700,,0.000,"
                                   "995.700,846.345,845.250,"
                          + note + "\n"),
                std::string::npos)
                << csv.out;
            EXPECT_NE(csv.err.find("line 3: " + std::string(c.reason) + "\n"), std::string::npos)
                << csv.err;

            const CliRun text = run({ "--cargo" }, input);
            EXPECT_EQ(text.status, kExitRejected);
            EXPECT_NE(
                text.out.find("INCOMPLETE" + note.substr(10) + "\n\nCargo"), std::string::npos)
                << text.out;
            EXPECT_NE(text.out.find(std::string(c.reason)), std::string::npos) << text.out;

            const CliRun json = run({ "--cargo", "--json" }, input);
            EXPECT_EQ(json.status, kExitRejected);
            EXPECT_NE(json.out.find("\"total\": {\"tanks\": 1, \"complete\": false, \"left_out\": "
                                    "[{\"line\": 3, \"tank\": \""
                          + tankName + "\"}]"),
                std::string::npos)
                << json.out;
        }
    }

    // A record that cannot be read has no grade to trust: every grade total may miss it.
    TEST(CargoRejections, AnUnreadableRowMakesEveryTotalIncomplete)
    {
        const CliRun r = run({ "--cargo", "--csv" },
            std::string(kColumns) + std::string(kGoodTank) + "K2,Gasoil,1000,,20\n"
                + "K3,Gasoil,\"1000,,20,0.85,,,\n");
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_NE(r.out.find("left out,3,,,,,,,,,,,,,,,,,5 fields where the header names 9\n"),
            std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("left out,4,,,"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("grade total,,Crude,,,,1000.000,0.000,1000.000,,,,995.700,,0.000,"
                             "995.700,846.345,845.250,\"incomplete: leaves out line 3, line 4\"\n"),
            std::string::npos)
            << r.out;
    }

    TEST(CargoRejections, TheBoundsOfEveryRangeAreAccepted)
    {
        const CliRun r = run({ "--cargo", "--csv" },
            std::string(kColumns)
                + "B1,,1000,1000,20,0.610,,,\n"
                  "B2,,1000,,-18,1.075,100,,\n"
                  "B3,,0,,150,0.654,0,54B,1980\n"
                  "B4,,999999999.999,,15,1.0749,,54b,\n");
        EXPECT_EQ(r.status, kExitComputed) << r.out << r.err;
        EXPECT_NE(r.out.find("tank,5,,B4,54B,1980,999999999.999,0.000,999999999.999,15,1.0749,"
                             "1.0000,999999999.999,0,0.000,999999999.999,1074899999.999,"
                             "1073799999.999,\n"),
            std::string::npos)
            << r.out;
    }

    // A terminal or a page would act on the name's control characters instead of showing them.
    TEST(CargoRejections, ANameWithAControlCharacterIsNotRepeated)
    {
        const CliRun r = run({ "--cargo" },
            std::string(kColumns) + std::string(kGoodTank)
                + "\"K\x1b[2J\",Crude,1000,,20,0.85,,,\n");
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("INCOMPLETE: leaves out line 3\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("line 3: tank holds a control character"), std::string::npos);
    }

    // With every row left out, the totals are zero and say so; no table was used.
    TEST(CargoRejections, AReportWithoutAnyTankStillEndsInItsMarkedTotal)
    {
        const CliRun r = run({ "--cargo" }, std::string(kColumns) + "K1,Crude,1000,,20,2,,,\n");
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_TRUE(r.out.starts_with("Cargo report at 15 °C\n\n")) << r.out;
        EXPECT_NE(r.out.find("Total  0.000 0.000 0.000"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("INCOMPLETE: leaves out K1 (line 2)\n\nLeft out"), std::string::npos)
            << r.out;
    }

    // Blanks a spreadsheet pads its fields with belong to no name and no number.
    TEST(CargoRejections, BlanksAroundAFieldAreNotPartOfIt)
    {
        const CliRun r = run({ "--cargo", "--json" },
            std::string(kColumns) + std::string(kGoodTank)
                + " K2 , Crude ,1000 , , 20 ,0.8500,  ,,\n");
        EXPECT_EQ(r.status, kExitComputed) << r.err;
        EXPECT_NE(
            r.out.find("\"grades\": [\n{\"grade\": \"Crude\", \"tanks\": 2,"), std::string::npos)
            << r.out;
    }

    // The same tank name in two grades is two tanks.
    TEST(CargoRejections, ATankNameMayRecurInAnotherGrade)
    {
        const CliRun r = run({ "--cargo", "--csv" },
            std::string(kColumns) + std::string(kGoodTank) + "K1,Gasoil,1000,,20,0.8500,,,\n");
        EXPECT_EQ(r.status, kExitComputed) << r.err;
    }

    // A factor to 20 °C would add volumes of another base into the totals at 15 °C.
    TEST(CargoRejections, ATankTakesNoFactorToAnotherBase)
    {
        const CliRun r = run({ "--cargo" },
            std::string(kColumns) + std::string(kGoodTank)
                + "K2,Crude,1000,,20,0.8500,,60A,2004\n");
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_NE(r.err.find("line 3: table 60A is not a volume correction table to 15 °C of "
                             "edition 2004: 54A, 54B or 54D\n"),
            std::string::npos)
            << r.err;
    }

    TEST(CargoHeader, AHeaderThatIsNoCargoHeaderStopsBeforeAnyFigure)
    {
        const std::pair<std::string_view, std::string_view> cases[] = {
            { "tank,tov,temperature,density,free water",
                "line 1 is not a header: unknown column 'free water'" },
            { "tank,tov,temperature", "line 1 is not a header: it has no column 'density'" },
            { "tank,tov,temperature,density,tov", "line 1 is not a header: column 'tov' is named" },
        };
        for (const auto& [header, reason] : cases) {
            const CliRun r = run({ "--cargo" }, std::string(header) + "\nK1,1000,20,0.85\n");
            EXPECT_EQ(r.status, kExitRejected) << header;
            EXPECT_EQ(r.out, "") << header;
            EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        }
        const CliRun empty = run({ "--cargo" }, "");
        EXPECT_EQ(empty.status, kExitRejected);
        EXPECT_NE(empty.err.find("standard input: no header"), std::string::npos) << empty.err;
        const CliRun marked = run({ "--cargo", "--csv" },
            "\xEF\xBB\xBFtank,tov,temperature,density\r\nK1,1000,20,0.8500\r\n");
        EXPECT_EQ(marked.status, kExitComputed) << marked.err;
        const CliRun controls = run({ "--cargo" }, std::string("tank,\x1b[31m\0\n", 12));
        EXPECT_EQ(controls.status, kExitRejected);
        EXPECT_NE(controls.err.find("unknown column '\\x1b[31m\\0'"), std::string::npos)
            << controls.err;
    }

    TEST(CargoCommandLine, TheOutputFormIsOneOfTextCsvAndJson)
    {
        EXPECT_EQ(run({ "--cargo", "--csv", "--json" }).status, kExitUsage);
        EXPECT_EQ(run({ "--cargo", "--density", "0.85" }).status, kExitUsage);
        EXPECT_EQ(run({ "--cargo", "a.csv", "b.csv" }).status, kExitUsage);
        EXPECT_EQ(run({ "--cargo", "--product" }).status, kExitUsage);
        EXPECT_EQ(run({ "--cargo", "/nonexistent/cargo.csv" }).status, kExitRejected);
    }

} // namespace
} // namespace corvald::cli
