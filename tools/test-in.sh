#!/usr/bin/env bash
# Runs a command of this repository (by default the README's test command) on a fresh minimal
# Debian of the given release, as a new player or contributor would: a minbase system made with
# debootstrap, with only git and ca-certificates added, the commit under test (this clone's
# HEAD) cloned into /root, and the command run there as root. Exits with the command's code.
#
#   tools/test-in.sh [--user] [--fresh] SUITE [COMMAND ...]
#
# SUITE: bookworm (Debian 12) or trixie (Debian 13). COMMAND: default `bash tools/test.sh`.
# --user: run it instead as `player`, a user who may use sudo, with the clone in /home/player.
# --fresh: make the base system with debootstrap even when a cached one exists, and download
#   every package again.
#
# Runs as root (through sudo otherwise). The system lives in a scratch folder under /var/tmp and
# is removed at the end. It runs in its own mount and process namespaces, so that its mounts
# (/proc, /sys, /dev, /dev/pts, /dev/shm, /tmp) and any process still running in it end with
# it, on every way out, Ctrl+C included. For speed, the base system is kept as a tarball, and
# the downloaded packages in a folder, under /var/cache/velmora (VELMORA_CACHE); a tarball
# older than a week is made again.
set -euo pipefail
arguments=("$@")

usage() {
  echo "usage: tools/test-in.sh [--user] [--fresh] bookworm|trixie [COMMAND ...]" >&2
  exit 2
}
as_user=0
fresh=0
while [[ $# -gt 0 && $1 == --* ]]; do
  case $1 in
    --user) as_user=1 ;;
    --fresh) fresh=1 ;;
    *) usage ;;
  esac
  shift
done
[[ $# -ge 1 ]] || usage
suite=$1
shift
case $suite in
  bookworm) release="Debian 12 (bookworm)" ;;
  trixie) release="Debian 13 (trixie)" ;;
  *) usage ;;
