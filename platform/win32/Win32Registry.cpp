#include "platform/win32/Win32Registry.h"

#include "platform/win32/AnsiText.h"
#include "platform/win32/Handles.h"

#include <limits>

namespace tovra::platform::win32 {

namespace {

bool isText(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

/// The data as RegSetValueExA takes it: texts in the ANSI code page, a single
/// string with its terminating zero.
std::string storedBytes(const RegValue& value) {
    std::string bytes(value.data.begin(), value.data.end());
    if (!isText(value.type)) {
        return bytes;
    }
    bytes = toAnsi(bytes);
    if (value.type != kRegMultiSz) {
        bytes.push_back('\0');
    }
    return bytes;
}

/// The data as the interface hands it out: texts in UTF-8, a single string
/// without its terminating zero.
std::vector<std::uint8_t> readBytes(DWORD type, std::string bytes) {
    if (isText(type)) {
        if (type != kRegMultiSz && !bytes.empty() && bytes.back() == '\0') {
            bytes.pop_back();
        }
        bytes = fromAnsi(bytes);
    }
    return {bytes.begin(), bytes.end()};
}

Status openWith(HKey key, const std::string& subKey, REGSAM access, HKey& result) {
    HKEY opened = nullptr;
    const LSTATUS status = ::RegOpenKeyExA(toHkey(key), toAnsi(subKey).c_str(), 0, access, &opened);
    result = status == ERROR_SUCCESS ? fromHkey(opened) : 0;
    return status;
}

} // namespace

Status Win32Registry::openKey(HKey key, const std::string& subKey, HKey& result) {
    return openWith(key, subKey, KEY_ALL_ACCESS, result);
}

Status Win32Registry::openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) {
    return openWith(key, subKey, KEY_READ, result);
}

Status Win32Registry::createKey(HKey key, const std::string& subKey, HKey& result) {
    HKEY created = nullptr;
    const LSTATUS status =
        ::RegCreateKeyExA(toHkey(key), toAnsi(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &created, nullptr);
    result = status == ERROR_SUCCESS ? fromHkey(created) : 0;
    return status;
}

Status Win32Registry::queryValue(HKey key, const std::string& name, RegValue& value) {
    const std::string ansiName = toAnsi(name);
    DWORD type = REG_NONE;
    DWORD size = 0;
    LSTATUS status =
        ::RegQueryValueExA(toHkey(key), ansiName.c_str(), nullptr, &type, nullptr, &size);
    std::string bytes;
    // Another writer may make the value longer between the two calls.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        bytes.assign(size, '\0');
        status = ::RegQueryValueExA(toHkey(key), ansiName.c_str(), nullptr, &type,
                                    reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            value = RegValue{type, readBytes(type, std::move(bytes))};
            return status;
        }
    }
    return status;
}

Status Win32Registry::setValue(HKey key, const std::string& name, const RegValue& value) {
    const std::string bytes = storedBytes(value);
    if (bytes.size() > std::numeric_limits<DWORD>::max()) {
        return ERROR_INVALID_PARAMETER;
    }
    BYTE none = 0; // a valid address for empty data
    const BYTE* data = bytes.empty() ? &none : reinterpret_cast<const BYTE*>(bytes.data());
    return ::RegSetValueExA(toHkey(key), toAnsi(name).c_str(), 0, value.type, data,
                            static_cast<DWORD>(bytes.size()));
}

Status Win32Registry::deleteValue(HKey key, const std::string& name) {
    return ::RegDeleteValueA(toHkey(key), toAnsi(name).c_str());
}

Status Win32Registry::deleteKey(HKey key, const std::string& subKey) {
    return ::RegDeleteKeyA(toHkey(key), toAnsi(subKey).c_str());
}

Status Win32Registry::enumKey(HKey key, std::uint32_t index, std::string& name) {
    // A key name holds at most 255 characters, up to two bytes each in a
    // double-byte code page; grow anyway should a system allow more.
    std::string buffer(512, '\0');
    for (;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LSTATUS status = ::RegEnumKeyExA(toHkey(key), index, buffer.data(), &length, nullptr,
                                               nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA && buffer.size() < 65536) {
            buffer.assign(buffer.size() * 2, '\0');
            continue;
        }
        if (status == ERROR_SUCCESS) {
            name = fromAnsi(std::string_view(buffer.data(), length));
        }
        return status;
    }
}

Status Win32Registry::closeKey(HKey key) {
    if (isPredefinedRoot(key)) {
        return ERROR_SUCCESS;
    }
    return ::RegCloseKey(toHkey(key));
}

} // namespace tovra::platform::win32
