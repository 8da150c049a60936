"""The demo disc's setup catalogue and the stand-in setup of every item.

One table (ITEMS) describes each item once: what the catalogue says about it
and how it is detected. From it come the catalogue source "Ovcd.ini" (which
OvSetup.exe turns into the Windows directory's "Ovcd_tmp.ini") and, in every
item's folder, the stand-in setup program's "OvraSetup.ini", written so that
installing the item makes its detection report the catalogue version and
uninstalling undoes it.
"""

# Tabs of the catalogue: (n)Tab = "tab,section".
DRIVER, UTILITIES, MANUAL, TOOL = 0, 1, 2, 4

# Item kinds for the lists: 0 and 5 are installed by hand and never restart.
SW_MANUAL, SW_DRIVER, SW_UTILITY, SW_DOCUMENT, SW_TOOL, SW_MANUAL_UTILITY = 0, 1, 2, 3, 4, 5

# Payloads the disc's setups copy, by version (disc/OvraSetup/CMakeLists.txt builds them).
PAYLOADS = {
    "1.0.0.0": "OvraPayload1.dll",
    "2.1.0.5": "OvraPayload2.dll",
    "10.58.1002.2022": "OvraLanPayload.dll",
    "1.16.64.1": "OvraUsbPayload.dll",
}

# The display adapter Wine gives every prefix; a real disc would name the board's chips.
WINE_DISPLAY_ID = "PCI\\VEN_0000&DEV_0000"


class Item:
    """One catalogue entry. detect is one of:
    ("reg", key, value)        registry value (an empty value name: the version is a subkey name)
    ("fixreg", vendor_product) the program's own key HKLM\\Software\\<vendor_product>\\Pavex
    ("file", path)             a file's version resource (path macros allowed)
    ("hwid", ids, vendor_product) device present by hardware ID, version from the fixed key
    None                       no detection (documents)
    """

    def __init__(self, title, tab, section, path, version, detect, sw_type, description,
                 upgrade=0, reboot=0, uninstall_reboot=0, dependency="", last=False, order=None,
                 finish_type=1, install_ms=2500, force=False, setup_in_ini=""):
        self.title, self.tab, self.section, self.path = title, tab, section, path
        self.version, self.detect, self.sw_type, self.description = version, detect, sw_type, description
        self.upgrade, self.reboot, self.uninstall_reboot = upgrade, reboot, uninstall_reboot
        self.dependency, self.last, self.order, self.finish_type = dependency, last, order, finish_type
        self.install_ms, self.force, self.setup_in_ini = install_ms, force, setup_in_ini


def reg(product, value="DisplayVersion"):
    return ("reg", f"HKEY_LOCAL_MACHINE\\SOFTWARE\\OVRA\\Demo\\{product}", value)


