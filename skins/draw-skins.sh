#!/usr/bin/env bash
# Draws the bar pictures of Zelvo with ImageMagick 6 ("convert").
#
#   skins/skin_default/  light grey-blue, the look used when nothing is chosen
#   skins/skin_dark/     charcoal with cyan labels
#   skins/skin_sakura/   warm cherry-blossom pastel
#   src/platform/builtin/  plain grey pictures compiled into the program,
#                             used when a skin file is missing, and the icon
#
# Every skin holds ten GIF pictures, 33 px high:
#   top_modeless.gif, top_modal.gif        26 px  title handle (normal / on top)
#   form.gif mm.gif q.gif point.gif
#   inch.gif pixel.gif                     26 px  separators with the label of
#                                                 the box on their left
#   twip.gif                               34 px  right end: last label + resize grip
#   input_field.gif                        26 px  background stretched under the boxes
#
# The text boxes sit at y = 9..26 (18 px), so every label plate uses the same rows.
# Only the generated pictures are used by the build; run this script again
# after changing it. The output is the same on every run.
set -euo pipefail

script_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo_root="$(cd "$script_dir/.." && pwd)"

command -v convert >/dev/null || { echo "draw-skins: ImageMagick 6 (convert) is needed" >&2; exit 1; }

FONT_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
FONT_LABEL=/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf
FONT_JP=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf
for f in "$FONT_BOLD" "$FONT_LABEL" "$FONT_JP"; do
    [[ -r "$f" ]] || { echo "draw-skins: font file missing: $f" >&2; exit 1; }
done

# One thread and fixed settings keep the output byte for byte the same.
export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1
export LC_ALL=C

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

H=33           # bar height
BOX_TOP=9      # first row of the text boxes and label plates
BOX_BOTTOM=26  # last row

# ---------------------------------------------------------------------------
# Look settings. Each look function sets these variables.
#   BG_TOP BG_BOTTOM      background gradient (input field and separators)
#   RIM                   outermost line around the bar
#   SHINE SHADE           1 px inner highlight (top) and shadow (bottom)
#   PLATE_TOP PLATE_BOTTOM PLATE_EDGE PLATE_SHINE   label plate
#   PLATE_RADIUS          0 for square plates
#   LABEL LABEL_EMBOSS    label colour and its 1 px offset relief ("none": no relief)
#   HANDLE_TOP HANDLE_BOTTOM HANDLE_SHINE HANDLE_SHADE   title handle (normal)
#   ON_TOP ON_BOTTOM ON_SHINE ON_SHADE                    title handle (on top)
#   DOT DOT_SHADE ON_DOT ON_DOT_SHADE   grip dots and ruler ticks on each handle
#   PIN PIN_SHADE                       pin drawn on the on-top handle
#   GRIP GRIP_SHADE                     resize grip at the right end
#   FORM_LABEL FORM_FONT FORM_SIZE FORM_STROKE   label of the expression box
#   BLOSSOM BLOSSOM_PETAL BLOSSOM_HEART  "yes": a small flower on the normal handle
# ---------------------------------------------------------------------------
look_default() {
    BG_TOP='#f4f7fb'; BG_BOTTOM='#d5deea'
    RIM='#7d8ea6'; SHINE='#ffffff'; SHADE='#b9c5d6'
    PLATE_TOP='#e2eaf5'; PLATE_BOTTOM='#c9d6e8'; PLATE_EDGE='#93a7c4'; PLATE_SHINE='#f7faff'
    PLATE_RADIUS=3
    LABEL='#1f4a86'; LABEL_EMBOSS='#ffffff'
    HANDLE_TOP='#6f9fdc'; HANDLE_BOTTOM='#3567ab'; HANDLE_SHINE='#a9c8f0'; HANDLE_SHADE='#244b80'
    ON_TOP='#ffc163'; ON_BOTTOM='#e5841f'; ON_SHINE='#ffe0a8'; ON_SHADE='#a85a0c'
    DOT='#ffffff'; DOT_SHADE='#244b80'; ON_DOT='#ffffff'; ON_DOT_SHADE='#a85a0c'
    PIN='#c62828'; PIN_SHADE='#6d1111'
    GRIP='#5f7799'; GRIP_SHADE='#ffffff'
    FORM_LABEL='='; FORM_FONT="$FONT_BOLD"; FORM_SIZE=13; FORM_STROKE=0
    BLOSSOM=no
}

