#!/bin/bash
# `make mutants`: applies each deliberate fault of tools/mutants.list to a scratch copy of the
# tree, builds it, runs the test programs that should catch it, and says whether they did.
# Only a failure that a test reports kills a mutant; one whose tests time out twice, do not
# build or end without a verdict is counted as such, and the run then fails as well.
#
#   mutants.sh [NAME_PATTERN]     only the mutants whose name contains NAME_PATTERN
#
# The scratch tree (build/mutants/src) and its build (build/mutants/build) are kept between
# runs, so each mutant costs an incremental build and its own tests, not a full run.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$PWD
only=${1:-}
arch=$(tools/wine-env.sh arch)
work=$top/build/mutants
src=$work/src
dir=$work/build
wine=$dir/wine
checks=$work/build-i686
[ "$arch" = i686 ] && checks=$dir
log=$work/log
mkdir -p "$work" "$log"

# A fresh copy of the tree as it stands, with its times kept so that the build stays
# incremental. A file that differs from the copy is copied anew and so gets rebuilt.
sync_tree() {
    mkdir -p "$src"
    git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
        [ -f "$file" ] || continue
        if ! cmp -s "$file" "$src/$file"; then
            mkdir -p "$src/$(dirname "$file")"
            cp -p "$file" "$src/$file"
            touch "$src/$file"
        fi
    done
}

# Reads the list into parallel arrays. A mutant is a block:
#   # what the fault breaks
#   @ FILE TEST_PROGRAM[:GTEST_FILTER] [TEST_PROGRAM[:GTEST_FILTER]...]   or ctest:TEST_NAME
#   < original line (one or more, matched exactly once in FILE)
#   > replacement line (none or more)
names=() files=() tests=() froms=() tos=()
read_list() {
    local name="" file="" test="" from="" to="" line
    flush() {
        if [ -n "$file" ]; then
            names+=("$name") files+=("$file") tests+=("$test") froms+=("$from") tos+=("$to")
        fi
        name="" file="" test="" from="" to=""
    }
    while IFS= read -r line || [ -n "$line" ]; do
        case $line in
        "# "*) flush; name=${line#\# } ;;
        "@ "*) read -r file test <<<"${line#@ }" ;;
        "< "*) from+="${line#< }"$'\n' ;;
        "<") from+=$'\n' ;;
        "> "*) to+="${line#> }"$'\n' ;;
        ">") to+=$'\n' ;;
        esac
    done <tools/mutants.list
    flush
}

# Replaces the one occurrence of the original text; fails when it is missing or not unique.
apply() {
    local file=$1 from=$2 to=$3
    FROM=$from TO=$to perl -0777 -e '
        my $text = <>; my ($from, $to) = ($ENV{FROM}, $ENV{TO});
        $from =~ s/\n$//; $to =~ s/\n$//;
        my $count = () = $text =~ /\Q$from\E/g;
        if ($count != 1) { print $text; exit 3; }
        $text =~ s/\Q$from\E/$to/; print $text;' "$file"
}

