#pragma once

namespace orvella {

// The run-time settings the change panel reads for the other parts of the program, named after
// their keys. Zero and false until the first read; taken as they stand, without range limits.
struct RunSettings {
    int countautosave = 0;  // automatic icon-layout saves kept at most
    bool offchangestart = false;
    bool offvisible = false;
    bool onlist = false;
    bool autoscan = false;
    bool AutoSaveIcon = false;
    bool showtime = false;
    bool unic = false;
    int sizelimit = 0;  // kilobytes
    bool onsizelimit = false;

    bool operator==(const RunSettings&) const = default;
};

}  // namespace orvella
