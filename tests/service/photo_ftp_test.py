#!/usr/bin/python3
"""Photo uploads over FTP into the club service's store, and back over HTTP.

Runs the real service (its launcher starts the FTP server) on loopback:
  photo_ftp_test.py /path/to/zembra-service
"""
import ftplib
import io
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.error
import urllib.parse
import urllib.request

from PIL import Image

SERVICE = None
USER, PASSWORD = "photo-tester", "Test-Photo-Word"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def jpeg(width, height, colour=(40, 120, 60), fmt="JPEG"):
    out = io.BytesIO()
    Image.new("RGB", (width, height), colour).save(out, fmt)
    return out.getvalue()


class PhotoStore(unittest.TestCase):
    def setUp(self):
        self.data = tempfile.mkdtemp(prefix="zembra-photo-test-")
        self.ftp_port = free_port()
        self.proc = subprocess.Popen(
            [SERVICE, "--listen", "127.0.0.1:0", "--data", self.data, "--log", os.path.join(self.data, "log"),
             "--ftp-port", str(self.ftp_port), "--ftp-user", USER, "--ftp-password", PASSWORD,
             "--radio-port", "0", "--tour-port", "0"],
            stdout=subprocess.PIPE, text=True)
        line = self.proc.stdout.readline()
        self.assertTrue(line.startswith("listening on "), line)
        self.base = line.split()[-1]
        deadline = time.time() + 10
        while True:  # the FTP server starts beside the service
            try:
                socket.create_connection(("127.0.0.1", self.ftp_port), timeout=1).close()
                break
            except OSError:
                if time.time() > deadline:
                    raise
                time.sleep(0.1)

    def tearDown(self):
        self.proc.terminate()
        self.assertEqual(self.proc.wait(timeout=10), 0)
        self.proc.stdout.close()
        time.sleep(0.2)
        shutil.rmtree(self.data, ignore_errors=True)

    def upload(self, name, data, user=USER, password=PASSWORD):
        with ftplib.FTP() as ftp:
            ftp.connect("127.0.0.1", self.ftp_port, timeout=10)
            ftp.login(user, password)
            ftp.set_pasv(True)
            ftp.storbinary("STOR photos/" + name, io.BytesIO(data))

    def fetch(self, nick):
        try:
            with urllib.request.urlopen(self.base + "/photos/" + urllib.parse.quote(nick) + ".jpg", timeout=10) as r:
                return r.status, r.read()
        except urllib.error.HTTPError as e:
            return e.code, b""

    def test_a_club_photo_is_stored_and_served(self):
        photo = jpeg(200, 250)
        self.upload("Anna.jpg", photo)
        self.assertEqual(self.fetch("Anna"), (200, photo))
        self.assertEqual(self.fetch("anna"), (200, photo))
        newer = jpeg(200, 250, (200, 30, 30))
        self.upload("anna.jpg", newer)  # replaces the old one
        self.assertEqual(self.fetch("Anna"), (200, newer))

    def test_anything_else_is_refused_and_never_served(self):
        cases = [
            ("Wide.jpg", jpeg(250, 200)),
            ("Big.jpg", jpeg(400, 500)),
            ("Png.jpg", jpeg(200, 250, fmt="PNG")),
            ("Text.jpg", b"<html>hello</html>"),
            ("Cut.jpg", jpeg(200, 250)[:300]),
            ("Bad..name.png", jpeg(200, 250)),
        ]
        for name, data in cases:
            with self.subTest(name=name):
                with self.assertRaises(ftplib.error_perm) as refusal:
                    self.upload(name, data)
                self.assertTrue(str(refusal.exception).startswith("55"), refusal.exception)
                self.assertEqual(self.fetch(name.split(".")[0])[0], 404)
        with self.assertRaises(ftplib.error_perm):
            self.upload("Huge.jpg", b"\xff\xd8" + os.urandom(600 * 1024))
        self.assertEqual(os.listdir(os.path.join(self.data, "photos")), [])
        self.assertEqual(os.listdir(os.path.join(self.data, "ftp-incoming", "photos")), [])

    def test_the_store_takes_its_own_user_only(self):
        with self.assertRaises(ftplib.error_perm):
            self.upload("Anna.jpg", jpeg(200, 250), password="wrong")
        with self.assertRaises(ftplib.error_perm):
            with ftplib.FTP() as ftp:  # no reading back, no listing
                ftp.connect("127.0.0.1", self.ftp_port, timeout=10)
                ftp.login(USER, PASSWORD)
                ftp.retrbinary("RETR photos/Anna.jpg", lambda b: None)


if __name__ == "__main__":
    SERVICE = sys.argv.pop(1)
    unittest.main(verbosity=1)
