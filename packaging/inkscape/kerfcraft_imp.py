# Kerfcraft for Inkscape 1.x: hands the drawing to Kerfcraft for cutting and
# draws the registration marks Kerfcraft reads for print-and-cut jobs.
#
# Exchange with Kerfcraft:
#  - cut: "kcxfer.svg" in the temporary folder, plain paths with absolute
#    path data in millimetres (root marked kerfcraft:pathdata="absolute"),
#    or "kcxfer.kcj" (Kerfcraft's line format) when the drawing holds the
#    registration-mark layer, since only that format keeps layers and the
#    mark codes. Then "kerfcraft /cut" is started and Inkscape goes on.
#  - marks: "kerfcraft passermarks" shows the mark dialog and writes the
#    section [Passermarks] of Kerfcraft.ini; we draw or delete the marks in
#    the layer "KC-PassermarkenEbene".
import configparser
import os
import shutil
import subprocess
import tempfile
import warnings

import inkex
from inkex import Transform
from inkex.paths import CubicSuperPath

# The installer replaces this with the installed program followed by " /cut".
KERFCRAFT = r'C:\Program Files (x86)\Kerfcraft\Kerfcraft.exe'

MARKS_LAYER = 'KC-PassermarkenEbene'
EXCHANGE_NS = 'https://kerfcraft.org/ns/exchange'
INKSCAPE_NS = 'http://www.inkscape.org/namespaces/inkscape'
SKIPPED = {'defs', 'metadata', 'clipPath', 'mask', 'marker', 'pattern', 'symbol', 'title', 'desc',
           'namedview'}
EPS = 1e-9


def kerfcraft_program():
    """The Kerfcraft executable: $KERFCRAFT, what the installer wrote, or PATH."""
    if os.environ.get('KERFCRAFT'):
        return os.environ['KERFCRAFT']
    if KERFCRAFT.endswith(' /cut'):
        return KERFCRAFT[:-len(' /cut')]
    return shutil.which('kerfcraft') or 'kerfcraft'


def env(name):
    """Environment variables are looked up without regard to case, as Kerfcraft does."""
    for key, value in os.environ.items():
        if key.lower() == name.lower() and value:
            return value
    return ''


def ini_path():
    base = env('appdata') or os.environ.get('XDG_CONFIG_HOME') or os.path.expanduser('~/.config')
    return os.path.join(base.replace('\\', '/'), 'Kerfcraft', 'Kerfcraft.ini')


def temp_dir():
    return (env('TEMP') or tempfile.gettempdir()).replace('\\', '/')


def replace_file(path, text):
    """Writes beside the target, flushes to the disk and renames, so Kerfcraft
    never reads half a file; on failure the old file stays and nothing is left behind."""
    part = path + '.part'
    try:
        with open(part, 'w', encoding='utf-8', newline='\n') as f:
            f.write(text)
            f.flush()
            os.fsync(f.fileno())
        os.replace(part, path)
    except BaseException:
        try:
            os.remove(part)
        except OSError:
            pass
        raise


def num(v):
    text = '%.4f' % v
    text = text.rstrip('0').rstrip('.')
    return '0' if text in ('-0', '') else text


# --- geometry ---------------------------------------------------------------

class Shape:
    """One drawable element as cubic segments in millimetres, y down."""

    def __init__(self, layer, fill, stroke, subpaths):
        self.layer = layer
        self.fill = fill
        self.stroke = stroke
        self.subpaths = subpaths  # [(segments, closed)], segment = (p0, c1, c2, p3)


def same(a, b):
    return abs(a[0] - b[0]) < 1e-7 and abs(a[1] - b[1]) < 1e-7


def is_line(seg):
    p0, c1, c2, p3 = seg
    return same(c1, p0) and same(c2, p3)


