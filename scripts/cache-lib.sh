# Sourced by the scripts that build a library into the cache once. A build
# lives in $cache/NAME-KEY, KEY a hash of everything that makes it (version,
# features, patches, toolchain), so that a changed input builds anew instead
# of reusing an old result. Builds of the same NAME wait for each other
# (flock), work in a folder of their own key and rename the result into place
# only when complete: a second run never destroys a build in progress, a
# killed one leaves nothing that looks finished, and a failed or killed one
# of the same key can be resumed from its work folder.
cache=${ABACOR_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/abacor}
# A source package that cannot be fetched (no network): the callers say
# SKIPPED instead of failing.
CACHE_NO_SOURCE=75

# cache_key TEXT...: 16 hex digits of the inputs' SHA-256.
cache_key() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

# cache_lock NAME KEY: holds NAME's lock until the script ends, then clears
# what builds of NAME with other keys left behind.
cache_lock() {
    mkdir -p "$cache"
    exec 9>"$cache/$1.lock"
    if ! flock -n 9; then
        echo "$1: another build of it is running; waiting for it" >&2
        flock 9
    fi
    for left in "$cache/$1".building.* "$cache/$1"-*.building; do
        [ "$left" = "$cache/$1-$2.building" ] || rm -rf "$left"
    done
}

# cache_workdir NAME KEY: the work folder of NAME's build of KEY, beside the
# result on the same file system; what an earlier build of the same key left
# there is kept for the caller to resume.
cache_workdir() { mkdir -p "$cache/$1-$2.building" && echo "$cache/$1-$2.building"; }

# cache_fetch PACKAGE FOLDER: fetch-debian-source, or exit CACHE_NO_SOURCE.
cache_fetch() {
    "$(dirname "$0")/fetch-debian-source" "$1" "$2" || {
        echo "cannot fetch Debian's source of $1 (no network?)" >&2
        exit "$CACHE_NO_SOURCE"
    }
}