esac
command=("$@")
[[ ${#command[@]} -gt 0 ]] || command=(bash tools/test.sh)

repo=$(cd "$(dirname "$0")/.." && pwd)
if [[ $(id -u) -ne 0 ]]; then
  exec sudo -- "$BASH" "$repo/tools/test-in.sh" "${arguments[@]}"
fi
source "$repo/tools/packages.sh"
ensure_packages debootstrap

start=$SECONDS
say() { printf '[test-in %s +%ds] %s\n' "$suite" $((SECONDS - start)) "$*"; }

# The commit under test, as a bundle the system's own git clones from. The clone may belong to
# another user than root.
git_repo() { git -c safe.directory='*' -C "$repo" "$@"; }
commit=$(git_repo rev-parse HEAD)
if [[ -n "$(git_repo status --porcelain --untracked-files=no)" ]]; then
  say "note: uncommitted changes are not tested; testing commit $commit"
fi

cache=${VELMORA_CACHE:-/var/cache/velmora}
work=$(mktemp -d /var/tmp/velmora-test-in.XXXXXX)
root=$work/root
mkdir "$root"
child=

cleanup() {
  trap - EXIT INT TERM
  if [[ -n $child ]] && kill -0 "$child" 2>/dev/null; then
    kill -KILL "$child" 2>/dev/null || true
    wait "$child" 2>/dev/null || true
  fi
  # The namespace's mounts ended with it; unmount anything left in this one all the same,
  # innermost first, and remove the system only once nothing is mounted in it.
  local mounts
  mounts=$(findmnt -rn -o TARGET | grep -F "$root" | sort -r || true)
  if [[ -n $mounts ]]; then
    while IFS= read -r target; do umount -l "$target" 2>/dev/null || true; done <<<"$mounts"
  fi
  if findmnt -rn -o TARGET | grep -qF "$root"; then
    echo "test-in.sh: still mounted under $root; not removing it" >&2
  else
    rm -rf --one-file-system "$work"
  fi
}
trap cleanup EXIT
trap 'cleanup; exit 130' INT
trap 'cleanup; exit 143' TERM

# The base system: debootstrap's minbase with git and ca-certificates, or its cached copy.
base=$cache/$suite-minbase.tar
if [[ $fresh -eq 0 && -f $base && -n "$(find "$base" -mtime -7)" ]]; then
  say "unpacking the cached base system $base"
  tar -xpf "$base" -C "$root"
else
  say "making a minbase $suite with debootstrap"
  if ! debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$root" \
    http://deb.debian.org/debian >"$work/debootstrap.log" 2>&1; then
    tail -n 20 "$work/debootstrap.log" >&2
    exit 1
  fi
  if [[ $fresh -eq 0 ]]; then
    mkdir -p "$cache"
    tar -cpf "$base.$$" -C "$root" . && mv "$base.$$" "$base"
  fi
fi
say "base system ready"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# As an installed system has: its own name resolves (sudo asks for it).
echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"
git_repo bundle create -q "$root/var/tmp/velmora.bundle" HEAD
chmod 0644 "$root/var/tmp/velmora.bundle"

archives=
if [[ $fresh -eq 0 ]]; then
  archives=$cache/apt-$suite
  mkdir -p "$archives/partial"
fi

# Run inside the chroot, as root. The clone goes where the command will run.
inner=$(
  cat <<'EOF'
set -euo pipefail
if [[ $AS_USER -eq 1 ]]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends sudo >/dev/null
  useradd -m -s /bin/bash player
  echo 'player ALL=(ALL) NOPASSWD: ALL' >/etc/sudoers.d/player
  chmod 0440 /etc/sudoers.d/player
  su - player -c 'git -c init.defaultBranch=main -c advice.detachedHead=false clone -q /var/tmp/velmora.bundle velmora'
  exec su - player -c "cd velmora && $COMMAND"
fi
git -c init.defaultBranch=main -c advice.detachedHead=false clone -q /var/tmp/velmora.bundle /root/velmora
cd /root/velmora
exec bash -c "$COMMAND"
EOF
)

# In the new namespaces, as their first process: mount, then run the command in the chroot.
# When it ends, so does every process it left, and every mount. The log is written from out
# here, so that the namespace's end cannot cut it short.
namespace=$(
  cat <<'EOF'
set -euo pipefail
mount --make-rprivate /
mount -t proc proc "$ROOT/proc"
mount -t sysfs sysfs "$ROOT/sys"
mount -t tmpfs -o mode=0755,nosuid tmpfs "$ROOT/dev"
for node in null zero full random urandom tty; do
  touch "$ROOT/dev/$node"
  mount --bind "/dev/$node" "$ROOT/dev/$node"
done
mkdir "$ROOT/dev/pts" "$ROOT/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$ROOT/dev/pts"
ln -s pts/ptmx "$ROOT/dev/ptmx"
ln -s /proc/self/fd "$ROOT/dev/fd"
ln -s /proc/self/fd/0 "$ROOT/dev/stdin"
ln -s /proc/self/fd/1 "$ROOT/dev/stdout"
ln -s /proc/self/fd/2 "$ROOT/dev/stderr"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$ROOT/dev/shm"
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$ROOT/tmp"
if [[ -n $ARCHIVES ]]; then
  mount --bind "$ARCHIVES" "$ROOT/var/cache/apt/archives"
fi
set +e
chroot "$ROOT" /usr/bin/env -i HOME=/root USER=root LOGNAME=root TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  AS_USER="$AS_USER" COMMAND="$COMMAND" /bin/bash -c "$INNER"
echo "$?" >"$WORK/exit-code"
EOF
)

mkfifo "$work/output"
tee "$work/run.log" <"$work/output" &
tee=$!
say "running '${command[*]}' on $release as $([[ $as_user -eq 1 ]] && echo player || echo root)"
run_start=$SECONDS
ROOT=$root WORK=$work ARCHIVES=$archives AS_USER=$as_user COMMAND=$(printf '%q ' "${command[@]}") \
  INNER=$inner \
  unshare --mount --pid --fork --kill-child --mount-proc -- bash -c "$namespace" \
  >"$work/output" 2>&1 &
child=$!
wait "$child" || true
child=
wait "$tee"
code=$(cat "$work/exit-code" 2>/dev/null || echo 1)
minutes=$(((SECONDS - run_start + 30) / 60))

# ctest's summaries close the output: the count of each pass, its time and the tests that failed.
summary=$(awk '/% tests passed, / { print; next }
  /^Total Test time/ { print; next }
  /^The following tests FAILED:/ { failed = 1 }
  failed && (/^\t/ || /^The following/) { print; next }
  { failed = 0 }' "$work/run.log" 2>/dev/null || true)
cleanup
echo
echo "== $release, fresh minbase: '${command[*]}' exited $code after $minutes min (all: $((SECONDS - start)) s)"
[[ -z $summary ]] || echo "$summary"
exit "$code"
