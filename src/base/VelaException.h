#pragma once

#include <QString>
#include <exception>
#include <string>

// The profile model's error: a message code (string-table id) and a detail
// trail for diagnosis. Only the code's text is ever shown to the user.
class CVelaCPSException : public std::exception {
public:
    CVelaCPSException(
        int code, const QString &detail, const char *operation, int position, const QString &message);

    int code() const { return m_code; }
    const QString &detail() const { return m_detail; }
    // The string-table text of the code, in the current language.
    QString text() const;

    // Appends "\n(operation:position) message" to the trail.
    void append(const char *operation, int position, const QString &message);
    // The trail entry an operation adds when an exception passes through it.
    void passThrough(const char *operation, int position)
    {
        append(operation, position, QStringLiteral("Exception Catched"));
    }

    const char *what() const noexcept override;

private:
    int m_code;
    QString m_detail;
    mutable std::string m_what;
};

// Message codes of the profile model (string-table ids).
namespace VelaError {
enum : int {
    Unknown = 131, // "Unknown Error"
    NoSuchChild = 132, // "Programming error: 107."
    NoSuchAttribute = 133, // "Programming error: 108."
    CreateFailed = 134, // "Fatal error: 102.\nPlease uninstall and re-install CPS."
    InvalidProfile = 135, // "Invalid profile."
    LoadFailed = 136, // "Failed to load profile."
    ScriptEngine = 137, // "Fatal error: 101."
    SaveFormat = 533, // "File format error. Failed to save."
};
}

// Detail text of an XML-library or script error caught at an operation's edge.
QString libraryErrorDetail(const QString &message, const QString &description, const QString &source);
