#!/usr/bin/env python3
"""Builds the demo support disc.

    python3 demo/generate.py BUILD_BIN_DIR OUT_DIR

BUILD_BIN_DIR is a build's bin folder (build/win64/bin for the test build):
the program, its check tool and the disc companions are copied from there.
Static files under demo/disc/ are copied verbatim; everything else comes from
the small functions below (one per generated part), so extending the disc
means adding a file under demo/disc/ or a function to GENERATED_PARTS.
The catalogue and its items' setups come from catalog.py, advertisements and
licences from offers.py.
The disc is assembled in a sibling folder and swapped in at the end, so an
interrupted run never leaves a half-written disc behind.
"""
import hashlib
import os
import pathlib
import shutil
import sys

import catalog
import offers
from skin import colour as skin_colour
from skin import layout as skin_layout
from skin import manifest as skin_manifest

HERE = pathlib.Path(__file__).resolve().parent
STATIC_DIR = HERE / "disc"

PROGRAM = ["Dezozi2.exe", "Dezozi2Check.exe"]
# Libraries and programs of the disc, by their fixed names.
COMPANIONS = ["VeVirodOvuz.dll", "ACPIWMI.dll", "OvcdDmi.dll", "OvTaskSched.dll", "OvSetup.exe", "TermsOfUse.exe"]
# Every installer folder holds the stand-in setup; the resume loader lies in its own folder.
SETUP_PROGRAM = "OvraSetup.exe"
LOADER_FOLDER = "Pavv2Load"
LOADER = "Loading.exe"
LOADER_PICTURE = HERE.parent / "disc" / "Loading" / "Loading.png"
CATALOG_SOURCE = "Ovcd.ini"

LAYOUT_ROOT = "Layout"
LAYOUT_NAMES = ["VEQ", "ODA", "MAV", "QO", "KRAG"]
FILE_LIST = "Document\\FileList.txt"


class Theme:
    """The colours and sizes of one layout; keys of Layout.ini are mapped onto these roles."""

    def __init__(self, colours, **roles):
        self.colours = colours  # the base colours as (r, g, b), for the skin's pictures
        self.roles = roles

    def __getitem__(self, role):
        return self.roles[role]


def rgb(r, g, b):
    for c in (r, g, b):
        if not 0 <= c <= 255:
            raise ValueError(f"colour component {c} out of range")
    return f"RGB({r},{g},{b})"


def theme(accent, accent_light, text, dim, panel, title, link, large=0):
    """A complete palette from a few base colours; large adds to every font size."""
    colours = dict(accent=accent, accent_light=accent_light, text=text, dim=dim, panel=panel, title=title, link=link)
    # Links on the white tool tip, and the pointer-over colour of texts on the layout's own surfaces.
    tip_link = skin_colour.darkened_until(accent, skin_colour.WHITE, 4.5)
    hover = accent_light if skin_colour.Palette(**colours).dark else skin_colour.darkened_until(accent, panel, 4.5)
    return Theme(
        colours,
        tip_link=rgb(*tip_link), tip_link_hover=rgb(*skin_colour.mix(tip_link, skin_colour.BLACK, 0.25)),
        tip_link_pressed=rgb(*skin_colour.mix(tip_link, skin_colour.BLACK, 0.45)), hover=rgb(*hover),
        accent=rgb(*accent), accent_light=rgb(*accent_light), text=rgb(*text), dim=rgb(*dim),
        panel=rgb(*panel), title=rgb(*title), link=rgb(*link), white=rgb(255, 255, 255),
        black=rgb(0, 0, 0), grey=rgb(128, 128, 128), dark=rgb(32, 32, 32),
        size_title=20 + large, size_tab=16 + large, size_text=15 + large, size_small=13 + large,
        size_list_title=20 + large, size_header=14 + large, size_button=15 + large,
        size_popup_title=18 + large, size_tip=13 + large, size_eula_1=18 + large,
        size_eula_2=15 + large, size_eula_3=13 + large, size_eula_4=12 + large,
        size_mask=16 + large, size_mask_small=12 + large,
    )


