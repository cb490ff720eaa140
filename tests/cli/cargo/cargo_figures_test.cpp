#include "../cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace corvald::cli {
namespace {

    constexpr std::string_view kHeader
        = "record,line,grade,tank,table,edition,tov,free_water,gov,temperature,density,vcf,gsv,"
          "sw,sw_volume,nsv,mass_vacuum,mass_air,message\n";

    // Worked by hand, each figure rounded half up to its decimals before it enters
    // the next. The factors are those of the published tables: 54A gives 0.9872 at
    // 850 kg/m3 and 30 °C, 0.9876 at 29.5 °C; 54B gives 0.9799 at 700 kg/m3 and 30 °C.
    //   C1  GOV 1003.750 - 2.500 = 1001.250; GSV 1001.250 x 0.9876 = 988.8345 -> 988.835
    //       (a tie, up); no S&W; NSV 988.835; x 0.8500 = 840.50975 -> 840.510;
    //       x 0.8489 = 839.4220... -> 839.422
    //   C2  GOV 2000.000; GSV x 0.9872 = 1974.400; S&W 1974.400 x 0.35 % = 6.9104 -> 6.910;
    //       NSV 1967.490; x 0.8500 = 1672.3665 -> 1672.367 (unrounded S&W: 1672.366);
    //       x 0.8489 = 1670.2022... -> 1670.202
    //   G1  GOV 1500.009 - 0.750 = 1499.259; GSV x 0.9799 = 1469.12389... -> 1469.124;
    //       S&W x 0.1 % = 1.469124 -> 1.469; NSV 1467.655; x 0.7000 = 1027.3585 -> 1027.359
    //       (unrounded GSV: 1027.358); x 0.6989 = 1025.74408 -> 1025.744
    constexpr std::string_view kTwoGrades
        = "tank,grade,tov,free_water,temperature,density,sw,table\n"
          "C1,Crude,1003.750,2.500,29.5,0.8500,,\n"
          "C2,Crude,2000.000,,30.0,0.8500,0.35,54A\n"
          "G1,Gasoil,1500.009,0.750,30,0.7000,0.1,54B\n";

    TEST(CargoFigures, EachFigureIsRoundedBeforeItEntersTheNextAndTheTotalsAreTheirSums)
    {
        const CliRun r = run({ "--cargo", "--csv" }, std::string(kTwoGrades));
        EXPECT_EQ(r.status, kExitComputed) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out,
            std::string(kHeader)
                + "tank,2,Crude,C1,54A,1980,1003.750,2.500,1001.250,29.5,0.8500,0.9876,988.835,0,"
                  "0.000,988.835,840.510,839.422,\n"
                  "tank,3,Crude,C2,54A,1980,2000.000,0.000,2000.000,30.0,0.8500,0.9872,1974.400,"
                  "0.35,6.910,1967.490,1672.367,1670.202,\n"
                  "tank,4,Gasoil,G1,54B,1980,1500.009,0.750,1499.259,30,0.7000,0.9799,1469.124,"
                  "0.1,1.469,1467.655,1027.359,1025.744,\n"
                  "grade total,,Crude,,,,3003.750,2.500,3001.250,,,,2963.235,,6.910,2956.325,"
                  "2512.877,2509.624,\n"
                  "grade total,,Gasoil,,,,1500.009,0.750,1499.259,,,,1469.124,,1.469,1467.655,"
                  "1027.359,1025.744,\n"
                  "cargo total,,,,,,4503.759,3.250,4500.509,,,,4432.359,,8.379,4423.980,3540.236,"
                  "3535.368,\n");
    }

    TEST(CargoFigures, TheJsonReportHoldsTheSameFiguresAsNumbers)
    {
        const CliRun r = run({ "--cargo", "--json" }, std::string(kTwoGrades));
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_NE(r.out.find("\"tank\": \"C2\", \"grade\": \"Crude\", \"table\": \"54A\", "
                             "\"edition\": \"1980\", \"tov\": 2000.000, \"free_water\": 0.000, "
                             "\"gov\": 2000.000, \"temperature\": 30, \"density\": 0.85, \"vcf\": "
                             "0.9872, \"gsv\": 1974.400, \"sw\": 0.35, \"sw_volume\": 6.910"),
            std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("\"total\": {\"tanks\": 3, \"complete\": true, \"left_out\": [], "
                             "\"tov\": 4503.759, \"free_water\": 3.250, \"gov\": 4500.509, "
                             "\"gsv\": 4432.359, \"sw_volume\": 8.379, \"nsv\": 4423.980, "
                             "\"mass_vacuum\": 3540.236, \"mass_air\": 3535.368}}\n"),
            std::string::npos)
            << r.out;
    }

    // The columns as a page shows them: the totals' digits under the tanks' digits.
    TEST(CargoFigures, TheTextReportAlignsTheDecimalPointsAndGroupsAsTheWindow)
    {
        const CliRun r = run({ "--cargo" }, std::string(kTwoGrades));
        EXPECT_EQ(r.status, kExitComputed);
        EXPECT_TRUE(r.out.starts_with("Cargo report at 15 °C: tables 54A (edition 1980), 54B "
                                      "(edition 1980)\n"))
            << r.out;
        const auto lineWith = [&](std::string_view start) {
            const auto at = r.out.find(start);
            return r.out.substr(at, r.out.find('\n', at) - at);
        };
        const std::string c2 = lineWith("C2 ");
        const std::string total = lineWith("Total  4,503.759");
        EXPECT_NE(c2.find(" 2,000.000 "), std::string::npos) << c2;
        EXPECT_NE(total.find(" 4,432.359 "), std::string::npos) << total;
        // Every point of a figure column stands where the tank's and the total's do.
        std::vector<std::size_t> points, totalPoints;
        for (std::size_t i = 0; i < c2.size(); ++i)
            if (c2[i] == '.')
                points.push_back(i);
        for (std::size_t i = 0; i < total.size(); ++i)
            if (total[i] == '.')
                totalPoints.push_back(i);
        for (const std::size_t p : totalPoints)
            EXPECT_NE(std::find(points.begin(), points.end(), p), points.end()) << c2 << '\n'
                                                                                << total;
    }

    // The 2004 edition's factor to its five decimals: 54A gives CTL 0.98720 at 850 kg/m3
    // and 30 °C (1980: 0.9872); GSV 1000.000 x 0.98720 = 987.200, x 0.8500 = 839.120.
    TEST(CargoFigures, ATankOfThe2004EditionTakesItsFactorToFiveDecimals)
    {
        const CliRun r = run({ "--cargo", "--csv" },
            "tank,tov,temperature,density,edition\nN1,1000,30.0,0.8500,2004\n");
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(",0.98720,987.200,0,0.000,987.200,839.120,"), std::string::npos)
            << r.out;
    }

} // namespace
} // namespace corvald::cli
