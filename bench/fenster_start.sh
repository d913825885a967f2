# Shared by the start-up benches (sourced): runs the calling script again in
# its own Xvfb, and names each program's window title, as its description
# does, so that bench/kartenzeit.c can wait for that window's map.
if [ -z "${KV_START_IN_XVFB:-}" ]; then
  exec env KV_START_IN_XVFB=1 xvfb-run -a -s '-screen 0 1280x1024x24' bash "$(realpath "$0")" "$@"
fi
declare -A titel=(
  [stalor]="Knickung von Bauteilen"
  [tarvex]="Schraubenberechnung nach VDI 2230"
  [lupran]="Radial-Gleitlager-Berechnung nach DIN 31652"
  [kopdra]="Berechung von Schaltgetrieben"
  [wendis]="Berechung von Tellerfedern nach DIN 2093"
)
