# Sourced by the soaks: where the table's controls sit, asked from the program itself
# (`stacked_table --print-layout`, built beside the game), so no place is written down here.
#   load_layout PROGRAM   fills place[NAME]="LEFT TOP WIDTH HEIGHT" (window coordinates, the
#                         menu bar included); SOAK_LAYOUT_TOOL names another stacked_table
#   centre NAME           the control's centre, "X Y"
#   inside NAME FX FY     the point at fractions FX/100, FY/100 of the control's width and height
#   in_window DX DY NAME  the centre of a dialog's control (NAME "frmBank.bnSign"), for the dialog
#                         whose inside starts at screen point DX DY
#   names PATTERN         the names that match a shell pattern, one a line
load_layout() {
  local tool=${SOAK_LAYOUT_TOOL:-$(dirname "$1")/stacked_table} name rest
  [ -x "$tool" ] || { echo "soak: no $tool to ask for the table's layout"; return 2; }
  declare -gA place=()
  while read -r name rest; do place[$name]=$rest; done < <(
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$tool" --print-layout 2>/dev/null)
  for name in Form1 table Image1 Image3 LabelMise bnDeal frmBank.txtBorrow frmBank.bnSign \
    'Rules.Option1(0)' Rules.bnOK frmHelp.Label1 frmHelp.Command1 frmEnd.Command1; do
    [ -n "${place[$name]:-}" ] || { echo "soak: $tool --print-layout did not place $name"; return 2; }
  done
}
inside() {
  local l t w h
  read -r l t w h <<<"${place[$1]}"
  echo $((l + w * $2 / 100)) $((t + h * $3 / 100))
}
centre() { inside "$1" 50 50; }
in_window() {
  local x y
  read -r x y <<<"$(centre "$3")"
  echo $(($1 + x)) $(($2 + y))
}
names() {
  local name
  for name in "${!place[@]}"; do
    # shellcheck disable=SC2053  # the pattern is meant to match
    [[ $name == $1 ]] && echo "$name"
  done | sort
}
