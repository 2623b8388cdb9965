#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvella {

// The block exchanged with the shell for one item: a list-view item record whose text pointer
// names the block's own text area, followed by the text area and the item's rectangle. A 32-bit
// and a 64-bit shell lay the record out differently.
struct ListItemRecordLayout {
    std::size_t size;
    std::size_t textPointer;  // 4 bytes; a 64-bit shell's high half stays 0
    std::size_t textCapacity;
    std::size_t text;
    std::size_t rect;
};

inline constexpr ListItemRecordLayout kItemRecord32{1080, 20, 24, 40, 1064};
inline constexpr ListItemRecordLayout kItemRecord64{1112, 24, 32, 72, 1096};
inline constexpr std::int32_t kItemTextCapacity = 1023;
inline constexpr std::size_t kItemTextArea = 1024;

struct ListItemRead {
    std::string caption;  // as the shell wrote it, in its 8-bit code page
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// The record to write into the block at `block` in the shell's memory.
std::vector<std::byte> BuildItemRecord(const ListItemRecordLayout& layout, std::uint64_t block);
// The caption up to its first zero byte and the rectangle's left and top.
ListItemRead ParseItemRecord(const ListItemRecordLayout& layout, const std::vector<std::byte>& record);

}  // namespace orvella
