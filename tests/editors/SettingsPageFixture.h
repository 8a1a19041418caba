#pragma once

#include "EditorFixture.h"

#include "editors/BaseView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

// A settings page of a profile made from a template, initialised.
template <class View> struct SettingsPage {
    explicit SettingsPage(const QString &model, const TemplateChanges &changes = {})
        : document(fixture.profile(model, changes))
        , view(EditorContext { *document, fixture.context })
    {
        view.OnInitialUpdate();
    }
    // Shown and active, for typing and focus changes.
    void activate()
    {
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
    }
    // As the user does: the focus moves to the box, its text is typed over.
    void type(int id, const QString &text) const
    {
        auto *box = view.template control<QLineEdit>(id);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // The focus moves to the list, then an item is chosen.
    void choose(int id, int item) const
    {
        auto *combo = view.template control<QComboBox>(id);
        combo->setFocus();
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }
    QString stored(const QString &attribute, const char *section = "setting") const
    {
        CDataItem item;
        return document->root()
            .GetChildByName(QLatin1String(section), item)
            .GetAttributeValue(attribute)
            .toString();
    }
    // The ids of the page's hidden controls, in ascending order.
    QList<int> hidden() const
    {
        QList<int> ids;
        for (const FormControl &control : view.form().controls) {
            if (view.control(control.id) && view.control(control.id)->isHidden() && !ids.contains(control.id))
                ids << control.id;
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    EditorFixture fixture;
    std::unique_ptr<CProfileDocument> document;
    View view;
};

// "attribute=value" of "limit" as a template change; none for an empty text.
inline TemplateChanges LimitChange(const QString &assignment)
{
    if (assignment.isEmpty())
        return {};
    return { { QStringLiteral("limit"), assignment.section('=', 0, 0), assignment.section('=', 1) } };
}
