# Orca's settings for the screen-reader test (orca_check.py copies this file
# into the preferences folder it gives Orca). Orca writes every utterance to
# its debug log before it hands it to a speech server; with no server to
# hand it to, that log is all it says, and the test reads it as Orca writes
# it. No braille, no sounds, no echo of the keys the test presses.
import orca.settings as settings
from orca import debug

settings.speechServerFactory = "no-speech-server"
settings.speechFactoryModules = []
settings.enableBraille = False
settings.enableSound = False
settings.enableKeyEcho = False
if debug.debugFile is not None:
    debug.debugFile.reconfigure(line_buffering=True)
