#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the hand-made hostile pictures into tests/fuzz/findings/.

Each file is built byte by byte from its format's own documentation (PNG
and MNG chunks, GIF blocks and LZW codes, JPEG markers and Huffman codes,
the ICO directory), small in what it stores and huge in the work it asks
for: an animation that loops for ever, LZW data that runs on for billions
of pixels, thousands of progressive scans, an icon holding a huge PNG.

    python3 tests/fuzz/make_findings.py [FOLDER]
"""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --- PNG and MNG -------------------------------------------------------------

def chunk(kind, data=b""):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_image(width, height, rows=None):
    """IHDR, IDAT and IEND of an RGB picture: black with a white diagonal.
    `rows` limits the rows stored (a picture cut short)."""
    raw = bytearray()
    for y in range(height if rows is None else rows):
        raw.append(0)
        for x in range(width):
            raw += b"\xff\xff\xff" if x == y else b"\x00\x00\x00"
    return (chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND"))


MNG_SIGNATURE = b"\x8aMNG\r\n\x1a\n"


def mhdr(width, height, ticks=1000):
    # Ticks per second, layer count, frame count, play time, simplicity.
    return chunk(b"MHDR", struct.pack(">IIIIIII", width, height, ticks, 0, 0, 0, 0))


def loop(level, iterations):
    return chunk(b"LOOP", struct.pack(">BI", level, iterations))


def endl(level):
    return chunk(b"ENDL", struct.pack(">B", level))


def fram(delay):
    """Framing mode 1 with a new default delay between frames."""
    return chunk(b"FRAM", struct.pack(">BBBBBBI", 1, 0, 2, 0, 0, 0, delay))


def basi(width, height):
    """A picture of one colour, no pixel data: grey, 8 bits, opaque."""
    return chunk(b"BASI", struct.pack(">IIBBBBBHHHHB", width, height, 8, 0, 0, 0, 0, 128, 128, 128, 255, 1)) + chunk(b"IEND")


def mng_loop():
    """A picture, then a loop of nothing done 0x7fffffff times."""
    return MNG_SIGNATURE + mhdr(32, 32) + png_image(32, 32) + loop(0, 0x7FFFFFFF) + endl(0) + chunk(b"MEND")


def mng_nested_loops():
    """A picture, then three empty loops inside one another, 65535 times each."""
    return (MNG_SIGNATURE + mhdr(32, 32) + png_image(32, 32) + loop(0, 0xFFFF) + loop(1, 0xFFFF) + loop(2, 0xFFFF)
            + endl(2) + endl(1) + endl(0) + chunk(b"MEND"))


def mng_loop_of_frames():
    """A picture shown 0x7fffffff times with no delay between."""
    return (MNG_SIGNATURE + mhdr(32, 32) + fram(0) + loop(0, 0x7FFFFFFF) + png_image(32, 32) + endl(0)
            + chunk(b"MEND"))


def mng_term():
    """A TERM chunk that repeats the whole animation 0x7fffffff times
    without a delay; action 3 is "repeat", after it action 0 "show last"."""
    term = chunk(b"TERM", struct.pack(">BBII", 3, 0, 0, 0x7FFFFFFF))
    return MNG_SIGNATURE + mhdr(32, 32) + term + fram(0) + png_image(32, 32) + chunk(b"MEND")


def mng_many_layers(count, width, height):
    """`count` pictures of one colour, drawn one after the other with no
    delay, each filling `width` x `height` pixels."""
    return MNG_SIGNATURE + mhdr(32, 32) + fram(0) + png_image(32, 32) + basi(width, height) * count + chunk(b"MEND")


# --- GIF ---------------------------------------------------------------------

class Bits:
    """GIF packs LZW codes from the least significant bit up."""

    def __init__(self):
        self.out = bytearray()
        self.accumulator = 0
        self.count = 0

    def put(self, code, size):
        self.accumulator |= code << self.count
        self.count += size
        while self.count >= 8:
            self.out.append(self.accumulator & 0xFF)
            self.accumulator >>= 8
            self.count -= 8

    def finish(self):
        if self.count:
            self.out.append(self.accumulator & 0xFF)
        return bytes(self.out)


def lzw_expanding(pixels):
    """LZW codes for at least `pixels` pixels of colour 0 at the format's
    best compression: each code is the string just made plus one pixel,
    until the table is full, then the longest string again and again."""
    bits = Bits()
    clear, end = 4, 5
    size, limit, next_code = 3, 8, 6
    bits.put(clear, size)
    bits.put(0, size)
    made, length = 1, 1
    while made < pixels:
        if next_code < 4096:
            code = next_code
            length += 1
            next_code += 1
            bits.put(code, size)
            if next_code >= limit and limit < 4096:
                limit *= 2
                size += 1
        else:
            bits.put(4095, size)
        made += length
    bits.put(end, size)
    return bits.finish()


def sub_blocks(data):
    return b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255)) + b"\0"


def gif(screen, frame, pixels):
    """A GIF whose `screen` (width, height) holds one `frame` (width,
    height) at its top-left corner, whose LZW data makes `pixels` pixels."""
    header = b"GIF89a" + struct.pack("<HHBBB", screen[0], screen[1], 0x81, 0, 0)
    palette = b"\x00\x00\x00\xff\xff\xff" + b"\x00" * 6
    descriptor = b"," + struct.pack("<HHHHB", 0, 0, frame[0], frame[1], 0)
    return header + palette + descriptor + b"\x02" + sub_blocks(lzw_expanding(pixels)) + b";"


# --- JPEG --------------------------------------------------------------------

class JpegBits:
    """JPEG packs Huffman codes from the most significant bit down, with a
    zero byte stuffed after every 0xFF."""

    def __init__(self):
        self.out = bytearray()
        self.accumulator = 0
        self.count = 0

    def put(self, value, size):
        for i in range(size - 1, -1, -1):
            self.accumulator = (self.accumulator << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.accumulator)
                if self.accumulator == 0xFF:
                    self.out.append(0)
                self.accumulator = 0
                self.count = 0

    def finish(self):
        while self.count:
            self.put(1, 1)  # padded with ones
        return bytes(self.out)


def segment(marker, data):
    return b"\xff" + bytes([marker]) + struct.pack(">H", len(data) + 2) + data


def jpeg_many_scans(width, height, scans):
    """A grey progressive JPEG whose coefficients are all zero: one DC scan,
    then `scans` times the same AC scan, each a few runs of empty blocks
    (EOB14: a run of up to 32767 blocks in 15 bits)."""
    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    quantisation = segment(0xDB, b"\x00" + b"\x01" * 64)
    frame = segment(0xC2, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00")
    # Each table holds one code of one bit, "0": DC category 0, AC EOB14.
    dc_table = segment(0xC4, b"\x00" + b"\x01" + b"\x00" * 15 + b"\x00")
    ac_table = segment(0xC4, b"\x10" + b"\x01" + b"\x00" * 15 + b"\xe0")
    dc = JpegBits()
    for _ in range(blocks):
        dc.put(0, 1)
    dc_scan = segment(0xDA, b"\x01\x01\x00\x00\x00\x00") + dc.finish()
    ac = JpegBits()
    left = blocks
    while left:
        run = min(left, 32767)
        ac.put(0, 1)
        if run >= 1 << 14:
            ac.put(run - (1 << 14), 14)
        else:
            # Shorter runs: EOBn for n < 14 is not in this table, so the
            # block count is a multiple of 32767 or at least 16384.
            raise ValueError("block count must leave runs of at least 16384")
        left -= run
    ac_scan = segment(0xDA, b"\x01\x01\x00\x01\x3f\x00") + ac.finish()
    return (b"\xff\xd8" + quantisation + frame + dc_table + ac_table + dc_scan + ac_scan * scans + b"\xff\xd9")


# --- ICO and ICNS ------------------------------------------------------------

def ico_with_png(png):
    # A width and height byte of 0 stand for 256.
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 22)
    return directory + png


def icns_with_png(png):
    element = b"icp5" + struct.pack(">I", 8 + len(png)) + png
    return b"icns" + struct.pack(">I", 8 + len(element)) + element


def icns_of_empty_elements(count, container=None):
    """`count` empty elements of a type no reader knows, alone or inside a
    container of variants, which Qt's reader goes through as well."""
    elements = (b"zzzz" + struct.pack(">I", 8)) * count
    if container:
        elements = container + struct.pack(">I", 8 + len(elements)) + elements
    return b"icns" + struct.pack(">I", 8 + len(elements)) + elements


