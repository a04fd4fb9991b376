#!/usr/bin/python3
"""Draws and encodes every embedded media file of the translator.

Run it from anywhere: it writes resources/media/*.  Everything is drawn from
scratch with PIL and encoded here (GIF LZW, BMP, ICO, WAV) so that each
file gets its exact format and byte size.  GIF sizes are reached by choosing
how often the LZW dictionary is cleared and by splitting the image data into
more sub-blocks; both keep the picture unchanged.
"""
import io
import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, 'media')
FONT_PATH = '/usr/share/fonts/truetype/wqy/wqy-microhei.ttc'
SS = 4  # supersampling factor for anti-aliased shapes

NAVY = (0, 0, 128)
WHITE = (255, 255, 255)
BODY_GREY = (236, 236, 236)  # the message box body, also its label's colour


# --------------------------------------------------------------- drawing --

def font(px):
    return ImageFont.truetype(FONT_PATH, px, index=0)


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def gradient(size, stops, vertical=True):
    """An RGB image whose colour runs through stops [(pos 0..1, colour)]."""
    w, h = size
    img = Image.new('RGB', size)
    d = ImageDraw.Draw(img)
    n = h if vertical else w
    for i in range(n):
        t = i / (n - 1) if n > 1 else 0.0
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if t <= p1 or (p1, c1) == stops[-1]:
                c = lerp(c0, c1, 0.0 if p1 == p0 else min(1.0, max(0.0, (t - p0) / (p1 - p0))))
                break
        if vertical:
            d.line([(0, i), (w - 1, i)], fill=c)
        else:
            d.line([(i, 0), (i, h - 1)], fill=c)
    return img


def mask(size, draw_fn):
    """An anti-aliased mask; draw_fn(draw, s) paints white at s times the size."""
    w, h = size
    big = Image.new('L', (w * SS, h * SS), 0)
    draw_fn(ImageDraw.Draw(big), SS)
    return big.resize((w, h), Image.BOX)


def rrect_mask(size, box, radius):
    x0, y0, x1, y1 = box
    return mask(size, lambda d, s: d.rounded_rectangle(
        (x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1), radius=radius * s, fill=255))


def paint(img, m, fill, at=(0, 0)):
    """Paints a colour or an image through a mask."""
    src = Image.new('RGB', m.size, fill) if isinstance(fill, tuple) else fill
    img.paste(src, at, m)


def glass(size, stops, box, radius, border):
    """A rounded, bordered gradient shape on a transparent tile (RGBA)."""
    w, h = size
    tile = Image.new('RGBA', size, border + (0,))
    x0, y0, x1, y1 = box
    outer = rrect_mask(size, box, radius)
    tile.paste(Image.new('RGBA', size, border + (255,)), (0, 0), outer)
    inner = rrect_mask(size, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), max(0, radius - 1))
    fill = gradient((w, max(1, y1 - y0 - 1)), stops).convert('RGBA')
    layer = Image.new('RGBA', size, (0, 0, 0, 0))
    layer.paste(fill, (0, y0 + 1))
    tile.paste(layer, (0, 0), inner)
    return tile


def text(img, xy, s, px, fill, raised=False, anchor='la'):
    d = ImageDraw.Draw(img)
    f = font(px)
    if raised:
        d.text((xy[0] + 1, xy[1] + 1), s, font=f, fill=WHITE, anchor=anchor)
    d.text(xy, s, font=f, fill=fill, anchor=anchor)


def glyph(size, kind, colour, shadow=None, scale=1.0):
    """Minimise, maximise and close symbols as an RGBA tile, centred."""
    w, h = size

    def draw(d, s):
        cx, cy = w * s / 2, h * s / 2
        u = s * scale
        if kind == 'min':
            d.rectangle((cx - 4 * u, cy + 2 * u, cx + 4 * u, cy + 4 * u), fill=255)
        elif kind == 'max':
            d.rectangle((cx - 5 * u, cy - 4 * u, cx + 5 * u, cy + 4 * u), fill=255)
            d.rectangle((cx - 3.5 * u, cy - 1.5 * u, cx + 3.5 * u, cy + 2.5 * u), fill=0)
        elif kind == 'close':
            r, t = 3.8 * u, 1.1 * u
            for sign in (1, -1):
                d.polygon([(cx - r - t, cy - sign * (r - t)), (cx - r + t, cy - sign * (r + t)),
                           (cx + r + t, cy + sign * (r - t)), (cx + r - t, cy + sign * (r + t))],
                          fill=255)

    m = mask(size, draw)
    tile = Image.new('RGBA', size, colour + (0,))
    if shadow:
        sh = Image.new('L', size, 0)
        sh.paste(m, (0, 1))
        tile.paste(Image.new('RGBA', size, shadow + (255,)), (0, 0), sh)
    tile.paste(Image.new('RGBA', size, colour + (255,)), (0, 0), m)
    return tile


