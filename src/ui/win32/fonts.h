#pragma once
#include <windows.h>

#include <map>
#include <utility>

namespace orvella::ui::win32 {

// The system's message font in the styles (ui::FontStyle bits) and character heights the models
// ask for, made once each and kept until the binding ends.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // A height of 0 keeps the message font's own size.
    HFONT For(unsigned style, int height);

private:
    std::map<std::pair<unsigned, int>, HFONT> fonts_;
};

// The height of a line of text in the font, in pixels.
int LineHeight(HFONT font);

}  // namespace orvella::ui::win32
