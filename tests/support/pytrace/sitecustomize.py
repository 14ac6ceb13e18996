# Records every file Python opens or imports while the tests run, so that
# scripts/check-packages.py can tell which Debian packages the tests need.
# Active only when ZARO_USED_FILES_DIR is set (the test environment sets it).
import os
import sys

_dir = os.environ.get("ZARO_USED_FILES_DIR")
if _dir:
    # What the interpreter loaded before us (its start-up, .pth hooks of whatever
    # happens to be installed) is not something the tests asked for.
    _seen = {getattr(m, "__file__", None) for m in list(sys.modules.values())}
    _out = None

    def _record(path):
        global _out
        if not isinstance(path, str) or path in _seen:
            return
        _seen.add(path)
        if _out is None:
            os.makedirs(_dir, exist_ok=True)
            _out = open(os.path.join(_dir, f"python-{os.getpid()}"), "a", buffering=1)
        _out.write(path + "\n")

    def _hook(event, args):
        # Written at once: the servers the tests start end by a signal, not at exit.
        if event == "open" and args:
            _record(os.fspath(args[0]) if isinstance(args[0], (str, os.PathLike)) else None)
        elif event == "import":
            # Extension modules are loaded without an "open": take them from sys.modules.
            for module in list(sys.modules.values()):
                _record(getattr(module, "__file__", None))

    _record(os.path.realpath(sys.executable))
    sys.addaudithook(_hook)
