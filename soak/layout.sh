# Sourced by the soaks: where the table's controls sit, asked from the program itself
# (`stacked_table --print-layout`, built beside the game), so no place is written down here.
#   load_layout PROGRAM   fills place[NAME]="LEFT TOP WIDTH HEIGHT" (window coordinates, the
#                         menu bar included); SOAK_LAYOUT_TOOL names another stacked_table
#   centre NAME           the control's centre, "X Y"
#   inside NAME FX FY     the point at fractions FX/100, FY/100 of the control's width and height
load_layout() {
  local tool=${SOAK_LAYOUT_TOOL:-$(dirname "$1")/stacked_table} name rest
  [ -x "$tool" ] || { echo "soak: no $tool to ask for the table's layout"; return 2; }
  declare -gA place=()
  while read -r name rest; do place[$name]=$rest; done < <(
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$tool" --print-layout 2>/dev/null)
  for name in Form1 table Image1 Image3 LabelMise bnDeal; do
    [ -n "${place[$name]:-}" ] || { echo "soak: $tool --print-layout did not place $name"; return 2; }
  done
}
inside() {
  local l t w h
  read -r l t w h <<<"${place[$1]}"
  echo $((l + w * $2 / 100)) $((t + h * $3 / 100))
}
centre() { inside "$1" 50 50; }
