#pragma once

// How the driver asks the fake shell for its icons: WM_COPYDATA sent to the shell's "Progman"
// window, dwData = kDumpRequest, the data = the UTF-16 path (no terminator) of the file to write.
// The shell answers kDumpDone after writing `caption:x:y` lines (UTF-8, CR LF) there; any other
// window answers 0, so the driver can tell the fake shell from a "Progman" of someone else.
namespace orvtools {

constexpr unsigned long long kDumpRequest = 0x4F525644;  // "ORVD"
constexpr long long kDumpDone = 0x4F4B;                  // "OK"

}  // namespace orvtools
