"""Runs Debian's dedicated server (ioquake3's engine) on 127.0.0.1 with the baseq3 or
the OpenArena game module, in a temporary home, and reads what the game made of names."""

import os
import shutil
import subprocess
import tempfile
import time

from q3_connect import Server, parse_info

ENGINE = "/usr/lib/ioquake3/ioq3ded"
OPENARENA_BASE = "/usr/lib/openarena-server"
OPENARENA_DATA = "/usr/share/games/openarena/baseoa"
BASEQ3_MODULE = "/usr/lib/ioquake3/baseq3/qagamex86_64.so"
PROTOCOL = 71
RCON_PASSWORD = b"engine-names"


def installed(game):
    need = [ENGINE, OPENARENA_DATA + "/pak1-maps.pk3"]
    need.append(OPENARENA_BASE + "/baseoa/qagamex86_64.so" if game == "openarena" else BASEQ3_MODULE)
    return all(os.path.exists(path) for path in need)


class RealServer:
    def __init__(self, game, port, config_lines=()):
        self.game = game
        self.home = tempfile.mkdtemp(prefix="engine-names-")
        # The engine insists on Quake III's own (non-free) data in a folder called
        # baseq3, so the baseq3 module runs from a folder of another name.
        folder = "baseoa" if game == "openarena" else "q3module"
        self.game_folder = os.path.join(self.home, folder)
        os.makedirs(self.game_folder)
        if game == "openarena":
            base = OPENARENA_BASE
        else:
            # The baseq3 module runs on OpenArena's maps.
            base = os.path.join(self.home, "base")
            os.makedirs(os.path.join(base, folder))
            os.symlink(BASEQ3_MODULE, os.path.join(base, folder, "qagamex86_64.so"))
            for pk3 in os.listdir(OPENARENA_DATA):
                os.symlink(os.path.join(OPENARENA_DATA, pk3), os.path.join(base, folder, "oa-" + pk3))
        with open(os.path.join(self.game_folder, "test.cfg"), "wb") as cfg:
            cfg.write(b"set rconpassword " + RCON_PASSWORD + b"\n")
            cfg.write(b"".join(line + b"\n" for line in config_lines))
        args = [ENGINE, "+set", "dedicated", "1", "+set", "com_basegame", folder, "+set", "com_standalone", "1",
                "+set", "fs_basepath", base, "+set", "fs_homepath", self.home, "+set", "vm_game", "0",
                "+set", "com_protocol", str(PROTOCOL), "+set", "com_legacyprotocol", str(PROTOCOL),
                "+set", "net_enabled", "1", "+set", "net_ip", "127.0.0.1", "+set", "net_port", str(port),
                "+set", "sv_reconnectlimit", "0", "+set", "g_log", "games.log", "+set", "g_logsync", "1",
                "+set", "bot_enable", "0", "+set", "sv_maxclients", "4", "+set", "sv_pure", "0",
                "+exec", "test.cfg", "+map", "oa_dm1"]
        self.output = open(os.path.join(self.home, "console.txt"), "wb")
        self.process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT)
        self.server = Server(port)
        self.scripts_run = 0
        self.server.wait_until_up(20)

    def close(self):
        self.server.close()
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.output.close()
        shutil.rmtree(self.home, ignore_errors=True)

    def _log(self):
        try:
            with open(os.path.join(self.game_folder, "games.log"), "rb") as log:
                return log.read()
        except FileNotFoundError:
            return b""

    def host_name(self, name):
        """sv_hostname as getinfo and getstatus report it after the server ran a script
        setting it to NAME, as a Save as HostName script does; None when they leave it out."""
        self.scripts_run += 1
        mark = str(self.scripts_run).encode()
        with open(os.path.join(self.game_folder, "host.cfg"), "wb") as cfg:
            cfg.write(b'set sv_hostname "' + name + b'"\nsets script_run ' + mark + b"\n")
        self.server.request(b"rcon " + RCON_PASSWORD + b" exec host.cfg", b"print\n")
        # The script runs in the server's next frame; getstatus answers ten times a second.
        end = time.time() + 5
        while time.time() < end:
            time.sleep(0.15)
            status = parse_info(self.server.request(b"getstatus", b"statusResponse\n").split(b"\n")[0])
            if status.get(b"script_run") == mark:
                info = parse_info(self.server.info()).get(b"hostname")
                if info != status.get(b"sv_hostname"):
                    raise RuntimeError("getinfo and getstatus disagree on the host name")
                return info
        raise RuntimeError("the server did not run the host name script")

    def player_name(self, name):
        """The name the game module gives a player who connects to slot 0 with the
        userinfo name NAME (None: no name key, as when the client's engine refused it)."""
        before = len(self._log())
        userinfo = [(b"cl_guid", b"0123456789ABCDEF0123456789ABCDEF")]
        if name is not None:
            userinfo.append((b"name", name))
        self.server.connect(userinfo, PROTOCOL)
        end = time.time() + 5
        while time.time() < end:
            for line in self._log()[before:].split(b"\n"):
                marker = line.find(b"ClientUserinfoChanged: 0 n\\")
                if marker >= 0:
                    rest = line[marker + len(b"ClientUserinfoChanged: 0 n\\"):]
                    return rest[:rest.index(b"\\t\\")]
            time.sleep(0.02)
        raise RuntimeError("no ClientUserinfoChanged line in the game's log")
