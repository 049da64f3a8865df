#!/usr/bin/python3
"""The web site against its budget: at most 1 MB in all, uncompressed, and the first
prompt on screen within 1 second of navigation in headless Chromium.

Sums the size of every file in the site, then loads the page several times, with the
browser's cache off (a first visit) and on (a return visit), and takes the time from the
start of navigation until the terminal's rows first hold the prompt for the bear's name.
Debian's python3-selenium, chromium and chromium-driver; run with Debian's python.

Usage: /usr/bin/python3 bench/web_budget.py SITE_DIR [--loads N]
"""
import argparse
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from site_browser import chromium, served  # noqa: E402

SIZE_BUDGET = 1_000_000  # bytes
PROMPT_BUDGET = 1000  # milliseconds

# Runs before the page's own scripts: notes when the terminal first shows the prompt.
WATCH_FOR_PROMPT = """
window.firstPromptAt = null;
new MutationObserver((changes, observer) => {
  const rows = document.querySelector('.xterm-rows');
  if (rows && rows.textContent.includes("What's his name?")) {
    window.firstPromptAt = performance.now();
    observer.disconnect();
  }
}).observe(document, { subtree: true, childList: true, characterData: true });
"""

WAIT_FOR_PROMPT = """
const done = arguments[arguments.length - 1];
const check = () => (window.firstPromptAt !== null ? done(window.firstPromptAt)
                                                     : setTimeout(check, 20));
check();
"""


def site_size(site):
    sizes = {}
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.join(folder, name)
            sizes[os.path.relpath(path, site)] = os.path.getsize(path)
    return sizes


def prompt_times(browser, site, loads, cache_on):
    browser.execute_cdp_cmd("Network.enable", {})
    browser.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": not cache_on})
    times = []
    for _ in range(loads):
        browser.get("about:blank")
        browser.get(site)
        times.append(browser.execute_async_script(WAIT_FOR_PROMPT))
    return times


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("site")
    parser.add_argument("--loads", type=int, default=7)
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    parser.add_argument("--chromedriver", default="/usr/bin/chromedriver")
    args = parser.parse_args()

    sizes = site_size(args.site)
    total = sum(sizes.values())
    for name, size in sorted(sizes.items(), key=lambda item: -item[1]):
        print(f"{size:>9,} B  {name}")
    print(f"{total:>9,} B  in all, {total / SIZE_BUDGET:.0%} of the {SIZE_BUDGET:,} B budget")

    worst = 0.0
    with served(args.site) as site, chromium(args.chromium, args.chromedriver) as browser:
        browser.set_script_timeout(10)
        browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                {"source": WATCH_FOR_PROMPT})
        for label, cache_on in (("first visit (cache off)", False), ("return visit (cache on)", True)):
            times = prompt_times(browser, site, args.loads, cache_on)
            worst = max(worst, max(times))
            print(f"first prompt, {label}: median {statistics.median(times):.0f} ms, "
                  f"slowest {max(times):.0f} ms of {args.loads} loads")
    within = total <= SIZE_BUDGET and worst <= PROMPT_BUDGET
    print("within budget" if within else "OVER BUDGET")
    return 0 if within else 1


if __name__ == "__main__":
    sys.exit(main())
