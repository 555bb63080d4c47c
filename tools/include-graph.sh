#!/bin/bash
# The include graph of the host's modules (app/FOLDER/NAME.h and .cpp are one module). Prints
# every circle (modules that reach each other through their includes) and fails on one that
# spans two layers, where a lower layer reaches up. A folder is a layer, but for features/ and
# settings_ui/, the menus and dialogs, which open each other: modules of one layer may call each
# other.
set -euo pipefail
cd "$(dirname "$0")/../app"
export LC_ALL=C

failures=0
# The layers below the rest include only what lies beside or below them: config/ the resource
# ids and the hook's feature codes besides itself; the base nothing of the program.
below() {
    local allowed=$1 found
    shift
    found=$(grep -H '^#include "' "$@" | grep -v -E "\"($allowed)\.h\"" || true)
    [ -z "$found" ] && return
    echo "FAIL: includes above their layer:"
    echo "$found" | sed 's/^/  /'
    failures=1
}
below 'config/[a-z_]+|resources/resource_ids|hook/host_messages' config/*.cpp config/*.h
below 'core/host|core/timers' core/host.* core/timers.*

awk -F'"' '/^#include "[a-z_]+\/[a-z0-9_]+\.h"/ {
    module = FILENAME; sub(/\.[a-z]+$/, "", module); sub(/\.h$/, "", $2); print module, $2
}' */*.cpp */*.h | sort -u | awk -v failures=$failures '
    function node(name) {
        if (!(name in id)) { id[name] = ++n; names[n] = name }
        return id[name]
    }
    function layer(name) {
        sub(/\/.*/, "", name)
        return name == "settings_ui" ? "features" : name
    }
    $1 != $2 { a = node($1); b = node($2); link[a, b] = reach[a, b] = 1 }
    # The shortest way back from one module to another, as "a -> b -> ...".
    function path(from, to,    queue, head, tail, before, at, j, text) {
        split("", before); queue[tail = 1] = from; before[from] = 0
        for (head = 1; head <= tail && !(to in before); ++head)
            for (j = 1; j <= n; ++j)
                if ((queue[head], j) in link && !(j in before)) {
                    before[j] = queue[head]
                    queue[++tail] = j
                }
        for (text = names[at = to]; at != from; text = names[at] " -> " text) at = before[at]
        return text
    }
    END {
        for (k = 1; k <= n; ++k)
            for (i = 1; i <= n; ++i)
                if ((i, k) in reach)
                    for (j = 1; j <= n; ++j)
                        if ((k, j) in reach) reach[i, j] = 1
        for (i = 1; i <= n; ++i) {
            if (i in done) continue
            members = names[i]; size = 1; layers = 0; split("", seen); split("", in_circle)
            seen[layer(names[i])] = in_circle[i] = 1
            for (j = i + 1; j <= n; ++j)
                if ((i, j) in reach && (j, i) in reach) {
                    done[j] = in_circle[j] = 1; members = members " " names[j]; ++size
                    seen[layer(names[j])] = 1
                }
            if (size == 1) continue
            for (f in seen) ++layers
            ++circles
            printf "%s: circle of %d: %s\n", (layers > 1 ? "FAIL" : "within one layer"), size, members
            if (layers == 1) continue
            ++failures
            # The shortest round through an include that crosses layers shows where to cut.
            shortest = ""
            for (a in in_circle)
                for (b in in_circle)
                    if ((a, b) in link && layer(names[a]) != layer(names[b])) {
                        round = names[a] " -> " path(b + 0, a + 0)
                        if (shortest == "" || split(round, x, " -> ") < split(shortest, x, " -> "))
                            shortest = round
                    }
            printf "  for example %s\n", shortest
        }
        printf "%d circle(s) among %d modules\n", circles, n
        exit failures != 0
    }'
