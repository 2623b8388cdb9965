#pragma once
#include <string>

namespace orvella::e2e {

// The source tree: $ORVELLA_SOURCE_DIR, else the folder compiled in as ORVELLA_SOURCE_DIR, else the
// first folder above this executable that holds tools/wine/orvwine.sh.
std::string SourceDir();

// The product folder under test (Orvella.exe, drvdb.dll, db.spb): $ORVELLA_OUTPUT_DIR, else
// <source>/build/win32/Orvella.
std::string OutputDir();

// Where screenshots go: <source>/build/e2e-shots.
std::string ShotsDir();

// The Windows name of a Unix path, through Wine's Z: drive.
std::string WindowsPath(const std::string& unixPath);

}  // namespace orvella::e2e
