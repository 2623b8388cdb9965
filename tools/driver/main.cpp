// Drives the program's windows from outside, one command per call, for the end-to-end tests.
// Output is UTF-8, one tab-separated record per line (fields escaped as in common/tsv.h).
//
//   orvdriver.exe windows [--class C] [--title T] [--pid N] [--visible]
//   orvdriver.exe children <hwnd>
//   orvdriver.exe wait [--class C] [--title T] [--pid N] [--visible] [--timeout ms]
//   orvdriver.exe wait-gone <hwnd> [--hidden] [--timeout ms]   (--hidden: a hidden window counts as gone)
//   orvdriver.exe click <hwnd> (--id N | --text T | --name N) [--mouse]
//   orvdriver.exe settext <hwnd> (--id N | --text T | --name N) <text> [--timeout ms]
//   orvdriver.exe select <hwnd> (--id N | --name N) <index> [--timeout ms]   (combo box, tab control, list view)
//   orvdriver.exe check <hwnd> (--id N | --name N) <index> <0|1> [--timeout ms]   (a list view entry's box)
//   orvdriver.exe items <hwnd> (--id N | --name N) [--timeout ms]
//       a list view: text checked selected per entry; a combo box: text per entry
//   orvdriver.exe mouse <hwnd> <x> <y> [--hover | --right | --double]   (client coordinates; a left click
//                 unless --hover, a right click with --right, a double click with --double)
//   orvdriver.exe keys <hwnd> <virtual key>...   (decimal codes, pressed one after the other)
//   orvdriver.exe press <dialog hwnd> <button id>
//   orvdriver.exe close <hwnd>
//   orvdriver.exe msgbox [--pid N] [--timeout ms]
//   orvdriver.exe dialog [--pid N] [--timeout ms]   (any dialog box, printed as by `windows`)
//   orvdriver.exe shell-icons [--bounds]
//   orvdriver.exe shell-timing
//   orvdriver.exe shell-move <index> <x> <y>
//   orvdriver.exe shell-ping <count>
//   orvdriver.exe reg <key> [value] [--view 32|64]
//
// settext, select and check return when the program has handled the change, or after the timeout
// (2 s) when its handler is still busy, with a modal box say.
// Exit code: 0 done, 1 not found or timed out, 2 bad usage.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/utf8.h"
#include "driver/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const orvdriver::Options&);
};

constexpr Command kCommands[] = {
    {"windows", orvdriver::ListWindows},
    {"children", orvdriver::ListChildren},
    {"wait", orvdriver::WaitWindow},
    {"wait-gone", orvdriver::WaitGone},
    {"dialog", orvdriver::WaitDialog},
    {"click", orvdriver::Click},
    {"settext", orvdriver::SetText},
    {"select", orvdriver::Select},
    {"check", orvdriver::Check},
    {"items", orvdriver::ListItems},
    {"press", orvdriver::PressButton},
    {"close", orvdriver::CloseWindow},
    {"msgbox", orvdriver::ReadMessageBox},
    {"reg", orvdriver::ReadRegistry},
    {"shell-icons", orvdriver::ShellIcons},
    {"shell-move", orvdriver::ShellMove},
    {"shell-ping", orvdriver::ShellPing},
    {"shell-timing", orvdriver::ShellTiming},
    {"mouse", orvdriver::Mouse},
    {"keys", orvdriver::Keys},
};

const std::vector<std::string> kFlags = {"visible", "mouse", "bounds", "hover", "hidden", "right", "double"};

}  // namespace

int wmain() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> words;
    for (int i = 2; i < count; ++i) words.push_back(orvtools::Narrow(arguments[i]));
    const std::string name = count > 1 ? orvtools::Narrow(arguments[1]) : std::string();
    LocalFree(arguments);

    for (const Command& command : kCommands)
        if (name == command.name) return command.run(orvdriver::ParseOptions(words, kFlags));
    orvtools::WriteStdout("usage: orvdriver.exe <command> ...; see tools/driver/main.cpp\n");
    return 2;
}
