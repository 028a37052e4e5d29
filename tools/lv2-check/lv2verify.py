#!/usr/bin/env python3
"""Checks of the LV2 edition: writes the check signal, compares a render with
the gain law and with another render, and edits and reads the state Ardour
saved. Port values arrive in dB and are turned into the normalized values the
law takes, written out here independently of the plug-in's code; the law
itself is the host check's.

Each check prints one line and exits 0 when it holds, 1 when not.
"""
import base64
import math
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'host-check'))
import verify  # noqa: E402

SILENCE_DB = -90.0
TRIM_RANGE_WORD = 2
TRIM_RANGE_DB = 36.0
RATE = 44100


def gain_normalized(decibels):
    if decibels <= SILENCE_DB:
        return 0.0
    gain = verify.f32(math.pow(10.0, decibels / 20.0))
    return verify.f32(math.pow(verify.f32(gain * 0.125), 1.0 / 3.0))


def trim_normalized(decibels):
    decibels = max(-TRIM_RANGE_DB, min(TRIM_RANGE_DB, decibels))
    return verify.f32(verify.f32(TRIM_RANGE_DB + decibels) / (2.0 * TRIM_RANGE_DB))


def normalized_values(decibel_values):
    """Gain dB, Trim dB, Phase, Mute, Bypass as the block's five normalized words."""
    gain_db, trim_db, phase, mute, bypass = (float(v) for v in decibel_values.split(','))
    return [gain_normalized(gain_db), trim_normalized(trim_db), phase, mute, bypass]


def print_normalized(args):
    """normalized GAIN_DB,TRIM_DB,PHASE,MUTE,BYPASS: prints the five block words."""
    return True, ','.join('%r' % v for v in normalized_values(args[0]))


def edit_state(args):
    """edit SESSION BLOCK: replaces the block in the LV2 state file of the
    session's Tolvo insert."""
    session_file, block = args[0], verify.parse_block(args[1])
    path = verify.lv2_state_file(session_file)
    text = open(path, encoding='utf-8').read()
    encoded = base64.b64encode(struct.pack(verify.STATE_FORMAT, *block)).decode('ascii')
    text, count = verify.LV2_BLOCK.subn(r'\g<1>%s\g<3>' % encoded, text)
    if count != 1:
        return False, 'found %d state blocks in %s' % (count, path)
    open(path, 'w', encoding='utf-8').write(text)
    return True, 'block %s' % verify.block_text(block)


def check_flipped(args):
    """flipped SESSION: the saved session holds Phase off, in Ardour's port value
    and in the block (the check session was saved with Phase on)."""
    session_file = args[0]
    port = verify.plugin_state_node(session_file).find("lv2/Port[@symbol='phase']")
    port_value = None if port is None else float(port.get('value'))
    word = verify.saved_block(session_file)[2]
    return port_value == 0.0 and word == 0.0, 'phase port %r, block word %r' % (port_value, word)


def write_signal(args):
    """signal OUT.wav LENGTH: the check signal as mono 32-bit float."""
    path, length = args[0], int(args[1])
    body = struct.pack('<%df' % length, *(verify.signal(n) for n in range(length)))
    fmt = struct.pack('<HHIIHH', 3, 1, RATE, RATE * 4, 4, 32)
    with open(path, 'wb') as out:
        out.write(b'RIFF' + struct.pack('<I', 4 + 8 + len(fmt) + 8 + len(body)) + b'WAVE')
        out.write(b'fmt ' + struct.pack('<I', len(fmt)) + fmt)
        out.write(b'data' + struct.pack('<I', len(body)) + body)
    return True, 'wrote %d samples' % length


def check_law(args):
    """law WAV GAIN_DB,TRIM_DB,PHASE,MUTE,BYPASS: the render equals the gain
    law from sample 0."""
    values = ','.join('%r' % v for v in normalized_values(args[1]))
    return verify.check_render([args[0], values, str(TRIM_RANGE_WORD)])


def check_same(args):
    """same A.wav B.wav: both renders hold the same samples."""
    first, second = verify.read_first_channel(args[0]), verify.read_first_channel(args[1])
    if len(first) != len(second):
        return False, '%d samples against %d' % (len(first), len(second))
    for n, (a, b) in enumerate(zip(first, second)):
        if a != b:
            return False, 'sample %d is %r against %r' % (n, a, b)
    return True, '%d samples equal' % len(first)


COMMANDS = {'signal': write_signal, 'law': check_law, 'same': check_same,
            'normalized': print_normalized, 'edit': edit_state, 'flipped': check_flipped}


if __name__ == '__main__':
    sys.exit(verify.main(COMMANDS, 'lv2verify.py'))
