#include <windows.h>

#include <optional>
#include <string>

#include "common/tsv.h"
#include "common/utf8.h"
#include "driver/commands.h"

namespace orvdriver {
namespace {

bool OpenKey(const std::string& path, REGSAM view, HKEY& key) {
    static const std::pair<const char*, HKEY> kRoots[] = {
        {"HKCU", HKEY_CURRENT_USER},  {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {"HKLM", HKEY_LOCAL_MACHINE}, {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {"HKCR", HKEY_CLASSES_ROOT},  {"HKU", HKEY_USERS},
    };
    const size_t slash = path.find('\\');
    const std::string rootName = path.substr(0, slash);
    const std::wstring subKey = slash == std::string::npos ? L"" : orvtools::Widen(path.substr(slash + 1));
    for (const auto& [name, root] : kRoots)
        if (rootName == name) return RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ | view, &key) == ERROR_SUCCESS;
    return false;
}

std::string TypeName(DWORD type) {
    switch (type) {
        case REG_SZ: return "REG_SZ";
        case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
        case REG_MULTI_SZ: return "REG_MULTI_SZ";
        case REG_DWORD: return "REG_DWORD";
        case REG_QWORD: return "REG_QWORD";
        case REG_BINARY: return "REG_BINARY";
        default: return "REG_" + std::to_string(type);
    }
}

// Strings as UTF-8 (lists joined by \n), numbers in decimal, anything else in hex.
std::string DataText(DWORD type, const std::string& data) {
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        for (wchar_t& c : text)
            if (c == L'\0') c = L'\n';
        return orvtools::Narrow(text);
    }
    if (type == REG_DWORD && data.size() >= 4) return std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
    if (type == REG_QWORD && data.size() >= 8) return std::to_string(*reinterpret_cast<const ULONGLONG*>(data.data()));
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : data) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

}  // namespace

// Prints one record per value (or the one named): name type data. --view 32 reads the registry as
// a 32-bit program sees it (Wow6432Node), --view 64 (the default) as a 64-bit one.
int ReadRegistry(const Options& options) {
    if (options.positional.empty() || options.positional.size() > 2) return 2;
    const REGSAM view = options.Value("view") == std::optional<std::string>("32") ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    HKEY key = nullptr;
    if (!OpenKey(options.positional[0], view, key)) return 1;
    const std::optional<std::wstring> wanted =
        options.positional.size() == 2 ? std::optional(orvtools::Widen(options.positional[1])) : std::nullopt;
    bool found = false;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = 16384;
        DWORD type = 0;
        DWORD size = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        if (wanted && _wcsicmp(name, wanted->c_str()) != 0) continue;
        std::string data(size, '\0');
        nameLength = 16384;
        RegEnumValueW(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        data.resize(size);
        orvtools::WriteStdout(orvtools::EscapeField(orvtools::Narrow(name)) + "\t" + TypeName(type) + "\t" +
                              orvtools::EscapeField(DataText(type, data)) + "\n");
        found = true;
    }
    RegCloseKey(key);
    return wanted && !found ? 1 : 0;
}

}  // namespace orvdriver
