#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed
# yet (as root, or through sudo). Used by the check scripts, so that each of
# them also runs on a fresh machine.
set -euo pipefail

missing=()
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ "$(id -u)" == 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
