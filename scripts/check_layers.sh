#!/usr/bin/env bash
# Checks that each layer includes only what it may see: the model itself, the C++
# standard library and Boost.Multiprecision; the 3-D view the model and no window; the tool the model and no Qt;
# the windows anything but the tool, save its option library; the browser edition the model,
# the windows' CSV rows, the map's colours and contours, the view's surface vertices,
# rotation and camera and the tool's option parser, and no Qt. Names every include that breaks the rule.
# With a folder as argument it checks that tree instead of the repository.
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"

# The C++ standard library's headers (C++20), and the C library's in their C++ form.
standard=(
    algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex
    concepts condition_variable coroutine deque exception execution expected filesystem
    format forward_list fstream functional future initializer_list iomanip ios iosfwd
    iostream istream iterator latch limits list locale map memory memory_resource mutex new
    numbers numeric optional ostream queue random ranges ratio regex scoped_allocator
    semaphore set shared_mutex source_location span sstream stack stdexcept stop_token
    streambuf string string_view syncstream system_error thread tuple type_traits typeindex
    typeinfo unordered_map unordered_set utility valarray variant vector version
    cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal
    cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype
)
standard_pattern="^($(
    IFS='|'
    echo "${standard[*]}"
))$"

failures=()
# check FOLDER QUOTED_PREFIXES ANGLE_RULE: ANGLE_RULE is "standard" (the standard library
# only), "no-qt" (anything but Qt and OpenGL) or "any".
check() {
    local folder=$1 allowed=$2 angle_rule=$3 file line target
    [ -d "$folder" ] || return 0
    while IFS=: read -r file line target; do
        if [[ $target == \"* ]]; then
            target=${target#\"}
            target=${target%%\"*}
            [[ $target =~ ^($allowed) ]] && continue
        else
            target=${target#<}
            target=${target%%>*}
            case $angle_rule in
            # Boost.Multiprecision's headers: the extended type on processors without x87.
            standard) [[ $target =~ $standard_pattern || $target =~ ^boost/multiprecision/ ]] && continue ;;
            no-qt) [[ $target =~ ^(Q|GL/) ]] || continue ;;
            any) continue ;;
            esac
        fi
        failures+=("$file:$line: $target")
    done < <(grep -rnoE --include='*.h' --include='*.cpp' '^#include [<"][^>"]+[>"]' "$folder" |
        sed -E 's/#include //')
}

check model 'model/' standard
check view3d 'model/|view3d/' any
check cli 'model/|cli/' no-qt
# The windows take the desktop program's command line from the tool's option library
# (Qt-free: the table, its parser and help pages), and nothing else of the tool.
check ui 'model/|view3d/|ui/|cli/(options|parse_options|help)\.h$|ui_[a-z_]+\.h$' any
# The browser edition: the model, the Qt-free files it shares with the windows and the
# view, and the tool's option parser, which reads a link's preset.
check web 'model/|ui/(sweep_points|graph_geometry|sweep_locked_controls)\.h$|ui/map/(viridis_scale|map_contour_pieces)\.h$|view3d/(scene_frame|view_rotation|camera)\.h$|cli/parse_options\.h$|web/' no-qt

if ((${#failures[@]} > 0)); then
    echo "layers: includes that reach outside their layer (docs/architecture.md, Layers):" >&2
    printf '  %s\n' "${failures[@]}" >&2
    exit 1
fi
echo "layers: every include stays within its layer"

# Inside a layer the files form layers of their own: a file (its .h and .cpp taken as one)
# never includes one that includes it, directly or through others, so the parts below
# never reach back up to what uses them. tsort names a loop of includes if there is one.
for folder in model view3d cli ui web/wasm; do
    [ -d "$folder" ] || continue
    loop=$(grep -rnoE --include='*.h' --include='*.cpp' '^#include "[^"]+\.h"' "$folder" |
        sed -E 's/^([^:]+)\.(h|cpp):[0-9]+:#include "([^"]+)\.h"$/\1 \3/' |
        awk '$1 != $2' | tsort 2>&1 >/dev/null || true)
    if [ -n "$loop" ]; then
        echo "layers: files in $folder/ that include one another in a loop:" >&2
        echo "$loop" | grep -v '^tsort: -: input contains a loop:$' | sed 's/^tsort: /  /' >&2
        exit 1
    fi
done
echo "layers: no file includes one that includes it"

# The windows are named by what they are; only the forms' generated classes (Ui::TForm1 …)
# keep the forms' names.
old_names=$(find model view3d ui cli web tests bench resources -name node_modules -prune -o \
    -regextype posix-extended -regex '.*/(Unit[0-9]|TForm)[^/]*' -print 2>/dev/null || true)
old_classes=$(grep -rnE --include='*.h' --include='*.cpp' '^\s*(class|struct) (TForm[0-9]|TAboutBox|Unit[0-9])\b' \
    model view3d ui cli web tests bench 2>/dev/null || true)
if [ -n "$old_names$old_classes" ]; then
    echo "layers: files or classes named by form number instead of by what they are:" >&2
    printf '%s\n' $old_names "$old_classes" | sed '/^$/d; s/^/  /' >&2
    exit 1
fi
echo "layers: files and classes are named by what they are"
