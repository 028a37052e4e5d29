#!/usr/bin/env python3
"""Checks what Ardour made of Tolvo: its scan cache, its exports against the
gain law, and the state block inside its session files.

Each command prints one line saying what it found and exits 0 when that is
what Tolvo promises, 1 when not. The gain law, the smoother and the state
block layout are written out here independently of the plug-in's code.
"""
import base64
import math
import os
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

SMOOTHING = struct.unpack('<f', struct.pack('<f', 0.005))[0]
FLUSH = 2.0 ** -1021
TRIM_RANGES = (12.0, 24.0, 36.0)
STATE_FORMAT = '<7f7i'
STATE_SIZE = 56
# The block in an LV2 state file: the property, its base64 text and its type.
LV2_BLOCK = re.compile(r'(<urn:corvath:tolvo#state> ")([A-Za-z0-9+/=]*)("\^\^xsd:base64Binary)')

# Where the editor's controls draw, as (left, top, right, bottom) in editor
# coordinates, each grown by CONTROL_MARGIN: fader, dial, the five lamp
# switches, the Gain and Trim value fields (as large as their grown view
# size), the peak and RMS readouts and the logo. Every other pixel of the
# editor window shows the panel image unchanged.
EDITOR_SIZE = (265, 534)
CONTROL_MARGIN = 2
CONTROL_RECTS = (
    (57, 48, 153, 449), (180, 156, 211, 187),
    (179, 297, 231, 316), (179, 371, 231, 390), (179, 334, 231, 353),
    (58, 448, 96, 468), (179, 408, 231, 427),
    (109, 449, 168, 471), (167, 190, 226, 212),
    (179, 65, 212, 75), (179, 108, 212, 118),
    (7, 71, 46, 123),
)
# Largest colour difference of one channel still counted as equal, and the
# share of panel pixels allowed to differ beyond it.
PIXEL_TOLERANCE = 2
PANEL_MISMATCH_ALLOWED = 0.001


def f32(value):
    return struct.unpack('<f', struct.pack('<f', value))[0]


def signal(n):
    """Sample n of the check signal (the Lua generator writes the same)."""
    return ((n * 7919) % 2001 - 1000) / 1024


def fader_gain(value):
    return f32(f32(f32(8.0 * value) * value) * value)


def trim_gain(value, trim_range):
    decibels = TRIM_RANGES[trim_range % 3]
    exponent = f32(f32(f32(f32(2.0 * value) - 1.0) * decibels) / 20.0)
    return f32(math.pow(10.0, exponent))


def target_gain(values, trim_range):
    gain, trim, phase, mute, bypass = (f32(v) for v in values)
    if bypass >= 0.5:
        return 1.0
    sign = -1.0 if phase >= 0.5 else 1.0
    mute_factor = 0.0 if mute >= 0.5 else 1.0
    return sign * (trim_gain(trim, trim_range) * fader_gain(gain)) * mute_factor


def expected_output(values, trim_range, length, start_gain):
    """The plug-in's output for the check signal, sample by sample, with the
    smoother starting at start_gain."""
    target = target_gain(values, trim_range)
    current = start_gain
    out = []
    for n in range(length):
        current += (target - current) * SMOOTHING
        if abs(current) < FLUSH:
            current = 0.0
        y = f32(signal(n)) * current
        if abs(y) < FLUSH:
            y = 0.0
        out.append(f32(y))
    return out


