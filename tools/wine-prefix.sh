#!/bin/sh
# Creates the Wine prefix named by WINEPREFIX once: no crash dialog, and the
# program's font faces mapped to fonts that Debian ships.
: "${WINEPREFIX:?WINEPREFIX must be set}"
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/.vrel-ready" ] && exit 0

# Runs one set-up command, with two more tries: a first boot of a prefix
# has been seen to fail once and then succeed.
step() {
  for try in 1 2 3; do
    "$@" >"$WINEPREFIX.log" 2>&1 && return 0
    echo "wine-prefix: '$*' failed (try $try):" >&2
    tail -n 20 "$WINEPREFIX.log" >&2
    sleep 2
  done
  exit 1
}
# A server already running for a prefix not yet made (one started by hand
# before the first program) makes the first boot fail: nothing valid can run
# here yet, so stop it.
wineserver -k >/dev/null 2>&1 || true
step wine wineboot --init
subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
step wine reg add "$subst" /v 'Microsoft YaHei UI' /t REG_SZ /d 'WenQuanYi Micro Hei' /f
step wine reg add "$subst" /v 'Consolas' /t REG_SZ /d 'DejaVu Sans Mono' /f
# Captions and message boxes use Wine's own UI face, which has no Chinese.
for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
  step wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Micro Hei' /f
done
step wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
step wineserver -w
touch "$WINEPREFIX/.vrel-ready"
