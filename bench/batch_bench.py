"""The batch benchmark: one file of 200,000 moments, converted by
  kelpworth /q /b      in de_DE.UTF-8, lines "/dDD.MM.YYYY /tHH:MM:SS"
  date -f              GNU date, the same moments as "YYYY-MM-DD HH:MM:SS", +%s
  python3 loop         bench/batch_stamps.py, the same lines to the same stamps
  kelpworth /q /b /r   the stamps read back
each run several times (the median wall time counts), then the peak memory
of kelpworth /q /b over 200,000 and over 10,000,000 lines. Usage:
  python3 bench/batch_bench.py KELPWORTH [RUNS]"""
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

LINES = 200_000
BIG = 10_000_000


def moments(count, seed):
    rng = random.Random(seed)
    for _ in range(count):
        yield (rng.randint(1970, 2037), rng.randint(1, 12), rng.randint(1, 28),
               rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59))


def tool_line(m):
    return "/d%02d.%02d.%04d /t%02d:%02d:%02d\n" % (m[2], m[1], m[0], m[3], m[4], m[5])


def timed(command, stdin_path, stdout_path, env, runs):
    walls = []
    for _ in range(runs):
        with open(stdin_path, "rb") as source, open(stdout_path, "wb") as sink:
            start = time.perf_counter()
            subprocess.run(command, stdin=source, stdout=sink, env=env, check=True)
            walls.append(time.perf_counter() - start)
    return statistics.median(walls)


def peak_memory_kib(command, env, lines, seed):
    """The peak resident memory of `command` in KiB, as GNU time reports it,
    with `lines` moments piped in by a generator of their own."""
    generator = subprocess.Popen([sys.executable, "-c", GENERATOR, str(lines), str(seed)],
                                 stdout=subprocess.PIPE)
    timer = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdin=generator.stdout,
                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env,
                           check=True)
    generator.stdout.close()
    generator.wait()
    return int(timer.stderr.decode().strip().splitlines()[-1])


GENERATOR = r"""
import random, sys
count, rng = int(sys.argv[1]), random.Random(int(sys.argv[2]))
out = sys.stdout
for start in range(0, count, 10000):
    out.write("".join("/d%02d.%02d.%04d /t%02d:%02d:%02d\n" % (
        rng.randint(1, 28), rng.randint(1, 12), rng.randint(1970, 2037),
        rng.randint(0, 23), rng.randint(0, 59), rng.randint(0, 59))
        for _ in range(min(10000, count - start))))
"""


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    tool = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    here = os.path.dirname(os.path.abspath(__file__))
    base = {"PATH": "/usr/bin:/bin", "TZ": "UTC"}
    german = dict(base, LANG="de_DE.UTF-8")
    plain = dict(base, LC_ALL="C")

    with tempfile.TemporaryDirectory() as work:
        path = lambda name: os.path.join(work, name)
        all_moments = list(moments(LINES, 20171225))
        with open(path("lines"), "w") as f:
            f.writelines(tool_line(m) for m in all_moments)
        with open(path("dates"), "w") as f:
            f.writelines("%04d-%02d-%02d %02d:%02d:%02d\n" % m for m in all_moments)

        results = []
        wall = timed([tool, "/q", "/b"], path("lines"), path("stamps"), german, runs)
        results.append(("kelpworth /q /b", wall))
        wall = timed(["date", "-f", path("dates"), "+%s"], "/dev/null", path("seconds"), plain,
                     runs)
        results.append(("date -f (GNU)", wall))
        wall = timed([sys.executable, os.path.join(here, "batch_stamps.py")], path("lines"),
                     path("python"), plain, max(1, runs // 2))
        results.append(("python3 loop", wall))
        wall = timed([tool, "/q", "/b", "/r"], path("stamps"), path("read"), german, runs)
        results.append(("kelpworth /q /b /r", wall))

        with open(path("stamps")) as a, open(path("python")) as b:
            tool_stamps, python_stamps = a.read().splitlines(), b.read().splitlines()
        same = sum(1 for x, y in zip(tool_stamps, python_stamps) if x == y)
        with open(path("read")) as f:
            read_lines = sum(1 for _ in f)

    rate = {name: LINES / wall for name, wall in results}
    print("%d lines; median of %d runs (python: %d)" % (LINES, runs, max(1, runs // 2)))
    print("%-22s %10s %14s" % ("", "seconds", "lines/second"))
    for name, wall in results:
        print("%-22s %10.3f %14s" % (name, wall, format(round(LINES / wall), ",")))
    b = rate["kelpworth /q /b"]
    print("kelpworth /q /b against date -f:         %5.2f x  (target at least 4)"
          % (b / rate["date -f (GNU)"]))
    print("kelpworth /q /b against the python loop: %5.2f x  (target at least 25)"
          % (b / rate["python3 loop"]))
    print("kelpworth /q /b /r against /q /b:        %5.2f x  (target at least 1)"
          % (rate["kelpworth /q /b /r"] / b))
    print("the python loop gives the same stamp on %d of %d lines; /r read back %d lines"
          % (same, LINES, read_lines))
    small = peak_memory_kib([tool, "/q", "/b"], german, LINES, 1)
    big = peak_memory_kib([tool, "/q", "/b"], german, BIG, 2)
    print("peak memory of kelpworth /q /b: %s KiB over %s lines, %s KiB over %s lines"
          " (target under 4096, the same for both)"
          % (format(small, ","), format(LINES, ","), format(big, ","), format(BIG, ",")))


main()
