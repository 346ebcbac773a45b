#pragma once

// A registry whose every call a test scripts with GoogleMock: for checking
// which registry calls a piece of code makes, in which order, and what it
// does with their results.

#include "platform/Registry.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <string>
#include <vector>

namespace tovra::test {

class ScriptedRegistry : public platform::Registry {
public:
    using HKey = platform::HKey;
    using RegValue = platform::RegValue;
    using Status = platform::Status;

    MOCK_METHOD(Status, openKey, (HKey, const std::string&, HKey&), (override));
    MOCK_METHOD(Status, openKeyReadOnly, (HKey, const std::string&, HKey&), (override));
    MOCK_METHOD(Status, createKey, (HKey, const std::string&, HKey&), (override));
    MOCK_METHOD(Status, queryValue, (HKey, const std::string&, RegValue&), (override));
    MOCK_METHOD(Status, setValue, (HKey, const std::string&, const RegValue&), (override));
    MOCK_METHOD(Status, setCommandValue,
                (HKey, const std::string&, const std::string&, const std::vector<std::string>&),
                (override));
    MOCK_METHOD(Status, deleteValue, (HKey, const std::string&), (override));
    MOCK_METHOD(Status, deleteKey, (HKey, const std::string&), (override));
    MOCK_METHOD(Status, enumKey, (HKey, std::uint32_t, std::string&), (override));
    MOCK_METHOD(Status, closeKey, (HKey), (override));
};

} // namespace tovra::test