ITEMS = [
    # --- Driver tab ---
    Item("Intel Chipset Device Software", DRIVER, 0, "Drivers\\Chipset", "10.1.19.8290", reg("Chipset"),
         SW_DRIVER, "Identifies the chipset components to Windows.", reboot=1, dependency="0xA1", order=1),
    Item("Intel Management Engine Interface", DRIVER, 0, "Drivers\\IntelMEI", "2141.15.0.2843",
         ("fixreg", "OVRA\\IntelMEI"), SW_DRIVER, "Driver for the Intel Management Engine.",
         upgrade=1, dependency="0xA2", order=2),
    Item("Intel Serial IO Driver", DRIVER, 0, "Drivers\\SerialIO", "30.100.2031.2", reg("SerialIO"),
         SW_DRIVER, "I2C, SPI and UART controllers of the chipset.", dependency="0xA2", order=3),
    Item("Intel Graphics Driver", DRIVER, 0, "Drivers\\Graphics", "31.0.101.4502",
         ("hwid", f"PCI\\VEN_8086&DEV_4680, {WINE_DISPLAY_ID}", "OVRA\\Graphics"), SW_DRIVER,
         "Driver for the processor's integrated graphics.", upgrade=3, dependency="0xA3", order=1),
    Item("Realtek High Definition Audio Driver", DRIVER, 0, "Drivers\\Audio", "6.0.9273.1",
         ("fixreg", "OVRA\\RealtekAudio"), SW_DRIVER, "Audio driver for the on-board sound chip.",
         upgrade=1, dependency="0xB1", order=5, install_ms=3500),
    Item("Realtek LAN Driver", DRIVER, 0, "Drivers\\LAN", "10.58.1002.2022",
         ("file", "%PROGRAMFILES%\\OVRA\\Drivers\\LAN\\rtlan.dll"), SW_DRIVER,
         "Driver for the 2.5 GbE network controller.", order=6),
    Item("ASMedia USB 3.2 Driver", DRIVER, 0, "Drivers\\USB", "1.16.64.1",
         ("file", "%SYSPART%\\OVRA\\Drivers\\USB\\asmtusb.dll"), SW_DRIVER,
         "Driver for the ASMedia USB 3.2 Gen2 controller.", order=7),
    Item("Intel Rapid Storage Technology", DRIVER, 0, "Drivers\\RST", "18.7.6.1010",
         ("fixreg", "OVRA\\IntelRST"), SW_DRIVER, "SATA RAID and Optane memory support.",
         reboot=1, order=8),
    Item("Intel Wireless LAN Driver", DRIVER, 0, "Drivers\\WLAN", "22.200.0",
         reg("WLAN\\Versions", ""), SW_DRIVER, "Driver for the Wi-Fi 6E module.", order=9),
    Item("Intel Bluetooth Driver", DRIVER, 0, "Drivers\\Bluetooth", "22.200.0.2",
         ("fixreg", "OVRA\\IntelBluetooth"), SW_DRIVER, "Driver for the Bluetooth 5.3 module.", order=10),
    Item("Intel Thunderbolt Driver", DRIVER, 0, "Drivers\\Thunderbolt", "1.41.1353.0", reg("Thunderbolt"),
         SW_DRIVER, "Thunderbolt 4 controller driver and control centre.", order=11),
    Item("Intel RAID Driver for Windows Setup", DRIVER, 0, "Drivers\\RAIDSetup", "18.7.6.1010",
         reg("RAIDSetup"), SW_MANUAL, "Copies the RAID driver for loading during Windows setup.",
         install_ms=1500, order=12),

    # --- Utilities tab ---
    Item("OVRA App Center", UTILITIES, 0, "Utilities\\AppCenter", "1.0.0.47", ("fixreg", "OVRA\\AppCenter"),
         SW_UTILITY, "Starts and updates the board's OVRA applications.", upgrade=1, order=20),
    Item("OVRA Live Update", UTILITIES, 0, "Utilities\\LiveUpdate", "3.5.2", reg("LiveUpdate"),
         SW_UTILITY, "Looks for newer drivers and BIOS versions on the OVRA website.", last=True, order=21),
    Item("OVRA RGB Fusion", UTILITIES, 0, "Utilities\\RGBFusion", "2.1.0", reg("RGBFusion\\Versions", ""),
         SW_UTILITY, "Controls the board's RGB lighting.", order=22),
    Item("OVRA System Information Viewer", UTILITIES, 0, "Utilities\\SIV", "2.1.0.5",
         ("file", "%PROGRAMFILES%\\OVRA\\SIV\\sivcore.dll"), SW_UTILITY,
         "Shows clocks, voltages, temperatures and fan speeds.", order=23),
    Item("OVRA Smart Backup", UTILITIES, 0, "Utilities\\SmartBackup", "1.3.0.9",
         ("fixreg", "OVRA\\SmartBackup"), SW_UTILITY, "Backs up and restores system partitions.", order=24),
    Item("OVRA EasyTune", UTILITIES, 0, "Utilities\\EasyTune", "1.2.0.7", ("fixreg", "OVRA\\EasyTune"),
         SW_UTILITY, "Overclocking and fan tuning from Windows.", upgrade=3, order=25),
    Item("OVRA Cloud Station", UTILITIES, 0, "Utilities\\CloudStation", "1.0.3", reg("CloudStation"),
         SW_UTILITY, "Remote control of the PC from a phone.", order=26),
    Item("OVRA On/Off Charge", UTILITIES, 0, "Utilities\\OnOffCharge", "1.0.2.4", reg("OnOffCharge"),
         SW_UTILITY, "Charges phones over USB while the PC is off.", order=27),
    Item("Realtek Audio Console", UTILITIES, 0, "Utilities\\AudioConsole", "1.35.261.0",
         ("fixreg", "OVRA\\AudioConsole"), SW_UTILITY, "Sound settings for the Realtek audio driver.",
         dependency="0xB2", order=28),
    Item("Norton Security (trial)", UTILITIES, 0, "Utilities\\Norton", "22.23.5.106", reg("Norton"),
         SW_MANUAL_UTILITY, "Internet security suite, 60-day trial.", order=29),
    Item("Google Chrome", UTILITIES, 0, "Utilities\\GoogleChrome", "120.0.6099.110",
         ("fixreg", "Google\\Chrome"), SW_UTILITY, "A fast, secure web browser.", order=30,
         setup_in_ini="Utilities\\GoogleChrome"),
    Item("Google Toolbar", UTILITIES, 0, "Utilities\\GoogleToolbar", "7.5.8231.2252",
         ("fixreg", "Google\\Toolbar"), SW_UTILITY, "Google search from every page.", order=31,
         setup_in_ini="Utilities\\GoogleToolbar"),
]

