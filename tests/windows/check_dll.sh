#!/usr/bin/env bash
# Checks a cross-built WinFlox03RDll.dll without running it, with mingw's
# objdump: the PE kind, the exports (Flox03A at ordinal 1 and InitDll at 2,
# every function of flox03.h, no decorated name), for the self-contained
# 32-bit library its imports (Windows system DLLs only), and the calling
# convention as the code shows it: how many bytes Flox03A and InitDll remove
# from the stack when they return.
# Usage: check_dll.sh OBJDUMP DLL HEADER win64|stdcall|register
set -euo pipefail
objdump=$1 dll=$2 header=$3 kind=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -f "$dll" ] || { echo "FAIL: no file $dll"; exit 1; }
headers=$("$objdump" -p "$dll")

# PE32 for the 32-bit host, PE32+ for x86-64.
format=$(sed -n 's/.*file format //p' <<<"$headers" | head -n 1)
want=$([ "$kind" = win64 ] && echo pei-x86-64 || echo pei-i386)
[ "$format" = "$want" ] || fail "file format $format, not $want"
echo "format: $format"

# The export table: ordinal base, the address of each entry, and the names
# pointing at the entries.
base=$(sed -n 's/^Export Address Table -- Ordinal Base \([0-9]*\).*/\1/p' <<<"$headers")
declare -A rva ordinal
while read -r index address; do rva[$index]=$address; done < <(
  sed -n 's/^\t\[ *\([0-9]*\)\] +base\[ *[0-9]*\] \([0-9a-f]*\) Export RVA$/\1 \2/p' <<<"$headers")
while read -r index name; do ordinal[$name]=$((index + base)); done < <(
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' <<<"$headers")
for name in "${!ordinal[@]}"; do
  [[ "$name" == *@* || "$name" == _* ]] && fail "decorated export name $name"
done
[ "${ordinal[Flox03A]:-none}" = 1 ] || fail "Flox03A at ordinal ${ordinal[Flox03A]:-none}, not 1"
[ "${ordinal[InitDll]:-none}" = 2 ] || fail "InitDll at ordinal ${ordinal[InitDll]:-none}, not 2"
# Every function the header declares is exported by its own name, and
# nothing else is, but for Qt's start-up hook, which a static QtCore exports
# on its own.
declared=$(sed -n 's/^FLOX_API .*FLOX_CALL \([A-Za-z0-9_]*\)(.*/\1/p' "$header")
for name in $declared; do
  [ -n "${ordinal[$name]:-}" ] || fail "$name is declared in $(basename "$header") but not exported"
done
for name in "${!ordinal[@]}"; do
  grep -qx "$name" <<<"$declared" || [ "$name" = qt_startup_hook ] || fail "$name is exported but not in $(basename "$header")"
done
echo "exports: $(for n in "${!ordinal[@]}"; do echo "${ordinal[$n]} $n"; done | sort -n | tr '\n' ' ')"

# The 32-bit library stands alone beside the host: Windows' own DLLs only.
if [ "$kind" != win64 ]; then
  system='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comdlg32|comctl32|winspool\.drv|imm32|winmm|uxtheme|dwmapi|shlwapi|version|netapi32|userenv|d2d1|dwrite|d3d11|d3d9|dxgi|setupapi|secur32|crypt32|bcrypt|ntdll|mpr|wtsapi32|shcore|authz|ws2_32|msvcrt|api-ms-win-[a-z0-9-]*)\.dll$|^winspool\.drv$'
  imports=$(sed -n 's/^\tDLL Name: //p' <<<"$headers")
  for lib in $imports; do
    grep -Eqi "$system" <<<"$lib" || fail "imports $lib, which is not a Windows system DLL"
  done
  echo "imports: $(tr '\n' ' ' <<<"$imports")"
fi

# The first return of each 32-bit function shows the convention: the callee
# of __stdcall removes its 5 and 1 four-byte arguments (ret $0x14, ret $0x4);
# in the register convention only Flox03A's two pushed arguments (ret $0x8).
# x86-64 has one convention only.
declare -A expected
case $kind in
  win64) expected=() ;;
  stdcall) expected=([Flox03A]='ret $0x14' [InitDll]='ret $0x4') ;;
  register) expected=([Flox03A]='ret $0x8' [InitDll]=ret) ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
image_base=$((16#$(sed -n 's/^ImageBase[[:space:]]*//p' <<<"$headers")))
for name in "${!expected[@]}"; do
  index=$((${ordinal[$name]:-0} - base))
  [ -n "${rva[$index]:-}" ] || continue
  start=$((image_base + 16#${rva[$index]}))
  # (awk reads to the end, so that objdump never writes into a closed pipe)
  ret=$("$objdump" -d --no-show-raw-insn --start-address=$start --stop-address=$((start + 65536)) "$dll" |
    awk -F'\t' '!found && $2 ~ /^ret[lq]? / || !found && $2 ~ /^ret[lq]?$/ {
      found = 1; sub(/^ret[lq]?/, "ret", $2); gsub(/ +/, " ", $2); sub(/ $/, "", $2); print $2 }')
  [ "$ret" = "${expected[$name]}" ] || fail "$name returns with '$ret', not '${expected[$name]}'"
  echo "$name: $ret"
done
[ "$failures" -eq 0 ] && echo "ok: $dll ($kind)"
exit $((failures > 0))
