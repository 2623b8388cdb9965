#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <vector>

#include "platform/errors.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"

namespace orvella {
namespace {

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

// An open key, closed on every way out; empty when it could not be opened.
class OpenKey {
public:
    OpenKey(RegistryRoot root, const std::string& key, bool create) {
        const std::wstring path = ToUtf16(key);
        status_ = create ? RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                         : RegOpenKeyExW(RootKey(root), path.c_str(), 0, KEY_ALL_ACCESS, &key_);
        if (status_ != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY Handle() const { return key_; }
    LSTATUS Status() const { return status_; }

private:
    HKEY key_ = nullptr;
    LSTATUS status_ = ERROR_SUCCESS;
};

[[noreturn]] void ThrowStatus(LSTATUS status) {
    const auto code = static_cast<std::uint32_t>(status);
    throw OsError(code, SystemErrorText(code));
}

}  // namespace

bool Win32Registry::ValueExists(RegistryRoot root, const std::string& key, const std::string& name) const {
    const OpenKey open(root, key, false);
    if (open.Handle() == nullptr) return false;
    return RegQueryValueExW(open.Handle(), ToUtf16(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string Win32Registry::ReadString(RegistryRoot root, const std::string& key, const std::string& name) const {
    const OpenKey open(root, key, false);
    if (open.Handle() == nullptr) return {};
    const std::wstring valueName = ToUtf16(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(open.Handle(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(open.Handle(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        return {};
    }
    // The stored text need not end with its zero.
    return FromUtf16(std::wstring(buffer.data()));
}

void Win32Registry::WriteString(RegistryRoot root, const std::string& key, const std::string& name,
                                const std::string& value) {
    const OpenKey open(root, key, true);
    if (open.Handle() == nullptr) ThrowStatus(open.Status());
    const std::wstring data = ToUtf16(value);
    const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    const LSTATUS status = RegSetValueExW(open.Handle(), ToUtf16(name).c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    if (status != ERROR_SUCCESS) ThrowStatus(status);
}

void Win32Registry::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) noexcept {
    const OpenKey open(root, key, true);
    if (open.Handle() != nullptr) RegDeleteValueW(open.Handle(), ToUtf16(name).c_str());
}

}  // namespace orvella