look_dark() {
    BG_TOP='#3a3f47'; BG_BOTTOM='#23272d'
    RIM='#0b0d10'; SHINE='#545b66'; SHADE='#181b1f'
    PLATE_TOP='#1c1f24'; PLATE_BOTTOM='#15171b'; PLATE_EDGE='#0b0d10'; PLATE_SHINE='#30353d'
    PLATE_RADIUS=3
    LABEL='#4fd8ff'; LABEL_EMBOSS='none'
    HANDLE_TOP='#41474f'; HANDLE_BOTTOM='#2a2e34'; HANDLE_SHINE='#5d6571'; HANDLE_SHADE='#121417'
    ON_TOP='#4fd8ff'; ON_BOTTOM='#1b9cc7'; ON_SHINE='#a5ecff'; ON_SHADE='#0c5a75'
    DOT='#4fd8ff'; DOT_SHADE='#101215'; ON_DOT='#0f2a35'; ON_DOT_SHADE='#9fe9ff'
    PIN='#ffffff'; PIN_SHADE='#0c3848'
    GRIP='#4fd8ff'; GRIP_SHADE='#101215'
    FORM_LABEL='='; FORM_FONT="$FONT_BOLD"; FORM_SIZE=13; FORM_STROKE=0
    BLOSSOM=no
}

look_sakura() {
    BG_TOP='#fff7f4'; BG_BOTTOM='#f8dbe0'
    RIM='#c98a9a'; SHINE='#ffffff'; SHADE='#eec3cc'
    PLATE_TOP='#fde6ea'; PLATE_BOTTOM='#f6cdd6'; PLATE_EDGE='#d99aab'; PLATE_SHINE='#fff8fa'
    PLATE_RADIUS=8
    LABEL='#9c2f55'; LABEL_EMBOSS='#fffafb'
    HANDLE_TOP='#f4a7bb'; HANDLE_BOTTOM='#dc7393'; HANDLE_SHINE='#fcd3de'; HANDLE_SHADE='#b24f6f'
    ON_TOP='#b9477a'; ON_BOTTOM='#7e2550'; ON_SHINE='#d77fa6'; ON_SHADE='#561535'
    DOT='#fff5f8'; DOT_SHADE='#b24f6f'; ON_DOT='#ffe3ee'; ON_DOT_SHADE='#4a1030'
    PIN='#ffe9a8'; PIN_SHADE='#4a1030'
    GRIP='#c7718c'; GRIP_SHADE='#ffffff'
    FORM_LABEL='式'; FORM_FONT="$FONT_JP"; FORM_SIZE=12; FORM_STROKE=0.5
    BLOSSOM=yes; BLOSSOM_PETAL='#fff3f7'; BLOSSOM_HEART='#d94f7a'
}

look_builtin() {
    BG_TOP='#d8d6d2'; BG_BOTTOM='#d8d6d2'
    RIM='#404040'; SHINE='#ffffff'; SHADE='#a0a0a0'
    PLATE_TOP='#e6e4e0'; PLATE_BOTTOM='#e6e4e0'; PLATE_EDGE='#8c8c8c'; PLATE_SHINE='#ffffff'
    PLATE_RADIUS=0
    LABEL='#000000'; LABEL_EMBOSS='none'
    HANDLE_TOP='#c4c2be'; HANDLE_BOTTOM='#c4c2be'; HANDLE_SHINE='#ffffff'; HANDLE_SHADE='#808080'
    ON_TOP='#606060'; ON_BOTTOM='#606060'; ON_SHINE='#8c8c8c'; ON_SHADE='#303030'
    DOT='#ffffff'; DOT_SHADE='#808080'; ON_DOT='#ffffff'; ON_DOT_SHADE='#303030'
    PIN='#ffffff'; PIN_SHADE='#303030'
    GRIP='#707070'; GRIP_SHADE='#ffffff'
    FORM_LABEL='='; FORM_FONT="$FONT_BOLD"; FORM_SIZE=13; FORM_STROKE=0
    BLOSSOM=no
}