def subpaths_of(path):
    """Absolute path -> [(segments, closed)]; arcs, quadratics, H and V become cubics."""
    result = []
    for sub in CubicSuperPath(path):
        segs = []
        for a, b in zip(sub, sub[1:]):
            seg = (tuple(a[1]), tuple(a[2]), tuple(b[0]), tuple(b[1]))
            if is_line(seg) and same(seg[0], seg[3]):
                continue  # zero length, e.g. the closing duplicate after a curve home
            segs.append(seg)
        if segs:
            result.append((segs, same(segs[0][0], segs[-1][3])))
    return result


def color_of(value):
    if not value or value == 'none':
        return None
    try:
        return str(inkex.Color(value).to_rgb())
    except Exception:  # gradients and patterns: treat as black
        return '#000000'


def hidden(elem):
    while elem is not None and isinstance(elem, inkex.BaseElement):
        if elem.style.get('display') == 'none' or getattr(elem, 'TAG', '') in SKIPPED:
            return True
        elem = elem.getparent()
    return False


def layer_of(elem):
    """The label of the top-most layer holding the element ('' outside layers)."""
    label = ''
    while elem is not None and isinstance(elem, inkex.BaseElement):
        if isinstance(elem, inkex.Layer):
            label = elem.label or elem.get_id()
        elem = elem.getparent()
    return label


def mm_per_user_unit(svg):
    return svg.to_dimensional(svg.viewport_width, 'mm') / (svg.viewbox_width or 1.0)


def page_size_mm(svg):
    return svg.to_dimensional(svg.viewport_width, 'mm'), svg.to_dimensional(svg.viewport_height, 'mm')


def collect_shapes(svg):
    """Every visible shape with its transforms applied, in millimetres."""
    scale = Transform(scale=mm_per_user_unit(svg))
    shapes = []
    for elem in svg.descendants():
        if not isinstance(elem, inkex.ShapeElement) or isinstance(elem, (inkex.Group, inkex.TextElement)):
            continue
        if hidden(elem):
            continue
        if isinstance(elem, inkex.Use):
            target = elem.href
            if target is None or not isinstance(target, inkex.ShapeElement) or isinstance(target, inkex.Group):
                continue
            path = target.path
            transform = elem.composed_transform() @ Transform(
                translate=(float(elem.get('x', 0) or 0), float(elem.get('y', 0) or 0))) @ target.transform
            style = target.specified_style()
        else:
            try:
                path = elem.path
            except Exception:
                continue
            transform = elem.composed_transform()
            style = elem.specified_style()
        path = path.to_absolute().transform(scale @ transform)
        subs = subpaths_of(path)
        if subs:
            # An unset fill is black, an unset stroke none, as SVG says.
            shapes.append(Shape(layer_of(elem), color_of(style.get('fill', '#000000')),
                                color_of(style.get('stroke')), subs))
    return shapes


def extent(shapes):
    """Bounding box (left, top, right, bottom) in mm; curves sampled."""
    xs, ys = [], []
    for shape in shapes:
        for segs, _ in shape.subpaths:
            for p0, c1, c2, p3 in segs:
                for i in range(21):
                    t = i / 20.0
                    u = 1 - t
                    xs.append(u * u * u * p0[0] + 3 * u * u * t * c1[0] + 3 * u * t * t * c2[0] + t * t * t * p3[0])
                    ys.append(u * u * u * p0[1] + 3 * u * u * t * c1[1] + 3 * u * t * t * c2[1] + t * t * t * p3[1])
    if not xs:
        return None
    return min(xs), min(ys), max(xs), max(ys)


# --- exchange files -----------------------------------------------------------

def svg_exchange(shapes, width, height):
    """Plain SVG our narrow reader reads: absolute M/L/C/Z in mm, fill and stroke."""
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="%s" xmlns:kerfcraft="%s" '
           'kerfcraft:pathdata="absolute" inkscape:version="1.2" width="%smm" height="%smm" '
           'viewBox="0 0 %s %s">' % (INKSCAPE_NS, EXCHANGE_NS, num(width), num(height), num(width), num(height))]
    for shape in shapes:
        d = []
        for segs, closed in shape.subpaths:
            d.append('M %s,%s' % (num(segs[0][0][0]), num(segs[0][0][1])))
            for p0, c1, c2, p3 in segs:
                if is_line((p0, c1, c2, p3)):
                    d.append('L %s,%s' % (num(p3[0]), num(p3[1])))
                else:
                    d.append('C %s,%s %s,%s %s,%s' % (num(c1[0]), num(c1[1]), num(c2[0]), num(c2[1]),
                                                       num(p3[0]), num(p3[1])))
            if closed:
                d.append('Z')
        out.append('<path style="fill:%s;stroke:%s" d="%s"/>' % (shape.fill or 'none', shape.stroke or 'none',
                                                                  ' '.join(d)))
    out.append('</svg>')
    return '\n'.join(out) + '\n'


