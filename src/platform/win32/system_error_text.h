#pragma once
#include <cstdint>
#include <string>

namespace orvella {

// The system's own text for an error code, in UTF-8, without the trailing line break and full
// stop the system appends.
std::string SystemErrorText(std::uint32_t code);

// Throws OsError with the thread's last error code and the system's text for it.
[[noreturn]] void ThrowLastOsError();

}  // namespace orvella
