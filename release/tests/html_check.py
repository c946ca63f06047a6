#!/usr/bin/env python3
"""Renders each HTML page of a folder of the release in headless Chromium, at a narrow and
at a usual window width, and fails on a picture that does not load (naturalWidth 0), a
picture without alternative text, or a page wider than the window (content that neither
wraps nor scrolls inside its own box). Each page is checked in a copy of the folder (its
pictures beside it as shipped) with a script added that writes the verdict into the page;
Chromium prints the page as it stands once the pictures have loaded (--dump-dom after
--virtual-time-budget).
Exit code 0 all pages fine, 1 a fault (each one named), 77 no Chromium (the test is skipped).
Usage: html_check.py FOLDER"""
import glob
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile

WIDTHS = (800, 1280)
# Runs at the page's load event: one line per fault, or "fine".
VERDICT_SCRIPT = """<script>
window.addEventListener('load', function () {
  var faults = [];
  Array.prototype.forEach.call(document.images, function (img) {
    if (!img.complete || img.naturalWidth === 0) faults.push('picture does not load: ' + img.getAttribute('src'));
    if (!img.getAttribute('alt')) faults.push('picture without alternative text: ' + img.getAttribute('src'));
  });
  var width = window.innerWidth, root = document.documentElement;
  if (root.scrollWidth > width) {
    var culprits = [];
    Array.prototype.forEach.call(document.body.querySelectorAll('*'), function (el) {
      var box = el.getBoundingClientRect();
      if (box.right > width + 1 && culprits.length < 5 && !(el.parentElement && culprits.indexOf(el.parentElement) >= 0))
        culprits.push(el);
    });
    faults.push('page ' + root.scrollWidth + ' px wide in a window of ' + width + ' px; too wide: ' +
      culprits.map(function (el) { return '<' + el.tagName.toLowerCase() + '> "' +
        el.textContent.replace(/\\s+/g, ' ').slice(0, 60) + '"'; }).join(', '));
  }
  var out = document.createElement('pre');
  out.id = 'kfws-verdict';
  out.textContent = faults.length ? faults.join('\\n') : 'fine';
  document.body.appendChild(out);
});
</script>
"""


def chromium():
    for name in ('chromium', 'chromium-browser'):
        path = shutil.which(name)
        if path:
            return path
    return None


def verdict(browser, page, width, profile):
    command = [browser, '--headless', '--no-sandbox', '--disable-gpu', '--hide-scrollbars', '--mute-audio',
               '--no-first-run', '--user-data-dir=' + profile, '--window-size=%d,900' % width,
               '--virtual-time-budget=5000', '--dump-dom', 'file://' + os.path.abspath(page)]
    env = dict(os.environ, HOME=os.environ.get('HOME') or profile)  # Chromium keeps files under HOME
    run = subprocess.run(command, capture_output=True, text=True, timeout=120, env=env)
    found = re.search(r'<pre id="kfws-verdict">(.*?)</pre>', run.stdout, re.S)
    if not found:
        return ['Chromium gave no verdict (exit code %d): %s' % (run.returncode, run.stderr.strip()[-500:])]
    text = html.unescape(found.group(1))
    return [] if text == 'fine' else text.split('\n')


def main():
    folder = sys.argv[1]
    browser = chromium()
    if not browser:
        print('html_check: no chromium on this machine: the pages are not rendered (./dev setup installs it)')
        return 77
    pages = sorted(glob.glob(os.path.join(folder, '*.html')))
    if not pages:
        print('html_check: no HTML page in %s' % folder)
        return 1
    failed = 0
    scratch = tempfile.mkdtemp(prefix='kfws-html-check-')
    try:
        copy = os.path.join(scratch, 'pages')
        shutil.copytree(folder, copy)
        for page in pages:
            checked = os.path.join(copy, os.path.basename(page))
            with open(page, encoding='utf-8') as f:
                text = f.read()
            with open(checked, 'w', encoding='utf-8') as f:
                f.write(text.replace('</body>', VERDICT_SCRIPT + '</body>'))
            for width in WIDTHS:
                faults = verdict(browser, checked, width, os.path.join(scratch, 'profile'))
                for fault in faults:
                    print('html_check: %s at %d px: %s' % (os.path.basename(page), width, fault))
                failed += len(faults)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print('html_check: %d pages at %s px: %s' % (len(pages), ' and '.join(map(str, WIDTHS)),
                                                 '%d faults' % failed if failed else 'fine'))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
