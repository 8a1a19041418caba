#pragma once

#include "EditorFixture.h"

#include "editors/BaseView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <type_traits>

inline TemplateChange Change(const char *element, const char *attribute, const char *value)
{
    return { QLatin1String(element), QLatin1String(attribute), QLatin1String(value) };
}

// Each "attribute=value" as a change of the element; empty texts change nothing.
inline TemplateChanges Changes(const char *element, const QStringList &assignments)
{
    TemplateChanges changes;
    for (const QString &assignment : assignments) {
        if (!assignment.isEmpty())
            changes << TemplateChange { QLatin1String(element), assignment.section('=', 0, 0),
                assignment.section('=', 1) };
    }
    return changes;
}

// An editor of a profile made from a template, in the language asked (the
// default one when empty), opened on the channel given; for an abstract
// View the test opens the kind it wants.
template <class View> struct EditorPage {
    explicit EditorPage(const QString &model, const TemplateChanges &changes = {},
        const QString &language = QString(), int channel = 0)
        : fixture(QStringLiteral(VELA_DATA_DIR), language, false)
        , document(fixture.profile(model, changes))
        , channel(channel)
    {
        if constexpr (std::is_constructible_v<View, const EditorContext &>)
            open();
    }
    // A new view of the profile, as when the user comes back to the page.
    template <class Shown = View> void open()
    {
        view = std::make_unique<Shown>(EditorContext { *document, fixture.context, channel });
        view->resize(1000, 700);
        view->OnInitialUpdate();
    }
    // Shown and active, for typing and focus changes.
    void activate() const
    {
        view->show();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
    }
    template <class Widget = QWidget> Widget *control(int id) const
    {
        return view->template control<Widget>(id);
    }
    QComboBox *combo(int id) const { return control<QComboBox>(id); }
    // As the user does: the focus moves to the box, its text is typed over.
    void type(int id, const QString &text) const
    {
        auto *box = control<QLineEdit>(id);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // The focus moves to the list, then the item at index is chosen.
    void choose(int id, int index) const
    {
        combo(id)->setFocus();
        combo(id)->setCurrentIndex(index);
        QVERIFY2(index >= 0 && combo(id)->currentIndex() == index, qPrintable(QString::number(id)));
        emit combo(id)->activated(index);
    }
    void choose(int id, const QString &text) const { choose(id, combo(id)->findText(text)); }
    // The item that carries the value (a table index, a code) is chosen.
    void chooseValue(int id, int value) const { choose(id, combo(id)->findData(value)); }
    QStringList items(int id) const
    {
        QStringList texts;
        for (int i = 0; i < combo(id)->count(); ++i)
            texts << combo(id)->itemText(i);
        return texts;
    }
    // A section's element: the section, or its element at index.
    CDataItem item(const char *section, int index = -1) const
    {
        CDataItem found;
        document->root().GetChildByName(QLatin1String(section), found);
        if (index >= 0)
            found.GetChildByIndex(index, found);
        return found;
    }
    // An attribute of that element; empty when there is no such element.
    QString stored(const QString &attribute, const char *section = "setting", int index = -1) const
    {
        const CDataItem found = item(section, index);
        return found.isEmpty() ? QString() : found.GetAttributeValue(attribute).toString();
    }
    QString ofChannel(const QString &attribute) const { return stored(attribute, "channels", channel); }
    // The ids of the page's hidden controls, in ascending order.
    QList<int> hidden() const
    {
        QList<int> ids;
        for (const FormControl &entry : view->form().controls) {
            if (control(entry.id) && control(entry.id)->isHidden() && !ids.contains(entry.id))
                ids << entry.id;
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    // The profile's text, to see that nothing changed.
    QString xml() const { return document->model().mainDocument().xml(); }
    QStringList &messages() { return fixture.reporter.messages; }

    EditorFixture fixture;
    std::unique_ptr<CProfileDocument> document;
    int channel;
    std::unique_ptr<View> view;
};
