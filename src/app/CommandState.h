#pragma once

// What decides which commands of the main window are enabled at a moment.
struct CommandSituation {
    bool profileActive = false;
    // The process-wide command flags: Read/Write and Reset follow the cable
    // status and transfers; Add, Delete and Rename follow the profile tree
    // and the editors.
    bool readWriteFlag = false;
    bool resetFlag = false;
    // A radio operation runs here or a transfer in another running copy.
    bool operationRunning = false;
    bool addFlag = false;
    bool deleteFlag = false;
    bool renameFlag = false;
    // The channel table is the page shown and has rows selected.
    bool channelRowsSelected = false;
    // The focused text box, if any.
    bool textBoxFocused = false;
    bool textBoxReadOnly = false;
    bool textBoxIsPassword = false;
    bool textBoxHasSelection = false;
    bool clipboardHasText = false;
};

struct CommandState {
    bool save = false; // Save, Save As and Close
    bool add = false;
    bool remove = false;
    bool rename = false;
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool read = false;
    bool write = false;
    bool reset = false;
    bool report = false;
    bool programRadios = false;
    bool editSelectedChannels = false;
    bool operator==(const CommandState &) const = default;
};

CommandState commandStateFor(const CommandSituation &situation);
