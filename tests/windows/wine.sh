#!/bin/sh
# Runs a Windows program (a test, or the program itself) under Wine, in the
# prefix WINEPREFIX, finding Qt's and the MinGW runtime's DLLs where they lie.
# Wine hands no QT_* variable on, so those of the caller's environment are set
# by a batch file that then starts the program with the arguments given.
# Qt's messages and test results go to standard error, not to the debugger,
# and the offscreen platform draws with the Liberation fonts.
# Usage: wine.sh QT_FOLDER PROGRAM [ARGUMENT...]
qt=$1 program=$2
shift 2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" QT_FORCE_STDERR_LOGGING=1
export QT_QPA_FONTDIR="Z:\\usr\\share\\fonts\\truetype\\liberation2"
export WINEPATH="$(winepath -w "$qt/bin");Z:\\usr\\lib\\gcc\\x86_64-w64-mingw32\\12-posix;Z:\\usr\\x86_64-w64-mingw32\\lib"
batch=$(mktemp --suffix=.bat) || exit
trap 'rm -f "$batch"' EXIT
{
    printf '%s\n' "@echo off"
    env | grep '^QT_' | sed 's/^/set /'
    # The arguments come on the command line, which keeps every letter.
    printf '%s\n' "\"$(winepath -w "$program")\" %*" "exit /b %ERRORLEVEL%"
} | sed 's/$/\r/' >"$batch"
wine cmd /c "$(winepath -w "$batch")" "$@"
