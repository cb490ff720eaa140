// GetKeyValue on any registry value: any type code, any bytes, any size. The
// key is always closed; a false result leaves the text empty; a string value
// keeps its bytes without the one terminating zero.
#include "tests/support/fake_registry.h"
#include "ui/about/get_key_value.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvald;
    if (size < 4)
        return 0;
    const std::uint32_t type = data[0] % 8;
    // The value's size: the remaining bytes, stretched up to 1030 by the second byte.
    std::vector<std::uint8_t> bytes(data + 2, data + size);
    if (data[1] & 0x80)
        bytes.resize(1018 + (data[1] & 0x0F), 'x');
    fakes::FakeRegistry registry;
    const std::string key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    if (data[1] & 1)
        registry.setBytes(key, "PATH", type, bytes);
    std::string value = "before";
    bool found = false;
    try {
        found = ui::about::GetKeyValue(registry, ui::about::kHkeyLocalMachine, key, "PATH", value);
    } catch (const ui::about::EmptyRegistryValue&) {
        if (!bytes.empty() || registry.openKeys != 0)
            std::abort();
        return 0;
    }
    if (registry.openKeys != 0 || (!found && !value.empty()))
        std::abort();
    if (found != ((data[1] & 1) && bytes.size() <= 1024))
        std::abort();
    if (found && type == ui::about::kRegString) {
        std::string expected(bytes.begin(), bytes.end());
        if (!expected.empty() && expected.back() == '\0')
            expected.pop_back();
        if (value != expected)
            std::abort();
    }
    return 0;
}
