#pragma once

// The first-run step of start-up, taken when no settings row could be loaded:
// shows the settings dialog and, when it was left with "Save Config", loads the
// settings once more. Returns whether the dialog was saved; after Cancel the
// built-in defaults stay in force.
bool RunFirstRunSettings();
