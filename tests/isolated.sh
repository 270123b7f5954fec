#!/usr/bin/env bash
# Runs one test with a fresh home and XDG folders, removed afterwards.
set -u
tmp=$(mktemp -d "${TMPDIR:-/tmp}/vorlan-test.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/home" "$tmp/data" "$tmp/config" "$tmp/runtime" "$tmp/cache"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
       XDG_RUNTIME_DIR="$tmp/runtime" XDG_CACHE_HOME="$tmp/cache" VORLAN_TEST_TMP="$tmp"
unset VORLAN_SIM_DIR
"$@"
