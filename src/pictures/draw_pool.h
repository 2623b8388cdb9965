#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace orvella {

// A list whose entries are taken out one at a time, each by its position among the entries
// left, in logarithmic time however long the list. The list itself stays whole while the pool
// lives (events handled meanwhile see it unchanged) and closes up, order kept, when it ends.
class DrawPool {
public:
    explicit DrawPool(std::vector<std::string>& list);
    ~DrawPool();
    DrawPool(const DrawPool&) = delete;
    DrawPool& operator=(const DrawPool&) = delete;

    std::size_t Size() const { return left_; }
    // Takes out the entry at `position` (0 ... Size() - 1) among those left and returns it.
    std::string Take(std::size_t position);

private:
    std::vector<std::string>& list_;
    std::vector<std::size_t> counts_;  // Fenwick tree over "still in the list", 1-based
    std::vector<bool> taken_;
    std::size_t left_;
};

}  // namespace orvella
