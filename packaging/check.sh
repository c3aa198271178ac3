#!/usr/bin/env bash
# Checks Crossmere's desktop files, and optionally a built Debian package.
#
#   packaging/check.sh                 check the desktop entry and the metainfo
#   packaging/check.sh crossmere_0.1.0_amd64.deb
#                                      ... and that the package holds them all
#
# CROSSMERE_DESKTOP_FILE and CROSSMERE_METAINFO_FILE name other files to check
# (the ones beside this script otherwise).
#
# Needs desktop-file-utils, appstream and dpkg (for dpkg-deb).  Exits non-zero
# when any check fails.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
desktop_file="${CROSSMERE_DESKTOP_FILE:-$here/org.crossmere.Crossmere.desktop}"
metainfo_file="${CROSSMERE_METAINFO_FILE:-$here/org.crossmere.Crossmere.metainfo.xml}"
deb="${1:-}"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

need() {
  if ! command -v "$1" >/dev/null 2>&1; then
    echo "FAIL: $1 is missing (install the $2 package)" >&2
    exit 2
  fi
}
need desktop-file-validate desktop-file-utils
need appstreamcli appstream
if [[ -n "$deb" ]]; then need dpkg-deb dpkg; fi

# The desktop entry: no errors, and no warnings or hints either.
rc=0
out="$(desktop-file-validate "$desktop_file" 2>&1)" || rc=$?
if [[ $rc -ne 0 || -n "$out" ]]; then
  [[ -n "$out" ]] && printf '%s\n' "$out" >&2
  fail "desktop-file-validate $desktop_file (exit $rc)"
else
  echo "ok: desktop-file-validate $desktop_file"
fi

# The metainfo: information notes are allowed, warnings and errors are not.
rc=0
out="$(appstreamcli validate --no-net --no-color "$metainfo_file" 2>&1)" || rc=$?
printf '%s\n' "$out"
if [[ $rc -ne 0 ]] || grep -qE '^[EW]: ' <<<"$out"; then
  fail "appstreamcli validate --no-net $metainfo_file (exit $rc)"
else
  echo "ok: appstreamcli validate $metainfo_file"
fi

# The package: it must hold the program and its desktop integration.
if [[ -n "$deb" ]]; then
  if [[ ! -f "$deb" ]]; then
    fail "no package file $deb"
  else
    rc=0
    listing="$(dpkg-deb -c "$deb")" || rc=$?
    if [[ $rc -ne 0 ]]; then
      fail "dpkg-deb -c $deb (exit $rc)"
    else
      printf '%s\n' "$listing"
      # The sixth column is the path; symbolic links add "-> target" after it.
      paths="$(awk '{print $6}' <<<"$listing")"
      # Extended regular expressions, matched against whole paths; the
      # manual page may be compressed.
      for wanted in \
        '\./usr/bin/crossmere' \
        '\./usr/share/applications/org\.crossmere\.Crossmere\.desktop' \
        '\./usr/share/icons/hicolor/scalable/apps/crossmere\.svg' \
        '\./usr/share/metainfo/org\.crossmere\.Crossmere\.metainfo\.xml' \
        '\./usr/share/man/man1/crossmere\.1(\.gz)?'; do
        if grep -qxE -- "$wanted" <<<"$paths"; then
          echo "ok: $deb holds ${wanted//\\/}"
        else
          fail "$deb does not hold ${wanted//\\/}"
        fi
      done
    fi
  fi
fi

if [[ $failures -ne 0 ]]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
