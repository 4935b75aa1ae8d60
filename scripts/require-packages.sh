#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed
# yet (as root, or through sudo). Used by the check scripts, so that each of
# them also runs on a fresh machine.
#
# A package run that was interrupted earlier (a killed apt-get, a machine
# that went down) leaves packages unpacked or half-configured, and apt-get
# then refuses to do anything until `dpkg --configure -a` has finished it.
# That is done first. Nothing asks questions: a changed configuration file
# keeps the version on disk.
set -euo pipefail

is_missing() {
    ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for package in "$@"; do
    if is_missing "$package"; then missing+=("$package"); fi
done
((${#missing[@]} > 0)) || exit 0

sudo=""
[[ "$(id -u)" == 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
dpkg_options=(--force-confdef --force-confold)
admin_dir="${DPKG_ADMINDIR:-/var/lib/dpkg}"

# dpkg's journal of status changes not yet merged, and packages that are
# not fully installed: what an interrupted run leaves behind.
dpkg_interrupted() {
    compgen -G "$admin_dir/updates/[0-9]*" >/dev/null || [[ -n "$(dpkg --audit 2>/dev/null)" ]]
}

# Another package run on this machine holds dpkg's lock while its own
# packages are half done: that is waited for (up to ten minutes), not
# mistaken for an interrupted run.
finish_interrupted_dpkg() {
    local attempt output
    for attempt in $(seq 120); do
        dpkg_interrupted || return 0
        ((attempt > 1)) || echo "An unfinished package run: finishing it (dpkg --configure -a), or waiting for it"
        if output=$($sudo env DEBIAN_FRONTEND=noninteractive \
                dpkg "${dpkg_options[@]}" --configure -a 2>&1); then
            [[ -z "$output" ]] || printf '%s\n' "$output"
            return 0
        fi
        if ! grep -q 'lock' <<<"$output"; then
            printf '%s\n' "$output" >&2
            return 1
        fi
        sleep 5
    done
    echo "dpkg stayed locked by another package run" >&2
    return 1
}

finish_interrupted_dpkg

# Finishing the interrupted run may have completed some of them.
still_missing=()
for package in "${missing[@]}"; do
    if is_missing "$package"; then still_missing+=("$package"); fi
done
((${#still_missing[@]} > 0)) || exit 0

echo "Installing: ${still_missing[*]}"
apt_options=(-y -qq --no-install-recommends -o DPkg::Lock::Timeout=600)
for option in "${dpkg_options[@]}"; do
    apt_options+=(-o "Dpkg::Options::=$option")
done
$sudo env DEBIAN_FRONTEND=noninteractive apt-get -qq -o DPkg::Lock::Timeout=600 update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install "${still_missing[@]}"
