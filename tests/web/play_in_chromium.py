"""Plays the built site in headless Chromium as a player would, reading what the terminal
shows after each answer, and saves a screenshot of the end."""

import argparse
import os
import sys

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from site_browser import chromium, rows, served

WELCOME = "Welcome to Tumblewood 2010."
ASKS_NAME = "You have a bear. What's his name?"
QUIT_LINE = "0. Quit Tumblewood 2010."
REPORT_TOP = "Your bear is out of shape, and it breathes heavily even while standing."
GAME_OVER = "The game is over. Press Enter to start a new one."


class Player:
    def __init__(self, browser):
        self.browser = browser

    def type(self, keys):
        """Types into whatever has the focus, as a person at the keyboard does."""
        self.browser.switch_to.active_element.send_keys(keys)

    def wait_for(self, what, check):
        """Waits until `check(rows)` holds; fails with what the terminal shows otherwise."""
        shown = []

        def holds(browser):
            shown[:] = rows(browser)
            return check(shown)

        try:
            WebDriverWait(self.browser, 10, poll_frequency=0.05).until(holds)
        except Exception:  # the wait's own error says nothing about the screen
            raise AssertionError(f"{what}; the terminal shows:\n" + "\n".join(shown)) from None
        return shown


def has_line(text):
    return lambda shown: text in shown


def check_page(browser):
    assert browser.title == "Tumblewood", browser.title
    headings = browser.execute_script("return document.querySelectorAll('h1').length")
    assert headings == 1, f"{headings} headings"
    focused = browser.execute_script("return document.activeElement.className")
    assert "xterm-helper-textarea" in focused, f"the focus is on '{focused}'"
    assert browser.execute_script("return !!document.querySelector('.xterm-accessibility')"), (
        "screen-reader mode is off"
    )


def play(browser, site):
    player = Player(browser)
    browser.get(site)
    player.wait_for("the welcome shows", lambda shown: WELCOME in shown and ASKS_NAME in shown)
    check_page(browser)

    player.type("Bruno")
    player.wait_for("the typed name is echoed", has_line("Bruno"))
    player.type(Keys.ENTER)
    shown = player.wait_for("the menu shows", has_line(QUIT_LINE))
    assert "Bruno. What a cute name. Let's get started." in shown, shown
    assert "It is day 1" in shown and "6. Examine Bruno." in shown, shown

    player.type("6" + Keys.ENTER)
    shown = player.wait_for("the report shows", lambda shown: shown[0].startswith(REPORT_TOP))
    assert WELCOME not in shown, "the screen was not cleared before the report"
    player.wait_for("the menu follows the report", has_line(QUIT_LINE))

    player.type("0" + Keys.ENTER)
    shown = player.wait_for("the game-over line shows", has_line(GAME_OVER))
    assert shown[0] == GAME_OVER, "the game-over line is not alone on the cleared screen"

    player.type(Keys.ENTER)
    player.wait_for("a new game starts", lambda shown: shown.count(WELCOME) == 1
                    and shown.index(WELCOME) > shown.index(GAME_OVER))
    player.type("Ursa" + Keys.ENTER)
    shown = player.wait_for("the new game asks for a day", has_line(QUIT_LINE))
    assert "It is day 1" in shown and "6. Examine Ursa." in shown, "the new game did not start anew"


def check_requests_stay(browser, site):
    requested = browser.execute_script(
        "return performance.getEntriesByType('resource').map((entry) => entry.name)")
    elsewhere = [address for address in requested if not address.startswith(site)]
    assert not elsewhere, f"requests left the site: {elsewhere}"


def check_phone_width(browser):
    """At a phone's width the terminal refits: nothing sticks out to the side, and the text
    keeps a legible size."""
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
    WebDriverWait(browser, 10).until(lambda browser: browser.execute_script(
        "return document.querySelector('.xterm-screen').getBoundingClientRect().right"
        " <= window.innerWidth && document.documentElement.scrollWidth <= window.innerWidth"))
    row_height = browser.execute_script(
        "return document.querySelector('.xterm-rows > div').getBoundingClientRect().height")
    assert row_height >= 14, f"rows {row_height}px high at a phone's width"


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--site", required=True)
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    parser.add_argument("--chromedriver", default="/usr/bin/chromedriver")
    parser.add_argument("--screenshots", required=True, help="folder for the screenshots")
    args = parser.parse_args()

    with served(args.site) as site, chromium(args.chromium, args.chromedriver) as browser:
        try:
            play(browser, site)
            check_requests_stay(browser, site)
        finally:
            browser.save_screenshot(os.path.join(args.screenshots, "chromium-game.png"))
        try:
            check_phone_width(browser)
        finally:
            browser.save_screenshot(os.path.join(args.screenshots, "chromium-phone.png"))
    print("played a whole game and started another in headless Chromium")
    return 0


if __name__ == "__main__":
    sys.exit(main())
