#include <windows.h>

#include "base/storage_service_win.h"

namespace corvinata {

namespace {

HKEY ToHkey(RegistryApi::Key key) { return static_cast<HKEY>(key); }

}  // namespace

RegistryApi::Key Win32RegistryApi::RootKey(RegistryHive hive) {
    switch (hive) {
    case RegistryHive::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryHive::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryHive::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    }
    return HKEY_CURRENT_USER;
}

bool Win32RegistryApi::OpenKey(Key parent, const Char* subkey, Key& key) {
    HKEY opened = nullptr;
    LONG result = RegOpenKeyExW(ToHkey(parent), subkey, 0, KEY_ALL_ACCESS, &opened);
    if (result == ERROR_ACCESS_DENIED) {
        result = RegOpenKeyExW(ToHkey(parent), subkey, 0, KEY_READ, &opened);
    }
    if (result != ERROR_SUCCESS) return false;
    key = opened;
    return true;
}

bool Win32RegistryApi::CreateKey(Key parent, const Char* name, Key& key) {
    HKEY created = nullptr;
    if (RegCreateKeyExW(ToHkey(parent), name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &created, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    key = created;
    return true;
}

bool Win32RegistryApi::CloseKey(Key key) { return RegCloseKey(ToHkey(key)) == ERROR_SUCCESS; }

bool Win32RegistryApi::QueryValue(Key key, const Char* name, std::uint32_t& type, void* data,
                                  std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = data ? size : 0;
    const LONG result = RegQueryValueExW(ToHkey(key), name, nullptr, &valueType,
                                         static_cast<BYTE*>(data), &valueSize);
    type = valueType;
    size = valueSize;
    return result == ERROR_SUCCESS;
}

bool Win32RegistryApi::SetValue(Key key, const Char* name, std::uint32_t type, const void* data,
                                std::uint32_t size) {
    return RegSetValueExW(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

bool Win32RegistryApi::CountSubkeys(Key key, std::uint32_t& count) {
    DWORD subkeys = 0;
    if (RegQueryInfoKeyW(ToHkey(key), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    count = subkeys;
    return true;
}

RegistryEnumResult Win32RegistryApi::EnumSubkey(Key key, std::uint32_t index, Char* name,
                                                std::uint32_t capacity) {
    DWORD length = capacity;
    const LONG result =
        RegEnumKeyExW(ToHkey(key), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS) return RegistryEnumResult::Found;
    return result == ERROR_NO_MORE_ITEMS ? RegistryEnumResult::NoMoreItems
                                         : RegistryEnumResult::Failed;
}

bool Win32RegistryApi::DeleteSubkey(Key parent, const Char* name) {
    return RegDeleteKeyW(ToHkey(parent), name) == ERROR_SUCCESS;
}

}  // namespace corvinata
