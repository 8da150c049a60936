"""What the windows read from a layout, parsed from the program's own table
(src/ui/skin/SkinManifest.inc), so the generated skins follow the program."""
import dataclasses
import pathlib
import re

MANIFEST = pathlib.Path(__file__).resolve().parents[2] / "src" / "ui" / "skin" / "SkinManifest.inc"

_CALL = re.compile(r"^(SKIN_[A-Z]+)\((.*)\)\s*$")
_ARGUMENT = re.compile(r'\s*(L"(?:[^"\\]|\\.)*"|[A-Za-z0-9_]+)\s*(?:,|$)')


@dataclasses.dataclass(frozen=True)
class Image:
    file: str    # relative to the layout folder, "/" as separator
    size: str    # Exact, AtLeast or Any
    width: int
    height: int
    pixels: str  # Plain, ColourKey, Alpha or SeeThrough


@dataclasses.dataclass(frozen=True)
class Key:
    section: str
    key: str
    kind: str    # Int, Percent or Colour


@dataclasses.dataclass
class Window:
    name: str
    images: list
    keys: list


def _arguments(text):
    values, pos = [], 0
    while pos < len(text):
        match = _ARGUMENT.match(text, pos)
        if not match:
            raise ValueError(f"cannot read the arguments {text!r}")
        token = match.group(1)
        if token.startswith('L"'):
            values.append(token[2:-1].encode().decode("unicode_escape").replace("\\", "/"))
        elif token.isdigit():
            values.append(int(token))
        else:
            values.append(token)
        pos = match.end()
    return values


def state_files(stem):
    """The four looks in the order the program lists them: normal, selected, focused, disabled."""
    return [f"{stem}_{state}.png" for state in "nsfd"]


def windows(path=MANIFEST):
    result = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = _CALL.match(line.strip())
        if not match:
            continue
        name, args = match.group(1), _arguments(match.group(2))
        try:
            if name == "SKIN_WINDOW":
                result.append(Window(args[0], [], []))
            elif name == "SKIN_IMAGE":
                result[-1].images.append(Image(*args))
            elif name == "SKIN_STATES":
                stem, *need = args
                result[-1].images.extend(Image(file, *need) for file in state_files(stem))
            elif name == "SKIN_FRAMES":
                prefix, digits, suffix, count, *need = args
                result[-1].images.extend(Image(f"{prefix}{n:0{digits}d}{suffix}", *need) for n in range(1, count + 1))
            elif name == "SKIN_KEY":
                result[-1].keys.append(Key(*args))
            else:
                raise ValueError(f"unknown entry {name}")
        except (TypeError, IndexError) as error:
            raise ValueError(f"{path}:{number}: {error}") from error
    return result


def images(path=MANIFEST):
    """Every image once, by file name (the windows agree on what they need of a shared file)."""
    found = {}
    for window in windows(path):
        for image in window.images:
            if found.setdefault(image.file, image) != image:
                raise ValueError(f"{image.file}: windows disagree on what they need")
    return found


def keys(path=MANIFEST):
    """Every Layout.ini value once: {(section, key): kind}."""
    found = {}
    for window in windows(path):
        for key in window.keys:
            found.setdefault((key.section, key.key), key.kind)
    return found
