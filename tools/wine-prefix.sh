#!/bin/sh
# Creates the Wine prefix named by WINEPREFIX once: no crash dialog, and the
# program's font faces mapped to fonts that Debian ships.
set -e
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.vrel-ready" ] && exit 0
wine wineboot --init >/dev/null 2>&1
subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
wine reg add "$subst" /v 'Microsoft YaHei UI' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
wine reg add "$subst" /v 'Consolas' /t REG_SZ /d 'DejaVu Sans Mono' /f >/dev/null 2>&1
# Captions and message boxes use Wine's own UI face, which has no Chinese.
for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.vrel-ready"
