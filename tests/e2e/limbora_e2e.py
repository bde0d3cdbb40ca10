# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end harness: the real program in a private X server (Xvfb), with a private PulseAudio
server whose default sink is a null sink, a recorder on that sink's monitor, and the program's
game trace, all stamped on the same monotonic clock (CLOCK_MONOTONIC: Qt's %{time boot} and
Python's time.monotonic()). Everything started is stopped again, whatever happens."""

import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

import numpy as np

import private_desktop

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE.parent.parent
SOUNDS = SOURCE / "assets" / "sounds"
RATE = 22050  # the shipped sounds' rate, and what the recorder asks for

LIMB_SOUNDS = ["lefthand.wav", "righthand.wav", "leftfoot.wav", "rightfoot.wav"]
COLOUR_SOUNDS = ["green.wav", "yellow.wav", "blue.wav", "red.wav"]
LIMB_TEXTS = dict(zip(LIMB_SOUNDS, ["LEFT HAND ", "RIGHT HAND ", "LEFT FOOT ", "RIGHT FOOT "]))
COLOUR_WORDS = dict(zip(COLOUR_SOUNDS, ["GREEN", "YELLOW", "BLUE", "RED"]))

TRACE_LINE = re.compile(r"^\s*(\d+\.\d+) ([\w.]+): (.*)$")

# What a user notices, with bounds a loaded machine still meets; what the program achieves on a
# quiet one (within a few milliseconds) is ./dev bench's to measure. A voice more than about
# 45 ms ahead of its text, or 125 ms behind it, is noticed.
VOICE_AHEAD = 0.045
VOICE_BEHIND = 0.125
# A pause or countdown off by this much is not told apart by a player; one 150 ms too long is a
# fault of the program.
LENGTH_KEPT = 0.100
# A key's effect seen at once, counted from just before xdotool is started to send the key.
AT_ONCE = 0.250

# The program is a Windows one, run under Wine through a wrapper (tools/windows/test.sh).
UNDER_WINE = os.environ.get("LIMBORA_E2E_WINE") == "1"

AUDIO_PROCESSES = {"pulseaudio", "pipewire", "wireplumber", "pipewire-pulse", "pacat"}


Failure = private_desktop.Failure


def check(condition, message):
    if not condition:
        raise Failure(message)


def read_wav(path):
    """Samples of a 16-bit mono PCM WAV as floats in [-1, 1]."""
    data = pathlib.Path(path).read_bytes()
    position = 12
    while position + 8 <= len(data):
        chunk, size = data[position:position + 4], int.from_bytes(data[position + 4:position + 8], "little")
        if chunk == b"data":
            samples = np.frombuffer(data[position + 8:position + 8 + size], dtype="<i2")
            return samples.astype(np.float64) / 32768.0
        position += 8 + size + (size & 1)
    raise Failure(f"no data in {path}")


class MachineWatch:
    """How late the machine itself was: a thread on each processor that asks to wake every few
    milliseconds notes each wake-up that came late (a virtual machine's host stops one processor
    at a time, for up to a tenth of a second, unseen by the kernel inside); every test process
    (the program, the audio server, the recorder, the X server) has its threads' wait for a
    processor read from the kernel (schedstat) five times a second; and the processor time a
    hypervisor stole. A figure off by no more than the machine kept one of them waiting at that
    moment tells nothing about the program."""

    PERIOD = 0.005
    SAMPLE = 0.2

    def __init__(self):
        self.stalls = []  # (asked, woke) for each wake-up more than 2 ms late
        self.steal = [(time.monotonic(), self._steal_seconds())]
        self.processes = {}  # pid: name
        self.waits = []  # (time, {(pid, thread): seconds waited for a processor so far})
        self.done = threading.Event()
        self.threads = [threading.Thread(target=self._run, args=(cpu, index == 0), daemon=True)
                        for index, cpu in enumerate(sorted(os.sched_getaffinity(0)))]
        for thread in self.threads:
            thread.start()

    def follow(self, pid, name):
        self.processes[pid] = name

    @staticmethod
    def _steal_seconds():
        try:
            fields = pathlib.Path("/proc/stat").read_text().split("\n", 1)[0].split()
            return int(fields[8]) / os.sysconf("SC_CLK_TCK")
        except (OSError, IndexError, ValueError):
            return 0.0

    def _thread_waits(self):
        waits = {}
        for pid in list(self.processes):
            for task in pathlib.Path(f"/proc/{pid}/task").glob("*/schedstat"):
                try:
                    waits[(pid, task.parent.name)] = int(task.read_text().split()[1]) / 1e9
                except (OSError, IndexError, ValueError):
                    pass
        return waits

    def _run(self, cpu, sampling):
        try:
            os.sched_setaffinity(0, {cpu})  # this thread only
        except OSError:
            pass  # a processor taken away since: it watches where it runs
        asked = time.monotonic() + self.PERIOD
        sampled = 0.0
        while not self.done.is_set():
            time.sleep(max(0.0, asked - time.monotonic()))
            woke = time.monotonic()
            if woke - asked > 0.002:
                self.stalls.append((asked, woke))
            if sampling and woke - sampled >= self.SAMPLE:
                sampled = woke
                self.waits.append((woke, self._thread_waits()))
                if woke - self.steal[-1][0] >= 0.5:
                    self.steal.append((woke, self._steal_seconds()))
            asked = time.monotonic() + self.PERIOD

    def stop(self):
        self.done.set()
        for thread in self.threads:
            thread.join()

    def _waited(self, begin, end, whose):
        """The longest any thread of the processes named waited for a processor from the last
        sample before `begin` to the first after `end`, and whose thread it was."""
        before = [w for t, w in self.waits if t <= begin]
        after = [w for t, w in self.waits if t >= end]
        if not after:
            return 0.0, ""
        first, last = dict(before[-1]) if before else {}, after[0]
        # A thread begun since counts from nothing.
        waited = [(last[key] - first.get(key, 0.0), key) for key in last
                  if self.processes.get(key[0]) in whose]
        if not waited:
            return 0.0, ""
        longest, (pid, _) = max(waited)
        return longest, self.processes.get(pid, "")

    def late(self, begin, end, whose):
        """How long the machine kept waiting, around [begin, end], the processes named (a busy
        one waits often: only those the figure depends on count): the longest stall of a
        watching thread, or the longest wait for a processor of one of their threads, plus what
        a hypervisor stole meanwhile; and a word on whom it kept waiting."""
        stalled = self.stalled(begin, end)
        waited, whom = self._waited(begin, end, whose)
        stolen = [s for t, s in self.steal if begin - 0.5 <= t <= end + 0.5]
        stolen = stolen[-1] - stolen[0] if len(stolen) > 1 else 0.0
        if waited > stalled:
            return waited + stolen, f"{whom} waited {1000 * waited:.0f} ms for a processor"
        return stalled + stolen, f"a processor stood still {1000 * stalled:.0f} ms"

    def stalled(self, begin, end):
        """The longest a processor stood still within [begin, end]."""
        return max((min(woke, end) - max(asked, begin) for asked, woke in self.stalls
                    if asked < end and woke > begin), default=0.0)

    def summary(self):
        worst = max((woke - asked for asked, woke in self.stalls), default=0.0)
        long_ones = sum(woke - asked > 0.020 for asked, woke in self.stalls)
        stolen = self.steal[-1][1] - self.steal[0][1]
        waits = []
        if self.waits:
            last = self.waits[-1][1]
            for pid, name in self.processes.items():
                longest = max((v for k, v in last.items() if k[0] == pid), default=None)
                if longest is not None:
                    waits.append(f"{name} {1000 * longest:.0f} ms")
        return (f"the machine: wake-ups late by up to {1000 * worst:.0f} ms ({long_ones} over 20 ms), "
                f"{1000 * stolen:.0f} ms stolen, load {os.getloadavg()[0]:.1f}; the longest a "
                f"thread waited for a processor in all: {', '.join(waits) or 'not known'}")


class Trace:
    """The program's log lines as (time, category, message), time in seconds on CLOCK_MONOTONIC."""

    def __init__(self):
        self.lines = []
        self.other = []
        self.lock = threading.Lock()

    # Wine's clock (Windows' performance counter) is CLOCK_MONOTONIC_RAW, which the kernel's
    # slewing of CLOCK_MONOTONIC leaves a little further behind every hour (200 ms, measured here).
    RAW_CLOCK = os.environ.get("LIMBORA_E2E_TRACE_CLOCK") == "monotonic_raw"

    @staticmethod
    def _raw_clock_lag():
        """CLOCK_MONOTONIC minus CLOCK_MONOTONIC_RAW, from the closest of a few readings: a thread
        switch between two of them would put it off by milliseconds."""
        readings = []
        for _ in range(5):
            before = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
            now = time.clock_gettime(time.CLOCK_MONOTONIC)
            after = time.clock_gettime(time.CLOCK_MONOTONIC_RAW)
            readings.append((after - before, now - (before + after) / 2))
        return min(readings)[1]

    def add(self, raw):
        match = TRACE_LINE.match(raw)
        with self.lock:
            if match:
                at = float(match[1])
                if self.RAW_CLOCK:
                    at += self._raw_clock_lag()
                    # The lines come in the program's order, stamped to the millisecond: what
                    # the correction moves by a few microseconds must not put one before another.
                    at = max(at, self.lines[-1][0]) if self.lines else at
                self.lines.append((at, match[2], match[3]))
            else:
                self.other.append(raw)

    def game(self, since=0.0):
        with self.lock:
            return [(t, m) for t, c, m in self.lines if c == "limbora.game" and t >= since]

    def find(self, pattern, since=0.0, category="limbora.game"):
        regex = re.compile(pattern)
        with self.lock:
            return [(t, m) for t, c, m in self.lines if c == category and t >= since and regex.search(m)]

    def wait_for(self, pattern, timeout, since=0.0, category="limbora.game"):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.find(pattern, since, category)
            if found:
                return found[0]
            time.sleep(0.01)
        raise Failure(f"no trace line matching {pattern!r} within {timeout} s")

    def text(self):
        with self.lock:
            return "\n".join(f"{t:.3f} {c}: {m}" for t, c, m in self.lines) + "\n" + "\n".join(self.other)


class Recorder:
    """Records the null sink's monitor as 16-bit mono at RATE and keeps, per chunk, when it came.
    A passive recorder lets PipeWire suspend the idle sink (PulseAudio keeps it awake anyway)."""

    def __init__(self, session, passive=False):
        self.process = session.spawn(
            ["pacat", "--record", "-d", "nullsink.monitor", "--latency-msec=5", "--raw",
             "--format=s16le", f"--rate={RATE}", "--channels=1",
             *(["--property=node.passive=true"] if passive else [])],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.chunks = []
        self.arrivals = []  # (monotonic time, samples received so far)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        total = 0
        stream = self.process.stdout
        while True:
            data = stream.read1(4096) if hasattr(stream, "read1") else stream.read(4096)
            if not data:
                return
            now = time.monotonic()
            self.chunks.append(data)
            total += len(data) // 2
            self.arrivals.append((now, total))

    def wait_until_running(self, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.arrivals:
                return
            time.sleep(0.05)
        raise Failure("the recorder delivered nothing")

    def samples(self):
        data = b"".join(self.chunks)
        return np.frombuffer(data[: len(data) // 2 * 2], dtype="<i2").astype(np.float64) / 32768.0

    def start_time(self, near=None):
        """When sample 0 was captured: chunks arrive late, never early, so the earliest estimate
        over all of them is the best. Under load the recorder drops samples, which moves every
        later chunk: for a moment `near`, only the chunks that came in the second after it place
        the recording."""
        estimates = [t - n / RATE for t, n in self.arrivals
                     if near is None or near <= t <= near + 1.0]
        return min(estimates or [t - n / RATE for t, n in self.arrivals])

    def late(self, begin, end):
        """The longest wait for the recorder's data within [begin, end], beyond its own latency,
        and the samples it lost before `end`: a starved recorder misplaces what it heard."""
        gaps = [min(t, end) - max(before, begin) - 0.010
                for (before, _), (t, _) in zip(self.arrivals, self.arrivals[1:])
                if before < end and t > begin]
        lost = self.start_time(end) - self.start_time() if self.arrivals else 0.0
        return max([0.0, lost, *gaps])

    def summary(self):
        if len(self.arrivals) < 2:
            return "the recorder: no data"
        gap = max(t - before for (before, _), (t, _) in zip(self.arrivals, self.arrivals[1:]))
        lost = self.start_time(self.arrivals[-1][0] - 1.0) - self.start_time()
        return f"the recorder: longest wait for data {1000 * gap:.0f} ms, {1000 * lost:.0f} ms of sound lost"

    def loudness(self, begin, end):
        """The loudest 10 ms between two monotonic times, each quarter second placed on its own."""
        recording = self.samples()
        level, at = 0.0, begin
        while at < end:
            level = max(level, loudness(recording, self.start_time(at), at, min(at + 0.25, end)))
            at += 0.25
        return level


class Program:
    def __init__(self, session, executable, env, cwd):
        self.session = session
        self.trace = Trace()
        self.started = time.monotonic()
        self.process = session.spawn([str(executable)], env=env, cwd=cwd,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        self.window = None
        self.key_took = 0.0

    def _read(self):
        for raw in self.process.stdout:
            self.trace.add(raw.rstrip("\n"))

    @property
    def pid(self):
        """The program's own process, which owns its windows: under Wine, the wrapper's only
        child (the wrapper turns SIGTERM into the session's end) once it has started it."""
        if UNDER_WINE:
            wrapper = self.process.pid
            try:
                children = pathlib.Path(f"/proc/{wrapper}/task/{wrapper}/children").read_text().split()
            except OSError:
                children = []
            if len(children) == 1:
                return int(children[0])
        return self.process.pid

    def wait_for_window(self, timeout=10, title="Limbora"):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.session.xdotool("search", "--all", "--onlyvisible", "--pid",
                                         str(self.pid), "--name", f"^{title}$",
                                         check_result=False)
            if found:
                if UNDER_WINE:  # the machine's delays to the program are its own process's
                    self.session.watch.follow(self.pid, "limbora")
                return found.split()[0]
            if self.process.poll() is not None:
                raise Failure(f"the program ended with {self.process.returncode}:\n{self.trace.text()}")
            time.sleep(0.005)
        raise Failure(f"no window '{title}' within {timeout} s")

    def show(self):
        self.window = self.wait_for_window()
        self.session.xdotool("windowfocus", "--sync", self.window)
        return self.window

    def key(self, *keys):
        """Presses keys; returns the monotonic time just before they were sent. How long xdotool
        took to send them is kept: the keys went out somewhere in that time."""
        sent = time.monotonic()
        self.session.xdotool("key", "--window", self.window, *keys)
        self.key_took = time.monotonic() - sent
        return sent

    def exit_code(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program still runs {timeout} s later") from None

    def cpu_seconds(self):
        fields = pathlib.Path(f"/proc/{self.pid}/stat").read_text().rsplit(")", 1)[1].split()
        ticks = os.sysconf("SC_CLK_TCK")
        return (int(fields[11]) + int(fields[12])) / ticks  # utime + stime

    def peak_memory_kib(self):
        for line in pathlib.Path(f"/proc/{self.pid}/status").read_text().splitlines():
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
        return 0


class Session:
    """A private desktop: Xvfb, optionally a window manager and an audio server with a null sink
    as default, and a settings directory of its own. The audio server is PulseAudio, or PipeWire
    (with WirePlumber and pipewire-pulse, on a session bus of its own) when LIMBORA_E2E_AUDIO is
    "pipewire"."""

    def __init__(self, audio=True, window_manager=False, screen="1280x1024"):
        self.screen = screen
        self.tmp = pathlib.Path(tempfile.mkdtemp(prefix="limbora-e2e-"))
        self.processes = []
        self.env = private_desktop.clean_environment(self.tmp)
        if "LIMBORA_E2E_SETTINGS_FILE" in os.environ:
            # Outside the private folders (under Wine, in the prefix): afresh, as they are.
            pathlib.Path(os.environ["LIMBORA_E2E_SETTINGS_FILE"]).unlink(missing_ok=True)
        self.watch = MachineWatch()
        self.recorders = []
        self.judged = 0
        self.set_aside = []
        self._start_xvfb()
        # A Windows desktop always has one (without, Wine waits up to 2 s for one at every hide).
        if window_manager or UNDER_WINE:
            self.spawn(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1.0)
        self.pipewire = os.environ.get("LIMBORA_E2E_AUDIO") == "pipewire"
        self.audio_stack = []
        self.programs = []
        if audio:
            self._start_pulse()

    def spawn(self, command, **options):
        options.setdefault("env", self.env)
        process = subprocess.Popen(command, start_new_session=True, **options)
        self.processes.append(process)
        self.watch.follow(process.pid, pathlib.Path(command[0]).name)
        return process

    def _start_xvfb(self):
        self.xvfb_log = self.tmp / "xvfb.log"
        server, number = private_desktop.start_xvfb(self.xvfb_log, self.env, self.screen)
        self.processes.append(server)
        self.watch.follow(server.pid, "Xvfb")
        self.env["DISPLAY"] = f":{number}"

    def _start_pulse(self):
        """Starts the audio server; again after it was killed, on the same socket. self.pulse is
        the process that speaks the PulseAudio protocol."""
        if self.pipewire:
            self._start_pipewire()
            return
        socket = self.tmp / "pulse" / "native"
        socket.parent.mkdir(exist_ok=True)
        socket.unlink(missing_ok=True)
        script = self.tmp / "null.pa"
        script.write_text(
            f"load-module module-native-protocol-unix auth-anonymous=1 socket={socket}\n"
            # A sink that never rewinds what it rendered ahead loses fewer words under load.
            "load-module module-null-sink sink_name=nullsink norewinds=1\n"
            "set-default-sink nullsink\n")
        self.pulse = self.spawn(["pulseaudio", "-n", "-F", str(script), "--daemonize=no", "--use-pid-file=no",
                    "--exit-idle-time=-1", "--disallow-exit"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.audio_stack = [self.pulse]
        self.env["PULSE_SERVER"] = f"unix:{socket}"
        deadline = time.monotonic() + 10
        while not socket.exists():
            check(time.monotonic() < deadline, "PulseAudio did not start")
            time.sleep(0.05)

    def _start_pipewire(self):
        runtime = pathlib.Path(self.env["XDG_RUNTIME_DIR"])
        if "DBUS_SESSION_BUS_ADDRESS" not in self.env:
            bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        socket = runtime / "pulse" / "native"
        # A killed server leaves its sockets behind: waiting for them would wait for nothing.
        for stale in (socket, runtime / "pipewire-0", runtime / "pipewire-0-manager"):
            stale.unlink(missing_ok=True)
        quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
        self.audio_stack = [self.spawn(["pipewire"], **quiet)]
        deadline = time.monotonic() + 10
        while not (runtime / "pipewire-0").exists():
            check(time.monotonic() < deadline, "PipeWire did not start")
            time.sleep(0.05)
        self.audio_stack.append(self.spawn(["wireplumber"], **quiet))
        self.pulse = self.spawn(["pipewire-pulse"], **quiet)
        self.audio_stack.append(self.pulse)
        self.env["PULSE_SERVER"] = f"unix:{socket}"
        while subprocess.run(["pactl", "load-module", "module-null-sink", "sink_name=nullsink",
                              "norewinds=1"],
                             env=self.env, capture_output=True).returncode != 0:
            check(time.monotonic() < deadline, "pipewire-pulse did not start")
            time.sleep(0.05)
        # The sink shows up a moment after the module is loaded.
        while subprocess.run(["pactl", "set-default-sink", "nullsink"],
                             env=self.env, capture_output=True).returncode != 0:
            check(time.monotonic() < deadline, "PipeWire's null sink did not appear")
            time.sleep(0.05)

    def kill_audio(self):
        """Kills the whole audio server, as a crash would."""
        for process in self.audio_stack:
            process.kill()
            process.wait()
        self.audio_stack = []

    def xdotool(self, *arguments, check_result=True):
        result = subprocess.run(["xdotool", *arguments], env=self.env, capture_output=True, text=True)
        if check_result and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(arguments)}: {result.stderr.strip()}")
        return result.stdout.strip()

    def press(self, window, *keys):
        """Focuses a window and types keys there as a user would (XTest): unlike keys sent to a
        window, this survives the window closing on the key press."""
        self.xdotool("windowfocus", "--sync", window)
        sent = time.monotonic()
        self.xdotool("key", *keys)
        return sent

    def choose(self, window, menu, item):
        """Opens a menu by its access key and, once it shows, picks an item by its own (a key
        sent before the menu shows is lost on a busy machine). Returns when the item's key was
        sent."""
        pid = self.xdotool("getwindowpid", window)
        shown = self.xdotool("search", "--onlyvisible", "--pid", pid, check_result=False).split()
        self.press(window, menu)
        deadline = time.monotonic() + 5
        while set(self.xdotool("search", "--onlyvisible", "--pid", pid,
                               check_result=False).split()) <= set(shown):
            check(time.monotonic() < deadline, f"{menu} opened no menu")
            time.sleep(0.02)
        sent = time.monotonic()
        self.xdotool("key", item)
        return sent

    def record(self, passive=False):
        recorder = Recorder(self, passive)
        self.recorders.append(recorder)
        if not passive:  # a passive one hears nothing until something plays
            recorder.wait_until_running()
        return recorder

    def launch(self, executable, cwd=None, extra_env=None):
        env = dict(self.env)
        env["QT_LOGGING_RULES"] = "limbora.*.debug=true"
        env["QT_MESSAGE_PATTERN"] = "%{time boot} %{category}: %{message}"
        env.update(extra_env or {})
        program = Program(self, executable, env, cwd)
        self.programs.append(program)
        return program

    def within(self, what, error, low, high, at, recorder=None, keyed=None, since=None):
        """Checks a figure a user notices: `error` seconds away from what it should be, observed
        at the monotonic time `at`, is to lie within [low, high]. Beyond that, by no more than
        the machine (or the recorder, for what was heard) was itself late around that moment,
        or from `since` where what the figure measures began earlier, the figure is set aside
        and reported, since it tells nothing of the program; beyond that, it fails, saying how
        late the machine was. A figure counted from a key that the program `keyed` was sent also
        depends on the X server, and on xdotool's own time."""
        if low <= error <= high:
            self.judged += 1
            return
        excess = error - high if error > high else low - error
        begin, end = at - max(abs(error), 0.050), at + 0.050
        begin = min(begin, since) if since is not None else begin
        # What was heard depends on the audio server and the recorder too.
        whose = {"limbora"} | (AUDIO_PROCESSES if recorder is not None else set())
        whose |= {"Xvfb"} if keyed is not None else set()
        late, whom = self.watch.late(begin, end, whose)
        if recorder is not None and recorder.late(begin, end) > late:
            late, whom = recorder.late(begin, end), "the recorder was starved"
        if keyed is not None and keyed.key_took > late:
            late, whom = keyed.key_took, f"xdotool took {1000 * keyed.key_took:.0f} ms to send the key"
        bounds = f"{1000 * low:+.0f} to {1000 * high:+.0f} ms"
        if late >= excess:
            self.set_aside.append(f"{what} ({1000 * error:+.0f} ms, bound {bounds}): the machine "
                                  f"was late, {whom}")
            return
        raise Failure(f"{what}: {1000 * error:+.0f} ms, beyond {bounds}; the program's doing, "
                      f"the machine was late by {1000 * late:.0f} ms at most then ({whom})")

    def unheard(self, program, name, asked, recorder=None):
        """Whether a word asked for at `asked` and not heard was the machine's doing: the audio
        server, kept waiting for a processor, did not start it within the program's bound, and
        the program gave it up as it should; or the recorder, starved, lost or misplaced what it
        heard then; or, under Wine, whose own threads keep the server only a few tens of
        milliseconds ahead, the program or the server waited long for a processor while it
        played, or a processor stood still longer than the break a word is matched across. The
        word is then set aside, and True returned."""
        starved = recorder.late(asked, asked + 1.5) if recorder is not None else 0.0
        if starved >= 0.100:
            self.set_aside.append(f"{name} asked for at {asked:.3f}, not heard: the recorder was "
                                  f"starved, {1000 * starved:.0f} ms")
            return True
        if UNDER_WINE:
            late, whom = self.watch.late(asked, asked + 1.0, AUDIO_PROCESSES | {"limbora"})
            stalled = self.watch.stalled(asked, asked + 1.0)
            if stalled >= BREAK or late >= 0.100:
                self.set_aside.append(f"{name} asked for at {asked:.3f}, not heard whole: the "
                                      f"machine was late while it played, {whom}")
                return True
        gave_up = program.trace.find(rf"^{re.escape(name)} did not start in time$", since=asked,
                                     category="limbora.sound")
        if not gave_up or gave_up[0][0] > asked + 1.0:
            return False
        late, whom = self.watch.late(asked, gave_up[0][0], AUDIO_PROCESSES)
        if late < 0.100:
            return False
        self.set_aside.append(f"{name} asked for at {asked:.3f}, not heard: the audio server did "
                              f"not start it in time, {whom}")
        return True

    def settings_file(self):
        # Elsewhere than Linux (under Wine: in the Wine prefix), where the caller says.
        if "LIMBORA_E2E_SETTINGS_FILE" in os.environ:
            return pathlib.Path(os.environ["LIMBORA_E2E_SETTINGS_FILE"])
        return pathlib.Path(self.env["XDG_CONFIG_HOME"]) / "Limbora" / "Limbora.conf"

    def placement(self):
        """The stored placement as a dict of key to text, or None without a file."""
        path = self.settings_file()
        if not path.is_file():
            return None
        values = {}
        for line in path.read_text().splitlines():
            key, _, value = line.partition("=")
            if key.startswith("Main"):
                values[key] = value
        return values

    def close(self):
        self.watch.stop()
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in self.processes:
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        shutil.rmtree(self.tmp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, kind, value, traceback):
        for note in self.set_aside:
            print(f"set aside: {note}", file=sys.stderr)
        unjudged = kind is None and self.set_aside and not self.judged
        if kind is not None or unjudged:
            # What the machine and the program last did tell a late program from a late machine.
            print(self.watch.summary(), *(r.summary() for r in self.recorders), sep="\n",
                  file=sys.stderr)
            if self.programs:
                program = self.programs[-1]
                state = "running" if program.process.poll() is None else f"ended with {program.process.returncode}"
                tail = program.trace.text().strip().splitlines()[-80:]
                print(f"the program ({state}) last printed:", *tail, sep="\n  ", file=sys.stderr)
        self.close()
        if unjudged:
            raise Failure("every timed figure was set aside: the machine was too late to judge any")


def sound_lengths():
    return {path.name: len(read_wav(path)) / RATE for path in SOUNDS.glob("*.wav")}


# An audio server starved of the processor for a moment (a busy two-core machine, a virtual one
# whose host takes its processor away) puts a short silence into a word, or the recorder loses one:
# a word heard with one such break is still the word, heard where it began.
BREAK = 0.030


def _match(segment, template):
    """The normalised correlation of the template at every place it fits in the segment."""
    size = 1 << int(np.ceil(np.log2(len(segment) + len(template))))
    correlation = np.fft.irfft(np.fft.rfft(segment, size) * np.conj(np.fft.rfft(template, size)), size)
    correlation = correlation[: len(segment) - len(template) + 1]
    running = np.concatenate(([0.0], np.cumsum(segment ** 2)))
    energy = np.sqrt(np.maximum(running[len(template):] - running[:-len(template)], 0.0))
    return correlation / (np.sqrt(np.sum(template ** 2)) * np.maximum(energy, 1e-9))


def _match_with_break(segment, template, whole):
    """The word's beginning placed at one place and its rest at another, no more than BREAK away:
    the places come from the whole word and from each sixth of its energy placed on its own.
    Returns the best (start, score, split, shift), or None."""
    length = len(template)
    energy = np.cumsum(template ** 2)
    bounds = [0, *np.searchsorted(energy, energy[-1] * np.arange(1, 6) / 6), length]
    places = {whole} | {int(np.argmax(_match(segment, template[a:b]))) - a
                        for a, b in zip(bounds, bounds[1:]) if b - a > RATE // 100}
    places = [p for p in places if 0 <= p and p + length <= len(segment)]
    # Per place, the running products with the word and the running level of what was heard.
    sums = {p: (np.cumsum(segment[p:p + length] * template), np.cumsum(segment[p:p + length] ** 2))
            for p in places}
    norm, found = np.sqrt(energy[-1]), None
    for start in places:
        for later in places:
            shift = later - start
            if shift == 0 or abs(shift) > BREAK * RATE:
                continue
            (products, heard), (products_after, heard_after) = sums[start], sums[later]
            correlation = products[:-1] + products_after[-1] - products_after[:-1]
            level = heard[:-1] + heard_after[-1] - heard_after[:-1]
            score = correlation / (norm * np.sqrt(np.maximum(level, 1e-18)))
            split = int(np.argmax(score))
            if found is None or score[split] > found[1]:
                found = (start, float(score[split]), split + 1, shift)
    return found


class Match(tuple):
    """(start time, normalised correlation) of a sound in a recording; `note` says how it was
    heard where it was not heard whole, for the message of a check that fails on it."""

    def __new__(cls, start, score, note=""):
        match = super().__new__(cls, (start, score))
        match.note = note
        return match


def locate(recording, recording_start, name, near, window=0.4):
    """Where the shipped sound `name` plays in the recording, searched within `window` seconds of
    the monotonic time `near`: a Match. A word heard with one break of at most BREAK is matched
    around it, and the break is noted."""
    template = read_wav(SOUNDS / name)
    first = max(0, int((near - window - recording_start) * RATE))
    last = min(len(recording), int((near + window - recording_start) * RATE) + len(template))
    segment = recording[first:last]
    if len(segment) < len(template):
        return Match(None, 0.0, "the recording ends before it")
    scores = _match(segment, template)
    best = int(np.argmax(scores))
    score = float(scores[best])
    note = ""
    if score < 0.95:  # a clean recording matches at 0.99 or better
        broken = _match_with_break(segment, template, best)
        if broken and broken[1] > score:
            best, score, split, shift = broken
            note = (f"heard with a break of {1000 * shift / RATE:+.0f} ms "
                    f"{1000 * split / RATE:.0f} ms in (match {score:.3f})")
    return Match(recording_start + (first + best) / RATE, score, note)


def heard(recorder, recording, name, asked, ended=None):
    """Where the recorder heard the sound `name` that was asked for at `asked`: near that
    moment, or, where a starved audio server played it late, where the wait for it ended."""
    found = locate(recording, recorder.start_time(asked), name, asked)
    if found[1] < 0.8 and ended is not None:
        played = ended - len(read_wav(SOUNDS / name)) / RATE
        later = locate(recording, recorder.start_time(played), name, played, window=0.1)
        if later[1] > found[1]:
            return later
    return found


def loudness(recording, recording_start, begin, end):
    """The loudest 10 ms (RMS) of the recording between two monotonic times."""
    first = max(0, int((begin - recording_start) * RATE))
    last = min(len(recording), int((end - recording_start) * RATE))
    part = recording[first:last]
    if len(part) < 220:
        return 0.0
    frames = part[: len(part) // 220 * 220].reshape(-1, 220)
    return float(np.sqrt(np.mean(frames ** 2, axis=1)).max())


def main(scenario):
    """Runs a scenario function and reports in the plain closing-line form."""
    program = pathlib.Path(sys.argv[1]).resolve()
    try:
        scenario(program)
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        print("0 passed, 1 failed")
        sys.exit(1)
    print("1 passed, 0 failed")
