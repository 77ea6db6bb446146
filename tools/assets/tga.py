"""Uncompressed Targa writer for the preview's textures."""

import struct

from PIL import Image


def write_tga(path, image):
    """Write an RGB or RGBA picture as an uncompressed true-colour Targa.

    Rows are stored bottom-up (origin lower left) because the loader keeps
    file row order and puts the first row at the bottom of the texture.
    """
    if image.mode not in ("RGB", "RGBA"):
        raise ValueError("write_tga needs an RGB or RGBA image")
    depth = 8 * len(image.mode)
    alpha_bits = 8 if image.mode == "RGBA" else 0
    width, height = image.size
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0,
                         width, height, depth, alpha_bits)
    bands = image.split()
    # Targa keeps blue first; swapping the band order gives BGR(A) bytes.
    stored = Image.merge(image.mode, (bands[2], bands[1], bands[0]) + bands[3:])
    stored = stored.transpose(Image.Transpose.FLIP_TOP_BOTTOM)
    with open(path, "wb") as out:
        out.write(header)
        out.write(stored.tobytes())
