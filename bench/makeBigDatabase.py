"""Writes a PalmDoc database of about the given size in megabytes, for timing conversions.

usage: makeBigDatabase.py out.pdb [megabytes]
"""

import os
import random
import struct
import sys

RECORD = 4096


def main():
    out = sys.argv[1]
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    count = min(megabytes * 1024 * 1024 // RECORD, 65534)
    rng = random.Random(1)
    block = bytes(rng.getrandbits(8) for _ in range(RECORD * 16))
    records = [struct.pack(">HHIHHI", 2, 0, count * RECORD, count, RECORD, 0)]
    records += [block[(i % 16) * RECORD:(i % 16 + 1) * RECORD] for i in range(count)]
    header = struct.pack(">32sHHIIIIII4s4sIIH", b"Big Book", 0, 0, 0, 0, 0, 0, 0, 0, b"TEXt",
                         b"REAd", 0, 0, len(records))
    offset = len(header) + 8 * len(records) + 2
    with open(out, "wb") as file:
        file.write(header)
        for index, record in enumerate(records):
            file.write(struct.pack(">II", offset, 0x406F8000 + index))
            offset += len(record)
        file.write(b"\0\0")
        for record in records:
            file.write(record)
    print(f"{out}: {os.path.getsize(out)} bytes, {len(records)} records")


if __name__ == "__main__":
    main()
