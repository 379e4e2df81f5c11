"""A loopback FTP server for the tests, on pyftpdlib.

One account with full rights on a home folder. ASCII uploads are stored
byte for byte as they crossed the wire (pyftpdlib would otherwise turn CR LF
into LF), so a test can see exactly what a client sent. Every command is
appended to a log file (passwords masked). Prints "LISTENING <port>" once it
accepts connections. With --fail-first-stor the first upload of each file
name is refused, as a server in a short outage would.
"""
import argparse
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


class RawDTPHandler(DTPHandler):
    def enable_receiving(self, type, cmd):
        super().enable_receiving(type, cmd)
        self._data_wrapper = None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--home", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--commands", required=True)
    parser.add_argument("--port", type=int, default=0, help="0 picks a free port")
    parser.add_argument("--fail-first-stor", action="store_true",
                        help="answer the first STOR of each file name with 451")
    args = parser.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.home, perm="elradfmwMT")

    commands = open(args.commands, "a", buffering=1)

    refused_once = set()

    class Handler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            shown = "PASS ****" if cmd == "PASS" else line
            commands.write(shown + "\n")
            if args.fail_first_stor and cmd == "STOR" and arg not in refused_once:
                refused_once.add(arg)
                self.respond("451 Requested action aborted: local error in processing.")
                return
            super().pre_process_command(line, cmd, arg)

    Handler.authorizer = authorizer
    Handler.dtp_handler = RawDTPHandler
    # pyftpdlib answers a wrong password after 3 s by default; tests wait less.
    Handler.auth_failed_timeout = 0.1
    server = FTPServer(("127.0.0.1", args.port), Handler)
    print("LISTENING %d" % server.socket.getsockname()[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    server.close_all()


if __name__ == "__main__":
    sys.exit(main())
