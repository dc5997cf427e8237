#!/usr/bin/env bash
# Checks where a 32-bit Flox03A finds its two stack arguments, as flox03.h
# declares them (FLOX_CALL, FLOX_STACK_PAIR): the caller's return address is
# at 0(%esp) on entry; __stdcall pushes right to left, so action is at 16 and
# studyType at 20 (after hostWindow, fileName and reserved); the register
# convention passes the first three in registers and pushes the other two
# left to right, so action (pushed first) is at 8 and studyType at 4. A
# wrong order would make the register build take the study type for the
# action and silently do something else.
# Usage: check_stack_arguments.sh CXX INCLUDE_DIR stdcall|register
set -euo pipefail
cxx=$1 include=$2 kind=$3
case $kind in
  stdcall) want_action='16(%esp)' want_type='20(%esp)' defines=() ;;
  register) want_action='8(%esp)' want_type='4(%esp)' defines=(-DFLOX_REGISTER_CONVENTION) ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
probe='#include "flox03.h"
extern "C" uint32_t FLOX_CALL Action(uintptr_t, const char *, void *, FLOX_STACK_PAIR(uint32_t action, uint32_t studyType)) { return action; }
extern "C" uint32_t FLOX_CALL StudyType(uintptr_t, const char *, void *, FLOX_STACK_PAIR(uint32_t action, uint32_t studyType)) { return studyType; }'
asm=$("$cxx" -x c++ -O2 -S -o - -I "$include" "${defines[@]}" - <<<"$probe")
# The one load of each function's result: "movl N(%esp), %eax".
loaded() { awk -v f="$1" '$0 ~ "^_?" f "(@[0-9]+)?:" {on = 1} on && /movl/ {print $2; exit}' <<<"$asm" | tr -d ','; }
action=$(loaded Action) type=$(loaded StudyType)
echo "action from $action, studyType from $type"
[ "$action" = "$want_action" ] && [ "$type" = "$want_type" ] ||
  { echo "FAIL: want action from $want_action and studyType from $want_type ($kind)"; exit 1; }
