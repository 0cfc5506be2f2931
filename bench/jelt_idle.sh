#!/usr/bin/env bash
# CPU time of jelt left idle: started under a pseudo-terminal on the real clock, with the
# program's timers and the chat scanner running, it is left alone for SECONDS (default
# 10) and its user + system CPU time over that span is read from /proc/PID/stat.
# Target: under 1 % of one core.
#
#   bench/jelt_idle.sh [SECONDS]
#
# BUILD names the build directory (default: build). The per-user store goes to a fresh
# configuration directory; the settings file is the one beside the built jelt.
set -euo pipefail

cd "$(dirname "$0")/.."
build=${BUILD:-build}
seconds=${1:-10}
cmake --build "$build" --target jelt >/dev/null
jelt="$build/apps/jelt/jelt"

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

XDG_CONFIG_HOME="$config" python3 - "$jelt" "$seconds" <<'PY'
import fcntl, os, pty, select, signal, struct, sys, termios, time

jelt, seconds = sys.argv[1], float(sys.argv[2])
pid, fd = pty.fork()
if pid == 0:
    os.execv(jelt, [jelt])
fcntl.ioctl(fd, termios.TIOCSWINSZ, struct.pack("HHHH", 40, 120, 0, 0))

def drain(span):
    """Reads what jelt writes for a while, as a terminal would."""
    end = time.monotonic() + span
    while (left := end - time.monotonic()) > 0:
        if select.select([fd], [], [], left)[0]:
            try:
                if not os.read(fd, 65536):
                    return
            except OSError:
                return

def cpu_seconds():
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

# A first start brings a note and the handle prompt: Enter closes the one and answers
# the other. Then the program runs with nothing to do.
drain(1.5)
for _ in range(2):
    os.write(fd, b"\r")
    drain(0.5)
drain(1.0)
start_cpu, start = cpu_seconds(), time.monotonic()
drain(seconds)
used, span = cpu_seconds() - start_cpu, time.monotonic() - start
os.write(fd, b"/quit\r")
drain(1.0)
try:
    os.kill(pid, signal.SIGTERM)
except ProcessLookupError:
    pass
os.waitpid(pid, 0)
share = 100.0 * used / span
print(f"jelt idle {span:.1f} s: {used:.3f} s CPU = {share:.2f} % of one core "
      f"(target < 1 %): {'ok' if share < 1.0 else 'MISSED'}")
PY
