"""The installed tree is complete: installed into a fresh prefix, the launcher's command
started in the launcher's folder shows the editor with its preview background and glyphs, and
the launcher opens the file types the tree defines. The program answers --help and --version
and writes the picture of a name without a display, and says so when it has none to show its
window on.

Usage (under an X server, e.g. xvfb-run): installed_tree_test.py CMAKE BUILD_DIR
"""
import os
import re
import shlex
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

CMAKE, BUILD_DIR = sys.argv[1:3]

DATA_FILES = ["English.lan", "Espanol.lan", "Deutsch.lan", "Francais.lan",
              "Font.TGA", "BackGrnd.TGA", "Glimtags.chm"]
DOCUMENTS = ["share/man/man1/glimtags.1.gz", "share/doc/glimtags/changelog.gz", "share/doc/glimtags/copyright"]
ICON_SIZES = [16, 32, 48, 256]
FILE_TYPES = {"*.name": "text/x-glimtags-name", "*.host": "text/x-glimtags-host"}
PREVIEW_SIZE = (576, 228)
CLEAR_COLOUR = (118, 180, 142)  # what the preview shows when the background picture is missing
WINDOW_TITLE = "Glimtags Editor"
TYPED_NAME = "^1WWMM^3WWMM"  # wide glyphs, so a solid square and a letter differ clearly
NAME_ROWS = (90, 125)
WAIT_SECONDS = 90  # sanitizer builds start slowly


def run(*command, **kwargs):
    return subprocess.run(command, check=True, capture_output=True, text=True, **kwargs).stdout


def read_ppm(path):
    """Width, height and the RGB triples of a binary PPM (P6, maxval 255)."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    assert magic == b"P6" and maxval == 255, f"unexpected picture format {magic} {maxval}"
    pixels = data[pos + 1:pos + 1 + 3 * width * height]
    return width, height, [tuple(pixels[i:i + 3]) for i in range(0, len(pixels), 3)]


def read_png(path):
    """Width, height and the RGBA quadruples of an 8-bit RGBA PNG without interlace."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, compressed = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunk = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", chunk)
            assert (depth, colour_type, interlace) == (8, 6, 0), "not 8-bit RGBA without interlace"
        elif kind == b"IDAT":
            compressed += chunk
        pos += 12 + length
    raw, stride, rows, previous = zlib.decompress(compressed), 4 * width, [], bytearray(4 * width)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up, corner = previous[i], previous[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(line)
        previous = line
    pixels = [tuple(row[i:i + 4]) for row in rows for i in range(0, stride, 4)]
    return width, height, pixels


def near(colour, reference, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, reference))


def is_red(c):
    return c[0] > 140 and c[1] < 90 and c[2] < 90


def is_yellow(c):
    return c[0] > 140 and c[1] > 140 and c[2] < 90


def is_dark(c):
    return max(c) < 80


