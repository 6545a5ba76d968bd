#!/usr/bin/env bash
# The layer check against slips made in a scratch copy of the tree: each slip alone must
# fail the check and be named in its message; the untouched copy must pass.
set -euo pipefail
source_root=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fresh_copy() {
    rm -rf "$scratch/tree"
    mkdir "$scratch/tree"
    cp -r "$source_root"/{model,view3d,cli,ui} "$scratch/tree/"
}

# expect_failure DESCRIPTION PATTERN: the check fails on the copy and its message matches.
expect_failure() {
    if "$source_root/scripts/check_layers.sh" "$scratch/tree" >/dev/null 2>"$scratch/err"; then
        echo "not caught: $1" >&2
        exit 1
    fi
    if ! grep -qE "$2" "$scratch/err"; then
        echo "caught, but the message does not name it: $1" >&2
        cat "$scratch/err" >&2
        exit 1
    fi
}

fresh_copy
"$source_root/scripts/check_layers.sh" "$scratch/tree" >/dev/null

fresh_copy
echo '#include <QString>' >>"$scratch/tree/model/frame.h"
expect_failure "Qt in the model" 'model/frame.h:.*QString'

fresh_copy
echo '#include "ui/main_window.h"' >>"$scratch/tree/view3d/scene_view.h"
expect_failure "the 3-D view reaching a window" 'view3d/scene_view.h:.*ui/main_window.h'

fresh_copy
# The colours are a part of the map window; the part must not reach back up to it.
echo '#include "ui/map/probability_map_window.h"' >>"$scratch/tree/ui/map/colour_scale.h"
expect_failure "a loop of includes inside the windows" 'ui/map/colour_scale'

fresh_copy
touch "$scratch/tree/ui/Unit4.cpp"
expect_failure "a file named by form number" 'ui/Unit4.cpp'

fresh_copy
printf 'namespace brenvik {\nclass TForm4 {};\n}\n' >"$scratch/tree/ui/graph_extra.h"
expect_failure "a class named by form number" 'class TForm4'
echo "the layer check catches each slip"
