#!/usr/bin/env python3
"""Writes the five sample designs of Help > Samples as .wisplet files into
resources/samples/designs/, from the sample pages' WriteWisplet calls.

The designer's lists and number boxes hold less than the page script accepts:
the entrances "Slide From Right" and "Slide From Middle" of sample pages 2 and
4 are not in the designer's list, durations are whole numbers and the
paddings have one digit; the designs use the nearest values the designer offers.

Run from the top of the checkout: python3 tools/make-sample-designs.py
"""
import json
import pathlib
import re
import zipfile

root = pathlib.Path(__file__).resolve().parent.parent
samples = root / "resources" / "samples"
out = samples / "designs"
ALIGN = ["Default", "Left", "Center", "Right"]
BORDER = ["none", "solid", "dashed", "dotted", "double"]

CALL = re.compile(r"WriteWisplet\((\d+),(\d+),(\d+),'images/(sample\d\.jpg)','(#[0-9A-F]{6})','(\w+)',(\d+),(\d+),([\d.]+),"
                  r"'<font face=arial>(.*)</font>',(\d+),(\d+),'(\w+)',(\d+),'(#[0-9A-F]{6})'\)")


def design(waiting, width, height, picture, bg, align, entrance, effect, duration, content, pad_in, pad_out,
           style, border_width, border_colour):
    return {
        "format": "wisplet-design",
        "version": 1,
        "settings": {
            "width": width, "height": height, "padIn": pad_in, "padOut": pad_out,
            "borderStyle": BORDER.index(style), "borderWidth": border_width, "borderColor": border_colour,
            "bgColor": bg, "align": ALIGN.index(align), "entrance": entrance, "waiting": waiting,
            "contentEntrance": effect, "duration": duration, "content": content,
        },
        "background": {"category": 1, "name": picture, "picture": "pictures/" + picture},
        "images": [],
    }


def write(name, d, picture):
    path = out / name
    with zipfile.ZipFile(path, "w") as z:
        z.writestr(zipfile.ZipInfo("mimetype", (2026, 1, 1, 0, 0, 0)), "application/x-wisplet-design",
                   compress_type=zipfile.ZIP_STORED)
        z.writestr(zipfile.ZipInfo("design.json", (2026, 1, 1, 0, 0, 0)),
                   json.dumps(d, indent=2, ensure_ascii=False) + "\n", compress_type=zipfile.ZIP_DEFLATED)
        z.writestr(zipfile.ZipInfo("pictures/" + picture, (2026, 1, 1, 0, 0, 0)),
                   (samples / "images" / picture).read_bytes(), compress_type=zipfile.ZIP_STORED)
    print(path.relative_to(root))


# The designer's entrance list: 0 Slide From Left-Top, 1 Slide From Left, 2 Slide From Top.
ENTRANCE = {1: 1, 2: 2, 3: 1, 4: 0}
titles = {1: "sample1-slide-from-left", 2: "sample2-slide-from-right", 3: "sample3-slide-from-top",
          4: "sample4-slide-from-middle"}
for n in range(1, 5):
    page = (samples / f"sample{n}.html").read_text(encoding="utf-8")
    m = CALL.search(page)
    if not m:
        raise SystemExit(f"no WriteWisplet call in sample{n}.html")
    (waiting, width, height, picture, bg, align, entrance, effect, duration, content, pad_in, pad_out, style,
     border_width, border_colour) = m.groups()
    content = content.replace("\\'", "'")
    whole = str(round(float(duration)))
    pad_in, pad_out = str(min(int(pad_in), 9)), str(min(int(pad_out), 9))
    write(titles[n] + ".wisplet",
          design(waiting, width, height, picture, bg, align, ENTRANCE[int(entrance)], int(effect), whole, content,
                 pad_in, pad_out, style, border_width, border_colour),
          picture)

# Sample 5, "Check All Effects": the page's box with its first effect.
content = ('<div style="padding:16px;color:#fff;font-size:14px;line-height:1.5">'
           '<div style="font-size:20px;font-weight:bold">Doors Opening - Vertical</div>Effect number 0 of the content '
           'entrance list.<br><br><img src="images/wisplet-txt.jpg" width="180" alt="Wisplet Dorizized"></div>')
write("sample5-check-all-effects.wisplet",
      design("1", "300", "170", "sample1.jpg", "#27406B", "Center", 0, 0, "2", content, "9", "9", "solid", "2",
             "#FFFFFF"),
      "sample1.jpg")
