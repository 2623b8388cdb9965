# The product folder: Orvella.exe, drvdb.dll and an empty db.spb, ready to copy to Windows.
enable_language(RC)
set(ORVELLA_OUTPUT_DIR "${CMAKE_BINARY_DIR}/Orvella")

add_library(drvdb SHARED "${ORVELLA_SQLITE_DIR}/sqlite3.c")
set_target_properties(drvdb PROPERTIES PREFIX "" OUTPUT_NAME drvdb
                      RUNTIME_OUTPUT_DIRECTORY "${ORVELLA_OUTPUT_DIR}")
target_compile_definitions(drvdb PRIVATE "SQLITE_API=__declspec(dllexport)" SQLITE_THREADSAFE=0
                           SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0)
target_link_options(drvdb PRIVATE -static-libgcc)

orvella_sources(WIN32_SOURCES src/ui/win32 src/platform/win32)
add_executable(Orvella WIN32 src/core/win32/main.cpp src/core/win32/orvella.rc ${WIN32_SOURCES})
set_target_properties(Orvella PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${ORVELLA_OUTPUT_DIR}")
target_compile_options(Orvella PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${ORVELLA_WARNINGS}>)
target_compile_definitions(orvella_portable PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(Orvella PRIVATE orvella_portable comctl32 comdlg32 gdi32 ole32 oleaut32 shell32 uuid advapi32)
target_link_options(Orvella PRIVATE -municode -static -static-libgcc -static-libstdc++)

# An empty file is an empty SQLite database; the program creates its tables at first start.
add_custom_command(OUTPUT "${ORVELLA_OUTPUT_DIR}/db.spb"
  COMMAND ${CMAKE_COMMAND} -E touch "${ORVELLA_OUTPUT_DIR}/db.spb")
add_custom_target(empty_database ALL DEPENDS "${ORVELLA_OUTPUT_DIR}/db.spb")
add_dependencies(Orvella drvdb empty_database)
