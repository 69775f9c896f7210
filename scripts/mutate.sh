#!/usr/bin/env bash
# Shows whether the tests catch faults: applies one small change (a mutant)
# at a time to a source file, rebuilds build/ incrementally, runs every test
# but the end-to-end ones, prints whether the tests killed the mutant or it
# survived, and restores the file.
#
#   scripts/mutate.sh [--only REGEX] [--build DIR] [--check] [--quick] [MUTANT_FILE]
#
# MUTANT_FILE (default scripts/mutants.txt) holds blocks separated by blank
# lines; "file:" carries over to the blocks after it until the next one:
#   file: path/from/the/root.cpp
#   what: one line saying what the fault would be
#   from: text that occurs exactly once in the file
#   to: its replacement (may be empty: the text is dropped)
#   | a further line of the "from:" or "to:" above it
#   tests: the folders of the tests to try first, as an extended regex
#          matched against each test program's folder (contacts|characters)
# --only runs the mutants whose file or description matches REGEX; --check
# only tries whether each mutant still applies, without building; --quick
# runs only the tests a mutant names, not every other test after them.
# The results also go to <build>/mutants-result.txt. Exits 0 whatever
# survives: the list is for reading, not a verdict.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
only=
check=
quick=
data=scripts/mutants.txt
while [ $# -gt 0 ]; do
  case "$1" in
    --only) only=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --check) check=1; shift ;;
    --quick) quick=1; shift ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) data=$1; shift ;;
  esac
done

# Windows need a display; without one the whole run moves onto a virtual one.
if [ -z "${DISPLAY:-}" ] && [ -z "$check" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --build "$build" ${only:+--only "$only"} \
    ${quick:+--quick} "$data"
fi

# The mutants are written into the checkout's own sources.
source scripts/lock.sh
lock_checkout mutate.sh
[ -f "$build/CMakeCache.txt" ] || scripts/build.sh "$build" >/dev/null
results=$build/mutants-result.txt
: >"$results"
backup=$(mktemp)
current=
trap '[ -n "$current" ] && cp "$backup" "$current"; rm -f "$backup"' EXIT

build_quietly() {
  cmake --build "$build" --parallel "$(nproc)" "$@" >"$build/mutant-build.log" 2>&1
}

# "number<TAB>program" of every test ctest knows, in ctest's numbering.
# A test whose program was never built has a name but no command; it still
# takes a number, so each name counts, at the indentation of a test's own keys.
test_table() {
  ctest --test-dir "$build" --show-only=json-v1 |
    awk '/^      "command" : *$/ { getline; getline; gsub(/[ ",]/, ""); program = $0 }
         /^      "name" : / { print ++n "\t" program; program = "" }'
}

# Numbers of the tests whose program lies in a folder matching $1 (an
# extended regex), or in none when $2 is "not"; the end-to-end tests never.
tests_in() {
  test_table | awk -F '\t' -v folders="/($1)/[^/]*$" -v not="${2:-}" \
    '$2 !~ /\/e2e\/[^\/]*$/ && (($2 ~ folders) != (not == "not")) { print $1 }'
}

run_tests() {
  [ $# -gt 0 ] || return 0
  local list
  list=$(printf '%s,' "$@")
  ctest --test-dir "$build" --timeout 120 -j "$(nproc)" --stop-on-failure -Q \
    -I "0,0,0,${list%,}" >/dev/null 2>&1
}

# Builds what the tests to be run need: with --quick only the programs of the
# named tests, which spares relinking every game, tool and benchmark.
build_for() {
  local first=$1 programs=()
  if [ -n "$quick" ] && [ -n "$first" ]; then
    mapfile -t programs < <(test_table | awk -F '\t' -v folders="/($first)/[^/]*$" \
      '$2 ~ folders { n = split($2, part, "/"); print part[n] }' | sort -u)
  fi
  built+=("${programs[@]}")
  build_quietly ${programs[@]:+--target "${programs[@]}"}
}

tests_pass() {
  local first=$1 named=() rest=()
  if [ -n "$first" ]; then
    mapfile -t named < <(tests_in "$first")
    run_tests "${named[@]}" || return 1
    [ -z "$quick" ] || return 0
    mapfile -t rest < <(tests_in "$first" not)
  else
    mapfile -t rest < <(tests_in "^$" not)
  fi
  run_tests "${rest[@]}"
}

report() {
  printf '%-9s %s: %s\n' "$1" "$2" "$3" | tee -a "$results"
}

# Replaces the one occurrence of $2 in file $1 by $3; fails when the text is
# not there exactly once.
apply_mutant() {
  local file=$1 from=$2 to=$3 content
  content=$(cat "$file"; printf x)
  content=${content%x}
  case "$content" in *"$from"*) ;; *) return 1 ;; esac
  local before=${content%%"$from"*} after=${content#*"$from"}
  case "$after" in *"$from"*) return 1 ;; esac
  printf '%s' "$before$to$after" >"$file"
}

run_mutant() {
  local file=$1 what=$2 from=$3 to=$4 first=$5
  if [ -n "$only" ] && ! [[ "$file: $what" =~ $only ]]; then
    return 0
  fi
  cp "$file" "$backup"
  current=$file
  if ! apply_mutant "$file" "$from" "$to"; then
    current=
    report stale "$file" "$what (its text is not there exactly once)"
    return 0
  fi
  if [ -n "$check" ]; then
    cp "$backup" "$file"
    current=
    report applies "$file" "$what"
    return 0
  fi
  if ! build_for "$first"; then
    report invalid "$file" "$what (does not build)"
  elif tests_pass "$first"; then
    report survived "$file" "$what"
  else
    report killed "$file" "$what"
  fi
  cp "$backup" "$file"
  current=
}

file='' what='' from='' to='' first='' have_from='' last=''
built=()
flush() {
  if [ -n "$have_from" ]; then
    run_mutant "$file" "$what" "$from" "$to" "$first"
  fi
  what='' from='' to='' first='' have_from=''
}
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    '#'*) ;;
    '') flush ;;
    'file: '*) file=${line#file: } ;;
    'what: '*) what=${line#what: } ;;
    'from: '*) from=${line#from: }; have_from=1; last=from ;;
    'to:'*) to=${line#to:}; to=${to# }; last=to ;;
    'tests: '*) first=${line#tests: } ;;
    '|'*)
      more=${line#|}
      more=${more# }
      if [ "$last" = from ]; then from+=$'\n'$more; else to+=$'\n'$more; fi
      ;;
    *) echo "mutate.sh: $data: cannot read the line: $line" >&2; exit 2 ;;
  esac
done <"$data"
flush

# Leave the build as the sources are; a quick run rebuilds only the test
# programs it built, so those never keep a mutant compiled in.
if [ -n "$quick" ] && [ ${#built[@]} -gt 0 ]; then
  mapfile -t built < <(printf '%s\n' "${built[@]}" | sort -u)
  build_quietly --target "${built[@]}" || true
elif [ -z "$check$quick" ]; then
  build_quietly || true
fi
echo "killed $(grep -c '^killed' "$results" || true), survived $(grep -c '^survived' "$results" || true)," \
  "stale $(grep -c "^stale" "$results" || true), invalid $(grep -c "^invalid" "$results" || true)${check:+, applies $(grep -c "^applies" "$results" || true)}"
