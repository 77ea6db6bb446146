#!/bin/sh
# The Debian package, made from the build folder into a fresh folder, passes lintian (no error and no
# warning that the package does not override), and its changelog names the package's version, which
# lintian does not compare.
# Usage: package_lint_test.sh CPACK BUILD_DIR
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" --config "$2/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(echo "$work"/*.deb)
lintian --fail-on error,warning "$deb"
package=$(dpkg-deb --field "$deb" Version)
changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/glimtags/changelog.gz |
            gzip -d | dpkg-parsechangelog -l - -S Version)
[ "$package" = "$changelog" ] || { echo "package $package, changelog $changelog" >&2; exit 1; }
