#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

class XmlDocument;

// One feature a programmable button may take.
struct ButtonFeature {
    QString name; // English; shown translated
    int value = 0; // what the profile stores for the button
    // "none", or the limit attribute that says whether the model has it.
    QString dependName;
    bool offeredWhenSet = false; // offered when that attribute is non-zero
};

// The features of the programmable buttons for one kind of model, as the
// button list settings document gives them, and which of them a model
// offers.
class CButtonFeatureList {
public:
    // Reads a limit attribute of the profile as a number.
    using LimitReader = std::function<int(const QString &attribute)>;

    // nullopt when the document lacks a list, the picture or the defaults
    // of the kind of model: the install is damaged.
    static std::optional<CButtonFeatureList> Read(const XmlDocument &buttonList, bool displayModel);

    // What the side buttons offer, then what the front buttons offer, in
    // list order and with the "no feature" entry last.
    QList<ButtonFeature> sideButtonFeatures(const LimitReader &limit) const;
    QList<ButtonFeature> frontButtonFeatures(const LimitReader &limit) const;
    // The feature of a button (by its profile attribute) in a new profile,
    // 0 when the model does not offer it.
    int defaultFeature(const QString &button, const LimitReader &limit) const;
    const QString &pictureFile() const { return m_picture; }

private:
    void appendOffered(
        QList<ButtonFeature> &offered, const QList<ButtonFeature> &list, const LimitReader &limit) const;
    bool isOffered(const ButtonFeature &feature, const LimitReader &limit) const;

    QList<ButtonFeature> m_common;
    QList<ButtonFeature> m_frontOnly; // of the model's display type
    QList<ButtonFeature> m_presets;
    QMap<QString, int> m_defaults;
    QString m_picture;
};
