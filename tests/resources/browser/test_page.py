"""tessaly.js on whole pages: several applets, the file loaded more than once, applets that
Java ran or that are not Tessaly's, sounds, and the time a long list takes."""

import audioop
import os
import re
import struct
import sys
import unittest
import wave

from selenium.webdriver.common.by import By

from harness import FALLBACK_TEXT, RUNTIME, BrowserTest

SCRIPT_LINE = '<SCRIPT SRC="tessaly.js"></SCRIPT>'
SIDE_LINKS = [("First", "dest1.htm", "side"), ("Second", "dest2.htm", "side")]
# Notes what the page asks of the browser's audio, without making a sound.
RECORD_SOUND = """<script>
window.events = []; window.errors = []; window.started = [];
addEventListener('error', (e) => errors.push(String(e.message)));
addEventListener('unhandledrejection', (e) => errors.push(String(e.reason)));
HTMLMediaElement.prototype.play = function () { events.push('play ' + this.src);
  return Promise.resolve(); };
AudioBufferSourceNode.prototype.start = function () { const b = this.buffer;
  started.push({rate: b.sampleRate, channels: [...Array(b.numberOfChannels).keys()]
    .map((c) => Array.from(b.getChannelData(c)))}); };
const realOpen = window.open;
window.open = function (url) { events.push('open ' + url);
  return realOpen.apply(window, arguments); };
</script>"""
MU_LAW = bytes([0xFF, 0x00, 0x80, 0x7F, 0xF0, 0x10, 0x5A, 0xA5])
PCM_FRAMES = [(1000, -1000), (32767, -32768), (-1, 1)]


def au_file(encoding, channels, data, rate=8000):
    return b".snd" + struct.pack(">5I", 24, len(data), encoding, rate, channels) + data