# ---------------------------------------------------------------------------
# Drawing helpers. Each writes a picture into $work and echoes nothing.
# ---------------------------------------------------------------------------

# background <width> <out>: the gradient with the rim and the 1 px relief lines.
background() {
    local w=$1 out=$2
    local r=$((w - 1))
    convert -size "${w}x${H}" "gradient:${BG_TOP}-${BG_BOTTOM}" \
        -fill "$SHINE" -draw "line 0,1 $r,1" \
        -fill "$SHADE" -draw "line 0,31 $r,31" \
        -fill "$RIM" -draw "line 0,0 $r,0" -draw "line 0,32 $r,32" \
        "$out"
}

# plate <in> <x0> <x1> <out>: the label plate over columns x0..x1, rows of the boxes.
plate() {
    local in=$1 x0=$2 x1=$3 out=$4 r=$PLATE_RADIUS
    local ph=$((BOX_BOTTOM - BOX_TOP + 1)) pw=$((x1 - x0 + 1))
    convert -size "${pw}x${ph}" "gradient:${PLATE_TOP}-${PLATE_BOTTOM}" "$work/plate-fill.png"
    if ((r > 0)); then
        convert -size "${pw}x${ph}" xc:black -fill white \
            -draw "roundrectangle 0,0 $((pw - 1)),$((ph - 1)) $r,$r" "$work/plate-mask.png"
        convert "$in" \( "$work/plate-fill.png" "$work/plate-mask.png" -alpha off \
            -compose CopyOpacity -composite \) -geometry "+${x0}+${BOX_TOP}" -compose Over -composite \
            -fill none -stroke "$PLATE_SHINE" -strokewidth 1 \
            -draw "roundrectangle $((x0 + 1)),$((BOX_TOP + 1)) $((x1 - 1)),$((BOX_BOTTOM - 1)) $((r - 1)),$((r - 1))" \
            -stroke "$PLATE_EDGE" \
            -draw "roundrectangle $x0,$BOX_TOP $x1,$BOX_BOTTOM $r,$r" \
            "$out"
    else
        # square plate, sunken like the text boxes: dark top-left, light bottom-right
        convert "$in" "$work/plate-fill.png" -geometry "+${x0}+${BOX_TOP}" -composite \
            -fill "$PLATE_EDGE" -draw "line $x0,$BOX_TOP $x1,$BOX_TOP" -draw "line $x0,$BOX_TOP $x0,$BOX_BOTTOM" \
            -fill "$PLATE_SHINE" -draw "line $x0,$BOX_BOTTOM $x1,$BOX_BOTTOM" -draw "line $x1,$BOX_TOP $x1,$BOX_BOTTOM" \
            "$out"
    fi
}

