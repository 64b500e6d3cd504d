#!/usr/bin/env python3
"""The loopback server the update tests fetch from: plain HTTP and HTTPS on 127.0.0.1, with a
certificate made at start, serving the files the tests put in FOLDER/files and the ways a
server can fail. Started by ctest before the tests and stopped after them; it also stops by
itself after --lifetime seconds.

  update_server.py FOLDER start   # detaches; FOLDER/port, FOLDER/tls-port, FOLDER/ca.pem
  update_server.py FOLDER stop

Paths: /files/NAME the file; /status/CODE an error status; /html a page with status 200;
/cut/NAME half the file under the whole length; /stall/NAME the first bytes, then nothing;
/slow/NAME the file in small pieces; /to-http/NAME and /to-https/NAME redirects to the file
on the plain and the TLS server.
"""
import http.server
import os
import signal
import ssl
import subprocess
import sys
import threading
import time


def make_handler(folder, ports):
    files = os.path.join(folder, "files")

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *args):
            pass

        def body_of(self, name):
            with open(os.path.join(files, os.path.basename(name)), "rb") as f:
                return f.read()

        def send(self, status, body, content_type="application/zip", length=None):
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(body) if length is None else length))
            self.send_header("Connection", "close")
            self.end_headers()

        def redirect(self, to):
            self.send_response(302)
            self.send_header("Location", to)
            self.send_header("Content-Length", "0")
            self.send_header("Connection", "close")
            self.end_headers()

        def do_GET(self):
            self.close_connection = True
            kind, _, name = self.path.lstrip("/").partition("/")
            try:
                if kind == "status":
                    body = b"<html><body>error</body></html>"
                    self.send(int(name), body, "text/html")
                    self.wfile.write(body)
                elif kind == "html":
                    body = b"<!DOCTYPE html><html><body>moved</body></html>"
                    self.send(200, body, "text/html")
                    self.wfile.write(body)
                elif kind == "to-http":
                    self.redirect("http://127.0.0.1:%d/files/%s" % (ports["http"], name))
                elif kind == "to-https":
                    self.redirect("https://127.0.0.1:%d/files/%s" % (ports["https"], name))
                else:
                    body = self.body_of(name)
                    self.send(200, body)
                    if kind == "files":
                        self.wfile.write(body)
                    elif kind == "cut":
                        self.wfile.write(body[: len(body) // 2])
                    elif kind == "stall":
                        self.wfile.write(body[:1000])
                        self.wfile.flush()
                        time.sleep(60)
                    elif kind == "slow":
                        for at in range(0, len(body), 16384):
                            self.wfile.write(body[at : at + 16384])
                            self.wfile.flush()
                            time.sleep(0.01)
            except (OSError, ValueError):
                pass

    return Handler


def serve(folder, lifetime):
    cert = os.path.join(folder, "ca.pem")
    key = os.path.join(folder, "key.pem")
    subprocess.run(
        ["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
         "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
         "-keyout", key, "-out", cert],
        check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    ports = {}
    handler = make_handler(folder, ports)
    plain = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    tls = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    tls.socket = context.wrap_socket(tls.socket, server_side=True)
    for server in (plain, tls):
        server.daemon_threads = True
    ports["http"] = plain.server_address[1]
    ports["https"] = tls.server_address[1]
    threading.Thread(target=tls.serve_forever, daemon=True).start()
    threading.Thread(target=plain.serve_forever, daemon=True).start()
    for name, port in (("port", ports["http"]), ("tls-port", ports["https"])):
        with open(os.path.join(folder, name + ".tmp"), "w") as f:
            f.write(str(port))
        os.replace(os.path.join(folder, name + ".tmp"), os.path.join(folder, name))
    time.sleep(lifetime)


def main():
    folder, command = sys.argv[1], sys.argv[2]
    lifetime = int(sys.argv[3]) if len(sys.argv) > 3 else 1800
    pid_file = os.path.join(folder, "pid")
    if command == "stop":
        try:
            with open(pid_file) as f:
                os.kill(int(f.read()), signal.SIGTERM)
        except (OSError, ValueError):
            pass
        return
    os.makedirs(os.path.join(folder, "files"), exist_ok=True)
    for name in ("port", "tls-port"):
        if os.path.exists(os.path.join(folder, name)):
            os.remove(os.path.join(folder, name))
    if os.fork() > 0:
        # Back to ctest once the server answers.
        for _ in range(300):
            if os.path.exists(os.path.join(folder, "tls-port")):
                return
            time.sleep(0.1)
        sys.exit("the update server did not start")
    os.setsid()
    devnull = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(devnull, fd)
    with open(pid_file, "w") as f:
        f.write(str(os.getpid()))
    serve(folder, lifetime)
    os._exit(0)


if __name__ == "__main__":
    main()
