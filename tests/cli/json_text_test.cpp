#include "cli/json_text.h"

#include <gtest/gtest.h>

namespace corvald::cli {
namespace {

    TEST(JsonText, NumbersKeepTheShownDigitsUngroupedWithAMinusSign)
    {
        EXPECT_EQ(jsonNumber("1,004.319"), "1004.319");
        EXPECT_EQ(jsonNumber("(2.500)"), "-2.500");
        EXPECT_EQ(jsonNumber("(1,234,567.000)"), "-1234567.000");
        EXPECT_EQ(jsonNumber("0.9957"), "0.9957");
        EXPECT_EQ(jsonNumber("1.5E-05"), "1.5E-05");
    }

    std::string json(std::string_view text)
    {
        std::string out;
        appendJsonString(out, text);
        return out;
    }

    TEST(JsonText, StringsEscapeControlsAndReplaceBytesThatAreNoUtf8)
    {
        EXPECT_EQ(json("°C \"a\\b\"\n\x01"), "\"°C \\\"a\\\\b\\\"\\n\\u0001\"");
        EXPECT_EQ(json("\xF0\x9F\x9B\xA2"), "\"\xF0\x9F\x9B\xA2\""); // four bytes, kept
        EXPECT_EQ(
            json("\x7F\xC2\x9B\xC2\xA0"), "\"\\u007f\\u009b\xC2\xA0\""); // DEL, CSI; NBSP kept
        EXPECT_EQ(json("\xC2\x80\xC2\x9F"), "\"\\u0080\\u009f\""); // the first and last C1
        const std::string_view replaced = "\xEF\xBF\xBD";
        for (std::string_view bad : { "\xFF", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\x80" }) {
            const std::string out = json(bad);
            EXPECT_EQ(
                out.find_first_not_of(std::string("\"") + std::string(replaced)), std::string::npos)
                << out;
            EXPECT_NE(out.find(replaced), std::string::npos);
        }
    }

} // namespace
} // namespace corvald::cli
