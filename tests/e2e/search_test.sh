#!/usr/bin/env bash
# tavro_search with a stand-in xdotool: a search that ends on an X error (a
# window destroyed while xdotool read it) is made again; a search that finds
# nothing is not.
#
#   tests/e2e/search_test.sh
set -uo pipefail
source "$(dirname "$0")/helpers.sh"
failures=0
check() { [ "$2" = "$3" ] || { echo "FAIL [$1]: expected '$3', got '$2'"; failures=$((failures + 1)); }; }

mkdir "$work/bin"
# The stand-in answers, call by call, with the lines of $work/answers: "error",
# "none" or a window id.
cat >"$work/bin/xdotool" <<'STANDIN'
#!/usr/bin/env bash
calls=$(($(cat "$ANSWERS.calls" 2>/dev/null || echo 0) + 1))
echo "$calls" >"$ANSWERS.calls"
answer=$(sed -n "${calls}p" "$ANSWERS")
case $answer in
  error) echo "X Error of failed request:  BadWindow (invalid Window parameter)" >&2; exit 1 ;;
  none | "") exit 1 ;;
  *) echo "$answer" ;;
esac
STANDIN
chmod +x "$work/bin/xdotool"
export PATH=$work/bin:$PATH ANSWERS=$work/answers

search() {
  printf '%s\n' "$@" >"$ANSWERS"
  rm -f "$ANSWERS.calls"
  found=$(tavro_search --onlyvisible --name x) && status=0 || status=$?
  calls=$(cat "$ANSWERS.calls")
}
search error error 4194305
check "found after two X errors" "$found/$status/$calls" "4194305/0/3"
search none 4194305
check "nothing found: no second search" "$found/$status/$calls" "/1/1"
search error none
check "an X error, then nothing" "$found/$status/$calls" "/1/2"
grep -q BadWindow "$work/xdotool-search.log"
check "the X errors are logged" "$?" "0"

[ "$failures" -eq 0 ] || exit 1
echo "ok: tavro_search"
