#pragma once

// The application-wide tool-tip switch. While it is off, no widget of the program
// shows a tool tip: an event filter on the application swallows every tool-tip
// request. The filter is installed on the application object on first use; call
// it only once the application object exists.
void SetToolTipsGloballyEnabled(bool enabled);
