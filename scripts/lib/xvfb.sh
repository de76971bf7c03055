# Starts and stops virtual displays on free display numbers; sourced, never run.

# Starts one display and prints its name (":N"); its process joins SUNDREL_XVFB_PIDS.
new_xvfb() {
  local fifo number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  SUNDREL_XVFB_PIDS="${SUNDREL_XVFB_PIDS:-} $!"
  read -r number <"$fifo"
  rm -f "$fifo"
  XVFB_STARTED=":$number"
}

# One display for this process and its children.
start_xvfb() {
  new_xvfb
  export DISPLAY=$XVFB_STARTED
}

# One display for each Wine slot, so that Windows tests run side by side never share a screen,
# focus or pointer: sets SUNDREL_WINE_SLOTS and SUNDREL_WINE_DISPLAYS for scripts/lib/wine-run.
#   start_xvfb_slots count
start_xvfb_slots() {
  local displays=() i
  for ((i = 0; i < $1; i++)); do
    new_xvfb
    displays+=("$XVFB_STARTED")
  done
  export SUNDREL_WINE_SLOTS=$1 SUNDREL_WINE_DISPLAYS="${displays[*]}"
}

stop_xvfb() {
  local pid
  for pid in ${SUNDREL_XVFB_PIDS:-}; do
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  SUNDREL_XVFB_PIDS=""
}