def read_first_channel(path):
    data = open(path, 'rb').read()
    if data[:4] != b'RIFF' or data[8:12] != b'WAVE':
        raise ValueError('%s is not a WAV file' % path)
    position, fmt, body = 12, None, None
    while position + 8 <= len(data):
        chunk_id = data[position:position + 4]
        size = struct.unpack('<I', data[position + 4:position + 8])[0]
        if chunk_id == b'fmt ':
            fmt = struct.unpack('<HHIIHH', data[position + 8:position + 24])
        elif chunk_id == b'data':
            body = data[position + 8:position + 8 + size]
        position += 8 + size + (size & 1)
    if not fmt or body is None:
        raise ValueError('%s has no format or no data' % path)
    encoding, channels, _, _, _, bits = fmt
    if encoding != 3 or bits != 32:
        raise ValueError('%s is not 32-bit float' % path)
    samples = struct.unpack('<%df' % (len(body) // 4), body)
    return list(samples[0::channels])


def check_render(args):
    """render WAV g,t,p,m,b TRIM_RANGE: the export equals the gain law from
    sample 0 with the smoother on target (the host resumes before it
    renders)."""
    path, values, trim_range = args[0], [float(v) for v in args[1].split(',')], int(args[2])
    got = read_first_channel(path)
    if len(got) == 0:
        return False, 'empty export'
    target = target_gain(values, trim_range)
    want = expected_output(values, trim_range, len(got), target)
    for n, (a, b) in enumerate(zip(got, want)):
        if a != b:
            settled = expected_output(values, trim_range, len(got), 1.0)
            hint = ' (matches a fade from unity there)' if a == settled[n] else ''
            return False, 'sample %d is %r, the law gives %r%s' % (n, a, b, hint)
    return True, '%d samples equal the law, gain %.9g from sample 0' % (len(got), target)


def plugin_state_node(session_file):
    root = ElementTree.parse(session_file).getroot()
    for processor in root.iter('Processor'):
        if processor.get('type') in ('lxvst', 'lv2') and processor.get('name') == 'Tolvo':
            return processor
    raise ValueError('no Tolvo processor in %s' % session_file)


def lv2_state_file(session_file):
    """The LV2 state Ardour keeps beside the session for the Tolvo insert."""
    processor = plugin_state_node(session_file)
    state_dir = processor.find('lv2').get('state-dir')
    return os.path.join(os.path.dirname(session_file), 'plugins', processor.get('id'),
                        state_dir, 'state.ttl')


def saved_block_text(session_file):
    processor = plugin_state_node(session_file)
    if processor.get('type') == 'lv2':
        match = LV2_BLOCK.search(open(lv2_state_file(session_file), encoding='utf-8').read())
        return match.group(2) if match else None
    chunk = processor.find('lxvst/chunk')
    return chunk.text if chunk is not None else None


def saved_block(session_file):
    text = saved_block_text(session_file)
    if not text:
        raise ValueError('no state block saved')
    raw = base64.b64decode(text)
    if len(raw) != STATE_SIZE:
        raise ValueError('state block of %d bytes' % len(raw))
    return struct.unpack(STATE_FORMAT, raw)


def parse_block(text):
    words = text.split(',')
    return [float(w) for w in words[:7]] + [int(w) for w in words[7:]]


def block_text(block):
    return ','.join('%.9g' % w for w in block)


def check_block(args):
    """block SESSION FIRST LAST EXPECTED: words FIRST..LAST of the saved
    block hold the expected values (all fourteen given as a list)."""
    session_file, first, last, expected = args[0], int(args[1]), int(args[2]), parse_block(args[3])
    block = saved_block(session_file)
    for index in range(first, last + 1):
        want = f32(expected[index]) if index < 7 else expected[index]
        if block[index] != want:
            return False, 'word %d (offset %d) is %r, expected %r; block %s' % (
                index, 4 * index, block[index], want, block_text(block))
    return True, 'words %d..%d are %s' % (first, last, block_text(block[first:last + 1]))


def edit_state(args):
    """edit SESSION BLOCK HOST_VALUES: replaces the saved block and sets the
    host's own stored parameter values to different numbers."""
    session_file, block, host_values = args[0], parse_block(args[1]), args[2].split(',')
    text = open(session_file, encoding='utf-8').read()
    encoded = base64.b64encode(struct.pack(STATE_FORMAT, *block)).decode('ascii')
    start = text.index('type="lxvst"')
    end = text.index('</Processor>', start)
    part = text[start:end]
    part, count = re.subn(r'(<chunk[^>]*>)[^<]*(</chunk>)', r'\g<1>%s\g<2>' % encoded, part)
    if count != 1:
        return False, 'found %d state blocks' % count
    for index, value in enumerate(host_values):
        part, count = re.subn(r'(<Controllable [^>]*value=")[^"]*("[^>]*parameter="%d"/>)' % index,
                              r'\g<1>%s\g<2>' % value, part)
        if count != 1:
            return False, 'found %d stored values for parameter %d' % (count, index)
    open(session_file, 'w', encoding='utf-8').write(text[:start] + part + text[end:])
    return True, 'block %s, host values %s' % (block_text(block), ','.join(host_values))


def show_editor(args):
    """show-editor SESSION: marks the Tolvo insert's editor window as open in
    the session's window states, so Ardour's GUI opens it with the session."""
    session_file = args[0]
    root = ElementTree.parse(session_file).getroot()
    processor = plugin_state_node(session_file)
    route = next((r for r in root.iter('Route') if processor.get('id') in
                  [p.get('id') for p in r.iter('Processor')]), None)
    if route is None:
        return False, 'no route holds the Tolvo insert'
    if root.find('Extra') is not None:
        return False, 'the session already has window states'
    window = '<Window name="P-%s-%s" visible="1" x-off="0" y-off="0" x-size="-1" y-size="-1" custom-ui="1"/>' % (
        route.get('id'), processor.get('id'))
    text = open(session_file, encoding='utf-8').read()
    end = text.rindex('</Session>')
    text = text[:end] + '  <Extra>\n    <UI>\n      %s\n    </UI>\n  </Extra>\n' % window + text[end:]
    open(session_file, 'w', encoding='utf-8').write(text)
    return True, window


def rgb_pixels(path):
    """Width, height and the RGB bytes of an image, through ImageMagick."""
    size = subprocess.run(['identify', '-format', '%w %h', path], check=True,
                          capture_output=True, text=True).stdout.split()
    raw = subprocess.run(['convert', path, '-alpha', 'off', '-depth', '8', 'rgb:-'],
                         check=True, capture_output=True).stdout
    return int(size[0]), int(size[1]), raw


def uncovered(x, y):
    return not any(left - CONTROL_MARGIN <= x < right + CONTROL_MARGIN and
                   top - CONTROL_MARGIN <= y < bottom + CONTROL_MARGIN
                   for left, top, right, bottom in CONTROL_RECTS)


def check_panel(args):
    """panel SCREENSHOT PANEL: the editor window is 265 x 534 and shows the
    panel image wherever no control draws."""
    width, height, shot = rgb_pixels(args[0])
    if (width, height) != EDITOR_SIZE:
        return False, 'the window is %d x %d' % (width, height)
    panel_width, panel_height, panel = rgb_pixels(args[1])
    if (panel_width, panel_height) != EDITOR_SIZE:
        return False, 'the panel image is %d x %d' % (panel_width, panel_height)
    compared = differing = 0
    first = None
    for y in range(height):
        for x in range(width):
            if not uncovered(x, y):
                continue
            compared += 1
            at = 3 * (y * width + x)
            if max(abs(shot[at + c] - panel[at + c]) for c in range(3)) > PIXEL_TOLERANCE:
                differing += 1
                first = first or (x, y, tuple(shot[at:at + 3]), tuple(panel[at:at + 3]))
    if differing > compared * PANEL_MISMATCH_ALLOWED:
        return False, '%d of %d panel pixels differ, the first at (%d, %d): %s instead of %s' % (
            differing, compared, *first)
    return True, '%d x %d window; %d of %d pixels outside the controls equal the panel' % (
        width, height, compared - differing, compared)


def check_scan(args):
    """scan CACHE_FILE: the scanner's record of the module."""
    info = ElementTree.parse(args[0]).getroot().find('VST2Info')
    if info is None:
        return False, 'no plug-in in the scan'
    want = {'name': 'Tolvo', 'creator': 'Corvath', 'id': str(0x546C764D),
            'n_inputs': '1', 'n_outputs': '1', 'category': 'Effect', 'has_editor': '1'}
    wrong = ['%s=%r (expected %r)' % (k, info.get(k), v) for k, v in want.items() if info.get(k) != v]
    if wrong:
        return False, ', '.join(wrong)
    return True, ', '.join('%s=%s' % (k, info.get(k)) for k in want)


COMMANDS = {'render': check_render, 'block': check_block, 'edit': edit_state, 'scan': check_scan,
            'show-editor': show_editor, 'panel': check_panel}


def main(commands=None, program='verify.py'):
    """Runs the command the arguments name; other scripts pass their own."""
    commands = commands or COMMANDS
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        print('usage: %s %s ...' % (program, '|'.join(commands)))
        return 2
    try:
        passed, message = commands[sys.argv[1]](sys.argv[2:])
    except (OSError, ValueError, IndexError, struct.error, ElementTree.ParseError,
            subprocess.CalledProcessError) as error:
        passed, message = False, str(error)
    print(message)
    return 0 if passed else 1


if __name__ == '__main__':
    sys.exit(main())
