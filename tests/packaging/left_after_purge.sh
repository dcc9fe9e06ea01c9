# shellcheck shell=bash
# Sourced by the installed-package checks. nothing_left_after_purge LIST ROOT [RUN...]: fails,
# naming them, if files of the purged package listed in LIST (dpkg-query -L) are still under ROOT
# ("" for this machine) and no other package owns them; RUN runs dpkg-query where the package was
# (a chroot's runner). A folder that another package also uses stays, rightly.
nothing_left_after_purge() {
  local list=$1 root=$2 path
  shift 2
  local left=()
  while read -r path; do
    if [[ -e $root$path && $path != /. ]] && ! "$@" dpkg-query -S "$path" >/dev/null 2>&1; then
      left+=("$path")
    fi
  done <"$list"
  [[ ${#left[@]} -eq 0 ]] || { echo "FAIL: left after purge: ${left[*]}"; return 1; }
}