# Documents of the Manual tab by section: 0 drivers, 1 utilities, 2 motherboard.
MANUALS = [
    (0, "Chipset Driver Installation Guide", "Chipset"), (0, "RAID Configuration Guide", "RAID"),
    (0, "Audio Driver Guide", "Audio"), (0, "LAN Teaming Guide", "LANTeaming"),
    (1, "App Center User Guide", "AppCenter"), (1, "RGB Fusion User Guide", "RGBFusion"),
    (1, "EasyTune User Guide", "EasyTune"), (1, "Smart Backup User Guide", "SmartBackup"),
    (2, "Motherboard User's Manual", "UserManual"), (2, "Quick Installation Guide", "QuickGuide"),
    (2, "BIOS Setup Guide", "BIOSSetup"), (2, "Safety and Regulatory Information", "Safety"),
]

# Tools of the Tool tab by section: (section, title, folder, version or "" for a tool without state).
TOOLS = [
    (0, "OVRA Q-Flash BIOS Updater", "QFlash", "3.0.1"), (0, "OVRA Driver Backup", "DriverBackup", "1.1.0.2"),
    (0, "OVRA USB Blocker", "USBBlocker", "1.0.8.3"), (0, "OVRA Disk Partition Tool", "DiskPartition", ""),
    (1, "OVRA Face Wizard", "FaceWizard", "2.0.4"), (1, "OVRA Memory Test", "MemTest", ""),
    (1, "OVRA DMI Viewer", "DMIViewer", ""), (1, "OVRA Fan Calibration", "FanCalibration", "1.4.0"),
    (2, "OVRA Xpress Recovery", "XpressRecovery", "3.2.0"), (2, "OVRA Secure Erase", "SecureErase", ""),
    (2, "OVRA Boot Menu Tool", "BootMenu", "1.0.1"), (2, "OVRA Screen Capture", "ScreenCapture", ""),
]

for number, (section, title, folder) in enumerate(MANUALS):
    ITEMS.append(Item(title, MANUAL, section, f"Manual\\{folder}", "", None, SW_DOCUMENT,
                      f"Opens the {title}.", install_ms=800, order=40 + number))
