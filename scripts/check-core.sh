#!/bin/sh
# The core's two rules that the compiler cannot check (CTest's core_includes_no_windows):
#  1. no file of the core includes anything under ui/ or app/;
#  2. the core keeps no process-wide mutable state: no mutable static or thread_local declaration in
#     its sources (named by file and line), and no object in a writable data section of its static
#     libraries (.data, .bss and their TLS forms: what a mutable namespace-scope or function-local
#     variable compiles to, whatever its spelling), except what the toolchain itself puts there.
#
# Usage: scripts/check-core.sh NM LIBRARY...   (run in the source folder; NM: the build's nm)
set -u
nm_tool=$1
shift
core="model state platform listings render/core edit/core inspect export api include"
found=$(mktemp)
trap 'rm -f "$found"' EXIT
status=0

if grep -rnE '#include [<"](ui|app)/' model state platform listings render edit inspect export api include; then
    echo "The core includes windows or program code (above)." >&2
    status=1
fi

# Sources: the word static (or thread_local) outside comments, where the declaration is neither
# const/constexpr/constinit nor a function (a "(" before any "=", ";" or "{").
find $core -name '*.cpp' -o -name '*.h' | sort | xargs awk '
    {
        code = $0
        sub(/\/\/.*/, "", code)
        if (code ~ /(^|[^_A-Za-z0-9])thread_local([^_A-Za-z0-9]|$)/) { print FILENAME ":" FNR ": " $0; next }
        rest = code
        found = 0
        while (match(rest, /(^|[^_A-Za-z0-9])static([^_A-Za-z0-9]|$)/)) {
            found = 1
            rest = substr(rest, RSTART + RLENGTH - 1)
        }
        if (!found) next
        sub(/^[ \t]+/, "", rest)
        if (rest ~ /^(inline[ \t]+)?(constexpr|const|constinit)([^_A-Za-z0-9]|$)/) next
        if (rest ~ /^[^=;{(]*\(/) next
        print FILENAME ":" FNR ": " $0
    }' >"$found"
if [ -s "$found" ]; then
    cat "$found"
    echo "Mutable static state declared in the core (above): make it const, or a member of what owns it." >&2
    status=1
fi
: >"$found"

# Libraries: every object in a writable data section. Allowed, because the toolchain writes them:
#   std::__ioinit                 the per-file initialiser of <iostream> (GCC)
#   DW.ref.*                      the exception tables' pointers to the personality routine and to
#                                 the types that catch clauses name
#   __odr_asan*, *asan_gen*, .LASAN*, .Lubsan*, __sancov*, __profc*, __profd*, __unnamed_*
#                                 what the sanitizers and coverage add to instrumented builds (clang
#                                 names the source locations of its checks __unnamed_N)
[ $# -gt 0 ] || { echo "No core library given to search." >&2; status=1; }
for lib in "$@"; do
    if ! "$nm_tool" -C --defined-only "$lib" >/dev/null; then
        echo "Cannot read the symbols of $lib." >&2
        status=1
    fi
    "$nm_tool" -C --defined-only -f sysv "$lib" | awk -F'|' -v lib="$(basename "$lib")" '
        /^Symbols from / { member = $0; sub(/^Symbols from ([^[]*\[)?/, "", member); sub(/\]?:.*$/, "", member); next }
        NF >= 7 {
            name = $1; section = $7
            gsub(/^[ \t]+|[ \t]+$/, "", name); gsub(/^[ \t]+|[ \t]+$/, "", section)
            if (section !~ /^(\.data|\.bss|\.tdata|\.tbss|\.tls|\*COM\*)([.$]|$)/) next
            if (section ~ /^\.data\.rel\.ro/ || name == section) next  # read-only, or the section symbol
            if (name == "std::__ioinit" || name ~ /^DW\.ref\./) next
            if (name ~ /^(__odr_asan|\.LASAN|\.Lubsan|__sancov|__profc_|__profd_|__unnamed_)/ || name ~ /asan_gen/) next
            print lib "(" member "): " name " in " section
        }' >>"$found"
done
if [ -s "$found" ]; then
    cat "$found"
    echo "Process-wide mutable state in the core's libraries (above)." >&2
    status=1
fi
exit $status