# One test: "pass", "killed" (a test reported a failure: a gtest assertion's "Failure" or a
# "[  FAILED  ]" line, or a check of ctest's that failed by its own verdict), "timeout", or
# "broken" (it did not run, or ended without a verdict). ctest:NAME runs that CTest test as CTest
# runs it, in its own prefix; the checks without Wine (binaries, import_gate) run on the i686
# tree, which has the import gate.
run_one() {
    local spec=$1 out=$2 name program rc
    if [[ $spec == ctest:* ]]; then
        name=${spec#ctest:}
        local tree=$dir
        [[ $name == binaries || $name == import_gate ]] && tree=$checks
        ctest --test-dir "$tree" -R "^$name\$" --output-on-failure --no-tests=error >"$out" 2>&1
        rc=$?
        if grep -q '\*\*\*Timeout' "$out"; then echo timeout
        elif [ $rc -eq 0 ]; then echo pass
        elif grep -q '\*\*\*Failed' "$out" && { ! grep -q '^\[==========\]' "$out" ||
            grep -q -e '^\[  FAILED  \]' -e ': Failure$' "$out"; }; then echo killed
        else echo broken; fi
        return
    fi
    program=${spec%%:*}
    local filter=()
    [ "$spec" != "$program" ] && filter=("--gtest_filter=${spec#*:}")
    (cd "$dir/bin" && timeout 600 "$top/tools/wine-env.sh" exec "$wine" "$program.exe" \
        "${filter[@]}" --gtest_brief=1) >"$out" 2>&1
    rc=$?
    if [ $rc -eq 124 ]; then echo timeout
    elif [ $rc -eq 0 ]; then echo pass
    elif grep -q -e '^\[  FAILED  \]' -e ': Failure$' "$out"; then echo killed
    else echo broken; fi
}

# A mutant's tests in turn, each timed-out one once more: the first that reports a failure
# kills it.
run_tests() {
    local spec verdict worst=pass n=0
    : >"$2"
    for spec in $1; do
        n=$((n + 1))
        verdict=$(run_one "$spec" "$2.$n")
        [ "$verdict" = timeout ] && verdict=$(run_one "$spec" "$2.$n")
        cat "$2.$n" >>"$2"
        [ "$verdict" = killed ] && { echo killed; return; }
        [ "$verdict" != pass ] && worst=$verdict
    done
    echo "$worst"
}

read_list
sync_tree
# The mutants chosen, and whether their tests need the i686 tree of the checks.
chosen=() with_checks=0
for i in "${!names[@]}"; do
    [ -n "$only" ] && [[ ${names[$i]} != *"$only"* ]] && continue
    chosen+=("$i")
    [[ " ${tests[$i]} " =~ \ ctest:(binaries|import_gate)\  ]] && with_checks=1
done
[ ${#chosen[@]} -gt 0 ] || { echo "no mutant's name contains '$only'"; exit 2; }
configure() { # TREE ARCH WINE_TESTS
    cmake -S "$src" -B "$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-$2.cmake" \
        -DQUILLET_WINE_TESTS="$3" -DQUILLET_BUILD_BENCH=OFF >/dev/null
}
configure "$dir" "$arch" ON || exit 2
cmake --build "$dir" >"$log/build.log" 2>&1 || { echo "the unchanged tree does not build"; exit 2; }
if [ "$with_checks" = 1 ] && [ "$checks" != "$dir" ]; then
    configure "$checks" i686 OFF && cmake --build "$checks" >>"$log/build.log" 2>&1 ||
        { echo "the unchanged tree does not build for i686"; exit 2; }
fi
tools/wine-env.sh start "$wine" --headless || exit 2
trap 'tools/wine-env.sh stop "$wine"' EXIT

# Builds what these tests need: the programs they name, a whole tree for a ctest test.
build_for() {
    local spec targets=() whole=0 checks_too=0
    for spec in $1; do
        case $spec in
        ctest:binaries | ctest:import_gate) checks_too=1 ;;
        ctest:*) whole=1 ;;
        *) targets+=(--target "${spec%%:*}") ;;
        esac
    done
    # Where the checks' tree is the tests' own, the checks want all of it built.
    [ "$checks_too" = 1 ] && [ "$checks" = "$dir" ] && whole=1
    [ "$whole" = 1 ] && targets=()
    if [ "$whole" = 1 ] || [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$dir" "${targets[@]}" || return 1
    fi
    [ "$checks_too" = 0 ] || [ "$checks" = "$dir" ] || cmake --build "$checks"
}

# Every test of the chosen mutants passes on the tree as it is: a test that fails by itself
# would count any mutant as killed.
baseline=$(for i in "${chosen[@]}"; do echo "${tests[$i]}"; done | tr ' ' '\n' | sort -u |
    tr '\n' ' ')
# Under load a test can fail once by itself: each that fails runs once more, and is named.
: >"$log/baseline.log"
for spec in $baseline; do
    verdict=$(run_one "$spec" "$log/baseline.one")
    [ "$verdict" = pass ] || { echo "the unchanged tree fails $spec once ($verdict): once more"
        cat "$log/baseline.one" >>"$log/baseline.log"; verdict=$(run_one "$spec" "$log/baseline.one"); }
    cat "$log/baseline.one" >>"$log/baseline.log"
    if [ "$verdict" != pass ]; then
        echo "the tests do not pass on the unchanged tree: $spec $verdict ($log/baseline.log)"
        exit 2
    fi
done

killed=0 survived=0 timedout=0 broken=0
start=$(date +%s)
for i in "${chosen[@]}"; do
    name=${names[$i]}
    file=$src/${files[$i]}
    cp -p "$file" "$work/original"
    if ! apply "$file" "${froms[$i]}" "${tos[$i]}" >"$work/mutated"; then
        printf 'BROKEN    %s: its text is not found once in %s\n' "$name" "${files[$i]}"
        broken=$((broken + 1))
        continue
    fi
    cp "$work/mutated" "$file"
    slug=$(tr -c 'A-Za-z0-9' _ <<<"$name" | cut -c1-60)
    if ! build_for "${tests[$i]}" >"$log/$slug.build" 2>&1; then
        printf 'BROKEN    %s: does not build (%s)\n' "$name" "$log/$slug.build"
        broken=$((broken + 1))
    else
        case $(run_tests "${tests[$i]}" "$log/$slug.log") in
        killed) printf 'killed    %s\n' "$name"; killed=$((killed + 1)) ;;
        pass) printf 'SURVIVED  %s (%s)\n' "$name" "$log/$slug.log"; survived=$((survived + 1)) ;;
        timeout) printf 'TIMEOUT   %s: timed out twice (%s)\n' "$name" "$log/$slug.log"
            timedout=$((timedout + 1)) ;;
        *) printf 'BROKEN    %s: no test reported a verdict (%s)\n' "$name" "$log/$slug.log"
            broken=$((broken + 1)) ;;
        esac
    fi
    # Back to the original text, with a new time so that the next build compiles it again.
    cp "$work/original" "$file"
    touch "$file"
    # A test stopped halfway can leave its programs behind; they would disturb the next one.
    if pgrep -f 'Quillet99.exe|q99target.exe' >/dev/null; then
        tools/wine-env.sh start "$wine" --headless
    fi
done
printf 'Mutants: %d killed, %d survived, %d timeout, %d broken, in %d s\n' "$killed" "$survived" \
    "$timedout" "$broken" $(($(date +%s) - start))
[ "$survived" -eq 0 ] && [ "$timedout" -eq 0 ] && [ "$broken" -eq 0 ]
