#include "CommandState.h"

CommandState commandStateFor(const CommandSituation &s)
{
    CommandState state;
    state.save = s.profileActive;
    state.report = s.profileActive;
    state.add = s.addFlag;
    state.rename = s.renameFlag;
    state.read = s.readWriteFlag;
    state.write = s.profileActive && s.readWriteFlag;
    state.reset = s.resetFlag;
    // A batch picks its own cables, so it does not wait for the cable of
    // this run to be connected.
    state.programRadios = s.profileActive && !s.operationRunning;
    state.editSelectedChannels = s.profileActive && s.channelRowsSelected;

    // The codeplug password boxes never give their text away.
    const bool clipboardBox = s.textBoxFocused && !s.textBoxIsPassword;
    const bool editableBox = clipboardBox && !s.textBoxReadOnly;
    state.copy = clipboardBox && s.textBoxHasSelection;
    state.cut = editableBox && s.textBoxHasSelection;
    state.paste = editableBox && s.clipboardHasText;
    if (s.textBoxFocused && s.textBoxIsPassword)
        state.remove = false;
    else if (editableBox)
        state.remove = s.textBoxHasSelection;
    else
        state.remove = s.deleteFlag;
    return state;
}
