#!/usr/bin/env python3
# Writes an 8-bit BMP (BITMAPINFOHEADER, a palette of the colours used) from
# a binary PPM of at most 256 colours: ppm-to-bmp8.py <in.ppm> <out.bmp>.
import struct, sys
data = open(sys.argv[1], 'rb').read()
fields, pos = [], 2
while len(fields) < 3:
    while data[pos:pos+1].isspace(): pos += 1
    if data[pos:pos+1] == b'#':
        pos = data.index(b'\n', pos)
        continue
    start = pos
    while not data[pos:pos+1].isspace(): pos += 1
    fields.append(int(data[start:pos]))
w, h, _ = fields
pixels = data[pos+1:]
colours, index = [], {}
rows = []
for y in range(h):
    row = bytearray()
    for x in range(w):
        o = (y * w + x) * 3
        c = pixels[o:o+3]
        if c not in index:
            if len(colours) == 256: sys.exit('more than 256 colours')
            index[c] = len(colours); colours.append(c)
        row.append(index[c])
    row += b'\0' * ((4 - len(row) % 4) % 4)
    rows.append(bytes(row))
body = b''.join(reversed(rows))
palette = b''.join(bytes((c[2], c[1], c[0], 0)) for c in colours)
offset = 14 + 40 + len(palette)
header = struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, 0, len(body), 2835, 2835, len(colours), 0)
open(sys.argv[2], 'wb').write(header + info + palette + body)
