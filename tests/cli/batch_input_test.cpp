// What a batch makes of inputs that are not the rows it expects: an input that
// ends before its header, text in another encoding, the header repeated, and
// control characters that must not reach a terminal or a reader raw.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <streambuf>

using namespace std::string_literals;

namespace corvald::cli {
namespace {

    constexpr std::string_view kColumns = "quantity,temperature,density\n";
    constexpr std::string_view kOutputHeader
        = "quantity,temperature,density,from,basis,density_air,vcf,volume_15,result,message\n";

    TEST(BatchWithoutHeader, AnInputThatEndsBeforeItsHeaderIsNoHeaderNotAnEmptySuccess)
    {
        for (const char* input : { "", "\n", "\r\n\r\n", "\r\r\n\n" }) {
            const CliRun r = run({ "--csv" }, input);
            EXPECT_EQ(r.status, kExitRejected) << int(input[0]);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err,
                "corvald-calc: standard input: no header: it must name the columns quantity, "
                "temperature and density, and may name from and basis, in any order\n");
        }
    }

    // A terminal after Ctrl-D, or a FIFO that a second writer opens: the input
    // ends, and then there is more of it. An empty part is an end.
    class InputWithMoreAfterItsEnd : public std::streambuf {
    public:
        explicit InputWithMoreAfterItsEnd(std::string before)
            : parts_ { std::move(before), "", "1000,20.0,0.8500\n" }
        {
        }

    protected:
        int_type underflow() override
        {
            if (next_ == std::size(parts_))
                return traits_type::eof();
            std::string& part = parts_[next_++];
            setg(part.data(), part.data(), part.data() + part.size());
            return part.empty() ? traits_type::eof() : traits_type::to_int_type(part.front());
        }

    private:
        std::string parts_[3];
        std::size_t next_ = 0;
    };

    TEST(BatchWithoutHeader, TheInputEndsAtItsFirstEndWhatComesAfterIsNotRead)
    {
        const std::string computed = std::string(kOutputHeader)
            + "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n";
        // The end before the header; after a row; and where the reader looks one
        // byte ahead, after a closing quote and after a CR.
        for (const std::string& before : { ""s, std::string(kColumns) + "1000,20.0,0.8500\n",
                 std::string(kColumns) + "1000,20.0,\"0.8500\"",
                 std::string(kColumns) + "1000,20.0,0.8500\r" }) {
            InputWithMoreAfterItsEnd device(before);
            std::istream in(&device);
            std::ostringstream out, err;
            const std::string_view args[] = { "--csv" };
            const int status = runCalcCli(args, { in, out, err, false });
            if (before.empty()) {
                EXPECT_EQ(status, kExitRejected);
                EXPECT_EQ(out.str(), "");
                EXPECT_TRUE(err.str().find(": no header: ") != std::string::npos) << err.str();
            } else {
                EXPECT_EQ(status, kExitComputed) << err.str();
                EXPECT_EQ(out.str(), computed) << before;
            }
        }
    }

    TEST(BatchEncoding, UTF16IsNamedForWhatItIsWithOrWithoutItsMark)
    {
        const std::string utf16le("q\0u\0a\0n\0", 8);
        for (const std::string& input : { "\xFF\xFE" + utf16le, "\xFE\xFF" + utf16le.substr(1),
                 utf16le, "\xFF\xFE\"\0q\0\"\0"s }) {
            const CliRun r = run({ "--csv" }, input);
            EXPECT_EQ(r.status, kExitRejected);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err,
                "corvald-calc: standard input: UTF-16 is not read: save the file as UTF-8\n");
        }
    }

    TEST(BatchEncoding, TheUtf8MarkIsDroppedBeforeAQuotedHeaderAsBeforeAPlainOne)
    {
        for (const char* header :
            { "quantity,temperature,density\n", "\"quantity\",\"temperature\",\"density\"\r\n" }) {
            const CliRun r
                = run({ "--csv" }, "\xEF\xBB\xBF" + std::string(header) + "1000,20.0,0.8500\n");
            EXPECT_EQ(r.status, kExitComputed) << r.err;
            EXPECT_EQ(r.out,
                std::string(kOutputHeader)
                    + "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n");
        }
    }

    TEST(BatchRows, ARepeatedHeaderIsARowErrorThatSaysSo)
    {
        const CliRun r = run({ "--csv" },
            std::string(kColumns) + "1000,20.0,0.8500\n" + std::string(kColumns)
                + "1000,20.0,0.8500\n");
        EXPECT_EQ(r.status, kExitRejected);
        EXPECT_EQ(r.out,
            std::string(kOutputHeader)
                + "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n"
                  ",,,m3,vacuum,,,,,row error: line 3: the header again: only the first line "
                  "names the columns\n"
                  "1000,20.0,0.8500,m3,vacuum,0.8489,0.9957,995.700,846.345,\n");
    }

    TEST(BatchEcho, ControlCharactersAreEscapedInOutputFieldsTabAndLineBreaksKept)
    {
        const CliRun r = run({ "--csv" },
            std::string(kColumns)
                + "\"1\x1b]0;x\x07\",2\0,0.85\n\"1\t0\n0\",\xC2\x9b"
                  "31m,0\x7f\n"s);
        EXPECT_EQ(r.out.substr(kOutputHeader.size()),
            "1\\x1b]0;x\\x07,2\\0,0.85,m3,vacuum,,,,,Check inputed value: Enter quantity of "
            "product.\n"
            "\"1\t0\n0\",\\xc2\\x9b31m,0\\x7f,m3,vacuum,,,,,Check inputed value: Ente density from "
            "0.610 to 1.075\n");
    }

    TEST(BatchEcho, ValuesAndFileNamesInMessagesCannotActOnTheTerminal)
    {
        CliRun r = run({ "--csv", "rows\x1b[2J\n.csv" });
        EXPECT_EQ(r.status, kExitRejected);
        // The cause is the host's: Windows has no such names at all.
        EXPECT_TRUE(r.err.starts_with("corvald-calc: rows\\x1b[2J\\x0a.csv: ")) << r.err;
        for (const std::vector<std::string_view>& args :
            { std::vector<std::string_view> { "--quantity", "1000", "--temperature", "20",
                  "--density", "0.85", "--colour\x1b[31m" },
                { "--table", "5\x1b[31m", "--api", "10", "--temperature", "60" } }) {
            r = run(args);
            EXPECT_EQ(r.status, kExitUsage);
            EXPECT_EQ(r.err.find('\x1b'), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("\\x1b[31m"), std::string::npos) << r.err;
        }
    }

} // namespace
} // namespace corvald::cli