# Each layout is a board line's skin; the palettes follow the boards' colours.
THEMES = {
    "VEQ": theme(accent=(0, 92, 185), accent_light=(84, 160, 235), text=(235, 240, 248), dim=(120, 130, 145),
                 panel=(22, 34, 52), title=(255, 255, 255), link=(110, 190, 255)),
    "ODA": theme(accent=(200, 16, 46), accent_light=(255, 80, 96), text=(240, 240, 240), dim=(110, 110, 110),
                 panel=(18, 18, 20), title=(255, 255, 255), link=(255, 120, 120)),
    "MAV": theme(accent=(0, 140, 90), accent_light=(70, 200, 140), text=(230, 245, 236), dim=(110, 135, 120),
                 panel=(16, 40, 30), title=(240, 255, 245), link=(120, 230, 170)),
    "QO": theme(accent=(0, 102, 204), accent_light=(51, 153, 255), text=(40, 40, 40), dim=(108, 112, 118),
                panel=(245, 247, 250), title=(0, 51, 102), link=(0, 102, 204)),
    "KRAG": theme(accent=(230, 120, 0), accent_light=(255, 170, 60), text=(238, 232, 224), dim=(125, 115, 100),
                  panel=(36, 30, 24), title=(255, 210, 140), link=(255, 180, 80), large=1),
}

# Layout.ini: section -> [(key, role)]; a role names a colour or a size of the theme,
# an int is a fixed value shared by every layout.
STYLE_SHEET = {
    "MAINDLG": [
        ("Title_text_Font_Size", "size_title"), ("Title_text_Color", "title"), ("Logo_Top_Offset", 14),
        ("Btn_tab_text_Font_Size", "size_tab"), ("Btn_tab_text_Color_Normal", "text"),
        ("Btn_tab_text_Color_Focus", "hover"), ("Btn_tab_text_Color_Select", "white"),
        ("Btn_tab_text_Color_Disable", "dim"), ("Highlight_Color", "accent"),
    ],
    "LISTDLG": [
        ("List_text_Font_Size", "size_text"), ("List_text_Color", "text"),
        ("List_Detail_Text_Font_Size", "size_small"), ("List_Title_Font_Size", "size_list_title"),
        ("List_Title_Color", "title"), ("List_Header_Font_Size", "size_header"), ("List_Header_Color", "dim"),
        ("List_Btn_text_Font_Size", "size_button"), ("List_Btn_text_Color_Normal", "white"),
        ("List_Btn_text_Color_Focus", "white"), ("List_Btn_text_Color_Select", "white"),
        ("List_Btn_text_Color_Disable", "grey"), ("List_Highlight_Color", "accent"), ("List_Highlight_Alpha", 40),
        ("List_Highlight_Down_Color", "accent_light"), ("List_Highlight_Down_Alpha", 60),
    ],
    "POPUPDLG": [
        ("Popup_text_Font_Size", "size_text"), ("Popup_text_Color", "text"),
        ("Popup_Title_text_Font_Size", "size_popup_title"), ("Popup_Title_text_Color", "title"),
        ("Popup_bg_Color", "panel"),
    ],
    "EULADLG": [("Eula_text_Font_Size", "size_small"), ("Eula_text_Color", "text")],
    "INSTALLDLG": [("Install_text_Font_Size", "size_text"), ("Install_text_Color", "text")],
    "TOOLTIPDLG": [
        ("Tip_text_Font_Size", "size_tip"), ("Tip_text_Color", "dark"), ("Tip_bg_Color", "white"),
        ("Tip_EULA_Color_Normal", "tip_link"), ("Tip_EULA_Color_Focus", "tip_link_hover"),
        ("Tip_EULA_Color_Select", "tip_link_pressed"),
    ],
    "SPECIALDLG": [
        ("Special_Btn_text_Color_Normal", "white"), ("Special_Btn_text_Color_Focus", "accent_light"),
        ("Special_Btn_text_Color_Select", "link"), ("Special_Btn_text_Color_Disable", "grey"),
        ("Special_Google_Mask_bg_Color", "panel"), ("Special_GMask_text_Font_Size", "size_mask"),
        ("Special_GMask_text_Font_Size_S", "size_mask_small"), ("Special_GMask_text_color_Normal", "text"),
        ("Special_GMask_text_color_Link", "link"),
    ],
    "GOOGLEEULADLG": [
        ("Special_GMask_text_Font_Size_S", "size_mask_small"), ("GoogleEula_T1_text_Font_Size", "size_eula_1"),
        ("GoogleEula_T2_text_Font_Size", "size_eula_2"), ("GoogleEula_T3_text_Font_Size", "size_eula_3"),
        ("GoogleEula_T4_text_Font_Size", "size_eula_4"), ("GoogleEula_T1_text_Font_Color", "title"),
        ("GoogleEula_T2_text_Font_Color", "text"), ("GoogleEula_T3_text_Font_Color", "text"),
        ("GoogleEula_T4_text_Font_Color", "dim"), ("GoogleEula_T5_text_Font_Color", "link"),
    ],
}


