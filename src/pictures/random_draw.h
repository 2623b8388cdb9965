#pragma once
#include <string>
#include <vector>

namespace orvella {

class FileSystem;
class RandomSource;
class ThrottledPump;

struct DrawSources {
    const FileSystem& files;
    RandomSource& random;
    ThrottledPump& pump;
};

// Draws a picture at random out of `list`: every drawn entry leaves the list; a missing file or
// the current picture `current` (compared exactly) is a failed draw. The first usable picture is
// appended to `shown` and returned. Gives up with empty text when the list runs empty or when
// the failures outnumber five times the entries left: a long list of unusable entries is not
// drawn empty.
std::string GetRandomBmp(std::vector<std::string>& list, const std::string& current, std::vector<std::string>& shown,
                         const DrawSources& sources);

}  // namespace orvella
