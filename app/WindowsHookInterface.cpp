#include "app/WindowsHookInterface.h"

#include "app/DDataManager.h"
#include "platform/KeyHookBackend.h"

#include <QMap>
#include <QString>
#include <QtDebug>

namespace {

const char *const kRegistryKey = "HOOK";
constexpr int kPressedKeyCapacity = 128;

// The procedures are plain callbacks of the back end: they find the hook object by name.
QMap<QString, WindowsHookInterface *> &hookRegistry()
{
    static QMap<QString, WindowsHookInterface *> registry;
    return registry;
}

WindowsHookInterface *registeredHook()
{
    return hookRegistry().value(QString::fromLatin1(kRegistryKey), nullptr);
}

KeyHookBackend *g_backend = nullptr;
bool g_keyboardHooked = false;
bool g_mouseHooked = false;

// Virtual keys held down, in pressing order; a key found here again is an auto-repeat.
unsigned char g_pressedKeys[kPressedKeyCapacity] = {};
int g_pressedCount = 0;

KeyHookBackend *backend()
{
    return g_backend != nullptr ? g_backend : KeyHookBackend::systemBackend();
}

void clearPressedKeys()
{
    for (unsigned char &key : g_pressedKeys)
        key = 0;
    g_pressedCount = 0;
}

bool isPressed(unsigned char key)
{
    for (int i = 0; i < g_pressedCount; ++i) {
        if (g_pressedKeys[i] == key)
            return true;
    }
    return false;
}

void addPressed(unsigned char key)
{
    if (g_pressedCount < kPressedKeyCapacity)
        g_pressedKeys[g_pressedCount++] = key;
}

void removePressed(unsigned char key)
{
    int kept = 0;
    for (int i = 0; i < g_pressedCount; ++i) {
        if (g_pressedKeys[i] != key)
            g_pressedKeys[kept++] = g_pressedKeys[i];
    }
    for (int i = kept; i < g_pressedCount; ++i)
        g_pressedKeys[i] = 0;
    g_pressedCount = kept;
}

// Only these flag words are a key going down; anything else, every release included, is up.
bool isKeyDownFlags(DWORD flags)
{
    return flags == 0 || flags == 0x01 || flags == 0x11 || flags == 0x20 || flags == 0x21;
}

// Lock keys and Ctrl always reach the system, so lock states and Ctrl shortcuts keep working.
bool isPassKey(DWORD vk)
{
    return vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL || vk == VK_LCONTROL || vk == VK_RCONTROL;
}

} // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent)
    : QObject(parent)
{
    hookRegistry().insert(QString::fromLatin1(kRegistryKey), this);
}

WindowsHookInterface::~WindowsHookInterface()
{
    // A hook left installed would keep the keyboard grabbed with nobody to report to.
    if (registeredHook() == this) {
        uninstallHook();
        hookRegistry().remove(QString::fromLatin1(kRegistryKey));
    }
}

void WindowsHookInterface::setBackend(KeyHookBackend *hookBackend)
{
    g_backend = hookBackend;
}

int WindowsHookInterface::startHook(int mode)
{
    m_mode = mode;
    clearPressedKeys();
    return installHook();
}

int WindowsHookInterface::stopHook()
{
    return uninstallHook();
}

int WindowsHookInterface::installHook()
{
    if (g_keyboardHooked || g_mouseHooked)
        return 1;

    g_keyboardHooked =
        backend()->installKeyboardHook(&WindowsHookInterface::keyboardProc, m_mode != HOOK_INTERACT_LIGHT);
    if (!g_keyboardHooked) {
        qDebug().noquote() << "Set keyboard Hook error, error code=%ld";
        return 0;
    }
    if (m_mode != HOOK_MACRO_RECORD)
        return 1;

    g_mouseHooked = backend()->installMouseHook(&WindowsHookInterface::mouseProc);
    if (!g_mouseHooked) {
        qDebug().noquote() << "Set mouse Hook error, error code=%ld";
        return 0;
    }
    return 1;
}

int WindowsHookInterface::uninstallHook()
{
    if (g_keyboardHooked) {
        backend()->removeKeyboardHook();
        g_keyboardHooked = false;
    }
    if (g_mouseHooked) {
        backend()->removeMouseHook();
        g_mouseHooked = false;
    }
    return 1;
}

LRESULT WindowsHookInterface::keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(wParam)
    WindowsHookInterface *hook = registeredHook();
    if (nCode != HC_ACTION || !g_keyboardHooked || hook == nullptr)
        return 0;

    const auto *event = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
    const DWORD vk = event->vkCode;
    const DWORD flags = event->flags;
    const auto key = static_cast<unsigned char>(vk);

    int flag = 0;
    if (isKeyDownFlags(flags)) {
        // An auto-repeat of a held key is neither reported nor swallowed.
        if (isPressed(key))
            return 0;
        addPressed(key);
        flag = 1;
    } else {
        removePressed(key);
    }

    // The receivers may stop or restart the hook: decide on the mode the event arrived in.
    const int mode = hook->m_mode;
    if (mode == HOOK_MACRO_RECORD) {
        DDataManager::instance()->relayMacroKeyboardEvent(static_cast<int>(vk), static_cast<int>(event->scanCode), flag,
                                                          static_cast<int>(flags));
    } else {
        emit hook->sigKeyboardRecviveStreamEX_Key(static_cast<int>(vk), static_cast<int>(event->scanCode), flag,
                                                  static_cast<int>(flags));
    }

    if (mode == HOOK_INTERACT_LIGHT || isPassKey(vk))
        return 0;
    return 1;
}

LRESULT WindowsHookInterface::mouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    WindowsHookInterface *hook = registeredHook();
    if (nCode == HC_ACTION && wParam != WM_MOUSEMOVE && g_mouseHooked && hook != nullptr
        && hook->m_mode == HOOK_MACRO_RECORD)
        DDataManager::instance()->relayMacroMouseEvent(nCode, wParam, lParam);
    return 0;
}
