#include "icons/shell_process_pass.h"

#include <exception>

namespace orvella {

ShellProcessPass::ShellProcessPass(DesktopList& desktop, DesktopList::Window list, std::uint32_t processId,
                                   const ListItemRecordLayout& layout)
    : desktop_(desktop), list_(list), layout_(layout) {
    process_ = desktop_.OpenProcess(processId);
    try {
        for (const ListItemRecordLayout* each : {&kItemRecord32, &kItemRecord64}) {
            const DesktopList::Address block = desktop_.Reserve(process_, each->size);
            blocks_.push_back(block);
            if (each->size == layout_.size) block_ = block;
        }
    } catch (...) {
        ReleaseQuietly();
        throw;
    }
}

ShellProcessPass::~ShellProcessPass() { ReleaseQuietly(); }

ListItemRead ShellProcessPass::ReadItem(int index) {
    record_ = BuildItemRecord(layout_, block_);
    desktop_.Write(process_, block_, record_);
    desktop_.RequestItemText(list_, index, block_);
    desktop_.RequestItemRect(list_, index, block_ + layout_.rect);
    desktop_.Read(process_, block_, record_);
    return ParseItemRecord(layout_, record_);
}

void ShellProcessPass::Close() { Release(); }

void ShellProcessPass::Release() {
    if (process_ == 0) return;
    std::exception_ptr refused;
    for (const DesktopList::Address block : blocks_) {
        try {
            desktop_.Free(process_, block);
        } catch (...) {
            if (!refused) refused = std::current_exception();
        }
    }
    blocks_.clear();
    desktop_.Close(process_);
    process_ = 0;
    if (refused) std::rethrow_exception(refused);
}

void ShellProcessPass::ReleaseQuietly() noexcept {
    try {
        Release();
    } catch (...) {
        // Already on an error's way out; that error is the one to report.
    }
}

}  // namespace orvella
