#include "icons/list_item_record.h"

#include <algorithm>

namespace orvella {
namespace {

void PutInt32(std::vector<std::byte>& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::byte>((value >> (8 * i)) & 0xFFu);
}

std::int32_t GetInt32(const std::vector<std::byte>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::vector<std::byte> BuildItemRecord(const ListItemRecordLayout& layout, std::uint64_t block) {
    std::vector<std::byte> record(layout.size);
    // The program is 32-bit, so blocks it reserves lie below 4 GB even in a 64-bit shell.
    PutInt32(record, layout.textPointer, static_cast<std::uint32_t>(block + layout.text));
    PutInt32(record, layout.textCapacity, static_cast<std::uint32_t>(kItemTextCapacity));
    return record;
}

ListItemRead ParseItemRecord(const ListItemRecordLayout& layout, const std::vector<std::byte>& record) {
    const auto text = record.begin() + static_cast<std::ptrdiff_t>(layout.text);
    const auto textEnd = std::find(text, text + static_cast<std::ptrdiff_t>(kItemTextArea), std::byte{0});
    ListItemRead item;
    item.caption.reserve(static_cast<std::size_t>(textEnd - text));
    for (auto it = text; it != textEnd; ++it) item.caption.push_back(static_cast<char>(std::to_integer<unsigned char>(*it)));
    item.left = GetInt32(record, layout.rect);
    item.top = GetInt32(record, layout.rect + 4);
    return item;
}

}  // namespace orvella
