#!/usr/bin/python3
"""The club's photo upload server (FTP, passive mode).

Members upload "photos/" + nick + ".jpg". A file is accepted only when it
decodes in full as a JPEG of exactly 200 x 250 pixels; then it replaces the
member's photo in the store atomically. Anything else is refused with 550 and
deleted, so it is never served. The server ends with its parent service.
"""
import argparse
import logging
import os
import re
import signal
import sys
import threading

from PIL import Image
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

MAX_BYTES = 512 * 1024
NICK = re.compile(r"^[A-Za-z0-9!(),.@_-]{2,12}$")


def photo_nick(path):
    """The nick an upload is for, or None when its name is no photo name."""
    name = os.path.basename(path)
    if not name.lower().endswith(".jpg"):
        return None
    nick = name[:-4]
    return nick if NICK.match(nick) and nick not in (".", "..") else None


def is_club_photo(path):
    try:
        with Image.open(path) as im:
            if im.format != "JPEG" or im.size != (200, 250):
                return False
            im.load()  # decodes every byte: a truncated file fails here
        return True
    except Exception:  # any decoding failure is a refusal
        return False


class PhotoDTP(DTPHandler):
    def handle_read(self):
        super().handle_read()
        if not self._closed and self.tot_bytes_received > MAX_BYTES:
            self.transfer_finished = False
            self._resp = ("552 A photo is at most %d bytes." % MAX_BYTES, logging.info)
            self.close()

    def close(self):
        if not self._closed and self.receive and self.transfer_finished and self.file_obj is not None:
            if not self.file_obj.closed:
                self.file_obj.flush()  # closed by the base class, which still reads it
            path = self.file_obj.name
            if photo_nick(path) is None or not is_club_photo(path):
                self.transfer_finished = False
                self._resp = ("550 A photo must be a JPEG picture of 200 x 250 pixels.", logging.info)
        super().close()


class PhotoHandler(FTPHandler):
    dtp_handler = PhotoDTP
    photos = None

    def on_file_received(self, file):
        nick = photo_nick(file)
        target = os.path.join(self.photos, nick.lower() + ".jpg")
        with open(file, "rb") as f:
            os.fsync(f.fileno())
        os.replace(file, target)

    def on_incomplete_file_received(self, file):
        try:
            os.remove(file)
        except OSError:
            pass


def watch_parent():
    """Ends the server when the service that started it is gone."""
    parent = os.getppid()
    while True:
        threading.Event().wait(2)
        if os.getppid() != parent:
            os.kill(os.getpid(), signal.SIGTERM)


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--host", default="127.0.0.1")
    p.add_argument("--port", type=int, required=True)
    p.add_argument("--user", required=True)
    p.add_argument("--incoming", required=True)
    p.add_argument("--photos", required=True)
    a = p.parse_args()
    password = os.environ.get("ZEMBRA_FTP_PASSWORD", "")
    if not password:
        sys.exit("zembra-photo-ftp: no password in ZEMBRA_FTP_PASSWORD")
    os.makedirs(os.path.join(a.incoming, "photos"), exist_ok=True)
    os.makedirs(a.photos, exist_ok=True)
    logging.basicConfig(level=logging.INFO, format="%(asctime)s photo-ftp %(message)s")

    authorizer = DummyAuthorizer()
    # "e" to change into photos/, "w" to store; no listing, no reading back.
    authorizer.add_user(a.user, password, a.incoming, perm="ew")
    handler = PhotoHandler
    handler.authorizer = authorizer
    handler.photos = a.photos
    handler.banner = "Zembra club photos"
    handler.permit_foreign_addresses = False
    server = FTPServer((a.host, a.port), handler)
    server.max_cons = 64
    server.max_cons_per_ip = 8
    signal.signal(signal.SIGTERM, lambda *_: server.close_all() or sys.exit(0))
    threading.Thread(target=watch_parent, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
