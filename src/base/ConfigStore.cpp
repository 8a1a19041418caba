#include "base/ConfigStore.h"

#include "base/MessageReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

namespace {

const QString kProductFile = QStringLiteral("Halvern/Vela LX Dealer CPS.ini");

const QString kInstallPath = QStringLiteral("InstallPath");
const QString kDefaultLanguage = QStringLiteral("DefaultLanguage");
const QString kCurrentLanguage = QStringLiteral("CurrentLanguage");
const QString kShowContextHelp = QStringLiteral("ShowContextHelp");
const QString kVelaTag = QStringLiteral("VelaTag");
const QString kCablePort = QStringLiteral("CablePort");
const QString kRadioBackups = QStringLiteral("RadioBackups");
const QString kReviewSameModelWrites = QStringLiteral("ReviewSameModelWrites");
const QString kHelpFileName = QStringLiteral("HelpFileName");
const QString kGuiResource = QStringLiteral("GUIResource");
const QString kDealerLeft = QStringLiteral("DealerInfoLeft");
const QString kDealerMiddle = QStringLiteral("DealerInfoMiddle");
const QString kDealerRight = QStringLiteral("DealerInfoRight");

const QString kDefaultCablePort = QStringLiteral("usb");

QString languageKey(const QString &language, const QString &value)
{
    return QStringLiteral("Language/%1/%2").arg(language, value);
}

// Only absolute entries count; a relative one is ignored as the XDG base
// directory rules ask.
QStringList absoluteDirs(const QString &list)
{
    QStringList dirs;
    for (const QString &dir : list.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            dirs << dir;
    }
    return dirs;
}

QString programDir()
{
    // The program's own path, whether or not an application object exists.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return program.isEmpty() ? QString() : QFileInfo(program).absolutePath();
}

QSettings machineSettings()
{
    return QSettings(CConfigStore::machineFilePath(), QSettings::IniFormat);
}

QSettings userSettings()
{
    return QSettings(CConfigStore::userFilePath(), QSettings::IniFormat);
}

// An INI value with an unquoted comma comes back as a list; such a string
// written by hand is taken whole rather than dropped.
QString readString(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

int readNumber(const QSettings &settings, const QString &key)
{
    bool ok = false;
    const int number = settings.value(key).toString().trimmed().toInt(&ok);
    return ok ? number : -1;
}

// A file with lines that do not parse keeps its format error status even
// after a successful write (which drops those lines); only a failed access
// is a failure.
bool usable(const QSettings &settings)
{
    return settings.status() != QSettings::AccessError;
}

bool store(QSettings &settings, const QString &key, const QVariant &value)
{
    if (!settings.isWritable())
        return false;
    settings.setValue(key, value);
    settings.sync();
    return usable(settings);
}

// A user switch that is on unless it is "0".
bool switchedOn(const QString &key)
{
    return readString(userSettings(), key) != QLatin1String("0");
}

bool storeSwitch(const QString &key, bool on)
{
    QSettings user = userSettings();
    return store(user, key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

// A dealer text of the user file, up to its first zero character (a
// multi-string holds one text).
QString readDealerText(const QSettings &settings, const QString &key)
{
    QString text = readString(settings, key);
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

// The machine defaults are a list of lines; the user copy is one text with
// CR LF between the lines.
void copyDealerDefaults(QSettings &user, const QSettings &machine, const QString &language)
{
    for (const QString &value : { kDealerLeft, kDealerMiddle, kDealerRight }) {
        const QString key = languageKey(language, value);
        if (user.contains(key))
            continue;
        const QString text = machine.value(key).toStringList().join(QStringLiteral("\r\n"));
        if (!store(user, key, text))
            return;
    }
}

// A path relative to the install directory; empty when either part is
// missing, so no caller ever looks relative to the working directory.
QString installRelativePath(const QString &relative)
{
    const QString install = CConfigStore::installPath();
    if (install.isEmpty() || relative.isEmpty())
        return QString();
    return QDir(install).filePath(relative);
}

bool fatalSettingsError()
{
    showMessage(
        QCoreApplication::translate("ConfigStore", "Fatal settings error, the application will be closed!"),
        MsgStyle::IconError);
    return false;
}

struct LanguageLocale {
    const char *language;
    QLocale::Language localeLanguage;
    QLocale::Territory territory;
};

// The installer's languages and the locale each one formats numbers with.
const LanguageLocale kLanguageLocales[] = {
    { "CaFrench", QLocale::French, QLocale::Canada },
    { "Dutch", QLocale::Dutch, QLocale::Netherlands },
    { "English", QLocale::English, QLocale::UnitedStates },
    { "French", QLocale::French, QLocale::France },
    { "German", QLocale::German, QLocale::Germany },
    { "Italian", QLocale::Italian, QLocale::Italy },
    { "LaPortuguese", QLocale::Portuguese, QLocale::Brazil },
    { "LaSpanish", QLocale::Spanish, QLocale::Spain },
    { "Polish", QLocale::Polish, QLocale::Poland },
    { "Portuguese", QLocale::Portuguese, QLocale::Portugal },
    { "Russian", QLocale::Russian, QLocale::Russia },
    { "Spanish", QLocale::Spanish, QLocale::Spain },
};

} // namespace

QString CConfigStore::machineFilePath()
{
    QStringList dirs = absoluteDirs(qEnvironmentVariable("XDG_CONFIG_DIRS"));
    if (dirs.isEmpty())
        dirs << QStringLiteral("/etc/xdg");
    const QString program = programDir();
    if (!program.isEmpty())
        dirs << QDir::cleanPath(program + QStringLiteral("/../etc/xdg"));
    for (const QString &dir : dirs) {
        const QString path = QDir(dir).filePath(kProductFile);
        if (QFileInfo(path).isFile())
            return path;
    }
    // Nothing installed: the first place looked at, which reads as empty.
    return QDir(dirs.first()).filePath(kProductFile);
}

QString CConfigStore::userFilePath()
{
    const QStringList home = absoluteDirs(qEnvironmentVariable("XDG_CONFIG_HOME"));
    const QString dir = home.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : home.first();
    return QDir(dir).filePath(kProductFile);
}

bool CConfigStore::prepare()
{
    QSettings user = userSettings();
    if (!usable(user) || !user.isWritable())
        return fatalSettingsError();
    const QSettings machine = machineSettings();

    if (readString(user, kCurrentLanguage).isEmpty()) {
        const QString language = readString(machine, kDefaultLanguage);
        if (language.isEmpty())
            return fatalSettingsError();
        if (!store(user, kCurrentLanguage, language))
            return false;
    }

    if (readNumber(user, kShowContextHelp) == -1) {
        const int fallback = readNumber(machine, kShowContextHelp);
        if (fallback == -1)
            return fatalSettingsError();
        if (!store(user, kShowContextHelp, fallback == 1 ? 1 : 0))
            return false;
    }

    const QString language = readString(user, kCurrentLanguage);
    if (!language.isEmpty())
        copyDealerDefaults(user, machine, language);
    return true;
}

QString CConfigStore::installPath()
{
    // A relative install path (a package's) counts from the program's own
    // folder, so an install unpacked anywhere finds its data.
    const QString path = readString(machineSettings(), kInstallPath);
    if (path.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QDir::cleanPath(QDir(programDir()).filePath(path));
}

QString CConfigStore::installFilePath(const QString &folder, const QString &fileName)
{
    return installRelativePath(folder + QLatin1Char('/') + fileName);
}

QString CConfigStore::defaultLanguage()
{
    return readString(machineSettings(), kDefaultLanguage);
}

QString CConfigStore::currentLanguage()
{
    return readString(userSettings(), kCurrentLanguage);
}

bool CConfigStore::setCurrentLanguage(const QString &name)
{
    QSettings user = userSettings();
    return store(user, kCurrentLanguage, name);
}

int CConfigStore::contextHelpSwitch()
{
    return readNumber(userSettings(), kShowContextHelp);
}

int CConfigStore::contextHelpDefault()
{
    return readNumber(machineSettings(), kShowContextHelp);
}

bool CConfigStore::setContextHelpSwitch(bool show)
{
    QSettings user = userSettings();
    return store(user, kShowContextHelp, show ? 1 : 0);
}

bool CConfigStore::contextHelpShown()
{
    return contextHelpSwitch() == 1;
}

bool CConfigStore::limitSavingRuleEnabled()
{
    return readNumber(machineSettings(), kVelaTag) == 1;
}

QString CConfigStore::helpFilePath(const QString &language)
{
    if (language.isEmpty())
        return QString();
    return installRelativePath(readString(machineSettings(), languageKey(language, kHelpFileName)));
}

QString CConfigStore::resourceFilePath()
{
    return resourceFilePath(currentLanguage());
}

QString CConfigStore::resourceFilePath(const QString &language)
{
    if (language.isEmpty())
        return QString();
    return installRelativePath(readString(machineSettings(), languageKey(language, kGuiResource)));
}

bool CConfigStore::dealerInfo(const QString &language, QString &left, QString &right, QString &middle)
{
    left.clear();
    right.clear();
    middle.clear();
    if (language.isEmpty())
        return false;
    const QSettings user = userSettings();
    if (!usable(user))
        return false;
    const QString leftKey = languageKey(language, kDealerLeft);
    const QString middleKey = languageKey(language, kDealerMiddle);
    const QString rightKey = languageKey(language, kDealerRight);
    if (!user.contains(leftKey) || !user.contains(middleKey) || !user.contains(rightKey))
        return false;
    left = readDealerText(user, leftKey);
    right = readDealerText(user, rightKey);
    middle = readDealerText(user, middleKey);
    return true;
}

bool CConfigStore::setDealerInfo(
    const QString &language, const QString &left, const QString &right, const QString &middle)
{
    if (language.isEmpty())
        return false;
    QSettings user = userSettings();
    return store(user, languageKey(language, kDealerLeft), left)
        && store(user, languageKey(language, kDealerRight), right)
        && store(user, languageKey(language, kDealerMiddle), middle);
}

QString CConfigStore::decimalSeparator(const QString &language)
{
    for (const LanguageLocale &entry : kLanguageLocales) {
        if (language == QLatin1String(entry.language)) {
            const QString separator = QLocale(entry.localeLanguage, entry.territory).decimalPoint();
            return separator.isEmpty() ? QStringLiteral(".") : separator;
        }
    }
    return QStringLiteral(".");
}

int CConfigStore::languageAvailability(const QStringList &supported, const QString &name)
{
    if (supported.size() == 1 && supported.first() == QLatin1String("English"))
        return -1;
    return supported.contains(name) ? 1 : 0;
}

QString CConfigStore::cablePort()
{
    const QString port = readString(userSettings(), kCablePort);
    return port.isEmpty() ? kDefaultCablePort : port;
}

bool CConfigStore::setCablePort(const QString &port)
{
    QSettings user = userSettings();
    return store(user, kCablePort, port);
}

bool CConfigStore::radioBackupsEnabled()
{
    return switchedOn(kRadioBackups);
}

bool CConfigStore::setRadioBackupsEnabled(bool enabled)
{
    return storeSwitch(kRadioBackups, enabled);
}

bool CConfigStore::sameModelWriteReviewed()
{
    return switchedOn(kReviewSameModelWrites);
}

bool CConfigStore::setSameModelWriteReviewed(bool reviewed)
{
    return storeSwitch(kReviewSameModelWrites, reviewed);
}
