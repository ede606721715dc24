#!/usr/bin/env python3
"""Copies a font for the web page: browsers refuse a font whose CFF table names it with a space
(as Cherry Bomb's does), so the copy has a dash there, with its checksums made anew. The
outlines are the same. Usage: web-font.py FONT COPY"""
import struct, sys
font = bytearray(open(sys.argv[1], 'rb').read())
tables = {}
for i in range(struct.unpack('>H', font[4:6])[0]):
    entry = 12 + 16 * i
    offset, length = struct.unpack('>II', font[entry + 8:entry + 16])
    tables[bytes(font[entry:entry + 4])] = (entry, offset, length)
def checksum(data):
    data = bytes(data) + b'\0' * (-len(data) % 4)
    return sum(struct.unpack('>%dI' % (len(data) // 4), data)) & 0xFFFFFFFF
if b'CFF ' in tables:
    entry, start, length = tables[b'CFF ']
    index = start + font[start + 2]
    count, size = struct.unpack('>HB', font[index:index + 3])
    offsets = [int.from_bytes(font[index + 3 + k * size:index + 3 + (k + 1) * size], 'big')
               for k in range(count + 1)]
    names = index + 2 + (count + 1) * size
    for at in range(names + offsets[0], names + offsets[-1]):
        if font[at] <= 32 or font[at] >= 127 or chr(font[at]) in '[](){}<>/%':
            font[at] = ord('-')
    struct.pack_into('>I', font, entry + 4, checksum(font[start:start + length]))
    head = tables[b'head'][1]
    struct.pack_into('>I', font, head + 8, 0)
    struct.pack_into('>I', font, head + 8, (0xB1B0AFBA - checksum(font)) & 0xFFFFFFFF)
open(sys.argv[2], 'wb').write(font)
