#!/usr/bin/env python3
"""What a large clipboard costs a conversion on Xvfb: the delay the snapshot
adds before the copy, the time until the earlier content is offered again,
and the memory harfnur takes for it.

Compares an earlier clipboard of a few bytes with one holding a 20 MB image
in two formats and a 2 MB HTML text. Times run from the release of the
second Shift; the new text needs the field's copy and paste either way.
Usage: bufer_vaqti.py HARFNUR QT_MAYDON BUFER_EGASI [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import desktop_test as dt  # noqa: E402

MB = 1 << 20


class A:
    pass


def xotira(pid):
    """Resident and peak resident memory of a process, in MB."""
    q = {}
    with open("/proc/%d/status" % pid) as f:
        for s in f:
            k, _, v = s.partition(":")
            q[k] = int(v.split()[0]) / 1024 if v.strip().endswith("kB") else v
    return q["VmRSS"], q["VmHWM"]


def bir(d, i, turlar, egasi_yoli):
    argv = [egasi_yoli]
    for j, (tur, baytlar) in enumerate(turlar):
        yol = os.path.join(d.papka, "b%s_%d" % (i, j))
        with open(yol, "wb") as f:
            f.write(baytlar)
        argv.append("%s=%s" % (tur, yol))
    egasi = d.boshla(argv, stdout=subprocess.PIPE)
    assert egasi.stdout.readline() == b"tayyor\n"
    yol = os.path.join(d.papka, "f%s.txt" % i)
    p = d.boshla([dt.ARGS.qt_maydon, yol, "o'g'il shahar choy", "Olchov%s" % i])
    d.oyna("Olchov%s" % i)
    d.ishlat("xdotool", "key", "ctrl+a")
    time.sleep(0.3)
    oldin = xotira(d.harfnur.pid)
    # One process for the taps, so a busy machine does not stretch them.
    d.ishlat("xdotool", "keydown", "Shift_L", "sleep", "0.05", "keyup", "Shift_L", "sleep", "0.1",
             "keydown", "Shift_L", "sleep", "0.05")
    t0 = time.perf_counter()  # just before the release is sent: an upper bound
    subprocess.run(["xdotool", "keyup", "Shift_L"], env=d.muhit)
    while not (os.path.exists(yol) and open(yol, encoding="utf-8").read() == "öğil şahar çoy"):
        if time.perf_counter() - t0 > 5:
            raise SystemExit("the field was not converted: %r %s" % (
                open(yol, encoding="utf-8").read() if os.path.exists(yol) else None, d.xabarlar()[-6:]))
        time.sleep(0.001)
    yangi = (time.perf_counter() - t0) * 1000
    # Back when the first format reads as before (harfnur owns the copy).
    while d.bufer(turlar[0][0]) != turlar[0][1]:
        if time.perf_counter() - t0 > 8:
            raise SystemExit("the clipboard did not come back")
        time.sleep(0.002)
    qaytdi = (time.perf_counter() - t0) * 1000
    keyin = xotira(d.harfnur.pid)
    p.terminate()
    egasi.terminate()
    return yangi, qaytdi, oldin, keyin


def main():
    dt.ARGS = A()
    dt.ARGS.harfnur, dt.ARGS.qt_maydon = sys.argv[1], sys.argv[2]
    egasi_yoli = sys.argv[3]
    marta = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    kichik = [("text/plain", b"avvalgi")]
    katta = [("text/html", b"<p>" + b"<b>qalin</b> va <i>egri</i> " * (2 * MB // 30) + b"</p>"),
             ("image/png", os.urandom(20 * MB)), ("image/bmp", os.urandom(20 * MB))]
    d = dt.Ish()
    natija = {"kichik": [], "katta": []}
    try:
        for i in range(marta):
            for nom, turlar in (("kichik", kichik), ("katta", katta)):
                natija[nom].append(bir(d, "%s%d" % (nom, i), turlar, egasi_yoli))
        jurnal = d.xabarlar()
    finally:
        d.yop()
    otkazildi = [x for x in jurnal if x.startswith("bufer:")]
    med = {k: (statistics.median(r[0] for r in v), statistics.median(r[1] for r in v)) for k, v in natija.items()}
    hajm = sum(len(b) for _, b in katta) / MB
    print("earlier clipboard of 7 bytes: new text after %.1f ms, clipboard back after %.1f ms (median of %d)"
          % (med["kichik"][0], med["kichik"][1], marta))
    print("earlier clipboard of %.0f MB in %d formats: new text after %.1f ms, clipboard back after %.1f ms"
          % (hajm, len(katta), med["katta"][0], med["katta"][1]))
    print("delay added by the large clipboard: %.1f ms before the new text, %.1f ms until it is back"
          % (med["katta"][0] - med["kichik"][0], med["katta"][1] - med["kichik"][1]))
    rss = [r[3][0] - r[2][0] for r in natija["katta"]]
    print("harfnur's memory: resident %.0f MB -> %.0f MB after the first large conversion (+%.0f MB held as the"
          " clipboard's owner), peak %.0f MB; later runs add median %.0f MB"
          % (natija["katta"][0][2][0], natija["katta"][0][3][0], rss[0], max(r[3][1] for r in natija["katta"]),
             statistics.median(rss[1:]) if len(rss) > 1 else 0))
    print("formats not read in time:", otkazildi or "none")


if __name__ == "__main__":
    main()
