#include "common/tsv.h"

namespace orvtools {

std::string EscapeField(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\': escaped += "\\\\"; break;
            case '\t': escaped += "\\t"; break;
            case '\r': escaped += "\\r"; break;
            case '\n': escaped += "\\n"; break;
            default: escaped += c; break;
        }
    }
    return escaped;
}

}  // namespace orvtools
