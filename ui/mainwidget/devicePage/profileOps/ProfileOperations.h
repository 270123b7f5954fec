#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class DDeviceKeyboardLink;
class MagneticCommands;
class ProfileDialogProvider;
class QWidget;

// Create, delete, export, import, rename, switch and reset of the profiles of the current layer
// file. Results go out as toasts (sigNotice); what the page shows and loads goes through its hooks.
class ProfileOperations : public QObject
{
    Q_OBJECT

public:
    // The dialogs are not owned; dialogParent is their parent widget.
    ProfileOperations(ProfileDialogProvider *dialogs, QWidget *dialogParent, QObject *parent = nullptr);

    void setProfile(const QByteArray &profileXmlPath, int profileIndex);
    QByteArray profileXmlPath() const { return m_profileXmlPath; }
    int profileIndex() const { return m_profileIndex; }
    // May be null: nothing is then sent to a keyboard.
    void setDeviceLink(DDeviceKeyboardLink *link);
    // Set on keyboards with magnetic switches: a reset first restores their trigger settings.
    void setMagneticCommands(MagneticCommands *commands);

    // Writes the default light records and custom lights of a new or emptied profile.
    void setProfileDefaultsWriter(std::function<void(const QByteArray &path, int index)> writer);
    // Loads the current profile into the link, the data manager and the tabs.
    void setProfileLoader(std::function<void()> loader);

    void createProfile();
    void deleteProfile();
    void exportProfile();
    void importProfile();
    // The current profile's name, nothing when its node is missing.
    std::optional<QString> currentProfileName() const;
    // False (with a toast) for an empty name.
    bool renameProfile(const QString &name);
    void switchProfile(int index);
    // Asks first; "No" changes nothing.
    void resetWithQuestion();
    void restoreCurrentProfile();

signals:
    // atPageCentre: the toast goes to the centre of the page instead of its top.
    void sigNotice(const QString &text, bool atPageCentre);
    void sigProfileListChanged();

private:
    // Without a current device there is no layer file, and nothing to operate on.
    bool hasProfileFile() const { return !m_profileXmlPath.isEmpty(); }
    QByteArray indexText() const;
    void notice(const QString &text) { emit sigNotice(text, false); }
    void writeDefaults(int index);
    void loadCurrentProfile();

    ProfileDialogProvider *m_dialogs;
    QWidget *m_dialogParent;
    QByteArray m_profileXmlPath;
    int m_profileIndex = 1;
    QPointer<DDeviceKeyboardLink> m_link;
    QPointer<MagneticCommands> m_magnetic;
    std::function<void(const QByteArray &, int)> m_defaultsWriter;
    std::function<void()> m_loader;
};
