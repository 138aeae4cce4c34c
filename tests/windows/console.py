#!/usr/bin/env python3
"""The tool on a Windows console, through wine on a pseudo-terminal.

Started directly on a terminal, wine gives the tool a console of its own
whose window nobody sees, as WSL or an editor's terminal does on Windows;
started through cmd /c, the console is cmd's; with pipes, there is none. In
each, the tool shows its report and ends by itself, never asking for Enter.
On the console a name outside ASCII shows as typed. (The window that waits
is lanceur.cpp's to test.)

    console.py <wine> <info_rle.exe>     (run from the project's folder)
"""
import os
import pty
import re
import select
import signal
import subprocess
import sys
import time

wine, programme = sys.argv[1:3]
try:
    os.close(os.openpty()[0])
except OSError as erreur:
    print(f"SKIPPED: no pseudo-terminal to run wine on ({erreur})")
    sys.exit(0)
os.environ.update(LC_ALL="C.UTF-8", WINEDEBUG="-all")  # wine speaks UTF-8 to the terminal
echecs = []


def rapport(cas):  # a report as its golden file has it
    with open(f"tests/e2e/cas/{cas}-stdout.txt", encoding="utf-8") as fichier:
        return fichier.read()


def verifier(cas, vrai, detail):
    print(("ok: " if vrai else "FAIL: ") + cas + ("" if vrai else f": {detail}"))
    if not vrai:
        echecs.append(cas)


class terminal:
    """A command on a pseudo-terminal of its own, read as it writes."""

    def __init__(self, *commande):
        self.pid, self.maitre = pty.fork()
        if self.pid == 0:
            os.execvp(commande[0], commande)
        self.brut = b""
        self.statut = None

    def texte(self):  # without the terminal's controls, each line ending in \n
        texte = re.sub(r"\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07", "", self.brut.decode("utf-8", "replace"))
        return re.sub(r"\r+\n", "\n", texte)

    def lire(self, delai, jusqu_a=None):
        """Reads for `delai` seconds at most, until `jusqu_a` shows or the command ends."""
        fin = time.monotonic() + delai
        while self.statut is None and time.monotonic() < fin and not (jusqu_a and jusqu_a in self.texte()):
            if select.select([self.maitre], [], [], 0.1)[0]:
                try:
                    self.brut += os.read(self.maitre, 4096)
                except OSError:  # the terminal closed with its last process
                    pass
            fini, statut = os.waitpid(self.pid, os.WNOHANG)
            if fini:
                self.statut = os.waitstatus_to_exitcode(statut)

    def finir(self):  # nothing may stay behind
        if self.statut is None:
            os.killpg(self.pid, signal.SIGKILL)
            os.waitpid(self.pid, 0)
        os.close(self.maitre)


attendu = rapport("image")
seul = terminal(wine, programme, "examples/image.rle")
try:
    seul.lire(60)
    verifier("a console of its own nobody sees: ends by itself", seul.statut == 0, f"status {seul.statut}")
    verifier("a console of its own nobody sees: the report, no request", seul.texte() == attendu,
             repr(seul.texte()))
finally:
    seul.finir()

nom = "tests/e2e/donnees/données été.rle"
partage = terminal(wine, "cmd", "/c", programme, nom)
try:
    partage.lire(60)
    verifier("through cmd /c: ends by itself", partage.statut == 0, f"status {partage.statut}")
    verifier("through cmd /c: the name as typed, no request", partage.texte() == rapport("unicode_accents"),
             repr(partage.texte()))
finally:
    partage.finir()

try:
    tube = subprocess.run([wine, programme, "examples/image.rle"], stdin=subprocess.PIPE, capture_output=True,
                          timeout=60, check=False)
    sortie = tube.stdout.decode().replace("\r\n", "\n")
    verifier("with pipes: ends by itself, no request", tube.returncode == 0 and sortie == attendu, repr(sortie))
except subprocess.TimeoutExpired:
    verifier("with pipes: ends by itself", False, "still running after 60 s")

sys.exit(1 if echecs else 0)
