# Installs the Debian packages the build needs, asking apt only for the missing ones.
# Sourced by start.sh and test.sh.
WAYLOOM_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev
)
WAYLOOM_TEST_PACKAGES=(
  clang libclang-rt-14-dev   # libFuzzer targets
  gpsbabel                   # an independent reader and writer for file interop tests
  xvfb xauth                 # screenshots of the window
)

install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}
