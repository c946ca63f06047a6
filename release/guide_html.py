#!/usr/bin/env python3
"""Finishes the guides' HTML pages in a folder of the release, each page as cmark-gfm made
it from its Markdown, so that every cross-reference works in the folder as shipped:
- each heading gets the id a Markdown link "#heading-text" points at (lower case, blanks
  as hyphens, punctuation dropped, "-1", "-2" after repeats: as the source host shows the
  Markdown files), so links within a page and between the guides keep working;
- a link to NAME.md goes to NAME.html when that page is in the folder;
- a link to anything else that is not in the folder (README.md, docs/*.md: the source
  tree's documents are not shipped) is taken out, its text kept, and named on stderr.
Links with a scheme (https:, mailto:) and pictures are left as they are.
Usage: guide_html.py FOLDER"""
import html
import os
import re
import sys
import urllib.parse

HEADING = re.compile(r'<h([1-6])>(.*?)</h\1>', re.S)
LINK = re.compile(r'<a href="([^"]*)"([^>]*)>(.*?)</a>', re.S)


def slug(inner):
    text = html.unescape(re.sub(r'<[^>]+>', '', inner)).strip().lower()
    return re.sub(r'[^\w\- ]', '', text).replace(' ', '-')


def add_ids(page):
    seen = {}

    def named(match):
        base = slug(match.group(2))
        count = seen.get(base, 0)
        seen[base] = count + 1
        ident = base if count == 0 else '%s-%d' % (base, count)
        return '<h%s id="%s">%s</h%s>' % (match.group(1), html.escape(ident), match.group(2), match.group(1))

    return HEADING.sub(named, page)


def fix_links(page, folder, name):
    def fixed(match):
        href, rest, text = match.groups()
        target = html.unescape(href)
        if re.match(r'^[a-zA-Z][a-zA-Z0-9+.-]*:', target) or target.startswith('#'):
            return match.group(0)
        path, hash_, fragment = target.partition('#')
        local = urllib.parse.unquote(path)
        if local.endswith('.md') and os.path.isfile(os.path.join(folder, local[:-3] + '.html')):
            return '<a href="%s"%s>%s</a>' % (html.escape(path[:-3] + '.html' + hash_ + fragment), rest, text)
        if local and os.path.isfile(os.path.join(folder, local)):
            return match.group(0)
        print('guide_html.py: %s: the link to %s is not shipped: its text is kept without it' % (name, target),
              file=sys.stderr)
        return text

    return LINK.sub(fixed, page)


def main():
    folder = sys.argv[1]
    for name in sorted(os.listdir(folder)):
        if name.endswith('.html'):
            path = os.path.join(folder, name)
            with open(path, encoding='utf-8') as f:
                page = f.read()
            page = fix_links(add_ids(page), folder, name)
            with open(path, 'w', encoding='utf-8') as f:
                f.write(page)


if __name__ == '__main__':
    main()
