# Wine for the end-to-end tests and the demo: the Russian locale, the WoW64 prefix template and its
# per-run copies, a private X server. Sourced by orvwine.sh (used by the C++ test harness) and by
# tools/demo.sh, so this logic exists once. Functions print errors to stderr and return non-zero.

ORV_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ORV_CACHE=${ORVELLA_CACHE:-$ORV_SOURCE_DIR/build/e2e-cache}
# Raise when the template's making changes, so every cached template is made anew.
ORV_TEMPLATE_VERSION=2
# The private X server's screen and Wine's virtual desktop in it: one size for both.
ORV_SCREEN=1280x1024
ORV_WINE_DIR=${ORVELLA_WINE_DIR:-/usr/lib/wine}
ORV_WINE64=$ORV_WINE_DIR/wine64
ORV_WINE32=$ORV_WINE_DIR/wine

orv_error() { echo "orvella-wine: $*" >&2; }

# Wine takes its ANSI code page from the Unix locale; only C locales come with the machine, so the
# Russian one (code page 1251, OEM 866) is compiled into the cache once.
orv_locale() {
  local dir=$ORV_CACHE/locale
  if [ ! -f "$dir/ru_RU.UTF-8/LC_CTYPE" ]; then
    mkdir -p "$dir"
    localedef -i ru_RU -f UTF-8 "$dir/ru_RU.UTF-8.part" >/dev/null 2>&1 || [ -f "$dir/ru_RU.UTF-8.part/LC_CTYPE" ] ||
      { orv_error "localedef ru_RU.UTF-8 failed (package locales missing?)"; return 1; }
    rm -rf "$dir/ru_RU.UTF-8" && mv "$dir/ru_RU.UTF-8.part" "$dir/ru_RU.UTF-8"
  fi
  export LOCPATH=$dir
  # bash itself cannot take the new locale and would warn about it
  export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 2>/dev/null
}

# 32-bit Windows programs run in Wine's 32-bit Unix process. Where the kernel runs no 32-bit code
# (ia32 emulation off), tools/wine/enable-i386.sh has it run under qemu-user; Wine's start-up then
# probes the whole 4 GiB address space through qemu, which takes a minute, unless qemu's guest
# space ends just above the 2 GiB a 32-bit program may use. Native 32-bit runs ignore the value.
orv_i386_check() {
  export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x80800000}
  if ! "$ORV_WINE32" --version >/dev/null 2>&1; then
    orv_error "32-bit programs cannot start here ($ORV_WINE32 fails); run tools/setup.sh (it calls tools/wine/enable-i386.sh)"
    return 1
  fi
}

