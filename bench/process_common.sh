# Helpers of the benchmark scripts (process.sh, process_compare.sh,
# proof_cost.sh, hot_functions.sh), sourced by them from the source root
# with $build set to the build whose bench/zep_spawn and
# bench/zep_bench_models_write they use.

# Exits unless each argument is an executable file (a path) or a command
# on the PATH (a bare name, such as valgrind).
need_programs() {
    local prog
    for prog in "$@"; do
        if [[ $prog == */* ]]; then
            [ -x "$prog" ] || { echo "missing $prog: build it first"; exit 1; }
        else
            command -v "$prog" >/dev/null || { echo "$prog not found"; exit 1; }
        fi
    done
}

# Writes the benchmark models into a fresh directory, removed at exit;
# sets $dir to it and $models to the models' names.
write_models() {
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
    models=$("$build/bench/zep_bench_models_write" "$dir")
}

# Appends the milliseconds of one run of the command to the file $1
# (with --faults before the command, also its minor page faults).
time_run() {
    local log=$1
    shift
    "$build/bench/zep_spawn" "$@" >> "$log" || { echo "failed: $*"; exit 1; }
}

# The median of the numbers in column $2 (default 1) of the file $1.
median() {
    awk -v c="${2:-1}" '{ print $c }' "$1" | sort -g |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
