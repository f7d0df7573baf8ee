#!/bin/sh
# Runs a Windows test program under Wine, for CTest (the cross build's emulator). Output that a
# Windows program writes to a redirected standard output is lost through Wine, so a QtTest
# program writes its results to a file instead, shown here afterwards.
# Usage: run.sh PROGRAM [ARG...]
set -u
case "$(basename "$1")" in
  tst_*)
    results="$(mktemp)"
    status=0
    wine "$@" -o "$results,txt" || status=$?
    cat "$results"
    rm -f "$results"
    exit "$status"
    ;;
  *) exec wine "$@" ;;
esac
