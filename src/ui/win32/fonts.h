#pragma once
#include <windows.h>

#include <map>

namespace orvella::ui::win32 {

// The system's message font in the styles the models ask for (ui::FontStyle bits), made once
// each and kept until the binding ends.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT For(unsigned style);

private:
    std::map<unsigned, HFONT> fonts_;
};

}  // namespace orvella::ui::win32
