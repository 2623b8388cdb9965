#include "pictures/random_draw.h"

#include "pictures/draw_pool.h"
#include "pictures/throttled_pump.h"
#include "platform/file_system.h"
#include "platform/random_source.h"

namespace orvella {

std::string GetRandomBmp(std::vector<std::string>& list, const std::string& current, std::vector<std::string>& shown,
                         const DrawSources& sources) {
    DrawPool pool(list);
    std::size_t failures = 0;
    for (;;) {
        sources.random.Reseed();
        const std::size_t count = pool.Size();
        if (count == 0) return {};
        std::string candidate = pool.Take(sources.random.Below(count));
        if (sources.files.FileExists(candidate)) {
            if (candidate != current) {
                shown.push_back(candidate);
                return candidate;
            }
            if (pool.Size() == 0) return {};
        }
        ++failures;
        sources.pump.Tick();
        if (5 * count < failures) return {};
    }
}

}  // namespace orvella
