"""The demo disc's advertisements (installing and special offers) and licences.

Advertisement\\<kind>\\AdCfg.ini lists picture pages; pictures lie per language
(English, German, Japanese: the names the translation library reports).
Every layout has a set in its colours; LayoutCfg.ini names them by layout.
Eula\\EulaCfg.ini lists licence texts, stored per language id in front of the
file name (0409 English, 0407 German, 0411 Japanese, XX09 for any English).
"""
from skin import adverts, canvas

AD_FOLDER = "Advertisement"
EULA_FOLDER = "Eula"
LANGUAGES = ["English", "German", "Japanese"]
LANGUAGE_IDS = {"English": "0409", "German": "0407", "Japanese": "0411"}

# (section, picture, DisplayTime in s, installer folder from the disc's root, Button, Param);
# the pictures are skin.adverts' drawings.
INSTALLING_ADS = [
    ("Item1", "AppCenter.png", 6, "", "Always", ""),
    ("Item2", "RGBFusion.png", 6, "", "Always", ""),
    ("Item3", "SmartBackup.png", 6, "", "Always", ""),
]
# Special pages: offers (picture names with "Google" make them offers) install the
# catalogue's own offer items; the others install a folder of their own.
SPECIAL_ADS = [
    ("Item1", "GoogleChrome.png", 8, "Utilities\\GoogleChrome", "ByScript", "-s"),
    ("Item2", "GoogleToolbar.png", 8, "Utilities\\GoogleToolbar", "ByScript", "-s"),
    ("Item3", "GameBoost.png", 8, f"{AD_FOLDER}\\Special\\GameBoost", "Always", ""),
]
KINDS = (("Installing", INSTALLING_ADS, adverts.INSTALLING_ADVERTS), ("Special", SPECIAL_ADS, adverts.SPECIAL_ADVERTS))


def relative(kind_folder, target):
    """The disc's folder target as a path from the kind's folder (Detail is read from there)."""
    here, there = kind_folder.split("/"), target.split("\\")
    same = 0
    while same < min(len(here), len(there)) and here[same] == there[same]:
        same += 1
    return "\\".join([".."] * (len(here) - same) + there[same:])


def ad_config(ads, kind_folder):
    sections = {}
    for section, picture, seconds, installer, button, param in ads:
        detail = relative(kind_folder, installer) if installer else ""
        entries = [("Detail", detail), ("Button", button), ("Language", "Auto"), ("Folder", "Images"),
                   ("Path", picture), ("DisplayTime", seconds)]
        if param:
            entries.append(("Param", param))
        sections[section] = entries
    return sections


def advertisement_files(ini_text, palette, folder=AD_FOLDER):
    """{relative path: bytes} of both advertisement kinds (without installers), drawn in the palette,
    as the set in folder."""
    files = {}
    for kind, ads, drawings in KINDS:
        base = f"{folder}/{kind}"
        files[f"{base}/AdCfg.ini"] = ini_text(ad_config(ads, base))
        by_name = {advert.picture: advert for advert in drawings}
        for language in LANGUAGES:
            for _, picture, *_ in ads:
                advert = by_name[picture]
                drawn = adverts.draw(palette, advert, language)
                faults = adverts.problems(drawn, advert.frame)
                if faults:
                    raise ValueError(f"{kind}/{language}/{picture}: " + "; ".join(faults))
                files[f"{base}/Images/{language}/{picture}"] = canvas.png(drawn.image)
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
