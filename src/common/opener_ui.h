// What the user sees of an opening: windows that keep answering while the
// opener waits, and a wait cursor while a link is followed. Messages about a
// failure are the caller's to show.
#pragma once

class OpenerUi {
 public:
  virtual ~OpenerUi() = default;

  // Dispatches the window messages already waiting; true when the quit
  // message was met (it is posted again for the caller's loop).
  virtual bool PumpMessages() = 0;
  virtual void SetWaitCursor(bool on) = 0;
};
