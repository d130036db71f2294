#!/usr/bin/env python3
"""Writes reflib's data files (one text file per refrigerant) from the JSON compilation
of the published equations of state, and one file per blend computed as a real mixture
from the compilation's mixture data.

    tools/reflib/converti_fluidi.py CARTELLA_JSON reflib/data/Reflibs

CARTELLA_JSON holds the fluid files; the folder "mixtures" beside it (blends.json,
binary_pairs.json, departure_functions.json).

Only the equation of state of each fluid (EOS[0]), its critical point and the saturation
ancillaries used as starting values (or, for the pseudo-pure blends, as the bubble and
dew pressure equations) are carried over. Numbers are written with repr() so that they
read back to the same double.
"""
import json
import sys
from pathlib import Path

# file name of the compilation -> our name, aliases, source of the equation
FLUIDI = [
    ("R22.json", "R22", ["HCFC22"],
     "Kamei, Beyerlein, Jacobsen, Int. J. Thermophys. 16 (1995) 1155-1164, doi:10.1007/BF02081283"),
    ("R134a.json", "R134a", ["HFC134A"],
     "Tillner-Roth, Baehr, J. Phys. Chem. Ref. Data 23 (1994) 657-729, doi:10.1063/1.555958"),
    ("R404A.json", "R404A", [],
     "Lemmon, Int. J. Thermophys. 24 (2003) 991-1006, doi:10.1023/A:1025048800563"),
    ("R407C.json", "R407C", [],
     "Lemmon, Int. J. Thermophys. 24 (2003) 991-1006, doi:10.1023/A:1025048800563"),
    ("R410A.json", "R410A", [],
     "Lemmon, Int. J. Thermophys. 24 (2003) 991-1006, doi:10.1023/A:1025048800563"),
    ("R507A.json", "R507A", ["R507"],
     "Lemmon, Int. J. Thermophys. 24 (2003) 991-1006, doi:10.1023/A:1025048800563"),
    ("R32.json", "R32", ["HFC32"],
     "Tillner-Roth, Yokozeki, J. Phys. Chem. Ref. Data 26 (1997) 1273-1328, doi:10.1063/1.556002"),
    ("n-Propane.json", "R290", ["PROPANE", "N-PROPANE"],
     "Lemmon, McLinden, Wagner, J. Chem. Eng. Data 54 (2009) 3141-3180, doi:10.1021/je900217v"),
    ("R1234yf.json", "R1234yf", ["HFO1234YF"],
     "Lemmon, Akasaka, Int. J. Thermophys. 43 (2022) 119, doi:10.1007/s10765-022-03015-y"),
    ("R1234ze(E).json", "R1234ze(E)", ["R1234ZE", "HFO1234ZE(E)"],
     "Thol, Lemmon, Int. J. Thermophys. 37 (2016), doi:10.1007/s10765-016-2040-6"),
    ("CarbonDioxide.json", "R744", ["CO2", "CARBONDIOXIDE"],
     "Span, Wagner, J. Phys. Chem. Ref. Data 25 (1996) 1509-1596, doi:10.1063/1.555991"),
    ("IsoButane.json", "R600a", ["ISOBUTANE"],
     "Buecker, Wagner, J. Phys. Chem. Ref. Data 35 (2006) 929-1019, doi:10.1063/1.1901687"),
    ("R125.json", "R125", ["HFC125"],
     "Lemmon, Jacobsen, J. Phys. Chem. Ref. Data 34 (2005) 69-108, doi:10.1063/1.1797813"),
]

