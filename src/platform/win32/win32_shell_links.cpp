#include "platform/win32/win32_shell_links.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include "platform/errors.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/utf16.h"

namespace orvella {
namespace {

// One COM interface pointer, released on every way out.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (pointer_ != nullptr) pointer_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return pointer_; }
    void** Out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

void Check(HRESULT result) {
    if (FAILED(result)) {
        const auto code = static_cast<std::uint32_t>(result);
        throw OsError(code, SystemErrorText(code));
    }
}

}  // namespace

void Win32ShellLinks::Create(const ShellLink& link) {
    ComPtr<IShellLinkW> shellLink;
    Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.Out()));
    // The setters' results are not examined: the saved link is what can be checked.
    shellLink->SetPath(ToUtf16(link.target).c_str());
    shellLink->SetWorkingDirectory(ToUtf16(link.workingFolder).c_str());
    shellLink->SetDescription(ToUtf16(link.description).c_str());
    shellLink->SetArguments(ToUtf16(link.arguments).c_str());
    shellLink->SetShowCmd(link.showCommand);
    ComPtr<IPersistFile> file;
    Check(shellLink->QueryInterface(IID_IPersistFile, file.Out()));
    file->Save(ToUtf16(link.file).c_str(), TRUE);
}

}  // namespace orvella
