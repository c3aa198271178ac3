# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (when run as root; otherwise says which to install) and builds a preset.

crossmere_packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
                    libgtest-dev libbenchmark-dev)

ensure_packages() {
  local missing=()
  for package in "${crossmere_packages[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Crossmere needs these packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing ${missing[*]} ..."
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

build_preset() {
  local preset=$1
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
}
