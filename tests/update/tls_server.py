#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""An https server on 127.0.0.1 for the update tests, with a test CA made at start.

tls_server.py FOLDER DOCROOT REDIRECT_BASE [SAN]
Makes FOLDER/ca.pem (test-only CA) and a certificate for 127.0.0.1 signed by it (common name
127.0.0.1, subject alternative name SAN, by default IP:127.0.0.1), serves DOCROOT over TLS on a free
port, and prints "<port> <FOLDER/ca.pem>" on its first line. A path under /moved answers 302 to
REDIRECT_BASE followed by the rest of the path.
"""
import http.server
import os
import ssl
import subprocess
import sys

folder, docroot, redirect_base = sys.argv[1:4]
san = sys.argv[4] if len(sys.argv) > 4 else "IP:127.0.0.1"


def openssl(*args):
    subprocess.run(["openssl", *args], check=True, cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


ec = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"]
openssl("req", "-x509", *ec, "-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj", "/CN=Horalux test-only CA")
openssl("req", *ec, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1")
with open(os.path.join(folder, "san.ext"), "w") as ext:
    ext.write("subjectAltName=" + san + "\n")
openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
        "-out", "server.pem", "-days", "2", "-extfile", "san.ext")


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=docroot, **kwargs)

    def do_GET(self):
        if self.path.startswith("/moved/"):
            self.send_response(302)
            self.send_header("Location", redirect_base + self.path[len("/moved"):])
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        super().do_GET()

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(os.path.join(folder, "server.pem"), os.path.join(folder, "server.key"))
server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], os.path.join(folder, "ca.pem"), flush=True)
server.serve_forever()