def kcj_exchange(shapes):
    """Kerfcraft's line format (Illustrator dialect): layers kept, y up."""
    out = ['KCSeite']
    layer = None
    for shape in shapes:
        name = shape.layer or 'Ebene 1'
        if name != layer:
            out += ['KCEbene', name]
            layer = name
        color = shape.fill or shape.stroke or '#000000'
        rgb = inkex.Color(color).to_rgb()
        out += ['KCObjekt', 'KCAuswahl', 'nein', 'KCFuellfarbe', 'RGB', '%d %d %d' % (rgb[0], rgb[1], rgb[2])]
        for segs, closed in shape.subpaths:
            out += ['KCStart', 'KCGeschlossen', 'ja' if closed else 'nein']
            anchors = [s[0] for s in segs] + ([] if closed else [segs[-1][3]])
            for i, anchor in enumerate(anchors):
                # Each line is one anchor and the segment leaving it; an open
                # path's last anchor points back home, as the reader expects.
                if i < len(segs) and not is_line(segs[i]):
                    _, c1, c2, _ = segs[i]
                    out.append('K %s %s 0 0 %s %s 0 0 %s %s' % (num(anchor[0]), num(-anchor[1]), num(c1[0]),
                                                                num(-c1[1]), num(c2[0]), num(-c2[1])))
                else:
                    nxt = segs[i][3] if i < len(segs) else anchors[0]
                    out.append('L %s %s %s %s' % (num(anchor[0]), num(-anchor[1]), num(nxt[0]), num(-nxt[1])))
        out.append('KCEnde')
    return '\n'.join(out) + '\n'


def start_detached(args):
    # Kerfcraft outlives this script; Python must not warn about it on stderr,
    # which Inkscape would show as an error.
    warnings.simplefilter('ignore', ResourceWarning)
    kwargs = {'stdin': subprocess.DEVNULL, 'stdout': subprocess.DEVNULL, 'stderr': subprocess.DEVNULL}
    if os.name == 'nt':
        kwargs['creationflags'] = 0x00000008  # DETACHED_PROCESS
    else:
        kwargs['start_new_session'] = True
    subprocess.Popen(args, **kwargs)


def cut(svg):
    """Writes the exchange file and starts Kerfcraft in cut mode."""
    shapes = collect_shapes(svg)
    if not shapes:
        inkex.errormsg('Die Zeichnung enthält keine Objekte zum Schneiden.')
        return
    folder = temp_dir()
    marks = any(s.layer == MARKS_LAYER for s in shapes)
    name, other = ('kcxfer.kcj', 'kcxfer.svg') if marks else ('kcxfer.svg', 'kcxfer.kcj')
    text = kcj_exchange(shapes) if marks else svg_exchange(shapes, *page_size_mm(svg))
    replace_file(os.path.join(folder, name), text)
    # Kerfcraft takes the newest exchange file; an older one of the other kind must not win.
    try:
        os.remove(os.path.join(folder, other))
    except OSError:
        pass
    program = kerfcraft_program()
    try:
        start_detached([program, '/cut'])
    except OSError as e:
        inkex.errormsg('Kerfcraft konnte nicht gestartet werden (%s): %s' % (program, e))


# --- registration marks -------------------------------------------------------

def read_marks_section(path):
    parser = configparser.ConfigParser(strict=False, interpolation=None)
    try:
        parser.read(path, encoding='utf-8')
    except (configparser.Error, UnicodeDecodeError):
        return {}
    for section in parser.sections():
        if section.lower() == 'passermarks':
            return {k.lower(): v.strip() for k, v in parser.items(section)}
    return {}


