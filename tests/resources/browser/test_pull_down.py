"""The "Pull down list" (multdesc) as tessaly.js shows it in headless Chromium."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from harness import (FALLBACK_TEXT, RECORD_OPENS, SPLIT_LINKS, SPLIT_ROWS, START_BUTTON,
                     TARGET_LINKS, TARGET_PLACES, BrowserTest)


class PullDownList(BrowserTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        fragment = cls.site.applet("Pull down list", TARGET_LINKS, **{
            "Applet Width": "400", "Applet Height": "80", "Text Colour": "H0000FF",
            "Backgorund Colour": "HFFFF00", "Font Type": "Courier", "Font Size": "12",
            "Font Style": "Bold+Italic", "Alignment": "Absmiddle"})
        cls.site.framed(START_BUTTON + "<p>Text before " + fragment + " and after.</p>",
                        RECORD_OPENS)

    def select(self):
        return Select(self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet select"))

    def rows(self):
        return [o.get_property("textContent") for o in self.select().options]

    def test_the_applet_becomes_a_list_of_its_size_colours_and_font(self):
        self.open_top()
        self.assertEqual(self.js("return document.getElementsByTagName('applet').length"), 0)
        box = self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet")
        self.assertEqual(box.get_attribute("aria-label"), "Pull down list")
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return [r.width, r.height]", box), [400, 80])
        self.assertEqual(box.value_of_css_property("background-color"), "rgba(255, 255, 0, 1)")
        self.assertEqual(box.value_of_css_property("color"), "rgba(0, 0, 255, 1)")
        self.assertEqual(box.value_of_css_property("font-size"), "16px")  # 12 points
        self.assertEqual(box.value_of_css_property("font-weight"), "700")
        self.assertEqual(box.value_of_css_property("font-style"), "italic")
        self.assertIn("Courier", box.value_of_css_property("font-family"))
        self.assertEqual(box.value_of_css_property("vertical-align"), "middle")
        self.assertNotIn(FALLBACK_TEXT, self.driver.find_element(By.TAG_NAME, "body").text)
        self.assertEqual(self.rows(), [d for d, _, _ in TARGET_LINKS])
        go = box.find_element(By.TAG_NAME, "button")
        self.assertEqual((go.text, go.get_attribute("type")), ("Go", "button"))

    def test_choosing_an_entry_opens_it_in_its_frame(self):
        for index in range(1, len(TARGET_LINKS)):
            with self.subTest(link=TARGET_LINKS[index]):
                self.open_top()
                windows = len(self.driver.window_handles)
                self.select().select_by_index(index)
                self.expect_opened(index, windows)

    def test_go_opens_the_entry_shown_even_the_first(self):
        self.open_top()
        self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet button").click()
        self.expect_opened(0, len(self.driver.window_handles))

    def expect_opened(self, index, windows_before):
        frame, page = TARGET_PLACES[index]
        if frame is None:
            self.wait(lambda: len(self.driver.window_handles) == windows_before + 1)
            self.driver.switch_to.window(self.driver.window_handles[-1])
            self.wait(lambda: self.driver.current_url == self.site.url(page))
            self.driver.switch_to.window(self.driver.window_handles[0])
        else:
            self.wait_for_location(frame, page)

    def test_arrow_keys_only_move_and_enter_opens(self):
        self.open_top()
        self.driver.find_element(By.ID, "start").click()
        keys = ActionChains(self.driver)
        keys.send_keys(Keys.TAB).perform()
        active = self.driver.switch_to.active_element
        self.assertEqual(active.tag_name, "select")
        self.assertEqual(active.accessible_name, "Pull down list")
        keys.send_keys(Keys.ARROW_DOWN).perform()
        self.assertEqual(self.js("return document.querySelector('select').selectedIndex"), 1)
        keys.send_keys("u").perform()  # typing finds "Up one"
        self.assertEqual(self.js("return document.querySelector('select').selectedIndex"), 2)
        self.assertEqual(self.js("return opened"), [])  # moving is not choosing
        keys.send_keys(Keys.TAB).perform()
        self.assertEqual(self.driver.switch_to.active_element.accessible_name, "Go")
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT) \
            .send_keys(Keys.ENTER).perform()
        self.wait_for_location(*TARGET_PLACES[2])

    def test_go_works_from_the_keyboard(self):
        self.open_top()
        self.driver.find_element(By.ID, "start").click()
        ActionChains(self.driver).send_keys(Keys.TAB, Keys.TAB, Keys.ENTER).perform()
        self.wait_for_location(*TARGET_PLACES[0])

    def test_descriptions_split_at_every_comma_as_in_the_applet(self):
        site = self.site
        site.page("split.htm", RECORD_OPENS + site.applet("Pull down list", SPLIT_LINKS))
        self.driver.switch_to.default_content()
        self.driver.get(site.url("split.htm"))
        self.assertEqual(self.rows(), SPLIT_ROWS)
        self.select().select_by_index(2)  # "Tea" has no address left: nothing opens
        self.select().select_by_index(1)
        self.assertEqual(self.js("return opened"),
                         [[site.url("dest2.htm"), "side"]])


if __name__ == "__main__":
    unittest.main()
