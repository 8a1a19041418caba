#pragma once

#include "operations/SupportBundle.h"

#include <QObject>

#include <functional>

class CMainFrame;
class QAction;

// Help > Create Support File...: one .tar.gz for the supplier with what a
// radio problem needs (SupportBundle), the open profile only when the dealer
// agrees to add it.
class CSupportFileCommand : public QObject {
    Q_OBJECT

public:
    // Adds the command to the Help menus of the frame, before About.
    explicit CSupportFileCommand(CMainFrame &frame);

    QAction *action() const { return m_action; }
    // Asks where to save the file, offering suggested; empty for Cancel.
    using PathChooser = std::function<QString(const QString &suggested)>;
    void setPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }

    void create();
    // What goes into the file, with or without the active profile.
    SupportFacts facts(bool withProfile) const;

private:
    CMainFrame &m_frame;
    QAction *m_action;
    PathChooser m_choosePath;
};
