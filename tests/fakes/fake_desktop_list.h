#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/desktop_list.h"
#include "platform/errors.h"

namespace orvella {

// A desktop list view in a pretend shell process. An item keeps the position it was last sent;
// the bounding rectangle it reports lies `offsetX`, `offsetY` left of and above that position.
// Item records are decoded as a 32-bit or a 64-bit shell would (`shell64`), any step can be made
// to fail, and every block and handle is tracked so a test can see that all were released.
class FakeDesktopList : public DesktopList {
public:
    struct Item {
        std::string caption;  // 8-bit code page bytes
        std::int32_t x = 0;
        std::int32_t y = 0;
    };
    struct Move {
        int index;
        std::uint16_t x;
        std::uint16_t y;
        bool operator==(const Move&) const = default;
    };
    enum class Step { Open, Reserve, Write, Read, Free };

    static constexpr std::uint32_t kRefusalCode = 5;
    static constexpr const char* kRefusalText = "Access is denied";
    static constexpr Window kListWindow = 0x1001;
    static constexpr std::int32_t kItemWidth = 75;
    static constexpr std::int32_t kItemHeight = 70;

    std::vector<Item> items;
    bool listFound = true;
    std::uint32_t ownerProcessId = 4242;
    bool shell64 = true;
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;

    // Observations.
    std::vector<Move> moves;
    std::vector<std::string> releases;  // "free <size>" and "close", in order
    std::vector<std::string> violations;  // misuse of the list view a real shell would not survive
    int searches = 0;
    int passes = 0;

    // The `step` fails once, after `successes` more calls of it have succeeded.
    void FailAt(Step step, int successes = 0) { failAfter_[step] = successes; }

    bool AllReleased() const { return open_.empty() && blocks_.empty(); }
    std::size_t OpenHandles() const { return open_.size(); }
    std::size_t ReservedBlocks() const { return blocks_.size(); }

    Window FindDesktopListView() override {
        ++searches;
        return listFound ? kListWindow : 0;
    }

    std::uint32_t OwnerProcessId(Window list) override {
        CheckList(list);
        return ownerProcessId;
    }

    Process OpenProcess(std::uint32_t processId) override {
        Attempt(Step::Open);
        if (processId != ownerProcessId) violations.push_back("opened a process that owns no list");
        ++passes;
        const Process process = nextProcess_++;
        open_.insert(process);
        return process;
    }

    Address Reserve(Process process, std::size_t size) override {
        CheckProcess(process);
        Attempt(Step::Reserve);
        const Address block = nextBlock_;
        nextBlock_ += 0x10000;
        blocks_[block] = Block{process, std::vector<std::byte>(size)};
        return block;
    }

    void Write(Process process, Address block, std::span<const std::byte> bytes) override {
        Attempt(Step::Write);
        std::vector<std::byte>* memory = BlockOf(process, block);
        if (memory == nullptr || bytes.size() > memory->size()) return Violation("wrote outside a block");
        std::copy(bytes.begin(), bytes.end(), memory->begin());
    }

    void Read(Process process, Address block, std::span<std::byte> bytes) override {
        Attempt(Step::Read);
        std::vector<std::byte>* memory = BlockOf(process, block);
        if (memory == nullptr || bytes.size() > memory->size()) return Violation("read outside a block");
        std::copy_n(memory->begin(), bytes.size(), bytes.begin());
    }

    void Free(Process process, Address block) override {
        const auto found = blocks_.find(block);
        if (found == blocks_.end() || found->second.process != process) return Violation("freed an unknown block");
        Attempt(Step::Free);
        releases.push_back("free " + std::to_string(found->second.bytes.size()));
        blocks_.erase(found);
    }

    void Close(Process process) override {
        if (open_.erase(process) == 0) return Violation("closed an unknown handle");
        for (const auto& [address, block] : blocks_) {
            if (block.process == process) violations.push_back("closed a handle with a block still reserved");
        }
        releases.push_back("close");
    }

    int ItemCount(Window list) override {
        CheckList(list);
        return static_cast<int>(items.size());
    }