def ini_text(sections):
    """An INI file as disc authors write it: CRLF line ends, ANSI text."""
    lines = []
    for section, entries in sections.items():
        if lines:
            lines.append("")
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in entries)
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def style_sheet(name):
    palette = THEMES[name]
    return {
        section: [(key, role if isinstance(role, int) else palette[role]) for key, role in entries]
        for section, entries in STYLE_SHEET.items()
    }


def layout_config():
    return {
        "LayoutPath": [("Current", "Auto")] + [(n, f"{LAYOUT_ROOT}\\{n}") for n in LAYOUT_NAMES],
        "Config": [("ForceManual", 0), ("Tool", 1), ("Filelist", FILE_LIST), ("TermsOfUse", 0)],
        "TabName": [(tab, tab) for tab in ("Driver", "Utilities", "Manual", "Tool", "Special")],
        "Font": [
            ("Default", "MS Shell Dlg"), ("English", "MS Shell Dlg"), ("Japanese", "MS UI Gothic"),
            ("Korean", "Gulim"), ("Russian", "Tahoma"), ("Thai", "Tahoma"), ("Turkish", "Tahoma"),
            ("Arabic", "Tahoma"),
        ],
        "Advertisement": [("Current", "Demo")] + [(name, ad_set(name).replace("/", "\\"))
                                                  for name in ["Demo"] + LAYOUT_NAMES],
        "EULA": [("Current", "Demo"), ("Demo", "Eula")],
    }


# --- generated parts: each takes the disc and bin folders and returns {relative path: bytes} ---

def check_style_keys():
    """The style sheet sets exactly the values the windows read."""
    written = {(section, key) for section, entries in STYLE_SHEET.items() for key, _ in entries}
    read = set(skin_manifest.keys())
    if written != read:
        raise SystemExit(f"generate.py: Layout.ini keys differ from what the windows read: "
                         f"missing {sorted(read - written)}, unread {sorted(written - read)}")


def part_layouts(disc, bin_dir):
    check_style_keys()
    files = {"LayoutCfg.ini": ini_text(layout_config())}
    for name in LAYOUT_NAMES:
        sheet = style_sheet(name)
        files[f"{LAYOUT_ROOT}/{name}/Layout.ini"] = ini_text(sheet)
        # The resume loader shows the current layout's picture.
        files[f"{LAYOUT_ROOT}/{name}/Loading.png"] = LOADER_PICTURE.read_bytes()
        values = {(section, key): str(value) for section, entries in sheet.items() for key, value in entries}
        for relative, data in skin_layout.files(palette(name), values).items():
            files[f"{LAYOUT_ROOT}/{name}/{relative}"] = data
    return files


# The board line the demo board reports: 2 chooses layout VEQ (see disc/ACPIWMI/README.md).
DEMO_BOARD_STATUS = 2
DEMO_LAYOUT = "VEQ"


def part_board_identification(disc, bin_dir):
    """The device-status library's answers, beside the library."""
    ini = {"ACPIWMI": [("BoardStatus", DEMO_BOARD_STATUS), ("OpenFails", 0), ("StatusFails", 0)]}
    return {"ACPIWMI.ini": ini_text(ini)}


def binary(bin_dir, name):
    source = bin_dir / name
    if not source.is_file():
        raise SystemExit(f"generate.py: {source} is missing; build first")
    return source.read_bytes()


def part_catalog(disc, bin_dir):
    """The catalogue source and the pre-check's rule (every Windows version is supported)."""
    check = {"OS": [("Supported", ""), ("Architecture", "any")], "Catalog": [("Source", CATALOG_SOURCE)],
             "Message": [("Unsupported", "This version of Windows is not supported by this disc.")]}
    return {CATALOG_SOURCE: ini_text(catalog.catalog_sections()), "OvSetup.ini": ini_text(check)}


def setup_folder(bin_dir, folder, sections, payloads=()):
    folder = folder.replace("\\", "/")
    files = {f"{folder}/{SETUP_PROGRAM}": binary(bin_dir, SETUP_PROGRAM), f"{folder}/OvraSetup.ini": ini_text(sections)}
    for payload in payloads:
        files[f"{folder}/{payload}"] = binary(bin_dir, payload)
    return files


def part_items(disc, bin_dir):
    files = {}
    for item in catalog.ITEMS:
        sections, payloads = catalog.setup_sections(item)
        files.update(setup_folder(bin_dir, item.path, sections, payloads))
    return files


def part_loader(disc, bin_dir):
    return {f"{LOADER_FOLDER}/{LOADER}": binary(bin_dir, LOADER)}


def palette(name):
    return skin_colour.Palette(**THEMES[name].colours)


