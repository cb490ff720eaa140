#pragma once

#include "ui/about/registry.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace corvald::fakes {

// A registry of given keys and values that records what is opened and closed.
class FakeRegistry : public ui::about::Registry {
public:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
    };

    // A string value stored with its terminating zero byte, as the host stores strings.
    void setString(const std::string& key, const std::string& name, const std::string& text)
    {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        keys[key][name] = { ui::about::kRegString, bytes };
    }
    void setBytes(const std::string& key, const std::string& name, std::uint32_t type,
        std::vector<std::uint8_t> bytes)
    {
        keys[key][name] = { type, std::move(bytes) };
    }

    ui::about::RegistryStatus RegOpenKeyExA(std::uint32_t root, std::string_view subKey,
        std::uint32_t options, std::uint32_t rights, ui::about::RegistryKey& key) override
    {
        openRequests.push_back({ root, std::string(subKey), options, rights });
        const auto found = keys.find(std::string(subKey));
        if (root != ui::about::kHkeyLocalMachine || found == keys.end())
            return ui::about::kRegistryFileNotFound;
        opened.push_back(found->first);
        key = opened.size();
        ++openKeys;
        return ui::about::kRegistrySuccess;
    }

    ui::about::RegistryStatus RegQueryValueExA(ui::about::RegistryKey key,
        std::string_view valueName, std::uint32_t& type, std::span<std::uint8_t> buffer,
        std::uint32_t& size) override
    {
        lastBufferSize = size;
        const auto& values = keys.at(opened.at(key - 1));
        const auto found = values.find(std::string(valueName));
        if (found == values.end())
            return ui::about::kRegistryFileNotFound;
        const Value& value = found->second;
        if (value.bytes.size() > size || value.bytes.size() > buffer.size())
            return ui::about::kRegistryMoreData;
        std::copy(value.bytes.begin(), value.bytes.end(), buffer.begin());
        type = value.type;
        size = static_cast<std::uint32_t>(value.bytes.size());
        return ui::about::kRegistrySuccess;
    }

    ui::about::RegistryStatus RegCloseKey(ui::about::RegistryKey) override
    {
        --openKeys;
        return ui::about::kRegistrySuccess;
    }

    struct OpenRequest {
        std::uint32_t root;
        std::string key;
        std::uint32_t options;
        std::uint32_t rights;
    };

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;
    std::vector<OpenRequest> openRequests;
    std::uint32_t lastBufferSize = 0;
    int openKeys = 0;
};

} // namespace corvald::fakes