def bounding_box(width, pixels, predicate):
    points = [(i % width, i // width) for i, c in enumerate(pixels) if predicate(c)]
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def desktop_entry(path):
    entry, group = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                entry[key.strip()] = value.strip()
    return entry


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="glimtags-install-")
        cls.prefix = os.path.join(cls.root, "prefix")
        run(CMAKE, "--install", BUILD_DIR, "--prefix", cls.prefix)
        applications = os.path.join(cls.prefix, "share", "applications")
        launchers = os.listdir(applications)
        assert len(launchers) == 1 and launchers[0].endswith(".desktop"), f"launchers: {launchers}"
        cls.desktop_id = launchers[0][:-len(".desktop")]
        cls.launcher = os.path.join(applications, launchers[0])
        cls.metainfo = os.path.join(cls.prefix, "share", "metainfo", cls.desktop_id + ".metainfo.xml")
        cls.entry = desktop_entry(cls.launcher)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root, ignore_errors=True)

    def test_tree_holds_program_data_icons_and_launcher(self):
        icons = {size: os.path.join(self.prefix, "share", "icons", "hicolor", f"{size}x{size}", "apps",
                                    self.desktop_id + ".png") for size in ICON_SIZES}
        expected = [os.path.join(self.prefix, "bin", "glimtags")]
        expected += [os.path.join(self.prefix, "share", "glimtags", name) for name in DATA_FILES]
        expected += [os.path.join(self.prefix, path) for path in DOCUMENTS]
        expected += icons.values()
        self.assertEqual([p for p in expected if not os.path.isfile(p)], [])
        self.assertTrue(os.access(expected[0], os.X_OK))
        for size, icon in icons.items():
            self.assertEqual(run("identify", "-format", "%wx%h", icon), f"{size}x{size}")

    def test_launcher_points_into_the_prefix(self):
        self.assertEqual(shlex.split(self.entry["Exec"]), [os.path.join(self.prefix, "bin", "glimtags"), "%f"])
        self.assertEqual(self.entry["Path"], os.path.join(self.prefix, "share", "glimtags"))
        self.assertEqual(self.entry["Icon"], self.desktop_id)

    def test_launcher_and_metainfo_validate(self):
        for command in (["desktop-file-validate", self.launcher],
                        ["appstreamcli", "validate", "--no-net", self.metainfo]):
            result = subprocess.run(command, capture_output=True, text=True)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_launcher_opens_the_file_types_of_the_tree(self):
        mime = os.path.join(self.prefix, "share", "mime")
        run("update-mime-database", mime)
        with open(os.path.join(mime, "globs2"), encoding="utf-8") as f:
            rows = [line.strip().split(":") for line in f if not line.startswith("#")]
        globs = {glob: mime_type for _, mime_type, glob, *_ in rows}
        with open(os.path.join(mime, "subclasses"), encoding="utf-8") as f:
            parents = dict(line.split() for line in f)
        self.assertEqual(globs, FILE_TYPES)
        self.assertEqual({parents.get(t) for t in FILE_TYPES.values()}, {"text/plain"})
        self.assertEqual(set(filter(None, self.entry["MimeType"].split(";"))), set(FILE_TYPES.values()))

    def test_help_and_version_need_no_display(self):
        with open(os.path.join(BUILD_DIR, "CMakeCache.txt"), encoding="utf-8") as f:
            version = re.search(r"^CMAKE_PROJECT_VERSION:STATIC=(.*)$", f.read(), re.M).group(1)
        for option, expected in (("--help", r"(?s)^.*Usage: glimtags .*--version.*$"),
                                 ("--version", rf"^glimtags {re.escape(version)}\n$")):
            result = self.run_without_display(option)
            self.assertEqual((result.returncode, result.stderr), (0, ""), option)
            self.assertRegex(result.stdout, expected)

    def test_without_a_display_the_editor_says_it_needs_one(self):
        result = self.run_without_display()
        self.assertNotEqual(result.returncode, 0)
        self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
        self.assertIn("needs an X display", result.stderr)

    def test_export_picture_needs_no_display(self):
        """A terminal writes the picture of a name, at twice the game's size, from a folder that holds
        none of the editor's files: the installed font and background draw it (the stored game folder
        holds no font)."""
        home = self.prepare_home("English.lan")
        picture = os.path.join(home, "name.png")
        result = self.run_without_display("--export-picture", picture, "--scale", "2", TYPED_NAME, home=home)
        self.assertEqual(result.returncode, 0, result.stderr)
        width, height, pixels = read_png(picture)
        cell = 32
        self.assertEqual((width, height), (8 * cell + cell, 2 * cell), "eight glyphs and half a cell all round")
        rgb = [c[:3] for c in pixels]
        margin = rgb[:cell // 2 * width]
        self.assertTrue(all(c[3] == 255 for c in pixels), "over the background, every pixel is opaque")
        self.assertGreater(len(set(margin)), 16, "the margin shows the textured background")
        self.assertFalse(any(is_red(c) or is_yellow(c) for c in margin))
        glyph_rows = [rgb[y * width:(y + 1) * width] for y in range(cell // 2, cell // 2 + cell)]
        self.assertTrue(any(is_red(c) for row in glyph_rows for c in row[:width // 2]), "red glyphs on the left")
        self.assertTrue(any(is_yellow(c) for row in glyph_rows for c in row[width // 2:]), "yellow on the right")

        transparent = os.path.join(home, "clear.png")
        result = self.run_without_display("--export-picture", transparent, "--transparent", "x", home=home)
        self.assertEqual(result.returncode, 0, result.stderr)
        width, height, pixels = read_png(transparent)
        self.assertEqual((width, height), (32, 32))
        self.assertEqual(pixels[0][3], 0, "no background, no colour in the margin")
        self.assertGreater(max(c[3] for c in pixels), 200, "the glyph")

    def test_export_picture_mistakes_and_failures(self):
        home = self.prepare_home("English.lan")
        picture = os.path.join(home, "name.png")
        for arguments in (["--scale", "3", "x"], ["--game", "quake", "x"], []):
            result = self.run_without_display("--export-picture", picture, *arguments, home=home)
            self.assertEqual(result.returncode, 2, arguments)
            self.assertRegex(result.stderr, r"(?s)^glimtags: .*Usage: glimtags ", arguments)
            self.assertFalse(os.path.exists(picture))
        result = self.run_without_display("--export-picture", os.path.join(home, "none", "name.png"), "x", home=home)
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr, r"glimtags: cannot write .*/none/name\.png: No such file or directory\n$")

    def run_without_display(self, *arguments, home=None):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["ASAN_OPTIONS"] = "detect_leaks=0"
        if home:
            env["HOME"] = home
            env.pop("XDG_CONFIG_HOME", None)
        return subprocess.run([os.path.join(self.prefix, "bin", "glimtags"), *arguments], env=env, cwd=home,
                              capture_output=True, text=True, timeout=WAIT_SECONDS)

    def test_double_clicked_script_opens_from_any_folder(self):
        """The launcher's command given a saved script, as a desktop runs it for a double-click,
        started in / where none of the editor's files lie. Its name is not UTF-8: file names
        are the system's bytes."""
        home = self.prepare_home("English.lan")
        script = os.path.join(home, os.fsdecode(b"Fr\xe9d.name"))
        with open(script, "w") as f:
            f.write(f'seta name "{TYPED_NAME}^7"')
        command = [script if word == "%f" else word for word in shlex.split(self.entry["Exec"])]
        self.process = self.start(command, home, "/")
        try:
            self.wait_for(lambda: self.preview_place() is not None, "the editor window and its preview")
            preview = self.preview_place()
            self.wait_for(lambda: any(is_yellow(c) for c in self.capture(preview)[2]), "the name of the script")
            time.sleep(1)
            named = self.capture(preview)
            self.assert_background(named)
            self.assert_glyphs(named)
        finally:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(10)

    def test_unreadable_language_file_ends_the_editor_after_its_message(self):
        """Started in a folder removed since, as from a terminal left in it."""
        home = self.prepare_home("Missing.lan")
        gone = tempfile.mkdtemp(dir=self.root)
        program = os.path.join(self.prefix, "bin", "glimtags")
        editor = self.start(["sh", "-c", 'cd "$1" && rmdir "$1" && exec "$2"', "sh", gone, program], home, "/")
        try:
            self.wait_for(lambda: self.window_place("GLiMTaGS EDiToR") is not None, "the message")
            x, y = self.window_place("GLiMTaGS EDiToR")
            # No window manager: the keyboard follows the pointer.
            run("xdotool", "mousemove", str(x + 20), str(y + 20))
            run("xdotool", "key", "Return")
            self.assertEqual(editor.wait(WAIT_SECONDS), 1, "an editor that could not start says so")
        finally:
            if editor.poll() is None:
                editor.kill()
                editor.wait()

    def prepare_home(self, language):
        home = tempfile.mkdtemp(dir=self.root)
        game = os.path.join(home, ".q3a", "baseq3")
        os.makedirs(game)
        settings = os.path.join(home, ".config", "Quorvant")
        os.makedirs(settings)
        with open(os.path.join(settings, "GLiMTaGS EDiToR.conf"), "w") as f:
            f.write(f"[v1.7]\nLanguage={language}\nq3Path={game}\n")
        return home

    @staticmethod
    def start(command, home, folder):
        env = {k: v for k, v in os.environ.items()
               if k not in ("XDG_CONFIG_HOME", "WAYLAND_DISPLAY")}
        env["HOME"] = home
        env["ASAN_OPTIONS"] = "detect_leaks=0"
        return subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @staticmethod
    def window_place(title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True, text=True)
        if found.returncode != 0 or not found.stdout.strip():
            return None
        geometry = run("xdotool", "getwindowgeometry", found.stdout.split()[0])
        match = re.search(r"Position: (\d+),(\d+)", geometry)
        return (int(match.group(1)), int(match.group(2))) if match else None

    def preview_place(self):
        """Left and top of the preview window on the screen, once the editor window is mapped."""
        self.assertIsNone(self.process.poll(), "the editor ended on its own")
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", WINDOW_TITLE],
                               capture_output=True, text=True)
        if found.returncode != 0 or not found.stdout.strip():
            return None
        tree = run("xwininfo", "-root", "-tree")
        width, height = PREVIEW_SIZE
        match = re.search(rf"\s{width}x{height}[+-]\d+[+-]\d+\s+\+(\d+)\+(\d+)", tree)
        return (int(match.group(1)), int(match.group(2))) if match else None

    def capture(self, place):
        path = os.path.join(self.root, "preview.ppm")
        width, height = PREVIEW_SIZE
        run("import", "-window", "root", "-crop", f"{width}x{height}+{place[0]}+{place[1]}", "+repage", "-depth", "8", path)
        return read_ppm(path)

    def wait_for(self, condition, what):
        deadline = time.monotonic() + WAIT_SECONDS
        while not condition():
            if time.monotonic() > deadline:
                self.fail(f"timed out waiting for {what}")
            time.sleep(0.5)

    @staticmethod
    def background_shown(picture):
        pixels = picture[2]
        return sum(1 for c in pixels if near(c, CLEAR_COLOUR, 12)) < len(pixels) // 20

    def assert_background(self, picture):
        width, height, pixels = picture
        self.assertEqual((width, height), PREVIEW_SIZE)
        clear = sum(1 for c in pixels if near(c, CLEAR_COLOUR, 12))
        self.assertLess(clear, len(pixels) // 20, "the preview shows the clear colour, not the background")
        # The background is a textured picture, not one flat colour.
        self.assertGreater(len(set(pixels)), 64)

    def assert_glyphs(self, named):
        width, _, pixels = named
        # The rows of the name's glyphs, above the character information.
        after = pixels[NAME_ROWS[0] * width:NAME_ROWS[1] * width]
        for colour, predicate in (("red", is_red), ("yellow", is_yellow)):
            box = bounding_box(width, after, predicate)
            self.assertIsNotNone(box, f"no {colour} glyphs")
            left, top, right, bottom = box
            # Four glyphs of one colour: a strip about one cell high and four cells wide.
            self.assertLess(bottom - top, 40, f"{colour} glyphs spread over {box}")
            self.assertGreater(right - left, 3 * (bottom - top), f"{colour} glyphs in {box}")
            cells = [after[y * width + x] for y in range(top, bottom) for x in range(left, right)]
            lit = sum(1 for c in cells if predicate(c))
            dark = sum(1 for c in cells if is_dark(c))
            # Letters leave the background between their strokes; solid squares would not.
            self.assertGreater(lit, len(cells) // 10, f"{colour} glyphs too faint in {box}")
            self.assertLess(lit, len(cells) * 7 // 10, f"{colour} glyphs are solid blocks in {box}")
            self.assertGreater(dark, len(cells) // 5, f"no background between {colour} strokes in {box}")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
