#pragma once
#include <string>
#include <vector>

namespace orvella::e2e {

// A row of the automatic layout saves (table dbOV2); texts are the stored bytes (Windows-1251).
struct AutomaticSave {
    long long id = 0;
    std::string date;
    std::string time;
    std::string name;
    std::string data;
};

// The rows of a layout database file, oldest first; none when the table does not exist yet.
// Read after the program has ended. Throws std::runtime_error when the file cannot be read.
std::vector<AutomaticSave> ReadAutomaticSaves(const std::string& databaseFile);

// The names of the layouts saved by hand (table dbOV), in stored order, as stored bytes; none when
// the table does not exist yet.
std::vector<std::string> ReadManualNames(const std::string& databaseFile);

// Stores rows as an automatic save would (creating the table as the program does when it is
// missing), one per layout text given as stored bytes; returns them as stored.
std::vector<AutomaticSave> AddAutomaticSaves(const std::string& databaseFile,
                                             const std::vector<std::string>& dataBytes);

}  // namespace orvella::e2e
