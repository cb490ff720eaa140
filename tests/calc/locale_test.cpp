// The conversions must not follow the process locale: the Qt application object
// switches the C library to the user's locale, where "," may be the decimal point.
#include "calc/number_text.h"
#include "calc/vcf53a.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace corvald::calc {
namespace {

    class UnderLocale : public ::testing::TestWithParam<const char*> {
    protected:
        void SetUp() override
        {
            saved_ = std::setlocale(LC_ALL, nullptr);
            ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
                << GetParam() << " is not installed; generate it with localedef";
        }
        void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

    private:
        std::string saved_;
    };

    TEST_P(UnderLocale, ConversionsGiveTheSameTexts)
    {
        EXPECT_EQ(readNumber("0.8500"), 0.85);
        EXPECT_EQ(readNumber("-18.0"), -18.0);
        EXPECT_EQ(writeNumber(0.85 - 0.0011), "0.8489");
        EXPECT_EQ(writeNumber(1.5e-5), "1.5E-05");
        EXPECT_EQ(roundToFourDecimals(0.995745689260984), 0.9957);
        EXPECT_EQ(displayFormat(1004.31856985036, 3), "1,004.319");
        EXPECT_EQ(displayFormat(-1234.5, 3), "(1,234.500)");
        EXPECT_EQ(writeNumber(VCF53A(850, "20.0")), "0.995745689260984");
    }

#ifdef _WIN32
    // Windows names its locales by language and country, with a code page.
    constexpr const char* kLocales[] = { "C", "Russian_Russia.1251", "German_Germany.1252" };
#else
    constexpr const char* kLocales[] = { "C", "ru_RU.UTF-8", "de_DE.UTF-8" };
#endif

    INSTANTIATE_TEST_SUITE_P(
        Locales, UnderLocale, ::testing::ValuesIn(kLocales), [](const auto& param) {
            std::string name = param.param;
            return name.substr(0, name.find('.'));
        });

} // namespace
} // namespace corvald::calc
