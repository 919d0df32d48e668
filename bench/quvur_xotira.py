#!/usr/bin/env python3
"""harfnur-ogir on one large text twice: the file named, and the same bytes
through a pipe. Prints the wall and CPU time and peak RSS of each and the MD5 of
both outputs; exits 1 when the outputs differ or the pipe's peak RSS reaches
--rss-mb.

A pipe is held in memory up to 64 MB, then in a temporary file in TMPDIR
(here a folder of the script's own, next to the sample), mapped as a named
file is; either mapping lets its pages go as the pieces are done. So neither
run needs memory near the size of its input. With --utf16 the sample is
UTF-16 with its byte order mark, decoded to UTF-8 before the conversion, so
both runs go through the temporary file.

Usage: quvur_xotira.py BUILD_DIR [--mb 1024] [--yozuv kirill] [--rss-mb 128]
                       [--utf16] [--papka DIR]
"""
import argparse
import codecs
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time


def mb(maxrss):
    """ru_maxrss in MB: kilobytes on Linux, bytes on macOS."""
    return maxrss / (2**20 if sys.platform == "darwin" else 2**10)


def olch(buyruq, kirish=None, muhit=None):
    """Wall and CPU (user + system) seconds, peak RSS in MB and the MD5 of the
    output of one run."""
    t0 = time.perf_counter()
    p = subprocess.Popen(buyruq, stdin=kirish, stdout=subprocess.PIPE, env=muhit)
    if kirish is not None:
        kirish.close()  # the pipe is the converter's alone now
    md5 = hashlib.md5()
    for bolak in iter(lambda: p.stdout.read(1 << 20), b""):
        md5.update(bolak)
    _, holat, r = os.wait4(p.pid, 0)
    devor = time.perf_counter() - t0
    if os.waitstatus_to_exitcode(holat) != 0:
        sys.exit("failed: %s" % " ".join(buyruq))
    return devor, r.ru_utime + r.ru_stime, mb(r.ru_maxrss), md5.hexdigest()


def utf16ga(manba, nishon):
    """UTF-8 to UTF-16LE with its mark, a megabyte at a time."""
    ochuvchi = codecs.getincrementaldecoder("utf-8")("surrogateescape")
    with open(manba, "rb") as m, open(nishon, "wb") as n:
        n.write(b"\xff\xfe")
        for bolak in iter(lambda: m.read(1 << 20), b""):
            n.write(ochuvchi.decode(bolak).encode("utf-16-le", "surrogatepass"))
        n.write(ochuvchi.decode(b"", final=True).encode("utf-16-le", "surrogatepass"))


def main():
    a = argparse.ArgumentParser()
    a.add_argument("build")
    a.add_argument("--mb", type=int, default=1024)
    a.add_argument("--yozuv", default="kirill", choices=("lotin", "bosma", "kirill"))
    a.add_argument("--rss-mb", type=float, default=128)
    a.add_argument("--utf16", action="store_true")
    a.add_argument("--papka", help="where the sample and the temporary file go (default: a new folder in TMPDIR)")
    o = a.parse_args()
    ogir = os.path.join(o.build, "tools", "harfnur-ogir")
    yoz = os.path.join(o.build, "bench", "matn_yoz")
    papka = tempfile.mkdtemp(prefix="quvur-xotira-", dir=o.papka)
    try:
        f = os.path.join(papka, "namuna.txt")
        with open(f, "wb") as c:
            subprocess.run([yoz, o.yozuv, str(o.mb << 20)], stdout=c, check=True)
        if o.utf16:
            utf8 = f
            f = os.path.join(papka, "namuna16.txt")
            utf16ga(utf8, f)
            os.unlink(utf8)
        vaqtincha = os.path.join(papka, "tmp")
        os.mkdir(vaqtincha)
        muhit = dict(os.environ, TMPDIR=vaqtincha)
        hajm = os.path.getsize(f) / 2**20
        print("%s, %.0f MB%s, cores: %d" % (o.yozuv, hajm, " UTF-16" if o.utf16 else "", os.cpu_count()))

        fw, fc, fm, fh = olch([ogir, f], muhit=muhit)
        print("file:  wall %6.2f s, cpu %6.2f s, peak RSS %6.1f MB, md5 %s" % (fw, fc, fm, fh))
        cat = subprocess.Popen(["cat", f], stdout=subprocess.PIPE)
        qw, qc, qm, qh = olch([ogir], kirish=cat.stdout, muhit=muhit)
        if cat.wait() != 0:
            sys.exit("cat failed")
        print("pipe:  wall %6.2f s, cpu %6.2f s, peak RSS %6.1f MB, md5 %s" % (qw, qc, qm, qh))
        qolgan = os.listdir(vaqtincha)
        xato = []
        if qh != fh:
            xato.append("the outputs differ")
        if qm >= o.rss_mb:
            xato.append("the pipe's peak RSS %.1f MB is not under %.0f MB" % (qm, o.rss_mb))
        if qolgan:
            xato.append("left in TMPDIR: %s" % " ".join(qolgan))
        if xato:
            sys.exit("; ".join(xato))
        print("same output; the pipe stays under %.0f MB" % o.rss_mb)
    finally:
        shutil.rmtree(papka)


if __name__ == "__main__":
    main()
