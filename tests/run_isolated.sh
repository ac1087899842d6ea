#!/bin/sh
# Runs one test program with a home, settings, data, cache, runtime and
# temporary folder of its own, removed afterwards. Test programs that ctest
# runs side by side therefore never share a settings file or a log file, and
# none of them writes into the user's real folders.
set -u
dir=$(mktemp -d "${TMPDIR:-/tmp}/pellaris-test.XXXXXX") || exit 1
trap 'rm -rf "$dir"' EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
for sub in home config data cache state runtime tmp; do
  mkdir "$dir/$sub" || exit 1
done
chmod 700 "$dir/runtime"
HOME="$dir/home"
XDG_CONFIG_HOME="$dir/config"
XDG_DATA_HOME="$dir/data"
XDG_CACHE_HOME="$dir/cache"
XDG_STATE_HOME="$dir/state"
XDG_RUNTIME_DIR="$dir/runtime"
TMPDIR="$dir/tmp"
export HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_RUNTIME_DIR TMPDIR
"$@"
