"""Cuts from a font the characters that translations use beyond ASCII, which the game's own
fonts draw: cut-font.py FONT OUTPUT TRANSLATION..."""

import sys

from fontTools import subset

font, output, *translations = sys.argv[1:]
characters = {character for translation in translations
              for character in open(translation, encoding="utf-8").read() if ord(character) > 127}
subset.main([font, "--text=" + "".join(sorted(characters)), "--output-file=" + output,
             "--no-hinting", "--desubroutinize"])
