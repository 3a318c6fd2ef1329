"""Cuts from a font the characters that the files given use, for a page that loads no more
than it draws: cut-font.py [--ascii] FONT OUTPUT FILE...
With --ascii the printable ASCII characters too, else those beyond ASCII alone, which other
fonts draw."""

import sys

from fontTools import subset

arguments = sys.argv[1:]
ascii_too = arguments[0] == "--ascii"
font, output, *files = arguments[ascii_too:]
characters = {character for name in files for character in open(name, encoding="utf-8").read()
              if ord(character) > 127}
if ascii_too:
    characters |= {chr(code) for code in range(32, 127)}
subset.main([font, "--text=" + "".join(sorted(characters)), "--output-file=" + output,
             "--no-hinting", "--desubroutinize"])
