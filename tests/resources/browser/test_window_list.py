"""The "Window list" (framer) as tessaly.js shows it in headless Chromium: its own window, and
the dialog in the page where the browser blocks new windows."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from harness import (FALLBACK_TEXT, RECORD_OPENS, START_BUTTON, TARGET_LINKS, TARGET_PLACES,
                     BrowserTest)

WINDOW_LIST = {"Applet Width": "200", "Applet Height": "50", "List Size Width": "260",
               "List Size Height": "180", "Text Colour": "H800000", "Backgorund Colour": "HC0C0C0",
               "Font Type": "Dialog", "Font Size": "11", "Font Style": "Italic"}
DESCRIPTIONS = [d for d, _, _ in TARGET_LINKS]


class WindowListTest(BrowserTest):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        fragment = cls.site.applet("Window list", TARGET_LINKS, **WINDOW_LIST)
        cls.site.framed(START_BUTTON + fragment, RECORD_OPENS)

    def show_links(self):
        self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet button").click()


class WindowList(WindowListTest):
    def open_window(self):
        self.open_top()
        page = self.driver.current_window_handle
        self.show_links()
        self.wait(lambda: len(self.driver.window_handles) == 2, "no window opened")
        self.driver.switch_to.window(self.driver.window_handles[1])
        return page

    def test_the_applet_becomes_a_show_links_button(self):
        self.open_top()
        box = self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet")
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return [r.width, r.height]", box), [200, 50])
        self.assertEqual(box.value_of_css_property("background-color"), "rgba(192, 192, 192, 1)")
        self.assertEqual(box.value_of_css_property("font-style"), "italic")
        button = box.find_element(By.TAG_NAME, "button")
        self.assertEqual(button.accessible_name, "Show links")
        self.assertNotIn(FALLBACK_TEXT, box.text)
        self.assertEqual(self.js("return document.getElementsByTagName('applet').length"), 0)

    def test_the_window_lists_real_links_in_order(self):
        self.open_window()
        self.assertEqual(self.driver.title, "Links")
        links = self.driver.find_elements(By.CSS_SELECTOR, "a")
        self.assertEqual([a.get_property("textContent") for a in links], DESCRIPTIONS)
        self.assertEqual([(a.get_attribute("href"), a.get_attribute("target")) for a in links],
                         [(self.site.url(u), f or "_self") for _, u, f in TARGET_LINKS])
        self.assertEqual(links[0].value_of_css_property("color"), "rgba(128, 0, 0, 1)")
        self.assertEqual(self.driver.find_element(By.TAG_NAME, "ul").accessible_name,
                         "Window list")
        self.assertEqual(self.driver.switch_to.active_element.get_property("textContent"),
                         DESCRIPTIONS[0])  # ready for the keyboard
        # A small window of the list's size (headless Chromium gives every window its own).
        self.driver.switch_to.window(self.driver.window_handles[0])
        self.enter_applet_frame()
        self.assertEqual(self.js("return opened"),
                         [["", "", "width=260,height=180,resizable,scrollbars"]])

    def test_links_open_in_the_frames_of_the_applets_page(self):
        for index, (frame, page) in enumerate(TARGET_PLACES):
            with self.subTest(link=TARGET_LINKS[index]):
                page_window = self.open_window()
                self.driver.find_elements(By.CSS_SELECTOR, "a")[index].click()
                if frame is None:
                    self.wait(lambda: len(self.driver.window_handles) == 3)
                    new = [h for h in self.driver.window_handles
                           if h not in (page_window, self.driver.current_window_handle)][0]
                    self.driver.switch_to.window(new)
                    self.wait(lambda: self.driver.current_url == self.site.url(page))
                self.driver.switch_to.window(page_window)
                if frame is not None:
                    self.wait_for_location(frame, page)
                self.tearDown()

    def test_the_window_goes_when_the_page_goes(self):
        page = self.open_window()
        self.driver.find_elements(By.CSS_SELECTOR, "a")[3].click()  # the whole window
        self.driver.switch_to.window(page)
        self.wait_for_location(*TARGET_PLACES[3])
        self.wait(lambda: len(self.driver.window_handles) == 1, "the list window stayed")

    def test_pressing_again_brings_the_same_window_back(self):
        page = self.open_window()
        self.driver.switch_to.window(page)
        self.enter_applet_frame()
        self.show_links()
        self.assertEqual(len(self.driver.window_handles), 2)

    def test_the_keyboard_opens_the_window_and_a_link(self):
        self.open_top()
        page = self.driver.current_window_handle
        self.driver.find_element(By.ID, "start").click()
        ActionChains(self.driver).send_keys(Keys.TAB, Keys.ENTER).perform()
        self.wait(lambda: len(self.driver.window_handles) == 2, "no window opened")
        self.driver.switch_to.window(self.driver.window_handles[1])
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()  # on the first link
        self.driver.switch_to.window(page)
        self.wait_for_location(*TARGET_PLACES[0])


class WindowListWithoutNewWindows(WindowListTest):
    """A browser whose popup blocker refuses the window: here it is asked for by a script
    with no click of the user's behind it."""

    block_popups = True

    def show_links(self):
        self.js("document.querySelector('.tessaly-applet button').click()")

    def open_dialog(self):
        self.open_top()
        self.show_links()
        self.assertEqual(self.js("return opened.length"), 1)  # asked for, and refused
        return self.driver.find_element(By.CSS_SELECTOR, ".tessaly-applet dialog")

    def test_a_dialog_in_the_page_lists_the_links_instead(self):
        dialog = self.open_dialog()
        self.assertEqual(len(self.driver.window_handles), 1)
        self.assertTrue(dialog.get_property("open"))
        self.assertTrue(self.js("return arguments[0].matches(':modal')", dialog))
        self.assertEqual(dialog.accessible_name, "Window list")
        links = dialog.find_elements(By.TAG_NAME, "a")
        self.assertEqual([a.get_property("textContent") for a in links], DESCRIPTIONS)
        self.assertEqual(dialog.value_of_css_property("background-color"), "rgba(192, 192, 192, 1)")
        self.assertEqual(self.js("const r = arguments[0].getBoundingClientRect();"
                                 "return [r.width, r.height]",
                                 dialog.find_element(By.TAG_NAME, "ul")), [260, 180])
        links[0].click()
        self.wait_for_location(*TARGET_PLACES[0])
        self.enter_applet_frame()
        self.assertFalse(self.js("return document.querySelector('dialog').open"))

    def test_each_dialog_link_opens_in_its_frame(self):
        for index, (frame, page) in enumerate(TARGET_PLACES):
            if frame is None:
                continue  # a new window is just what this browser refuses
            with self.subTest(link=TARGET_LINKS[index]):
                self.open_dialog().find_elements(By.TAG_NAME, "a")[index].click()
                self.wait_for_location(frame, page)

    def test_the_keyboard_moves_through_the_dialog_and_closes_it(self):
        dialog = self.open_dialog()
        self.assertEqual(self.driver.switch_to.active_element.get_property("textContent"),
                         DESCRIPTIONS[0])
        keys = ActionChains(self.driver)
        for _ in DESCRIPTIONS:
            keys.send_keys(Keys.TAB).perform()
        self.assertEqual(self.driver.switch_to.active_element.accessible_name, "Close")
        keys.send_keys(Keys.ENTER).perform()
        self.assertFalse(dialog.get_property("open"))

    def test_escape_closes_the_dialog(self):
        dialog = self.open_dialog()
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.wait(lambda: not dialog.get_property("open"), "Escape left the dialog open")

if __name__ == "__main__":
    unittest.main()
