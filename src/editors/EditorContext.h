#pragma once

class CProfileDocument;
class CProductContext;

// What an editor works on: the document it edits (every change through the
// document's edit path), the product settings, and for the per-channel
// editor the channel it shows.
struct EditorContext {
    CProfileDocument &document;
    const CProductContext &product;
    int channelIndex = -1;
};
