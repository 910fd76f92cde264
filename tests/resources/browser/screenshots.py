"""Pictures of the three kinds of navigation as headless Chromium shows them, from code the real
tessaly --compile writes, for the README:

    /usr/bin/python3 tests/resources/browser/screenshots.py docs build/programs/tessaly

makes docs/tessaly-browser-pulldown.png, -scroll.png and -window.png."""

import base64
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
os.environ.setdefault("TESSALY_HOME", sys.argv[2] if len(sys.argv) > 2 else "")
os.environ.setdefault("TESSALY_EXE", os.path.join(os.environ["TESSALY_HOME"], "tessaly"))

import harness  # noqa: E402 - reads the paths set above
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

LINKS = [("Home", "index.htm", "_self"), ("Roses", "roses.htm", "_self"),
         ("Vegetables", "vegetables.htm", "_self"), ("Garden diary", "diary.htm", "_self"),
         ("Tools I use", "tools.htm", "_self"), ("Write to me", "contact.htm", "_self")]
LOOK = {"Font Type": "Helvetica", "Font Size": "11", "Text Colour": "H1E3A1E",
        "Backgorund Colour": "HE4EFD9"}
PAGE_STYLE = ("<style>body{font-family:Georgia,serif;margin:24px;background:#fbfaf5;color:#333}"
              "h1{font-size:22px;margin:0 0 12px}p{max-width:420px}</style>")


def page(site, name, kind, **properties):
    fragment = site.applet(kind, LINKS, **dict(LOOK, **properties))
    site.page(name, "<h1>A small garden</h1>" + fragment +
              "<p>Notes from a garden, season by season: what grew, what did not, and what I "
              "would plant again.</p>", PAGE_STYLE)
    return site.url(name)


def viewport(driver, width, height):
    """An exact picture size: headless windows count a frame of their own into their size."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})


def shoot(driver, url, path, width, height):
    viewport(driver, width, height)
    driver.get(url)
    WebDriverWait(driver, harness.WAIT_SECONDS).until(
        lambda d: d.execute_script("return !!document.querySelector('.tessaly-applet')"))
    driver.save_screenshot(path)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    out = os.path.abspath(sys.argv[1])
    site = harness.Site()
    driver = harness.start_chromium()
    try:
        shoot(driver, page(site, "pulldown.htm", "Pull down list", **{"Applet Width": "300",
              "Applet Height": "40"}), os.path.join(out, "tessaly-browser-pulldown.png"), 560, 220)
        shoot(driver, page(site, "scroll.htm", "Scroll list", **{
            "Applet Width": "180", "Applet Height": "110", "List Size Width": "180",
            "List Size Height": "110", "Alignment": "Left"}),
            os.path.join(out, "tessaly-browser-scroll.png"), 560, 220)

        # The window list: the page with its button, and the window the button opens, side by
        # side on one picture that Chromium itself puts together.
        viewport(driver, 560, 220)
        driver.get(page(site, "window.htm", "Window list", **{
            "Applet Width": "140", "Applet Height": "40", "List Size Width": "200",
            "List Size Height": "150"}))
        page_png = driver.get_screenshot_as_base64()
        driver.find_element(By.CSS_SELECTOR, ".tessaly-applet button").click()
        WebDriverWait(driver, harness.WAIT_SECONDS).until(
            lambda d: len(d.window_handles) == 2)
        driver.switch_to.window(driver.window_handles[1])
        viewport(driver, 200, 150)
        list_png = driver.get_screenshot_as_base64()
        driver.close()
        driver.switch_to.window(driver.window_handles[0])
        site.write_bytes("page.png", base64.b64decode(page_png))
        site.write_bytes("list.png", base64.b64decode(list_png))
        site.page("both.htm", '<div class="desk"><img src="page.png" alt="">'
                  '<figure><figcaption>Links</figcaption><img src="list.png" alt="">'
                  '</figure></div>',
                  "<style>body{margin:0;background:#6b7b8c}.desk{display:flex;gap:16px;"
                  "padding:16px;align-items:flex-start}img{display:block;box-shadow:0 2px 8px "
                  "#0006}figure{margin:40px 0 0;background:#dde3ea}figcaption{font:13px "
                  "sans-serif;padding:4px 8px}</style>")
        viewport(driver, 820, 290)
        driver.get(site.url("both.htm"))
        WebDriverWait(driver, harness.WAIT_SECONDS).until(lambda d: d.execute_script(
            "return [...document.images].every((i) => i.complete && i.naturalWidth)"))
        driver.save_screenshot(os.path.join(out, "tessaly-browser-window.png"))
    finally:
        harness.stop_chromium(driver)
        site.close()


if __name__ == "__main__":
    main()
