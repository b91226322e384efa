"""Judges the pages of a log's PDF, whichever program typeset it, by what
poppler reads from them: the smallest font size, text beyond a page's edges,
the log's sentences found in order, a sentence left at the foot of a page
while the matrix it introduces starts the next, and fonts not embedded.

Usage: pdf_pages.py PDF LOG, LOG the plain log. Prints one line per check,
"name count [first few]"."""
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

ZOOM = 3  # pdftohtml's finest: three units to the point
PAGE_NUMBER = re.compile(r'^\d+(\s*/\s*\d+)?$')


def prose_runs(line):
    """The runs of Japanese characters (U+3000 on) of a log line."""
    return [run for run in re.split(r'[^\u3000-\U0010ffff]+', line) if run]


def read_pages(pdf):
    xml = subprocess.run(['pdftohtml', '-xml', '-i', '-stdout', '-zoom', str(ZOOM), pdf],
                         capture_output=True, check=True).stdout
    root = ET.fromstring(xml)
    sizes, pages, texts = {}, [], []
    for page in root.iter('page'):
        number = len(pages)
        pages.append((float(page.get('width')), float(page.get('height'))))
        for font in page.iter('fontspec'):
            sizes[font.get('id')] = float(font.get('size')) / ZOOM
        for text in page.iter('text'):
            content = ''.join(text.itertext())
            if content.strip():
                texts.append({'page': number, 'top': float(text.get('top')),
                              'left': float(text.get('left')), 'width': float(text.get('width')),
                              'height': float(text.get('height')),
                              'size': sizes[text.get('font')], 'text': content})
    return pages, reading_order(texts)


def reading_order(texts):
    """Page by page, line by line, left to right: a text whose middle lies
    within the line above's height is on that line (a formula's pieces stand
    a little higher or lower than the prose)."""
    texts.sort(key=lambda t: (t['page'], t['top']))
    lines = []
    for text in texts:
        middle = text['top'] + text['height'] / 2
        line = lines[-1] if lines else None
        if line and line['page'] == text['page'] and line['top'] <= middle <= line['bottom']:
            line['texts'].append(text)
            line['bottom'] = max(line['bottom'], text['top'] + text['height'])
        else:
            lines.append({'page': text['page'], 'top': text['top'],
                          'bottom': text['top'] + text['height'], 'texts': [text]})
    return [t for line in lines for t in sorted(line['texts'], key=lambda t: t['left'])]


def is_footer(text, pages):
    return PAGE_NUMBER.match(text['text'].strip()) and text['top'] > 0.85 * pages[text['page']][1]


def sentences(log, texts, pages):
    """The log's prose runs that are missing, and the sentences that end a
    page while their matrix is on the next."""
    stream, owner = '', []
    for k, text in enumerate(texts):
        piece = re.sub(r'\s+', '', text['text'])
        stream += piece
        owner += [k] * len(piece)
    missing, stranded, at = [], [], 0
    for n, line in enumerate(log):
        found = None
        for run in prose_runs(line):
            hit = stream.find(run, at)
            if hit < 0:
                missing.append(run)
                continue
            at = hit + len(run)
            found = texts[owner[at - 1]]
        introduces = n + 1 < len(log) and log[n + 1].startswith('  (')
        if found and introduces and not any(
                t['page'] == found['page'] and t['top'] > found['top'] + found['height']
                and not is_footer(t, pages) for t in texts):
            stranded.append(line)
    return missing, stranded


def unembedded(pdf):
    rows = subprocess.run(['pdffonts', pdf], capture_output=True, text=True,
                          check=True).stdout.splitlines()[2:]
    return [row for row in rows if row.split()[-5] != 'yes']


def report(name, items):
    print(name, len(items), items[:3])


def main(pdf, log_path):
    log = open(log_path, encoding='utf-8').read().splitlines()
    pages, texts = read_pages(pdf)
    print('pages', len(pages))
    print('smallest', min(t['size'] for t in texts))
    report('outside', [t['text'] for t in texts
                       if t['left'] < 0 or t['left'] + t['width'] > pages[t['page']][0] + 1
                       or t['top'] < 0 or t['top'] + t['height'] > pages[t['page']][1] + 1])
    missing, stranded = sentences(log, texts, pages)
    report('missing', missing)
    report('stranded', stranded)
    report('unembedded', unembedded(pdf))


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
