#!/usr/bin/env python3
"""Writes compressori.sql, the compressors, motors, ratings and option links of the demo
catalogue. The performance coefficients come from a simple physical model of a
reciprocating compressor, fitted in the EN 12900 ten-coefficient form:

    P = C0 + C1*te + C2*tc + C3*te^2 + C4*te*tc + C5*tc^2
          + C6*te^3 + C7*te^2*tc + C8*te*tc^2 + C9*tc^3     (te, tc in degC)

Rating conditions: suction gas at 20 degC, liquid saturated at tc (no subcooling).
Model: saturation pressure by Clausius-Clapeyron through the normal boiling point and the
pressure at 40 degC; suction density from the gas law with a compressibility factor;
refrigerating effect = latent heat (Watson scaling) + vapour superheat - liquid cooling;
volumetric efficiency from re-expansion of the clearance gas; power from the isentropic
work of an ideal gas divided by an isentropic efficiency falling off both sides of the
best pressure ratio; motor currents from a power factor that rises with load.
Rerun after changing the tables below:  python3 catalogue/demo/genera_demo.py
"""
import math
import os

R = 8.314462618
BANDS = [30, 35, 40, 45, 50, 55, 60, 65, 70]

# code: molar mass g/mol, normal boiling point degC, p at 40 degC bar(a), latent heat at
# -10 degC kJ/kg, critical temperature degC, cp vapour, cp liquid kJ/kgK, isentropic
# exponent, compressibility at suction. Approximate figures, close to those of published
# saturation tables; good enough for a believable demo range, not for rating real machines.
FLUIDS = {
    "R-22":  (86.47, -40.8, 15.34, 213.0, 96.1, 0.74, 1.22, 1.16, 0.94),
    "R134a": (102.03, -26.1, 10.17, 206.0, 101.1, 0.90, 1.45, 1.10, 0.95),
    "R404A": (97.60, -46.2, 18.30, 172.0, 72.1, 0.97, 1.52, 1.10, 0.93),
    "R407C": (86.20, -43.6, 16.50, 205.0, 86.0, 0.88, 1.48, 1.13, 0.94),
    "R507A": (98.86, -47.1, 18.80, 168.0, 70.6, 0.97, 1.52, 1.10, 0.93),
    "R410A": (72.58, -51.4, 24.20, 222.0, 71.3, 1.05, 1.72, 1.17, 0.93),
}

# Envelope (TEMin, TEMax) per condensing band; None where the band lies outside it.
ENVELOPES = {
    "R-22":  [(-40, 12.5), (-40, 12.5), (-40, 12.5), (-35, 12.5), (-30, 10), (-25, 10), (-20, 7.5), (-10, 5), None],
    "R134a": [(-25, 15), (-25, 15), (-25, 15), (-25, 15), (-20, 15), (-20, 12.5), (-15, 12.5), (-10, 10), (-5, 10)],
    "R404A": [(-40, 7.5), (-40, 7.5), (-40, 7.5), (-35, 5), (-30, 5), (-25, 0), None, None, None],
    "R407C": [(-30, 12.5), (-30, 12.5), (-30, 12.5), (-25, 12.5), (-25, 10), (-20, 10), (-15, 7.5), (-10, 5), None],
    "R507A": [(-40, 7.5), (-40, 7.5), (-40, 7.5), (-35, 5), (-30, 5), (-25, 0), None, None, None],
    "R410A": [(-25, 10), (-25, 10), (-25, 10), (-20, 10), (-15, 7.5), None, None, None, None],
}

RPM50 = 1450.0

# series, cylinders, bore mm, stroke mm, which refrigerants
SERIES = [
    ("DZ2", 2, [(40, 23), (44, 26), (48, 28), (52, 30), (56, 32), (60, 34)]),
    ("DZ4", 4, [(50, 36), (55, 39), (60, 40), (65, 42), (68, 44), (70, 48), (75, 46)]),
    ("DZ6", 6, [(70, 45), (72, 50), (75, 52), (78, 54), (80, 56), (82, 60)]),
    ("DZ8", 8, [(78, 53), (80, 58), (82, 62), (85, 64), (90, 68)]),
]
GAS_OF_SERIES = {
    "DZ2": ["R-22", "R134a", "R404A", "R407C", "R507A", "R410A"],
    "DZ4": ["R-22", "R134a", "R404A", "R407C", "R507A", "R410A"],
    "DZ6": ["R-22", "R134a", "R404A", "R407C", "R507A"],
    "DZ8": ["R-22", "R134a", "R404A", "R407C", "R507A"],
}
PIPE_MM = [12, 16, 22, 28, 35, 42, 54, 64, 76, 89]


