#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the site together: the page with the window written in, the program's
module, the faces as WOFF2 subsets of Debian's fonts, the pictures and the
licence; and the same page in one file, everything in it.

In the page's files, "@URL:name@" stands for a file's address: in the site its
name with a digest of its content (a new release never meets an old file in a
browser's cache); in the one file, its content as a data: address. A line
with "@SITE@" is the site's alone. "@FILES@" in the service worker lists the
site's files, and "@VERSION@" is the release, a digest of them all."""
import argparse
import base64
import hashlib
import io
import pathlib
import re
import shutil
import subprocess

from fontTools import subset
from fontTools.ttLib import TTFont

TYPES = {".js": "text/javascript", ".wasm": "application/wasm", ".woff2": "font/woff2", ".png": "image/png",
         ".webmanifest": "application/manifest+json"}
# Every letter, figure and sign of Western European languages, and the
# typographic ones a text may use: what a person may type into a box.
CHARACTERS = [*range(0x20, 0x7F), *range(0xA0, 0x180), 0x2009, 0x2013, 0x2014, *range(0x2018, 0x201F), 0x2022,
              0x2026, 0x202F, 0x20AC]


def face_subset(path):
    font = TTFont(path)
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern", "liga"]
    options.name_IDs = ["*"]  # the copyright and the licence stay with the face
    options.drop_tables += ["FFTM"]  # a font editor's timestamps
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CHARACTERS)
    subsetter.subset(font)
    out = io.BytesIO()
    font.flavor = "woff2"
    font.save(out)
    return out.getvalue()


def digest(data):
    return hashlib.sha256(data).hexdigest()[:12]


def digested_name(name, data):
    stem, dot, extension = name.partition(".")
    return f"{stem}.{digest(data)}{dot}{extension}"


def with_addresses(text, address_of):
    def address(match):
        return address_of(match.group(1))

    return re.sub(r"@URL:([^@]+)@", address, text)


def site_lines(text, keep):
    lines = [line.replace("@SITE@", "") for line in text.splitlines(keepends=True) if keep or "@SITE@" not in line]
    return "".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", type=pathlib.Path, required=True)
    parser.add_argument("--one-file", type=pathlib.Path, required=True)
    parser.add_argument("--write-page", required=True)
    parser.add_argument("--module", nargs=2, type=pathlib.Path, required=True)
    parser.add_argument("--page", nargs="+", type=pathlib.Path, required=True)
    parser.add_argument("--faces", nargs="+", type=pathlib.Path, required=True)
    parser.add_argument("--pictures", nargs="+", type=pathlib.Path, required=True)
    parser.add_argument("--licence", type=pathlib.Path, required=True)
    arguments = parser.parse_args()

    page = {path.name: path for path in arguments.page}
    # The files that no other names, by their names in the page's text.
    assets = {path.with_suffix(".woff2").name: face_subset(path) for path in arguments.faces}
    assets.update({path.name: path.read_bytes() for path in [*arguments.module, *arguments.pictures]})
    assets["site.js"] = page["site.js"].read_bytes()

    def filled(name):
        return subprocess.run(["node", arguments.write_page], input=page[name].read_bytes(), check=True,
                              capture_output=True).stdout.decode()

    names = {name: digested_name(name, data) for name, data in assets.items()}
    index = filled("index.html")
    manifest = with_addresses(filled("manifest.webmanifest"), names.get)
    site_index = with_addresses(site_lines(index, True), names.get)
    version = digest((site_index + manifest).encode())
    site_index = site_index.replace("@VERSION@", version)
    files = ["./", "manifest.webmanifest", *sorted(names.values())]
    worker = page["sw.js"].read_text().replace("@VERSION@", version)
    worker = worker.replace("@FILES@", ", ".join(f'"{name}"' for name in files))

    shutil.rmtree(arguments.site, ignore_errors=True)
    arguments.site.mkdir(parents=True)
    for name, data in assets.items():
        (arguments.site / names[name]).write_bytes(data)
    (arguments.site / "index.html").write_text(site_index)
    (arguments.site / "manifest.webmanifest").write_text(manifest)
    (arguments.site / "sw.js").write_text(worker)
    shutil.copy(arguments.licence, arguments.site / "LICENSE")

    def data_address(name):
        return f"data:{TYPES[pathlib.Path(name).suffix]};base64,{base64.b64encode(assets[name]).decode()}"

    one_file = with_addresses(site_lines(index, False), data_address).replace("@VERSION@", version)
    arguments.one_file.write_text(one_file)
    print(f"{arguments.site}: {len(files) + 2} files, release {version}; {arguments.one_file}")


main()