class Pages(BrowserTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        site = cls.site
        for n in (1, 2):
            site.page(f"dest{n}.htm", f"<p>destination {n}</p>")
        site.page("blank.htm", "")
        wav = os.path.join(site.home, "ding.wav")
        with wave.open(wav, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(8000)
            out.writeframes(b"\0\0" * 80)
        for name, data in (("mulaw.au", au_file(1, 1, MU_LAW)),
                           ("pcm16.au", au_file(3, 2, b"".join(
                               struct.pack(">2h", *frame) for frame in PCM_FRAMES)))):
            with open(os.path.join(site.home, name), "wb") as out:
                out.write(data)
        cls.sounds = {name: os.path.join(site.home, name)
                      for name in ("ding.wav", "mulaw.au", "pcm16.au")}

    def sound_page(self, name, sound, kind="Pull down list"):
        fragment = self.site.applet(kind, SIDE_LINKS, Sound=sound)
        self.site.page(name, '<iframe name="side" src="blank.htm"></iframe>' + fragment,
                       RECORD_SOUND)

    def replaced(self):
        return self.driver.find_elements(By.CSS_SELECTOR, ".tessaly-applet")

    def test_two_applets_on_a_page_and_the_script_loaded_three_times(self):
        site = self.site
        pull_down = site.applet("Pull down list", SIDE_LINKS)
        scroll = site.applet("Scroll list", SIDE_LINKS)
        site.page("two.htm", pull_down + "<p>between</p>" + scroll +
                  '<script src="tessaly.js"></script>')
        self.driver.get(site.url("two.htm"))
        self.assertEqual([b.get_attribute("aria-label") for b in self.replaced()],
                         ["Pull down list", "Scroll list"])
        self.assertEqual(self.js("return document.getElementsByTagName('applet').length"), 0)
        self.assertEqual(len(self.driver.find_elements(By.TAG_NAME, "select")), 1)
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, ".tessaly-list a")), 2)
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, "option")), 2)
        self.assertEqual(self.js("return [...document.querySelectorAll('style')]"
                                 ".filter((s) => s.textContent.includes('.tessaly-applet'))"
                                 ".length"), 1)
        body = self.driver.find_element(By.TAG_NAME, "body").text
        self.assertNotIn(FALLBACK_TEXT, body)
        self.assertIn("between", body)

    def test_each_alignment_places_the_replacement_as_it_placed_the_applet(self):
        placements = {"Left": ("left", "baseline"), "Right": ("right", "baseline"),
                      "Top": ("none", "top"), "Texttop": ("none", "text-top"),
                      "Middle": ("none", "middle"), "Absmiddle": ("none", "middle")}
        self.site.page("align.htm", "<p>" + "".join(
            self.site.applet("Pull down list", SIDE_LINKS, Alignment=a) + "text "
            for a in placements) + "</p>")
        self.driver.get(self.site.url("align.htm"))
        self.assertEqual([(b.value_of_css_property("float"),
                           b.value_of_css_property("vertical-align")) for b in self.replaced()],
                         list(placements.values()))

    def test_a_script_in_the_head_handles_the_applets_once_the_page_is_read(self):
        fragment = self.site.applet("Scroll list", SIDE_LINKS).replace(SCRIPT_LINE + "\r\n", "")
        self.site.page("head.htm", fragment, '<script src="tessaly.js"></script>')
        self.driver.get(self.site.url("head.htm"))
        self.assertEqual(len(self.replaced()), 1)
        self.assertEqual(self.js("return document.getElementsByTagName('applet').length"), 0)

    def test_applets_that_java_ran_or_that_are_not_tessalys_are_left_alone(self):
        ran_by_java = self.site.applet("Scroll list", SIDE_LINKS).replace(
            SCRIPT_LINE, "<script>document.currentScript.parentNode.getAppletInfo = "
            "() => 'Scroll list of links, made with Tessaly 1.2';</script>" + SCRIPT_LINE)
        other = ('<APPLET CODE="Clock" WIDTH=50 HEIGHT=50><PARAM NAME="multidest" '
                 'VALUE="a.htm">' + SCRIPT_LINE + "No Java here.</APPLET>")
        self.site.page("alone.htm", ran_by_java + other +
                       self.site.applet("Window list", SIDE_LINKS))
        self.driver.get(self.site.url("alone.htm"))
        self.assertEqual([b.get_attribute("aria-label") for b in self.replaced()],
                         ["Window list"])
        self.assertEqual(self.js("return [...document.getElementsByTagName('applet')]"
                                 ".map((a) => a.getAttribute('code'))"), ["MultiList", "Clock"])

    def test_a_wav_sound_plays_before_the_link_opens(self):
        self.sound_page("wav.htm", self.sounds["ding.wav"])
        self.driver.get(self.site.url("wav.htm"))
        self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet button").click()
        self.assertEqual(self.js("return events"),
                         ["play " + self.site.url("ding.wav"),
                          "open " + self.site.url("dest1.htm")])
        self.wait(lambda: self.js("return frames.side.location.href") == self.site.url("dest1.htm"))
        self.assertEqual(self.js("return errors"), [])

    def test_sun_audio_is_decoded_over_http(self):
        expected_mu_law = [s / 32768 for s in struct.unpack("<8h", audioop.ulaw2lin(MU_LAW, 2))]
        expected_pcm = [[frame[c] / 32768 for frame in PCM_FRAMES] for c in (0, 1)]
        for sound, channels in (("mulaw.au", [expected_mu_law]), ("pcm16.au", expected_pcm)):
            with self.subTest(sound=sound):
                self.sound_page(sound + ".htm", self.sounds[sound], "Scroll list")
                self.driver.get(self.site.url(sound + ".htm"))
                self.driver.find_element(By.CSS_SELECTOR, ".tessaly-list a").click()
                self.wait(lambda: self.js("return started.length") == 1, "no sound started")
                played = self.js("return started[0]")
                self.assertEqual(played["rate"], 8000)
                self.assertEqual(len(played["channels"]), len(channels))
                for got, want in zip(played["channels"], channels):
                    self.assertEqual(len(got), len(want))
                    for g, w in zip(got, want):
                        self.assertAlmostEqual(g, w, places=6)
                self.assertEqual(self.js("return errors"), [])
                self.wait(lambda: self.js("return frames.side.location.href") ==
                          self.site.url("dest1.htm"))

    def test_sounds_that_cannot_play_are_silence_never_an_error(self):
        # A missing file over HTTP, and Sun audio on a page opened from disk (no HTTP to fetch it).
        self.sound_page("missing.htm", os.path.join(self.site.home, "gone.au"))
        self.driver.get(self.site.url("missing.htm"))
        self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet button").click()
        self.wait(lambda: self.js("return performance.getEntriesByType('resource')"
                                  ".some((e) => e.name.endsWith('/gone.au'))"), "no fetch")
        self.wait(lambda: self.js("return frames.side.location.href") == self.site.url("dest1.htm"))
        self.assertEqual(self.js("return [errors, started]"), [[], []])

        self.sound_page("disk.htm", self.sounds["mulaw.au"])
        self.driver.get(self.site.file_url("disk.htm"))
        self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet button").click()
        self.assertEqual(self.js("return [events, errors, started]"),
                         [["open " + self.site.file_url("dest1.htm")], [], []])

    def test_a_thousand_links(self):
        links = [(f"Page {n}", f"page{n}.htm?from=list,{n}", "") for n in range(1000)]
        fragment = self.site.applet("Scroll list", links)
        self.site.page("long.htm", "<script>window.t0 = performance.now();</script>" + fragment +
                       "<script>document.body.offsetHeight;"
                       " window.t1 = performance.now();</script>")
        self.driver.get(self.site.url("long.htm"))
        rows = self.js("return [...document.querySelectorAll('.tessaly-list a')]"
                       ".map((a) => [a.textContent, a.getAttribute('href')])")
        self.assertEqual(len(rows), 1000)
        self.assertEqual(rows[0], ["Page 0", self.site.url("page0.htm?from=list,0")])
        self.assertEqual(rows[999], ["Page 999", self.site.url("page999.htm?from=list,999")])
        with_loading = self.js("return t1 - t0")
        # The replacement alone: the same applet once more, without its loading line.
        alone = self.js("const t = document.createElement('template');"
                        "t.innerHTML = arguments[0]; document.body.append(t.content);"
                        "const start = performance.now(); tessaly.run();"
                        "document.body.offsetHeight; return performance.now() - start;",
                        fragment.replace(SCRIPT_LINE, ""))
        self.assertEqual(len(self.replaced()), 2)
        print(f"\n1,000 links: {with_loading:.1f} ms from the applet's first line to the list "
              f"on screen, loading tessaly.js; {alone:.1f} ms to replace the applet alone",
              file=sys.stderr)
        self.assertLess(alone, 1000)
        origins = self.js("return performance.getEntriesByType('resource')"
                          ".map((e) => new URL(e.name).origin)")
        self.assertEqual(set(origins), {self.site.url("")[:-1]})  # nothing from elsewhere

    def test_the_runtime_is_small_and_plain(self):
        size = os.path.getsize(RUNTIME)
        print(f"\ntessaly.js: {size} bytes", file=sys.stderr)
        self.assertLess(size, 10 * 1024)
        with open(RUNTIME, encoding="utf-8") as source:
            text = source.read()
        self.assertIsNone(re.search(r"https?://|\bimport\b|\brequire\(|XMLHttpRequest", text))


if __name__ == "__main__":
    unittest.main()
