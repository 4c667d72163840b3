"""A small baseline JPEG writer (standard library only) for the test files
that Pillow's writer cannot make: any sampling factors up to 4 (4:4:0,
4:1:1, chroma sampled more finely than luma, ...), restart intervals, and
pictures a pixel or two wide.

It favours plainness over size: the DCT is computed by its definition,
the quantisation tables are a fixed ramp, and every Huffman table gives
all the symbols a scan uses codes of one length.
"""
import math

_COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]
_SCALE = [math.sqrt(0.5) if u == 0 else 1.0 for u in range(8)]

# The natural (row-major) place of each coefficient in zig-zag order.
ZIGZAG = sorted(range(64), key=lambda i: (i // 8 + i % 8, (i // 8) if (i // 8 + i % 8) % 2 else (i % 8)))


def _segment(marker, body):
    return bytes([0xFF, marker]) + (len(body) + 2).to_bytes(2, "big") + bytes(body)


def _quant_table(step):
    """A ramp from `step` at DC growing with the frequency, in zig-zag order."""
    return [min(255, step + (ZIGZAG[k] // 8 + ZIGZAG[k] % 8) * step) for k in range(64)]


def _fdct(block):
    """The 64 coefficients of an 8 x 8 block of samples (level-shifted)."""
    out = [0.0] * 64
    for v in range(8):
        for u in range(8):
            total = 0.0
            cu, cv = _COS[u], _COS[v]
            for y in range(8):
                row = block[y * 8:(y + 1) * 8]
                total += cv[y] * sum(cu[x] * row[x] for x in range(8))
            out[v * 8 + u] = 0.25 * _SCALE[u] * _SCALE[v] * total
    return out


def _category(value):
    value = abs(value)
    size = 0
    while value:
        size += 1
        value >>= 1
    return size


def _magnitude_bits(value, size):
    return value if value >= 0 else value + (1 << size) - 1


class _Plane:
    """One component's samples at its own resolution, padded to whole blocks
    by repeating the last column and row."""

    def __init__(self, samples, width, height, blocks_wide, blocks_high):
        self.blocks_wide = blocks_wide
        self.blocks_high = blocks_high
        padded_w, padded_h = blocks_wide * 8, blocks_high * 8
        self.rows = []
        for y in range(padded_h):
            row = samples[min(y, height - 1) * width:(min(y, height - 1) + 1) * width]
            self.rows.append(row + [row[-1]] * (padded_w - width))

    def block(self, bx, by):
        return [self.rows[by * 8 + y][bx * 8 + x] - 128 for y in range(8) for x in range(8)]


def _downsample(channel, width, height, fx, fy):
    """Box averages of fx x fy pixels (fewer at the right and bottom edges)."""
    out_w, out_h = -(-width // fx), -(-height // fy)
    out = []
    for oy in range(out_h):
        for ox in range(out_w):
            values = [channel[y * width + x]
                      for y in range(oy * fy, min(height, (oy + 1) * fy))
                      for x in range(ox * fx, min(width, (ox + 1) * fx))]
            out.append((sum(values) + len(values) // 2) // len(values))
    return out, out_w, out_h


class _BitWriter:
    def __init__(self):
        self.data = bytearray()
        self.bits = 0
        self.count = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.bits = (self.bits << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.data.append(self.bits)
                if self.bits == 0xFF:
                    self.data.append(0)
                self.bits = 0
                self.count = 0

    def flush(self):
        """Pads the last byte with one bits."""
        while self.count:
            self.put(1, 1)


def _huffman_table(symbols, length):
    """Codes of one length for the sorted symbols: (counts, values, codes)."""
    symbols = sorted(symbols)
    counts = [0] * 16
    counts[length - 1] = len(symbols)
    return counts, symbols, {symbol: (code, length) for code, symbol in enumerate(symbols)}


def encode(channels, width, height, sampling, restart_interval=0, quality_step=2):
    """A baseline JPEG of 8-bit channels (one: grey; three: Y, Cb, Cr).

    channels: lists of width * height samples, rows top first; sampling:
    (h, v) of each channel; restart_interval: MCUs between restart markers
    (0: none). Three channels carry a JFIF marker.
    """
    max_h = max(h for h, _ in sampling)
    max_v = max(v for _, v in sampling)
    mcus_wide = -(-width // (8 * max_h))
    mcus_high = -(-height // (8 * max_v))
    planes = []
    for channel, (h, v) in zip(channels, sampling):
        samples, w, hh = _downsample(channel, width, height, max_h // h, max_v // v)
        planes.append(_Plane(samples, w, hh, mcus_wide * h, mcus_high * v))
    quant = [_quant_table(quality_step), _quant_table(quality_step * 2)]
    table_of = [0] + [1] * (len(channels) - 1)

    # The quantised blocks in the order the scan codes them.
    order = []  # (component, block x, block y), restart boundaries as None
    for m in range(mcus_wide * mcus_high):
        if restart_interval and m and m % restart_interval == 0:
            order.append(None)
        mx, my = m % mcus_wide, m // mcus_wide
        for c, (h, v) in enumerate(sampling):
            for by in range(v):
                for bx in range(h):
                    order.append((c, mx * h + bx, my * v + by))
    coded = []
    for item in order:
        if item is None:
            coded.append(None)
            continue
        c, bx, by = item
        coefficients = _fdct(planes[c].block(bx, by))
        q = quant[table_of[c]]
        coded.append((c, [int(round(coefficients[ZIGZAG[k]] / q[k])) for k in range(64)]))

    # Symbols each table codes, then one code length for each table.
    dc_symbols = [set(), set()]
    ac_symbols = [set(), set()]
    events = []
    prediction = [0] * len(channels)
    for item in coded:
        if item is None:
            prediction = [0] * len(channels)
            events.append(None)
            continue
        c, z = item
        t = table_of[c]
        diff = z[0] - prediction[c]
        prediction[c] = z[0]
        size = _category(diff)
        dc_symbols[t].add(size)
        block_events = [("dc", t, size, _magnitude_bits(diff, size))]
        run = 0
        for k in range(1, 64):
            if z[k] == 0:
                run += 1
                continue
            while run > 15:
                ac_symbols[t].add(0xF0)
                block_events.append(("ac", t, 0xF0, 0, 0))
                run -= 16
            size = _category(z[k])
            symbol = run << 4 | size
            ac_symbols[t].add(symbol)
            block_events.append(("ac", t, symbol, _magnitude_bits(z[k], size), size))
            run = 0
        if run:
            ac_symbols[t].add(0x00)
            block_events.append(("ac", t, 0x00, 0, 0))
        events.append(block_events)
    tables = len(set(table_of))
    dc_tables = [_huffman_table(dc_symbols[t] or {0}, 4) for t in range(tables)]
    ac_tables = [_huffman_table(ac_symbols[t] or {0}, 8) for t in range(tables)]

    bits = _BitWriter()
    restart = 0
    for block_events in events:
        if block_events is None:
            bits.flush()
            bits.data += bytes([0xFF, 0xD0 + restart % 8])
            restart += 1
            continue
        for event in block_events:
            if event[0] == "dc":
                _, t, size, value = event
                code, length = dc_tables[t][2][size]
                bits.put(code, length)
                bits.put(value, size)
            else:
                _, t, symbol, value, size = event
                code, length = ac_tables[t][2][symbol]
                bits.put(code, length)
                bits.put(value, size)
    bits.flush()

    out = bytearray(b"\xFF\xD8")
    if len(channels) == 3:
        out += _segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    for t in range(tables):
        out += _segment(0xDB, [t] + quant[t])
    frame = [8, height >> 8, height & 255, width >> 8, width & 255, len(channels)]
    for c, (h, v) in enumerate(sampling):
        frame += [c + 1, h << 4 | v, table_of[c]]
    out += _segment(0xC0, frame)
    for t in range(tables):
        counts, values, _ = dc_tables[t]
        out += _segment(0xC4, [t] + counts + values)
        counts, values, _ = ac_tables[t]
        out += _segment(0xC4, [0x10 | t] + counts + values)
    if restart_interval:
        out += _segment(0xDD, [restart_interval >> 8, restart_interval & 255])
    scan = [len(channels)]
    for c in range(len(channels)):
        scan += [c + 1, table_of[c] << 4 | table_of[c]]
    out += _segment(0xDA, scan + [0, 63, 0])
    out += bits.data
    out += b"\xFF\xD9"
    return bytes(out)
