# Starts and stops a virtual display on a free display number; sourced, never run.
start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  SUNDREL_XVFB_PID=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

stop_xvfb() {
  if [ -n "${SUNDREL_XVFB_PID:-}" ]; then
    kill "$SUNDREL_XVFB_PID" 2>/dev/null
    wait "$SUNDREL_XVFB_PID" 2>/dev/null
    SUNDREL_XVFB_PID=""
  fi
}
