# SQLite headers for the portable code; the engine itself comes from the system natively and from
# the amalgamation (built into drvdb.dll) for Windows.
add_library(orvella_sqlite_headers INTERFACE)

if(WIN32)
  set(ORVELLA_SQLITE_PACKAGE "better-sqlite3@12.11.1")
  set(ORVELLA_SQLITE_TARBALL_SHA256 "ebf0ed75a7a59dbcb3b24bbd014ef49d9f15bc328e4adcbf516f2a8fadfa2835")
  set(ORVELLA_SQLITE_CACHE "${CMAKE_BINARY_DIR}/_deps/sqlite")
  set(tarball "${ORVELLA_SQLITE_CACHE}/better-sqlite3-12.11.1.tgz")

  if(NOT EXISTS "${ORVELLA_SQLITE_CACHE}/package/deps/sqlite3/sqlite3.c")
    file(MAKE_DIRECTORY "${ORVELLA_SQLITE_CACHE}")
    if(NOT EXISTS "${tarball}")
      message(STATUS "Fetching the SQLite amalgamation from ${ORVELLA_SQLITE_PACKAGE}")
      execute_process(COMMAND npm pack ${ORVELLA_SQLITE_PACKAGE} --silent
                      WORKING_DIRECTORY "${ORVELLA_SQLITE_CACHE}"
                      RESULT_VARIABLE rc OUTPUT_QUIET)
      if(NOT rc EQUAL 0)
        message(FATAL_ERROR "npm pack ${ORVELLA_SQLITE_PACKAGE} failed")
      endif()
    endif()
    file(SHA256 "${tarball}" actual)
    if(NOT actual STREQUAL ORVELLA_SQLITE_TARBALL_SHA256)
      file(REMOVE "${tarball}")
      message(FATAL_ERROR "Checksum mismatch for ${tarball}: ${actual}")
    endif()
    file(ARCHIVE_EXTRACT INPUT "${tarball}" DESTINATION "${ORVELLA_SQLITE_CACHE}"
         PATTERNS package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
  endif()
  set(ORVELLA_SQLITE_DIR "${ORVELLA_SQLITE_CACHE}/package/deps/sqlite3")
  target_include_directories(orvella_sqlite_headers INTERFACE "${ORVELLA_SQLITE_DIR}")
else()
  find_package(SQLite3 REQUIRED)
  target_include_directories(orvella_sqlite_headers INTERFACE ${SQLite3_INCLUDE_DIRS})
endif()