def ad_set(name):
    """The folder of an advertisement set: the disc's own (Demo) is the one of the layout its board
    chooses; every other layout carries its set in its folder."""
    if name in ("Demo", DEMO_LAYOUT):
        return offers.AD_FOLDER
    return f"{LAYOUT_ROOT}/{name}/{offers.AD_FOLDER}"


def part_advertisements(disc, bin_dir):
    files = {}
    for name in LAYOUT_NAMES:
        files.update(offers.advertisement_files(ini_text, palette(name), ad_set(name)))
    files.update(setup_folder(bin_dir, f"{offers.AD_FOLDER}/Special/GameBoost", offers.GAME_BOOST_SETUP))
    return files


def part_licences(disc, bin_dir):
    return offers.eula_files(ini_text)


GENERATED_PARTS = [part_layouts, part_board_identification, part_catalog, part_items, part_loader,
                   part_advertisements, part_licences]


def part_file_list(disc, bin_dir):
    """The disc's contents document that the file-list button opens; made last, from what is there."""
    paths = sorted(p.relative_to(disc).as_posix() for p in disc.rglob("*") if p.is_file())
    paths.append(FILE_LIST.replace("\\", "/"))
    paths.append(SEAL_FILE)
    text = "Contents of this disc\r\n\r\n" + "".join(p.replace("/", "\\") + "\r\n" for p in sorted(paths))
    return {FILE_LIST.replace("\\", "/"): text.encode("cp1252")}


SEAL_FILE = "DiscSeal.ini"


def part_seal(disc, bin_dir):
    """The disc's seal over what a run starts or reads: the program and its companions, the
    catalogue source and every item's folder (the check tool's "seal" covers the same)."""
    roots = ["Dezozi2.exe"] + COMPANIONS + ["OvSetup.ini", LOADER_FOLDER, CATALOG_SOURCE]
    roots += [item.path for item in catalog.ITEMS]
    files = set()
    for root in roots:
        target = disc / root.replace("\\", "/")
        if target.is_file():
            files.add(target)
        elif target.is_dir():
            files.update(p for p in target.rglob("*") if p.is_file())
    lines = ["[Files]"]
    for path in sorted(files, key=lambda p: p.relative_to(disc).as_posix().upper()):
        digest = hashlib.sha256(path.read_bytes()).hexdigest()
        lines.append(path.relative_to(disc).as_posix().replace("/", "\\") + "=" + digest)
    return {SEAL_FILE: b"\xff\xfe" + ("\r\n".join(lines) + "\r\n").encode("utf-16-le")}


def copy_binaries(bin_dir, disc):
    for name in PROGRAM + COMPANIONS:
        source = bin_dir / name
        if not source.is_file():
            raise SystemExit(f"generate.py: {source} is missing; build first")
        shutil.copy2(source, disc / name)


def copy_static(disc):
    if not STATIC_DIR.is_dir():
        return
    for source in sorted(STATIC_DIR.rglob("*")):
        # Repository housekeeping (.gitattributes and the like) stays off the disc.
        if source.is_file() and not any(part.startswith(".") for part in source.relative_to(STATIC_DIR).parts):
            target = disc / source.relative_to(STATIC_DIR)
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(source, target)


def write_part(disc, files, part_name):
    for relative, data in files.items():
        target = disc / relative
        # One owner per file: a generated file never silently replaces a static one.
        if target.exists():
            raise SystemExit(f"generate.py: {part_name} would overwrite {relative}")
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)


def generate(bin_dir, out_dir):
    out_dir = out_dir.resolve()
    staging = out_dir.with_name(out_dir.name + ".new")
    if staging.exists():
        shutil.rmtree(staging)
    staging.mkdir(parents=True)
    copy_binaries(bin_dir, staging)
    copy_static(staging)
    for part in GENERATED_PARTS + [part_file_list, part_seal]:
        write_part(staging, part(staging, bin_dir), part.__name__)
    old = out_dir.with_name(out_dir.name + ".old")
    if old.exists():
        shutil.rmtree(old)
    if out_dir.exists():
        os.rename(out_dir, old)
    os.rename(staging, out_dir)
    if old.exists():
        shutil.rmtree(old)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        print("usage: generate.py BUILD_BIN_DIR OUT_DIR", file=sys.stderr)
        return 2
    bin_dir = pathlib.Path(argv[1])
    if not bin_dir.is_dir():
        print(f"generate.py: {bin_dir} is not a folder", file=sys.stderr)
        return 2
    generate(bin_dir, pathlib.Path(argv[2]))
    print(f"demo disc: {pathlib.Path(argv[2]).resolve()}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
