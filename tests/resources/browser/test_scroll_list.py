"""The "Scroll list" (MultiList) as tessaly.js shows it in headless Chromium."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from harness import (FALLBACK_TEXT, SPLIT_LINKS, SPLIT_ROWS, START_BUTTON, TARGET_LINKS,
                     TARGET_PLACES, BrowserTest)


class ScrollList(BrowserTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        fragment = cls.site.applet("Scroll list", TARGET_LINKS, **{
            "Applet Width": "320", "Applet Height": "90", "List Size Width": "150",
            "List Size Height": "40", "Text Colour": "HFFFFFF", "Backgorund Colour": "H000080",
            "Font Type": "Times Roman", "Font Size": "9", "Font Style": "Normal"})
        cls.site.framed(START_BUTTON + fragment + "<p>After the list.</p>")

    def links(self):
        return self.driver.find_elements(By.CSS_SELECTOR, ".tessaly-applet a")

    def test_the_applet_becomes_a_box_of_real_links_that_scrolls(self):
        self.open_top()
        self.assertEqual(self.js("return document.getElementsByTagName('applet').length"), 0)
        box = self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet")
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return [r.width, r.height]", box), [320, 90])
        self.assertEqual(box.value_of_css_property("float"), "left")
        self.assertIn("Times", box.value_of_css_property("font-family"))
        self.assertEqual(box.value_of_css_property("font-size"), "12px")  # 9 points
        self.assertNotIn(FALLBACK_TEXT, self.driver.find_element(By.TAG_NAME, "body").text)
        scroller = box.find_element(By.TAG_NAME, "ul")
        self.assertEqual(scroller.accessible_name, "Scroll list")
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect(), s = arguments[0];"
                                 "return [r.width, r.height, s.scrollHeight > s.clientHeight]",
                                 scroller), [150, 40, True])
        self.assertEqual(scroller.value_of_css_property("background-color"), "rgba(0, 0, 128, 1)")
        links = self.links()
        self.assertEqual([a.get_property("textContent") for a in links],
                         [d for d, _, _ in TARGET_LINKS])
        self.assertEqual([a.value_of_css_property("color") for a in links],
                         ["rgba(255, 255, 255, 1)"] * len(TARGET_LINKS))
        self.assertEqual([(a.get_attribute("href"), a.get_attribute("target")) for a in links],
                         [(self.site.url(u), f or "_self") for _, u, f in TARGET_LINKS])

    def test_each_link_opens_in_its_frame(self):
        for index, (frame, page) in enumerate(TARGET_PLACES):
            with self.subTest(link=TARGET_LINKS[index]):
                self.open_top()
                windows = len(self.driver.window_handles)
                link = self.links()[index]
                self.js("arguments[0].scrollIntoView({block: 'nearest'})", link)
                link.click()
                if frame is None:
                    self.wait(lambda: len(self.driver.window_handles) == windows + 1)
                    self.driver.switch_to.window(self.driver.window_handles[-1])
                    self.wait(lambda: self.driver.current_url == self.site.url(page))
                    self.driver.switch_to.window(self.driver.window_handles[0])
                else:
                    self.wait_for_location(frame, page)

    def test_tab_reaches_every_link_in_order_and_enter_opens(self):
        self.open_top()
        self.driver.find_element(By.ID, "start").click()
        keys = ActionChains(self.driver)
        reached = []
        for _ in TARGET_LINKS:
            keys.send_keys(Keys.TAB).perform()
            reached.append(self.driver.switch_to.active_element.get_property("textContent"))
        self.assertEqual(reached, [d for d, _, _ in TARGET_LINKS])
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()  # on "Own page"
        self.wait_for_location(*TARGET_PLACES[-1])

    def test_rows_follow_the_applet_splitting(self):
        self.site.page("split.htm", self.site.applet("Scroll list", SPLIT_LINKS))
        self.driver.switch_to.default_content()
        self.driver.get(self.site.url("split.htm"))
        links = self.links()
        self.assertEqual([a.get_property("textContent") for a in links], SPLIT_ROWS)
        self.assertEqual([a.get_attribute("href") for a in links],
                         [self.site.url("dest1.htm"), self.site.url("dest2.htm"), None])


if __name__ == "__main__":
    unittest.main()