# Sources of the mixture parameters, by the compilation's keys.
FONTI_COPPIE = {
    "Lemmon-JPCRD-2004": "Lemmon, Jacobsen, J. Phys. Chem. Ref. Data 33 (2004) 593-620, doi:10.1063/1.1649997",
    "Bell-JPCRD-2022": "Bell, J. Phys. Chem. Ref. Data 51 (2022) 013103, doi:10.1063/5.0086060",
    "Bell-JPCRD-2023": "Bell, J. Phys. Chem. Ref. Data 52 (2023) 013101, doi:10.1063/5.0135368",
    "Bell-JCED-2025": "Bell, J. Chem. Eng. Data (2025), doi:10.1021/acs.jced.4c00699",
    "Bell-JCED-2016": "Bell, Lemmon, J. Chem. Eng. Data 61 (2016), doi:10.1021/acs.jced.6b00257",
}

# Blends computed as mixtures, with the aliases of their catalogue codes.
MISCELE = ["R448A", "R449A", "R452A", "R454A", "R454C", "R455A", "R513A", "R407F", "R450A"]

FORME_ANCILLARI = {"pL": "pressione", "pV": "pressione", "rhoLnoexp": "lineare", "rhoV": "esponenziale"}


def num(x):
    return repr(float(x))


def righe_fluido(dati, nome, alias, fonte):
    eos = dati["EOS"][0]
    rid = eos["STATES"]["reducing"]
    crit = dati["STATES"]["critical"]
    # Saturation ends at the critical point the equation itself realises, which for a
    # few fluids lies a few mK below the one the compilation quotes.
    t_critica = float(crit["T"])
    meta = eos.get("SUPERANCILLARY", {}).get("meta", {})
    if "Tcrittrue / K" in meta:
        t_critica = min(t_critica, float(meta["Tcrittrue / K"]))
    pseudo = bool(eos.get("pseudo_pure", False))
    out = [
        f"# {nome}: multiparameter Helmholtz-energy equation of state.",
        "# Units: gas constant J/(mol K), molar mass kg/mol, temperatures K, densities mol/m3,",
        "# pressures Pa. Reference state IIR (h = 200 kJ/kg, s = 1 kJ/(kg K), saturated liquid",
        "# at 0 degC), carried by the ideal-gas constants 'guida' and 'offset'.",
        "# Written by tools/reflib/converti_fluidi.py; do not edit by hand.",
        f"fluido {nome}",
    ]
    if alias:
        out.append("alias " + " ".join(alias))
    out += [
        f"fonte {fonte}",
        "modello " + ("pseudopuro" if pseudo else "puro"),
        f"costante_gas {num(eos['gas_constant'])}",
        f"massa_molare {num(eos['molar_mass'])}",
        f"t_riduzione {num(rid['T'])}",
        f"rho_riduzione {num(rid['rhomolar'])}",
        f"t_critica {num(t_critica)}",
        "# critical temperature as compiled: reduces the ideal-gas part in the mixture model",
        f"t_critica_miscela {num(crit['T'])}",
        f"p_critica {num(crit['p'])}",
        f"t_min {num(eos['Ttriple'])}",
        f"t_max {num(eos['T_max'])}",
        "# ideal-gas part",
    ]
    for t in eos["alpha0"]:
        ty = t["type"]
        if ty == "IdealGasHelmholtzLead":
            out.append(f"ideale guida {num(t['a1'])} {num(t['a2'])}")
        elif ty == "IdealGasHelmholtzEnthalpyEntropyOffset":
            out.append(f"ideale offset {num(t['a1'])} {num(t['a2'])}")
        elif ty == "IdealGasHelmholtzLogTau":
            out.append(f"ideale logtau {num(t['a'])}")
        elif ty == "IdealGasHelmholtzPower":
            for n, e in zip(t["n"], t["t"]):
                out.append(f"ideale potenza {num(n)} {num(e)}")
        elif ty == "IdealGasHelmholtzPlanckEinstein":
            for n, e in zip(t["n"], t["t"]):
                out.append(f"ideale planck {num(n)} {num(e)}")
        elif ty == "IdealGasHelmholtzCP0Constant":
            out.append(f"ideale cp0costante {num(t['cp_over_R'])} {num(t['T0'])} {num(t['Tc'])}")
        elif ty == "IdealGasHelmholtzCP0PolyT":
            for c, e in zip(t["c"], t["t"]):
                if e in (0, -1):
                    raise SystemExit(f"{nome}: cp0 exponent {e} not supported")
                out.append(f"ideale cp0potenza {num(c)} {num(e)} {num(t['T0'])} {num(t['Tc'])}")
        else:
            raise SystemExit(f"{nome}: ideal-gas term {ty} not supported")
    out.append("# residual part")
    for t in eos["alphar"]:
        ty = t["type"]
        if ty == "ResidualHelmholtzPower":
            for n, d, e, l in zip(t["n"], t["d"], t["t"], t["l"]):
                if l == 0:
                    out.append(f"residuo poli {num(n)} {int(d)} {num(e)}")
                else:
                    out.append(f"residuo esp {num(n)} {int(d)} {num(e)} {int(l)}")
        elif ty == "ResidualHelmholtzLemmon2005":
            # n delta^d tau^t exp(-delta^l) exp(-tau^m); m = 0 means no tau exponential.
            for n, d, e, l, m in zip(t["n"], t["d"], t["t"], t["l"], t["m"]):
                if m != 0:
                    out.append(f"residuo esptau {num(n)} {int(d)} {num(e)} {int(l)} {num(m)}")
                elif l == 0:
                    out.append(f"residuo poli {num(n)} {int(d)} {num(e)}")
                else:
                    out.append(f"residuo esp {num(n)} {int(d)} {num(e)} {int(l)}")
        elif ty == "ResidualHelmholtzGaussian":
            for i in range(len(t["n"])):
                out.append("residuo gauss " + " ".join([num(t["n"][i]), str(int(t["d"][i]))] + [
                    num(t[k][i]) for k in ("t", "eta", "epsilon", "beta", "gamma")]))
        elif ty == "ResidualHelmholtzNonAnalytic":
            for i in range(len(t["n"])):
                out.append("residuo nonanalitico " + " ".join(
                    num(t[k][i]) for k in ("n", "a", "b", "beta", "A", "B", "C", "D")))
        else:
            raise SystemExit(f"{nome}: residual term {ty} not supported")
    out.append("# saturation ancillaries: ancillare NAME FORM T_r REDUCING_VALUE TAU_R TMIN TMAX,")
    out.append("# then one 'coeff n t' line per term; theta = 1 - T/T_r")
    anc = dati["ANCILLARIES"]
    nomi = ["pL", "pV", "rhoL", "rhoV"] if pseudo else ["pS", "rhoL", "rhoV"]
    for k in nomi:
        a = anc[k]
        forma = FORME_ANCILLARI[a["type"]]
        out.append(f"ancillare {k.lower()} {forma} {num(a['T_r'])} {num(a['reducing_value'])} "
                   f"{1 if a.get('using_tau_r') else 0} {num(a['Tmin'])} {num(a['Tmax'])}")
        for n, e in zip(a["n"], a["t"]):
            out.append(f"coeff {num(n)} {num(e)}")
    return out


