"""The advertisement pictures: readable, distinct, in their layout's colours, clear of the controls."""
import io
import posixpath
import pathlib
import sys
import unittest

from PIL import Image, ImageChops, ImageStat

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))

import generate  # noqa: E402
import offers  # noqa: E402
from skin import adverts  # noqa: E402
from skin.colour import darkened_until, WHITE  # noqa: E402

KINDS = {"Installing": adverts.INSTALLING_ADVERTS, "Special": adverts.SPECIAL_ADVERTS}


def difference(a, b):
    """Mean difference of two pictures of one size, 0 to 255."""
    return sum(ImageStat.Stat(ImageChops.difference(a.convert("RGB"), b.convert("RGB"))).mean) / 3


class AdvertPictures(unittest.TestCase):
    def test_every_layout_and_language_reads_and_fits(self):
        for name in generate.LAYOUT_NAMES:
            for advert in adverts.INSTALLING_ADVERTS + adverts.SPECIAL_ADVERTS:
                for language in offers.LANGUAGES:
                    with self.subTest(layout=name, picture=advert.picture, language=language):
                        drawn = adverts.draw(generate.palette(name), advert, language)
                        self.assertEqual(drawn.image.size, advert.frame.size)
                        self.assertEqual(adverts.problems(drawn, advert.frame), [])
                        roles = {role for role, *_ in drawn.texts}
                        self.assertEqual(roles, {"brand", "headline", "tagline", "action"})

    def test_adverts_of_a_kind_differ(self):
        p = generate.palette(generate.DEMO_LAYOUT)
        for kind, drawings in KINDS.items():
            pictures = [adverts.draw(p, advert, "English").image for advert in drawings]
            for i in range(len(pictures)):
                for j in range(i + 1, len(pictures)):
                    with self.subTest(kind=kind, a=drawings[i].picture, b=drawings[j].picture):
                        self.assertGreater(difference(pictures[i], pictures[j]), 8)

    def test_each_layout_draws_in_its_own_colours(self):
        advert = adverts.INSTALLING_ADVERTS[0]
        seen = []
        for name in generate.LAYOUT_NAMES:
            p = generate.palette(name)
            drawn = adverts.draw(p, advert, "English")
            box = next(box for role, box, *_ in drawn.texts if role == "action")
            # Just left of the action's words lies the pill, in the layout's accent.
            pill = drawn.image.convert("RGB").getpixel((box[0] - 10, (box[1] + box[3]) // 2))
            self.assertEqual(pill, darkened_until(p.accent, WHITE, 4.5), name)
            for other, picture in seen:
                self.assertGreater(difference(drawn.image, picture), 4, f"{name} and {other}")
            seen.append((name, drawn.image))

    def test_products_are_not_cut_off_by_their_box(self):
        for name in generate.LAYOUT_NAMES:
            for advert in adverts.INSTALLING_ADVERTS + adverts.SPECIAL_ADVERTS:
                x0, y0, x1, y1 = advert.frame.product
                alpha = advert.draw(generate.palette(name), (x1 - x0, y1 - y0)).getchannel("A")
                w, h = alpha.size
                # Only faint glow and shadow may reach the edge; a solid shape there was cut.
                for edge in ((0, 0, w, 1), (0, h - 1, w, h), (0, 0, 1, h), (w - 1, 0, w, h)):
                    self.assertLess(alpha.crop(edge).getextrema()[1], 160, (name, advert.picture, edge))

    def test_languages_have_their_own_words(self):
        p = generate.palette(generate.DEMO_LAYOUT)
        for advert in adverts.INSTALLING_ADVERTS + adverts.SPECIAL_ADVERTS:
            english = adverts.draw(p, advert, "English").image
            german = adverts.draw(p, advert, "German").image
            self.assertGreater(difference(english, german), 0.5, advert.picture)

    def test_offer_pages_leave_the_opt_in_band_to_the_program(self):
        for advert in adverts.SPECIAL_ADVERTS:
            frame = advert.frame
            self.assertIn(adverts.INSTALL_NOW, frame.clear, advert.picture)
            if "Google" in advert.picture:
                self.assertTrue(any(b[1] <= 380 and b[3] >= 488 for b in frame.clear), advert.picture)
            x0, y0, x1, y1 = frame.product
            for b in frame.clear:
                self.assertFalse(x0 < b[2] and b[0] < x1 and y0 < b[3] and b[1] < y1, (advert.picture, b))


class Checks(unittest.TestCase):
    """The generator's own check refuses the faults it is there for."""

    def drawn(self, texts):
        return adverts.Drawn(Image.new("RGB", adverts.INSTALLING.size), texts)

    def test_text_outside_the_picture(self):
        found = adverts.problems(self.drawn([("headline", (60, 500, 700, 560), WHITE, (0, 0, 0))]), adverts.INSTALLING)
        self.assertTrue(any("leaves the picture" in line for line in found), found)

    def test_text_over_the_product_or_a_control(self):
        found = adverts.problems(self.drawn([("tagline", (500, 100, 600, 120), WHITE, (0, 0, 0))]), adverts.INSTALLING)
        self.assertTrue(any("runs into" in line for line in found), found)
        found = adverts.problems(self.drawn([("action", (600, 505, 700, 530), WHITE, (0, 0, 0))]), adverts.OFFER)
        self.assertTrue(any("runs into" in line for line in found), found)

    def test_faint_text(self):
        found = adverts.problems(self.drawn([("tagline", (60, 100, 400, 120), (120, 120, 120), (90, 90, 90))]),
                                 adverts.INSTALLING)
        self.assertTrue(any("contrast" in line for line in found), found)

    def test_text_too_long_for_its_column(self):
        with self.assertRaises(ValueError):
            adverts._fitted("word " * 80, 300, 40, 24, 2, True)


class DiscFiles(unittest.TestCase):
    def test_every_listed_picture_lies_in_every_language_at_its_browser_size(self):
        files = offers.advertisement_files(generate.ini_text, generate.palette(generate.DEMO_LAYOUT))
        for kind, ads, drawings in offers.KINDS:
            config = files[f"{offers.AD_FOLDER}/{kind}/AdCfg.ini"].decode("cp1252")
            sizes = {advert.picture: advert.frame.size for advert in drawings}
            for _, picture, *_ in ads:
                self.assertIn(f"Path={picture}", config)
                for language in offers.LANGUAGES:
                    data = files[f"{offers.AD_FOLDER}/{kind}/Images/{language}/{picture}"]
                    self.assertEqual(Image.open(io.BytesIO(data)).size, sizes[picture], (kind, language, picture))

    def test_every_layout_names_a_set_whose_installers_resolve_from_its_folder(self):
        sets = dict(generate.layout_config()["Advertisement"])
        self.assertEqual(sets[sets["Current"]], offers.AD_FOLDER, "the tests' set stays where it was")
        installers = {picture: installer for _, picture, _, installer, *_ in offers.SPECIAL_ADS}
        for name in generate.LAYOUT_NAMES:
            folder = sets[name].replace("\\", "/")
            config = offers.ad_config(offers.SPECIAL_ADS, f"{folder}/Special")
            for section, entries in config.items():
                entries = dict(entries)
                with self.subTest(layout=name, section=section):
                    landed = posixpath.normpath(f"{folder}/Special/" + entries["Detail"].replace("\\", "/"))
                    self.assertEqual(landed, installers[entries["Path"]].replace("\\", "/"))

    def test_layouts_sets_are_drawn_in_their_own_colours(self):
        first = {}
        for name in ("VEQ", "QO"):
            files = offers.advertisement_files(generate.ini_text, generate.palette(name), generate.ad_set(name))
            first[name] = Image.open(io.BytesIO(files[f"{generate.ad_set(name)}/Installing/Images/English/AppCenter.png"]))
        self.assertGreater(difference(first["VEQ"], first["QO"]), 20)


if __name__ == "__main__":
    unittest.main()