def as_int(values, key, default):
    try:
        return int(values.get(key.lower(), default))
    except ValueError:
        return default


def mark_rects(box, values):
    """The marks as (code, x, y, width, height) in mm around the artwork box.

    Four L-shaped corner marks, each of a vertical and a horizontal stroke;
    the stroke's fill colour (red component) is its code for Kerfcraft's
    detection: 3 gives length and line thickness, 4 the reference y,
    1 and 2 the origin mark at the bottom left, 7 and 10 the far marks
    that give the distances, 5 and 6 the first-mark offsets, 9 segment marks.
    """
    length = as_int(values, 'Length', 20)
    t = as_int(values, 'Thickness', 10) / 10.0
    margin = as_int(values, 'Margin', 15)
    left, top, right, bottom = box
    x0, y0, x1, y1 = left - margin, top - margin, right + margin, bottom + margin
    rects = [
        (3, x0, y0, t, length), (4, x0, y0, length, t),                      # top left
        (1, x0, y1 - length, t, length), (2, x0, y1 - t, length, t),         # bottom left: origin
        (7, x1 - t, y0, t, length), (10, x1 - length, y0, length, t),        # top right
        (6, x1 - t, y1 - length, t, length), (5, x1 - length, y1 - t, length, t),  # bottom right
    ]
    if as_int(values, 'UseHorSegmentMarks', 0):
        step = max(1, as_int(values, 'XStep', 500))
        x = x0 + step
        while x < x1 - length:
            rects += [(9, x, y0, t, length / 2.0), (9, x, y1 - length / 2.0, t, length / 2.0)]
            x += step
    if as_int(values, 'UseVertSegmentMarks', 0):
        step = max(1, as_int(values, 'YStep', 500))
        y = y0 + step
        while y < y1 - length:
            rects += [(9, x0, y, length / 2.0, t), (9, x1 - length / 2.0, y, length / 2.0, t)]
            y += step
    return rects


def marks_layers(svg):
    return [g for g in svg.xpath('//svg:g[@inkscape:groupmode="layer"]') if g.label == MARKS_LAYER]


def delete_marks(svg):
    for layer in marks_layers(svg):
        layer.getparent().remove(layer)


def draw_marks(svg, values):
    delete_marks(svg)
    shapes = [s for s in collect_shapes(svg)]
    box = extent(shapes)
    if box is None:
        inkex.errormsg('Die Zeichnung ist leer: Passermarken brauchen ein Motiv.')
        return
    per_mm = 1.0 / mm_per_user_unit(svg)
    layer = svg.add(inkex.Layer.new(MARKS_LAYER))
    for code, x, y, w, h in mark_rects(box, values):
        x, y, w, h = x * per_mm, y * per_mm, w * per_mm, h * per_mm
        path = layer.add(inkex.PathElement())
        path.set('d', 'M %r,%r H %r V %r H %r Z' % (x, y, x + w, y + h, x))
        path.style = inkex.Style({'fill': '#%02x0000' % code, 'stroke': 'none'})


def stat_of(path):
    try:
        st = os.stat(path)
        return st.st_ino, st.st_mtime_ns, st.st_size
    except OSError:
        return None


def passermarks(svg):
    """Lets Kerfcraft ask for the values, then sets or deletes the marks."""
    ini = ini_path()
    before = stat_of(ini)
    program = kerfcraft_program()
    try:
        code = subprocess.call([program, 'passermarks'])
    except OSError as e:
        inkex.errormsg('Kerfcraft konnte nicht gestartet werden (%s): %s' % (program, e))
        return
    # Kerfcraft replaces the file when the user chose; untouched means cancelled.
    if code != 0 or stat_of(ini) == before:
        return
    values = read_marks_section(ini)
    if as_int(values, 'DeleteMarks', 0):
        delete_marks(svg)
    elif as_int(values, 'SetMarks', 0):
        draw_marks(svg, values)
