#!/usr/bin/env python3
"""harfnur-ogir against plain decoders on the same files, side by side.

Generates seeded sample text (about 100 MB per script by default: old Latin
with ASCII apostrophes, old Latin as printed with ʻ and ’, and Cyrillic),
then runs each command RUNS times (uconv, far slower, once), interleaved,
output to /dev/null, and prints the medians of wall, user and system time and
peak memory, the best wall time, and the ratio of iconv's time to each
command's. Two single-threaded runs started together show what two cores give
this machine, to judge -j2 by. The machine's other load shows in the wall
times; user + system time is steadier.

Usage: ogir_taqqos.py BUILD_DIR [--mb 100] [--runs 7] [--gb-memory]
  --gb-memory  also converts a 1 GB file once and reports its peak memory
               (the mapped input's pages are let go as they are written)
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def olch(buyruq):
    """Wall, user, system seconds and peak RSS in MB of one run."""
    with open(os.devnull, "wb") as bosh:
        t0 = time.perf_counter()
        p = subprocess.Popen(buyruq, stdout=bosh)
        _, holat, r = os.wait4(p.pid, 0)
        devor = time.perf_counter() - t0
    if os.waitstatus_to_exitcode(holat) != 0:
        sys.exit("failed: %s" % " ".join(buyruq))
    return devor, r.ru_utime, r.ru_stime, r.ru_maxrss / 1024


def ikkitasi(buyruq):
    """Wall seconds of two runs of one command started together: what two
    cores give this machine, against which -j2 can be judged."""
    with open(os.devnull, "wb") as bosh:
        t0 = time.perf_counter()
        p = [subprocess.Popen(buyruq, stdout=bosh) for _ in range(2)]
        if any(x.wait() != 0 for x in p):
            sys.exit("failed: %s" % " ".join(buyruq))
        return time.perf_counter() - t0


def main():
    a = argparse.ArgumentParser()
    a.add_argument("build")
    a.add_argument("--mb", type=int, default=100)
    a.add_argument("--runs", type=int, default=7)
    a.add_argument("--gb-memory", action="store_true")
    o = a.parse_args()
    ogir = os.path.join(o.build, "tools", "harfnur-ogir")
    yoz = os.path.join(o.build, "bench", "matn_yoz")
    papka = tempfile.mkdtemp(prefix="ogir-taqqos-")
    try:
        print("cores: %d, runs: %d, size: %d MB per script" % (os.cpu_count(), o.runs, o.mb))
        for yozuv in ("lotin", "bosma", "kirill"):
            f = os.path.join(papka, yozuv + ".txt")
            with open(f, "wb") as c:
                subprocess.run([yoz, yozuv, str(o.mb << 20)], stdout=c, check=True)
            buyruqlar = [
                ("iconv -f UTF-8 -t UTF-32", ["iconv", "-f", "UTF-8", "-t", "UTF-32", f]),
                ("harfnur-ogir -j1", [ogir, "-j1", f]),
                ("harfnur-ogir -j2", [ogir, "-j2", f]),
                ("harfnur-ogir", [ogir, f]),
            ]
            if shutil.which("uconv"):
                buyruqlar.append(("uconv -x uz_Cyrl-uz_Latn", ["uconv", "-x", "uz_Cyrl-uz_Latn", f]))
            natijalar = {nom: [] for nom, _ in buyruqlar}
            juft = []
            for i in range(o.runs):
                for nom, b in buyruqlar:
                    if nom.startswith("uconv") and i > 0:
                        continue  # tens of seconds a run: once is enough
                    natijalar[nom].append(olch(b))
                juft.append(ikkitasi([ogir, "-j1", f]))
            med = {n: [statistics.median(x[i] for x in v) for i in range(4)] for n, v in natijalar.items()}
            eng = {n: min(x[0] for x in v) for n, v in natijalar.items()}
            iw, iu, isy, _ = med["iconv -f UTF-8 -t UTF-32"]
            print("\n%s, %.0f MB" % (yozuv, os.path.getsize(f) / 2**20))
            print("%-26s %8s %8s %8s %8s %8s %10s %10s" % ("command", "wall s", "best s", "user s", "sys s",
                                                            "RSS MB", "iconv/wall", "iconv/cpu"))
            for nom, (w, u, sy, m) in med.items():
                print("%-26s %8.3f %8.3f %8.3f %8.3f %8.0f %9.2fx %9.2fx" % (nom, w, eng[nom], u, sy, m, iw / w,
                                                                             (iu + isy) / (u + sy)))
            bir = eng["harfnur-ogir -j1"]
            print("best walls: two -j1 runs at once %.3f s, so two cores give this machine %.2fx; "
                  "-j2 gives %.2fx of -j1" % (min(juft), 2 * bir / min(juft), bir / eng["harfnur-ogir -j2"]))
            os.unlink(f)
        if o.gb_memory:
            f = os.path.join(papka, "katta.txt")
            with open(f, "wb") as c:
                subprocess.run([yoz, "kirill", str(1 << 30)], stdout=c, check=True)
            w, u, sy, m = olch([ogir, f])
            hajm = os.path.getsize(f) / 2**20
            print("\n1 GB: wall %.2f s, peak RSS %.0f MB for a %.0f MB input" % (w, m, hajm))
    finally:
        shutil.rmtree(papka)


if __name__ == "__main__":
    main()
