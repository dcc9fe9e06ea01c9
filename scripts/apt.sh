# shellcheck shell=bash
# Sourced by the set-up scripts: installs, with apt-get, the Debian packages that debian/control
# lists, through sudo unless run as root. Says nothing when they are all present already.

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

# apt_as_root ARGUMENTS...: apt-get, non-interactive, waiting for another apt-get to finish.
apt_as_root() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 "$@"
}

# install_build_deps LABEL [PROFILE...]: installs what debian/control's Build-Depends name for a
# build with those build profiles and is missing. Run in the source tree.
install_build_deps() {
  local label=$1
  shift
  local profiles=()
  [[ $# -eq 0 ]] || profiles=(-P "$(IFS=,; echo "$*")")
  # dpkg-dev reads the list; a fresh Debian lacks it.
  if ! command -v dpkg-checkbuilddeps >/dev/null; then
    echo "$label: installing dpkg-dev"
    apt_as_root update -qq
    apt_as_root install -y -qq dpkg-dev >/dev/null
  fi
  local unmet
  unmet=$(dpkg-checkbuilddeps "${profiles[@]}" 2>&1) && return 0
  echo "$label: installing ${unmet##*Unmet build dependencies: }"
  apt_as_root update -qq
  apt_as_root build-dep -y -qq "${profiles[@]}" ./ >/dev/null
}

# generate_locales LABEL NAME...: generates those of the locales (zh_CN.UTF-8...) that are not
# yet; glibc takes only generated ones.
generate_locales() {
  local label=$1
  shift
  local generate=() name
  for name in "$@"; do
    locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}" || generate+=("$name")
  done
  [[ ${#generate[@]} -gt 0 ]] || return 0
  echo "$label: generating the locales ${generate[*]}"
  for name in "${generate[@]}"; do
    "${as_root[@]}" sed -i "s/^# *\(${name} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${name} UTF-8" /etc/locale.gen || echo "${name} UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  done
  "${as_root[@]}" locale-gen >/dev/null
}
