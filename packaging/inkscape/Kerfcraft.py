#!/usr/bin/env python3
"""Inkscape effect: cut the drawing with Kerfcraft, or set registration marks."""
import os
import shutil
import subprocess
import sys
import tempfile

import inkex

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kerfcraft_imp  # noqa: E402


class Kerfcraft(inkex.EffectExtension):
    def add_arguments(self, pars):
        pars.add_argument('--tab', default='schneiden', help='schneiden or passermarken')

    def text_as_paths(self):
        """Inkscape itself turns text into paths; the exchange knows only paths."""
        if not self.svg.xpath('//svg:text|//svg:flowRoot'):
            return self.svg
        folder = tempfile.mkdtemp(prefix='kerfcraft-')
        source, target = os.path.join(folder, 'in.svg'), os.path.join(folder, 'out.svg')
        with open(source, 'wb') as f:
            f.write(self.svg.tostring())
        try:
            subprocess.run(['inkscape', '--export-text-to-path', '--export-plain-svg', '--export-type=svg',
                            '--export-filename=' + target, source], check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            return inkex.load_svg(target).getroot()
        except (OSError, subprocess.CalledProcessError):
            inkex.errormsg('Text konnte nicht in Pfade umgewandelt werden; er wird nicht geschnitten.')
            return self.svg
        finally:
            shutil.rmtree(folder, ignore_errors=True)

    def effect(self):
        if self.options.tab.strip('"').startswith('passermarken'):
            kerfcraft_imp.passermarks(self.svg)
        else:
            kerfcraft_imp.cut(self.text_as_paths())


if __name__ == '__main__':
    Kerfcraft().run()
