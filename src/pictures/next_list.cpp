#include "pictures/next_list.h"

#include <algorithm>

#include "pictures/case_insensitive_multiset.h"

namespace orvella {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

void TrimListText(std::vector<std::string>& list) {
    const auto blankEntry = [](const std::string& entry) { return std::all_of(entry.begin(), entry.end(), IsBlank); };
    list.erase(list.begin(), std::find_if_not(list.begin(), list.end(), blankEntry));
    while (!list.empty() && blankEntry(list.back())) list.pop_back();
    if (list.empty()) return;
    std::string& head = list.front();
    head.erase(head.begin(), std::find_if_not(head.begin(), head.end(), IsBlank));
    std::string& tail = list.back();
    tail.erase(std::find_if_not(tail.rbegin(), tail.rend(), IsBlank).base(), tail.end());
}

void RemoveShown(std::vector<std::string>& next, const std::vector<std::string>& shown) {
    // Removing the first match per shown entry is removing, for every path, the first k entries
    // equal to it, where k is how often the shown list holds it.
    CaseInsensitiveMultiset toRemove;
    for (const std::string& entry : shown) toRemove.Add(entry);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < next.size(); ++i) {
        if (toRemove.TakeOne(next[i])) continue;
        if (kept != i) next[kept] = std::move(next[i]);
        ++kept;
    }
    next.resize(kept);
}

}  // namespace orvella