# The environment of every Wine run (without WINEPREFIX and DISPLAY).
orv_wine_env() {
  orv_locale || return 1
  orv_i386_check || return 1
  [ -x "$ORV_WINE64" ] || { orv_error "$ORV_WINE64 missing (package wine64)"; return 1; }
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko installers, no menu entries written to the user's desktop.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

orv_template_stamp() {
  echo "$("$ORV_WINE64" --version) template $ORV_TEMPLATE_VERSION screen $ORV_SCREEN"
}

# The WoW64 prefix template, made once per machine (about 30 s) and reused while its stamp holds.
orv_template() {
  ORV_TEMPLATE=$ORV_CACHE/prefix-template
  orv_wine_env || return 1
  local stamp
  stamp=$(orv_template_stamp)
  [ "$(cat "$ORV_TEMPLATE/.orvella-stamp" 2>/dev/null)" = "$stamp" ] && return 0
  mkdir -p "$ORV_CACHE"
  (
    flock 9
    [ "$(cat "$ORV_TEMPLATE/.orvella-stamp" 2>/dev/null)" = "$stamp" ] && exit 0
    local work=$ORV_CACHE/prefix-template.part
    orv_prefix_stop "$work" 2>/dev/null
    rm -rf "$work" "$ORV_TEMPLATE"
    echo "orvella-wine: making the Wine prefix template in $ORV_TEMPLATE (once)" >&2
    (
      export WINEPREFIX=$work
      unset DISPLAY
      "$ORV_WINE64" wineboot -i >"$ORV_CACHE/prefix-template.log" 2>&1 &&
        # A crash must end the process, not leave a debugger dialog behind.
        "$ORV_WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
          >>"$ORV_CACHE/prefix-template.log" 2>&1 &&
        # One virtual desktop the size of the screen: without a window manager Wine's X11 driver
        # waits 2 s for every window it hides; inside its own desktop it needs none.
        "$ORV_WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f \
          >>"$ORV_CACHE/prefix-template.log" 2>&1 &&
        "$ORV_WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d "$ORV_SCREEN" /f \
          >>"$ORV_CACHE/prefix-template.log" 2>&1 &&
        wineserver -w
    ) || { orv_error "wineboot failed, see $ORV_CACHE/prefix-template.log"; exit 1; }
    [ -n "$(ls "$work/drive_c/windows/syswow64" 2>/dev/null)" ] ||
      { orv_error "the template has no 32-bit part, see $ORV_CACHE/prefix-template.log"; exit 1; }
    echo "$stamp" >"$work/.orvella-stamp"
    mv "$work" "$ORV_TEMPLATE"
  ) 9>"$ORV_CACHE/.template.lock"
}

# A private copy of the template for one run, in a fraction of a second: the big files (DLLs and
# other binaries, never written by a run) are hard links, the registry and small files are copies.
orv_prefix_new() {
  local dest=$1 small
  [ -n "$dest" ] || { orv_error "orv_prefix_new: no folder"; return 1; }
  orv_template || return 1
  rm -rf "$dest" && mkdir -p "$(dirname "$dest")" || return 1
  small=$(mktemp)
  (cd "$ORV_TEMPLATE" && find . -type f \( -name '*.reg' -o -size -64k \) -print0) >"$small"
  cp -al "$ORV_TEMPLATE" "$dest" &&
    (cd "$dest" && xargs -0 rm -f <"$small") &&
    tar -C "$ORV_TEMPLATE" --null -T "$small" -cf - | tar -C "$dest" -xf -
  local status=$?
  rm -f "$small"
  return $status
}

# Ends every process of one prefix (and its wineserver) and waits for them; other prefixes and
# other Wine users are left alone.
orv_prefix_stop() {
  local prefix=$1
  [ -d "$prefix" ] || return 0
  WINEPREFIX=$prefix wineserver -k 2>/dev/null
  WINEPREFIX=$prefix timeout 10 wineserver -w 2>/dev/null
  return 0
}

# Starts Xvfb in the background on a display it chooses itself (-displayfd) and sets
# ORV_XVFB_DISPLAY and ORV_XVFB_PID. Local clients need no cookie: the server runs without -auth.
orv_xvfb_start() {
  local log=${1:-/dev/null} numberFile
  numberFile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${ORV_SCREEN}x24" -nolisten tcp 3>"$numberFile" >"$log" 2>&1 </dev/null &
  ORV_XVFB_PID=$!
  local tries=0
  while [ ! -s "$numberFile" ] && [ $tries -lt 100 ]; do
    kill -0 "$ORV_XVFB_PID" 2>/dev/null || break
    sleep 0.1
    tries=$((tries + 1))
  done
  ORV_XVFB_DISPLAY=:$(tr -dc 0-9 <"$numberFile")
  rm -f "$numberFile"
  if [ "$ORV_XVFB_DISPLAY" = ":" ]; then
    kill "$ORV_XVFB_PID" 2>/dev/null
    orv_error "Xvfb did not start"
    return 1
  fi
}

orv_xvfb_stop() {
  local pid=$1
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  return 0
}

# Builds the 64-bit tools (fake shell, driver) when needed and sets ORV_TOOLS_DIR to their folder.
orv_tools() {
  ORV_TOOLS_DIR=${ORVELLA_TOOLS_DIR:-$ORV_SOURCE_DIR/build/tools}
  [ -n "${ORVELLA_TOOLS_DIR:-}" ] && return 0
  mkdir -p "$ORV_CACHE"
  (
    flock 9
    if [ ! -f "$ORV_TOOLS_DIR/build.ninja" ]; then
      cmake -S "$ORV_SOURCE_DIR" -B "$ORV_TOOLS_DIR" -G Ninja -DORVELLA_TOOLS_ONLY=ON \
        -DCMAKE_TOOLCHAIN_FILE="$ORV_SOURCE_DIR/cmake/mingw-x86_64.cmake" >/dev/null || exit 1
    fi
    cmake --build "$ORV_TOOLS_DIR" >/dev/null
  ) 9>"$ORV_CACHE/.tools.lock" || { orv_error "building the tools in $ORV_TOOLS_DIR failed"; return 1; }
}