def psat(f, t):
    M, tb, p40, r10, tcrit, cpv, cpl, k, z = f
    b = math.log(p40 / 1.01325) / (1 / (tb + 273.15) - 1 / 313.15)
    return 1.01325 * math.exp(b * (1 / (tb + 273.15) - 1 / (t + 273.15)))


def latent(f, t):
    M, tb, p40, r10, tcrit, *_ = f
    return r10 * ((tcrit - t) / (tcrit + 10.0)) ** 0.38


def point(f, te, tc, vd_m3h, cyl):
    """Capacity W, power W, mass flow kg/s at te/tc for displacement vd (m3/h)."""
    M, tb, p40, r10, tcrit, cpv, cpl, k, z = f
    pe, pc = psat(f, te), psat(f, tc)
    ratio = pc / pe
    ts = 20.0 + 273.15
    rho = pe * 1e5 * M / 1000.0 / (z * R * ts)
    clearance = 0.045 if cyl <= 2 else 0.04
    lam = 1.0 - clearance * (ratio ** (1.0 / k) - 1.0) - 0.11 - 0.0006 * (20.0 - te)
    lam = max(lam, 0.05)
    mdot = lam * rho * vd_m3h / 3600.0
    dh = (latent(f, te) + cpv * (20.0 - te) - cpl * (tc - te)) * 1000.0
    pv = z * R * ts / (M / 1000.0)
    wis = k / (k - 1) * pv * (ratio ** ((k - 1) / k) - 1.0)
    eta = 0.68 - 0.022 * (ratio - 3.2) if ratio > 3.2 else 0.68 - 0.03 * (3.2 - ratio)
    eta = max(eta, 0.45) * (0.96 if cyl <= 2 else 1.0)
    power = mdot * wis / eta + 0.015 * vd_m3h * 30.0
    return mdot * dh, power, mdot


def current(p_w, p_top_w):
    """Line current (A) of a 400 V three-phase motor drawing p_w; the power factor rises
    from about 0.55 near no load to 0.84 at the top of the motor table."""
    x = p_w / p_top_w
    cosphi = 0.84 - 0.3 * (1.0 - x) ** 2
    return p_w / (math.sqrt(3.0) * 400.0 * cosphi)


def terms(te, tc):
    return [1, te, tc, te * te, te * tc, tc * tc, te ** 3, te * te * tc, te * tc * tc, tc ** 3]


def solve(a, b):
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(n):
            if r != c:
                f = m[r][c] / m[c][c]
                for j in range(c, n + 1):
                    m[r][j] -= f * m[c][j]
    return [m[i][n] / m[i][i] for i in range(n)]


def fit(samples):
    ata = [[0.0] * 10 for _ in range(10)]
    atb = [0.0] * 10
    for te, tc, y in samples:
        t = terms(te, tc)
        for i in range(10):
            atb[i] += t[i] * y
            for j in range(10):
                ata[i][j] += t[i] * t[j]
    return solve(ata, atb)


def grid(env):
    pts = []
    for b, e in zip(BANDS, env):
        if e is None:
            continue
        for tc in (b, b + 2.5, b + 5):
            te = e[0]
            while te <= e[1] + 1e-9:
                pts.append((te, tc))
                te += 2.5
    return pts


def q(v):
    if v is None:
        return "NULL"
    if isinstance(v, str):
        return "'" + v.replace("'", "''") + "'"
    if isinstance(v, float):
        return repr(v) if not v.is_integer() else str(int(v))
    return str(v)


def sig(x, n=7):
    return float(f"{x:.{n}g}")


