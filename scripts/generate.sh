#!/usr/bin/env bash
# Regenerates the host stand-in's glyph tables from the X11 misc-fixed faces (Debian xfonts-base,
# read through pcf2bdf) and the program's own bitmaps under host/.
#
#   scripts/generate.sh           writes src/platform/host/screen_font_tables.cpp and the bitmaps
#   scripts/generate.sh --check   generates into build/generate/work and compares byte for byte
#
# Only this script needs the font packages; it installs them when they are missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
check=0
[ "${1:-}" = "--check" ] && check=1
fonts=/usr/share/fonts/X11/misc
faces=(8x13 8x13B 6x13 5x8)

need=()
[ -f "$fonts/8x13.pcf.gz" ] || need+=(xfonts-base)
command -v pcf2bdf >/dev/null 2>&1 || need+=(pcf2bdf)
bash "$top/scripts/install-packages.sh" "${need[@]}"

build=$top/build/generate
work=$build/work
rm -rf "$work"
mkdir -p "$work/fonts"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target font_table_generator -j "$(nproc)" >/dev/null

bdf=()
for face in "${faces[@]}"; do
  gzip -dc "$fonts/$face.pcf.gz" > "$work/fonts/$face.pcf"
  pcf2bdf -o "$work/fonts/$face.bdf" "$work/fonts/$face.pcf"
  bdf+=("$work/fonts/$face.bdf")
done

tables=src/platform/host/screen_font_tables.cpp
art=(EXEC/Talvo-EC301/Buttons.bmp EXEC/Talvo-EC301/act_but.bmp EXEC/Talvo-EC301/UComment.bmp
     EXEC/Talvo-EC301/Glory3.bmp EXEC/Talvo-EC301/schweisslast.bmp DATA/NAD/Buttons.bmp DATA/NAD/EuroFlags.bmp
     DATA/NAD/NAD_Func1.bmp DATA/NAD/NAD_Func2a.bmp DATA/NAD/NAD_Func2b.bmp DATA/NAD/NAD_Func2c.bmp
     DATA/NAD/NAD_Func2d.bmp DATA/NAD/NAD_Func3a.bmp DATA/NAD/NAD_Func3b.bmp DATA/NAD/NAD_Func4.bmp
     DATA/NAD/NAD_Func5.bmp DATA/NAD/NAD_Func6.bmp DATA/NAD/NAD_Func7a.bmp DATA/NAD/NAD_Func7b.bmp
     DATA/NAD/NAD_Func8.bmp DATA/NAD/NAD-Kbws.bmp DATA/NAD/NAD_bridge_str_b.bmp DATA/NAD/NAD_bridge_ausser.bmp
     DATA/NAD/NAD_bridge_erdbeben.bmp DATA/NAD/NAD_bridge_gebrauch.bmp DATA/NAD/NAD_bridge_str_psi.bmp
     DATA/NAD/NAD_bridge_fuss_psi.bmp DATA/NAD/NAD_bridge_bahn_psi.bmp DATA/NAD/EC5ZerazNads.bmp)

# The stress-strain pictures of the free materials.
art+=(EXEC/Talvo-EC301/tools/bemop_fcd.bmp EXEC/Talvo-EC301/tools/bemop_fyk.bmp)

# The program-hints page's reactivation button.
art+=(EXEC/Talvo-EC301/but_hinweise_reaktivieren.bmp)

# The waiting pictures: the sand clock and the busy animation.
art+=(EXEC/Talvo-EC301/animsandclock.bmp EXEC/Talvo-EC301/Anima2.bmp)
# The dialog pages' text-button backgrounds and picture buttons.
art+=(EXEC/Talvo-EC301/TextButtonBg.bmp EXEC/Talvo-EC301/TextButtonBg_ro.bmp EXEC/Talvo-EC301/TextButtonBgInaktive.bmp
      EXEC/Talvo-EC301/TextButtonBgInaktive_ro.bmp EXEC/Talvo-EC301/SniGrImportButton.bmp EXEC/Talvo-EC301/SniTalvo.bmp
      EXEC/Talvo-EC301/deskbuts.bmp)
if [ $check -eq 0 ]; then
  "$build/bin/font_table_generator" "$top/$tables" "${bdf[@]}"
  # The bitmaps draw their labels with the tables just written.
  cmake --build "$build" --target bitmap_generator -j "$(nproc)" >/dev/null
  "$build/bin/bitmap_generator" "$top/host"
  echo "written: $tables and ${#art[@]} bitmaps under host/"
  exit 0
fi

"$build/bin/font_table_generator" "$work/screen_font_tables.cpp" "${bdf[@]}"
cmake --build "$build" --target bitmap_generator -j "$(nproc)" >/dev/null
"$build/bin/bitmap_generator" "$work/host"
status=0
cmp -s "$work/screen_font_tables.cpp" "$top/$tables" || { echo "differs: $tables"; status=1; }
for file in "${art[@]}"; do
  cmp -s "$work/host/$file" "$top/host/$file" || { echo "differs: host/$file"; status=1; }
done
[ $status -eq 0 ] && echo "the generators reproduce $tables and ${#art[@]} bitmaps byte for byte"
exit $status