    void RequestItemText(Window list, int index, Address record) override {
        CheckList(list);
        std::vector<std::byte>* memory = BlockOf(ProcessOfBlock(record), record);
        const std::size_t need = shell64 ? 36 : 28;
        if (memory == nullptr || memory->size() < need) return Violation("item record not at a block");
        if (Int32At(*memory, 8) != 0) violations.push_back("asked for a subitem");
        const std::uint64_t text = shell64 ? (static_cast<std::uint64_t>(static_cast<std::uint32_t>(Int32At(*memory, 28))) << 32) |
                                                 static_cast<std::uint32_t>(Int32At(*memory, 24))
                                           : static_cast<std::uint32_t>(Int32At(*memory, 20));
        const std::int32_t capacity = Int32At(*memory, shell64 ? 32 : 24);
        const std::size_t offset = static_cast<std::size_t>(text - record);
        if (text < record || capacity <= 0 || offset + static_cast<std::size_t>(capacity) > memory->size()) {
            return Violation("text area outside the block");
        }
        if (!ValidIndex(index)) return;
        const std::string& caption = items[static_cast<std::size_t>(index)].caption;
        const std::size_t length = std::min(caption.size(), static_cast<std::size_t>(capacity - 1));
        std::memcpy(memory->data() + offset, caption.data(), length);
        (*memory)[offset + length] = std::byte{0};
    }

    void RequestItemRect(Window list, int index, Address rect) override {
        CheckList(list);
        const auto found = BlockHolding(rect, 16);
        if (found == blocks_.end()) return Violation("rectangle outside a block");
        std::vector<std::byte>& memory = found->second.bytes;
        std::size_t at = static_cast<std::size_t>(rect - found->first);
        if (Int32At(memory, at) != 0) violations.push_back("asked for a part of the item, not its bounds");
        if (!ValidIndex(index)) return;
        const Item& item = items[static_cast<std::size_t>(index)];
        const std::int32_t left = item.x - offsetX;
        const std::int32_t top = item.y - offsetY;
        for (const std::int32_t value : {left, top, left + kItemWidth, top + kItemHeight}) {
            PutInt32(memory, at, value);
            at += 4;
        }
    }

    void SetItemPosition(Window list, int index, std::uint16_t x, std::uint16_t y) override {
        CheckList(list);
        moves.push_back({index, x, y});
        if (!ValidIndex(index)) return;
        items[static_cast<std::size_t>(index)].x = static_cast<std::int16_t>(x);
        items[static_cast<std::size_t>(index)].y = static_cast<std::int16_t>(y);
    }

private:
    struct Block {
        Process process;
        std::vector<std::byte> bytes;
    };

    static std::int32_t Int32At(const std::vector<std::byte>& bytes, std::size_t at) {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, 4);  // little-endian hosts only, as the shell
        return static_cast<std::int32_t>(value);
    }
    static void PutInt32(std::vector<std::byte>& bytes, std::size_t at, std::int32_t value) {
        std::memcpy(bytes.data() + at, &value, 4);
    }

    void Attempt(Step step) {
        const auto limit = failAfter_.find(step);
        if (limit == failAfter_.end()) return;
        if (limit->second-- > 0) return;
        failAfter_.erase(limit);
        throw OsError(kRefusalCode, kRefusalText);
    }

    void Violation(const std::string& what) { violations.push_back(what); }
    void CheckList(Window list) {
        if (list != kListWindow) violations.push_back("message to a window that is not the list");
    }
    void CheckProcess(Process process) {
        if (!open_.contains(process)) violations.push_back("used a handle that is not open");
    }
    bool ValidIndex(int index) const { return index >= 0 && static_cast<std::size_t>(index) < items.size(); }

    std::vector<std::byte>* BlockOf(Process process, Address block) {
        CheckProcess(process);
        const auto found = blocks_.find(block);
        return found == blocks_.end() || found->second.process != process ? nullptr : &found->second.bytes;
    }
    Process ProcessOfBlock(Address block) const {
        const auto found = blocks_.find(block);
        return found == blocks_.end() ? 0 : found->second.process;
    }
    std::map<Address, Block>::iterator BlockHolding(Address address, std::size_t size) {
        auto found = blocks_.upper_bound(address);
        if (found == blocks_.begin()) return blocks_.end();
        --found;
        const bool inside = address - found->first + size <= found->second.bytes.size();
        return inside ? found : blocks_.end();
    }

    std::map<Step, int> failAfter_;
    std::map<Address, Block> blocks_;
    std::set<Process> open_;
    Process nextProcess_ = 0x100;
    Address nextBlock_ = 0x00A00000;
};

}  // namespace orvella
