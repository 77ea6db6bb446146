"""The toolbar strip: nine 18 x 17 pictures side by side, 16-colour style."""

from PIL import Image

from pixel_art import paint, picture

BUTTON_W, BUTTON_H = 18, 17

NEW = [
    "..................",
    "...kkkkkkkkk......",
    "...kwwwwwwwkk.....",
    "...kwwwwwwwksk....",
    "...kwwwwwwwksdk...",
    "...kwwwwwwwkkkkk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kwwwwwwwwwwwk..",
    "...kkkkkkkkkkkkk..",
    "..................",
]

OPEN = [
    "..................",
    "..................",
    "..................",
    ".kkkkk............",
    "kYYYYYk...........",
    "kYoooookkkkkkk....",
    "kYoooooooooook....",
    "kYoooooooooook....",
    "kYoooookkkkkkkkkkk",
    "kYoookwYYYYYYYYYk.",
    "kYookYYYYYYYYYYk..",
    "kYokYYYYYYYYYYk...",
    "kYkYYYYYYYYYYk....",
    "kkYYYYYYYYYYk.....",
    "kkkkkkkkkkkk......",
    "..................",
    "..................",
]

CONFIG_PAGE = [
    "kkkkkkkk...",
    "kwwwwwwkk..",
    "kwwwwwwksk.",
    "kwwwwwwkkkk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kkkkkkkkkkk",
]

GEAR = [
    "....k....",
    ".k.kkk.k.",
    "..kdddk..",
    ".kddwddk.",
    "kkdwwwdkk",
    ".kddwddk.",
    "..kdddk..",
    ".k.kkk.k.",
    "....k....",
]

RIGHT_ARROW = [
    "....k...",
    "....kk..",
    "kkkkkGk.",
    "kGGGGGGk",
    "kkkkkGk.",
    "....kk..",
    "....k...",
]

FLOPPY = [
    "kkkkkkkkkkkkk.",
    "knnsssssssdnnk",
    "knnssddsssdnnk",
    "knnssddsssdnnk",
    "knnsssssssdnnk",
    "knnnnnnnnnnnnk",
    "knnnnnnnnnnnnk",
    "knwwwwwwwwwwnk",
    "knwwwwwwwwwwnk",
    "knwkkkkkkkkwnk",
    "knwwwwwwwwwwnk",
    "knwkkkkkkkkwnk",
    "knwwwwwwwwwwnk",
    "kkkkkkkkkkkkkk",
]

PERSON = [
    "..kkk..",
    ".kYYYk.",
    ".kYYYk.",
    ".kYYYk.",
    "..kkk..",
    ".kkkkk.",
    "kRRRRRk",
    "kRRRRRk",
    "kkkkkkk",
]

MONITOR = [
    "kkkkkkkk",
    "kCCCCCCk",
    "kCwCCCCk",
    "kCCCCCCk",
    "kCCCCCCk",
    "kkkkkkkk",
    "...kk...",
    ".kkkkkk.",
]

CHECK = [
    "..................",
    "..................",
    "..................",
    "..............kk..",
    ".............kGGk.",
    "............kGGGk.",
    "...........kGGGk..",
    "..kk......kGGGk...",
    ".kGGk....kGGGk....",
    ".kGGGk..kGGGk.....",
    "..kGGGkkGGGk......",
    "...kGGGGGGk.......",
    "....kGGGGk........",
    ".....kGGk.........",
    "......kk..........",
    "..................",
    "..................",
]

EXIT = [
    "..................",
    ".kkkkkkkkk........",
    ".krrrrrrrk........",
    ".krrrrrrrk........",
    ".krrrrrrrk...k....",
    ".krrrrrrrk...kk...",
    ".krrrrrrkkkkkkRk..",
    ".krrrrrYkRRRRRRRk.",
    ".krrrrrrkkkkkkRk..",
    ".krrrrrrrk...kk...",
    ".krrrrrrrk...k....",
    ".krrrrrrrk........",
    ".krrrrrrrk........",
    ".krrrrrrrk........",
    ".krrrrrrrk........",
    ".kkkkkkkkk........",
    "..................",
]

# A U-turn arrow whose head points back to the left.
UNDO = [
    ".....k............",
    "....kBk...........",
    "...kBBk...........",
    "..kBBBk...........",
    ".kBBBBkkkkkk......",
    "kBBBBBBBBBBBkk....",
    "kBBBBBBBBBBBBBk...",
    ".kBBBBkkkkkBBBBk..",
    "..kBBBk....kkBBBk.",
    "...kBBk......kBBk.",
    "....kBk......kBBk.",
    ".....k.......kBBk.",
    ".....kkkkkkkkBBBk.",
    "....kBBBBBBBBBBk..",
    "....kBBBBBBBBBk...",
    ".....kkkkkkkkk....",
    "..................",
]

REDO = [row[::-1] for row in UNDO]


def _button():
    return Image.new("RGBA", (BUTTON_W, BUTTON_H), (0, 0, 0, 0))


def _merge():
    button = _button()
    paint(button, CONFIG_PAGE, left=7, top=1)
    paint(button, GEAR, left=8, top=6)
    paint(button, RIGHT_ARROW, left=0, top=3)
    return button


def _save_as(badge, left, top):
    button = _button()
    paint(button, FLOPPY, left=1, top=1)
    paint(button, badge, left=left, top=top)
    return button


def buttons():
    """The nine pictures in toolbar order."""
    return [picture(NEW), picture(OPEN), _merge(),
            _save_as(PERSON, 11, 8), _save_as(MONITOR, 10, 9),
            picture(CHECK), picture(EXIT), picture(UNDO), picture(REDO)]


def build_toolbar():
    pictures = buttons()
    strip = Image.new("RGBA", (BUTTON_W * len(pictures), BUTTON_H), (0, 0, 0, 0))
    for index, image in enumerate(pictures):
        if image.size != (BUTTON_W, BUTTON_H):
            raise ValueError(f"button {index} is {image.size}")
        strip.paste(image, (index * BUTTON_W, 0))
    return strip
