#!/usr/bin/env bash
# Compiles the Japanese help of Zelvo into help/help.chm with chmcmd
# (Debian package fp-utils). Runnable from any folder:
#
#   help/build-help.sh
#
# help.chm is committed; the program build only copies it beside the program.
#
# Encoding: the sources in this folder are kept in UTF-8 so that they read and
# diff well in the repository, but the compiled file holds Shift_JIS (CP932).
# Why CP932: a CHM carries no encoding of its own for its table of contents,
# index, window title and search data; viewers take those from the language id
# of the project (0x411 Japanese -> code page 932). Pages in CP932 with a
# matching <meta> charset therefore agree with the rest of the file in every
# viewer, old Windows HTML Help as well as xchm/kchmviewer, whereas UTF-8 pages
# would work in modern viewers only and leave the table of contents garbled in
# the classic one. So each text source is copied to a scratch folder, its
# "charset=UTF-8" is turned into "charset=Shift_JIS", it is converted with
# iconv to CP932 (which fails loudly on any character CP932 cannot hold), and
# chmcmd compiles that copy.
#
# chmcmd stamps the build time into the file, so every run changes help.chm a
# little even when the sources did not change: commit it only with them.
set -euo pipefail

help_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
project=zelvo.hhp
output=help.chm

for tool in chmcmd iconv; do
    command -v "$tool" >/dev/null || {
        echo "build-help: '$tool' is needed (apt-get install fp-utils libc-bin)" >&2
        exit 1
    }
done

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

# Text sources: converted to CP932. The style sheet must stay ASCII.
for src in "$help_dir"/*.html "$help_dir"/zelvo.hhc "$help_dir"/zelvo.hhk "$help_dir/$project"; do
    name="$(basename "$src")"
    sed 's/charset=UTF-8/charset=Shift_JIS/I' "$src" | iconv -f UTF-8 -t CP932 >"$stage/$name" || {
        echo "build-help: $name cannot be converted to CP932" >&2
        exit 1
    }
done
if LC_ALL=C grep -q '[^[:print:][:space:]]' "$help_dir/style.css"; then
    echo "build-help: style.css must be ASCII only" >&2
    exit 1
fi
cp "$help_dir/style.css" "$stage/"

(cd "$stage" && chmcmd --verbosity 1 "$project") >"$stage/chmcmd.log" 2>&1 || {
    cat "$stage/chmcmd.log" >&2
    echo "build-help: chmcmd failed" >&2
    exit 1
}
# chmcmd starts its complaints (a linked file that is missing, ...) with
# "Warning:" or "Error:"; its "Note:" lines are only progress.
if grep -qE '^(Warning|Error)' "$stage/chmcmd.log"; then
    cat "$stage/chmcmd.log" >&2
    echo "build-help: chmcmd reported problems" >&2
    exit 1
fi
[[ -s "$stage/$output" ]] || { echo "build-help: chmcmd wrote no $output" >&2; exit 1; }

cp "$stage/$output" "$help_dir/$output"
echo "build-help: wrote $help_dir/$output ($(stat -c %s "$help_dir/$output") bytes)"
