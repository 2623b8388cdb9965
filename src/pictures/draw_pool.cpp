#include "pictures/draw_pool.h"

#include <bit>

namespace orvella {
namespace {

std::size_t LowBit(std::size_t i) { return i & (~i + 1); }

}  // namespace

DrawPool::DrawPool(std::vector<std::string>& list)
    : list_(list), counts_(list.size() + 1), taken_(list.size()), left_(list.size()) {
    // Every entry present: node i counts the LowBit(i) entries that end at it.
    for (std::size_t i = 1; i < counts_.size(); ++i) counts_[i] = LowBit(i);
}

DrawPool::~DrawPool() {
    if (left_ == list_.size()) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list_.size(); ++i) {
        if (taken_[i]) continue;
        if (kept != i) list_[kept] = std::move(list_[i]);
        ++kept;
    }
    list_.resize(kept);
}

std::string DrawPool::Take(std::size_t position) {
    // Descend the tree to the entry with `position` entries left before it.
    std::size_t index = 0;
    std::size_t before = position;
    for (std::size_t step = std::bit_floor(list_.size()); step != 0; step >>= 1) {
        const std::size_t next = index + step;
        if (next < counts_.size() && counts_[next] <= before) {
            index = next;
            before -= counts_[next];
        }
    }
    // `index` is now the 1-based node just before the entry, i.e. its 0-based position.
    for (std::size_t i = index + 1; i < counts_.size(); i += LowBit(i)) --counts_[i];
    taken_[index] = true;
    --left_;
    return list_[index];
}

}  // namespace orvella
