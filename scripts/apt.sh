# Sourced by the set-up scripts: installs Debian packages with apt-get, through sudo unless run
# as root, and says nothing when they are all present already.

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

# apt_as_root ARGUMENTS...: apt-get, non-interactive, waiting for another apt-get to finish.
apt_as_root() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# install_missing LABEL PACKAGE...: installs those of the packages that are not installed.
install_missing() {
  local label=$1 package status
  shift
  local missing=()
  for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
  done
  [[ ${#missing[@]} -gt 0 ]] || return 0
  echo "$label: installing ${missing[*]}"
  apt_as_root update -qq
  apt_as_root install -y -qq "${missing[@]}" >/dev/null
}
