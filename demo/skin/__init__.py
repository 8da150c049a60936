"""The demo disc's skins: every image a layout needs, drawn at build time."""
