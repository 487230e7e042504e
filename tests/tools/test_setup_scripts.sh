#!/usr/bin/env bash
# The set-up scripts as a new user meets them: what they say while they work,
# and what they say when they cannot install. Real scripts, fake tools on PATH.
#   test_setup_scripts.sh TOOLS_FOLDER
set -uo pipefail
tools=$(cd "${1:?usage: test_setup_scripts.sh TOOLS_FOLDER}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passes=0
check() { # check NAME CONDITION-EXIT-CODE
  if [ "$2" = 0 ]; then passes=$((passes + 1)); else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
contains() { grep -q -F -- "$2" "$1"; echo $?; }

# A bin folder with only the named system commands: no sudo, no real cmake.
make_bin() {
  local bin=$1; shift
  mkdir -p "$bin"
  for command in bash sh env grep cat dirname id mkdir rm nproc "$@"; do
    ln -sf "$(command -v "$command")" "$bin/$command"
  done
}

# --- install-packages without root and without sudo -------------------------
install=$work/install
mkdir -p "$install/tools"
cp "$tools/install-packages" "$install/tools/"
printf '# test list\nbash\nvelmora-test-no-such-package\n' >"$install/tools/debian-packages.txt"
make_bin "$install/bin" dpkg-query
chmod -R a+rX "$work"
run_unprivileged=()
[ "$(id -u)" = 0 ] && run_unprivileged=(setpriv --reuid=65534 --regid=65534 --clear-groups)
"${run_unprivileged[@]}" env -i PATH="$install/bin" bash "$install/tools/install-packages" \
  >"$work/install.out" 2>"$work/install.err"
status=$?
check "install-packages fails without root or sudo (status $status)" $([ $status -ne 0 ]; echo $?)
check "it names the missing package" "$(contains "$work/install.err" velmora-test-no-such-package)"
check "it does not name an installed one as missing" \
  $(! grep -q -E '^  .*\bbash\b' "$work/install.err"; echo $?)
check "it says to run it as root" "$(contains "$work/install.err" "as root")"
check "it says sudo is missing" "$(contains "$work/install.err" "no sudo")"
check "no shell error" $(! grep -q "command not found" "$work/install.err"; echo $?)

# --- build and run-velmora: progress while building, silence once current ----
top=$work/top
mkdir -p "$top/tools" "$top/build/app"
cp "$tools/build" "$tools/run-velmora" "$top/tools/"
printf '#!/bin/sh\nexit 0\n' >"$top/tools/install-packages"
printf '#!/bin/sh\necho "velmora started $*"\n' >"$top/build/app/velmora"
chmod +x "$top/tools/install-packages" "$top/build/app/velmora"
make_bin "$top/bin" touch
# cmake: configuring writes build.ninja; building says what Ninja would.
cat >"$top/bin/cmake" <<'FAKE'
#!/bin/bash
case " $* " in
  *" -S "*) mkdir -p "$4"; touch "$4/build.ninja"; echo "-- Configuring done" ;;
  *) echo "[0/2] Re-checking globbed directories..."
     if [ -n "${FAKE_WORK:-}" ]; then
       echo "[1/2] Building CXX object x.o"; echo "[2/2] Linking CXX executable app/velmora"
       [ -z "${FAKE_FAIL:-}" ] || exit 1
     else
       echo "ninja: no work to do."
     fi ;;
esac
FAKE
chmod +x "$top/bin/cmake"
rm -f "$top/build/build.ninja"
FAKE_WORK=1 env PATH="$top/bin" bash "$top/tools/run-velmora" --windowed >"$work/first.out" 2>&1
check "a first build says it is building and takes minutes" "$(contains "$work/first.out" "takes some minutes")"
check "a first build shows the build's progress" "$(contains "$work/first.out" "[2/2] Linking")"
check "the program starts after the build" "$(contains "$work/first.out" "velmora started --windowed")"
FAKE_WORK=1 env PATH="$top/bin" bash "$top/tools/run-velmora" >"$work/again.out" 2>&1
check "a later build that has work says so" "$(contains "$work/again.out" "Building Velmora")"
FAKE_WORK=1 FAKE_FAIL=1 env PATH="$top/bin" bash "$top/tools/build" >"$work/failed.out" 2>&1
check "a failed build fails the command" $([ $? -ne 0 ]; echo $?)
env PATH="$top/bin" bash "$top/tools/run-velmora" --windowed >"$work/current.out" 2>&1
check "a current build says nothing before the program starts" \
  $([ "$(cat "$work/current.out")" = "velmora started --windowed" ]; echo $?)

echo "$passes passed, $failures failed"
[ $failures = 0 ]