def main():
    out = ["-- Written by genera_demo.py: compressors, motors, ratings, option links.", "BEGIN;"]
    order = 0
    rid = 0
    models = []
    for serie, cyl, sizes in SERIES:
        for bore, stroke in sizes:
            vd = cyl * math.pi / 4 * bore ** 2 * stroke * RPM50 * 60 / 1e9
            models.append((serie, cyl, bore, stroke, round(vd, 1)))
    models.sort(key=lambda m: m[4])
    for serie, cyl, bore, stroke, vd in models:
        order += 10
        code = f"{cyl}DZ-{int(round(vd)):03d}"
        # motor sized on the largest power input over every rated refrigerant
        pmax = 0.0
        for g in GAS_OF_SERIES[serie]:
            for te, tc in grid(ENVELOPES[g]):
                pmax = max(pmax, point(FLUIDS[g], te, tc, vd, cyl)[1])
        fla = round(1.12 * current(pmax, 1.2 * pmax), 1)
        lra = round(fla * (5.2 if cyl <= 4 else 4.6), 0)
        i_suc = min(len(PIPE_MM) - 1, int(math.log(vd / 4.0) / math.log(1.75)))
        suc, dis = PIPE_MM[max(i_suc, 1)], PIPE_MM[max(i_suc - 1, 0)]
        oil = round(0.8 + vd * 0.026, 1)
        weight = round(38 + vd * 1.55 + cyl * 6, 0)
        motor = f"M-{code}"
        if code == "4DZ-048":
            motor = "M-SPECIALE"  # wound to order: no motor table in the catalogue
        tstd = "S230Y" if cyl == 2 else ("S400PW" if cyl == 8 else "S400Y")
        image = None if code == "8DZ-301" else f"{serie}.png"
        bk8 = -1 if cyl == 8 else 0
        out.append("INSERT INTO Compressori VALUES (" + ", ".join(q(v) for v in [
            code, serie, float(bore), float(stroke), float(cyl), vd, round(vd * 1.2, 1),
            f"{suc} mm", f"{dis} mm", oil, weight, fla, round(fla * 1.15, 1), lra,
            round(lra * 1.1, 0), tstd, motor, float(order), image, bk8]) + ");")
        if motor != "M-SPECIALE":
            w = [round(pmax * 1.2 * (i + 1) / 22, 0) for i in range(22)]
            a = [round(current(x, w[-1]), 2) for x in w]
            out.append("INSERT INTO Motori VALUES (" + ", ".join(q(v) for v in [motor] + w + a) + ");")
        for g in GAS_OF_SERIES[serie]:
            f, env = FLUIDS[g], ENVELOPES[g]
            pts = grid(env)
            wr = fit([(te, tc, point(f, te, tc, vd, cyl)[0]) for te, tc in pts])
            wa = fit([(te, tc, point(f, te, tc, vd, cyl)[1]) for te, tc in pts])
            pm = fit([(te, tc, point(f, te, tc, vd, cyl)[2]) for te, tc in pts])
            rid += 1
            last = max(b for b, e in zip(BANDS, env) if e is not None)
            row = [rid, code, g]
            for e in env:
                row += [None, None] if e is None else [float(e[0]), float(e[1])]
            row += [sig(c) for c in wr] + [sig(c) for c in wa] + [sig(c, 8) for c in pm]
            row += [30.0, float(min(last + 5, 70)), 1.0, 0, 0, 21]
            out.append("INSERT INTO CollCompGas VALUES (" + ", ".join(q(v) for v in row) + ");")
        # options: accessories standard or on request by size, notes, voltages
        links = [("A01", cyl >= 4), ("A02", cyl >= 6), ("A04", True)]
        if cyl >= 4:
            links.append(("A03", False))
        links.append(("A05", False))
        links += [("N01", False), ("N02", False), ("N03", False)]
        links += [("V01", False)] if cyl == 8 else [("V01", False), ("V02", False), ("V03", False)]
        for opt, std in links:
            out.append(f"INSERT INTO CollCompOpz VALUES ({q(code)}, {q(opt)}, {-1 if std else 0});")
    out.append("COMMIT;")
    open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "compressori.sql"), "w").write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
