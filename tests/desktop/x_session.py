# SPDX-License-Identifier: GPL-3.0-or-later
"""Virtual displays for the desktop tests: an Xvfb with a window manager, or a
headless weston whose XWayland serves X clients. Every process started here is
ended by its pid when the session closes."""

import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

SKIP = 77


class Skip(Exception):
    """The desktop cannot run on this machine; the test says why and skips it."""


def wait_for(what, condition, timeout=20.0, step=0.1):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    raise AssertionError("timed out waiting for " + what)


class Session:
    def __init__(self, workdir):
        self.workdir = workdir
        self.processes = []
        self.env = dict(os.environ)
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "QT_SCALE_FACTOR"):
            self.env.pop(name, None)
        self.env["XDG_CONFIG_HOME"] = os.path.join(workdir, "config")
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env["XDG_RUNTIME_DIR"] = runtime
        self.env["LC_ALL"] = "C.UTF-8"

    def start(self, command, log_name, env=None):
        log = open(os.path.join(self.workdir, log_name), "ab")
        process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, env=env or self.env,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def stop(self, process, timeout=5.0):
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def close(self):
        for process in reversed(self.processes):
            try:
                self.stop(process)
            except ProcessLookupError:
                pass

    def xvfb(self, screens=("1024x768x24",), xinerama=False):
        need("Xvfb")
        command = ["Xvfb", "-nolisten", "tcp", "-noreset"]
        if xinerama:
            command.append("+xinerama")
        for number, screen in enumerate(screens):
            command += ["-screen", str(number), screen]
        self.start_display_server(command, "xvfb.log", "Xvfb did not start")

    def start_display_server(self, command, log_name, failure):
        """Starts an X server that writes its display number to -displayfd, and
        points DISPLAY at it; Skip(failure) when it ends before saying one."""
        read_fd, write_fd = os.pipe()
        log = open(os.path.join(self.workdir, log_name), "ab")
        process = subprocess.Popen(command[:1] + ["-displayfd", str(write_fd)] + command[1:], stdout=log,
                                   stderr=subprocess.STDOUT, pass_fds=(write_fd,), start_new_session=True)
        self.processes.append(process)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise Skip(failure)
                number += chunk
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def xorg_two_monitors(self, width=800, height=600):
        """An X server of one framebuffer shown as two RandR monitors side by
        side, "left" and "right", each width x height, as a desktop with two
        screens is. Xorg with its dummy video driver: Xvfb stacks Xinerama
        heads over each other and keeps no RandR monitors."""
        need("Xorg")
        need("xrandr")
        if not os.path.exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"):
            raise Skip("Xorg's dummy video driver is not installed (scripts/install-deps.sh installs it)")
        config = os.path.join(self.workdir, "xorg.conf")
        mode = "%dx%d" % (2 * width, height)
        with open(config, "w") as out:
            out.write(XORG_DUMMY_CONFIG % {"mode": mode, "width": 2 * width, "height": height,
                                           "hsync": 2 * width + 40, "hsyncend": 2 * width + 168,
                                           "htotal": 2 * width + 256, "vsync": height + 1, "vsyncend": height + 5,
                                           "vtotal": height + 28})
        self.start_display_server(["Xorg", "-config", config, "-logfile", os.path.join(self.workdir, "xorg.log"),
                                   "-noreset", "-nolisten", "tcp", "-novtswitch", "-sharevts"], "xorg.out",
                                  "Xorg with the dummy driver did not start here (it may need root; see %s)"
                                  % os.path.join(self.workdir, "xorg.out"))
        output = re.search(r"^(\S+) connected", self.xrandr(), re.M).group(1)
        size = "%d/%dx%d/%d" % (width, width * 254 // 960, height, height * 254 // 960)
        self.xrandr("--setmonitor", "left", "%s+0+0" % size, output)
        self.xrandr("--setmonitor", "right", "%s+%d+0" % (size, width), "none")
        self.single = (output, "%dx%d" % (width, height))

    def xorg_drop_right_monitor(self):
        """The right monitor unplugged: one monitor and a framebuffer its size."""
        output, mode = self.single
        self.xrandr("--delmonitor", "right")
        self.xrandr("--output", output, "--mode", mode, "--fb", mode)

    def xrandr(self, *arguments):
        result = subprocess.run(["xrandr"] + list(arguments), env=self.env, capture_output=True, text=True)
        if result.returncode != 0:
            raise Skip("xrandr %s failed here: %s" % (" ".join(arguments), result.stderr.strip()))
        return result.stdout

    def window_manager(self, name):
        if name == "openbox":
            need("openbox")
            self.start(["openbox", "--sm-disable"], "openbox.log")
        elif name == "xfwm4":
            # xfwm4 reads its settings over D-Bus (xfconf); a private bus stands
            # in for the session a desktop would start.
            need("xfwm4")
            need("dbus-run-session")
            self.start(["dbus-run-session", "--", "xfwm4", "--compositor=off", "--sm-client-disable"],
                       "xfwm4.log")
        else:
            raise ValueError(name)
        try:
            wait_for(name + " to manage the screen", self.wm_running, timeout=30)
        except AssertionError:
            raise Skip(name + " did not start on Xvfb here (see its log in " + self.workdir + ")")

    def wm_running(self):
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                             capture_output=True, text=True).stdout
        return "window id" in out

    def weston(self):
        need("weston")
        need("Xwayland")
        socket = "horalux-test-%d" % os.getpid()
        process = self.start(["weston", "--backend=headless-backend.so", "--xwayland", "--socket=" + socket,
                              "--idle-time=0"], "weston.log")
        log_path = os.path.join(self.workdir, "weston.log")

        def display():
            if process.poll() is not None:
                raise Skip("weston ended at start (see " + log_path + ")")
            found = re.search(r"xserver listening on display (:\d+)", open(log_path, errors="replace").read())
            return found and found.group(1)

        try:
            self.env["DISPLAY"] = wait_for("weston's XWayland", display, timeout=30)
        except AssertionError:
            raise Skip("weston started no XWayland here (see " + log_path + ")")
        self.env["WAYLAND_DISPLAY"] = socket
        self.env["XDG_SESSION_TYPE"] = "wayland"

    def private_bus(self, name):
        """A session bus of the compositor's own, under dbus-run-session; its
        address is what the compositor's environment says."""
        need("dbus-run-session")
        self.bus_file = os.path.join(self.workdir, name + ".bus")
        return ["dbus-run-session", "--", "sh", "-c",
                'echo "$DBUS_SESSION_BUS_ADDRESS" > "$0"; exec "$@"', self.bus_file]

    def compositor_display(self, process, log_path, pattern, name):
        def display():
            if process.poll() is not None:
                raise Skip("%s ended at start (see %s)" % (name, log_path))
            found = re.search(pattern, open(log_path, errors="replace").read())
            return found and found.group(1)

        try:
            self.env["DISPLAY"] = wait_for(name + "'s XWayland", display, timeout=40)
        except AssertionError:
            raise Skip("%s started no XWayland here (see %s)" % (name, log_path))
        self.env["XDG_SESSION_TYPE"] = "wayland"
        self.env["DBUS_SESSION_BUS_ADDRESS"] = open(self.bus_file).read().strip()
        wait_for(name + " to manage XWayland's screen", self.wm_running, timeout=30)

    def mutter(self):
        """GNOME's compositor, headless, with one virtual monitor; XWayland
        started at once."""
        need("mutter")
        need("Xwayland")
        socket = "horalux-test-%d" % os.getpid()
        log_path = os.path.join(self.workdir, "mutter.log")
        process = self.start(self.private_bus("mutter") + ["mutter", "--headless", "--wayland", "--virtual-monitor",
                             "1024x768", "--wayland-display", socket], "mutter.log")
        self.env["WAYLAND_DISPLAY"] = socket

        def authority():
            found = glob.glob(os.path.join(self.env["XDG_RUNTIME_DIR"], ".mutter-Xwaylandauth.*"))
            return found and found[0]

        # mutter lets only its own clients in: the cookie it wrote beside the runtime folder.
        self.env["XAUTHORITY"] = wait_for("mutter's XWayland cookie", authority, timeout=40)
        self.compositor_display(process, log_path, r"Using public X11 display (:\d+)", "mutter")

    def wayland_plugin_installed(self):
        env = dict(self.env, QT_QPA_PLATFORM="offscreen")
        found = subprocess.run(["sh", "-c", "ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"],
                               env=env, capture_output=True)
        return found.returncode == 0

    def kwin(self):
        """KDE's compositor on a virtual output with XWayland. Debian gives
        kwin_wayland a file capability (CAP_SYS_NICE) that a container may
        refuse at exec; a copy of the program, without it, runs all the same."""
        need("kwin_wayland")
        program = shutil.which("kwin_wayland")
        copy = os.path.join(self.workdir, "kwin_wayland")
        shutil.copy(program, copy)
        socket = "horalux-test-%d" % os.getpid()
        log_path = os.path.join(self.workdir, "kwin.log")
        # kwin starts the program named after it once XWayland is up, with
        # DISPLAY set, outside our process group: it must end by itself.
        tell = os.path.join(self.workdir, "tell-display.sh")
        with open(tell, "w") as out:
            out.write('#!/bin/sh\necho "XWayland display $DISPLAY"\n')
        os.chmod(tell, 0o755)
        process = self.start(self.private_bus("kwin") + [
            copy, "--virtual", "--xwayland", "--width", "1024", "--height", "768", "--socket", socket,
            "--no-lockscreen", "--no-global-shortcuts", tell], "kwin.log")
        self.env["WAYLAND_DISPLAY"] = socket
        self.compositor_display(process, log_path, r"XWayland display (:\d+)", "kwin")


