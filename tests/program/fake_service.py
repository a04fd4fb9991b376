#!/usr/bin/env python3
"""A stand-in for the translation service on 127.0.0.1: every POST to
/translate is recorded in DIR/request-N and answered with a result page
shaped like the service's own, in UTF-8."""
import http.server
import os
import sys

PORT = int(sys.argv[1])
DIR = sys.argv[2]
TRANSLATION = os.environ.get('KESTARA_FAKE_TRANSLATION', '欢迎使用 Kestara translator')


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'
    count = 0

    def do_POST(self):
        length = int(self.headers.get('Content-Length', '0'))
        body = self.rfile.read(length)
        Handler.count += 1
        with open(os.path.join(DIR, 'request-%d' % Handler.count), 'wb') as f:
            f.write(self.requestline.encode() + b'\r\n' + bytes(self.headers) + body)
        page = ('<html><body><form><p><textarea name="i">x</textarea></p>'
                '<p><textarea class="o" wrap="SOFT" name="o">%s</textarea></p>'
                '</form></body></html>' % TRANSLATION).encode('utf-8')
        self.send_response(200)
        self.send_header('Content-Type', 'text/html; charset=utf-8')
        self.send_header('Content-Length', str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(('127.0.0.1', PORT), Handler)
open(os.path.join(DIR, 'ready'), 'w').close()
server.serve_forever()
