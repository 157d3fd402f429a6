#!/bin/sh
# The commands as a user meets them: the real program under Wine on the X
# display, driven by key presses and clicks through xdotool; the probe reads
# texts, pixels, message boxes and the clipboard from outside.
# Usage: command_e2e.sh BUILD_DIR PROGRAM PROBE   (exit 77: skipped)
set -u
build=$1 program=$2 probe=$3
command -v xdotool >/dev/null 2>&1 || { echo "SKIP: xdotool is missing"; exit 77; }
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  echo "SKIP: no X display"; exit 77
fi

run="$build/wine-run"
records="$build/wine-prefix/drive_c/users/$(id -un)/AppData/Local/VrelMedSuite/records"
csv="$records/T207.csv"
rm -f "$csv"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
probe() { "$run" "$probe" "$@" 2>/dev/null; }
work=$(mktemp -d)
# Compares a probe's output byte for byte with the expected text (printf
# escapes allowed), for up to three seconds: X input reaches the program late.
expect() {
  what=$1; printf "$2" >"$work/want"; shift 2
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    probe "$@" >"$work/got"
    cmp -s "$work/got" "$work/want" && return
    sleep 0.3
  done
  fail "$what: got '$(od -c "$work/got" | head -n 4)'"
}
# Waits until a message box is open; its caption, a tab and its text go to $work/box.
wait_box() {
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    probe box >"$work/box"; [ -s "$work/box" ] && return; sleep 0.3
  done
}
click() { xdotool mousemove $((ox + $1)) $((oy + $2)) click 1; sleep 0.4; }
# Waits for a message box, checks its caption and text, and presses Enter.
expect_box() {
  wait_box
  printf "$1\t$2" >"$work/want"
  cmp -s "$work/box" "$work/want" || fail "box: got '$(cat "$work/box")'"
  xdotool key Return; sleep 0.4
  [ -z "$(probe box)" ] || fail "box still open after Enter"
}

"$run" "$program" >/dev/null 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^体温单位换算$' | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window"; kill "$pid"; exit 1; }
sleep 0.5
set -- $(probe origin)
ox=$1 oy=$2
xdotool windowfocus --sync "$window"

# Type 38 into the first edit (it holds 37) and press F5.
click 292 159
xdotool key End BackSpace BackSpace
xdotool type 38
xdotool key F5; sleep 0.5
expect "verdict" '体温升高，结合症状判断' text 500 150
expect "result" '华氏温度：100.4 ℉\r\n绝对温度：311.15 K\r\n' text 600 300
drawn=0
for _ in 1 2 3 4 5 6 7 8 9 10; do
  [ "$(probe pixels 500 150 B08400)" -gt 20 ] && { drawn=1; break; }
  sleep 0.3
done
[ "$drawn" = 1 ] || fail "verdict not drawn in #B08400"

# Copy result, then read the clipboard.
click 394 688
expect "clipboard" '体温单位换算\r\n华氏温度：100.4 ℉\r\n绝对温度：311.15 K\r\n—— 体温升高，结合症状判断' clipboard

# Save record twice.
click 250 688
expect_box '已保存' '本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。'
click 250 688
expect_box '已保存' '本次结果已追加保存到本地记录（CSV，可用 Excel 打开）。'
if [ -f "$csv" ]; then
  [ "$(head -c 3 "$csv" | od -An -tx1 | tr -d ' ')" = "efbbbf" ] || fail "no byte-order mark"
  [ "$(grep -c '时间,工具,摄氏温度,结果' "$csv")" = 1 ] || fail "header not once"
  rows=$(grep -c '^[0-9-]* [0-9:]*,体温单位换算,摄氏温度=38,华氏温度：100.4 ℉'"$(printf '\r')"'$' "$csv")
  [ "$rows" = 2 ] || fail "$rows records instead of 2"
  lines=$(printf '\357\273\277时间,工具,摄氏温度,结果\r\n')
  [ "$(head -n 1 "$csv")" = "$lines" ] || fail "first line: $(head -n 1 "$csv" | od -c | head -n 3)"
else
  fail "no record file at $csv"
fi

# Reset, then About.
click 538 688
expect "edit after reset" '37' text 292 159
expect "verdict after reset" '填写左侧参数，点击“计算”' text 500 150
expect "result after reset" '' text 600 300
click 671 688
wait_box
printf '关于本工具\t体温单位换算\r\n\r\n分类：基础计算\r\n' >"$work/want"
head -c "$(wc -c <"$work/want")" "$work/box" | cmp -s - "$work/want" ||
  fail "About box: '$(cat "$work/box")'"
xdotool key Return; sleep 0.4

probe close
wait "$pid"; code=$?
[ "$code" = 0 ] || fail "exit code $code"
rm -f "$csv"
rm -rf "$work"
[ "$failures" = 0 ] && echo "end to end: all steps passed"
exit "$failures"
