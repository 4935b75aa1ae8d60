#!/usr/bin/env bash
# The web page and its Node package: installs what they need when it is
# missing (emscripten, chromium-headless-shell, the test packages pinned by
# tests/web/package-lock.json), builds the page (preset web) and the native
# conversions it is compared with (dev), runs the Node tests and the tests
# in the browser, then packs the package, installs the tarball into an
# empty folder and converts one value with it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++ nodejs emscripten chromium-headless-shell

echo "=== the test packages (npm ci)"
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

echo "=== the page and the package: preset web"
cmake --preset web >/dev/null
cmake --build --preset web
echo "=== the native conversions the WebAssembly build is compared with"
cmake --preset dev >/dev/null
cmake --build --preset dev --target kelpworth_web_vectors

echo "=== Node tests and browser tests"
node --test --test-reporter=tap tests/web/

echo "=== npm pack, installed from the tarball into an empty folder"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
(cd build/web && npm pack --silent --pack-destination "$work" >/dev/null)
tarball="$(ls "$work"/kelpworth-stamp-*.tgz)"
mkdir "$work/user"
(cd "$work/user" && npm init -y >/dev/null && npm install --no-audit --no-fund --loglevel=error "$tarball" >/dev/null)
expected="0x01D37D69-0xFD626B00"
printed="$(cd "$work/user" && node --input-type=module -e \
    "import { stampOfMoment } from 'kelpworth-stamp'; console.log(stampOfMoment('2017-12-25T10:20:30', 'UTC').forms.halves);")"
if [[ "$printed" != "$expected" ]]; then
    echo "    FAILED  the installed package printed '$printed', expected '$expected'"
    exit 1
fi
echo "    ok      the installed package: 2017-12-25T10:20:30 UTC is $printed"
