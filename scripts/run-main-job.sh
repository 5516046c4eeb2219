#!/usr/bin/env bash
# The main job: batch generation and conversion of the bundled sample project.
set -euo pipefail
dir=${1:-build/release}
echo "KAVRO was built in $dir."
echo "The main job (batch generation and conversion of the sample project) is not available yet."
