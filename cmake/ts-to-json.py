#!/usr/bin/env python3
"""Turns translations/zemprog_<lang>.ts into the browser edition's
zemprog_<lang>.json: {context: {source: translation}} with the finished
translations only, so the page shows an unfinished text in English.

    ts-to-json.py OUTPUT_DIR TS...
"""
import json
import os
import sys
import xml.etree.ElementTree as ET


def convert(ts_path):
    texts = {}
    for context in ET.parse(ts_path).getroot().iter('context'):
        name = context.findtext('name', '')
        for message in context.iter('message'):
            source = message.findtext('source')
            translation = message.find('translation')
            if source is None or translation is None or translation.get('type'):
                continue  # unfinished, vanished or obsolete
            numerus = translation.findall('numerusform')
            text = numerus[0].text if numerus else translation.text
            if text:
                texts.setdefault(name, {})[source] = text
    return texts


def main():
    out_dir, ts_files = sys.argv[1], sys.argv[2:]
    os.makedirs(out_dir, exist_ok=True)
    for ts_path in ts_files:
        name = os.path.splitext(os.path.basename(ts_path))[0] + '.json'
        text = json.dumps(convert(ts_path), ensure_ascii=False, separators=(',', ':'), sort_keys=True)
        with open(os.path.join(out_dir, name), 'w', encoding='utf-8') as out:
            out.write(text)


if __name__ == '__main__':
    main()
