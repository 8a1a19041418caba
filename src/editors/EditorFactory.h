#pragma once

#include "EditorContext.h"

class CBaseView;
class QWidget;

// The profile sections, by the code the child window asks an editor for
// (the tree's item types use the same codes).
enum class SectionKind : int {
    RadioInfo = 0,
    GeneralSettings = 1,
    AudioSettings = 2,
    Buttons = 3,
    RfFrequency = 4,
    Channels = 5,
    Channel = 6,
    ScanList = 7,
    CustomizedPL = 8,
    CustomizedDPL = 9,
};

// The editor of a section kind, not yet initialised (call OnInitialUpdate
// once it is in place); none for a code that names no section.
CBaseView *CreateEditorView(int kind, const EditorContext &context, QWidget *parent = nullptr);
