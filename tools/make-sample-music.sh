#!/usr/bin/env bash
# Gives jelt something to play on a machine that has no music for it: four short tunes of
# sine and square tones, generated here and encoded to MP3 with lame, in DIR/sample-music/,
# stored as the music directory in DIR/jelt.ini (section "Dir", key "DIR1"). Run by
# `make run`.
#
#   tools/make-sample-music.sh DIR      DIR: where jelt and its jelt.ini live
#
# Nothing is done when jelt.ini already names a music directory, and the tunes are made
# only when their directory is missing, so it can run before every start.
set -euo pipefail

dir=${1:?usage: tools/make-sample-music.sh DIR}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
ini="$dir/jelt.ini"
music="$dir/sample-music"

# The tunes and the settings file, in python3: `tune NAME WAV` writes a tune as a WAV file
# (16-bit mono at 44.1 kHz); `stored INI` succeeds when the file names a music directory;
# `store INI DIR` names one.
read -r -d '' helper <<'PY' || true
import math, struct, sys, wave

RATE = 44100
# Semitones from A4 (440 Hz) of the notes the tunes use; "r" is a rest.
NOTES = {"C4": -9, "D4": -7, "E4": -5, "F4": -4, "G4": -2, "A4": 0, "B4": 2,
         "C5": 3, "D5": 5, "E5": 7, "F5": 8, "G5": 10, "A5": 12,
         "A3": -12, "C#5": 4, "E3": -17, "G#4": -1, "B3": -10}

# name: (wave, beats per minute, [(note, beats), ...]), each 10 to 20 seconds long.
TUNES = {
    "joy": ("sine", 132,
            [(n, 1) for n in "E4 E4 F4 G4 G4 F4 E4 D4 C4 C4 D4 E4".split()] +
            [("E4", 1.5), ("D4", 0.5), ("D4", 2)] +
            [(n, 1) for n in "E4 E4 F4 G4 G4 F4 E4 D4 C4 C4 D4 E4".split()] +
            [("D4", 1.5), ("C4", 0.5), ("C4", 2)]),
    "star": ("square", 120,
             [(n, 1) for n in "C5 C5 G5 G5 A5 A5".split()] + [("G5", 2)] +
             [(n, 1) for n in "F5 F5 E5 E5 D5 D5".split()] + [("C5", 2)] +
             [(n, 1) for n in "G5 G5 F5 F5 E5 E5".split()] + [("D5", 2)]),
    "john": ("sine", 150,
             [(n, 1) for n in "C4 D4 E4 C4 C4 D4 E4 C4 E4 F4".split()] + [("G4", 2)] +
             [(n, 1) for n in "E4 F4".split()] + [("G4", 2)] +
             [(n, 0.5) for n in "G4 A4 G4 F4".split()] + [("E4", 1), ("C4", 1)] +
             [(n, 0.5) for n in "G4 A4 G4 F4".split()] + [("E4", 1), ("C4", 1)] +
             [("C4", 1), ("A3", 1), ("C4", 2), ("C4", 1), ("A3", 1), ("C4", 2)]),
    "night": ("square", 140,
              [(n, 0.5) for n in ("A3 C5 E4 A4 " * 4 + "E3 B3 G#4 E4 " * 2 +
                                  "A3 C5 E4 A4 " * 2 + "G4 B4 D5 G4 " * 2 + "A3 E4 A4 C5 " * 2
                                  ).split()] + [("A4", 2), ("r", 1)]),
}


def tune(name, path):
    shape, bpm, notes = TUNES[name]
    beat = 60.0 / bpm
    out = bytearray()
    for note, beats in notes:
        count = int(RATE * beat * beats)
        if note == "r":
            out += bytes(2 * count)
            continue
        step = 440.0 * 2 ** (NOTES[note] / 12.0) / RATE
        # A short rise and a fall to silence at the end of each note keep the notes apart
        # and free of clicks.
        rise, fall = int(0.01 * RATE), int(0.08 * RATE)
        samples = []
        phase = 0.0
        for i in range(count):
            level = min(1.0, i / rise, (count - i) / fall)
            if shape == "sine":
                value = math.sin(2 * math.pi * phase)
            else:
                value = 0.45 if phase < 0.5 else -0.45
            samples.append(int(9000 * level * value))
            phase = (phase + step) % 1.0
        out += struct.pack("<%dh" % count, *samples)
    with wave.open(path, "wb") as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(bytes(out))


def lines(path):
    try:
        with open(path, "rb") as f:
            return f.read().decode("cp1252", "replace").splitlines()
    except FileNotFoundError:
        return []


def section_and_key(text_lines):
    """The index of the [Dir] heading and of its Dir1 key line, each None when missing;
    names match without regard to case, as the program's own settings code has them."""
    heading = key = None
    for i, line in enumerate(text_lines):
        line = line.strip()
        if line.startswith("[") and "]" in line:
            if heading is not None:
                break
            if line[1:line.rfind("]")].strip().lower() == "dir":
                heading = i
        elif heading is not None and "=" in line and not line.startswith(";"):
            if line.split("=", 1)[0].strip().lower() == "dir1":
                key = i
                break
    return heading, key


def stored(path):
    text_lines = lines(path)
    _, key = section_and_key(text_lines)
    return key is not None and text_lines[key].split("=", 1)[1].strip() != ""


def store(path, directory):
    text_lines = lines(path)
    heading, key = section_and_key(text_lines)
    entry = "DIR1=" + directory
    if key is not None:
        text_lines[key] = entry
    elif heading is not None:
        text_lines.insert(heading + 1, entry)
    else:
        text_lines += ["[Dir]", entry]
    with open(path, "wb") as f:
        f.write(("\r\n".join(text_lines) + "\r\n").encode("cp1252", "replace"))


command = sys.argv[1]
if command == "tune":
    tune(sys.argv[2], sys.argv[3])
elif command == "stored":
    sys.exit(0 if stored(sys.argv[2]) else 1)
elif command == "store":
    store(sys.argv[2], sys.argv[3])
PY

if python3 -c "$helper" stored "$ini"; then
  exit 0
fi

if [[ ! -d "$music" ]]; then
  echo "making the sample music in $music" >&2
  work=$(mktemp -d "$dir/.sample-music.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  # file name, tune, then the ID3v1 title, artist, album, year and comment; one without.
  while IFS='|' read -r file name title artist album year comment; do
    tags=()
    [[ -n "$title" ]] && tags=(--id3v1-only --tt "$title" --ta "$artist" --tl "$album"
                               --ty "$year" --tc "$comment")
    python3 -c "$helper" tune "$name" "$work/$name.wav"
    lame --quiet -m m -b 128 "${tags[@]}" "$work/$name.wav" "$work/$file"
    rm "$work/$name.wav"
  done <<'TUNES'
Morning_Walk.mp3|joy|Morning Walk|The Sine Waves|jelt samples|2001|made for make run
Little_Star.mp3|star|Little Star|Square Dance Band|jelt samples|2001|
Brother_John.mp3|john|Brother John|The Sine Waves|jelt samples|2001|a round
Night_Arpeggios.mp3|night||||||
TUNES
  chmod 755 "$work"
  mv "$work" "$music"
  trap - EXIT
fi

python3 -c "$helper" store "$ini" "$music"
echo "jelt plays the sample music in $music (stored in $ini)" >&2
