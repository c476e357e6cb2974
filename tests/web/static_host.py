#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder on 127.0.0.1 as a static host does: gzip for whoever takes
it, and Cache-Control: max-age=600. Prints its port, then serves until killed.
Usage: static_host.py FOLDER"""
import gzip
import io
import http.server
import sys

folder = sys.argv[1]
COMPRESSED = (".html", ".js", ".wasm", ".webmanifest", ".css", ".svg")


class Host(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".webmanifest": "application/manifest+json", ".woff2": "font/woff2"}

    def __init__(self, *arguments, **options):
        super().__init__(*arguments, directory=folder, **options)

    def send_head(self):
        path = self.translate_path(self.path)
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not path.endswith(COMPRESSED) \
                and not path.endswith("/"):
            return super().send_head()
        if path.endswith("/"):
            path += "index.html"
        try:
            with open(path, "rb") as file:
                body = gzip.compress(file.read())
        except OSError:
            self.send_error(404)
            return None
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


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser that closed a connection early


server = Server(("127.0.0.1", 0), Host)
print(server.server_address[1], flush=True)
server.serve_forever()
