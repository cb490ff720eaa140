#include "cli/calc_cli.h"
#include "cli/csv_batch.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvald::cli {
namespace {

    constexpr const char* kHeader
        = "quantity,temperature,density,from,basis,density_air,vcf,volume_15,result,message\n";

    std::string batch(const std::string& input, int expectedStatus)
    {
        const std::string_view args[] = { "--csv" };
        std::istringstream in(input);
        std::ostringstream out, err;
        EXPECT_EQ(runCalcCli(args, in, out, err), expectedStatus);
        EXPECT_EQ(err.str(), "");
        return out.str();
    }

    TEST(CsvBatch, WritesOneRowPerRowWithoutDigitGrouping)
    {
        const std::string out = batch("quantity,temperature,density\r\n"
                                      "1000,20.0,0.8500\r\n"
                                      "850,20.0,0.8500,mt\n"
                                      "1000,20.0,0.8500,m3,air\n",
            kExitComputed);
        EXPECT_EQ(out,
            std::string(kHeader)
                + "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n"
                  "850,20.0,0.8500,mt,vacuum,0.8489,0.9957,1000.000,1004.319,\n"
                  "1000,20.0,0.8500,m3,air,0.8489,0.9957,995.700,845.250,\n");
    }

    TEST(CsvBatch, ABadRowIsReportedInItsRowAndTheBatchGoesOn)
    {
        const std::string out = batch("q,t,d\n"
                                      "-1,20.0,0.85\n"
                                      "1000,20.0\n"
                                      "1000,20.0,0.85,kg\n"
                                      "1000,20.0,0.85,m3,water\n"
                                      "\n"
                                      "1000,20.0,0.8500\n",
            kExitRejected);
        EXPECT_EQ(out,
            std::string(kHeader)
                + "-1,20.0,0.85,m3,vacuum,,,,,Check inputed value: Enter quantity of product.\n"
                  "1000,20.0,,m3,vacuum,,,,,\"row error: expected "
                  "quantity,temperature,density[,from[,basis]]\"\n"
                  "1000,20.0,0.85,m3,vacuum,,,,,row error: from must be m3 or mt\n"
                  "1000,20.0,0.85,m3,vacuum,,,,,row error: basis must be vacuum or air\n"
                  "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n");
    }

    TEST(CsvBatch, QuotedFieldsKeepTheirCommasAndQuotes)
    {
        EXPECT_EQ(csvFields(R"("1,5",20,"say ""x""")"),
            (std::vector<std::string> { "1,5", "20", "say \"x\"" }));
        EXPECT_EQ(csvFields(""), (std::vector<std::string> { "" }));
        EXPECT_EQ(csvField("1,5"), "\"1,5\"");
        EXPECT_EQ(csvField("a\"b"), "\"a\"\"b\"");
        EXPECT_EQ(csvField("995.700"), "995.700");
    }

    TEST(CsvBatch, AnEmptyInputGivesTheHeaderOnly) { EXPECT_EQ(batch("", kExitComputed), kHeader); }

} // namespace
} // namespace corvald::cli
