#!/usr/bin/env bash
# The main job: batch generation and conversion of the bundled sample project, once into plain
# text scripts and once into a VORNAK exchange file. Everything it writes (scripts, the user's
# settings and folders of the run) lies in the build tree.
set -euo pipefail
dir=${1:-build/release}
kavro="$dir/bin/kavro"
project=examples/insurance/Insurance.xml
out="$dir/main-job"

rm -rf "$out"
mkdir -p "$out/home"
# The run's own settings and user folders, so that the job neither reads nor changes the user's.
export XDG_CONFIG_HOME="$out/home/config"
export XDG_DOCUMENTS_DIR="$out/home/Documents"

status=0
run() {
    local name=$1
    shift
    local start end
    start=$(date +%s.%N)
    echo "== $name: kavro $*"
    if "$kavro" "$@"; then
        end=$(date +%s.%N)
        awk -v name="$name" -v s="$start" -v e="$end" \
            'BEGIN { printf "== %s finished in %.2f s (load, generate, convert)\n\n", name, e - s }'
    else
        local code=$?
        echo "== $name failed with exit code $code"
        echo
        status=1
    fi
}

run "Plain text" -p "$project" -g -c PLAINTEXT -s "$out/scripts" -q
run "VORNAK exchange" -p "$project" -g -c VORNAK_XML -s "$out/vornak/Insurance.xml" -q

echo "Plain text scripts: $out/scripts"
find "$out/scripts" -type f 2>/dev/null | sort | sed 's/^/  /'
echo "VORNAK exchange file: $out/vornak/Insurance.xml"
exit $status
