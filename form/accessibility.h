#pragma once

namespace linknode {

class MainForm;

// Gives the window, its frames, the IP entries, the combo boxes and the device count
// interfaces of their own for screen readers: a container offers only the controls a user can
// see, in reading order, so a text under the device list or a button below the window's edge
// is not read out; a combo box is named, not called by its value; the device count is one
// value, not four pictures. Before the first control is built: Qt keeps the interface it
// makes for a control at once.
void offerWhatIsSeen();

// Names the form's controls (form/accessible_names.h).
void nameControls(MainForm& form);

} // namespace linknode
