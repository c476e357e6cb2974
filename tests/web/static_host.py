#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on 127.0.0.1 as a static host does: gzip for whoever takes
it, and Cache-Control: max-age=600. Prints its port, then serves until killed.
Usage: static_host.py FOLDER"""
import functools
import gzip
import http.server
import io
import sys

COMPRESSED = (".html", ".js", ".wasm", ".webmanifest", ".css", ".svg")


class Host(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".webmanifest": "application/manifest+json", ".woff2": "font/woff2"}

    def send_head(self):
        path = self.translate_path(self.path)
        path += "index.html" if path.endswith("/") else ""
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not path.endswith(COMPRESSED):
            return super().send_head()
        try:
            with open(path, "rb") as file:
                body = gzip.compress(file.read())
        except OSError:
            return super().send_head()  # its answer for what is not there
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)

    def end_headers(self):
        self.send_header("Cache-Control", "max-age=600")
        super().end_headers()

    def log_message(self, *arguments):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Host, directory=sys.argv[1]))
server.handle_error = lambda *arguments: None  # a browser that closed a connection early
print(server.server_address[1], flush=True)
server.serve_forever()
