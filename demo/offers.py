"""The demo disc's advertisements (installing and special offers) and licences.

Advertisement\\<kind>\\AdCfg.ini lists picture pages; pictures lie per language
(English, German, Japanese: the names the translation library reports).
Eula\\EulaCfg.ini lists licence texts, stored per language id in front of the
file name (0409 English, 0407 German, 0411 Japanese, XX09 for any English).
"""
import struct
import zlib

AD_FOLDER = "Advertisement"
EULA_FOLDER = "Eula"
LANGUAGES = ["English", "German", "Japanese"]
LANGUAGE_IDS = {"English": "0409", "German": "0407", "Japanese": "0411"}


def png(width, height, top, bottom, band):
    """A vertical gradient with a horizontal band: cheap pictures that still tell pages apart."""
    rows = []
    for y in range(height):
        t = y / max(1, height - 1)
        colour = band if 0.42 < t < 0.58 else tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        rows.append(b"\x00" + bytes(colour) * width)
    raw = b"".join(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


# (section, picture, colours, DisplayTime in s, Detail, Button, Param)
INSTALLING_ADS = [
    ("Item1", "AppCenter.png", ((0, 60, 130), (0, 20, 50), (255, 140, 0)), 6, "", "Always", ""),
    ("Item2", "RGBFusion.png", ((120, 0, 90), (20, 0, 30), (0, 220, 255)), 6, "", "Always", ""),
    ("Item3", "SmartBackup.png", ((0, 100, 60), (0, 30, 20), (250, 250, 250)), 6, "", "Always", ""),
]
# Special pages: offers (picture names with "Google" make them offers) install the
# catalogue's own offer items; the others install a folder of their own.
SPECIAL_ADS = [
    ("Item1", "GoogleChrome.png", ((230, 230, 230), (180, 180, 180), (66, 133, 244)), 8,
     "..\\..\\Utilities\\GoogleChrome", "ByScript", "-s"),
    ("Item2", "GoogleToolbar.png", ((240, 240, 240), (190, 190, 190), (52, 168, 83)), 8,
     "..\\..\\Utilities\\GoogleToolbar", "ByScript", "-s"),
    ("Item3", "GameBoost.png", ((60, 0, 0), (10, 0, 0), (255, 60, 60)), 8, "GameBoost", "Always", ""),
]


def ad_config(ads):
    sections = {}
    for section, picture, _, seconds, detail, button, param in ads:
        entries = [("Detail", detail), ("Button", button), ("Language", "Auto"), ("Folder", "Images"),
                   ("Path", picture), ("DisplayTime", seconds)]
        if param:
            entries.append(("Param", param))
        sections[section] = entries
    return sections


def advertisement_files(ini_text, width, height):
    """{relative path: bytes} of both advertisement kinds (without installers)."""
    files = {}
    for kind, ads in (("Installing", INSTALLING_ADS), ("Special", SPECIAL_ADS)):
        base = f"{AD_FOLDER}/{kind}"
        files[f"{base}/AdCfg.ini"] = ini_text(ad_config(ads))
        for language in LANGUAGES:
            shade = LANGUAGES.index(language) * 12
            for _, picture, (top, bottom, band), *_ in ads:
                top = tuple(min(255, c + shade) for c in top)
                files[f"{base}/Images/{language}/{picture}"] = png(width, height, top, bottom, band)
    return files


# The special page of its own: a setup with nothing to detect (the page only advertises it).
GAME_BOOST_SETUP = {"Setup": [("Title", "OVRA Game Boost"), ("InstallMs", 2000), ("Window", 1)]}

# (section, Description, Path, File, EulaName, Execute)
EULAS = [
    ("Item1", "Google Chrome Terms of Service", "GoogleChrome", "_ChromeTerms.txt", "GoogleChrome", ""),
    ("Item2", "Google Toolbar Terms of Service", "GoogleToolbar", "_ToolbarTerms.txt", "GoogleToolbar", ""),
    ("Item3", "Google Privacy Policy", "GooglePrivacy", "_Privacy.txt", "GoogleChrome",
     "https://policies.google.com/privacy"),
    ("Item4", "OVRA Software License Agreement", "Ovra", "_License.txt", "Utilities", ""),
    ("Item5", "Realtek Software License", "Realtek", "_Realtek.txt", "Audio", ""),
]

EULA_TEXTS = {
    "English": "{name}\r\n\r\nThis is the demo disc's stand-in for the licence text. By installing the "
               "software you accept these terms.\r\n",
    "German": "{name}\r\n\r\nDies ist der Platzhalter der Demo-CD für den Lizenztext. Mit der Installation "
              "der Software stimmen Sie diesen Bedingungen zu.\r\n",
    "Japanese": "{name}\r\n\r\nこれはデモディスク用のライセンス文の代わりです。ソフトウェアをインストールすると、"
                "これらの条件に同意したことになります。\r\n",
}


def eula_files(ini_text):
    sections = {}
    files = {}
    for section, description, path, file, name, execute in EULAS:
        entries = [("Description", description), ("Path", path), ("File", file), ("EulaName", name)]
        if execute:
            entries.append(("Execute", execute))
        sections[section] = entries
        for language, text in EULA_TEXTS.items():
            data = b"\xff\xfe" + text.format(name=description).encode("utf-16-le")
            files[f"{EULA_FOLDER}/{path}/{LANGUAGE_IDS[language]}{file}"] = data
        files[f"{EULA_FOLDER}/{path}/XX09{file}"] = files[f"{EULA_FOLDER}/{path}/0409{file}"]
    files[f"{EULA_FOLDER}/EulaCfg.ini"] = ini_text(sections)
    return files
