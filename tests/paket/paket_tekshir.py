#!/usr/bin/env python3
"""Checks the macOS packaging that can be checked without a Mac: Info.plist as
CMake renders it from platform/mac/Info.plist.in, and the CI workflow."""
import argparse
import pathlib
import plistlib
import re
import subprocess
import sys

import yaml

xatolar = []


def tekshir(shart, xabar):
    if not shart:
        xatolar.append(xabar)


def plist_oqi(yol):
    try:
        with open(yol, "rb") as f:
            return plistlib.load(f)
    except Exception as e:  # any parse error means a malformed Info.plist
        tekshir(False, f"{yol.name} is not a well-formed plist: {e}")
        return None


def yasa(a, chiqish, **qiymatlar):
    q = dict(ID="uz.harfnur.Harfnur", VERSIYA=a.versiya, MACOS="12.0", DASTUR="Harfnur",
             BELGI="Harfnur.icns", YIL="2026")
    q.update(qiymatlar)
    buyruq = [a.cmake, f"-DMANBA={a.manba}", f"-DCHIQISH={chiqish}"]
    buyruq += [f"-D{k}={v}" for k, v in q.items()]
    buyruq += ["-P", str(pathlib.Path(__file__).with_name("plist_yasash.cmake"))]
    return subprocess.run(buyruq, capture_output=True, text=True)


def plist_tekshir(a, ish):
    yol = ish / "Info.plist"
    r = yasa(a, yol)
    tekshir(r.returncode == 0, f"rendering Info.plist failed: {r.stderr}")
    if r.returncode:
        return
    matn = yol.read_text(encoding="utf-8")
    tekshir("@" not in matn, "a placeholder was left in Info.plist")
    p = plist_oqi(yol)
    if p is None:
        return
    kutilgan = {
        "CFBundleIdentifier": "uz.harfnur.Harfnur",
        "CFBundleExecutable": "Harfnur",
        "CFBundleIconFile": "Harfnur.icns",
        "CFBundlePackageType": "APPL",
        "CFBundleInfoDictionaryVersion": "6.0",
        "CFBundleShortVersionString": a.versiya,
        "CFBundleVersion": a.versiya,
        "LSMinimumSystemVersion": "12.0",
        "LSUIElement": True,
        "NSPrincipalClass": "NSApplication",
    }
    for kalit, qiymat in kutilgan.items():
        tekshir(kalit in p and p[kalit] == qiymat and type(p[kalit]) is type(qiymat),
                f"Info.plist {kalit} is {p.get(kalit)!r}, wanted {qiymat!r}")
    tekshir(p.get("NSHumanReadableCopyright") == "© 2026 Harfnur mualliflari",
            f"NSHumanReadableCopyright is {p.get('NSHumanReadableCopyright')!r}")

    # Markup characters in a value stay text.
    yol2 = ish / "Info-belgilar.plist"
    r = yasa(a, yol2, DASTUR="A&B", BELGI="<b>.icns")
    tekshir(r.returncode == 0, f"rendering with & and < failed: {r.stderr}")
    p2 = plist_oqi(yol2) if r.returncode == 0 else None
    if p2 is not None:
        tekshir(p2.get("CFBundleExecutable") == "A&B" and p2.get("CFBundleIconFile") == "<b>.icns",
                "& and < were not escaped in Info.plist")

    for nom, qiymatlar in [
        ("identifier without a dot", dict(ID="harfnur")),
        ("identifier with an underscore", dict(ID="uz.harfnur_app")),
        ("identifier with a blank", dict(ID="uz.harfnur app")),
        ("two-part version", dict(VERSIYA="0.1")),
        ("version with a suffix", dict(VERSIYA="0.1.0-beta")),
        ("minimum macOS that is not a version", dict(MACOS="twelve")),
        ("empty minimum macOS", dict(MACOS="")),
    ]:
        r = yasa(a, ish / "rad.plist", **qiymatlar)
        tekshir(r.returncode != 0, f"Info.plist with a {nom} was accepted")


def bundle_id_tekshir(a):
    # The backend falls back to the same identifier when the bundle has none.
    bundle = (a.manba / "platform/mac/bundle.cmake").read_text(encoding="utf-8")
    m = re.search(r'set\(HARFNUR_BUNDLE_ID "([^"]+)"', bundle)
    tekshir(m is not None, "bundle.cmake sets no HARFNUR_BUNDLE_ID")
    sarlavha = a.manba / "platform/mac/mac_xizmatlar.h"
    z = re.search(r'zaxiraIdentifikator\s*=\s*"([^"]+)"', sarlavha.read_text(encoding="utf-8"))
    tekshir(z is not None, "mac_xizmatlar.h has no zaxiraIdentifikator")
    if m and z:
        tekshir(m.group(1) == z.group(1),
                f"bundle id {m.group(1)!r} differs from the backend's fallback {z.group(1)!r}")