# label <in> <text> <x0> <x1> <font> <size> <out> [stroke]: the text centred on the
# plate columns x0..x1; a stroke width thickens a thin font.
label() {
    local in=$1 text=$2 x0=$3 x1=$4 font=$5 size=$6 out=$7 stroke=${8:-0}
    local thick=()
    if [[ $stroke != 0 ]]; then thick=(-stroke "$LABEL" -strokewidth "$stroke"); fi
    # render once, trim to the ink, then place by the ink box horizontally and by a
    # common baseline vertically so "pt" and "mm" sit on the same line.
    convert -background none -fill "$LABEL" "${thick[@]}" -font "$font" -pointsize "$size" \
        "label:${text}" "$work/label-raw.png"
    local geo; geo=$(convert "$work/label-raw.png" -format '%@' info:)   # WxH+X+Y of the ink
    local iw=${geo%%x*} rest=${geo#*x}
    local ix; ix=$(echo "$rest" | cut -d+ -f2)
    local x=$(((x0 + x1 + 1 - iw) / 2 - ix))
    local y; y=$(label_top "$font" "$size")
    if [[ "$LABEL_EMBOSS" != none ]]; then
        convert -background none -fill "$LABEL_EMBOSS" \
            ${thick[@]+-stroke "$LABEL_EMBOSS" -strokewidth "$stroke"} -font "$font" -pointsize "$size" \
            "label:${text}" "$work/label-emboss.png"
        convert "$in" "$work/label-emboss.png" -geometry "+${x}+$((y + 1))" -composite \
            "$work/label-raw.png" -geometry "+${x}+${y}" -composite "$out"
    else
        convert "$in" "$work/label-raw.png" -geometry "+${x}+${y}" -composite "$out"
    fi
}

# label_top <font> <size>: the row where the label picture must start so that the
# ink of a capital letter is centred on the plate rows.
label_top() {
    local font=$1 size=$2
    local geo; geo=$(convert -background none -fill black -font "$font" -pointsize "$size" \
        "label:H" -format '%@' info:)
    local ih; ih=$(echo "$geo" | cut -dx -f2 | cut -d+ -f1)
    local iy; iy=$(echo "$geo" | cut -d+ -f3)
    echo $(((BOX_TOP + BOX_BOTTOM + 1 - ih) / 2 - iy))
}

# dots <in> <fg> <shade> <x...> -- <y...> <out>: a grid of 2x2 grip dots.
dots() {
    local in=$1 fg=$2 shade=$3; shift 3
    local xs=() ys=() x y
    while [[ $1 != -- ]]; do xs+=("$1"); shift; done; shift
    while (($# > 1)); do ys+=("$1"); shift; done
    local out=$1 d_shade="" d_fg=""
    for y in "${ys[@]}"; do for x in "${xs[@]}"; do
        d_shade+="rectangle $((x + 1)),$((y + 1)) $((x + 2)),$((y + 2)) "
        d_fg+="rectangle $x,$y $((x + 1)),$((y + 1)) "
    done; done
    convert "$in" +antialias -fill "$shade" -draw "$d_shade" -fill "$fg" -draw "$d_fg" "$out"
}

# ruler_ticks <in> <colour> <shade> <out>: a tiny ruler scale along the handle's lower edge.
ruler_ticks() {
    local in=$1 fg=$2 shade=$3 out=$4 d="" ds="" x len
    for ((x = 3; x <= 22; x += 2)); do
        if (((x - 3) % 10 == 0)); then len=4; elif (((x - 3) % 5 == 0)); then len=3; else len=2; fi
        d+="line $x,$((29 - len + 1)) $x,29 "
        ds+="line $((x + 1)),$((29 - len + 1)) $((x + 1)),29 "
    done
    convert "$in" +antialias -fill "$shade" -draw "$ds" -fill "$fg" -draw "$d" \
        -draw "line 3,29 21,29" "$out"
}

# pin <in> <out>: a push pin seen from the side, point down, on the on-top handle.
pin() {
    local in=$1 out=$2
    # outline first (one pixel larger), then the body with its lit left half
    convert "$in" +antialias \
        -fill "$PIN_SHADE" \
        -draw "rectangle 8,5 17,8" -draw "rectangle 9,8 16,13" -draw "rectangle 7,13 18,16" \
        -draw "rectangle 11,16 14,22" \
        -fill "$PIN" \
        -draw "rectangle 9,6 16,7" -draw "rectangle 10,8 15,13" -draw "rectangle 8,14 17,15" \
        -draw "rectangle 12,16 13,21" \
        -fill "$PIN_SHADE" -draw "line 14,9 14,12" -draw "line 16,7 16,7" \
        "$out"
}

# blossom <in> <cx> <cy> <petal> <centre> <out>: a five-petal cherry blossom.
blossom() {
    local in=$1 cx=$2 cy=$3 petal=$4 centre=$5 out=$6 d="" i
    # petal centres on a circle of radius 3, starting at the top
    local pts=("0.0,-3.0" "2.9,-0.9" "1.8,2.4" "-1.8,2.4" "-2.9,-0.9")
    for i in "${pts[@]}"; do
        local px=${i%,*} py=${i#*,}
        d+="circle $(echo "$cx + $px" | bc),$(echo "$cy + $py" | bc) $(echo "$cx + $px + 2.0" | bc),$(echo "$cy + $py" | bc) "
    done
    convert "$in" -fill "$petal" -draw "$d" -fill "$centre" -draw "circle $cx,$cy $(echo "$cx + 1.1" | bc),$cy" "$out"
}

# handle_base <top> <bottom> <shine> <shade> <out>: the left end of the bar.
handle_base() {
    local top=$1 bottom=$2 shine=$3 shade=$4 out=$5
    convert -size "26x${H}" "gradient:${top}-${bottom}" \
        -fill "$shine" -draw "line 1,1 24,1" -draw "line 1,1 1,31" \
        -fill "$shade" -draw "line 1,31 24,31" -draw "line 24,1 24,31" \
        -fill "$RIM" -draw "line 0,0 25,0" -draw "line 0,32 25,32" -draw "line 0,0 0,32" -draw "line 25,0 25,32" \
        "$out"
}

# gif <in> <out>: the final 8-bit palette GIF89a, no dithering, no metadata.
gif() {
    convert "$1" -strip +dither -colors 256 +repage "GIF:$2"
}

# ---------------------------------------------------------------------------
# One complete set of ten pictures.
# ---------------------------------------------------------------------------
draw_set() {
    local dest=$1
    mkdir -p "$dest"

    # input_field: rows only, the same in every column
    background 26 "$work/field.png"
    gif "$work/field.png" "$dest/input_field.gif"

    # separators
    local names=(form mm q point inch pixel) texts=("$FORM_LABEL" mm Q pt in px) i
    for i in "${!names[@]}"; do
        background 26 "$work/sep.png"
        plate "$work/sep.png" 2 23 "$work/sep-plate.png"
        if [[ ${names[$i]} == form ]]; then
            label "$work/sep-plate.png" "${texts[$i]}" 2 23 "$FORM_FONT" "$FORM_SIZE" "$work/sep-label.png" "$FORM_STROKE"
        else
            label "$work/sep-plate.png" "${texts[$i]}" 2 23 "$FONT_LABEL" 10 "$work/sep-label.png"
        fi
        gif "$work/sep-label.png" "$dest/${names[$i]}.gif"
    done

    # twip: the last label and the resize grip at the right edge
    background 34 "$work/end.png"
    plate "$work/end.png" 1 28 "$work/end-plate.png"
    label "$work/end-plate.png" twip 1 28 "$FONT_LABEL" 10 "$work/end-label.png"
    local gy d_fg="" d_sh=""
    for ((gy = 10; gy <= 24; gy += 3)); do
        d_sh+="point 31,$((gy + 1)) point 33,$((gy + 1)) "
        d_fg+="point 30,$gy point 32,$gy "
    done
    convert "$work/end-label.png" +antialias -fill "$GRIP_SHADE" -draw "$d_sh" -fill "$GRIP" -draw "$d_fg" \
        -fill "$RIM" -draw "line 33,0 33,32" "$work/end-grip.png"
    gif "$work/end-grip.png" "$dest/twip.gif"

    # title handle, normal: grip dots and a ruler scale
    handle_base "$HANDLE_TOP" "$HANDLE_BOTTOM" "$HANDLE_SHINE" "$HANDLE_SHADE" "$work/top.png"
    if [[ $BLOSSOM == yes ]]; then
        blossom "$work/top.png" 12.5 9 "$BLOSSOM_PETAL" "$BLOSSOM_HEART" "$work/top-b.png"
        dots "$work/top-b.png" "$DOT" "$DOT_SHADE" 9 14 -- 16 20 "$work/top-d.png"
    else
        dots "$work/top.png" "$DOT" "$DOT_SHADE" 9 14 -- 5 9 13 17 21 "$work/top-d.png"
    fi
    ruler_ticks "$work/top-d.png" "$DOT" "$DOT_SHADE" "$work/top-r.png"
    gif "$work/top-r.png" "$dest/top_modeless.gif"

    # title handle, always on top: other colours, a pin instead of the grip dots
    handle_base "$ON_TOP" "$ON_BOTTOM" "$ON_SHINE" "$ON_SHADE" "$work/on.png"
    pin "$work/on.png" "$work/on-p.png"
    ruler_ticks "$work/on-p.png" "$ON_DOT" "$ON_DOT_SHADE" "$work/on-r.png"
    gif "$work/on-r.png" "$dest/top_modal.gif"
}

# icon <size> <out>: a ruler in the default skin's colours on a clear ground.
icon() {
    local s=$1 out=$2
    look_default
    if ((s >= 32)); then
        local d="" x len
        for ((x = 4; x <= 27; x += 2)); do
            if (((x - 4) % 8 == 0)); then len=8; elif (((x - 4) % 4 == 0)); then len=6; else len=3; fi
            d+="line $x,9 $x,$((9 + len - 1)) "
        done
        # body: the handle gradient inside a rounded outline, with a soft drop shadow
        convert -size 30x18 "gradient:${HANDLE_TOP}-${HANDLE_BOTTOM}" "$work/icon-fill.png"
        convert -size 30x18 xc:black -fill white -draw "roundrectangle 0,0 29,17 3,3" "$work/icon-mask.png"
        convert -size 32x32 xc:none \
            -fill '#00000038' -draw "roundrectangle 2,9 31,26 3,3" \
            \( "$work/icon-fill.png" "$work/icon-mask.png" -alpha off -compose CopyOpacity -composite \) \
            -geometry +1+7 -compose Over -composite \
            -fill none -stroke "$HANDLE_SHADE" -strokewidth 1 -draw "roundrectangle 1,7 30,24 3,3" \
            -stroke none +antialias -fill "$HANDLE_SHINE" -draw "line 4,8 27,8" \
            -fill '#ffffff' -draw "$d" \
            -define png:exclude-chunks=date,time -strip "PNG32:$out"
    else
        local d="" x len
        for ((x = 3; x <= 13; x += 2)); do
            if (((x - 3) % 4 == 0)); then len=4; else len=2; fi
            d+="line $x,5 $x,$((5 + len - 1)) "
        done
        convert -size 16x16 xc:none +antialias \
            -fill "$HANDLE_SHADE" -draw "rectangle 0,3 15,12" \
            -fill "$HANDLE_TOP" -draw "rectangle 1,4 14,11" \
            -fill '#ffffff' -draw "$d" \
            -define png:exclude-chunks=date,time -strip "PNG32:$out"
    fi
}

look_default; draw_set "$repo_root/skins/skin_default"
look_dark;    draw_set "$repo_root/skins/skin_dark"
look_sakura;  draw_set "$repo_root/skins/skin_sakura"
look_builtin; draw_set "$repo_root/src/platform/builtin"
icon 32 "$repo_root/src/platform/builtin/zelvo.png"
icon 16 "$repo_root/src/platform/builtin/zelvo16.png"

echo "draw-skins: pictures written under skins/ and src/platform/builtin/"