def righe_miscela(miscela, fluidi, coppie, partenze):
    """fluidi: CAS and our name -> (our name, reducing T, reducing molar density)."""
    nome = miscela["name"]
    comp = [fluidi[c.upper()] for c in miscela["fluids"]]
    out = [
        f"# {nome}: blend computed as a real mixture of its components, multi-fluid Helmholtz",
        "# model in the form of Kunz and Wagner (J. Chem. Eng. Data 57 (2012) 3032-3091):",
        "# the components' own equations, reducing functions of the GERG form and departure",
        "# functions weighted by F. Reducing parameters of the pairs given as xi and zeta",
        "# (Lemmon and Jacobsen) are converted to beta = 1 and gamma here.",
        "# Written by tools/reflib/converti_fluidi.py; do not edit by hand.",
        f"miscela {nome}",
        f"fonte mole fractions of the blend as compiled in the mixture data of the fluid files",
    ]
    for (c, _, _), x in zip(comp, miscela["mole_fractions"]):
        out.append(f"componente {c} {num(x)}")
    out.append("# coppia I J beta_T gamma_T beta_v gamma_v F, then the source and the departure")
    out.append("# terms 'partenza n d t l' (n delta^d tau^t exp(-delta^l), l = 0: no exponential)")
    for i in range(len(comp)):
        for j in range(i + 1, len(comp)):
            ci, cj = comp[i], comp[j]
            voce = coppie.get((ci[0], cj[0]))
            inversa = voce is None
            if inversa:
                voce = coppie.get((cj[0], ci[0]))
                ci, cj = cj, ci
            if voce is None:
                raise SystemExit(f"{nome}: no parameters for the pair {ci[0]}-{cj[0]}")
            if "xi" in voce:
                (_, Ti, rhoi), (_, Tj, rhoj) = ci, cj
                vi, vj = 1 / rhoi, 1 / rhoj
                bT = bv = 1.0
                gT = (Ti + Tj + voce["xi"]) / (2 * (Ti * Tj) ** 0.5)
                gv = (vi + vj + voce["zeta"]) / (0.25 * (vi ** (1 / 3) + vj ** (1 / 3)) ** 3)
            else:
                bT, gT, bv, gv = voce["betaT"], voce["gammaT"], voce["betaV"], voce["gammaV"]
            F = float(voce["F"])
            out.append(f"coppia {ci[0]} {cj[0]} {num(bT)} {num(gT)} {num(bv)} {num(gv)} {num(F)}")
            out.append(f"fonte {FONTI_COPPIE[voce['BibTeX']]}")
            if F != 0:
                funz = partenze[voce["function"]]
                if funz["type"] != "Exponential":
                    raise SystemExit(f"{nome}: departure function {funz['type']} not supported")
                fonte = FONTI_COPPIE.get(funz["BibTeX"])
                if fonte and fonte != FONTI_COPPIE[voce["BibTeX"]]:
                    out.append(f"# departure function: {fonte}")
                for n, d, e, l in zip(funz["n"], funz["d"], funz["t"], funz["l"]):
                    out.append(f"partenza {num(n)} {int(d)} {num(e)} {int(l)}")
    return out


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    sorgente, destinazione = Path(sys.argv[1]), Path(sys.argv[2])
    destinazione.mkdir(parents=True, exist_ok=True)
    fluidi = {}
    for file_json, nome, alias, fonte in FLUIDI:
        dati = json.loads((sorgente / file_json).read_text())
        testo = "\n".join(righe_fluido(dati, nome, alias, fonte)) + "\n"
        (destinazione / f"{nome}.txt").write_text(testo)
        rid = dati["EOS"][0]["STATES"]["reducing"]
        voce = (nome, float(rid["T"]), float(rid["rhomolar"]))
        fluidi[dati["INFO"]["CAS"]] = voce
        fluidi[nome.upper()] = voce
        fluidi[file_json[:-5].upper()] = voce
    cartella = sorgente.parent / "mixtures"
    if not cartella.is_dir():
        return
    coppie = {}
    for voce in json.loads((cartella / "binary_pairs.json").read_text()):
        if voce["CAS1"] in fluidi and voce["CAS2"] in fluidi:
            coppie[(fluidi[voce["CAS1"]][0], fluidi[voce["CAS2"]][0])] = voce
    partenze = {}
    for f in json.loads((cartella / "departure_functions.json").read_text()):
        for n in [f["Name"]] + f.get("aliases", []):
            partenze[n] = f
    for miscela in json.loads((cartella / "blends.json").read_text()):
        if miscela["name"] not in MISCELE:
            continue
        testo = "\n".join(righe_miscela(miscela, fluidi, coppie, partenze)) + "\n"
        (destinazione / f"{miscela['name']}.txt").write_text(testo)


if __name__ == "__main__":
    main()
