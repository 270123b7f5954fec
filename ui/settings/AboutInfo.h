#pragma once

#include <QString>

// The About page's texts, read from the default configuration.
struct AboutInfo
{
    QString version;
    QString companyName;
    QString copyright; // with every "*" of the stored text turned into ","
    QString companyLink;
    bool showLink = false;

    // Reads the default configuration (or the file set by setSourcePath); absent keys take
    // their defaults.
    static AboutInfo read();
    // Points the reads at another file; an empty path goes back to the built-in one.
    static void setSourcePath(const QString &path);
};
