#!/bin/bash
# `make mutants`: applies each deliberate fault of tools/mutants.list to a scratch copy of the
# tree, builds it, runs the test programs that should catch it, and says whether they did.
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

run_tests() {
    local spec program filter
    for spec in $1; do
        if [[ $spec == ctest:* ]]; then
            ctest --test-dir "$dir" -R "^${spec#ctest:}\$" --output-on-failure || return 1
            continue
        fi
        program=${spec%%:*}
        filter=""
        [ "$spec" != "$program" ] && filter="--gtest_filter=${spec#*:}"
        (cd "$dir/bin" && timeout 600 "$top/tools/wine-env.sh" exec "$wine" "$program.exe" \
            $filter --gtest_brief=1) || return 1
    done
    return 0
}

read_list
sync_tree
cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-$arch.cmake" \
    -DQUILLET_WINE_TESTS=ON -DQUILLET_BUILD_BENCH=OFF >/dev/null || exit 2
cmake --build "$dir" >"$log/build.log" 2>&1 || { echo "the unchanged tree does not build"; exit 2; }
tools/wine-env.sh start "$wine" --headless || exit 2
trap 'tools/wine-env.sh stop "$wine"' EXIT

# Every test named in the list passes on the tree as it is: a test that fails by itself would
# count any mutant as killed.
baseline=$(printf '%s\n' "${tests[@]}" | tr ' ' '\n' | sort -u | tr '\n' ' ')
if ! run_tests "$baseline" >"$log/baseline.log" 2>&1; then
    echo "the tests fail on the unchanged tree ($log/baseline.log)"
    exit 2
fi

killed=0 survived=0 broken=0
start=$(date +%s)
for i in "${!names[@]}"; do
    name=${names[$i]}
    [ -n "$only" ] && [[ $name != *"$only"* ]] && continue
    file=$src/${files[$i]}
    cp -p "$file" "$work/original"
    if ! apply "$file" "${froms[$i]}" "${tos[$i]}" >"$work/mutated"; then
        printf 'BROKEN    %s: its text is not found once in %s\n' "$name" "${files[$i]}"
        broken=$((broken + 1))
        continue
    fi
    cp "$work/mutated" "$file"
    targets=()
    # A ctest: check (the binaries, the import gate) needs the whole tree built.
    for spec in ${tests[$i]}; do targets+=(--target "${spec%%:*}"); done
    [[ " ${tests[$i]}" == *" ctest:"* ]] && targets=()
    slug=$(tr -c 'A-Za-z0-9' _ <<<"$name" | cut -c1-60)
    if ! cmake --build "$dir" "${targets[@]}" >"$log/$slug.build" 2>&1; then
        printf 'BROKEN    %s: does not build (%s)\n' "$name" "$log/$slug.build"
        broken=$((broken + 1))
    elif run_tests "${tests[$i]}" >"$log/$slug.log" 2>&1; then
        printf 'SURVIVED  %s (%s)\n' "$name" "$log/$slug.log"
        survived=$((survived + 1))
    else
        printf 'killed    %s\n' "$name"
        killed=$((killed + 1))
    fi
    # Back to the original text, with a new time so that the next build compiles it again.
    cp "$work/original" "$file"
    touch "$file"
    # A test stopped halfway can leave its programs behind; they would disturb the next one.
    if pgrep -f 'Quillet99.exe|q99target.exe' >/dev/null; then
        tools/wine-env.sh start "$wine" --headless
    fi
done
printf 'Mutants: %d killed, %d survived, %d broken, in %d s\n' "$killed" "$survived" "$broken" \
    $(($(date +%s) - start))
[ "$survived" -eq 0 ] && [ "$broken" -eq 0 ]
