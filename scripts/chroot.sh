# shellcheck shell=bash
# Sourced by the scripts that build or test Quotara on Debian 11 (bullseye) from a Debian 12
# machine, as root: a minimal bullseye, bootstrapped once into a cache folder, is copied into
# chroots. The caller's exit trap calls chroot_leave_all, which ends whatever still runs in them
# and unmounts whatever is mounted there.

chroot_cache=${QUOTARA_CHROOT_CACHE:-/var/cache/quotara-chroots}
chroot_suite=bullseye
chroot_base=$chroot_cache/$chroot_suite-base
# The archive this machine's apt uses, which holds bullseye too.
chroot_mirror=${QUOTARA_DEBIAN_MIRROR:-$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources \
  2>/dev/null | grep -v security | head -n 1)}
chroot_mirror=${chroot_mirror:-http://deb.debian.org/debian}
chroot_dirs=()

# chroot_lock: waits for any other run that uses the cache, then holds it until exit.
chroot_lock() {
  mkdir -p "$chroot_cache"
  exec {chroot_lock_fd}>"$chroot_cache/lock"
  flock "$chroot_lock_fd"
}

# chroot_copy DIR: a fresh copy of the minimal bullseye at DIR. The copied one is bootstrapped
# the first time and never entered.
chroot_copy() {
  if [[ ! -d $chroot_base ]]; then
    echo "chroot: bootstrapping a minimal $chroot_suite from $chroot_mirror"
    chroot_remove "$chroot_base.new"
    chroot_dirs+=("$chroot_base.new")  # debootstrap mounts /proc there while it works
    debootstrap --variant=minbase "$chroot_suite" "$chroot_base.new" "$chroot_mirror" \
      >"$chroot_cache/debootstrap.log" 2>&1 ||
      { tail -n 20 "$chroot_cache/debootstrap.log" >&2; return 1; }
    mv "$chroot_base.new" "$chroot_base"
  fi
  chroot_remove "$1"
  cp -a "$chroot_base" "$1"
}

# chroot_enter DIR: mounts what programs need inside (/proc, /dev) and gives the chroot this
# machine's name servers; services that packages install are not started.
chroot_enter() {
  local dir=$1
  chroot_dirs+=("$dir")
  mount -t proc proc "$dir/proc"
  mount --bind /dev "$dir/dev"
  # Where / is a shared mount (as systemd makes it), what is mounted below the bound /dev would
  # also appear below this machine's /dev, and unmounting it here would unmount it there.
  mount --make-private "$dir/dev"
  mount --bind /dev/pts "$dir/dev/pts"
  mount -t tmpfs tmpfs "$dir/dev/shm"
  cp /etc/resolv.conf "$dir/etc/resolv.conf"
  printf '#!/bin/sh\nexit 101\n' >"$dir/usr/sbin/policy-rc.d"
  chmod 755 "$dir/usr/sbin/policy-rc.d"
}

# chroot_run DIR COMMAND...: runs the command inside, as root, with a clean environment.
chroot_run() {
  local dir=$1
  shift
  chroot "$dir" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive DEBCONF_NOWARNINGS=yes "$@"
}

# chroot_apt DIR ARGUMENTS...: apt-get inside, quiet, without recommended packages.
chroot_apt() {
  local dir=$1
  shift
  chroot_run "$dir" apt-get -qq -o APT::Install-Recommends=false "$@" >/dev/null
}

# chroot_leave DIR: ends the processes running inside, then unmounts everything below DIR.
chroot_leave() {
  local dir pid left mounts
  dir=$(realpath -m "$1")
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    left=()
    for pid in /proc/[0-9]*; do
      if [[ $(readlink "$pid/root" 2>/dev/null) == "$dir" ]]; then left+=("${pid#/proc/}"); fi
    done
    [[ ${#left[@]} -gt 0 ]] || break
    kill -KILL "${left[@]}" 2>/dev/null || true
    sleep 0.2
  done
  # Deepest first; as /proc/mounts lists them.
  mounts=$(awk -v dir="$dir/" 'index($2, dir) == 1 { print $2 }' /proc/mounts | sort -r)
  # One still busy is detached now and goes when its last user does; chroot_remove checks.
  local mount
  while read -r mount; do
    [[ -z $mount ]] || umount "$mount" 2>/dev/null || umount --lazy "$mount" || true
  done <<<"$mounts"
}

# chroot_remove DIR: leaves the chroot and deletes it; never while anything is mounted there.
chroot_remove() {
  local dir
  dir=$(realpath -m "$1")
  [[ -e $dir ]] || return 0
  chroot_leave "$dir"
  if awk -v dir="$dir/" 'index($2, dir) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
    echo "chroot: still mounted below $dir; not deleting it" >&2
    return 1
  fi
  rm -rf --one-file-system "$dir"
}

chroot_leave_all() {
  local dir
  for dir in "${chroot_dirs[@]}"; do
    chroot_leave "$dir"
  done
}
