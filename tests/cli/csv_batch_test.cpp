#include "cli/csv_batch.h"
#include "cli_run.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <streambuf>

namespace corvald::cli {
namespace {

    constexpr std::string_view kHeader
        = "quantity,temperature,density,from,basis,density_air,vcf,volume_15,result,message\n";
    constexpr std::string_view kComputed = "0.8489,0.9957,995.700,846.345,\n";

    std::string rows(const std::string& input, int expectedStatus,
        std::vector<std::string_view> args = { "--csv" })
    {
        const CliRun r = run(args, input);
        EXPECT_EQ(r.status, expectedStatus) << input;
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(r.out.starts_with(kHeader)) << r.out;
        return r.out.substr(std::min(r.out.size(), kHeader.size()));
    }

    TEST(CsvBatch, WritesOneRowPerRowWithoutDigitGrouping)
    {
        EXPECT_EQ(rows("quantity,temperature,density,from,basis\r\n"
                       "1000,20.0,0.8500,m3,vacuum\r\n"
                       "850,20.0,0.8500,mt,vacuum\n"
                       "\n"
                       "1000,20.0,0.8500,m3,air\n",
                      kExitComputed),
            "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n"
            "850,20.0,0.8500,mt,vacuum,0.8489,0.9957,1000.000,1004.319,\n"
            "1000,20.0,0.8500,m3,air,0.8489,0.9957,995.700,845.250,\n");
    }

    TEST(CsvBatchHeader, NamesTheColumnsInAnyOrderTheOptionalOnesMayBeAbsent)
    {
        EXPECT_EQ(
            rows("density,basis,temperature,quantity\n0.8500,vacuum,20.0,1000\n", kExitComputed),
            "1000,20.0,0.8500,m3,vacuum," + std::string(kComputed));
        EXPECT_EQ(rows("quantity,temperature,density\n850,20.0,0.8500\n", kExitComputed,
                      { "--csv", "--from", "mt", "--basis", "air" }),
            "850,20.0,0.8500,mt,air,0.8489,0.9957,1001.296,1005.620,\n");
        EXPECT_EQ(
            rows("\xEF\xBB\xBFquantity,temperature,density\n1000,20.0,0.8500\n", kExitComputed),
            "1000,20.0,0.8500,m3,vacuum," + std::string(kComputed));
    }

    TEST(CsvBatchHeader, AFirstLineThatIsNoHeaderIsAnErrorNotALostRow)
    {
        for (const char* first : { "1000,20.0,0.8500", "quantity,temperature", "q,t,d",
                 "quantity,temperature,density,density", "quantity,temperature,density,colour",
                 "quantity,temperature,\"density" }) {
            const CliRun r = run({ "--csv" }, std::string(first) + "\n1000,20.0,0.8500\n");
            EXPECT_EQ(r.status, kExitRejected) << first;
            EXPECT_EQ(r.out, "") << first;
            EXPECT_TRUE(r.err.starts_with("corvald-calc: line 1 is not a header")) << r.err;
        }
    }

    TEST(CsvBatchRows, ABadRowIsReportedInItsRowAndTheBatchGoesOn)
    {
        EXPECT_EQ(rows("quantity,temperature,density,from,basis\n"
                       "-1,20.0,0.85,m3,vacuum\n"
                       "1000,20.0,0.85,m3\n"
                       "1000,20.0,0.85,kg,vacuum\n"
                       "1000,20.0,0.85,mt,water\n"
                       "1000,20.0,0.8500,m3,vacuum\n",
                      kExitRejected),
            "-1,20.0,0.85,m3,vacuum,,,,,Check inputed value: Enter quantity of product.\n"
            ",,,,,,,,,row error: line 3: 4 fields where the header names 5\n"
            "1000,20.0,0.85,kg,vacuum,,,,,row error: line 4: from must be m3 or mt\n"
            "1000,20.0,0.85,mt,water,,,,,row error: line 5: basis must be vacuum or air\n"
            "1000,20.0,0.8500,m3,vacuum,"
                + std::string(kComputed));
    }

    TEST(CsvBatchRows, QuotingAsRfc4180ReadsIt)
    {
        const std::string header = "quantity,temperature,density\n";
        EXPECT_EQ(rows(header + "\"1000\",\"20.0\",\"0.85\"\"\"\n", kExitRejected),
            "1000,20.0,\"0.85\"\"\",m3,vacuum,,,,,Check inputed value: Ente density from 0.610 "
            "to 1.075\n");
        const std::vector<std::pair<std::string, std::string>> malformed = {
            { "1\"\",20.0,0.8500", "field 1 holds a quote but does not start with one" },
            { "\"1\"000,20.0,0.8500", "field 1 goes on after its closing quote" },
            { "1000,2\"0.0\",0.8500", "field 2 holds a quote but does not start with one" },
            { "\"\"1000,20.0,0.8500", "field 1 goes on after its closing quote" },
            { "1000,20.0,\"0.8500", "a quoted field is not closed before the end of the input" },
        };
        for (const auto& [row, error] : malformed)
            EXPECT_EQ(rows(header + row + "\n", kExitRejected),
                ",,,m3,vacuum,,,,,row error: line 2: " + error + "\n")
                << row;
    }

