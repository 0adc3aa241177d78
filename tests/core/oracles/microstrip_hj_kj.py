#!/usr/bin/env python3
"""Reference figures for the Hammerstad-Jensen / Kirschning-Jansen microstrip model.

Written from the papers' equations alone, at 40 significant digits (mpmath), to cross-check
core/microstrip_dispersive.cpp:
  E. Hammerstad, O. Jensen, "Accurate Models for Microstrip Computer-Aided Design",
  IEEE MTT-S Int. Microwave Symp. Digest, 1980, pp. 407-409 (eqs. for Z01, a, b, the
  thickness increments du1 and dur, and the effective permittivity with thickness).
  M. Kirschning, R. H. Jansen, Electronics Letters 18(6), 1982, pp. 272-273 (P1..P4).
  R. H. Jansen, M. Kirschning, AEU 37(3/4), 1983, pp. 108-112 (R1..R17).
Usage: microstrip_hj_kj.py W_mm H_mm T_mm Er F_Hz
"""
import sys
from mpmath import mp, mpf, log, sqrt, exp, pi, cosh, tanh, e

mp.dps = 40
ETA0 = mpf(299792458) * 4 * pi * mpf("1e-7")  # free-space wave impedance mu0*c


def z01(u):
    f = 6 + (2 * pi - 6) * exp(-((mpf("30.666") / u) ** mpf("0.7528")))
    return ETA0 / (2 * pi) * log(f / u + sqrt(1 + 4 / u ** 2))


def eps_e(u, er):
    a = 1 + log((u ** 4 + (u / 52) ** 2) / (u ** 4 + mpf("0.432"))) / 49 \
        + log(1 + (u / mpf("18.1")) ** 3) / mpf("18.7")
    b = mpf("0.564") * ((er - mpf("0.9")) / (er + 3)) ** mpf("0.053")
    return (er + 1) / 2 + (er - 1) / 2 * (1 + 10 / u) ** (-a * b)


def static(w, h, t, er):
    u = w / h
    tn = t / h
    if tn > 0:
        du1 = tn / pi * log(1 + 4 * e / (tn / tanh(sqrt(mpf("6.517") * u)) ** 2))
    else:
        du1 = mpf(0)
    dur = (1 + 1 / cosh(sqrt(er - 1))) / 2 * du1
    u1, ur = u + du1, u + dur
    z0 = z01(ur) / sqrt(eps_e(ur, er))
    eeff = eps_e(ur, er) * (z01(u1) / z01(ur)) ** 2
    return z0, eeff


def dispersive(w, h, er, z0s, e0, f):
    u = w / h
    fn = f * h * 1000 / mpf("1e9")  # GHz * mm
    p1 = mpf("0.27488") + (mpf("0.6315") + mpf("0.525") / (1 + mpf("0.0157") * fn) ** 20) * u \
        - mpf("0.065683") * exp(-mpf("8.7513") * u)
    p2 = mpf("0.33622") * (1 - exp(-mpf("0.03442") * er))
    p3 = mpf("0.0363") * exp(-mpf("4.6") * u) * (1 - exp(-((fn / mpf("38.7")) ** mpf("4.97"))))
    p4 = 1 + mpf("2.751") * (1 - exp(-((er / mpf("15.916")) ** 8)))
    p = p1 * p2 * ((mpf("0.1844") + p3 * p4) * fn) ** mpf("1.5763")
    ef = er - (er - e0) / (1 + p)
    r1 = mpf("0.03891") * er ** mpf("1.4")
    r2 = mpf("0.267") * u ** 7
    r3 = mpf("4.766") * exp(-mpf("3.228") * u ** mpf("0.641"))
    r4 = mpf("0.016") + (mpf("0.0514") * er) ** mpf("4.524")
    r5 = (fn / mpf("28.843")) ** 12
    r6 = mpf("22.2") * u ** mpf("1.92")
    r7 = mpf("1.206") - mpf("0.3144") * exp(-r1) * (1 - exp(-r2))
    r8 = 1 + mpf("1.275") * (1 - exp(-mpf("0.004625") * r3 * er ** mpf("1.674")
                                      * (fn / mpf("18.365")) ** mpf("2.745")))
    r9 = mpf("5.086") * r4 * r5 / (mpf("0.3838") + mpf("0.386") * r4) \
        * exp(-r6) / (1 + mpf("1.2992") * r5) * (er - 1) ** 6 / (1 + 10 * (er - 1) ** 6)
    r10 = mpf("0.00044") * er ** mpf("2.136") + mpf("0.0184")
    r11 = (fn / mpf("19.47")) ** 6 / (1 + mpf("0.0962") * (fn / mpf("19.47")) ** 6)
    r12 = 1 / (1 + mpf("0.00245") * u ** 2)
    r13 = mpf("0.9408") * ef ** r8 - mpf("0.9603")
    r14 = (mpf("0.9408") - r9) * e0 ** r8 - mpf("0.9603")
    r15 = mpf("0.707") * r10 * (fn / mpf("12.3")) ** mpf("1.097")
    r16 = 1 + mpf("0.0503") * er ** 2 * r11 * (1 - exp(-((u / 15) ** 6)))
    r17 = r7 * (1 - mpf("1.1241") * r12 / r16 * exp(-mpf("0.026") * fn ** mpf("1.15656") - r15))
    return z0s * (r13 / r14) ** r17, ef


if __name__ == "__main__":
    w, h, t = (mpf(x) / 1000 for x in sys.argv[1:4])
    er, f = mpf(sys.argv[4]), mpf(sys.argv[5])
    z0, e0 = static(w, h, t, er)
    zf, ef = dispersive(w, h, er, z0, e0, f)
    lam = 299792458 / (f * sqrt(ef))
    print("Z0(0)   ", mp.nstr(z0, 22))
    print("EpsEff0 ", mp.nstr(e0, 22))
    print("Z0(f)   ", mp.nstr(zf, 22))
    print("EpsEff(f)", mp.nstr(ef, 22))
    print("lambda_g", mp.nstr(lam, 22))
    print("deg/mm  ", mp.nstr(mpf("0.36") / lam, 22))
