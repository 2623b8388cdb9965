#pragma once

// How the driver asks the fake shell about its icons: WM_COPYDATA sent to the shell's "Progman"
// window, dwData = one of the requests below, the data = the UTF-16 path (no terminator) of the
// file to write. The shell answers kDumpDone after writing its answer (UTF-8, CR LF) there; any
// other window answers 0, so the driver can tell the fake shell from a "Progman" of someone else.
namespace orvtools {

// `caption:x:y` per item in item order, the positions the list view takes (LVM_GETITEMPOSITION).
constexpr unsigned long long kDumpRequest = 0x4F525644;  // "ORVD"
// `caption:left:top` per item in item order, the corner of each item's bounds (LVM_GETITEMRECT).
constexpr unsigned long long kBoundsRequest = 0x4F525642;  // "ORVB"
// `items microseconds`: the last item pass another process made over the list view, timed inside
// the shell from its LVM_GETITEMCOUNT to the last LVM_GETITEMRECT after it.
constexpr unsigned long long kTimingRequest = 0x4F525654;  // "ORVT"
constexpr long long kDumpDone = 0x4F4B;                    // "OK"

}  // namespace orvtools
