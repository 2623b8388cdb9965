#!/usr/bin/env bash
# Lets this machine start 32-bit Linux programs (Wine's 32-bit half, which runs Orvella.exe).
# Some kernels run no 32-bit code at all ("ia32 emulation off"): there the i386 binaries are handed
# to qemu-user (package qemu-user-static) through binfmt_misc. Needs root; idempotent; does
# nothing where 32-bit programs already start.
set -euo pipefail

probe=/lib/i386-linux-gnu/ld-linux.so.2
[ -x "$probe" ] || { echo "enable-i386: $probe missing (install wine32:i386 first)" >&2; exit 1; }
"$probe" --version >/dev/null 2>&1 && exit 0

qemu=/usr/bin/qemu-i386-static
[ -x "$qemu" ] || { echo "enable-i386: 32-bit programs cannot run here and $qemu is missing (package qemu-user-static)" >&2; exit 1; }

binfmt=/proc/sys/fs/binfmt_misc
[ -f "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -f "$binfmt/qemu-i386" ]; then
  # ELF, 32-bit, little-endian, executable or shared object, machine i386; F: the interpreter is
  # opened now, so it also serves processes in other mount namespaces.
  echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' \
    >"$binfmt/register"
fi
echo 1 >"$binfmt/qemu-i386"
"$probe" --version >/dev/null 2>&1 || { echo "enable-i386: 32-bit programs still cannot start" >&2; exit 1; }
