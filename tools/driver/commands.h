#pragma once
#include "driver/options.h"

// The driver's commands. Each prints UTF-8 records to the standard output and returns the process
// exit code: 0 done, 1 not found or timed out, 2 bad usage.
namespace orvdriver {

int ListWindows(const Options& options);      // windows [--class C] [--title T] [--pid N] [--visible]
int ListChildren(const Options& options);     // children <hwnd>
int WaitWindow(const Options& options);       // wait [--class C] [--title T] [--pid N] [--visible] [--timeout ms]
int WaitGone(const Options& options);         // wait-gone <hwnd> [--hidden] [--timeout ms]
int WaitDialog(const Options& options);       // dialog [--pid N] [--timeout ms]
int Click(const Options& options);            // click <hwnd> (--id N | --text T | --name N) [--mouse]
int SetText(const Options& options);          // settext <hwnd> (--id N | --text T | --name N) <text> [--timeout ms]
int Select(const Options& options);           // select <hwnd> (--id N | --name N) <index> [--timeout ms]
int Check(const Options& options);            // check <hwnd> (--id N | --name N) <index> <0|1> [--timeout ms]
int ListItems(const Options& options);        // items <hwnd> (--id N | --name N) [--timeout ms]
int Mouse(const Options& options);            // mouse <hwnd> <x> <y> [--hover | --right | --double]
int Keys(const Options& options);             // keys <hwnd> <virtual key>...
int PressButton(const Options& options);      // press <dialog hwnd> <button id>
int CloseWindow(const Options& options);      // close <hwnd>
int ReadMessageBox(const Options& options);   // msgbox [--pid N] [--timeout ms]
int ShellIcons(const Options& options);       // shell-icons [--bounds]
int ShellTiming(const Options& options);      // shell-timing
int ShellMove(const Options& options);        // shell-move <index> <x> <y>
int ShellPing(const Options& options);        // shell-ping <count>
int ReadRegistry(const Options& options);     // reg <key> [value] [--view 32|64]

}  // namespace orvdriver