def info_glyph(diameter, ring=(28, 86, 170), fill_top=(120, 180, 245), fill_bottom=(40, 110, 210)):
    """A round blue information sign with a white 'i' (RGBA)."""
    size = (diameter, diameter)
    tile = Image.new('RGBA', size, ring + (0,))
    outer = mask(size, lambda d, s: d.ellipse((0, 0, diameter * s - 1, diameter * s - 1), fill=255))
    tile.paste(Image.new('RGBA', size, ring + (255,)), (0, 0), outer)
    inner = mask(size, lambda d, s: d.ellipse((s, s, (diameter - 1) * s - 1, (diameter - 1) * s - 1),
                                              fill=255))
    tile.paste(gradient(size, [(0, fill_top), (1, fill_bottom)]).convert('RGBA'), (0, 0), inner)

    def letter(d, s):
        u = diameter * s / 16.0
        c = diameter * s / 2.0
        d.ellipse((c - 1.4 * u, 2.6 * u, c + 1.4 * u, 5.4 * u), fill=255)
        d.rounded_rectangle((c - 1.25 * u, 6.6 * u, c + 1.25 * u, 13.0 * u), radius=0.6 * u, fill=255)
    tile.paste(Image.new('RGBA', size, WHITE + (255,)), (0, 0), mask(size, letter))
    return tile


def over(base, tile, at):
    base.paste(tile, at, tile)


# Glassy fills: light top half, a break in the middle, deeper bottom.
BLUE_GLASS = [(0, (170, 206, 246)), (0.48, (110, 160, 228)), (0.52, (80, 134, 214)),
              (1, (92, 150, 226))]
BLUE_GLASS_HOVER = [(0, (214, 234, 255)), (0.48, (150, 196, 250)), (0.52, (116, 172, 244)),
                    (1, (136, 192, 250))]
RED_GLASS = [(0, (246, 168, 150)), (0.48, (222, 92, 70)), (0.52, (196, 52, 36)),
             (1, (214, 78, 54))]
RED_GLASS_HOVER = [(0, (255, 206, 190)), (0.48, (250, 128, 104)), (0.52, (236, 80, 60)),
                   (1, (246, 112, 88))]
GREY_BUTTON = [(0, (253, 253, 253)), (0.5, (240, 240, 240)), (0.52, (228, 228, 228)),
               (1, (218, 218, 218))]
BLUE_BUTTON = [(0, (240, 248, 255)), (0.5, (214, 234, 252)), (0.52, (192, 222, 250)),
               (1, (178, 212, 246))]


def title_glyph_tile(size, kind, hover, hanging=True):
    """One window-control button of a title bar, on a transparent tile."""
    w, h = size
    red = kind == 'close'
    stops = (RED_GLASS_HOVER if hover else RED_GLASS) if red else \
        (BLUE_GLASS_HOVER if hover else BLUE_GLASS)
    border = (140, 36, 26) if red else (44, 86, 160)
    top = -4 if hanging else 0
    tile = glass(size, stops, (1, top, w - 2, h - 1), 4, border)
    over(tile, glyph(size, kind, WHITE, shadow=(60, 30, 30) if red else (30, 60, 120)), (0, 0))
    return tile


def push_button_tile(size, label, hover):
    w, h = size
    tile = glass(size, BLUE_BUTTON if hover else GREY_BUTTON, (0, 0, w - 1, h - 1), 3,
                 (78, 128, 196) if hover else (146, 146, 146))
    text(tile, (w / 2, h / 2), label, 12 if h < 22 else 13, (24, 48, 96) if hover else (40, 40, 40),
         anchor='mm')
    return tile


# ------------------------------------------------------------ palettes --

