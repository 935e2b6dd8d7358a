#!/usr/bin/env python3
"""Draws the programs' Windows icons (cleanslate.ico, tag.ico) after the
shapes of packaging/*.svg, at 16, 32, 48 and 256 pixels, with nothing but
the standard library. Run it again when the pictures change."""
import math
import struct
import zlib

def hexcolour(text, alpha=255):
    return (int(text[1:3], 16), int(text[3:5], 16), int(text[5:7], 16), alpha)

def inside_polygon(x, y, points):
    result = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result

def rect(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]

def rotated(points, angle, cx, cy):
    a = math.radians(angle)
    return [(cx + (px - cx) * math.cos(a) - (py - cy) * math.sin(a),
             cy + (px - cx) * math.sin(a) + (py - cy) * math.cos(a)) for px, py in points]

def ring(cx, cy, r, width):
    return ('ring', cx, cy, r, width)

def cleanslate_shapes():
    return [
        (rect(6, 10, 52, 40), hexcolour('#2f3b45')),
        (rect(10, 14, 44, 32), hexcolour('#3f5160')),
        (rotated(rect(34, 40, 22, 12), -30, 45, 46), hexcolour('#f2c14e')),
        (rotated(rect(34, 48, 22, 4), -30, 45, 46), hexcolour('#c98f1b')),
        (rect(26, 52, 12, 4), hexcolour('#8a6d3b')),
    ]

def tag_shapes():
    return [
        ([(7, 19.5), (27.7, 7), (57, 7), (57, 37), (27.7, 37), (7, 24.5)], hexcolour('#7a5c1e')),
        ([(9, 20), (28, 9), (55, 9), (55, 35), (28, 35), (9, 24)], hexcolour('#f7f3e8')),
        (ring(18, 21, 3, 2), hexcolour('#7a5c1e')),
        (rect(30, 14, 20, 3), hexcolour('#2f3b45')),
        (rect(30, 20, 14, 3), hexcolour('#2f3b45')),
        (rect(30, 26, 18, 3), hexcolour('#2f3b45')),
        (ring(44, 50, 8, 3), hexcolour('#d4af37')),
        ([(40, 42), (44, 38), (48, 42)], hexcolour('#9fd3e6')),
    ]

def covers(shape, x, y):
    if isinstance(shape, tuple) and shape[0] == 'ring':
        _, cx, cy, r, w = shape
        d = math.hypot(x - cx, y - cy)
        return r - w / 2 <= d <= r + w / 2
    return inside_polygon(x, y, shape)

def draw(shapes, size, samples=4):
    pixels = []
    scale = 64 / size
    for row in range(size):
        line = []
        for col in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (col + (sx + 0.5) / samples) * scale
                    y = (row + (sy + 0.5) / samples) * scale
                    colour = (0, 0, 0, 0)
                    for shape, fill in shapes:
                        if covers(shape, x, y):
                            colour = fill
                    a = colour[3] / 255
                    acc[0] += colour[0] * a
                    acc[1] += colour[1] * a
                    acc[2] += colour[2] * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha > 0:
                line.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]),
                             round(acc[2] / acc[3]), round(alpha * 255)))
            else:
                line.append((0, 0, 0, 0))
        pixels.append(line)
    return pixels

def bmp_entry(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    body = b''.join(bytes((b, g, r, a)) for line in reversed(pixels) for (r, g, b, a) in line)
    mask_row = ((size + 31) // 32) * 4
    return header + body + b'\0' * (mask_row * size)

def png_entry(pixels):
    size = len(pixels)
    raw = b''.join(b'\0' + b''.join(bytes(p) for p in line) for line in pixels)
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))

def write_icon(path, shapes):
    images = []
    for size in (16, 32, 48, 256):
        pixels = draw(shapes, size, 4 if size < 256 else 2)
        images.append((size, png_entry(pixels) if size == 256 else bmp_entry(pixels)))
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    data = b''
    for size, image in images:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
        data += image
    with open(path, 'wb') as out:
        out.write(directory + data)

if __name__ == '__main__':
    write_icon('cleanslate.ico', cleanslate_shapes())
    write_icon('tag.ico', tag_shapes())
