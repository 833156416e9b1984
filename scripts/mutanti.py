#!/usr/bin/env python3
"""One-line mutants of src/, run against the unit and window tests.

  mutanti.py genera N SEME > scripts/mutanti.lista   pick a fixed sample
  mutanti.py esegui LISTA CARTELLA [DA A]            run it (mutanti.sh)

A mutant is a line of the list: the text of one source line (unique in
src/, so that it is found again after code moves between files), the
column of the change, the text replaced and its replacement, tab separated.
"""
import os
import random
import re
import shutil
import subprocess
import sys
import time

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Operators: (pattern on the masked line, replacement).
OPERATORI = [
    (r" < ", " <= "), (r" <= ", " < "), (r" > ", " >= "), (r" >= ", " > "),
    (r" == ", " != "), (r" != ", " == "), (r" && ", " || "), (r" \|\| ", " && "),
    (r" \+ ", " - "), (r" - ", " + "), (r" \* ", " / "), (r" / ", " * "),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"), (r"\(!", "("),
    (r"\+\+", "--"), (r"\+= ", "-= "), (r"-= ", "+= "),
    (r"\bx1\b", "x2"), (r"\bx2\b", "x1"), (r"\by1\b", "y2"), (r"\by2\b", "y1"),
    (r"\bx3\b", "x2"), (r"\bxc\b", "yc"), (r"\byc\b", "xc"),
]
DICHIARAZIONE = re.compile(r"^\s*(const|float|int|double|bool|auto|std::|static|constexpr|return|if|for|while|case|uint|char|using|namespace|#)")
ASSEGNAZIONE = re.compile(r"^\s*[\w\.\[\]:>\-]+\s*(=|\+=|-=)\s[^=].*;\s*$")


def maschera(riga):
    """The line with string and character literals and comments blanked."""
    out, i, n = [], 0, len(riga)
    while i < n:
        c = riga[i]
        if riga.startswith("//", i):
            out.append(" " * (n - i))
            break
        if c in "\"'":
            j = i + 1
            while j < n and riga[j] != c:
                j += 2 if riga[j] == "\\" else 1
            out.append(c + " " * (min(j, n) - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)[:n]


def sorgenti():
    for cartella, _, nomi in sorted(os.walk(os.path.join(RADICE, "src"))):
        for nome in sorted(nomi):
            if nome.endswith(".cpp"):
                yield os.path.join(cartella, nome)


def genera(quanti, seme):
    righe = {}
    for f in sorgenti():
        with open(f, encoding="utf-8") as h:
            for riga in h.read().split("\n"):
                chiave = riga.strip()
                righe[chiave] = righe.get(chiave, 0) + 1
    candidati = []
    for f in sorgenti():
        with open(f, encoding="utf-8") as h:
            for riga in h.read().split("\n"):
                chiave = riga.strip()
                if righe[chiave] != 1 or len(chiave) < 8 or "\t" in riga:
                    continue
                m = maschera(riga)
                for schema, nuovo in OPERATORI:
                    for t in re.finditer(schema, m):
                        if t.start() > 0 and m[t.start() - 1] == '"' or t.end() < len(m) and m[t.end()] == '"':
                            continue  # joins texts: would not compile
                        candidati.append((chiave, t.start() - (len(riga) - len(riga.lstrip())), t.group(0), nuovo))
                if ASSEGNAZIONE.match(m) and not DICHIARAZIONE.match(m):
                    candidati.append((chiave, 0, chiave, ";  // tolta"))
    random.Random(seme).shuffle(candidati)
    for c in sorted(candidati[:quanti]):
        print("\t".join(str(x) for x in c))


def trova(albero, chiave):
    for cartella, _, nomi in os.walk(os.path.join(albero, "src")):
        for nome in nomi:
            f = os.path.join(cartella, nome)
            if not nome.endswith(".cpp"):
                continue
            with open(f, encoding="utf-8") as h:
                righe = h.read().split("\n")
            for i, r in enumerate(righe):
                if r.strip() == chiave:
                    return f, righe, i
    return None, None, None


def allinea(da, a):
    """Makes `a` hold what `da` holds, writing only the files that differ."""
    if not os.path.exists(da):
        return
    if os.path.isdir(da):
        if os.path.exists(a) and not os.path.isdir(a):
            os.remove(a)
        os.makedirs(a, exist_ok=True)
        for nome in set(os.listdir(a)) - set(os.listdir(da)):
            d = os.path.join(a, nome)
            shutil.rmtree(d) if os.path.isdir(d) else os.remove(d)
        for nome in os.listdir(da):
            allinea(os.path.join(da, nome), os.path.join(a, nome))
        return
    with open(da, "rb") as h:
        nuovo = h.read()
    if os.path.isfile(a):
        with open(a, "rb") as h:
            if h.read() == nuovo:
                return
    with open(a, "wb") as h:
        h.write(nuovo)
    shutil.copymode(da, a)


def esegui(lista, cartella, da=0, a=None):
    albero = os.path.join(cartella, "albero")
    costruzione = os.path.join(cartella, "costruzione")
    # A copy of the tree: the working tree is never touched. Only files whose
    # text changed are written, with a fresh time, so that the build of an
    # earlier run sees every change and nothing else.
    os.makedirs(albero, exist_ok=True)
    voci = ("src", "tests", "esempi", "installa", "docs", "CMakeLists.txt", "GUIDA.txt", "GUIDE.txt", "translations")
    for voce in os.listdir(albero):
        if voce not in voci:
            d = os.path.join(albero, voce)
            shutil.rmtree(d) if os.path.isdir(d) else os.remove(d)
    for voce in voci:
        allinea(os.path.join(RADICE, voce), os.path.join(albero, voce))
    flag = "-O1 -g0 -fsanitize=undefined -fno-sanitize-recover=all"
    subprocess.run(["cmake", "-S", albero, "-B", costruzione, "-DCMAKE_BUILD_TYPE=None",
                    "-DCMAKE_CXX_FLAGS=" + flag, "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=undefined"],
                   check=True, stdout=subprocess.DEVNULL)

    def costruisci():
        return subprocess.run(["cmake", "--build", costruzione, "-j2"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    prove = [["tests/test_core", "--gtest_brief=1"]]
    for nome in sorted(os.listdir(os.path.join(albero, "tests", "app"))):
        if nome.endswith("_test.cpp"):
            prove.append(["tests/" + nome[:-4]])
    ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def uccide():
        for p in prove:
            try:
                r = subprocess.run(p, cwd=costruzione, env=ambiente, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, timeout=400)
            except subprocess.TimeoutExpired:
                return os.path.basename(p[0]) + " (tempo)"
            if r.returncode != 0:
                return os.path.basename(p[0])
        return None

    if not costruisci() or uccide():
        sys.exit("I test non passano sull'albero intatto.")
    with open(lista, encoding="utf-8") as h:
        mutanti = [r.rstrip("\n").split("\t") for r in h if r.strip()]
    mutanti = mutanti[da:a]
    uccisi = sopravvissuti = nati_morti = 0
    for k, (chiave, colonna, vecchio, nuovo) in enumerate(mutanti, start=da + 1):
        f, righe, i = trova(albero, chiave)
        if f is None:
            print(f"{k}\tmancante\t{chiave}", flush=True)
            nati_morti += 1
            continue
        originale = righe[i]
        rientro = len(originale) - len(originale.lstrip())
        c = rientro + int(colonna)
        if nuovo == ";  // tolta":
            mutata = originale[:rientro] + ";  // tolta"
        else:
            mutata = originale[:c] + nuovo + originale[c + len(vecchio):]
            assert originale[c:c + len(vecchio)] == vecchio, (chiave, colonna, vecchio)
        righe[i] = mutata
        with open(f, "w", encoding="utf-8") as h:
            h.write("\n".join(righe))
        inizio = time.time()
        try:
            if not costruisci():
                esito = "non compila"
                nati_morti += 1
            else:
                chi = uccide()
                if chi:
                    esito = "ucciso da " + chi
                    uccisi += 1
                else:
                    esito = "SOPRAVVISSUTO"
                    sopravvissuti += 1
        finally:
            righe[i] = originale
            with open(f, "w", encoding="utf-8") as h:
                h.write("\n".join(righe))
        nomefile = os.path.relpath(f, albero)
        print(f"{k}\t{esito}\t{nomefile}\t{mutata.strip()}\t({time.time() - inizio:.0f} s)", flush=True)
    costruisci()
    totale = uccisi + sopravvissuti
    print(f"uccisi {uccisi} / {totale} ({100.0 * uccisi / max(totale, 1):.1f} %), non compilati o mancanti {nati_morti}")


if __name__ == "__main__":
    if len(sys.argv) >= 4 and sys.argv[1] == "genera":
        genera(int(sys.argv[2]), int(sys.argv[3]))
    elif len(sys.argv) >= 4 and sys.argv[1] == "esegui":
        esegui(sys.argv[2], sys.argv[3], *(int(x) for x in sys.argv[4:6]))
    else:
        sys.exit(__doc__)
