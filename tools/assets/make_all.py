"""Regenerate every picture of the editor into resources/.

Usage: /usr/bin/python3 tools/assets/make_all.py [--previews DIR]
With --previews, enlarged look-at renders are written to DIR as well.
"""

import argparse
import os
import sys

from PIL import Image

import app_icon
import background
import font_sheet
import hand
import logo
import previews
import toolbar
from tga import write_tga

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
RESOURCES = os.path.join(ROOT, "resources")
ICONS = os.path.join(RESOURCES, "icons")

SAMPLE_LINES = [
    ("Glimtags Player {Pro} 0123 #@!", 16, (255, 255, 255)),
    ("Red Yellow Green gjpqy", 16, (255, 0, 0)),
    ("Yellow ÀÉÎÕÜ àéîõü ß ©", 16, (255, 255, 0)),
    ("Blue text here ~", 16, (0, 0, 255)),
    ("Cyan at 12 px: The quick brown fox", 12, (0, 255, 255)),
    ("\x01\x02\x03\x04\x07\x08\x09\x12\x13\x14\x15\x17\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f",
     16, (255, 0, 255)),
    ("11 px: jumps over the lazy dog 0123456789", 11, (255, 255, 255)),
    ("Green glyphs at 16 px_", 16, (0, 255, 0)),
]


def _write_previews(directory, sheet, backdrop, strip, icons, picture, cursor):
    os.makedirs(directory, exist_ok=True)
    previews.contact_sheet(sheet).save(os.path.join(directory, "font_sheet_x4.png"))
    previews.text_sample(sheet, backdrop, SAMPLE_LINES).save(
        os.path.join(directory, "font_over_background.png"))
    previews.enlarge(strip, 8).save(os.path.join(directory, "toolbar_x8.png"))
    for size, icon in icons.items():
        previews.enlarge(icon, max(1, 256 // size)).save(
            os.path.join(directory, f"icon_{size}_enlarged.png"))
    picture.resize((picture.width * 2, picture.height * 2), Image.NEAREST).save(
        os.path.join(directory, "logo_x2.png"))
    previews.enlarge(cursor, 12, (120, 160, 200, 255)).save(
        os.path.join(directory, "hand_x12.png"))
    for name in ("Font.TGA", "BackGrnd.TGA"):
        loaded = previews.as_loaded(os.path.join(RESOURCES, name))
        if loaded.mode == "RGBA":
            loaded = previews.enlarge(loaded, 2, previews.GREY)
        loaded.save(os.path.join(directory, name + ".as_loaded.png"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--previews", metavar="DIR",
                        help="also write enlarged look-at renders to DIR")
    args = parser.parse_args()

    os.makedirs(ICONS, exist_ok=True)
    sheet = font_sheet.build_sheet()
    write_tga(os.path.join(RESOURCES, "Font.TGA"), sheet)
    backdrop = background.build_background()
    write_tga(os.path.join(RESOURCES, "BackGrnd.TGA"), backdrop)

    icons = {size: app_icon.build_icon(size) for size in app_icon.SIZES}
    for size, icon in icons.items():
        icon.save(os.path.join(ICONS, f"glimtags-{size}.png"), optimize=True)
    strip = toolbar.build_toolbar()
    strip.save(os.path.join(ICONS, "toolbar.png"), optimize=True)
    picture = logo.build_logo(backdrop, sheet)
    picture.save(os.path.join(ICONS, "logo.png"), optimize=True)
    cursor = hand.build_hand()
    cursor.save(os.path.join(ICONS, "hand.png"), optimize=True)

    if args.previews:
        _write_previews(args.previews, sheet, backdrop, strip, icons, picture, cursor)
    return 0


if __name__ == "__main__":
    sys.exit(main())
