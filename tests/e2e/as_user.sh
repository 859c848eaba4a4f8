# Shared by wayland.sh and kwin.sh, which run themselves a second time inside a private
# session bus, with a clean environment whose HOME is their scratch folder. sway and KWin
# refuse to run as root: as root, that second run is the user named in
# PIGMENTOR_WAYLAND_USER's (nobody by default), who is given the scratch folder.
#
#   build_version PROGRAM     the version the build gave PROGRAM (ctest passes it; by hand it
#                             is read from the generated header beside the program)
#   rerun_as_user SCRATCH INNER NOT_ROOT IGNORED SCRIPT ARGS...
#                             runs bash SCRIPT ARGS... with INNER=1 in the environment, leaves
#                             out the lines of its standard error that match the extended
#                             regular expression IGNORED, removes SCRATCH and exits with the
#                             script's status. As root without such a user or runuser, removes
#                             SCRATCH and exits 77 (skipped) with "skipped: NOT_ROOT".
#   deadline SECONDS COMMAND [ARGS...]
#                             runs COMMAND until it succeeds (true) or the time is up (false)

build_version() {
  echo "${PIGMENTOR_VERSION:-$(sed -n 's/^#define PIGMENTOR_VERSION "\(.*\)"$/\1/p' \
    "$(dirname "$1")/generated/core/version.h" 2>/dev/null)}"
}

rerun_as_user() {
  local scratch=$1 inner=$2 not_root=$3 ignored=$4 status user
  shift 4
  if [ "$(id -u)" -eq 0 ]; then
    user=${PIGMENTOR_WAYLAND_USER:-nobody}
    id "$user" >/dev/null 2>&1 && command -v runuser >/dev/null || {
      rm -rf "$scratch"; echo "skipped: $not_root"; exit 77; }
    chown -R "$user" "$scratch"
    runuser -u "$user" -- env -i PATH="$PATH" HOME="$scratch" "$inner=1" \
      dbus-run-session -- bash "$@" 2> >(grep -v -E "$ignored" >&2)
  else
    env -i PATH="$PATH" HOME="$scratch" "$inner=1" \
      dbus-run-session -- bash "$@" 2> >(grep -v -E "$ignored" >&2)
  fi
  status=$?
  rm -rf "$scratch"
  exit $status
}

deadline() {
  local end=$(( $(date +%s) + $1 )); shift
  until "$@"; do [ "$(date +%s)" -lt "$end" ] || return 1; sleep 0.1; done
}