def median_cut(img, n):
    q = img.quantize(colors=n, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    flat = q.getpalette()[:3 * n]
    return [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]


def quantize(img, pins=(), reserved=0, limit=256, regions=()):
    """Indexed pixels and a palette of at most limit colours.  Pinned colours
    are kept exactly; reserved entries at the start stay unused by pixels;
    regions [(box, n)] get n colours of their own (small vivid details)."""
    rgb = img.convert('RGB')
    counts = rgb.getcolors(rgb.width * rgb.height)
    distinct = [c for _, c in sorted(counts, key=lambda e: (-e[0], e[1]))]
    room = limit - reserved
    pins = [p for p in pins]
    if len(set(distinct) | set(pins)) <= room:
        palette = pins + [c for c in distinct if c not in pins]
    else:
        found = []
        for box, n in regions:
            found += median_cut(rgb.crop(box), n)
        found += median_cut(rgb, room - len(pins) - sum(n for _, n in regions))
        palette = pins + [c for c in dict.fromkeys(found) if c not in pins]
    palette = palette[:room]
    nearest = {}
    for c in distinct:
        best, bestd = 0, None
        for i, p in enumerate(palette):
            dd = (c[0] - p[0]) ** 2 * 3 + (c[1] - p[1]) ** 2 * 4 + (c[2] - p[2]) ** 2 * 2
            if bestd is None or dd < bestd:
                best, bestd = i, dd
                if dd == 0:
                    break
        nearest[c] = best + reserved
    indices = bytes(nearest[c] for c in rgb.getdata())
    return indices, palette


def indexed_to_rgb(indices, palette, size, reserved=0):
    full = [(0, 0, 0)] * reserved + list(palette)
    img = Image.new('RGB', size)
    img.putdata([full[i] for i in indices])
    return img


# ---------------------------------------------------------------- GIF --

class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.bits = 0

    def write(self, code, size):
        self.acc |= code << self.bits
        self.bits += size
        while self.bits >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.bits -= 8

    def finish(self):
        if self.bits:
            self.out.append(self.acc & 0xFF)
        return bytes(self.out)


def lzw_encode(pixels, min_size, clear_every=0):
    """GIF LZW.  The code width always follows what a decoder has seen, so
    a clear (optionally after every clear_every codes) or the end code never
    lands on a width change.  clear_every trades compression for size."""
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    w = BitWriter()
    table = {}
    n = 0  # codes sent since the last clear

    def width():
        return min(12, max(min_size + 1, (eoi + n).bit_length()))

    w.write(clear, width())
    prefix = pixels[0]
    for px in pixels[1:]:
        key = (prefix << 8) | px
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        w.write(prefix, width())
        n += 1
        if eoi + n < 4096 and (not clear_every or n < clear_every):
            table[key] = eoi + n
        else:
            w.write(clear, width())
            table.clear()
            n = 0
        prefix = px
    w.write(prefix, width())
    n += 1
    w.write(eoi, width())
    return w.finish()


def lzw_decode(data, min_size):
    """A plain decoder, to prove the encoder right."""
    clear, eoi = 1 << min_size, (1 << min_size) + 1
    pos = 0
    acc = bits = 0
    size = min_size + 1
    table = [bytes([i]) for i in range(clear)] + [b'', b'']
    prev = None
    out = bytearray()
    while True:
        while bits < size:
            if pos >= len(data):
                raise ValueError('LZW data ends without an end code')
            acc |= data[pos] << bits
            pos += 1
            bits += 8
        code = acc & ((1 << size) - 1)
        acc >>= size
        bits -= size
        if code == clear:
            table = table[:eoi + 1]
            size = min_size + 1
            prev = None
            continue
        if code == eoi:
            return bytes(out)
        if prev is None:
            entry = table[code]
        else:
            if code < len(table):
                entry = table[code]
                new = table[prev] + entry[:1]
            elif code == len(table):
                entry = table[prev] + table[prev][:1]
                new = entry
            else:
                raise ValueError('bad LZW code')
            if len(table) < 4096:
                table.append(new)
                if len(table) == (1 << size) and size < 12:
                    size += 1
        out += entry
        prev = code


def sub_blocks(data, extra):
    """Data sub-blocks and terminator; extra adds that many blocks."""
    if not data:
        return b'\x00'
    m = -(-len(data) // 255) + extra
    assert m <= len(data)
    base, rem = divmod(len(data), m)
    out = bytearray()
    pos = 0
    for i in range(m):
        n = base + (1 if i < rem else 0)
        out.append(n)
        out += data[pos:pos + n]
        pos += n
    out.append(0)
    return bytes(out)


CLEAR_STEPS = [0, 3000, 2000, 1400, 1000, 700, 500, 350, 250, 180, 128, 90, 64, 45, 32, 24, 16,
               12, 8, 6, 4, 3, 2]


def make_gif(version, size, palette, frames, target, delay=0, transparent=None, loop=False,
             table_bits=8):
    """A GIF of exactly target bytes holding frames (lists of palette indices)."""
    w, h = size
    assert len(palette) <= (1 << table_bits)
    table = bytearray()
    for c in list(palette) + [(0, 0, 0)] * ((1 << table_bits) - len(palette)):
        table += bytes(c)
    head = version + struct.pack('<HHBBB', w, h, 0x80 | 0x70 | (table_bits - 1), 0, 0) + table
    if loop:
        head += b'\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00'
    min_size = max(2, table_bits)
    animated = version == b'GIF89a' and (len(frames) > 1 or transparent is not None)
    for every in CLEAR_STEPS:
        streams = [lzw_encode(f, min_size, every) for f in frames]
        fixed = len(head) + 1  # trailer
        for s in streams:
            fixed += (8 if animated else 0) + 10 + 1
        smallest = fixed + sum(len(s) + -(-len(s) // 255) + 1 for s in streams)
        room = [len(s) - -(-len(s) // 255) for s in streams]
        if not smallest <= target <= smallest + sum(room):
            continue
        extra = target - smallest
        body = bytearray(head)
        for s, r in zip(streams, room):
            e = min(extra, r)
            extra -= e
            if animated:
                flags = (2 << 2) | (1 if transparent is not None else 0)
                body += struct.pack('<BBBBHBB', 0x21, 0xF9, 4, flags, delay, transparent or 0, 0)
            body += struct.pack('<BHHHHB', 0x2C, 0, 0, w, h, 0)
            body.append(min_size)
            body += sub_blocks(s, e)
        body.append(0x3B)
        assert len(body) == target, (len(body), target)
        for f, s in zip(frames, streams):
            assert lzw_decode(s, min_size) == bytes(f)
        return bytes(body)
    raise NoFit('cannot reach %d bytes for a %dx%d GIF (best %d)' % (
        target, w, h, len(head) + sum(len(lzw_encode(f, min_size)) for f in frames)))


class NoFit(Exception):
    pass


def fit_gif(img, target, version=b'GIF89a', pins=(), regions=()):
    """The fullest palette (256, 128, ... colours) whose encoding can be made
    exactly target bytes long.  Returns the file, its pixels and palette."""
    last = None
    for bits in (8, 7, 6, 5, 4):
        budget = [(box, max(2, n >> (8 - bits))) for box, n in regions]
        indices, palette = quantize(img, pins=pins, limit=1 << bits, regions=budget)
        try:
            return make_gif(version, img.size, palette, [indices], target, table_bits=bits), \
                indices, palette
        except NoFit as e:
            last = e
    raise SystemExit(str(last))


def gif_from_rgb(img, target, version=b'GIF89a', pins=()):
    return fit_gif(img, target, version, pins)[0]


# ----------------------------------------------------------- BMP, ICO --

def bmp_24(img):
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    pixels = img.convert('RGB').load()
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = pixels[x, y]
            row += bytes((b, g, r))
        row += b'\x00' * (stride - len(row))
        rows += row
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return head + info + bytes(rows)


def and_mask(w, h, transparent):
    """1 bit per pixel, set where transparent(x, y); rows bottom-up, 32-bit padded."""
    stride = ((w + 31) // 32) * 4
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def ico_image_32(img):
    w, h = img.size
    px = img.convert('RGBA').load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    andm = and_mask(w, h, lambda x, y: px[x, y][3] == 0)
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(andm), 0, 0, 0, 0)
    return info + bytes(xor) + andm, 0, 32


def ico_image_24(img):
    """24 bpp with a 1-bit mask: pixels under half opacity become transparent."""
    w, h = img.size
    px = img.convert('RGBA').load()
    stride = (w * 3 + 3) & ~3
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, a = px[x, y]
            row += bytes((b, g, r)) if a >= 128 else b'\x00\x00\x00'
        xor += row + b'\x00' * (stride - len(row))
    andm = and_mask(w, h, lambda x, y: px[x, y][3] < 128)
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 24, 0, len(xor) + len(andm), 0, 0, 0, 0)
    return info + bytes(xor) + andm, 0, 24


def ico_image_blank_4(side):
    """16 colours, every pixel transparent."""
    palette = bytes(4 * 16)
    stride = ((side * 4 + 31) // 32) * 4
    xor = bytes(stride * side)
    andm = and_mask(side, side, lambda x, y: True)
    info = struct.pack('<IiiHHIIiiII', 40, side, side * 2, 1, 4, 0, len(xor) + len(andm), 0, 0,
                       0, 0)
    return info + palette + xor + andm, 16, 4


def ico_file(images):
    """images: [(side, (data, colour count, bits per pixel))]."""
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for side, (data, colours, bpp) in images:
        out += struct.pack('<BBBBHHII', side % 256, side % 256, colours, 0, 1, bpp, len(data),
                           offset)
        offset += len(data)
    for _, (data, _, _) in images:
        out += data
    return bytes(out)


# ----------------------------------------------------------------- WAV --

def alert_wav(samples=6903, rate=11025):
    """A two-note chime: each note a decaying sine with a soft octave partial."""
    notes = [(0.0, 1318.5, 0.55), (0.13, 987.8, 0.60)]  # E6 then B5
    data = bytearray()
    for i in range(samples):
        t = i / rate
        v = 0.0
        for start, freq, amp in notes:
            u = t - start
            if u < 0:
                continue
            env = min(1.0, u / 0.004) * math.exp(-u * 7.0)
            v += amp * env * (math.sin(2 * math.pi * freq * u) +
                              0.25 * math.sin(2 * math.pi * 2 * freq * u) * math.exp(-u * 10.0))
        tail = min(1.0, (samples - 1 - i) / (0.03 * rate))  # no click at the end
        v *= tail * 0.8
        data.append(max(0, min(255, int(round(128 + 127 * v)))))
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate, 1, 8)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + \
        struct.pack('<I', len(data)) + bytes(data)
    return b'RIFF' + struct.pack('<I', len(body)) + body


# ------------------------------------------------------------ the skins --

MAIN_GLYPHS = [('main_minimise', 'min', (498, 1), (26, 18)),
               ('main_maximise', 'max', (524, 1), (26, 18)),
               ('main_close', 'close', (550, 1), (44, 18))]
PANELS = [(40, 208, (20, 63, 560, 142)), (244, 432, (20, 267, 560, 162))]
CAPTION_BLUE = (124, 189, 241)
FRAME = (122, 164, 214)


def main_background():
    w, h = 600, 450
    img = gradient((w, h), [(0, (226, 238, 251)), (0.3, (214, 230, 248)), (1, (190, 212, 240))])
    img.paste(gradient((w, 31), [(0, (250, 253, 255)), (0.47, (220, 236, 252)),
                                 (0.53, (196, 222, 249)), (1, (176, 210, 246))]), (0, 0))
    d = ImageDraw.Draw(img)
    d.line([(0, 30), (w - 1, 30)], fill=(118, 160, 214))
    d.line([(0, 31), (w - 1, 31)], fill=(240, 247, 254))

    # The program's mark and title; 标签1 continues it from x 160.
    logo = glass((22, 22), [(0, (120, 182, 248)), (1, (30, 96, 204))], (0, 0, 21, 21), 5,
                 (24, 70, 150))
    text(logo, (11, 11), '译', 15, WHITE, anchor='mm')
    over(img, logo, (18, 4))
    text(img, (48, 6), '在线翻译器', 17, NAVY, raised=True)

    for name, kind, at, size in MAIN_GLYPHS:
        over(img, title_glyph_tile(size, kind, hover=False), at)

    for top, bottom, (bx, by, bw, bh) in PANELS:
        d.rectangle((17, top + 1, 585, bottom + 2), fill=(172, 196, 226))  # soft shadow
        d.rectangle((16, top, 583, bottom), fill=WHITE, outline=FRAME)
        bar = gradient((568, 20), [(0, CAPTION_BLUE), (0.5, WHITE), (1, CAPTION_BLUE)],
                       vertical=False)
        img.paste(bar, (16, top))
        d.rectangle((16, top, 583, top + 19), outline=FRAME)
        d.rectangle((bx - 1, by - 1, bx + bw, by + bh), outline=(214, 228, 244))
    return img


def popup_background():
    w, h = 324, 261
    img = gradient((w, h), [(0, (238, 245, 253)), (1, (212, 228, 247))])
    img.paste(gradient((w, 25), [(0, (252, 254, 255)), (0.5, (226, 238, 252)),
                                 (0.54, (208, 226, 249)), (1, (218, 233, 251))]), (0, 0))
    d = ImageDraw.Draw(img)
    d.line([(0, 25), (w - 1, 25)], fill=(150, 184, 224))
    d.rectangle((0, 0, w - 1, h - 1), outline=(104, 146, 204))
    over(img, info_glyph(17), (8, 4))
    over(img, title_glyph_tile((25, 17), 'min', hover=False), (249, 1))
    over(img, title_glyph_tile((43, 17), 'close', hover=False), (274, 1))
    d.rectangle((7, 27, 316, 208), fill=WHITE, outline=(150, 180, 218))
    over(img, push_button_tile((80, 25), '查看', hover=False), (80, 218))
    over(img, push_button_tile((80, 25), '关闭', hover=False), (176, 218))
    return img


def msgbox_background():
    w, h = 351, 124
    img = Image.new('RGB', (w, h), BODY_GREY)
    img.paste(gradient((w, 22), [(0, (86, 128, 200)), (0.48, (44, 86, 166)),
                                 (0.52, (26, 64, 144)), (1, (34, 74, 156))]), (0, 0))
    d = ImageDraw.Draw(img)
    d.line([(0, 22), (w - 1, 22)], fill=(20, 44, 104))
    d.rectangle((0, 0, w - 1, h - 1), outline=(20, 44, 104))
    over(img, title_glyph_tile((43, 18), 'close', hover=False), (303, 1))
    over(img, info_glyph(32), (13, 40))
    over(img, push_button_tile((73, 19), '确定', hover=False), (139, 91))
    return img


def busy_frames():
    """Orange and white diagonal stripes moving right, rounded ends."""
    w, h = 145, 15
    period, step = 16, 2
    shape = rrect_mask((w, h), (0, 0, w - 1, h - 1), 7)
    frames = []
    for f in range(8):
        def stripes(d, s, shift=f * step):
            for k in range(-2, w // period + 3):
                x = (k * period + shift) * s
                d.polygon([(x, 0), (x + period / 2 * s, 0), (x + (period / 2 - h) * s, h * s),
                           (x - h * s, h * s)], fill=255)
        orange = gradient((w, h), [(0, (255, 190, 96)), (0.5, (250, 146, 34)),
                                   (1, (236, 118, 16))])
        light = gradient((w, h), [(0, (255, 255, 255)), (1, (255, 232, 204))])
        bar = light.copy()
        bar.paste(orange, (0, 0), mask((w, h), stripes))
        rim = Image.new('RGB', (w, h), (210, 110, 20))
        inner = rrect_mask((w, h), (1, 1, w - 2, h - 2), 6)
        rim.paste(bar, (0, 0), inner)
        frame = Image.new('RGB', (w, h), WHITE)
        frame.paste(rim, (0, 0), shape)
        frames.append(frame)
    alpha = list(shape.getdata())
    return frames, alpha


def busy_gif(target=6454):
    frames, alpha = busy_frames()
    w, h = frames[0].size
    strip = Image.new('RGB', (w, h * len(frames)))
    for i, f in enumerate(frames):
        strip.paste(f, (0, i * h))
    per = w * h
    for bits in (8, 7, 6, 5):
        indices, palette = quantize(strip, reserved=1, limit=1 << bits)
        palette = [WHITE] + palette  # entry 0: the transparent colour
        out = []
        for i in range(len(frames)):
            part = bytearray(indices[i * per:(i + 1) * per])
            for j, a in enumerate(alpha):
                if a < 128:
                    part[j] = 0
            out.append(bytes(part))
        try:
            return make_gif(b'GIF89a', (w, h), palette, out, target, delay=7, transparent=0,
                            loop=True, table_bits=bits)
        except NoFit:
            continue
    raise SystemExit('busy.gif does not fit')


# --------------------------------------------------------------- icons --

def program_icon_image(side):
    s = side * 8
    tile = Image.new('RGBA', (s, s), (24, 70, 150, 0))
    d = ImageDraw.Draw(tile)
    r = s * 0.2
    d.rounded_rectangle((0, 0, s - 1, s - 1), radius=r, fill=(24, 70, 150, 255))
    m = Image.new('L', (s, s), 0)
    ImageDraw.Draw(m).rounded_rectangle((s * 0.04, s * 0.04, s * 0.96 - 1, s * 0.96 - 1),
                                        radius=r * 0.85, fill=255)
    fill = gradient((s, s), [(0, (116, 184, 250)), (0.5, (52, 128, 226)), (1, (28, 88, 196))])
    tile.paste(fill.convert('RGBA'), (0, 0), m)
    gloss = Image.new('L', (s, s), 0)
    ImageDraw.Draw(gloss).ellipse((-s * 0.3, -s * 0.75, s * 1.3, s * 0.42), fill=60)
    gloss = Image.composite(gloss, Image.new('L', (s, s), 0), m)
    tile.paste(Image.new('RGBA', (s, s), (255, 255, 255, 255)), (0, 0), gloss)
    f = ImageFont.truetype(FONT_PATH, int(s * 0.66), index=0)
    stroke = int(s * 0.025) if side <= 24 else int(s * 0.01)
    d.text((s / 2, s * 0.53), '译', font=f, fill=(255, 255, 255, 255), anchor='mm',
           stroke_width=stroke, stroke_fill=(255, 255, 255, 255))
    small = tile.resize((side, side), Image.LANCZOS)
    # Resampling leaves faint alpha in the corners: make them clean.
    alpha = small.getchannel('A').point(lambda a: 0 if a < 12 else 255 if a > 243 else a)
    small.putalpha(alpha)
    return small


def speaker_image():
    """Pixel-drawn: at 16 x 16 with a 1-bit mask crisp edges read best."""
    side = 16
    tile = Image.new('RGBA', (side, side), (0, 0, 0, 0))
    d = ImageDraw.Draw(tile)
    dark, blue, light = (16, 46, 126, 255), (38, 108, 218, 255), (132, 190, 250, 255)
    d.polygon([(1, 5), (4, 5), (8, 1), (8, 14), (4, 10), (1, 10)], fill=dark)
    d.polygon([(2, 6), (4, 6), (7, 3), (7, 12), (4, 9), (2, 9)], fill=blue)
    d.line([(2, 6), (4, 6), (6, 4)], fill=light)
    px = tile.load()
    cx, cy = 8.0, 7.5
    for y in range(side):
        for x in range(9, side):
            r = math.hypot(x - cx, y - cy)
            if abs(math.atan2(y - cy, x - cx)) > math.radians(52):
                continue
            if 2.6 <= r < 3.8:
                px[x, y] = (30, 100, 214, 255)
            elif 5.4 <= r < 6.6:
                px[x, y] = dark
    return tile


# ---------------------------------------------------------------- main --

def write(name, data, size):
    if len(data) != size:
        raise SystemExit('%s: %d bytes, expected %d' % (name, len(data), size))
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(data)


def check_gif(data, expect_frames):
    im = Image.open(io.BytesIO(data))
    im.load()
    assert getattr(im, 'n_frames', 1) == expect_frames


def main():
    os.makedirs(OUT, exist_ok=True)

    # Main window: the skin, then its title-bar buttons cut from the very
    # colours of the encoded skin so that they sit on it seamlessly.
    raw = main_background()
    glyph_colours = [((x, y, x + w, y + h), 24) for _, _, (x, y), (w, h) in MAIN_GLYPHS]
    glyph_colours.append(((18, 4, 150, 27), 24))  # the mark and the title
    data, indices, palette = fit_gif(raw, 18224, pins=[WHITE, CAPTION_BLUE, FRAME],
                                     regions=glyph_colours)
    write('main_background.gif', data, 18224)
    skin = indexed_to_rgb(indices, palette, raw.size)
    for name, kind, (x, y), (w, h) in MAIN_GLYPHS:
        size = 1494 if w == 26 else 2430
        write(name + '.bmp', bmp_24(skin.crop((x, y, x + w, y + h))), size)
        # The hover tile is drawn over the bare title bar, not over the normal glyph.
        bare = gradient((600, 31), [(0, (250, 253, 255)), (0.47, (220, 236, 252)),
                                    (0.53, (196, 222, 249)), (1, (176, 210, 246))])
        hover = bare.crop((x, y, x + w, y + h)).convert('RGBA')
        over(hover, title_glyph_tile((w, h), kind, hover=True), (0, 0))
        write(name + '_hover.bmp', bmp_24(hover), size)

    # Popup.
    raw = popup_background()
    data, indices, palette = fit_gif(raw, 5530, pins=[WHITE])
    write('popup_background.gif', data, 5530)
    skin = indexed_to_rgb(indices, palette, raw.size)
    popup_buttons = [
        ('popup_close_button', (176, 218, 80, 25), lambda s: push_button_tile(s, '关闭', True),
         1283, 1296),
        ('popup_view_button', (80, 218, 80, 25), lambda s: push_button_tile(s, '查看', True),
         1264, 1277),
        ('popup_minimise', (249, 1, 25, 17), lambda s: title_glyph_tile(s, 'min', True), 1055, 1163),
        ('popup_close', (274, 1, 43, 17), lambda s: title_glyph_tile(s, 'close', True), 1412, 1368),
    ]
    plain = gradient((324, 25), [(0, (252, 254, 255)), (0.5, (226, 238, 252)),
                                 (0.54, (208, 226, 249)), (1, (218, 233, 251))])
    body = gradient((324, 261), [(0, (238, 245, 253)), (1, (212, 228, 247))])
    for name, (x, y, w, h), draw, normal_size, hover_size in popup_buttons:
        write(name + '.gif', gif_from_rgb(skin.crop((x, y, x + w, y + h)), normal_size),
              normal_size)
        back = (plain if y < 25 else body).crop((x, y, x + w, y + h)).convert('RGBA')
        over(back, draw((w, h)), (0, 0))
        write(name + '_hover.gif', gif_from_rgb(back, hover_size), hover_size)

    # Message box (GIF87a: no extension blocks at all).
    raw = msgbox_background()
    data, indices, palette = fit_gif(raw, 4697, b'GIF87a', pins=[BODY_GREY, WHITE])
    write('msgbox_background.gif', data, 4697)
    skin = indexed_to_rgb(indices, palette, raw.size)
    bar = gradient((351, 22), [(0, (86, 128, 200)), (0.48, (44, 86, 166)),
                               (0.52, (26, 64, 144)), (1, (34, 74, 156))])
    for name, (x, y, w, h), draw, normal_size, hover_size in [
            ('msgbox_close', (303, 1, 43, 18), lambda s: title_glyph_tile(s, 'close', True),
             1362, 1424),
            ('msgbox_ok', (139, 91, 73, 19), lambda s: push_button_tile(s, '确定', True), 1209,
             1221)]:
        write(name + '.gif', gif_from_rgb(skin.crop((x, y, x + w, y + h)), normal_size),
              normal_size)
        if y < 22:
            back = bar.crop((x, y, x + w, y + h)).convert('RGBA')
        else:
            back = Image.new('RGBA', (w, h), BODY_GREY + (255,))
        over(back, draw((w, h)), (0, 0))
        write(name + '_hover.gif', gif_from_rgb(back, hover_size), hover_size)

    busy = busy_gif()
    check_gif(busy, 8)
    write('busy.gif', busy, 6454)

    write('alert.wav', alert_wav(), 6947)
    write('speaker.ico', ico_file([(16, ico_image_24(speaker_image()))]), 894)
    write('blank.ico', ico_file([(32, ico_image_blank_4(32)), (16, ico_image_blank_4(16))]), 1078)
    write('program.ico', ico_file([(s, ico_image_32(program_icon_image(s)))
                                   for s in (64, 48, 32, 24, 16)]), 34494)

    # The same icon for the desktop, installed in the hicolor theme.
    for side in (64, 48, 32, 24, 16):
        folder = os.path.join(os.path.dirname(OUT), 'icons', '%dx%d' % (side, side))
        os.makedirs(folder, exist_ok=True)
        program_icon_image(side).save(os.path.join(folder, 'kestara-translator.png'))
    return 0


if __name__ == '__main__':
    sys.exit(main())
