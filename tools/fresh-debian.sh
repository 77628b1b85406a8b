#!/usr/bin/env bash
# Checks the set-up on a fresh Debian 12. For each command it makes a new root
# file system (debootstrap --variant=minbase bookworm, from this machine's own
# apt sources), clones this checkout into it and runs there, as root in a
# chroot with /proc, /sys, /dev, /dev/pts and /dev/shm mounted:
#   test  bash tools/test.sh, which must end with every suite passed;
#   run   bash tools/run.sh, first without a display (the set-up and the build;
#         velantis then says it needs one), then on an Xvfb inside the root,
#         where the "Velantis" window must show (xdotool looks for it).
# It reports the result and the time each took. Only committed work is cloned.
#
#   bash tools/fresh-debian.sh [--dir DIR] [--keep] [test] [run]
#
# Without a command it runs both, each in a root of its own. The roots go under
# DIR ($FRESH_DEBIAN_DIR, else /var/tmp/fresh-debian), never inside a
# repository, with the logs and a cache of debootstrap's packages; a root is
# removed after its command unless --keep. Needs root, debootstrap and git on
# this machine, and Debian's archive.
set -euo pipefail

REPO="$(cd "$(dirname "$0")/.." && pwd)"
DIR="${FRESH_DEBIAN_DIR:-/var/tmp/fresh-debian}"
KEEP=0
ORDENES=()
while [ $# -gt 0 ]; do
  case "$1" in
    --dir) DIR="${2:?--dir needs a folder}"; shift 2 ;;
    --keep) KEEP=1; shift ;;
    test|run) ORDENES+=("$1"); shift ;;
    -h|--help) sed -n '2,19p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "fresh-debian: unknown argument '$1' (see --help)" >&2; exit 2 ;;
  esac
done
[ ${#ORDENES[@]} -gt 0 ] || ORDENES=(test run)

fallar() { echo "fresh-debian: $*" >&2; exit 1; }
[ "$(id -u)" = 0 ] || fallar "needs root (debootstrap, chroot and mount)"
command -v debootstrap >/dev/null || fallar "debootstrap is missing: apt-get install debootstrap"
command -v git >/dev/null || fallar "git is missing"

mkdir -p "$DIR"
DIR="$(cd "$DIR" && pwd -P)"
if git -C "$DIR" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  fallar "$DIR is inside a git repository; choose another folder (--dir)"
fi
mkdir -p "$DIR/cache"

# This machine's Debian 12 sources (deb822 paragraphs naming a bookworm suite);
# the one of suite "bookworm" itself gives debootstrap its mirror and keyring.
FUENTES="$(awk 'BEGIN { RS = ""; ORS = "\n\n" }
  /(^|\n)Suites:[^\n]*bookworm/ && !/(^|\n)Enabled: *no/ { print }' \
  /etc/apt/sources.list.d/*.sources 2>/dev/null || true)"
campo() {   # campo FIELD: the first paragraph with suite "bookworm"'s value
  printf '%s\n' "$FUENTES" | awk -v f="$1" 'BEGIN { RS = "" }
    /(^|\n)Suites:([^\n]* )?bookworm( |\n|$)/ {
      n = split($0, l, "\n")
      for (i = 1; i <= n; i++) if (l[i] ~ "^" f ":") { sub("^" f ": *", "", l[i]); split(l[i], v, " "); print v[1]; exit }
    }'
}
ESPEJO="$(campo URIs)"
LLAVERO="$(campo Signed-By)"
if [ -z "$ESPEJO" ] && [ -f /etc/apt/sources.list ]; then
  ESPEJO="$(awk '$1 == "deb" { i = 2; if ($i ~ /^\[/) { while (i < NF && $i !~ /\]$/) i++; i++ }
                               if ($(i + 1) == "bookworm") { print $i; exit } }' /etc/apt/sources.list)"
fi
[ -n "$ESPEJO" ] || fallar "no Debian 12 (bookworm) source in /etc/apt/sources.list.d/*.sources"

# Settings of this machine's apt that its mirror may need (a snapshot's
# Release files are past their Valid-Until) and the way out to it.
AJUSTES=""
for clave in Acquire::Check-Valid-Until Acquire::Check-Date Acquire::http::Proxy Acquire::https::Proxy; do
  valor="$(apt-config dump "$clave" 2>/dev/null | awk -v k="$clave" '$1 == k { v = $2; gsub(/[";]/, "", v); print v; exit }')"
  if [ -n "$valor" ]; then AJUSTES+="$clave \"$valor\";"$'\n'; fi
done

COMMIT="$(git -C "$REPO" rev-parse --short HEAD)"
RAMA="$(git -C "$REPO" rev-parse --abbrev-ref HEAD)"
if [ -n "$(git -C "$REPO" status --porcelain --untracked-files=no)" ]; then
  echo "fresh-debian: warning: uncommitted changes in $REPO are not checked, only $COMMIT" >&2
