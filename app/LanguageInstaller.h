#pragma once

// Installs another translation for the whole program. The application object is the one
// installer; pages reach it through the application instance without knowing its class.
class LanguageInstaller
{
public:
    virtual ~LanguageInstaller() = default;
    // Language index 1 to 15; false when the language has no translation or its file does not load.
    virtual bool setLanguageIndex(int index) = 0;

    // The running application's installer; null when the application object is not one.
    static LanguageInstaller *instance();
};
