# SPDX-License-Identifier: GPL-3.0-or-later
"""What the desktop tests read from and do to the X display: window
properties, geometry and stacking through xprop and xwininfo, pointer and keys
through xdotool, pictures through ImageMagick's import."""

import re
import subprocess


class X:
    def __init__(self, env):
        self.env = env

    def run(self, *command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=30)
        if check and result.returncode != 0:
            raise AssertionError("%s failed: %s" % (" ".join(command), result.stderr.strip()))
        return result.stdout

    # ---- finding windows -------------------------------------------------------

    def windows_of_class(self, name):
        """Mapped windows whose class is name (for programs that set no _NET_WM_PID)."""
        out = self.run("xdotool", "search", "--all", "--onlyvisible", "--class", "^%s$" % re.escape(name), check=False)
        return [int(line) for line in out.split()]

    def windows_of(self, pid, name):
        """Mapped windows of the process with exactly this title."""
        out = self.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
                       "^%s$" % re.escape(name), check=False)
        return [int(line) for line in out.split()]

    # ---- properties --------------------------------------------------------------

    def prop(self, window, name):
        out = self.run("xprop", "-id", str(window), name, check=False)
        if "not found" in out or "no such atom" in out or "=" not in out and ":" not in out:
            return ""
        return out.split("=", 1)[1].strip() if "=" in out else out.split(":", 1)[1].strip()

    def atoms(self, window, name):
        return {atom.strip() for atom in self.prop(window, name).split(",") if atom.strip()}

    def root_prop(self, name):
        out = self.run("xprop", "-root", name, check=False)
        return out.split("#", 1)[1] if "#" in out else (out.split("=", 1)[1] if "=" in out else "")

    def stacking(self):
        """Client windows bottom to top, as the window manager says."""
        return [int(part, 16) for part in re.findall(r"0x[0-9a-f]+", self.root_prop("_NET_CLIENT_LIST_STACKING"))]

    def frame_of(self, window):
        """The window's topmost ancestor below the root: its frame, or itself."""
        top = window
        while True:
            out = self.run("xwininfo", "-children", "-id", str(top))
            root = int(re.search(r"Root window id: (0x[0-9a-f]+)", out).group(1), 16)
            parent = int(re.search(r"Parent window id: (0x[0-9a-f]+)", out).group(1), 16)
            if parent == root:
                return top
            top = parent

    def drawn_above(self, upper, lower):
        """Whether the X server stacks upper's frame over lower's, whatever the
        window manager's list says."""
        children = [int(part, 16) for part in
                    re.findall(r"^\s+(0x[0-9a-f]+)", self.run("xwininfo", "-root", "-children"), re.M)]
        # xwininfo names the root's children top first.
        frames = self.frame_of(upper), self.frame_of(lower)
        return all(frame in children for frame in frames) and children.index(frames[0]) < children.index(frames[1])

    def focused(self):
        """The window that has the keyboard focus, as the X server says."""
        out = self.run("xdotool", "getwindowfocus", check=False).strip()
        return int(out) if out.isdigit() else None

    def transient_for(self, window):
        found = re.search(r"0x[0-9a-f]+", self.prop(window, "WM_TRANSIENT_FOR"))
        return int(found.group(0), 16) if found else None

    def size_hints(self, window):
        out = self.run("xprop", "-id", str(window), "WM_NORMAL_HINTS", check=False)
        hints = {"position": "user specified location" in out or "program specified location" in out}
        for key in ("minimum size", "maximum size"):
            found = re.search(key + r": (\d+) by (\d+)", out)
            if found:
                hints[key] = (int(found.group(1)), int(found.group(2)))
        return hints

    # ---- geometry ----------------------------------------------------------------

    def geometry(self, window):
        """(x, y, width, height) of the window's inside, on the root."""
        out = self.run("xwininfo", "-id", str(window))
        value = lambda key: int(re.search(key + r":\s+(-?\d+)", out).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"))

    def frame_geometry(self, window):
        """The window's outer rectangle: that of its topmost ancestor below the root."""
        return self.geometry(self.frame_of(window))

    def map_state(self, window):
        return re.search(r"Map State: (\w+)", self.run("xwininfo", "-id", str(window))).group(1)

    def xinerama_heads(self):
        """(x, y, width, height) of each Xinerama head."""
        out = self.run("xdpyinfo", "-ext", "XINERAMA", check=False)
        return [(int(m.group(3)), int(m.group(4)), int(m.group(1)), int(m.group(2)))
                for m in re.finditer(r"head #\d+: (\d+)x(\d+) @ (\d+),(\d+)", out)]

    def screen_size(self):
        out = self.run("xwininfo", "-root")
        return int(re.search(r"Width: (\d+)", out).group(1)), int(re.search(r"Height: (\d+)", out).group(1))

    # ---- input -------------------------------------------------------------------

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", "--sync", str(x), str(y), "click", str(button))

    def drag(self, start, end, steps=8):
        self.run("xdotool", "mousemove", "--sync", str(start[0]), str(start[1]), "mousedown", "1")
        for step in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * step // steps
            y = start[1] + (end[1] - start[1]) * step // steps
            self.run("xdotool", "mousemove", "--sync", str(x), str(y))
        self.run("xdotool", "mouseup", "1")

    def keys(self, window, *keys):
        self.run("xdotool", "key", "--window", str(window), "--clearmodifiers", *keys)

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def activate(self, window):
        self.run("xdotool", "windowactivate", "--sync", str(window), check=False)
        self.run("xdotool", "windowraise", str(window), check=False)

    # ---- pictures ----------------------------------------------------------------

    def screenshot(self, path, window="root"):
        self.run("import", "-window", str(window), path)

    def pixels(self, rect):
        """The root's pixels in rect (x, y, w, h) as rows of (r, g, b)."""
        x, y, w, h = rect
        data = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                               "-depth", "8", "rgb:-"], env=self.env, capture_output=True, timeout=30,
                              check=True).stdout
        return [[tuple(data[(row * w + col) * 3:(row * w + col) * 3 + 3]) for col in range(w)] for row in range(h)]
