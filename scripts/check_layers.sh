#!/usr/bin/env bash
# Checks that each layer includes only what it may see: the model itself, the C++
# standard library and Boost.Multiprecision; the 3-D view the model and no window; the tool the model and no Qt;
# the windows anything but the tool; the browser edition the model, the windows' CSV rows
# and the view's surface vertices, and no Qt. Names every include that breaks the rule.
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
check ui 'model/|view3d/|ui/|ui_Unit[0-9]+\.h$' any
# The browser edition: the model and the two Qt-free files it shares with the windows.
check web 'model/|ui/sweep_points\.h$|view3d/scene_frame\.h$|web/' no-qt

if ((${#failures[@]} > 0)); then
    echo "layers: includes that reach outside their layer (docs/architecture.md, Layers):" >&2
    printf '  %s\n' "${failures[@]}" >&2
    exit 1
fi
echo "layers: every include stays within its layer"