for number, (section, title, folder, version) in enumerate(TOOLS):
    ITEMS.append(Item(title, TOOL, section, f"Tools\\{folder}", version,
                      ("fixreg", f"OVRA\\Tools\\{folder}") if version else None, SW_TOOL,
                      f"Runs {title}.", install_ms=1200, order=60 + number))


def detection_keys(item):
    """The catalogue keys of the item's presence and version checks."""
    if item.detect is None:
        return [("ExistCount", 0), ("VersionCount", 0)]
    kind = item.detect[0]
    if kind == "reg":
        _, key, value = item.detect
        return [("ExistCount", 1), ("Exist1Type", 0), ("Exist1RegistryPath", key),
                ("Exist1RegistryValueName", value), ("VersionCount", 1), ("Version1Type", 0),
                ("Version1RegistryPath", key), ("Version1RegistryValueName", value)]
    if kind == "fixreg":
        return [("VendorProductKey", item.detect[1]), ("ExistCount", 1), ("Exist1Type", 1),
                ("VersionCount", 1), ("Version1Type", 1)]
    if kind == "file":
        path = item.detect[1]
        return [("ExistCount", 1), ("Exist1Type", 2), ("Exist1FilePath", path), ("VersionCount", 1),
                ("Version1Type", 2), ("Version1FilePath", path), ("VersionFile", 1)]
    if kind == "hwid":
        _, ids, vendor_product = item.detect
        return [("HardwareID", ids), ("VendorProductKey", vendor_product), ("ExistCount", 1),
                ("Exist1Type", 3), ("VersionCount", 1), ("Version1Type", 1)]
    raise ValueError(f"unknown detection {kind}")


def catalog_sections(product_name="OVRA Z790 AORUS DEMO"):
    entries = [("CD_Title", "OVRA Motherboard Support CD (Demo)"), ("ItemNumber", len(ITEMS))]
    for n, item in enumerate(ITEMS, start=1):
        keys = [
            ("Title", item.title), ("Description", item.description), ("ManualDescription", item.description),
            ("Tab", f"{item.tab},{item.section}"), ("Version", item.version),
            ("SoftwareType", item.sw_type), ("UpgradeType", item.upgrade), ("PassWHQL", 1),
            ("InstallMethod", 0), ("InstallFinishType", item.finish_type),
            ("InstallReboot", item.reboot), ("UninstallReboot", item.uninstall_reboot),
            ("ForceInstall", 1 if item.force else 0), ("IsTheLastInstall", 1 if item.last else 0),
            ("Path", item.path), ("InstallFinishTimeOutSecond", 90), ("UninstallFinishTimeOutSecond", 60),
            ("WaitBeforeInstall", 0), ("WaitAfterInstall", 1),
        ]
        if item.dependency:
            keys.append(("Dependency", item.dependency))
        if item.order is not None:
            keys.append(("Order", item.order))
        if item.setup_in_ini:
            keys.append(("SetupInIPath", item.setup_in_ini))
        keys += detection_keys(item)
        entries += [(f"({n}){key}", value) for key, value in keys]
    return {"DMI_Info": [("MB_PRODUCTNAME", product_name)], "SETUP_ITEM": entries}


def setup_sections(item):
    """OvraSetup.ini of the item: installing writes what its detection reads."""
    setup = [("Title", item.title), ("InstallMs", item.install_ms), ("UninstallMs", item.install_ms // 2),
             ("Window", 1)]
    install = []
    payloads = []
    kind = item.detect[0] if item.detect else None
    if kind == "reg":
        _, key, value = item.detect
        if value:
            install.append(("Value1", f"{key}|{value}|{item.version}"))
        else:
            install.append(("Key1", f"{key}\\{item.version}"))
    elif kind in ("fixreg", "hwid"):
        setup += [("Version", item.version), ("VendorProductKey", item.detect[-1])]
    elif kind == "file":
        payload = PAYLOADS[item.version]
        install.append(("File1", f"{payload}|{item.detect[1]}"))
        payloads.append(payload)
    sections = {"Setup": setup}
    if install:
        sections["Install"] = install
    return sections, payloads
