// The tables of the 2004 edition that corvald-calc offers: crude oils (A) and refined
// products (B) at the 60 °F, 15 °C and 20 °C bases, each either from a reading to the
// density at the base or from the density at the base to the factors at a reading.
#pragma once

#include "calc/edition2004/commodity_group.h"

#include <array>
#include <string_view>

namespace corvald::calc::edition2004 {

enum class TableBasis { fahrenheit60, celsius15, celsius20 };
enum class TableDirection { toBase, fromBase };

struct Edition2004Table {
    std::string_view name;
    Commodity commodity;
    TableBasis basis;
    TableDirection direction;
    std::string_view title;
};

inline constexpr std::array<Edition2004Table, 16> kEdition2004Tables = { {
    { "5A", Commodity::crudeOils, TableBasis::fahrenheit60, TableDirection::toBase,
        "API gravity at 60 °F of crude oils" },
    { "5B", Commodity::refinedProducts, TableBasis::fahrenheit60, TableDirection::toBase,
        "API gravity at 60 °F of refined products" },
    { "6A", Commodity::crudeOils, TableBasis::fahrenheit60, TableDirection::fromBase,
        "volume correction to 60 °F of crude oils" },
    { "6B", Commodity::refinedProducts, TableBasis::fahrenheit60, TableDirection::fromBase,
        "volume correction to 60 °F of refined products" },
    { "23A", Commodity::crudeOils, TableBasis::fahrenheit60, TableDirection::toBase,
        "relative density 60/60 °F of crude oils" },
    { "23B", Commodity::refinedProducts, TableBasis::fahrenheit60, TableDirection::toBase,
        "relative density 60/60 °F of refined products" },
    { "24A", Commodity::crudeOils, TableBasis::fahrenheit60, TableDirection::fromBase,
        "volume correction to 60 °F of crude oils" },
    { "24B", Commodity::refinedProducts, TableBasis::fahrenheit60, TableDirection::fromBase,
        "volume correction to 60 °F of refined products" },
    { "53A", Commodity::crudeOils, TableBasis::celsius15, TableDirection::toBase,
        "density at 15 °C of crude oils" },
    { "53B", Commodity::refinedProducts, TableBasis::celsius15, TableDirection::toBase,
        "density at 15 °C of refined products" },
    { "54A", Commodity::crudeOils, TableBasis::celsius15, TableDirection::fromBase,
        "volume correction to 15 °C of crude oils" },
    { "54B", Commodity::refinedProducts, TableBasis::celsius15, TableDirection::fromBase,
        "volume correction to 15 °C of refined products" },
    { "59A", Commodity::crudeOils, TableBasis::celsius20, TableDirection::toBase,
        "density at 20 °C of crude oils" },
    { "59B", Commodity::refinedProducts, TableBasis::celsius20, TableDirection::toBase,
        "density at 20 °C of refined products" },
    { "60A", Commodity::crudeOils, TableBasis::celsius20, TableDirection::fromBase,
        "volume correction to 20 °C of crude oils" },
    { "60B", Commodity::refinedProducts, TableBasis::celsius20, TableDirection::fromBase,
        "volume correction to 20 °C of refined products" },
} };

// The table of that name, in any letter case; null for none.
const Edition2004Table* edition2004Table(std::string_view name);

} // namespace corvald::calc::edition2004