    TEST(CsvBatchRows, AQuotedLineBreakStaysInItsFieldAndLinesEndInCrLfOrCrlf)
    {
        EXPECT_EQ(rows("quantity,temperature,density\n\"10\n00\",20.0,0.8500\n1000,20.0,0.8500,x\n",
                      kExitRejected),
            "\"10\n00\",20.0,0.8500,m3,vacuum,,,,,Check inputed value: Enter quantity of product.\n"
            ",,,m3,vacuum,,,,,row error: line 4: 4 fields where the header names 3\n");
        const std::string computed = "1000,20.0,0.8500,m3,vacuum," + std::string(kComputed);
        for (const char* end : { "\r", "\n", "\r\n" }) {
            const std::string input = std::string("quantity,temperature,density") + end
                + "1000,20.0,0.8500" + end + "1000,20.0,0.8500" + end;
            EXPECT_EQ(rows(input, kExitComputed), computed + computed) << int(end[0]);
        }
    }

    TEST(CsvBatchRows, ARowOfAnyLengthIsOneRowErrorAndTheNextRowsAreComputed)
    {
        const std::string commas(3'000'000, ',');
        const std::string longField(kLongestField + 1, '1');
        EXPECT_EQ(rows("quantity,temperature,density\n" + commas + "\n" + longField
                          + ",20.0,0.8500\n1000,20.0,0.8500\n",
                      kExitRejected),
            ",,,m3,vacuum,,,,,row error: line 2: 3000001 fields where the header names 3\n"
            ",,,m3,vacuum,,,,,row error: line 3: field 1 is longer than 100 bytes\n"
            "1000,20.0,0.8500,m3,vacuum,"
                + std::string(kComputed));
    }

    TEST(CsvBatchRows, InputTextsOpenAsTextInASpreadsheetNumbersStayNumbers)
    {
        EXPECT_EQ(rows("quantity,temperature,density,from\n"
                       "=1+2,20.0,0.85,m3\n"
                       "@SUM(A1),+20,0.85,m3\n"
                       "\"\t=1\",-1E+1,0.85,m3\n"
                       "1000,20.0,0.85,-cmd\n",
                      kExitRejected),
            "'=1+2,20.0,0.85,m3,vacuum,,,,,Check inputed value: Enter quantity of product.\n"
            "'@SUM(A1),+20,0.85,m3,vacuum,,,,,Check inputed value: Enter quantity of product.\n"
            "'\t=1,-1E+1,0.85,m3,vacuum,,,,,Check inputed value: Enter quantity of product.\n"
            "1000,20.0,0.85,'-cmd,vacuum,,,,,row error: line 5: from must be m3 or mt\n");
    }

    TEST(CsvBatchJson, WritesOneObjectPerRowWithNumbersAndTheRowsTexts)
    {
        const CliRun r = run({ "--csv", "--json" },
            "quantity,temperature,density\n1000,20.0,0.8500\n\"=\"\"x\"\"\t\xFF\",20,0.85\n1,2\n");
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out,
            "{\"line\": 2, \"quantity\": \"1000\", \"temperature\": \"20.0\", \"density\": "
            "\"0.8500\", \"from\": \"m3\", \"basis\": \"vacuum\", \"density_air\": 0.8489, "
            "\"vcf\": 0.9957, \"volume_15\": 995.700, \"result\": 846.345, \"result_unit\": "
            "\"mt\"}\n"
            "{\"line\": 3, \"quantity\": \"=\\\"x\\\"\\t\xEF\xBF\xBD\", \"temperature\": \"20\", "
            "\"density\": \"0.85\", \"from\": \"m3\", \"basis\": \"vacuum\", \"title\": \"Check "
            "inputed value\", \"prompt\": \"Enter quantity of product.\"}\n"
            "{\"line\": 4, \"quantity\": \"\", \"temperature\": \"\", \"density\": \"\", \"from\": "
            "\"m3\", \"basis\": \"vacuum\", \"title\": \"row error\", \"prompt\": \"line 4: 2 "
            "fields where the header names 3\"}\n");
    }

    TEST(CsvBatch, AFileThatCannotBeReadIsAnErrorNotACrash)
    {
        CliRun r = run({ "--csv", "/nonexistent/rows.csv" });
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.err, "corvald-calc: /nonexistent/rows.csv: No such file or directory\n");
        r = run({ "--csv", "/" }); // a folder: it cannot be opened or every read fails
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out, "");
        // The cause is the host's: "Is a directory" here, "Permission denied" on Windows.
        EXPECT_EQ(r.err.rfind("corvald-calc: /: ", 0), 0U) << r.err;
        EXPECT_GT(r.err.size(), std::string("corvald-calc: /: \n").size()) << r.err;
    }

    // Standard input on a device that fails, the way a file stream reports it.
    class FailingInput : public std::streambuf {
    protected:
        int_type underflow() override
        {
            errno = EIO;
            throw std::ios_base::failure("read error");
        }
    };

    TEST(CsvBatch, AFailedReadOfStandardInputEndsTheBatchWithItsCause)
    {
        FailingInput device;
        std::istream in(&device);
        std::ostringstream out, err;
        const std::string_view args[] = { "--csv" };
        EXPECT_EQ(runCalcCli(args, { in, out, err, false }), kExitRejected);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), "corvald-calc: standard input: Input/output error\n");
    }

    TEST(BatchProgress, ShowsRowsAndRateOnATerminalOnly)
    {
        double now = 0;
        std::ostringstream terminal;
        Progress shown(&terminal, [&now] { return now; });
        for (int row = 0; row < 8192; ++row) {
            now += 0.0001;
            shown.rowDone();
        }
        shown.finish();
        EXPECT_EQ(terminal.str(),
            "\rcorvald-calc: 8192 rows, 10000 rows/s\x1b[K\rcorvald-calc: 8192 rows, 10000 "
            "rows/s\x1b[K\n");

        Progress silent(nullptr, [] { return 0.0; });
        for (int row = 0; row < 10000; ++row)
            silent.rowDone();
        silent.finish(); // nothing to write to, and nothing written
    }

} // namespace
} // namespace corvald::cli