ARM = {"macos-14", "macos-15", "macos-26", "macos-latest"}
INTEL = {"macos-13", "macos-15-intel", "macos-26-intel"}


def workflow_tekshir(a):
    yol = a.manba / ".github/workflows/ci.yml"
    w = yaml.safe_load(yol.read_text(encoding="utf-8"))
    tekshir("concurrency" in w, "the workflow sets no concurrency")
    ishlar = w.get("jobs", {})
    for nom, ish in ishlar.items():
        tekshir("runs-on" in ish, f"job {nom} has no runs-on")
        t = ish.get("timeout-minutes")
        tekshir(isinstance(t, int) and 0 < t <= 120, f"job {nom} has no sane timeout-minutes ({t!r})")
        for q in ish.get("steps", []):
            if "uses" in q:
                tekshir(re.fullmatch(r"[\w.-]+/[\w.-]+(/[\w./-]+)?@v\d+", q["uses"]) is not None,
                        f"job {nom}: {q['uses']} is not pinned to a major version")

    mac = ishlar.get("macos", {})
    runnerlar = {m.get("runner") for m in mac.get("strategy", {}).get("matrix", {}).get("include", [])}
    tekshir(runnerlar & ARM, f"the macOS job has no Apple silicon runner: {runnerlar}")
    tekshir(runnerlar & INTEL, f"the macOS job has no Intel runner: {runnerlar}")

    # The app links the ICU of scripts/icu-mac.sh, kept between runs, never
    # Homebrew's; the DMG's app is checked strictly, then really converts.
    qadamlar = mac.get("steps", [])
    ishlar_ = "\n".join(str(q.get("run", "")) for q in qadamlar)
    tekshir("icu4c" not in ishlar_, "the macOS job installs Homebrew's ICU")
    tekshir("scripts/icu-mac.sh" in ishlar_, "the macOS job does not build ICU with scripts/icu-mac.sh")
    keshlar = [q for q in qadamlar if str(q.get("uses", "")).startswith("actions/cache@")]
    tekshir(any("icu-mac" in str(q.get("with", {}).get("path", "")) for q in keshlar),
            "the macOS job does not cache the ICU it builds")
    tekshir("-DBUILD_TESTING=OFF" in ishlar_ and "-verify_arch arm64 x86_64" in ishlar_,
            "the macOS job does not build and check a universal app")
    tekshir(re.search(r"minos.*\n(.*\n){0,4}.*::error::", ishlar_) is not None,
            "no Mach-O's minimum macOS is checked against the deployment target")
    for betik in ("tests/mac/tcc_ruxsat.sh", "tests/mac/ogirish_sinovi.sh"):
        tekshir(betik in ishlar_, f"the macOS job does not run {betik}")
        tekshir((a.manba / betik).is_file(), f"{betik} is missing")
    tekshir(all("secrets." not in str(q.get("if", "")) for q in qadamlar),
            "a step's if reads a secret, which GitHub does not allow")

    # The Linux job runs exactly the README's test command (its second block).
    bloklar = re.findall(r"```sh\n(.*?)```", (a.manba / "README.md").read_text(encoding="utf-8"), re.S)
    tekshir(len(bloklar) >= 2, "README has no test command block")
    if len(bloklar) >= 2:
        buyruq = bloklar[1].strip()
        ishlatiladi = [" ".join(str(q.get("run", "")).split()) for q in ishlar.get("linux", {}).get("steps", [])]
        tekshir(any(re.search(r"(^| )" + re.escape(buyruq) + "$", r) for r in ishlatiladi),
                f"the Linux job does not run the README's test command {buyruq!r}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--manba", type=pathlib.Path, required=True)
    ap.add_argument("--cmake", required=True)
    ap.add_argument("--versiya", required=True)
    ap.add_argument("--ish", type=pathlib.Path, required=True)
    a = ap.parse_args()
    a.ish.mkdir(parents=True, exist_ok=True)
    plist_tekshir(a, a.ish)
    bundle_id_tekshir(a)
    workflow_tekshir(a)
    for x in xatolar:
        print("FAIL:", x)
    print(f"{'ok' if not xatolar else str(len(xatolar)) + ' failed'}")
    return 1 if xatolar else 0


if __name__ == "__main__":
    sys.exit(main())