def png_file(width, height, rows):
    return b"\x89PNG\r\n\x1a\n" + png_image(width, height, rows)


def png_with_compressed_texts(count):
    """A 32 x 32 picture with `count` zTXt chunks before its pixels, each
    7.9 MB of text deflated to 7.7 kB, just under what libpng inflates."""
    text = chunk(b"zTXt", b"Comment\0\0" + zlib.compress(b"\0" * 7_900_000, 9))
    image = png_image(32, 32)
    header = 25  # IHDR's length, type, data and checksum
    return b"\x89PNG\r\n\x1a\n" + image[:header] + text * count + image[header:]


# --- The findings ------------------------------------------------------------

def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "findings")
    os.makedirs(folder, exist_ok=True)

    def write(name, data):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)

    write("hang_mng_loop_0x7fffffff_iterations.mng", mng_loop())
    write("hang_mng_three_nested_loops_of_65535.mng", mng_nested_loops())
    write("hang_mng_loop_of_0x7fffffff_frames_without_delay.mng", mng_loop_of_frames())
    # The MNG bound's first version read past this file for a canvas size it lacks.
    write("crash_mng_end_chunk_alone_read_past_file.mng", MNG_SIGNATURE + chunk(b"MEND"))
    write("slow_mng_100_layers_of_4096x4096.mng", mng_many_layers(100, 4096, 4096))
    write("slow_mng_5000_layers.mng", mng_many_layers(5000, 64, 64))
    write("hang_mng_term_repeats_0x7fffffff_times.mng", mng_term())
    write("slow_gif_65535x65535_frame_on_32x32_screen.gif", gif((32, 32), (65535, 65535), 4 << 30))
    write("slow_gif_lzw_runs_4g_pixels_past_32x32_frame.gif", gif((32, 32), (32, 32), 4 << 30))
    # 4096 x 4096 grey is 262144 blocks: eight runs of 32767 and one of 8.
    write("slow_jpeg_20000_progressive_scans.jpg", jpeg_many_scans(4088, 4096, 20000))
    # Few enough scans, but each goes over every block of a large picture.
    write("slow_jpeg_250_scans_over_4088x4096.jpg", jpeg_many_scans(4088, 4096, 250))
    write("ico_holding_16384x16384_png.ico", ico_with_png(png_file(16384, 16384, 4)))
    write("slow_png_100_compressed_texts_of_8mb.png", png_with_compressed_texts(100))
    write("slow_ico_png_100_compressed_texts_of_8mb.ico", ico_with_png(png_with_compressed_texts(100)))
    write("slow_icns_png_100_compressed_texts_of_8mb.icns", icns_with_png(png_with_compressed_texts(100)))
    # Qt's reader spends some 30 microseconds on each element.
    write("slow_icns_7990_empty_elements.icns", icns_of_empty_elements(7990))
    write("slow_icns_tile_variant_of_7990_empty_elements.icns", icns_of_empty_elements(7990, b"tile"))


if __name__ == "__main__":
    main()
