#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class CProductContext;
class CProfileDocument;
struct VirtualCP;

// One open profile of the desktop program: the core document with a title,
// the save and save-as procedure with its dialog, and the prompt to save
// changes before the profile window closes.
class CVelaCPSDoc : public QObject {
    Q_OBJECT

public:
    // Asks for the path to save to, offering suggested; empty for Cancel.
    using SavePathChooser = std::function<QString(const QString &suggested)>;

    // untitledNumber names a document without a file ("Profile1").
    CVelaCPSDoc(const CProductContext &context, int untitledNumber, QObject *parent = nullptr);
    ~CVelaCPSDoc() override;

    // Each makes the profile and answers false (after the message) when
    // there is none.
    bool OnNewDocument(const QString &templatePath);
    bool OnNewDocumentFromImage(VirtualCP &image);
    bool OnOpenDocument(const QString &path);

    // The Save and Save As commands.
    bool Save() { return DoSave(path()); }
    bool SaveAs() { return DoSave(QString()); }
    // Saves to path, or with an empty path to where the user chooses; the
    // path becomes the document's. False when the active editor refused its
    // input, a channel frequency is out of range, the user cancelled or the
    // save failed.
    bool DoSave(const QString &path);
    // Before closing: asks whether to save changes. False cancels the close.
    bool SaveModified();

    // The active editor's commit of its pending input (false: refused).
    void setCommitPendingInput(std::function<bool()> commit) { m_commitPendingInput = std::move(commit); }
    void setSavePathChooser(SavePathChooser chooser) { m_chooseSavePath = std::move(chooser); }

    CProfileDocument &profile() { return *m_profile; }
    const CProfileDocument &profile() const { return *m_profile; }
    QString path() const;
    // The file name, or "Profile" and the number for a document without one.
    QString title() const;
    bool isModified() const;

signals:
    // The title or the modified state changed.
    void titleChanged();
    // The document was saved under a new path.
    void pathChanged(const QString &path);

private:
    bool commitPendingInput();
    QString suggestedSaveName() const;

    std::unique_ptr<CProfileDocument> m_profile;
    int m_untitledNumber;
    std::function<bool()> m_commitPendingInput;
    SavePathChooser m_chooseSavePath;
};
