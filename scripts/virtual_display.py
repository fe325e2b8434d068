"""A display of our own for the scripts that drive the real program: Xvfb on a free display
number, with openbox as its window manager."""

import os
import subprocess
import time


def start(width, height, preexec=None):
    """Starts Xvfb and openbox; returns the display name and the processes to stop, or raises
    RuntimeError saying which did not come up."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "%dx%dx24" % (width, height), "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL,
                              preexec_fn=preexec)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        piece = os.read(read_end, 16)
        if not piece:
            break
        number += piece
    os.close(read_end)
    if not number.strip():
        stop([server])
        raise RuntimeError("no virtual display (Xvfb) could be started")
    display = ":" + number.decode().strip()
    env = dict(os.environ, DISPLAY=display)
    processes = [server, subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)]
    for _ in range(100):
        if subprocess.run(["wmctrl", "-m"], env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0:
            return display, processes
        time.sleep(0.05)
    stop(processes)
    raise RuntimeError("the window manager (openbox) did not come up")


def stop(processes):
    """Ends the processes, the last started first."""
    for process in reversed(processes):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
