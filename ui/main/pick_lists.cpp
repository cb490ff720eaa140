#include "ui/main/pick_lists.h"

#include <array>
#include <cstddef>

namespace corvald::ui {

namespace {

    constexpr int kLowestTenthOfDegree = -180; // -18.0 °C
    constexpr int kLowestTenThousandth = 7000; // 0.7000 kg/litre
    constexpr std::size_t kWidestItem = 6; // "-18.0", "0.7000"

    struct Item {
        std::array<char, kWidestItem> text {};
        std::size_t size = 0;

        constexpr void append(char c) { text[size++] = c; }
        constexpr void appendWhole(int n)
        {
            if (n >= 10)
                appendWhole(n / 10);
            append(static_cast<char>('0' + n % 10));
        }
    };

    // "-" for a negative n, the whole degrees, ".", the tenths digit; zero is "0.0".
    constexpr Item temperatureText(int tenths)
    {
        Item item;
        if (tenths < 0)
            item.append('-');
        const int magnitude = tenths < 0 ? -tenths : tenths;
        item.appendWhole(magnitude / 10);
        item.append('.');
        item.append(static_cast<char>('0' + magnitude % 10));
        return item;
    }

    // The whole part, ".", and the remainder as exactly four digits.
    constexpr Item densityText(int tenThousandths)
    {
        Item item;
        item.appendWhole(tenThousandths / 10000);
        item.append('.');
        for (int divisor = 1000; divisor >= 1; divisor /= 10)
            item.append(static_cast<char>('0' + tenThousandths / divisor % 10));
        return item;
    }

    template <int Count, int First, Item (*Text)(int)> constexpr auto makeList()
    {
        std::array<Item, Count> items {};
        for (int i = 0; i < Count; ++i)
            items[static_cast<std::size_t>(i)] = Text(First + i);
        return items;
    }

    constexpr auto kTemperatures
        = makeList<kTemperatureItemCount, kLowestTenthOfDegree, temperatureText>();
    constexpr auto kDensities = makeList<kDensityItemCount, kLowestTenThousandth, densityText>();

    std::string_view view(const Item& item) { return { item.text.data(), item.size }; }

} // namespace

std::string_view temperatureItem(int index)
{
    return view(kTemperatures[static_cast<std::size_t>(index)]);
}

std::string_view densityItem(int index)
{
    return view(kDensities[static_cast<std::size_t>(index)]);
}

} // namespace corvald::ui