# A pointer drag through mutter's RemoteDesktop interface, in one process: a
# session ends with the D-Bus connection that made it. With no screen cast
# there is no absolute motion, so the pointer goes into the corner first.
REMOTE_DRAG = r"""
import sys, time, dbus
service = "org.gnome.Mutter.RemoteDesktop"
bus = dbus.SessionBus()
path = dbus.Interface(bus.get_object(service, "/org/gnome/Mutter/RemoteDesktop"), service).CreateSession()
session = dbus.Interface(bus.get_object(service, path), service + ".Session")
session.Start()
x, y, dx, dy, steps = (float(value) for value in sys.argv[1:])
session.NotifyPointerMotionRelative(-10000.0, -10000.0)
session.NotifyPointerMotionRelative(x, y)
time.sleep(0.3)
session.NotifyPointerButton(0x110, True)  # evdev's BTN_LEFT
for _ in range(int(steps)):
    time.sleep(0.05)
    session.NotifyPointerMotionRelative(dx, dy)
time.sleep(0.3)
session.NotifyPointerButton(0x110, False)
time.sleep(0.3)
session.Stop()
"""


def remote_drag(env, start, step, steps):
    """Pointer input the compositor itself sees, unlike XTest's."""
    for python in (sys.executable, "/usr/bin/python3"):
        if subprocess.run([python, "-c", "import dbus"], capture_output=True).returncode == 0:
            break
    else:
        raise Skip("python's dbus module cannot be imported (scripts/install-deps.sh installs python3-dbus)")
    result = subprocess.run([python, "-c", REMOTE_DRAG] + [str(value) for value in start + step + (steps,)],
                            env=env, capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        raise Skip("mutter's RemoteDesktop refused a drag here: " + result.stderr.strip()[-300:])

XORG_DUMMY_CONFIG = """
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoAddGPU" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 32768
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "%(mode)s" 80.0 %(width)d %(hsync)d %(hsyncend)d %(htotal)d %(height)d %(vsync)d %(vsyncend)d %(vtotal)d
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "%(mode)s"
        Virtual %(width)d %(height)d
    EndSubSection
EndSection
"""


def need(program):
    if shutil.which(program) is None:
        raise Skip(program + " is not installed (scripts/install-deps.sh installs it)")


def workdir(prefix):
    return tempfile.mkdtemp(prefix=prefix)


def run_checks(session, workdir, checks, body):
    """Runs body() on the session and closes it. Returns the exit status: SKIP
    when the desktop cannot run here, 1 with the failures listed (the scratch
    folder kept for its logs), else 0 with the folder removed."""
    try:
        body()
    except Skip as reason:
        print("SKIP: %s" % reason)
        return SKIP
    except Exception:
        traceback.print_exc()
        checks.failures.append("stopped by an error")
    finally:
        session.close()
    if checks.failures:
        print("%d check(s) failed; logs in %s" % (len(checks.failures), workdir))
        return 1
    shutil.rmtree(workdir, ignore_errors=True)
    return 0