fi

RAIZ=""
MONTADOS=()
XVFB=""
PRINCIPAL=""

# Every process whose root is the fresh root is one this script started there.
terminar_procesos() {
  local senal p pids
  for senal in TERM KILL; do
    pids=()
    for p in /proc/[0-9]*; do
      if [ "$(readlink "$p/root" 2>/dev/null)" = "$RAIZ" ]; then pids+=("${p#/proc/}"); fi
    done
    [ ${#pids[@]} -gt 0 ] || return 0
    kill -s "$senal" "${pids[@]}" 2>/dev/null || true
    for _ in $(seq 50); do
      local vivo=0
      for p in "${pids[@]}"; do if [ -d "/proc/$p" ]; then vivo=1; fi; done
      if [ $vivo = 0 ]; then break; fi
      sleep 0.1
    done
  done
}

desmontar() {
  local m
  for m in "${MONTADOS[@]}"; do
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || echo "fresh-debian: could not unmount $m" >&2
  done
  MONTADOS=()
}

# Stops what was started in the root, unmounts it and removes it (unless --keep).
limpiar() {
  [ -n "$RAIZ" ] || return 0
  if [ -n "$PRINCIPAL" ]; then kill "$PRINCIPAL" 2>/dev/null || true; fi
  if [ -n "$XVFB" ]; then kill "$XVFB" 2>/dev/null || true; fi
  PRINCIPAL="" XVFB=""
  terminar_procesos
  desmontar
  if [ $KEEP = 1 ]; then
    echo "   root kept: $RAIZ"
  elif awk -v r="$RAIZ" '$2 == r || index($2, r "/") == 1 { f = 1 } END { exit !f }' /proc/mounts; then
    # Never remove a root with anything still mounted in it (/dev is the machine's).
    echo "fresh-debian: $RAIZ still has mounts; left in place" >&2
  else
    rm -rf --one-file-system "$RAIZ"
  fi
  RAIZ=""
}
trap limpiar EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

montar() {   # montar DESTINATION mount-arguments...
  local destino="$RAIZ$1"; shift
  mkdir -p "$destino"
  mount "$@" "$destino"
  MONTADOS=("$destino" "${MONTADOS[@]}")
}

# Runs a command inside the root as a fresh machine's root would: a clean
# environment, no standard input. Its output goes to the screen and the log.
dentro() {
  chroot "$RAIZ" /usr/bin/env -i HOME=/root USER=root LOGNAME=root TERM="${TERM:-dumb}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" </dev/null
}

duracion() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

preparar_raiz() {   # preparar_raiz NAME LOG
  RAIZ="$(mktemp -d "$DIR/raiz-$1.XXXXXX")"
  chmod 755 "$RAIZ"
  echo "== $1: debootstrap --variant=minbase bookworm $RAIZ $ESPEJO"
  local t0=$SECONDS
  local llavero=()
  if [ -f "$LLAVERO" ]; then llavero=(--keyring="$LLAVERO"); fi
  debootstrap --variant=minbase "${llavero[@]}" --cache-dir="$DIR/cache" bookworm "$RAIZ" "$ESPEJO" >>"$2" 2>&1 \
    || fallar "debootstrap failed (see $2)"
  T_RAIZ=$((SECONDS - t0))
  # The same sources and settings as this machine.
  rm -f "$RAIZ/etc/apt/sources.list"
  if [ -n "$FUENTES" ]; then
    printf '%s\n' "$FUENTES" >"$RAIZ/etc/apt/sources.list.d/debian.sources"
  else
    echo "deb $ESPEJO bookworm main" >"$RAIZ/etc/apt/sources.list"
  fi
  if [ -n "$AJUSTES" ]; then printf '%s' "$AJUSTES" >"$RAIZ/etc/apt/apt.conf.d/99fresh-debian"; fi
  cp -L /etc/resolv.conf "$RAIZ/etc/resolv.conf"
  # No services started by package scripts: nothing may outlive the check.
  printf '#!/bin/sh\nexit 101\n' >"$RAIZ/usr/sbin/policy-rc.d"
  chmod 755 "$RAIZ/usr/sbin/policy-rc.d"
  # Exactly the commit reported, even if the checkout moves on meanwhile.
  git clone --quiet --no-hardlinks --no-checkout "$REPO" "$RAIZ/root/qx381"
  git -C "$RAIZ/root/qx381" checkout --quiet --detach "$COMMIT"
  montar /proc -t proc proc
  montar /sys -t sysfs sysfs
  montar /dev --bind /dev
  montar /dev/pts --bind /dev/pts
  montar /dev/shm -t tmpfs -o mode=1777,nosuid,nodev shm
  echo "   root ready in $(duracion $T_RAIZ); $RAMA at $COMMIT cloned into /root/qx381"
}

RESUMEN=()
FALLOS=0

orden_test() {
  local log="$DIR/test-$COMMIT.log"
  : >"$log"
  preparar_raiz test "$log"
  echo "== test: bash tools/test.sh (log: $log)"
  local t0=$SECONDS estado=0
  # In the background, so that a signal stops the check at once (a trap
  # runs only once the foreground command ends).
  (set -o pipefail; dentro bash -c 'cd /root/qx381 && bash tools/test.sh' 2>&1 | tee -a "$log") &
  wait $! || estado=$?
  local t=$((SECONDS - t0))
  echo "-- last lines of bash tools/test.sh:"
  tail -n 12 "$log" | sed 's/^/   /'
  if [ "$estado" = 0 ]; then
    RESUMEN+=("test: passed: bash tools/test.sh took $(duracion $t) (root: $(duracion $T_RAIZ))")
  else
    RESUMEN+=("test: FAILED (status $estado): bash tools/test.sh after $(duracion $t)")
    FALLOS=$((FALLOS + 1))
  fi
  limpiar
}

orden_run() {
  local log="$DIR/run-$COMMIT.log"
  : >"$log"
  preparar_raiz run "$log"
  echo "== run: bash tools/run.sh without a display (log: $log)"
  local t0=$SECONDS
  (dentro bash -c 'cd /root/qx381 && bash tools/run.sh' 2>&1 | tee -a "$log") &
  wait $! || true
  local t1=$((SECONDS - t0))
  local sin_pantalla="no"
  if grep -q "Velantis necesita una pantalla X" "$log"; then sin_pantalla="yes"; fi

  # What the check needs besides the set-up, after it: a window listing.
  local extra=(xdotool)
  if ! dentro dpkg -s xvfb >/dev/null 2>&1; then extra+=(xvfb); fi
  echo "== run: installing ${extra[*]} for the check"
  dentro bash -c "DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${extra[*]}" >>"$log" 2>&1 \
    || fallar "could not install ${extra[*]} in the root (see $log)"

  rm -f "$RAIZ/tmp/pantalla"
  chroot "$RAIZ" /usr/bin/env -i PATH=/usr/bin:/bin Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$RAIZ/tmp/pantalla" </dev/null >>"$log" 2>&1 &
  XVFB=$!
  local pantalla=""
  for _ in $(seq 150); do
    pantalla="$(tr -dc 0-9 <"$RAIZ/tmp/pantalla" 2>/dev/null || true)"
    [ -n "$pantalla" ] && break
    kill -0 "$XVFB" 2>/dev/null || break
    sleep 0.2
  done
  [ -n "$pantalla" ] || fallar "Xvfb did not start in the root (see $log)"

  echo "== run: bash tools/run.sh on display :$pantalla"
  local t2=$SECONDS ventana="" t3=0
  chroot "$RAIZ" /usr/bin/env -i HOME=/root USER=root LOGNAME=root TERM=dumb DISPLAY=":$pantalla" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/qx381 && exec bash tools/run.sh' </dev/null >>"$log" 2>&1 &
  PRINCIPAL=$!
  while [ $((SECONDS - t2)) -lt 1800 ]; do
    ventana="$(dentro env DISPLAY=":$pantalla" xdotool search --onlyvisible --name '^Velantis$' 2>/dev/null | head -n 1 || true)"
    [ -n "$ventana" ] && break
    kill -0 "$PRINCIPAL" 2>/dev/null || break
    sleep 0.5
  done
  t3=$((SECONDS - t2))
  if [ -n "$ventana" ]; then
    local geometria
    geometria="$(dentro env DISPLAY=":$pantalla" xdotool getwindowgeometry "$ventana" 2>/dev/null | tail -n +2 | tr -s ' \n' ' ')"
    echo "   window \"Velantis\" shown: $ventana,$geometria"
    RESUMEN+=("run: passed: bash tools/run.sh took $(duracion $t1) to set up and build (velantis without a display said it needs one: $sin_pantalla), then $(duracion $t3) until the \"Velantis\" window showed (root: $(duracion $T_RAIZ))")
  else
    echo "-- last lines of bash tools/run.sh:"
    tail -n 12 "$log" | sed 's/^/   /'
    RESUMEN+=("run: FAILED: no \"Velantis\" window within $(duracion $t3) of bash tools/run.sh (set-up and build took $(duracion $t1))")
    FALLOS=$((FALLOS + 1))
  fi
  limpiar
}

for orden in "${ORDENES[@]}"; do
  "orden_$orden"
done
echo "== fresh Debian 12, $RAMA at $COMMIT:"
printf '   %s\n' "${RESUMEN[@]}"
[ $FALLOS = 0 ]
