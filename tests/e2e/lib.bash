# Shared by the end-to-end scripts (sourced): a private X server with a window
# manager, a private data folder, the frame's window and its exit.
# After e2e_start: $work (removed at exit), $folder (the per-user data folder),
# $ini (the settings file), DISPLAY and XDG_DATA_HOME; every process id added
# to pids is ended at exit.

fail() { echo "FAIL: $*"; exit 1; }

# Exits 77 (skipped) unless every tool named is present.
e2e_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
  done
}

e2e_cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}

e2e_start() {
  e2e_require Xvfb openbox xdotool xdpyinfo "$@"
  work="$(mktemp -d)"
  pids=()
  trap e2e_cleanup EXIT
  # Xvfb picks a free display number itself and reports it: a number chosen
  # here could belong to another X server already.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb reported no display"
  export DISPLAY=":$(head -1 "$work/display")"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
  export XDG_DATA_HOME="$work/data"
  folder="$XDG_DATA_HOME/Quorvane/Pendulor"
  ini="$folder/Pendulor.ini"
}

# Waits for a visible window whose title matches the pattern and prints its id.
e2e_window() {
  local id=""
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# Waits for the frame's window and prints its id.
frame_window() { e2e_window '^Pendulor$'; }

wait_exit() {
  for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

# Starts $exe with the given arguments and waits for its frame: sets app (the
# process id) and win (the frame's window id).
e2e_launch() {
  "$exe" "$@" &
  app=$!
  pids+=($app)
  win="$(frame_window)"
  [ -n "$win" ] || fail "the frame did not appear"
  sleep 0.5
}

# Closes the frame through the window manager, which runs its close sequence.
e2e_close() {
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool key alt+F4
  wait_exit "$app" || fail "the frame did not close"
}
