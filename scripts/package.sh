#!/usr/bin/env bash
# Builds the Debian package (Release, installed under /usr) and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh --packaging

build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target orv-rdm-controller orv-rdm-cli orv_debian_changelog
(cd "$build" && cpack -G DEB)
package=$(ls -t "$build"/orv-rdm-controller_*.deb | head -n 1)
lintian --fail-on error "$package"
echo "Built $package"
